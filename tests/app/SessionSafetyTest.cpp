// No edit is lost: the recovery file (never written through a link, its
// write failures said in the status bar), the offer to restore it, kept files
// never replaced, changes made to qmp.dat by another program, closes that
// cannot save, values still being typed, one writer per folder, termination
// signals and oversized imports.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QStatusBar>
#include <QSysInfo>
#include <QTabWidget>
#include <QWheelEvent>
#include <QToolButton>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "app/SessionRecovery.h"
#include "app/TerminationSignals.h"
#include "gear/BudgetPage.h"
#include "gear/GearPage.h"
#include "gear/ShoppingPage.h"
#include "pages/ContactsPage.h"
#include "pages/LogisticsPage.h"
#include "pages/PermitsPage.h"
#include "pages/RecipesPage.h"
#include "reports/core/ExchangeFile.h"
#include "startup/DataFolderLock.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "support/PagesFixture.h"
#include "support/TempDir.h"
#include "widgets/CategoryTree.h"
#include "widgets/ValueListEditor.h"

namespace {

namespace fs = std::filesystem;

const QString RestoreQuestion = "Quillmoor Planner did not close normally. Restore the changes that were not saved?";

std::string ReadText(const std::string& Name) {
  std::ifstream In(Name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), {});
}

bool Holds(const std::string& Name, const std::string& Text) {
  return ReadText(Name).find(Text) != std::string::npos;
}

// A qmp.dat as another program would leave it, with trips of the given names.
void WriteDataFile(const std::vector<std::string>& Names, const std::string& Path = DataFileName) {
  TTravelerData Store;
  for (const auto& Name : Names) {
    Store.AppendTrip();
    Store.GetTrip(Store.TripCount() - 1).Name = Name;
  }
  Store.SaveToFile(Path);
}

std::vector<std::string> NamesStartingWith(const std::string& Prefix) {
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator("."))
    if (Entry.path().filename().string().rfind(Prefix, 0) == 0) Names.push_back(Entry.path().filename().string());
  return Names;
}

class SessionSafetyTest : public PagesTest {
 protected:
  TGearPage& Gear() { return *Form->GearPage; }
  TShoppingPage& Shopping() { return *Form->ShoppingPage; }
  void ClickItem(TCategoryTree* Tree, TTreeRow Row) {
    ShowPage(TMainForm::GearPageIndex);
    Tree->scrollToItem(Row.IsItem() ? Tree->topLevelItem(Row.Category)->child(Row.Item)
                                    : Tree->topLevelItem(Row.Category));
    QTest::mouseClick(Tree->viewport(), Qt::LeftButton, {}, Tree->RowRect(Row).center());
  }
};

TEST_F(SessionSafetyTest, EveryPageChangeReachesTheRecoveryFile) {
  OpenWithTrip([](TTravelerData&) {});
  // Nothing changed: nothing is written.
  EXPECT_FALSE(Form->Recovery().WriteNow(false));
  EXPECT_FALSE(fs::exists(RecoveryFileName));
  struct TCase {
    const char* Page;
    std::function<void()> Change;
    std::string Expected;
  };
  const std::vector<TCase> Cases = {
      {"gear category", [&] { Gear().Edit3->setText("Stoves"); Gear().Button7->click(); }, "Stoves"},
      {"gear item grid", [&] { ClickItem(Gear().ElTree1, {0, -1}); Gear().Button8->click();
                               ClickItem(Gear().ElTree1, {0, 0});
                               Gear().ValueListEditor1->EnterValue(0, "Tarpaulin"); },
       "Tarpaulin"},
      {"shopping category", [&] { Shopping().Edit11->setText("Groceries"); Shopping().Button17->click(); },
       "Groceries"},
      {"logistics plan", [&] { Logistics().Edit7->setText("Shuttle"); Logistics().Button11->click(); }, "Shuttle"},
      {"recipe", [&] { Recipes().Edit12->setText("Chili"); Recipes().Button20->click(); }, "Chili"},
      {"contact", [&] { Contacts().Edit14->setText("Bob"); Contacts().Button28->click(); }, "Bob"},
      {"permit", [&] { Permits().Edit8->setText("Denali"); Permits().Button37->click(); }, "Denali"},
      {"budget", [&] { Form->BudgetPage->Edit21->setText("1234.5"); }, "1234.5"},
      {"add trip", [&] { Prompts.InputAnswers.push_back("Second Trip"); Form->Button1->click(); }, "Second Trip"},
  };
  for (const auto& Case : Cases) {
    Case.Change();
    ASSERT_TRUE(Form->Recovery().WriteNow(false)) << Case.Page;
    EXPECT_TRUE(Holds(RecoveryFileName, Case.Expected)) << Case.Page;
  }
  // The file is the store in the data file's layout.
  EXPECT_EQ(ReadText(RecoveryFileName), [&] {
    const auto Bytes = DataFileBytes(Store());
    return std::string(Bytes.begin(), Bytes.end());
  }());
  ASSERT_TRUE(CloseForm());
  EXPECT_FALSE(fs::exists(RecoveryFileName));
  EXPECT_TRUE(Holds(DataFileName, "Denali"));
}

