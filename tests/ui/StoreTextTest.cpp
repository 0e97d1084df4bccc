// The crossing between store bytes and shown text, and the error box text.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/ScriptedPrompts.h"
#include "ui/Prompts.h"
#include "ui/StoreText.h"

namespace {

TEST(StoreText, ValidUtf8IsShownAsUtf8) {
  EXPECT_EQ(FromStore("Caf\xC3\xA9 \xE2\x82\xAC"), QString::fromUtf8("Café €"));
  EXPECT_EQ(FromStore(""), QString());
  EXPECT_EQ(FromStore("plain"), "plain");
}

TEST(StoreText, OtherBytesAreShownAsWindows1252) {
  EXPECT_EQ(FromStore("Caf\xE9"), QString::fromUtf8("Café"));
  EXPECT_EQ(FromStore("\x80\x99\x9F"), QString::fromUtf8("€™Ÿ"));
  // Bytes Windows-1252 leaves undefined stay the control of the same value.
  EXPECT_EQ(FromStore("\x81"), QString(QChar(0x81)));
  // Overlong forms and surrogates are not UTF-8.
  EXPECT_EQ(FromStore("\xC0\xAF"), QString::fromUtf8("À¯"));
  EXPECT_EQ(FromStore("\xED\xA0\x80").size(), 3);
  // A sequence cut short at the end is not UTF-8 either.
  EXPECT_EQ(FromStore("ok\xC3"), QString::fromUtf8("okÃ"));
}

TEST(StoreText, TypedTextIsStoredAsUtf8) {
  EXPECT_EQ(ToStore(QString::fromUtf8("Café")), "Caf\xC3\xA9");
  EXPECT_EQ(ToStoreLines({"a", QString::fromUtf8("ü")}), (std::vector<std::string>{"a", "\xC3\xBC"}));
  EXPECT_EQ(FromStoreLines({"x", "\xFC"}), (QStringList{"x", QString::fromUtf8("ü")}));
}

TEST(StandardErrorBox, FullStopAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(StandardErrorText("Error in open data file!"), "Error in open data file!");
  EXPECT_EQ(StandardErrorText("'abc' is not a valid floating point value"),
            "'abc' is not a valid floating point value.");
  EXPECT_EQ(StandardErrorText("List index out of bounds (-1)"), "List index out of bounds (-1)");
  EXPECT_EQ(StandardErrorText("Ends with a full stop."), "Ends with a full stop.");
  EXPECT_EQ(StandardErrorText("Ends with a slash /"), "Ends with a slash /.");
  EXPECT_EQ(StandardErrorText("digit 7"), "digit 7.");
  EXPECT_EQ(StandardErrorText(""), "");
}

TEST(StandardErrorBox, ShowsTheFailure) {
  TScriptedPrompts Prompts;
  ShowStandardError(Prompts, std::runtime_error("Something broke"));
  EXPECT_EQ(Prompts.All(), QStringList{"error: Something broke."});
}

}  // namespace
