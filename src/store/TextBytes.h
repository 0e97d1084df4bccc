// Text held as bytes: the letters A to Z in lower case, and reading UTF-8.
// Store text is bytes, shown as UTF-8 when it is valid UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The byte c in lower case when it is one of the letters A to Z, else as it is.
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Text with the letters A to Z in lower case and nothing else changed (names,
// keywords, unit words: the same in every locale).
inline std::string AsciiLowerCase(std::string_view Text) {
  std::string Result(Text);
  for (char& c : Result) c = AsciiLower(c);
  return Result;
}

// Reads the UTF-8 character at Position: stores its code in Code and moves
// Position past it. False, with nothing moved, when the bytes there are not
// UTF-8: a stray or missing continuation byte, an overlong form, a surrogate
// or a value beyond Unicode.
bool ReadUtf8Char(std::string_view Text, std::size_t& Position, char32_t& Code);

// Whether Text is valid UTF-8.
bool IsValidUtf8(std::string_view Text);
