#include "reports/core/Utf8Text.h"

#include <cstdint>

#include "reports/core/RtfCodePage.h"

bool IsValidUtf8(const std::string& Text) {
  std::size_t i = 0;
  while (i < Text.size()) {
    const auto Lead = static_cast<std::uint8_t>(Text[i]);
    int Follow = 0;
    char32_t Code = 0;
    if (Lead < 0x80) {
      ++i;
      continue;
    } else if (Lead >= 0xC2 && Lead <= 0xDF) {
      Follow = 1;
      Code = Lead & 0x1F;
    } else if (Lead >= 0xE0 && Lead <= 0xEF) {
      Follow = 2;
      Code = Lead & 0x0F;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
      Follow = 3;
      Code = Lead & 0x07;
    } else {
      return false;
    }
    for (int k = 1; k <= Follow; ++k) {
      if (i + static_cast<std::size_t>(k) >= Text.size()) return false;
      const auto Next = static_cast<std::uint8_t>(Text[i + static_cast<std::size_t>(k)]);
      if ((Next & 0xC0) != 0x80) return false;
      Code = (Code << 6) | (Next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    if ((Follow == 2 && (Code < 0x800 || (Code >= 0xD800 && Code <= 0xDFFF))) ||
        (Follow == 3 && (Code < 0x10000 || Code > 0x10FFFF)))
      return false;
    i += static_cast<std::size_t>(Follow) + 1;
  }
  return true;
}

std::string Utf8OfStoreText(const std::string& Text) {
  if (IsValidUtf8(Text)) return Text;
  std::string Out;
  Out.reserve(Text.size() * 2);
  for (char c : Text) AppendUtf8(Out, Cp1252ToUnicode(static_cast<std::uint8_t>(c)));
  return Out;
}

void AppendUtf8(std::string& Out, char32_t Code) {
  if (Code < 0x80) {
    Out += static_cast<char>(Code);
  } else if (Code < 0x800) {
    Out += static_cast<char>(0xC0 | (Code >> 6));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else if (Code < 0x10000) {
    Out += static_cast<char>(0xE0 | (Code >> 12));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Code >> 18));
    Out += static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  }
}
