// The real program as a child process (offscreen): a termination signal
// saves (or says why not), a kill after a change is offered back at the next
// start, start-up removes only its own leftovers, a second planner in the
// same folder is refused, and stale or foreign locks are handled.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/Traveler.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class TPlanner {
 public:
  TPlanner(const TTempDir& Folder, const QString& Script, const QStringList& Arguments = {})
      : TPlanner(Folder.Path, Script, Arguments) {}
  TPlanner(const fs::path& Folder, const QString& Script, const QStringList& Arguments = {}) {
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert("QT_QPA_PLATFORM", "offscreen");
    // The settings kept between runs go beside the data, never to the user's.
    Environment.insert("XDG_CONFIG_HOME", QString::fromStdString((Folder / "config").string()));
    Environment.insert("QUILLMOOR_TEST_SCRIPT", Script);
    Process.setProcessEnvironment(Environment);
    Process.setWorkingDirectory(QString::fromStdString(Folder.string()));
    Process.setProcessChannelMode(QProcess::SeparateChannels);
    Process.start(QMP_PLANNER_PROGRAM, Arguments);
  }
  ~TPlanner() {
    if (Process.state() != QProcess::NotRunning) {
      Process.kill();
      Process.waitForFinished(5000);
    }
  }
  // Waits until the program printed Line; false after 30 s or its end.
  bool WaitFor(const QString& Line) {
    for (int Waited = 0; Waited < 300; ++Waited) {
      Output += QString::fromUtf8(Process.readAllStandardOutput());
      if (Output.split('\n').contains(Line)) return true;
      if (Process.state() == QProcess::NotRunning) return false;
      Process.waitForReadyRead(100);
    }
    return false;
  }
  void Signal(int Number) { ::kill(static_cast<pid_t>(Process.processId()), Number); }
  // The exit code after a normal exit, -1 otherwise.
  int Finish() {
    if (!Process.waitForFinished(30000)) return -1;
    Output += QString::fromUtf8(Process.readAllStandardOutput());
    Errors += QString::fromUtf8(Process.readAllStandardError());
    return Process.exitStatus() == QProcess::NormalExit ? Process.exitCode() : -1;
  }

  QProcess Process;
  QString Output;
  QString Errors;
};

std::vector<std::string> TripNames(const TTempDir& Folder) {
  TTravelerData Store;
  Store.LoadFromFile(Folder.File(DataFileName));
  std::vector<std::string> Names;
  for (int i = 0; i < Store.TripCount(); ++i) Names.push_back(Store.GetTrip(i).Name);
  return Names;
}

void SaveTrips(const TTempDir& Folder, const std::vector<std::string>& Names) {
  TTravelerData Store;
  for (const auto& Name : Names) {
    Store.AppendTrip();
    Store.GetTrip(Store.TripCount() - 1).Name = Name;
  }
  Store.SaveToFile(Folder.File(DataFileName));
}

TEST(ChildProcessTest, TerminationSignalsSaveAndExitCleanly) {
  for (int Number : {SIGTERM, SIGHUP, SIGINT}) {
    TTempDir Folder;
    SaveTrips(Folder, {"Coast"});
    TPlanner Planner(Folder, "input=Ridge;click=Button1");
    ASSERT_TRUE(Planner.WaitFor("ready: ")) << Planner.Output.toStdString();
    Planner.Signal(Number);
    EXPECT_EQ(Planner.Finish(), 0) << Number;
    EXPECT_EQ(TripNames(Folder), (std::vector<std::string>{"Coast", "Ridge"})) << Number;
    EXPECT_FALSE(fs::exists(Folder.File(RecoveryFileName))) << Number;
    EXPECT_FALSE(fs::exists(Folder.File(LockFileName))) << Number;
  }
}

