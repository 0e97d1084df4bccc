#include "store/TextBytes.h"

#include <cstdint>

bool ReadUtf8Char(std::string_view Text, std::size_t& Position, char32_t& Code) {
  if (Position >= Text.size()) return false;
  const auto Lead = static_cast<std::uint8_t>(Text[Position]);
  std::size_t Length;
  char32_t Value;
  if (Lead < 0x80) {
    Length = 1;
    Value = Lead;
  } else if (Lead >= 0xC2 && Lead <= 0xDF) {
    Length = 2;
    Value = Lead & 0x1Fu;
  } else if (Lead >= 0xE0 && Lead <= 0xEF) {
    Length = 3;
    Value = Lead & 0x0Fu;
  } else if (Lead >= 0xF0 && Lead <= 0xF4) {
    Length = 4;
    Value = Lead & 0x07u;
  } else {
    return false;
  }
  if (Length > Text.size() - Position) return false;
  for (std::size_t k = 1; k < Length; ++k) {
    const auto Next = static_cast<std::uint8_t>(Text[Position + k]);
    if ((Next & 0xC0u) != 0x80u) return false;
    Value = (Value << 6) | (Next & 0x3Fu);
  }
  // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
  constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (Value < Smallest[Length] || Value > 0x10FFFF || (Value >= 0xD800 && Value <= 0xDFFF)) return false;
  Code = Value;
  Position += Length;
  return true;
}

bool IsValidUtf8(std::string_view Text) {
  std::size_t Position = 0;
  char32_t Code;
  while (Position < Text.size()) {
    // Plain ASCII needs no decoding.
    if (static_cast<std::uint8_t>(Text[Position]) < 0x80) {
      ++Position;
      continue;
    }
    if (!ReadUtf8Char(Text, Position, Code)) return false;
  }
  return true;
}