TEST_F(SessionSafetyTest, InputSchedulesTheComparison) {
  OpenWithTrip([](TTravelerData&) {});
  EXPECT_FALSE(Form->Recovery().CheckPending());
  QTest::keyClick(Gear().Edit3, Qt::Key_A);
  EXPECT_TRUE(Form->Recovery().CheckPending());
  Gear().Button7->click();  // adds category "a"
  ASSERT_TRUE(QTest::qWaitFor([] { return fs::exists(RecoveryFileName); }, 5000));
  EXPECT_FALSE(Form->Recovery().CheckPending());
}

TEST_F(SessionSafetyTest, LeftoverRecoveryIsOfferedAtStart) {
  struct TCase {
    const char* What;
    bool RecoveryNewer;
    bool Damaged;
    bool Answer;
    QStringList Prompts;       // with %1 for the name the file was kept as
    std::string TripShown;     // the first trip of the opened window
    bool KeptAside;
  };
  const TCase Cases[] = {
      {"restored", true, false, true, {"confirm: " + RestoreQuestion}, "Unsaved", false},
      {"declined", true, false, false,
       {"confirm: " + RestoreQuestion, "information: The changes that were not saved were kept in \"%1\"."},
       "Saved", true},
      {"older than qmp.dat", false, false, true,
       {"information: The changes that were not saved were kept in \"%1\"."}, "Saved", true},
      {"damaged", true, true, true,
       {"error: The changes that were not saved by the last session could not be read; they were kept in "
        "\"%1\"."},
       "Saved", true},
  };
  for (const auto& Case : Cases) {
    for (const auto& Name : NamesStartingWith(RecoveryFileName)) fs::remove(Name);
    WriteDataFile({"Saved"});
    WriteDataFile({"Unsaved"}, RecoveryFileName);
    if (Case.Damaged) fs::resize_file(RecoveryFileName, 100);
    const auto Now = fs::file_time_type::clock::now();
    fs::last_write_time(DataFileName, Case.RecoveryNewer ? Now - std::chrono::hours(1) : Now);
    fs::last_write_time(RecoveryFileName, Case.RecoveryNewer ? Now : Now - std::chrono::hours(1));
    Prompts.Clear();
    Prompts.ConfirmAnswers = {Case.Answer};
    Open();
    const auto Aside = NamesStartingWith(RecoveryFileName + ".unsaved-");
    ASSERT_EQ(Aside.size(), Case.KeptAside ? 1u : 0u) << Case.What;
    QStringList Expected = Case.Prompts;
    if (Case.KeptAside) Expected.replaceInStrings("%1", QDir::current().absoluteFilePath(QString::fromStdString(Aside[0])));
    EXPECT_EQ(Prompts.All(), Expected) << Case.What;
    EXPECT_EQ(Store().GetTrip(0).Name, Case.TripShown) << Case.What;
    // A restored file stays until the next save makes it qmp.dat.
    EXPECT_EQ(fs::exists(RecoveryFileName), !Case.KeptAside) << Case.What;
    ASSERT_TRUE(CloseForm()) << Case.What;
    EXPECT_TRUE(Holds(DataFileName, Case.TripShown)) << Case.What;
    EXPECT_FALSE(fs::exists(RecoveryFileName)) << Case.What;
  }
}

