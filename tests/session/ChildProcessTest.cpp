// The real program as a child process (offscreen): a termination signal
// saves, a kill after a change is offered back at the next start, and a
// second planner in the same folder is refused.
#include <gtest/gtest.h>

#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <QTest>
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
  TPlanner(const TTempDir& Folder, const QString& Script, const QStringList& Arguments = {}) {
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert("QT_QPA_PLATFORM", "offscreen");
    // The settings kept between runs go beside the data, never to the user's.
    Environment.insert("XDG_CONFIG_HOME", QString::fromStdString(Folder.File("config")));
    Environment.insert("QUILLMOOR_TEST_SCRIPT", Script);
    Process.setProcessEnvironment(Environment);
    Process.setWorkingDirectory(QString::fromStdString(Folder.Path.string()));
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
    return Process.exitStatus() == QProcess::NormalExit ? Process.exitCode() : -1;
  }

  QProcess Process;
  QString Output;
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
  // Left behind by an interrupted save: removed at start.
  std::ofstream(Folder.File(DataFileName + TempFileInfix + "Ab12Cd")) << "partial";
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
