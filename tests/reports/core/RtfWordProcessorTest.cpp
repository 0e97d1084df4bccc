// Rich text as word processors write it: code pages, symbol fonts, list
// text, tables and the end of the document; templates that LibreOffice
// Writer wrote from .odt and .docx files.
#include <gtest/gtest.h>

#include <fstream>

#include "reports/core/RtfReader.h"
#include "reports/core/RtfWriter.h"
#include "support/RtfTestSupport.h"

namespace {

// The name of a test case: its Name with every character but letters and
// digits made an underscore.
struct {
  template <typename TInfo>
  std::string operator()(const TInfo& Info) const {
    std::string Name;
    for (char c : std::string(Info.param.Name)) Name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return Name;
  }
} CaseName;

struct TTextCase {
  const char* Name;
  std::string Rtf;
  std::vector<std::u16string> Paragraphs;
};

class RtfWordProcessorTextTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(RtfWordProcessorTextTest, GivesTheParagraphs) {
  EXPECT_EQ(ParagraphTexts(ReadRtf(GetParam().Rtf)), GetParam().Paragraphs) << GetParam().Rtf;
}

const std::string Cyrillic = "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}";

INSTANTIATE_TEST_SUITE_P(
    CodePages, RtfWordProcessorTextTest,
    ::testing::Values(
        TTextCase{"ansicpg1251", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}", {u"Привет"}},
        TTextCase{"fcharset204", "{\\rtf1\\ansi\\ansicpg1252" + Cyrillic + "\\f0 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}",
                  {u"Привет"}},
        TTextCase{"fcharset0 in a 1251 document",
                  "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset0 Times;}{\\f2\\fcharset1 X;}}"
                  "\\f0\\'e9\\f1\\'e9\\f2\\'e9}",
                  {u"йéй"}},
        TTextCase{"Greek 1253", "{\\rtf1{\\fonttbl{\\f0\\fcharset161 Arial;}}\\f0 \\'c1\\'e8\\'de\\'ed\\'e1}",
                  {u"Αθήνα"}},
        TTextCase{"Shift JIS 932, a trail byte that is a brace",
                  "{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}", {u"日本"}},
        TTextCase{"932 with a literal trail byte", "{\\rtf1\\ansi\\ansicpg932 \\'82a}", {u"Ｂ"}},
        TTextCase{"GBK 936", "{\\rtf1{\\fonttbl{\\f0\\fcharset134 SimSun;}}\\f0 \\'d6\\'d0\\'ce\\'c4}", {u"中文"}},
        TTextCase{"UHC 949", "{\\rtf1{\\fonttbl{\\f0\\fcharset129 Gulim;}}\\f0 \\'c7\\'d1\\'b1\\'b9}", {u"한국"}},
        TTextCase{"Big5 950", "{\\rtf1\\ansi\\ansicpg950 \\'a4\\'a4\\'a4\\'e5}", {u"中文"}},
        TTextCase{"Mac Roman", "{\\rtf1\\mac caf\\'8e \\'a5}", {u"café •"}},
        TTextCase{"Apple Roman and Apple Japanese fonts as TextEdit writes them",
                  "{\\rtf1\\mac\\ansicpg10001{\\fonttbl\\f0\\fswiss\\fcharset77 Helvetica;"
                  "\\f1\\fnil\\fcharset78 HiraKakuPro-W3;}\\f0 caf\\'8e \\'a9\\f1 \\'83\\'56\\'83\\'93\\'83\\'5a}",
                  {u"café ©シンセ"}},
        TTextCase{"Apple Japanese single bytes, not as a trail byte",
                  "{\\rtf1\\ansi\\ansicpg10001 \\'81\\'80\\'80\\'a0\\'fd\\'fe\\'ff}", {u"÷\\\u00A0©™…"}},
        TTextCase{"Apple Korean 79", "{\\rtf1{\\fonttbl{\\f0\\fcharset79 AppleGothic;}}\\f0 \\'c7\\'d1}", {u"한"}},
        TTextCase{"Apple Simplified Chinese 80",
                  "{\\rtf1{\\fonttbl{\\f0\\fcharset80 STSong;}}\\f0 \\'d6\\'d0\\'80}", {u"中ü"}},
        TTextCase{"Apple Traditional Chinese 81",
                  "{\\rtf1{\\fonttbl{\\f0\\fcharset81 LiSong;}}\\f0 \\'a4\\'a4\\'fd}", {u"中©"}},
        TTextCase{"Apple Central European 88",
                  "{\\rtf1{\\fonttbl{\\f0\\fcharset88 Geneva CE;}}\\f0 \\'84\\'87}", {u"Ąá"}},
        TTextCase{"Apple Cyrillic 89", "{\\rtf1{\\fonttbl{\\f0\\fcharset89 Geneva Cyr;}}\\f0 \\'80\\'e0}",
                  {u"Аа"}},
        TTextCase{"an Apple code page iconv lacks is read as Apple Roman",
                  "{\\rtf1\\ansi\\ansicpg10081 caf\\'8e{\\fonttbl{\\f0\\fcharset85 Geneva;}}\\f0\\'8e}",
                  {u"caféé"}},
        TTextCase{"cpg of a font", "{\\rtf1{\\fonttbl{\\f0\\cpg1251 Arial;}}\\f0\\'e4\\'e0}", {u"да"}},
        TTextCase{"unknown code page", "{\\rtf1\\ansi\\ansicpg99999 caf\\'e9}", {u"café"}},
        TTextCase{"uN keeps its fallback count in a double-byte page",
                  "{\\rtf1\\ansi\\ansicpg932\\uc2\\u26085\\'93\\'fax\\uc1\\u26412\\'3fy}", {u"日x本y"}},
        TTextCase{"a lead byte without its trail byte is dropped",
                  "{\\rtf1\\ansi\\ansicpg932 a\\'93\\par b\\'93}", {u"a", u"b"}},
        TTextCase{"an invalid double-byte sequence", "{\\rtf1\\ansi\\ansicpg932 \\'85\\'40}",
                  {u"\uFFFD@"}}),
    CaseName);

const std::string SymbolFonts =
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}"
    "{\\f2\\fnil\\fcharset2 Wingdings;}}";