TEST_F(SessionSafetyTest, ADeclinedRestoreNeverReplacesAnEarlierKeptFile) {
  WriteDataFile({"Saved"});
  // Earlier kept files for every second this test may run in.
  const QDateTime Now = QDateTime::currentDateTime();
  std::vector<std::string> Earlier;
  for (int Second = 0; Second < 5; ++Second) {
    Earlier.push_back(RecoveryFileName + ".unsaved-" + Now.addSecs(Second).toString("yyyyMMdd-HHmmss").toStdString());
    std::ofstream(Earlier.back()) << "earlier";
  }
  WriteDataFile({"Unsaved"}, RecoveryFileName);
  Prompts.ConfirmAnswers = {false};
  Open();
  for (const auto& Name : Earlier) EXPECT_EQ(ReadText(Name), "earlier") << Name;
  const auto Aside = NamesStartingWith(RecoveryFileName + ".unsaved-");
  ASSERT_EQ(Aside.size(), Earlier.size() + 1);
  std::string Kept;
  for (const auto& Name : Aside)
    if (std::find(Earlier.begin(), Earlier.end(), Name) == Earlier.end()) Kept = Name;
  EXPECT_TRUE(Holds(Kept, "Unsaved")) << Kept;
  EXPECT_EQ(Prompts.Texts("information"),
            QStringList{"The changes that were not saved were kept in \"" +
                        QDir::current().absoluteFilePath(QString::fromStdString(Kept)) + "\"."});
}

TEST_F(SessionSafetyTest, ARecoveryFileThatIsALinkIsReplacedNotWrittenThrough) {
  OpenWithTrip([](TTravelerData&) {});
  TTempDir Outside;
  std::ofstream(Outside.File("notes.txt")) << "my notes";
  struct TCase {
    const char* What;
    std::string LinkTo;
  };
  const TCase Cases[] = {{"dangling link", Outside.File("created.dat")}, {"link to a file", Outside.File("notes.txt")}};
  for (const auto& Case : Cases) {
    fs::remove(RecoveryFileName);
    fs::create_symlink(Case.LinkTo, RecoveryFileName);  // planted while the planner runs
    Prompts.InputAnswers.push_back(Case.What);
    Form->Button1->click();
    ASSERT_TRUE(Form->Recovery().WriteNow(false)) << Case.What;
    EXPECT_FALSE(fs::is_symlink(RecoveryFileName)) << Case.What;
    EXPECT_TRUE(Holds(RecoveryFileName, Case.What));
  }
  EXPECT_FALSE(fs::exists(Outside.File("created.dat")));
  EXPECT_EQ(ReadText(Outside.File("notes.txt")), "my notes");
  ASSERT_TRUE(CloseForm());
  EXPECT_FALSE(fs::exists(RecoveryFileName));
  EXPECT_EQ(ReadText(Outside.File("notes.txt")), "my notes");
}

TEST_F(SessionSafetyTest, ARecoveryFileThatCannotBeWrittenIsSaidOnceInTheStatusBar) {
  OpenWithTrip([](TTravelerData&) {});
  QStringList Shown;
  QObject::connect(Form->statusBar(), &QStatusBar::messageChanged,
                   [&Shown](const QString& Text) { Shown.append(Text); });
  fs::create_directory(RecoveryFileName);  // as a full disk, it cannot be written
  for (const char* Name : {"First", "Second"}) {
    Prompts.InputAnswers.push_back(Name);
    Form->Button1->click();
    EXPECT_FALSE(Form->Recovery().WriteNow(false)) << Name;
    QApplication::processEvents();
  }
  const QString Problem = "The recovery file cannot be written: Could not replace '" +
                          QDir::current().absoluteFilePath(QString::fromStdString(RecoveryFileName)) +
                          "': it is not a regular file";
  EXPECT_EQ(Shown, QStringList{Problem});
  EXPECT_EQ(Form->statusBar()->currentMessage(), Problem);
  // Written again: the message goes.
  fs::remove(RecoveryFileName);
  Prompts.InputAnswers.push_back("Third");
  Form->Button1->click();
  EXPECT_TRUE(Form->Recovery().WriteNow(false));
  QApplication::processEvents();
  EXPECT_EQ(Form->statusBar()->currentMessage(), "");
  EXPECT_TRUE(Holds(RecoveryFileName, "Third"));
}

TEST_F(SessionSafetyTest, RecoveryIdenticalToTheDataFileIsRemovedQuietly) {
  WriteDataFile({"Same"});
  fs::copy_file(DataFileName, RecoveryFileName);
  Open();
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
  EXPECT_FALSE(fs::exists(RecoveryFileName));
}

