// The Windows-1252 code page of rich-text files: what an 8-bit character
// escape stands for, and back.
#pragma once

#include <cstdint>

// The character of byte Byte; the five bytes the code page leaves undefined
// stand for the control character of the same value.
char16_t Cp1252ToUnicode(std::uint8_t Byte);

// The byte of Character, or -1 when the code page has none.
int UnicodeToCp1252(char16_t Character);
