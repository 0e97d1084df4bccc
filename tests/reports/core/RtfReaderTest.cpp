// Reading rich text: formats, tables, escapes, skipped destinations and the
// plain-text fallback.
#include <gtest/gtest.h>

#include "reports/core/RtfReader.h"
#include "support/RtfTestSupport.h"

namespace {

const std::string Tables =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman{\\*\\panose 02020603050405020304}Times New "
    "Roman;}}"
    "{\\colortbl ;\\red0\\green100\\blue0;\\red200\\green0\\blue0;}"
    "{\\*\\generator Riched20 10.0;}{\\info{\\title Secret}}{\\stylesheet{\\s0 Normal;}}";

TEST(RtfReaderTest, FormatsOfRunsFollowTheControlWordsAndGroups) {
  const TRtfDocument Document = ReadRtf(
      Tables + "\\pard\\f0\\fs20 plain {\\b bold \\i both}\\ul under\\ulnone  {\\f1\\fs32\\cf1 big}}");
  ASSERT_EQ(Document.Paragraphs.size(), 1u);
  const auto& Runs = Document.Paragraphs[0].Runs;
  ASSERT_EQ(Runs.size(), 6u);
  TRtfCharFormat Arial = Font(u"Arial", 20);
  Arial.FontFamily = TRtfFontFamily::Swiss;
  EXPECT_EQ(Runs[0], (TRtfRun{u"plain ", Arial}));
  EXPECT_EQ(Runs[1], (TRtfRun{u"bold ", Bold(Arial)}));
  TRtfCharFormat BoldItalic = Bold(Arial);
  BoldItalic.Italic = true;
  EXPECT_EQ(Runs[2], (TRtfRun{u"both", BoldItalic}));
  TRtfCharFormat Underlined = Arial;
  Underlined.Underline = true;
  EXPECT_EQ(Runs[3], (TRtfRun{u"under", Underlined}));
  TRtfCharFormat Times = Colored(Font(u"Times New Roman", 32), 0, 100, 0);
  Times.FontFamily = TRtfFontFamily::Roman;
  EXPECT_EQ(Runs[4], (TRtfRun{u" ", Arial}));
  EXPECT_EQ(Runs[5], (TRtfRun{u"big", Times}));
  // The space that ends \ulnone is its delimiter, the second one is text.
  EXPECT_EQ(ParagraphTexts(Document)[0], u"plain bold bothunder big");
}

TEST(RtfReaderTest, ParagraphsTakeTheAlignmentAndMarkFormatAtTheirEnd) {
  const TRtfDocument Document =
      ReadRtf(Tables + "\\pard\\qc Title\\par\\pard left\\par\\qr\\fs40\\par\\pard\\qj last}");
  ASSERT_EQ(Document.Paragraphs.size(), 4u);
  EXPECT_EQ(Document.Paragraphs[0].Alignment, TRtfAlignment::Center);
  EXPECT_EQ(Document.Paragraphs[1].Alignment, TRtfAlignment::Left);
  EXPECT_EQ(Document.Paragraphs[2].Alignment, TRtfAlignment::Right);
  EXPECT_TRUE(Document.Paragraphs[2].Runs.empty());
  EXPECT_EQ(Document.Paragraphs[2].MarkFormat.HalfPoints, 40);
  EXPECT_EQ(Document.Paragraphs[3].Alignment, TRtfAlignment::Justify);
  EXPECT_EQ(ParagraphTexts(Document), (std::vector<std::u16string>{u"Title", u"left", u"", u"last"}));
}

struct TEscapeCase {
  const char* Rtf;
  std::u16string Text;
};

class RtfEscapeTest : public ::testing::TestWithParam<TEscapeCase> {};

TEST_P(RtfEscapeTest, GivesTheCharacters) {
  const TRtfDocument Document = ReadRtf(std::string("{\\rtf1\\ansi ") + GetParam().Rtf + "}");
  ASSERT_EQ(Document.Paragraphs.size(), 1u);
  EXPECT_EQ(ParagraphTexts(Document)[0], GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, RtfEscapeTest,
    ::testing::Values(TEscapeCase{"caf\\'e9 \\'80", u"caf\u00e9 \u20ac"},
                      TEscapeCase{"\\u8364? and \\u-3913?", u"\u20ac and \uf0b7"},
                      TEscapeCase{"\\uc2\\u955\\'3f\\'3fx", u"\u03bbx"},
                      TEscapeCase{"\\uc0\\u955 x", u"\u03bbx"},
                      TEscapeCase{"\\{braces\\} and \\\\", u"{braces} and \\"},
                      TEscapeCase{"a\\tab b\\line c", u"a\tb\u2028c"},
                      TEscapeCase{"\\lquote x\\rquote  \\ldblquote y\\rdblquote \\endash\\emdash\\bullet",
                                  u"\u2018x\u2019 \u201cy\u201d\u2013\u2014\u2022"},
                      TEscapeCase{"non\\~breaking\\-hy\\_phen", u"non\u00a0breakinghy-phen"},
                      TEscapeCase{"raw\r\nline breaks are\n ignored", u"rawline breaks are ignored"},
                      TEscapeCase{"\\bin5 {}\\x} after", u" after"},
                      TEscapeCase{"\\unknownword12 kept\\* \\info", u"kept "},
                      TEscapeCase{"\\'0d\\'0a\\u8233?\\u10?", u""}, TEscapeCase{"\\'zz ok", u"zz ok"}));

TEST(RtfReaderTest, SkipsOptionalDestinationsAndHeaders) {
  const TRtfDocument Document = ReadRtf(Tables +
                                        "{\\header page head\\par}{\\*\\bkmkstart mark}body"
                                        "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}"
                                        "{\\pict\\wmetafile8 0102ff}}");
  EXPECT_EQ(ParagraphTexts(Document), (std::vector<std::u16string>{u"bodylink"}));
}

TEST(RtfReaderTest, DefaultFontAppliesWhereNoFontIsNamed) {
  const TRtfDocument Document =
      ReadRtf("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}text {\\f0 arial}{\\f9 unknown}}");
  const auto& Runs = Document.Paragraphs[0].Runs;
  ASSERT_EQ(Runs.size(), 3u);
  EXPECT_EQ(Runs[0].Format.FontName, u"Courier New");
  EXPECT_EQ(Runs[1].Format.FontName, u"Arial");
  EXPECT_EQ(Runs[2].Format.FontName, u"");
}

TEST(RtfReaderTest, FontTableWithoutGroupsOrSemicolons) {
  const TRtfDocument Document = ReadRtf("{\\rtf1{\\fonttbl\\f0\\fmodern Courier;\\f1 Tahoma}\\f1 x\\f0 y}");
  const auto& Runs = Document.Paragraphs[0].Runs;
  ASSERT_EQ(Runs.size(), 2u);
  EXPECT_EQ(Runs[0].Format.FontName, u"Tahoma");
  EXPECT_EQ(Runs[1].Format.FontName, u"Courier");
  EXPECT_EQ(Runs[1].Format.FontFamily, TRtfFontFamily::Modern);
}

TEST(RtfReaderTest, ColourZeroAndColoursOutsideTheTableAreAutomatic) {
  const TRtfDocument Document =
      ReadRtf("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf1 a\\cf0 b\\cf7 c\\cf1\\red300 d}");
  const auto& Runs = Document.Paragraphs[0].Runs;
  ASSERT_EQ(Runs.size(), 3u);
  EXPECT_EQ(Runs[0].Format, Colored(TRtfCharFormat(), 1, 2, 3));
  EXPECT_EQ(Runs[1], (TRtfRun{u"bc", TRtfCharFormat()}));
  EXPECT_EQ(Runs[2].Format, Colored(TRtfCharFormat(), 1, 2, 3));
}

TEST(RtfReaderTest, FontSizesStayInARange) {
  const TRtfDocument Document = ReadRtf("{\\rtf1\\fs0 a\\fs99999999999999 b\\fs c\\fs-4 d}");
  const auto& Runs = Document.Paragraphs[0].Runs;
  ASSERT_EQ(Runs.size(), 4u);
  EXPECT_EQ(Runs[0].Format.HalfPoints, 2);
  EXPECT_EQ(Runs[1].Format.HalfPoints, 3276);
  EXPECT_EQ(Runs[2].Format.HalfPoints, 24);
  EXPECT_EQ(Runs[3].Format.HalfPoints, 2);
}

TEST(RtfReaderTest, TextAfterTheDocumentGroupIsIgnored) {
  EXPECT_EQ(ParagraphTexts(ReadRtf("{\\rtf1 inside}outside{more}")),
            (std::vector<std::u16string>{u"inside"}));
}

struct TPlainCase {
  std::string Bytes;
  std::vector<std::u16string> Paragraphs;
};

class RtfPlainTextTest : public ::testing::TestWithParam<TPlainCase> {};

TEST_P(RtfPlainTextTest, IsReadOneParagraphALine) {
  EXPECT_EQ(ParagraphTexts(ReadRtf(GetParam().Bytes)), GetParam().Paragraphs);
}

INSTANTIATE_TEST_SUITE_P(PlainText, RtfPlainTextTest,
                         ::testing::Values(TPlainCase{"", {u""}},
                                           TPlainCase{"one\r\ntwo\nthree\rfour",
                                                      {u"one", u"two", u"three", u"four"}},
                                           TPlainCase{"caf\xc3\xa9\n", {u"caf\u00e9", u""}},
                                           TPlainCase{"\xef\xbb\xbf"
                                                      "bom",
                                                      {u"bom"}},
                                           TPlainCase{"caf\xe9 \x80", {u"caf\u00e9 \u20ac"}},
                                           TPlainCase{"{\\rt not rich", {u"{\\rt not rich"}},
                                           TPlainCase{"a\tb\x01"
                                                      "c",
                                                      {u"a\tbc"}}));

TEST(RtfReaderTest, LeadingBlanksBeforeTheDocumentAreAllowed) {
  EXPECT_EQ(ParagraphTexts(ReadRtf("\r\n  {\\rtf1 text}")), (std::vector<std::u16string>{u"text"}));
}

}  // namespace