TEST_F(SessionSafetyTest, ChangeOnDiskIsAskedAboutAndKept) {
  OpenWithTrips({"Mine"});
  WriteDataFile({"Theirs"});
  Prompts.ConfirmAnswers = {false};
  EXPECT_FALSE(CloseForm());
  ASSERT_EQ(Prompts.Texts("confirm").size(), 1);
  EXPECT_TRUE(Prompts.Texts("confirm")[0].startsWith(
      "\"qmp.dat\" was changed by another program since this window read it. Save the trip plans of this "
      "window in its place? The other version will be kept as \"qmp.dat.conflict-"));
  EXPECT_TRUE(Holds(DataFileName, "Theirs"));
  Prompts.Clear();
  Prompts.ConfirmAnswers = {true};
  ASSERT_TRUE(CloseForm());
  const auto Conflicts = NamesStartingWith("qmp.dat.conflict-");
  ASSERT_EQ(Conflicts.size(), 1u);
  EXPECT_EQ(Conflicts[0].size(), std::string("qmp.dat.conflict-20261209-101500").size());
  EXPECT_TRUE(Holds(Conflicts[0], "Theirs"));
  EXPECT_TRUE(Holds(DataFileName, "Mine"));
  EXPECT_EQ(Prompts.Texts("information"),
            QStringList{"The other version of the trip plans was kept as \"" + QString::fromStdString(Conflicts[0]) +
                        "\"."});
}

TEST_F(SessionSafetyTest, UnchangedOrTouchedDataFileIsNoConflict) {
  OpenWithTrips({"Mine"});
  fs::last_write_time(DataFileName, fs::file_time_type::clock::now() + std::chrono::hours(1));
  ASSERT_TRUE(CloseForm());
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
  EXPECT_TRUE(NamesStartingWith("qmp.dat.conflict-").empty());
}

TEST_F(SessionSafetyTest, CloseThatCannotSaveOffersAWayOut) {
  fs::create_directory(DataFileName);  // cannot be read, kept aside nor replaced
  Open();
  Prompts.InputAnswers.push_back("Kept");
  Form->Button1->click();
  Prompts.Clear();
  Prompts.ConfirmAnswers = {false};
  EXPECT_FALSE(CloseForm());
  const QString Recovery = QDir::current().absoluteFilePath(QString::fromStdString(RecoveryFileName));
  const QStringList Shown = Prompts.All();
  ASSERT_EQ(Shown.size(), 2);
  EXPECT_TRUE(Shown[0].startsWith("error: The data file \"qmp.dat\" could not be read when this window opened and "
                                  "cannot be kept aside now, so it was not replaced ("))
      << Shown[0].toStdString();
  EXPECT_EQ(Shown[1], "confirm: Close anyway? The changes are kept in " + Recovery + ".");
  EXPECT_TRUE(Holds(RecoveryFileName, "Kept"));
  Prompts.ConfirmAnswers = {true};
  EXPECT_TRUE(CloseForm());
  EXPECT_TRUE(fs::is_directory(DataFileName));
  // The next start offers what the window held.
  Form.reset();
  Prompts.Clear();
  Prompts.ConfirmAnswers = {true};
  Open();
  EXPECT_EQ(Prompts.Texts("confirm"), QStringList{RestoreQuestion});
  ASSERT_EQ(Store().TripCount(), 1);
  EXPECT_EQ(Store().GetTrip(0).Name, "Kept");
}