TEST(ChildProcessTest, TerminationWhoseSaveFailsKeepsTheRecoveryFile) {
  TTempDir Folder;
  fs::create_directory(Folder.File(DataFileName));  // cannot be replaced
  TPlanner Planner(Folder, "input=Ridge;click=Button1");
  ASSERT_TRUE(Planner.WaitFor("ready: ")) << Planner.Output.toStdString();
  Planner.Signal(SIGTERM);
  EXPECT_EQ(Planner.Finish(), 1);
  // No dialog: only the start-up error was shown.
  EXPECT_EQ(Planner.Output, "error: Error in open data file!\ninput: Trip's Name|What do you want to call this trip "
                            "(Ex: Bahamas2007)?\nready: \n");
  // Nobody to ask: the reason and where the changes are go to standard error.
  EXPECT_TRUE(Planner.Errors.contains("quillmoor: the trip plans could not be saved: The data file \"qmp.dat\" could "
                                      "not be read when this window opened and cannot be kept aside now"))
      << Planner.Errors.toStdString();
  EXPECT_TRUE(Planner.Errors.contains("\nquillmoor: the changes are kept in " +
                                      QString::fromStdString(Folder.File(RecoveryFileName)) + "\n"))
      << Planner.Errors.toStdString();
  TTravelerData Kept;
  ASSERT_TRUE(Kept.LoadFromFile(Folder.File(RecoveryFileName)));
  ASSERT_EQ(Kept.TripCount(), 1);
  EXPECT_EQ(Kept.GetTrip(0).Name, "Ridge");
}

TEST(ChildProcessTest, KilledAfterAChangeIsOfferedBackAtTheNextStart) {
  TTempDir Folder;
  SaveTrips(Folder, {"Coast"});
  {
    TPlanner Planner(Folder, "input=Ridge;click=Button1");
    ASSERT_TRUE(Planner.WaitFor("ready: ")) << Planner.Output.toStdString();
    // The click was input: the recovery file follows within seconds.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(Folder.File(RecoveryFileName)); }, 15000));
    Planner.Signal(SIGKILL);
    EXPECT_EQ(Planner.Finish(), -1);
  }
  EXPECT_EQ(TripNames(Folder), std::vector<std::string>{"Coast"});
  // Left behind by an interrupted save (the start of a data file): removed at start.
  const auto Saved = Folder.Read(DataFileName);
  Folder.Write(DataFileName + TempFileInfix + "Ab12Cd", {Saved.begin(), Saved.begin() + 90});
  TPlanner Again(Folder, "confirm=yes");
  ASSERT_TRUE(Again.WaitFor("ready: ")) << Again.Output.toStdString();
  EXPECT_TRUE(Again.Output.contains(
      "confirm: Quillmoor Planner did not close normally. Restore the changes that were not saved?\n"));
  EXPECT_FALSE(fs::exists(Folder.File(DataFileName + TempFileInfix + "Ab12Cd")));
  Again.Signal(SIGTERM);
  EXPECT_EQ(Again.Finish(), 0);
  EXPECT_EQ(TripNames(Folder), (std::vector<std::string>{"Coast", "Ridge"}));
  EXPECT_FALSE(fs::exists(Folder.File(RecoveryFileName)));
}

