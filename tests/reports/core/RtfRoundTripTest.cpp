// What the writer writes, the reader reads back unchanged.
#include <gtest/gtest.h>

#include <random>

#include "reports/core/RtfReader.h"
#include "reports/core/RtfWriter.h"
#include "support/RtfTestSupport.h"

namespace {

TEST(RtfWriterTest, WritesAStandardHeaderTablesAndEscapes) {
  TRtfDocument Document;
  Document.Paragraphs.resize(2);
  Document.Paragraphs[0].Alignment = TRtfAlignment::Center;
  Document.Paragraphs[0].Runs = {{u"Trip {caf\u00e9} \\ \u20ac \u0436", Bold(Font(u"Arial", 28))}};
  Document.Paragraphs[0].MarkFormat = Bold(Font(u"Arial", 28));
  Document.Paragraphs[1].Runs = {{u"a\tb\u2028c", Colored(Font(u"Arial"), 0, 128, 0)}};
  Document.Paragraphs[1].MarkFormat = Colored(Font(u"Arial"), 0, 128, 0);
  const std::string Rtf = WriteRtf(Document);
  EXPECT_EQ(Rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0", 0), 0u) << Rtf;
  EXPECT_NE(Rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"), std::string::npos) << Rtf;
  EXPECT_NE(Rtf.find("{\\colortbl ;\\red0\\green128\\blue0;}"), std::string::npos) << Rtf;
  EXPECT_NE(Rtf.find("\\pard\\qc \\plain\\f0\\fs28\\b Trip \\{caf\\'e9\\} \\\\ \\'80 \\u1078?\\par"),
            std::string::npos)
      << Rtf;
  EXPECT_NE(Rtf.find("\\cf1 a\\tab b\\line c\\par\r\n}"), std::string::npos) << Rtf;
  // Only 7-bit bytes: the file is the same in any code page.
  for (char c : Rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
}

TEST(RtfRoundTripTest, EmptyParagraphsKeepTheirMarkFormat) {
  TRtfDocument Document;
  Document.Paragraphs.resize(3);
  Document.Paragraphs[0].MarkFormat = Font(u"Arial", 40);
  Document.Paragraphs[1].Runs = {{u"middle", Font(u"Arial")}};
  Document.Paragraphs[1].MarkFormat = Font(u"Arial");
  Document.Paragraphs[2].MarkFormat = Bold(Font(u"Times", 16));
  EXPECT_EQ(ReadRtf(WriteRtf(Document)), Document);
}

TEST(RtfRoundTripTest, SemicolonsAreDroppedFromFontNames) {
  TRtfDocument Document;
  Document.Paragraphs.resize(1);
  Document.Paragraphs[0].Runs = {{u"x", Font(u"Odd;Font")}};
  Document.Paragraphs[0].MarkFormat = Font(u"Odd;Font");
  EXPECT_EQ(ReadRtf(WriteRtf(Document)).Paragraphs[0].Runs[0].Format.FontName, u"OddFont");
}

// Documents of random paragraphs, runs, formats and characters, among them
// every character that needs an escape.
class TRandomDocuments {
 public:
  explicit TRandomDocuments(unsigned Seed) : FRandom(Seed) {}

  TRtfDocument Next() {
    TRtfDocument Document;
    Document.Paragraphs.resize(Pick(1, 6));
    for (TRtfParagraph& Paragraph : Document.Paragraphs) {
      Paragraph.Alignment = static_cast<TRtfAlignment>(Pick(0, 3));
      Paragraph.LeftIndent = Pick(0, 3) * 360;
      Paragraph.FirstLineIndent = Pick(-1, 1) * 283;
      for (int Stop = Pick(-2, 3) * 709; Stop > 0 && Paragraph.TabStops.size() < 2; Stop += 709)
        Paragraph.TabStops.push_back(Stop);
      const int Runs = Pick(0, 5);
      for (int i = 0; i < Runs; ++i) Paragraph.Runs.push_back({Text(), Format()});
      Paragraph.MarkFormat = Format();
    }
    AddTables(Document);
    return Normalized(Document);
  }

 private:
  // Tables over runs of paragraphs: rows of one to three cells, each of one
  // or two paragraphs.
  void AddTables(TRtfDocument& Document) {
    std::size_t Next = static_cast<std::size_t>(Pick(0, 2));
    while (Next < Document.Paragraphs.size() && Pick(0, 1)) {
      TRtfTable Table;
      Table.FirstParagraph = Next;
      while (Next < Document.Paragraphs.size() && (Table.Rows.empty() || Pick(0, 1))) {
        TRtfRow Row;
        for (int Cells = Pick(1, 3); Cells > 0 && Next < Document.Paragraphs.size(); --Cells) {
          TRtfCell Cell;
          Cell.Width = Pick(1, 80) * 100;
          for (int& Border : Cell.Borders) Border = Pick(0, 2) * 10;
          Cell.ParagraphCount = std::min<std::size_t>(Pick(1, 2), Document.Paragraphs.size() - Next);
          Next += Cell.ParagraphCount;
          Row.Cells.push_back(Cell);
        }
        Table.Rows.push_back(Row);
      }
      Document.Tables.push_back(Table);
      Next += static_cast<std::size_t>(Pick(1, 2));
    }
  }

  int Pick(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(FRandom); }

  std::u16string Text() {
    static const std::u16string Characters =
        u"aZ09 ;{}\\\t\u2028\u00e9\u00a0\u20ac\u0178\u0436\u4e2d\U0001F600?'\"~-_*";
    std::u16string Result;
    const int Length = Pick(0, 12);
    for (int i = 0; i < Length; ++i)
      Result += Characters[static_cast<std::size_t>(Pick(0, int(Characters.size()) - 1))];
    return Result;
  }

  TRtfCharFormat Format() {
    static const std::u16string Names[] = {u"Arial", u"Comic Sans MS", u"Caf\u00e9 Sans", u"",
                                           u"\u5b8b\u4f53"};
    TRtfCharFormat Result;
    Result.FontName = Names[Pick(0, 4)];
    Result.FontFamily = static_cast<TRtfFontFamily>(Pick(0, 6));
    Result.HalfPoints = Pick(2, 3276);
    Result.Bold = Pick(0, 1);
    Result.Italic = Pick(0, 1);
    Result.Underline = Pick(0, 1);
    Result.HasColor = Pick(0, 1);
    if (Result.HasColor)
      Result.Color = {std::uint8_t(Pick(0, 255)), std::uint8_t(Pick(0, 2) * 127), std::uint8_t(Pick(0, 255))};
    return Result;
  }

  std::mt19937 FRandom;
};

TEST(RtfRoundTripTest, RandomDocumentsComeBackUnchanged) {
  TRandomDocuments Documents(20240611);
  for (int i = 0; i < 500; ++i) {
    const TRtfDocument Document = Documents.Next();
    const std::string Rtf = WriteRtf(Document);
    ASSERT_EQ(ReadRtf(Rtf), Document) << "document " << i << ":\n" << Rtf;
  }
}

}  // namespace
