// The characters of symbol fonts (\fcharset2): Symbol and the dingbat fonts
// (Wingdings...) place their glyphs on bytes, or on U+F020..U+F0FF, instead
// of on the Unicode characters they show. Without those fonts such text
// shows as boxes, so the reader puts the Unicode character in their place.
#pragma once

#include <cstdint>
#include <string>

enum class TSymbolFont { Symbol, Dingbats };

// The kind of symbol font by its name: Wingdings, Webdings and Zapf
// Dingbats are dingbat fonts, any other is read as Symbol.
TSymbolFont SymbolFontOf(const std::u16string& FontName);

// The Unicode character that byte Code of Font shows, or 0 when it is not
// known.
char16_t SymbolCharacter(TSymbolFont Font, std::uint8_t Code);