TEST(ChildProcessTest, StartUpRemovesOnlyItsOwnTemporaryFiles) {
  TTempDir Root;
  fs::create_directories(Root.Path / "Data");
  fs::create_directories(Root.Path / "Documents");
  SaveTrips(Root, {"Coast"});
  fs::rename(Root.File(DataFileName), Root.File("Documents/trips"));
  fs::create_symlink("../Documents/trips", Root.File("Data/" + DataFileName));
  const auto Saved = Root.Read("Documents/trips");
  const std::vector<std::uint8_t> Partial(Saved.begin(), Saved.begin() + Saved.size() / 2);
  const std::vector<std::uint8_t> Photo = {0xFF, 0xD8, 0xFF, 0xE0};
  struct TCase {
    const char* Name;
    std::vector<std::uint8_t> Bytes;
    bool Removed;
  };
  const std::vector<TCase> Cases = {
      {"Documents/trips.tmp-Ab12Cd", Partial, true},
      {"Data/qmp.dat.recovery.tmp-Zz9Yy8", Saved, true},
      {"Documents/trips.tmp-backup", Photo, false},
      {"Documents/tripsheet.tmp-photos", Saved, false},
      {"Data/qmp.dat.tmp-backup", Photo, false},
      {"Data/qmp.data.tmp-ABCDEF", Saved, false},
      {"Data/qmp.dat.old.tmp-123456", Saved, false},
      {"Data/qmp.dat-my.tmp-photos", Saved, false},
      {"Data/qmp.dat.recovery.tmp-abc", Saved, false},
  };
  for (const auto& Case : Cases) Root.Write(Case.Name, Case.Bytes);
  TPlanner Planner(Root.Path / "Data", "");
  ASSERT_TRUE(Planner.WaitFor("ready: ")) << Planner.Output.toStdString();
  for (const auto& Case : Cases) EXPECT_EQ(fs::exists(Root.File(Case.Name)), !Case.Removed) << Case.Name;
  // The lock is beside the data file the link leads to.
  EXPECT_TRUE(fs::exists(Root.File("Documents/trips.lock")));
  EXPECT_FALSE(fs::exists(Root.File("Data/" + LockFileName)));
  Planner.Signal(SIGTERM);
  EXPECT_EQ(Planner.Finish(), 0);
  EXPECT_TRUE(fs::is_symlink(Root.File("Data/" + DataFileName)));
  EXPECT_EQ(Root.Read("Documents/trips"), Saved);
}

TEST(ChildProcessTest, StaleAndForeignLocks) {
  const std::string Foreign = "4242\nquillmoor\nfar-away\n";
  const QString Question =
      "confirm: The trip plans in this folder are open on the computer \"far-away\" (process 4242), or were when it "
      "stopped. If Quillmoor Planner and qmp no longer run there, delete the lock file \"%1\" and try again. Open "
      "them here anyway? Only do so when nothing on that computer has them open any more.\n";
  struct TCase {
    const char* What;
    std::string Lock;
    QString Script;
    bool Opens;
    QString Shown;  // before "ready", or all the output when it does not open
    bool RmLock = false;  // with what QLockFile leaves when ended while removing a lock
  };
  const pid_t Gone = fork();
  if (Gone == 0) _exit(0);
  waitpid(Gone, nullptr, 0);
  const std::string GoneHere = std::to_string(Gone) + "\nquillmoor\n" + QSysInfo::machineHostName().toStdString() + "\n";
  const TCase Cases[] = {
      {"empty lock", "", "", true, ""},
      {"holder gone, removal interrupted", GoneHere, "", true, "", true},
      {"unreadable lock", "\x01\x02", "", true, ""},
      {"foreign lock, taken over", Foreign, "confirm=yes", true, Question},
      {"foreign lock, left", Foreign, "confirm=no", false, Question},
  };
  for (const auto& Case : Cases) {
    TTempDir Folder;
    SaveTrips(Folder, {"Coast"});
    Folder.Write(LockFileName, std::vector<std::uint8_t>(Case.Lock.begin(), Case.Lock.end()));
    fs::last_write_time(Folder.File(LockFileName), fs::file_time_type::clock::now() - std::chrono::hours(72));
    if (Case.RmLock) Folder.Write(LockFileName + ".rmlock", {});
    TPlanner Planner(Folder, Case.Script);
    const QString Shown = QString(Case.Shown).arg(QString::fromStdString(Folder.File(LockFileName)));
    if (!Case.Opens) {
      EXPECT_EQ(Planner.Finish(), 1) << Case.What;
      EXPECT_EQ(Planner.Output, Shown) << Case.What;
      EXPECT_EQ(Folder.Read(LockFileName), std::vector<std::uint8_t>(Case.Lock.begin(), Case.Lock.end()));
      continue;
    }
    ASSERT_TRUE(Planner.WaitFor("ready: ")) << Case.What << ": " << Planner.Output.toStdString();
    EXPECT_EQ(Planner.Output, Shown + "ready: \n") << Case.What;
    EXPECT_FALSE(fs::exists(Folder.File(LockFileName + ".rmlock"))) << Case.What;
    const auto Lock = Folder.Read(LockFileName);
    EXPECT_EQ(std::string(Lock.begin(), Lock.end()).rfind(std::to_string(Planner.Process.processId()) + "\n", 0), 0u)
        << Case.What;
    Planner.Signal(SIGTERM);
    EXPECT_EQ(Planner.Finish(), 0) << Case.What;
    EXPECT_FALSE(fs::exists(Folder.File(LockFileName))) << Case.What;
  }
}

