// Writes reports of 1 MB and 4 MB of text (paragraphs as the report sections
// give them) as PDF, printing the time against the size and the ratio of the
// 4 MB time to the 1 MB time: a cost linear in the report gives about 4, the
// target is 5 at most. Then a report of one 4 MB paragraph and one of a
// table row with 63 full cells, each of which must be written within seconds.
// "report_pdf_bench 8" adds a report of 8 MB.
#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchReport.h"
#include "reports/text/ReportExport.h"

namespace {

// Paragraphs like the gear list's lines, about Size bytes of text in all.
void FillParagraphs(QTextDocument& Document, std::size_t Size) {
  QTextCursor Cursor(&Document);
  std::size_t Written = 0;
  for (int Item = 0; Written < Size; ++Item) {
    const QString Line = QString("               [Gear item %1]  Weight = 1.25 kg  Cost = 49.95  Own = Yes").arg(Item);
    if (Item) Cursor.insertBlock();
    Cursor.insertText(Line);
    Written += static_cast<std::size_t>(Line.size()) + 2;
  }
}

void FillOneParagraph(QTextDocument& Document, std::size_t Size) {
  QString Text;
  Text.reserve(static_cast<qsizetype>(Size));
  for (int Word = 0; static_cast<std::size_t>(Text.size()) < Size; ++Word) Text += QString("word%1 ").arg(Word % 1000);
  QTextCursor(&Document).insertText(Text);
}

void FillWideRow(QTextDocument& Document, int Cells, std::size_t CellSize) {
  QTextCursor Cursor(&Document);
  QTextTable* Table = Cursor.insertTable(1, Cells);
  QString Text;
  for (int Word = 0; static_cast<std::size_t>(Text.size()) < CellSize; ++Word) Text += QString("w%1 ").arg(Word % 100);
  for (int c = 0; c < Cells; ++c) Table->cellAt(0, c).firstCursorPosition().insertText(Text);
}

template <class Fill>
double SecondsToWrite(Fill&& FillDocument, int& Pages, std::size_t& Bytes) {
  QTextDocument Document;
  FillDocument(Document);
  const auto Start = std::chrono::steady_clock::now();
  const QByteArray Pdf = ReportPdf(Document, QPageSize::A4);
  const double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  Bytes = static_cast<std::size_t>(Pdf.size());
  Pages = static_cast<int>(Pdf.count("/Type /Page\n") + Pdf.count("/Type /Page\r") + Pdf.count("/Type /Page ") +
                           Pdf.count("/Type /Page>"));
  return Seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  const std::size_t MB = 1 << 20;
  int Pages = 0;
  std::size_t Bytes = 0;
  std::printf("%-32s %10s %8s %12s\n", "report", "seconds", "pages", "PDF bytes");
  const auto Row = [&](const char* What, double Seconds) {
    std::printf("%-32s %10.2f %8d %12zu\n", What, Seconds, Pages, Bytes);
    std::fflush(stdout);
  };
  const double One = SecondsToWrite([&](QTextDocument& D) { FillParagraphs(D, MB); }, Pages, Bytes);
  Row("1 MB of paragraphs", One);
  const double Four = SecondsToWrite([&](QTextDocument& D) { FillParagraphs(D, 4 * MB); }, Pages, Bytes);
  Row("4 MB of paragraphs", Four);
  if (argc > 1 && std::atoi(argv[1]) >= 8) Row("8 MB of paragraphs", SecondsToWrite([&](QTextDocument& D) { FillParagraphs(D, 8 * MB); }, Pages, Bytes));
  const double Paragraph = SecondsToWrite([&](QTextDocument& D) { FillOneParagraph(D, 4 * MB); }, Pages, Bytes);
  Row("one paragraph of 4 MB", Paragraph);
  const double WideRow = SecondsToWrite([&](QTextDocument& D) { FillWideRow(D, 63, 4096); }, Pages, Bytes);
  Row("a row of 63 cells of 4 KB", WideRow);

  PrintBenchRow("PDF time, 4 MB of report text against 1 MB", BenchFigure("%.2f s", Four), BenchFigure("%.2f s", One),
                One > 0 ? Four / One : 0, "at most 5", One > 0 && Four / One <= 5);
  PrintBenchRow("PDF time, one paragraph of 4 MB", BenchFigure("%.2f s", Paragraph), "-", 0, "at most 10 s",
                Paragraph <= 10);
  PrintBenchRow("PDF time, a table row of 63 cells", BenchFigure("%.2f s", WideRow), "-", 0, "at most 10 s",
                WideRow <= 10);
  return 0;
}
