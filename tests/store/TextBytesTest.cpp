// The byte-text helpers every reader of store text shares: which bytes are
// UTF-8, what they decode to, and ASCII-only lower-casing.
#include <gtest/gtest.h>

#include "store/TextBytes.h"

namespace {

TEST(TextBytesTest, Utf8IsReadOnlyInItsShortestFormWithinUnicode) {
  const struct {
    const char* Name;
    std::string Bytes;
    bool Valid;
    char32_t FirstCode;  // when valid and not empty
  } Cases[] = {
      {"empty", "", true, 0},
      {"ascii", "Tent", true, U'T'},
      {"two bytes", "\xC3\xA9", true, 0xE9},
      {"three bytes", "\xE2\x82\xAC", true, 0x20AC},
      {"four bytes", "\xF0\x9F\x8F\x95", true, 0x1F3D5},
      {"largest", "\xF4\x8F\xBF\xBF", true, 0x10FFFF},
      {"windows-1252", "caf\xE9", false, 0},
      {"stray continuation", "\x80", false, 0},
      {"overlong two", "\xC1\xBF", false, 0},
      {"overlong three", "\xE0\x9F\xBF", false, 0},
      {"overlong four", "\xF0\x8F\xBF\xBF", false, 0},
      {"surrogate", "\xED\xA0\x80", false, 0},
      {"beyond unicode", "\xF4\x90\x80\x80", false, 0},
      {"cut short", "\xE2\x82", false, 0},
      {"continuation missing", "\xC3" "A", false, 0},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    EXPECT_EQ(IsValidUtf8(Case.Bytes), Case.Valid);
    std::size_t Position = 0;
    char32_t Code = 0;
    if (Case.Bytes.empty()) {
      EXPECT_FALSE(ReadUtf8Char(Case.Bytes, Position, Code));
    } else if (Case.Valid) {
      ASSERT_TRUE(ReadUtf8Char(Case.Bytes, Position, Code));
      EXPECT_EQ(Code, Case.FirstCode);
    } else if (!ReadUtf8Char(Case.Bytes, Position, Code)) {
      EXPECT_EQ(Position, 0u);
    }
  }
}

TEST(TextBytesTest, LowerCasingChangesOnlyTheLettersAToZ) {
  EXPECT_EQ(AsciiLowerCase("KiloGRAMS @[`{ \xC3\x89 \xC9"), "kilograms @[`{ \xC3\x89 \xC9");
}

}  // namespace
