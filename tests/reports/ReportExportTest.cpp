// "Export Report": rich text for an rtf extension in any letter case, plain
// text otherwise; the report is compiled before the dialog. Every export
// asks before replacing a file and refuses the program's own files.
#include <sys/stat.h>

#include <QAction>

#include "ReportsFixture.h"
#include "gear/GearPage.h"
#include "pages/RecipesPage.h"
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <fstream>

#include "reports/core/RtfReader.h"
#include "reports/text/ReportExport.h"
#include "reports/text/ReportPdf.h"
#include "support/TempDir.h"

namespace {

struct TExportCase {
  const char* FileName;
  bool RichText;
};

class ReportExportTest : public ReportsTest, public ::testing::WithParamInterface<TExportCase> {};

TEST_P(ReportExportTest, WritesTheFormatOfTheExtension) {
  OpenWith(BuildReportTrip);
  const std::string Path = Folder.File(GetParam().FileName);
  Prompts.FileAnswers = {QString::fromStdString(Path)};
  Click(Reports().Button35);
  EXPECT_EQ(Prompts.All(), QStringList{"save: Export Report"});
  const std::string Written = FileText(Path);
  if (GetParam().RichText) {
    ASSERT_EQ(Written.rfind("{\\rtf1", 0), 0u);
    TRtfEdit Reread;
    Reread.LoadRichText(Written);
    EXPECT_EQ(Reread.toPlainText(), Report().toPlainText());
  } else {
    EXPECT_EQ(Written.rfind("Quillmoor Planner\r\nTrip Report\r\n\r\nSierra High Route 2024\r\n", 0), 0u)
        << Written;
    EXPECT_EQ(QString::fromUtf8(Written.c_str()), Report().PlainText() + "\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Names, ReportExportTest,
                         ::testing::Values(TExportCase{"report.rtf", true}, TExportCase{"REPORT.RTF", true},
                                           TExportCase{"report.rTf", true}, TExportCase{"report.txt", false},
                                           TExportCase{"report.doc", false}, TExportCase{"report", false}));

// A .pdf name in any letter case gives a PDF of the report, titled, with its
// text selectable.
TEST_F(ReportsTest, ExportWritesAPdfForAPdfName) {
  OpenWith(BuildReportTrip);
  const std::string Path = Folder.File("report.Pdf");
  Prompts.FileAnswers = {QString::fromStdString(Path)};
  Click(Reports().Button35);
  ASSERT_EQ(FileText(Path).rfind("%PDF-", 0), 0u);
  if (std::system("command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null") != 0)
    GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are missing";
  const std::string Info = Folder.File("info.txt");
  std::system(("pdfinfo '" + Path + "' >'" + Info + "'; pdftotext '" + Path + "' - >>'" + Info + "'").c_str());
  const std::string Shown = FileText(Info);
  EXPECT_NE(Shown.find("Title:           Quillmoor Planner Report\n"), std::string::npos) << Shown;
  EXPECT_NE(Shown.find("Sierra High Route 2024"), std::string::npos) << Shown;
}

// The text of a PDF, page by page (pdftotext ends each with a form feed).
QStringList PdfPages(const QByteArray& Pdf, const TTempDir& Folder) {
  const std::string Path = Folder.File("pages.pdf");
  std::ofstream(Path, std::ios::binary).write(Pdf.constData(), Pdf.size());
  std::system(("pdftotext -layout '" + Path + "' '" + Path + ".txt'").c_str());
  std::ifstream In(Path + ".txt", std::ios::binary);
  const QString Text = QString::fromStdString(std::string(std::istreambuf_iterator<char>(In), {}));
  QStringList Pages = Text.split('\f');
  if (!Pages.isEmpty() && Pages.last().trimmed().isEmpty()) Pages.removeLast();
  return Pages;
}

// Laid out part by part, a report gives the pages one layout of the whole
// gives: the same text on the same pages, numbered on across the parts, long
// paragraphs and tables included.
TEST(ReportPdfTest, PartsGiveThePagesOfTheWholeDocument) {
  if (std::system("command -v pdftotext >/dev/null") != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
  TTempDir Folder;
  QTextDocument Document;
  QTextCursor Cursor(&Document);
  for (int n = 0; n < 400; ++n) {
    if (n) Cursor.insertBlock();
    Cursor.insertText(QString("Gear item %1 weighs %2 kg").arg(n).arg(n % 7));
    if (n == 150) {
      Cursor.insertTable(2, 2)->cellAt(1, 1).firstCursorPosition().insertText("In a table");
      Cursor.movePosition(QTextCursor::End);
    }
  }
  QTextDocument Whole;
  Whole.setPlainText(Document.toPlainText());
  const QStringList Expected = PdfPages(TReportPdfWriter("T", QPageSize::A4).Write(Document), Folder);
  for (const int Part : {200, 1000, 5000}) {
    TReportPdfWriter Writer("T", QPageSize::A4);
    Writer.SetPartCharacters(Part);
    const QStringList Pages = PdfPages(Writer.Write(Document), Folder);
    ASSERT_EQ(Pages.size(), Expected.size()) << Part;
    for (int p = 0; p < Pages.size(); ++p) {
      EXPECT_EQ(Pages[p].simplified(), Expected[p].simplified()) << "page " << p + 1 << ", parts of " << Part;
      EXPECT_TRUE(Pages[p].trimmed().endsWith(QString::number(p + 1))) << Pages[p].toStdString();
    }
  }
  EXPECT_GE(Expected.size(), 5);
  EXPECT_TRUE(Expected.join("").contains("In a table"));
  EXPECT_TRUE(Expected.last().contains("Gear item 399 weighs"));
}

// A paragraph longer than a part is cut into pieces that follow on.
TEST(ReportPdfTest, ALongParagraphIsWrittenWhole) {
  if (std::system("command -v pdftotext >/dev/null") != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
  TTempDir Folder;
  QString Text;
  for (int n = 0; n < 3000; ++n) Text += QString("word%1 ").arg(n);
  QTextDocument Document;
  QTextCursor(&Document).insertText(Text.trimmed());
  TReportPdfWriter Writer("T", QPageSize::A4);
  Writer.SetPartCharacters(1000);
  const QString Written = PdfPages(Writer.Write(Document), Folder).join(" ");
  QStringList Words = Written.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
  Words.erase(std::remove_if(Words.begin(), Words.end(), [](const QString& W) { return !W.startsWith("word"); }),
              Words.end());
  ASSERT_EQ(Words.size(), 3000);
  for (int n = 0; n < 3000; ++n) ASSERT_EQ(Words[n], QString("word%1").arg(n));
}

// A numbered list keeps counting, however the document is cut into parts.
TEST(ReportPdfTest, NumberedListsCountOn) {
  if (std::system("command -v pdftotext >/dev/null") != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
  TTempDir Folder;
  QTextDocument Document;
  QTextCursor Cursor(&Document);
  Cursor.insertText("Packing order");
  Cursor.insertBlock();
  QTextListFormat Numbered;
  Numbered.setStyle(QTextListFormat::ListDecimal);
  Cursor.createList(Numbered);
  for (int n = 1; n <= 120; ++n) {
    if (n > 1) Cursor.insertBlock();
    Cursor.insertText(QString("Packed thing %1").arg(n));
  }
  for (const int Part : {100, 64 * 1024}) {
    TReportPdfWriter Writer("T", QPageSize::A4);
    Writer.SetPartCharacters(Part);
    const QString Written = PdfPages(Writer.Write(Document), Folder).join("\n");
    for (int n = 1; n <= 120; ++n)
      EXPECT_TRUE(Written.contains(QRegularExpression(QString("\\b%1\\.\\s+Packed thing %1\\b").arg(n))))
          << "item " << n << ", parts of " << Part;
  }
}

// A table row taller than two pages (here: 63 narrow cells) would be drawn
// whole on each of its pages; it is written as its cells' paragraphs.
TEST(ReportPdfTest, ATallTableIsWrittenAsItsCellsParagraphs) {
  if (std::system("command -v pdftotext >/dev/null") != 0) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
  TTempDir Folder;
  QTextDocument Document;
  QTextCursor Cursor(&Document);
  Cursor.insertText("Before");
  QTextTable* Table = Cursor.insertTable(1, 63);
  for (int c = 0; c < 63; ++c) {
    QString Text;
    for (int w = 0; w < 40; ++w) Text += QString("c%1w%2 ").arg(c).arg(w);
    Table->cellAt(0, c).firstCursorPosition().insertText(Text);
  }
  const QString Written = PdfPages(TReportPdfWriter("T", QPageSize::A4).Write(Document), Folder).join(" ");
  for (int c = 0; c < 63; ++c) EXPECT_TRUE(Written.contains(QString("c%1w39").arg(c))) << c;
  EXPECT_TRUE(Written.contains("Before"));
}

TEST(ReportPageSizeTest, LetterWhereTheLocaleUsesIt) {
  EXPECT_EQ(ReportPageSize(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
  EXPECT_EQ(ReportPageSize(QLocale(QLocale::French, QLocale::Canada)), QPageSize::Letter);
  EXPECT_EQ(ReportPageSize(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
  EXPECT_EQ(ReportPageSize(QLocale(QLocale::German, QLocale::Germany)), QPageSize::A4);
}

class ReportExportFailureTest : public ReportsTest {};

TEST_F(ReportExportFailureTest, CancellingWritesNothingAfterCompiling) {
  OpenWith(BuildReportTrip);
  Click(Reports().Button35);
  EXPECT_EQ(Prompts.All(), QStringList{"save: Export Report"});
  EXPECT_TRUE(Report().toPlainText().contains("Sierra High Route 2024"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path), {}), 2);  // qmp.dat, template
}

TEST_F(ReportExportFailureTest, AFileThatCannotBeWrittenIsReported) {
  OpenWith(BuildReportTrip);
  const std::string Path = Folder.File("missing folder/report.txt");
  Prompts.FileAnswers = {QString::fromStdString(Path)};
  Click(Reports().Button35);
  ASSERT_EQ(Prompts.Texts("error").size(), 1);
  EXPECT_TRUE(
      Prompts.Texts("error")[0].startsWith(QString::fromStdString("Could not create '" + Path + "': ")));
}

// Every export of the program, by what the user clicks.
struct TExportCommand {
  const char* Title;
  std::function<void(TMainForm&)> Click;
};

const std::vector<TExportCommand>& ExportCommands() {
  static const std::vector<TExportCommand> Commands = {
      {"Export Report", [](TMainForm& Form) { Form.ReportsPage->Button35->click(); }},
      {"Export Trip", [](TMainForm& Form) { Form.ExportCurrentTripPlanToFile1->trigger(); }},
      {"Export Trip", [](TMainForm& Form) { Form.GearPage->Button43->click(); }},
      {"Export Trip", [](TMainForm& Form) { Form.RecipesPage->Button45->click(); }},
  };
  return Commands;
}

TEST_F(ReportExportFailureTest, EveryExportAsksBeforeReplacingAFile) {
  OpenWith(BuildReportTrip);
  ShowPage(TMainForm::ReportsPageIndex);
  for (const TExportCommand& Command : ExportCommands()) {
    SCOPED_TRACE(Command.Title);
    Folder.Write("old.txt", {'o', 'l', 'd'});
    const QString Old = QString::fromStdString(Folder.File("old.txt"));
    const QString Save = QString("save: ") + Command.Title;
    const QString Replace = "confirm: \"old.txt\" already exists. Do you want to replace it?";
    // No: the dialog again; cancelled there, nothing is written.
    Prompts.Clear();
    Prompts.SaveSelected.clear();
    Prompts.FileAnswers = {Old};
    Prompts.ConfirmAnswers = {false};
    Command.Click(*Form);
    EXPECT_EQ(Prompts.All(), (QStringList{Save, Replace, Save}));
    // It opens again where the user was, with the name they typed.
    EXPECT_EQ(Prompts.SaveSelected, (QStringList{QString(), Old}));
    EXPECT_EQ(FileText(Folder.File("old.txt")), "old");
    // Yes: replaced.
    Prompts.Clear();
    Prompts.FileAnswers = {Old};
    Prompts.ConfirmAnswers = {true};
    Command.Click(*Form);
    EXPECT_EQ(Prompts.All(), (QStringList{Save, Replace}));
    EXPECT_NE(FileText(Folder.File("old.txt")), "old");
    // A new file is written without a question.
    Prompts.Clear();
    Prompts.FileAnswers = {QString::fromStdString(Folder.File("new.txt"))};
    Command.Click(*Form);
    EXPECT_EQ(Prompts.All(), QStringList{Save});
    EXPECT_TRUE(std::filesystem::exists(Folder.File("new.txt")));
    std::filesystem::remove(Folder.File("new.txt"));
  }
}

TEST_F(ReportExportFailureTest, NoExportWritesOverTheProgramsOwnFiles) {
  OpenWith(BuildReportTrip);
  ShowPage(TMainForm::ReportsPageIndex);
  Folder.Write("qmp.dat.recovery", {'r'});
  Folder.Write("qmp.dat.lock", {'l'});
  for (const char* Kept : {"qmp.dat.damaged-20261209-101500", "qmp.dat.conflict-20261209-101500-2",
                           "qmp.dat.recovery.unsaved-20261209-101500"})
    Folder.Write(Kept, {'k'});
  ASSERT_EQ(mkfifo(Folder.File("pipe").c_str(), 0644), 0);
  const std::pair<const char*, const char*> Refused[] = {
      {"qmp.dat", "it holds your trip plans"},
      {"qmp.dat.recovery", "it is the recovery file of your trip plans"},
      {"qmp.dat.lock", "it is the lock file of your trip plans"},
      {"ReportTemplate.rtf", "it is the report template"},
      {"qmp.dat.damaged-20261209-101500", "it is a kept copy of your trip plans"},
      {"qmp.dat.conflict-20261209-101500-2", "it is a kept copy of your trip plans"},
      {"qmp.dat.recovery.unsaved-20261209-101500", "it is a kept copy of your trip plans"},
      {"pipe", "it is not a regular file"},
  };
  for (const TExportCommand& Command : ExportCommands()) {
    SCOPED_TRACE(Command.Title);
    for (const auto& [Name, Role] : Refused) {
      const bool Pipe = std::string(Name) == "pipe";  // reading it would wait for a writer
      const std::string Before = Pipe ? "" : FileText(Folder.File(Name));
      Prompts.Clear();
      Prompts.SaveSelected.clear();
      Prompts.FileAnswers = {QString::fromStdString(Folder.File(Name))};
      Command.Click(*Form);
      EXPECT_EQ(Prompts.SaveSelected, (QStringList{QString(), QString::fromStdString(Folder.File(Name))}));
      const QString Save = QString("save: ") + Command.Title;
      EXPECT_EQ(Prompts.All(), (QStringList{Save,
                                            QString("error: Cannot export to \"") + Name + "\": " + Role +
                                                ". Please choose another file name.",
                                            Save}));
      if (!Pipe) EXPECT_EQ(FileText(Folder.File(Name)), Before) << Name;
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo(Folder.File("pipe")));
}

}  // namespace