INSTANTIATE_TEST_SUITE_P(
    SymbolsAndLists, RtfWordProcessorTextTest,
    ::testing::Values(
        TTextCase{"symbol bytes and private use characters",
                  "{\\rtf1" + SymbolFonts + "\\f1\\'b7\\u-3913?ab\\f2\\'a7\\'fc\\u-3844?\\u8226?}",
                  {u"••αβ▪✓✓•"}},
        TTextCase{"a Symbol bullet as LibreOffice writes it",
                  "{\\rtf1" + SymbolFonts +
                      "{\\listtext\\pard\\plain \\f1 \\u-3913\\'b7\\tab}\\li709\\fi-283\\tx709 First\\par}",
                  {u"•\tFirst"}},
        TTextCase{"numbers and Word's pntext",
                  "{\\rtf1" + SymbolFonts + "{\\listtext 1.\\tab}One\\par{\\pntext\\f2\\'a7\\tab}Two\\par}",
                  {u"1.\tOne", u"▪\tTwo"}},
        TTextCase{"an unknown symbol bullet", "{\\rtf1" + SymbolFonts + "{\\listtext\\f2\\'01\\tab}x}",
                  {u"•\tx"}},
        TTextCase{"list text without a number is left out",
                  "{\\rtf1{\\b Head}{\\listtext\\pard\\plain \\tab}ing\\par}", {u"Heading"}}),
    CaseName);

