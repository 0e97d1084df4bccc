// Draws the Reports page and the report window with a realistic trip into
// PNG files, when the folder for them is given in QMP_RENDER_DIR; otherwise
// skipped.
#include <QDir>
#include <QPrinter>
#include <QScrollBar>

#include "ReportsFixture.h"

namespace {

class ReportRenderTest : public ReportsTest {};

TEST_F(ReportRenderTest, ReportsPageAndReportWindow) {
  const QString Folder = qEnvironmentVariable("QMP_RENDER_DIR");
  if (Folder.isEmpty()) GTEST_SKIP() << "set QMP_RENDER_DIR to render the reports";
  OpenWith(BuildReportTrip);
  Form->resize(922, 695);
  ShowPage(TMainForm::ReportsPageIndex);
  Reports().Button34->click();
  Reports().CheckListBox5->item(0)->setCheckState(Qt::Checked);
  Reports().CheckListBox5->item(1)->setCheckState(Qt::Checked);
  Reports().Edit25->setText("Sierra High Route 2024: the plan");
  QApplication::processEvents();
  EXPECT_TRUE(Form->grab().save(QDir(Folder).filePath("reports-page.png")));
  EXPECT_TRUE(CompilePrintableReport([&] {
    EXPECT_TRUE(ReportWindow().grab().save(QDir(Folder).filePath("report-window.png")));
    Report().verticalScrollBar()->setValue(Report().verticalScrollBar()->maximum());
    EXPECT_TRUE(ReportWindow().grab().save(QDir(Folder).filePath("report-window-end.png")));
  }));
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

// A template that a word processor wrote, with a Cyrillic line, bullets and
// a table: the report window and the report printed to PDF.
TEST_F(ReportRenderTest, ReportFromAWordProcessorTemplate) {
  const QString Folder = qEnvironmentVariable("QMP_RENDER_DIR");
  if (Folder.isEmpty()) GTEST_SKIP() << "set QMP_RENDER_DIR to render the reports";
  UseTemplate(FileText(std::string(QMP_SOURCE_DIR) + "/tests/reports/core/rtf/writer-from-odt.rtf"));
  OpenWith(BuildReportTrip);
  EXPECT_TRUE(CompilePrintableReport([&] {
    ReportWindow().resize(800, 700);
    EXPECT_TRUE(ReportWindow().grab().save(QDir(Folder).filePath("report-word-processor.png")));
  }));
  // What "&Print..." does once the print dialog chose a PDF file.
  QPrinter Printer(QPrinter::HighResolution);
  Printer.setDocName(ReportPrintTitle);
  Printer.setOutputFormat(QPrinter::PdfFormat);
  Printer.setOutputFileName(QDir(Folder).filePath("report-word-processor.pdf"));
  Report().Print(Printer);
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

}  // namespace
