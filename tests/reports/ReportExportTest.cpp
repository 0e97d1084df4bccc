// "Export Report": rich text for an rtf extension in any letter case, plain
// text otherwise; the report is compiled before the dialog. Every export
// asks before replacing a file and refuses the program's own files.
#include <sys/stat.h>

#include <QAction>

#include "ReportsFixture.h"
#include "gear/GearPage.h"
#include "pages/RecipesPage.h"
#include "reports/ReportExport.h"
#include "widgets/RtfReader.h"

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
