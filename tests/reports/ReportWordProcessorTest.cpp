// A report compiled from a template that a word processor wrote: its
// Cyrillic line, bullets and table come through compiling, the e-mail
// message and export.
#include <QTextFrame>
#include <QTextTable>

#include "ReportsFixture.h"
#include "reports/core/RtfReader.h"

namespace {

const QString Footer = "Compiled with Quillmoor Planner - plan the trip, then walk it.";

QTextTable* FirstTable(QTextDocument* Document) {
  for (QTextFrame* Frame : Document->rootFrame()->childFrames())
    if (auto* Table = qobject_cast<QTextTable*>(Frame)) return Table;
  return nullptr;
}

QString CellText(QTextTable* Table, int Row, int Column) {
  return Table->cellAt(Row, Column).firstCursorPosition().block().text();
}

class ReportWordProcessorTest : public ReportsTest {};

TEST_F(ReportWordProcessorTest, TemplateFromLibreOfficeWriter) {
  UseTemplate(FileText(std::string(QMP_SOURCE_DIR) + "/tests/reports/core/rtf/writer-from-odt.rtf"));
  OpenWith(BuildReportTrip);
  const std::string Path = Folder.File("report.rtf");
  Prompts.FileAnswers = {QString::fromStdString(Path)};
  Click(Reports().Button35);

  const QStringList Paragraphs = ReportParagraphs();
  EXPECT_EQ(Paragraphs.mid(0, 4), (QStringList{"Trip Report: Sierra High Route 2024", "Маршрут по Сьерре – café",
                                              "•\tGear list below", "•\tBudget at the end"}));
  EXPECT_EQ(Paragraphs.mid(Paragraphs.size() - 5), (QStringList{"Made with a word processor", "", "", "", Footer}));
  QTextTable* Table = FirstTable(Report().document());
  ASSERT_NE(Table, nullptr);
  EXPECT_EQ(Table->rows(), 3);
  EXPECT_EQ(Table->columns(), 2);
  EXPECT_EQ(CellText(Table, 1, 0), "Logistics");
  EXPECT_EQ(CellText(Table, 1, 1), "     [Shuttle to Roads End]");
  EXPECT_EQ(CellText(Table, 2, 1), "     Budget = 450");
  EXPECT_GT(Table->cellAt(0, 0).format().toTableCellFormat().leftBorder(), 0);

  const TRtfDocument Exported = ReadRtf(FileText(Path));
  ASSERT_EQ(Exported.Tables.size(), 1u);
  EXPECT_EQ(Exported.Tables[0].Rows.size(), 3u);
  EXPECT_EQ(Exported.Tables[0].Rows[1].Cells[1].ParagraphCount, 5u);  // two plans of two and three lines
  EXPECT_EQ(Exported.Tables[0].Rows[0].Cells[0].Width, 2302);
  EXPECT_TRUE(Prompts.Texts("error").isEmpty()) << Prompts.All().join("\n").toStdString();

  Click(Reports().Button34);
  QTextTable* MessageTable = FirstTable(Reports().RichEdit7->document());
  ASSERT_NE(MessageTable, nullptr);
  EXPECT_EQ(CellText(MessageTable, 2, 1), "     Budget = 450");
  EXPECT_EQ(MessageParagraphs(), ReportParagraphs());
}

}  // namespace