TEST_F(SessionSafetyTest, ValueBeingTypedIsCommittedBeforeLeaving) {
  struct TCase {
    const char* Action;
    std::function<void()> Leave;
  };
  const std::vector<TCase> Cases = {
      {"picture button", [&] { Form->SpeedButtons[TMainForm::BudgetPageIndex]->click(); }},
      {"tab", [&] { Form->PageControl1->setCurrentIndex(TMainForm::RecipesPageIndex); }},
      {"add trip", [&] { Form->Button1->click(); }},
      {"trip selector wheel", [&] {
         QWheelEvent Wheel(QPointF(5, 5), Form->ComboBox1->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(Form->ComboBox1, &Wheel);
       }},
      {"export", [&] { Form->ExportCurrentTripPlanToFile1->trigger(); }},
      {"session end", [&] { Form->SaveForSessionEnd(); }},
  };
  for (const auto& Case : Cases) {
    OpenWithTrip([](TTravelerData& Data) { Data.AddPermit(0, "Yosemite"); });
    ShowPage(TMainForm::PermitsPageIndex);
    ClickEntry(Permits().CheckListBox6, 0);
    TValueListEditor* Grid = Permits().ValueListEditor4;
    Grid->TypeValue(Grid->RowOfKey("Dates"), "June 3-9");
    EXPECT_EQ(Store().GetPermit(0, 0).Dates, "") << Case.Action;
    Case.Leave();
    EXPECT_EQ(Store().GetPermit(0, 0).Dates, "June 3-9") << Case.Action;
  }
  // Closed with the value still in its cell (Alt+F4): it is saved.
  OpenWithTrip([](TTravelerData& Data) { Data.AddPermit(0, "Yosemite"); });
  ShowPage(TMainForm::PermitsPageIndex);
  ClickEntry(Permits().CheckListBox6, 0);
  Permits().ValueListEditor4->TypeValue(Permits().ValueListEditor4->RowOfKey("Cost"), "35");
  ASSERT_TRUE(CloseForm());
  TTravelerData Saved;
  ASSERT_TRUE(Saved.LoadFromFile());
  EXPECT_EQ(Saved.GetPermit(0, 0).Cost, "35");
}

TEST_F(SessionSafetyTest, SessionEndSavesWithoutAsking) {
  OpenWithTrips({"Mine"});
  WriteDataFile({"Theirs"});
  ASSERT_TRUE(Form->Recovery().WriteNow(true));
  EXPECT_TRUE(Form->SaveForSessionEnd());
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
  EXPECT_TRUE(Holds(DataFileName, "Mine"));
  const auto Conflicts = NamesStartingWith("qmp.dat.conflict-");
  ASSERT_EQ(Conflicts.size(), 1u);
  EXPECT_TRUE(Holds(Conflicts[0], "Theirs"));
  EXPECT_FALSE(fs::exists(RecoveryFileName));
}

TEST_F(SessionSafetyTest, ImportPastALimitIsRefusedBeforeAnythingIsAdded) {
  OpenWithTrip([](TTravelerData& Data) { Data.AddGearCategory(0, "Shelter"); });
  {
    TTravelerData Big;
    Big.AppendTrip();
    Big.AddGearCategory(0, "Food");
    for (int n = 0; n <= MaxListEntries; ++n) Big.AddGearItem(0, 0, "Bar", "0.1", "1", "Yes", "5", "0", "");
    WriteExchangeFile("big.txt", Big, 0, TExchangeSections::GearOnly());
    WriteExchangeFile("bigtrip.txt", Big, 0, TExchangeSections::WholeTrip());
  }
  const QString Limit =
      "error: Cannot import the file: line 458751: gear category \"Food\" of trip 1 (\"Trip\") has 65536 items; the "
      "data file "
      "holds at most 65535.";
  Prompts.FileAnswers.push_back(QDir::current().absoluteFilePath("big.txt"));
  Gear().Button42->click();
  EXPECT_EQ(Prompts.Texts("error"), QStringList{Limit.mid(7)});
  EXPECT_EQ(Store().GearCategoryCount(0), 1);
  Prompts.Clear();
  Prompts.FileAnswers.push_back(QDir::current().absoluteFilePath("bigtrip.txt"));
  Form->ImportTripPlanFromTextFile1->trigger();
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"Cannot import the file: line 458753: gear category \"Food\" of trip 2 "
                                                "(\"\") has 65536 items; the data file holds at most 65535."});
  EXPECT_EQ(Store().TripCount(), 1);
  EXPECT_EQ(Form->ComboBox1->count(), 1);
  EXPECT_TRUE(CloseForm());
}

TEST(DataFolderLockTest, SecondWriterIsKeptOutUntilTheFirstGoes) {
  TWorkingFolder Folder;
  TDataFolderLock First;
  ASSERT_TRUE(First.TryLock());
  TDataFolderLock Second;
  EXPECT_FALSE(Second.TryLock());
  EXPECT_TRUE(Second.HeldElsewhereText().startsWith(
      QString("The trip plans in this folder are already open in another window (process %1 on ")
          .arg(QCoreApplication::applicationPid())))
      << Second.HeldElsewhereText().toStdString();
  First.Unlock();
  EXPECT_TRUE(Second.TryLock());
  Second.Unlock();
  // A lock left by a process that is gone is taken over.
  const pid_t Gone = fork();
  if (Gone == 0) _exit(0);
  waitpid(Gone, nullptr, 0);
  {
    std::ofstream Lock(LockFileName);
    Lock << Gone << "\nsession_tests\n" << QSysInfo::machineHostName().toStdString() << "\n";
  }
  TDataFolderLock Third;
  EXPECT_TRUE(Third.TryLock());
}

TEST(TerminationSignalsTest, SignalsArriveOnTheEventLoop) {
  TTerminationSignals Signals;
  QList<int> Received;
  QObject::connect(&Signals, &TTerminationSignals::Received, [&Received](int Signal) { Received.append(Signal); });
  for (int Signal : {SIGTERM, SIGHUP, SIGINT}) raise(Signal);
  EXPECT_TRUE(Received.isEmpty());  // nothing runs inside the handler
  ASSERT_TRUE(QTest::qWaitFor([&Received] { return Received.size() == 3; }, 5000));
  EXPECT_EQ(Received, (QList<int>{SIGTERM, SIGHUP, SIGINT}));
}

}  // namespace
