#include "reports/core/RtfSymbolFont.h"

#include <algorithm>

#include "store/TextBytes.h"

namespace {

struct TGlyph {
  std::uint8_t Code;
  char16_t Character;
};

// Symbol: the Greek letters of A..Z and a..z, and the signs word processors
// use for bullets and in formulas.
constexpr char16_t SymbolUpper[] = u"\u0391\u0392\u03a7\u0394\u0395\u03a6\u0393\u0397\u0399\u03d1\u039a\u039b"
                                   u"\u039c\u039d\u039f\u03a0\u0398\u03a1\u03a3\u03a4\u03a5\u03c2\u03a9\u039e"
                                   u"\u03a8\u0396";
constexpr char16_t SymbolLower[] = u"\u03b1\u03b2\u03c7\u03b4\u03b5\u03c6\u03b3\u03b7\u03b9\u03d5\u03ba\u03bb"
                                   u"\u03bc\u03bd\u03bf\u03c0\u03b8\u03c1\u03c3\u03c4\u03c5\u03d6\u03c9\u03be"
                                   u"\u03c8\u03b6";
constexpr TGlyph SymbolSigns[] = {
    {0x2A, 0x2217}, {0x2D, 0x2212}, {0xA5, 0x221E}, {0xA7, 0x2663}, {0xA8, 0x2666}, {0xA9, 0x2665},
    {0xAA, 0x2660}, {0xAB, 0x2194}, {0xAC, 0x2190}, {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193},
    {0xB0, 0x00B0}, {0xB1, 0x00B1}, {0xB4, 0x00D7}, {0xB7, 0x2022}, {0xB8, 0x00F7}, {0xB9, 0x2260},
    {0xBA, 0x2261}, {0xBB, 0x2248}, {0xBC, 0x2026}, {0xD6, 0x221A}, {0xD7, 0x22C5}, {0xD8, 0x00AC},
    {0xDE, 0x21D2}, {0xE0, 0x25CA}};

// Dingbat fonts: the glyphs used as list bullets and check marks.
constexpr TGlyph Dingbats[] = {
    {0x4A, 0x263A}, {0x6C, 0x25CF}, {0x6D, 0x274D}, {0x6E, 0x25A0}, {0x6F, 0x25A1}, {0x70, 0x25FB},
    {0x71, 0x2751}, {0x72, 0x2752}, {0x73, 0x2B27}, {0x74, 0x29EB}, {0x75, 0x25C6}, {0x76, 0x2756},
    {0x77, 0x2B25}, {0x9E, 0x00B7}, {0x9F, 0x2022}, {0xA1, 0x25CB}, {0xA7, 0x25AA}, {0xA8, 0x25FB},
    {0xD8, 0x27A2}, {0xE8, 0x2794}, {0xF0, 0x21E8}, {0xFB, 0x2717}, {0xFC, 0x2713}, {0xFD, 0x2612},
    {0xFE, 0x2611}};

template <std::size_t N>
char16_t Find(const TGlyph (&Glyphs)[N], std::uint8_t Code) {
  for (const TGlyph& Glyph : Glyphs)
    if (Glyph.Code == Code) return Glyph.Character;
  return 0;
}

}  // namespace

TSymbolFont SymbolFontOf(const std::u16string& FontName) {
  std::string Name;
  for (char16_t c : FontName) Name += c < 0x80 ? AsciiLower(static_cast<char>(c)) : '?';
  for (const char* Dingbat : {"wingdings", "webdings", "dingbats"})
    if (Name.find(Dingbat) != std::string::npos) return TSymbolFont::Dingbats;
  return TSymbolFont::Symbol;
}

char16_t SymbolCharacter(TSymbolFont Font, std::uint8_t Code) {
  if (Font == TSymbolFont::Dingbats) return Find(Dingbats, Code);
  if (Code >= 'A' && Code <= 'Z') return SymbolUpper[Code - 'A'];
  if (Code >= 'a' && Code <= 'z') return SymbolLower[Code - 'a'];
  if (const char16_t Sign = Find(SymbolSigns, Code)) return Sign;
  // Digits, punctuation and the space are where ASCII has them.
  if (Code >= 0x20 && Code < 0x7F) return Code;
  return 0;
}