// Writers that nest groups thousands deep: an optional destination past the
// depth limit is skipped up to its own end, and the text after it is kept.
INSTANTIATE_TEST_SUITE_P(
    DeepGroups, RtfWordProcessorTextTest,
    ::testing::Values(TTextCase{"a skipped group past the depth limit",
                                "{\\rtf1" + std::string(300, '{') + "a{\\*\\bkmkstart x{y}\\}}b" +
                                    std::string(300, '}') + "c}",
                                {u"abc"}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    DocumentEnd, RtfWordProcessorTextTest,
    ::testing::Values(TTextCase{"a closing par makes no paragraph", "{\\rtf1 A\\par }", {u"A"}},
                      TTextCase{"text after the last par", "{\\rtf1 A\\par B}", {u"A", u"B"}},
                      TTextCase{"properties after the last par", "{\\rtf1 A\\par \\pard\\qc\\fs16 }", {u"A", u""}},
                      TTextCase{"a bookmark after the last par", "{\\rtf1 A\\par {\\*\\bkmkend x}}", {u"A"}},
                      TTextCase{"an empty document", "{\\rtf1 }", {u""}},
                      TTextCase{"only a par", "{\\rtf1 \\par}", {u""}}),
    CaseName);

TEST(RtfWordProcessorTest, SymbolFontsGiveTheirTextTheDefaultFont) {
  const TRtfDocument Document = ReadRtf("{\\rtf1" + SymbolFonts + "\\f1\\fs20 \\'b7}");
  ASSERT_EQ(Document.Paragraphs[0].Runs.size(), 1u);
  EXPECT_EQ(Document.Paragraphs[0].Runs[0].Format.FontName, u"Arial");
}

TEST(RtfWordProcessorTest, FontNamesAreReadInTheirCodePage) {
  const TRtfDocument Document =
      ReadRtf("{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72 Mincho;}}\\f0 x}");
  EXPECT_EQ(Document.Paragraphs[0].Runs[0].Format.FontName, u"ＭＳ Mincho");
}

TEST(RtfWordProcessorTest, TheLastParagraphKeepsItsProperties) {
  const TRtfDocument Document = ReadRtf("{\\rtf1 [BUD]\\par\\pard\\qc\\plain\\fs16\\i\\par}");
  ASSERT_EQ(Document.Paragraphs.size(), 2u);
  EXPECT_EQ(Document.Paragraphs[1].Alignment, TRtfAlignment::Center);
  EXPECT_EQ(Document.Paragraphs[1].MarkFormat.HalfPoints, 16);
  EXPECT_TRUE(Document.Paragraphs[1].MarkFormat.Italic);
}

TEST(RtfWordProcessorTest, IndentsAndTabStops) {
  const TRtfDocument Document = ReadRtf("{\\rtf1\\li709\\fi-283\\tx1418\\tx709\\tx709 a\\par\\pard b}");
  EXPECT_EQ(Document.Paragraphs[0].LeftIndent, 709);
  EXPECT_EQ(Document.Paragraphs[0].FirstLineIndent, -283);
  EXPECT_EQ(Document.Paragraphs[0].TabStops, (std::vector<int>{709, 1418}));
  EXPECT_EQ(Document.Paragraphs[1], Paragraph(u"b", TRtfCharFormat()));
}

struct TTableCase {
  const char* Name;
  std::string Rtf;
  std::vector<std::u16string> Paragraphs;
  std::vector<TRtfTable> Tables;
};

class RtfTableTest : public ::testing::TestWithParam<TTableCase> {};

TEST_P(RtfTableTest, IsRead) {
  const TRtfDocument Document = ReadRtf("{\\rtf1 " + GetParam().Rtf + "}");
  EXPECT_EQ(ParagraphTexts(Document), GetParam().Paragraphs);
  EXPECT_EQ(Document.Tables, GetParam().Tables);
  EXPECT_EQ(ReadRtf(WriteRtf(Document)), Document) << WriteRtf(Document);
}

const std::string TwoCells =
    "\\trowd\\trleft-108\\clbrdrt\\brdrs\\brdrw15\\clbrdrb\\brdrdb\\trbrdrl\\brdrs\\brdrw30\\cellx2000\\cellx5000 ";

INSTANTIATE_TEST_SUITE_P(
    Tables, RtfTableTest,
    ::testing::Values(
        TTableCase{"cells borders and widths",
                   "before\\par" + TwoCells +
                       "\\pard\\intbl A\\cell B\\par C\\cell\\row\\pard after\\par",
                   {u"before", u"A", u"B", u"C", u"after"},
                   {TRtfTable{1, {{{{2108, {15, 0, 10, 0}, 1}, {3000, {}, 2}}}}}}},
        TTableCase{"two rows, the definition after the cells as Word writes it",
                   "\\pard\\intbl A\\cell B\\cell\\pard\\intbl{" + TwoCells +
                       "\\row}\\pard\\intbl C\\cell D\\cell{" + TwoCells + "\\row}",
                   {u"A", u"B", u"C", u"D"},
                   {TRtfTable{0,
                              {{{{2108, {15, 0, 10, 0}, 1}, {3000, {}, 1}}},
                               {{{2108, {15, 0, 10, 0}, 1}, {3000, {}, 1}}}}}}},
        TTableCase{"a row without row end, then text", "\\trowd\\cellx1000\\intbl A\\cell\\pard B\\par",
                   {u"A", u"B"},
                   {TRtfTable{0, {{{{1000, {}, 1}}}}}}},
        TTableCase{"cells without a definition, text before the row end", "\\intbl A\\cell B\\row",
                   {u"A", u"B"},
                   {TRtfTable{0, {{{{1440, {}, 1}, {1440, {}, 1}}}}}}},
        TTableCase{"a paragraph between tables", "\\intbl A\\cell\\row\\pard x\\par\\intbl B\\cell\\row",
                   {u"A", u"x", u"B"},
                   {TRtfTable{0, {{{{1440, {}, 1}}}}}, TRtfTable{2, {{{{1440, {}, 1}}}}}}},
        TTableCase{"a nested table's cells become paragraphs of the outer cell",
                   "\\trowd\\cellx5000\\pard\\intbl Outer\\par\\pard\\intbl\\itap2 x\\nestcell y\\nestcell"
                   "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}"
                   "\\pard\\intbl\\itap1 after\\cell\\row",
                   {u"Outer", u"x", u"y", u"after"},
                   {TRtfTable{0, {{{{5000, {}, 4}}}}}}},
        TTableCase{"nested row properties before the cells",
                   "\\intbl A\\cell{\\*\\nesttableprops\\trowd\\cellx500\\nestrow}"
                   "\\intbl\\itap2 x\\nestcell y\\nestcell{\\nonesttables z}\\cell\\row",
                   {u"A", u"x", u"y", u""},
                   {TRtfTable{0, {{{{1440, {}, 1}, {1440, {}, 3}}}}}}},
        TTableCase{"the cells' text inside the nested row's properties",
                   "\\trowd\\cellx5000\\pard\\intbl\\itap2{\\*\\nesttableprops\\trowd\\cellx3000\\itap2 "
                   "Name one\\par Name two\\nestcell\\nestrow}\\itap1 x\\cell\\row",
                   {u"Name one", u"Name two", u"x"},
                   {TRtfTable{0, {{{{5000, {}, 3}}}}}}},
        TTableCase{"three levels",
                   "\\intbl\\itap2 a\\par\\intbl\\itap3 b\\nestcell c\\nestcell{\\*\\nesttableprops\\nestrow}"
                   "\\intbl\\itap2 d\\nestcell{\\*\\nesttableprops\\nestrow}\\intbl\\itap1 e\\cell\\row",
                   {u"a", u"b", u"c", u"d", u"e"},
                   {TRtfTable{0, {{{{1440, {}, 5}}}}}}},
        TTableCase{"nested row properties in a skipped group stay skipped",
                   "a{\\header{\\*\\nesttableprops\\trowd\\cellx1 hidden\\nestcell\\nestrow}}b",
                   {u"ab"},
                   {}}),
    CaseName);

TEST(RtfTableTest, RowsHaveAtMostSixtyThreeCells) {
  std::string Rtf = "{\\rtf1\\intbl ";
  for (int i = 0; i < 70; ++i) Rtf += "x\\cell ";
  const TRtfDocument Document = ReadRtf(Rtf + "\\row}");
  ASSERT_EQ(Document.Tables.size(), 1u);
  ASSERT_EQ(Document.Tables[0].Rows[0].Cells.size(), 63u);
  EXPECT_EQ(Document.Tables[0].Rows[0].Cells.back().ParagraphCount, 8u);
  EXPECT_EQ(ReadRtf(WriteRtf(Document)), Document);
}

std::string Fixture(const std::string& Name) {
  std::ifstream File(std::string(QMP_SOURCE_DIR) + "/tests/reports/core/rtf/" + Name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(File), {});
}

// LibreOffice Writer saved the same template from .odt and from .docx: a
// heading with the trip tag, a Cyrillic line, a bulleted list, a table of
// three rows with tags and a centred last line.
TEST(RtfWordProcessorTest, TemplatesSavedByLibreOfficeWriter) {
  for (const char* Name : {"writer-from-odt.rtf", "writer-from-docx.rtf"}) {
    SCOPED_TRACE(Name);
    const TRtfDocument Document = ReadRtf(Fixture(Name));
    EXPECT_EQ(ParagraphTexts(Document),
              (std::vector<std::u16string>{u"Trip Report: [TRIP] ", u"Маршрут по Сьерре – café",
                                           u"•\tGear list below", u"•\tBudget at the end", u"Section",
                                           u"Details", u"Logistics", u"[LOG]", u"Budget", u"[BUD]", u"[GL]",
                                           u"Made with a word processor"}));
    EXPECT_EQ(Document.Paragraphs[2].LeftIndent, 709);
    EXPECT_EQ(Document.Paragraphs[2].FirstLineIndent, -283);
    EXPECT_EQ(Document.Paragraphs[2].TabStops, std::vector<int>{709});
    ASSERT_EQ(Document.Tables.size(), 1u);
    const TRtfTable& Table = Document.Tables[0];
    EXPECT_EQ(Table.FirstParagraph, 4u);
    ASSERT_EQ(Table.Rows.size(), 3u);
    for (const TRtfRow& Row : Table.Rows) {
      ASSERT_EQ(Row.Cells.size(), 2u);
      EXPECT_EQ(Row.Cells[0].Width, 2302);
      EXPECT_NEAR(Row.Cells[1].Width, 3698, 1);
      EXPECT_EQ(Row.Cells[0].Borders[RtfLeft], 5);
    }
    EXPECT_EQ(Document.Paragraphs.back().Alignment, TRtfAlignment::Center);
    EXPECT_EQ(ReadRtf(WriteRtf(Document)), Document);
  }
}

// The shipped template as LibreOffice saves it again: no empty paragraph
// is added at the end, and the last one stays centred.
TEST(RtfWordProcessorTest, TheShippedTemplateSavedAgain) {
  std::ifstream File(std::string(QMP_SOURCE_DIR) + "/resources/ReportTemplate.rtf", std::ios::binary);
  const TRtfDocument Shipped = ReadRtf(std::string(std::istreambuf_iterator<char>(File), {}));
  const TRtfDocument Resaved = ReadRtf(Fixture("shipped-template-resaved.rtf"));
  EXPECT_EQ(ParagraphTexts(Resaved), ParagraphTexts(Shipped));
  EXPECT_EQ(Resaved.Paragraphs.back().Alignment, TRtfAlignment::Center);
  EXPECT_EQ(Shipped.Paragraphs.back().MarkFormat.HalfPoints, 16);
}

}  // namespace
