#include "reports/core/Utf8Text.h"

#include <cstdint>

#include "reports/core/RtfCodePage.h"
#include "store/TextBytes.h"

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