TEST(ChildProcessTest, SecondPlannerInTheSameFolderEndsWithoutWriting) {
  TTempDir Folder;
  SaveTrips(Folder, {"Coast"});
  TPlanner First(Folder, "");
  ASSERT_TRUE(First.WaitFor("ready: ")) << First.Output.toStdString();
  const auto Before = Folder.Read(DataFileName);
  TPlanner Second(Folder, "input=Ridge;click=Button1");
  EXPECT_EQ(Second.Finish(), 1);
  EXPECT_EQ(Second.Output.trimmed(),
            QString("error: The trip plans in this folder are already open in another window (process %1 on %2).")
                .arg(First.Process.processId())
                .arg(QSysInfo::machineHostName()));
  EXPECT_EQ(Folder.Read(DataFileName), Before);
  First.Signal(SIGTERM);
  EXPECT_EQ(First.Finish(), 0);
}

TEST(ChildProcessTest, UnitsAndTripAreKeptBetweenRunsOutsideTheDataFile) {
  TTempDir Folder;
  SaveTrips(Folder, {"Coast", "Ridge"});
  {
    TPlanner Planner(Folder, "choose=ComboBox2:Ounces;choose=ComboBox3:Liters;choose=ComboBox1:Ridge");
    ASSERT_TRUE(Planner.WaitFor("ready: ")) << Planner.Output.toStdString();
    Planner.Signal(SIGTERM);
    ASSERT_EQ(Planner.Finish(), 0);
  }
  std::vector<std::uint8_t> Saved;
  ASSERT_TRUE(ReadWholeFile(Folder.File(DataFileName), Saved));
  TTravelerData Unchanged;
  Unchanged.LoadFromFile(Folder.File(DataFileName));
  EXPECT_TRUE(Saved == DataFileBytes(Unchanged));
  EXPECT_EQ(TripNames(Folder), (std::vector<std::string>{"Coast", "Ridge"}));
  EXPECT_TRUE(fs::exists(Folder.File("config/quillmoor-planner/quillmoor-planner.conf")));

  const QString Show = "print=ComboBox2;print=ComboBox3;print=ComboBox1";
  {
    TPlanner Planner(Folder, Show);
    ASSERT_TRUE(Planner.WaitFor("ready: ")) << Planner.Output.toStdString();
    for (const char* Line : {"ComboBox2: Ounces", "ComboBox3: Liters", "ComboBox1: Ridge"})
      EXPECT_TRUE(Planner.Output.split('\n').contains(Line)) << Line << " in " << Planner.Output.toStdString();
    Planner.Signal(SIGTERM);
    ASSERT_EQ(Planner.Finish(), 0);
  }
  {
    TPlanner Planner(Folder, Show, {"--reset-settings"});
    ASSERT_TRUE(Planner.WaitFor("ready: ")) << Planner.Output.toStdString();
    for (const char* Line : {"ComboBox2: Kilograms", "ComboBox3: Cubic Meters", "ComboBox1: Coast"})
      EXPECT_TRUE(Planner.Output.split('\n').contains(Line)) << Line << " in " << Planner.Output.toStdString();
    Planner.Signal(SIGTERM);
    ASSERT_EQ(Planner.Finish(), 0);
  }
}

}  // namespace
