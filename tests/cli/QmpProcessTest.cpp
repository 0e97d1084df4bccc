// qmp as the user runs it: every command on a temporary data folder, its
// output, its exit code and what it leaves in the folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <QLockFile>
#include <QString>
#include <QSysInfo>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "reports/core/ExchangeFile.h"
#include "store/DataFileFormat.h"
#include "support/TempDir.h"

namespace {

struct TRun {
  int Code = -1;
  std::string Out;
  std::string Err;
};

std::string Quoted(const std::string& Text) {
  std::string Result = "'";
  for (char c : Text) Result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return Result + "'";
}

std::string Slurp(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), {});
}

bool HasTool(const char* Name) {
  return std::system(("command -v " + std::string(Name) + " >/dev/null 2>&1").c_str()) == 0;
}

class QmpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TTravelerData Store;
    Store.AppendTrip();
    Store.GetTrip(0).Name = "Sierra";
    Store.AddNote(0, {"Start"}, 5, 6, 2024);
    Store.AddGearCategory(0, "Shelter");
    Store.AddGearItem(0, 0, "Tent", "1.25", "300", "Yes", "9", "0.01", "green, \"big\"");
    Store.AddGearItem(0, 0, "Stakes", "0.1", "20", "No", "5", "0", "");
    Store.AddShopingCategory(0, "Food");
    Store.AddShopingItem(0, 0, "Rice", "30", "Market", "1", "");
    Store.AddPermit(0, "Yosemite");
    Store.GetPermit(0, 0).Cost = "10";
    Store.AddContact(0);
    Store.GetContact(0, 0).Name = "Alex Walker";
    Store.SetBudget(0, "500");
    Store.AppendTrip();
    Store.GetTrip(1).Name = "Coast 2";
    Store.SaveToFile(Data.File(DataFileName));
    std::filesystem::copy_file(std::string(QMP_SOURCE_DIR) + "/resources/ReportTemplate.rtf",
                               Data.File("ReportTemplate.rtf"));
  }

  // qmp with Arguments, run in the data folder unless Cwd says otherwise.
  TRun Qmp(const std::vector<std::string>& Arguments, const std::string& Cwd = "", const std::string& Env = "") {
    std::string Command = "cd " + Quoted(Cwd.empty() ? Data.Path.string() : Cwd) + " && env " + Env + " " +
                          Quoted(QMP_PROGRAM);
    for (const std::string& Argument : Arguments) Command += " " + Quoted(Argument);
    Command += " >" + Quoted(Scratch.File("out")) + " 2>" + Quoted(Scratch.File("err"));
    const int Status = std::system(Command.c_str());
    return {WIFEXITED(Status) ? WEXITSTATUS(Status) : -1, Slurp(Scratch.File("out")), Slurp(Scratch.File("err"))};
  }

  std::string DataFile() const { return Slurp(Data.File(DataFileName)); }

  TTempDir Data;
  TTempDir Scratch;
};

struct TCase {
  std::vector<std::string> Arguments;
  int Code;
  std::string Out;  // exact output
  std::string Err;  // the start of the error output
};

class QmpCommandTest : public QmpTest, public ::testing::WithParamInterface<TCase> {};

TEST_P(QmpCommandTest, PrintsWhatWasAskedAndNothingElse) {
  const std::string Before = DataFile();
  const TRun Run = Qmp(GetParam().Arguments);
  EXPECT_EQ(Run.Code, GetParam().Code) << Run.Err;
  EXPECT_EQ(Run.Out, GetParam().Out);
  EXPECT_EQ(Run.Err.substr(0, GetParam().Err.size()), GetParam().Err) << Run.Err;
  if (GetParam().Err.empty()) EXPECT_EQ(Run.Err, "");
  EXPECT_EQ(DataFile(), Before);
}

const std::string SierraTotals =
    "Trip: Sierra\nGear weight: 1.35 kg\nGear cost: 320\nShopping cost: 30\nPermits cost: 10\n"
    "Total cost: 360\nBudget: 500\nBudget left: 140\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, QmpCommandTest,
    ::testing::Values(
        TCase{{"list"}, 0, "1\tSierra\n2\tCoast 2\n", ""},
        TCase{{"show", "1"}, 0, SierraTotals, ""},
        TCase{{"show", "Sierra"}, 0, SierraTotals, ""},
        TCase{{"show", "--unit", "g", "Sierra"}, 0,
              "Trip: Sierra\nGear weight: 1350 gr\nGear cost: 320\nShopping cost: 30\nPermits cost: 10\n"
              "Total cost: 360\nBudget: 500\nBudget left: 140\n",
              ""},
        // A position wins over a name; a name that is a number is found by name past the count.
        // A new trip's empty budget is no number, as in the planner.
        TCase{{"show", "2"}, 1,
              "Trip: Coast 2\nGear weight: 0 kg\nGear cost: 0\nShopping cost: 0\nPermits cost: 0\n"
              "Total cost: 0\n",
              "qmp: Cannot compute the costs budget: the budget of trip \"Coast 2\" is not a number ('').\n"},
        TCase{{"show", "3"}, 1, "", "qmp: no trip \"3\" (2 trips; see qmp list)\n"},
        TCase{{"show", "1", "--unit", "stone"}, 2, "", "qmp: unknown weight unit stone"},
        TCase{{"calc", "1+2*3"}, 0, "7\n", ""},
        TCase{{"calc", "-1+2"}, 0, "1\n", ""},
        TCase{{"calc", "1+"}, 1, "", "qmp: "},
        // A failure is a failure wherever it happens, and a division by zero is one.
        TCase{{"calc", "ln(0)"}, 1, "", "qmp: invalid formule\n"},
        TCase{{"calc", "x:=ln(0)"}, 1, "", "qmp: invalid formule\n"},
        TCase{{"calc", "x:=y*2"}, 1, "", "qmp: Unknown variable:y\n"},
        TCase{{"calc", "1/0"}, 1, "", "qmp: invalid formule\n"},
        TCase{{"calc", "2/1e-9"}, 0, "2000000000\n", ""},
        TCase{{"calc", "x:=4; x/2"}, 0, "2\n", ""},
        TCase{{}, 2, "", "Usage: qmp [--data-folder DIR] COMMAND"},
        TCase{{"frobnicate"}, 2, "", "qmp: unknown command frobnicate\n"},
        TCase{{"list", "--gear"}, 2, "", "qmp: list does not take the option given"},
        TCase{{"report", "1"}, 2, "", "qmp: report needs -o FILE"},
        TCase{{"export", "1"}, 2, "", "qmp: usage: qmp export TRIP FILE.txt\n"},
        TCase{{"--data-folder", "/nonexistent/folder", "list"}, 1, "", "qmp: cannot use the data folder"},
        // No output replaces the program's own files.
        TCase{{"export", "1", "qmp.dat"}, 1, "", "qmp: cannot write to "},
        TCase{{"report", "1", "-o", "ReportTemplate.rtf"}, 1, "", "qmp: cannot write to "}));

TEST_F(QmpTest, EveryCommandHasItsHelp) {
  for (const char* Command :
       {"list", "show", "export", "import", "rename", "duplicate", "export-gear", "import-gear", "report", "calc"}) {
    const TRun Run = Qmp({Command, "--help"});
    EXPECT_EQ(Run.Code, 0) << Command;
    EXPECT_EQ(Run.Out.rfind("Usage: qmp [--data-folder DIR] " + std::string(Command), 0), 0u) << Run.Out;
    EXPECT_EQ(Run.Err, "");
  }
  EXPECT_NE(Qmp({"--help"}).Out.find("import-gear TRIP FILE.csv"), std::string::npos);
}

TEST_F(QmpTest, ExportsAndImportsATripAsExchangeText) {
  TTempDir Elsewhere;
  // Files named on the command line are taken where the user stands.
  TRun Run = Qmp({"--data-folder", Data.Path.string(), "export", "Sierra", "trip.txt"}, Elsewhere.Path.string());
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  TTravelerData Store;
  Store.LoadFromFile(Data.File(DataFileName));
  EXPECT_EQ(Slurp(Elsewhere.File("trip.txt")), ExchangeText(Store.GetTrip(0), TExchangeSections::WholeTrip()));

  Run = Qmp({"import", Elsewhere.File("trip.txt")});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  EXPECT_EQ(Qmp({"list"}).Out, "1\tSierra\n2\tCoast 2\n3\tSierra\n");

  Data.Write("not.txt", {'x', '\n'});
  const std::string Before = DataFile();
  Run = Qmp({"import", "not.txt"});
  EXPECT_EQ(Run.Code, 1);
  EXPECT_EQ(Run.Err, "qmp: This is not an Quillmoor Planner Exported File.\n");
  const std::string Broken = "Quillmoor Planner Exported File\r\nTrip Name = X\r\n\r\n[DATES]\r\n\t[x]\r\n";
  Data.Write("broken.txt", std::vector<std::uint8_t>(Broken.begin(), Broken.end()));
  Run = Qmp({"import", "broken.txt"});
  EXPECT_EQ(Run.Code, 1);
  EXPECT_NE(Run.Err.find("nothing was imported"), std::string::npos) << Run.Err;
  EXPECT_EQ(DataFile(), Before);
}

TEST_F(QmpTest, ImportOfAFileCutShortOrPastALimitAddsNothing) {
  TTravelerData Store;
  Store.LoadFromFile(Data.File(DataFileName));
  const std::string Whole = ExchangeText(Store.GetTrip(0), TExchangeSections::WholeTrip());
  const std::string Cut = Whole.substr(0, Whole.find("[SHOPPING]") + 4);
  Data.Write("cut.txt", std::vector<std::uint8_t>(Cut.begin(), Cut.end()));
  std::string Long = Whole.substr(0, Whole.find("[GEAR LIST]")) + "[GEAR LIST]\r\n\t[" + std::string(1 << 20, 'x');
  Data.Write("long.txt", std::vector<std::uint8_t>(Long.begin(), Long.end()));
  const std::string Before = DataFile();
  const struct {
    const char* File;
    std::string Err;
  } Cases[] = {
      {"cut.txt", "qmp: " + Data.File("cut.txt") +
                      ": The file ends at line 26, inside the logistics plan \"H\" of its [TRAVELING PLANS] section, "
                      "before the [BUDGET] section and budget line: it is incomplete; nothing was imported\n"},
      {"long.txt",
       "qmp: Cannot import the file: line 8 is longer than any line a trip file can hold; the data file holds at "
       "most 65535 bytes in one text.\n"},
      // A device without line ends is no trip file; it is not read on and on.
      {"/dev/zero", "qmp: This is not an Quillmoor Planner Exported File.\n"},
  };
  for (const auto& Case : Cases) {
    const TRun Run = Qmp({"import", Case.File});
    EXPECT_EQ(Run.Code, 1) << Case.File;
    EXPECT_EQ(Run.Err, Case.Err);
    EXPECT_EQ(DataFile(), Before) << Case.File;
  }
}

TEST_F(QmpTest, ExportsAndImportsAGearListAsCsv) {
  TRun Run = Qmp({"export-gear", "1", "gear.csv"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  EXPECT_EQ(Slurp(Data.File("gear.csv")),
            "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable\r\n"
            "Tent,Shelter,\"green, \"\"big\"\"\",1,1250,gram,,300,,\r\n"
            "Stakes,Shelter,,1,100,gram,,20,,\r\n");
  ASSERT_EQ(Qmp({"export-gear", "1", "gear-oz.csv", "--unit", "oz"}).Code, 0);
  Run = Qmp({"import-gear", "Coast 2", "gear-oz.csv"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  EXPECT_EQ(Qmp({"show", "2"}).Out.substr(0, 50), "Trip: Coast 2\nGear weight: 1.35 kg\nGear cost: 320\n");

  const std::string Before = DataFile();
  const std::string Bad = "Item Name,Category,weight,unit\nTent,Shelter,1,kg\nStove,Kitchen,x,kg\n";
  Data.Write("bad.csv", std::vector<std::uint8_t>(Bad.begin(), Bad.end()));
  Run = Qmp({"import-gear", "1", "bad.csv"});
  EXPECT_EQ(Run.Code, 1);
  EXPECT_EQ(Run.Err, "qmp: " + Data.File("bad.csv") +
                         ": Line 3: the weight \"x\" is not a number; nothing was imported\n");
  EXPECT_EQ(DataFile(), Before);
}

// Figures stored under a decimal comma read as the planner reads them; a
// figure that cannot be computed is left out and named on standard error.
TEST_F(QmpTest, ShowsAndExportsFiguresStoredWithADecimalComma) {
  struct TCase {
    const char* Budget;
    const char* Weight;
    std::string Out;
    std::string Err;
  };
  const std::string Costs = "Gear cost: 320\nShopping cost: 30\nPermits cost: 10\nTotal cost: 360\n";
  const TCase Cases[] = {
      {"100,5", "1,25", "Trip: Sierra\nGear weight: 1.35 kg\n" + Costs + "Budget: 100.5\nBudget left: -259.5\n", ""},
      {"about 2000", "1,25", "Trip: Sierra\nGear weight: 1.35 kg\n" + Costs,
       "qmp: Cannot compute the costs budget: the budget of trip \"Sierra\" is not a number ('about 2000').\n"},
      {"500", "heavy", "Trip: Sierra\n" + Costs + "Budget: 500\nBudget left: 140\n",
       "qmp: Cannot compute the gear weight: 'heavy' is not a valid floating point value\n"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Budget);
    TTravelerData Store;
    ASSERT_TRUE(Store.LoadFromFile(Data.File(DataFileName)));
    Store.SetBudget(0, Case.Budget);
    Store.GetGearItem(0, 0, 0).Weight = Case.Weight;
    Store.SaveToFile(Data.File(DataFileName));
    const TRun Run = Qmp({"show", "1"});
    EXPECT_EQ(Run.Out, Case.Out);
    EXPECT_EQ(Run.Err, Case.Err);
    EXPECT_EQ(Run.Code, Case.Err.empty() ? 0 : 1);
  }
  // The CSV export reads the stored weights by the same rule.
  TTravelerData Store;
  ASSERT_TRUE(Store.LoadFromFile(Data.File(DataFileName)));
  Store.GetGearItem(0, 0, 0).Weight = "1,25";
  Store.SaveToFile(Data.File(DataFileName));
  const TRun Run = Qmp({"export-gear", "1", "gear.csv"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_NE(Slurp(Data.File("gear.csv")).find("Tent,Shelter,\"green, \"\"big\"\"\",1,1250,gram,,300,,\r\n"),
            std::string::npos);
}

// A spreadsheet's gear list: --dry-run prints the preview's summary and adds
// nothing; a file whose weights name no unit needs --unit.
TEST_F(QmpTest, ImportsASpreadsheetGearListWithItsUnitAndDryRun) {
  const std::string Sheet = "group,gear,count,wt\nShelter,Tent,1,40\nShelter,Stakes,8,\"0,5\"\nTotal,,,\n";
  Data.Write("sheet.csv", std::vector<std::uint8_t>(Sheet.begin(), Sheet.end()));
  const std::string Before = DataFile();
  TRun Run = Qmp({"import-gear", "2", "sheet.csv"});
  EXPECT_EQ(Run.Code, 1);
  EXPECT_EQ(Run.Err, "qmp: " + Data.File("sheet.csv") +
                         ": Line 1: the weights name no unit: there is no unit column and no unit in the weight "
                         "column's name or its cells; name their unit with --unit UNIT (gram, kilogram, pound or "
                         "ounce); nothing was imported\n");
  Run = Qmp({"import-gear", "2", "sheet.csv", "--unit", "oz", "--dry-run"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out,
            "Columns: name \xE2\x86\x90 gear, weight \xE2\x86\x90 wt, qty \xE2\x86\x90 count, category \xE2\x86\x90 "
            "group\n"
            "1 category, 2 items, total weight 44 oz\n"
            "Skipped: 1 summary row\n"
            "First rows:\n"
            "  Shelter | Tent | 40 oz | 0 | \n"
            "  Shelter | Stakes | 4 oz | 0 | \n"
            "Nothing was added (--dry-run).\n");
  EXPECT_EQ(DataFile(), Before);
  Run = Qmp({"import-gear", "2", "sheet.csv", "--unit", "ounce"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  EXPECT_EQ(Qmp({"show", "2", "--unit", "oz"}).Out.substr(0, 29), "Trip: Coast 2\nGear weight: 44");  // to 15 digits
}

TEST_F(QmpTest, RenamesAndDuplicatesATrip) {
  TRun Run = Qmp({"rename", "Coast 2", "Shore"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  Run = Qmp({"duplicate", "Sierra"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Qmp({"list"}).Out, "1\tSierra\n2\tShore\n3\tCopy of Sierra\n");
  EXPECT_EQ(Qmp({"show", "3"}).Out, "Trip: Copy of Sierra\nGear weight: 1.35 kg\nGear cost: 320\nShopping cost: 30\n"
                                     "Permits cost: 10\nTotal cost: 360\nBudget: 500\nBudget left: 140\n");
  // The copy holds every page of the trip: named back, it is the same trip byte for byte.
  TTravelerData Both, One;
  ASSERT_TRUE(Both.LoadFromFile(Data.File(DataFileName)));
  Both.GetTrip(2).Name = "Sierra";
  Both.DeleteTrip(1, false);
  ASSERT_TRUE(One.LoadFromFile(Data.File(DataFileName)));
  One.DeleteTrip(2, false);
  One.DeleteTrip(1, false);
  const std::vector<std::uint8_t> Pair = DataFileBytes(Both), Single = DataFileBytes(One);
  const std::vector<std::uint8_t> Trip(Single.begin() + 84, Single.end() - 5);
  std::vector<std::uint8_t> Expected(Single.begin(), Single.begin() + 84);
  Expected[83] = 2;
  for (int i = 0; i < 2; ++i) Expected.insert(Expected.end(), Trip.begin(), Trip.end());
  Expected.insert(Expected.end(), Single.end() - 5, Single.end());
  EXPECT_TRUE(Pair == Expected);
  EXPECT_EQ(Qmp({"rename", "9", "x"}).Err, "qmp: no trip \"9\" (3 trips; see qmp list)\n");
  EXPECT_EQ(Qmp({"duplicate"}).Code, 2);
}

TEST_F(QmpTest, RefusesToChangeAFolderThatIsOpenInTheplanner) {
  QLockFile Lock(QString::fromStdString(Data.File(LockFileName)));
  ASSERT_TRUE(Lock.tryLock(0));
  const std::string Before = DataFile();
  ASSERT_EQ(Qmp({"export-gear", "1", "gear.csv"}).Code, 0);  // reading is fine
  for (const std::vector<std::string>& Change :
       {std::vector<std::string>{"import-gear", "1", "gear.csv"}, {"rename", "1", "x"}, {"duplicate", "1"}}) {
    TRun Run = Qmp(Change);
    EXPECT_EQ(Run.Code, 1);
    EXPECT_EQ(Run.Err.rfind("qmp: The trip plans in this folder are already open in another window", 0), 0u)
        << Run.Err;
    EXPECT_EQ(DataFile(), Before);
  }
  Lock.unlock();

  Data.Write(RecoveryFileName, {1});
  TRun Run = Qmp({"rename", "1", "x"});
  EXPECT_EQ(Run.Code, 1);
  Run = Qmp({"import-gear", "1", "gear.csv"});
  EXPECT_EQ(Run.Code, 1);
  EXPECT_EQ(Run.Err, "qmp: the planner's unsaved changes wait in qmp.dat.recovery; open the planner to "
                     "recover them first\n");
  EXPECT_EQ(DataFile(), Before);
}

TEST_F(QmpTest, NoOutputReplacesAKeptCopyOrWhatIsNotARegularFile) {
  const std::vector<std::string> Kept = {"qmp.dat.damaged-20261209-101500", "qmp.dat.conflict-20261209-101500-2",
                                         "qmp.dat.recovery.unsaved-20261209-101500"};
  for (const auto& Name : Kept) Data.Write(Name, {'k'});
  ASSERT_EQ(mkfifo(Data.File("pipe").c_str(), 0644), 0);
  std::vector<std::string> Targets = Kept;
  Targets.push_back("pipe");
  for (const auto& Target : Targets) {
    for (const std::vector<std::string>& Command : std::vector<std::vector<std::string>>{
             {"export", "1", Target}, {"export-gear", "1", Target}, {"report", "1", "-o", Target}}) {
      const TRun Run = Qmp(Command);
      EXPECT_EQ(Run.Code, 1) << Command[0] << " " << Target;
      EXPECT_EQ(Run.Err.rfind("qmp: cannot write to " + Data.File(Target) + ": it is ", 0), 0u) << Run.Err;
    }
  }
  for (const auto& Name : Kept) EXPECT_EQ(Slurp(Data.File(Name)), "k") << Name;
  EXPECT_TRUE(std::filesystem::is_fifo(Data.File("pipe")));
}

TEST_F(QmpTest, ChangesCleanUpOnlyTheProgramsOwnLeftovers) {
  const std::string Saved = DataFile();
  Data.Write("qmp.dat.tmp-Ab12Cd", std::vector<std::uint8_t>(Saved.begin(), Saved.begin() + 200));
  Data.Write("qmp.dat.tmp-backup", {'m', 'i', 'n', 'e'});
  Data.Write("qmp.dat.old.tmp-123456", std::vector<std::uint8_t>(Saved.begin(), Saved.end()));
  ASSERT_EQ(Qmp({"list"}).Code, 0);  // reading takes no lock and leaves all
  EXPECT_TRUE(std::filesystem::exists(Data.File("qmp.dat.tmp-Ab12Cd")));
  ASSERT_EQ(Qmp({"export-gear", "1", "gear.csv"}).Code, 0);
  const TRun Run = Qmp({"import-gear", "2", "gear.csv"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_FALSE(std::filesystem::exists(Data.File("qmp.dat.tmp-Ab12Cd")));
  EXPECT_EQ(Slurp(Data.File("qmp.dat.tmp-backup")), "mine");
  EXPECT_TRUE(std::filesystem::exists(Data.File("qmp.dat.old.tmp-123456")));
}

// A process id that no process has.
pid_t GonePid() {
  const pid_t Child = fork();
  if (Child == 0) _exit(0);
  waitpid(Child, nullptr, 0);
  return Child;
}

TEST_F(QmpTest, StaleLocksAreTakenOverAndOtherComputersNamed) {
  ASSERT_EQ(Qmp({"export-gear", "1", "gear.csv"}).Code, 0);
  const std::string Here = QSysInfo::machineHostName().toStdString();
  const std::string Gone = std::to_string(GonePid());
  struct TCase {
    const char* What;
    std::string Lock;    // the lock file's contents; "-" for none
    std::string RmLock;  // a leftover of QLockFile's removal; "-" for none
    int Code;
    std::string Err;
    bool JustLeft = false;  // by a process killed a moment ago, not long ago
  };
  const std::string OtherComputer =
      "qmp: The trip plans in this folder are open on the computer \"far-away\" (process 4242), or were when it "
      "stopped. If Quillmoor Planner and qmp no longer run there, delete the lock file \"" +
      Data.File(LockFileName) + "\" and try again.\n";
  const TCase Cases[] = {
      {"empty", "", "-", 0, ""},
      {"empty, left a moment ago", "", "-", 0, "", true},
      {"unreadable", "garbage\x01\n", "-", 0, ""},
      {"gone holder", Gone + "\nquillmoor\n" + Here + "\n", "-", 0, ""},
      {"gone holder and a leftover removal", Gone + "\nquillmoor\n" + Here + "\n", "", 0, ""},
      {"another computer", "4242\nquillmoor\nfar-away\n", "-", 1, OtherComputer},
  };
  for (const auto& Case : Cases) {
    std::filesystem::remove(Data.File(LockFileName + ".rmlock"));
    Data.Write(LockFileName, std::vector<std::uint8_t>(Case.Lock.begin(), Case.Lock.end()));
    if (!Case.JustLeft)
      std::filesystem::last_write_time(Data.File(LockFileName),
                                       std::filesystem::file_time_type::clock::now() - std::chrono::hours(48));
    if (Case.RmLock != "-") Data.Write(LockFileName + ".rmlock", {});
    const std::string Before = DataFile();
    const TRun Run = Qmp({"import-gear", "2", "gear.csv"});
    EXPECT_EQ(Run.Code, Case.Code) << Case.What << ": " << Run.Err;
    EXPECT_EQ(Run.Err, Case.Err) << Case.What;
    EXPECT_EQ(DataFile() != Before, Case.Code == 0) << Case.What;
    EXPECT_EQ(std::filesystem::exists(Data.File(LockFileName)), Case.Code != 0) << Case.What;
    EXPECT_FALSE(std::filesystem::exists(Data.File(LockFileName + ".rmlock"))) << Case.What;
  }
}

TEST_F(QmpTest, ALockHeldByQmpIsNamedAsSuch) {
  // A process whose program is called qmp, named in the lock as qmp names itself.
  std::filesystem::copy_file("/bin/sleep", Scratch.File("qmp"));
  const pid_t Running = fork();
  if (Running == 0) {
    execl(Scratch.File("qmp").c_str(), "qmp", "30", static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto Started = [&] {
    return QFileInfo(QString("/proc/%1/exe").arg(Running)).symLinkTarget().endsWith("/qmp");
  };
  for (int Waited = 0; Waited < 500 && !Started(); ++Waited) usleep(10000);
  ASSERT_TRUE(Started());
  const std::string Lock =
      std::to_string(Running) + "\nqmp\n" + QSysInfo::machineHostName().toStdString() + "\n";
  Data.Write(LockFileName, std::vector<std::uint8_t>(Lock.begin(), Lock.end()));
  ASSERT_EQ(Qmp({"export-gear", "1", "gear.csv"}).Code, 0);
  const TRun Run = Qmp({"import-gear", "2", "gear.csv"});
  kill(Running, SIGKILL);
  waitpid(Running, nullptr, 0);
  EXPECT_EQ(Run.Code, 1);
  EXPECT_EQ(Run.Err, "qmp: The trip plans in this folder are being changed by qmp (process " +
                         std::to_string(Running) + " on " + QSysInfo::machineHostName().toStdString() +
                         "); try again when it has finished.\n");
}

TEST_F(QmpTest, LinksToOneDataFileShareItsLock) {
  TTempDir Shared;
  TTempDir Other;
  std::filesystem::rename(Data.File(DataFileName), Shared.File("trips"));
  std::filesystem::create_symlink(Shared.File("trips"), Data.File(DataFileName));
  std::filesystem::create_symlink(Shared.File("trips"), Other.File(DataFileName));
  // The planner has the data file open through the other folder.
  QLockFile Lock(QString::fromStdString(Shared.File("trips.lock")));
  ASSERT_TRUE(Lock.tryLock(0));
  ASSERT_EQ(Qmp({"export-gear", "1", Scratch.File("gear.csv")}).Code, 0);
  const std::string Before = DataFile();
  TRun Run = Qmp({"import-gear", "2", Scratch.File("gear.csv")});
  EXPECT_EQ(Run.Code, 1);
  EXPECT_EQ(Run.Err.rfind("qmp: The trip plans in this folder are already open in another window", 0), 0u) << Run.Err;
  EXPECT_EQ(DataFile(), Before);
  EXPECT_FALSE(std::filesystem::exists(Data.File(LockFileName)));
  Lock.unlock();
  Run = Qmp({"import-gear", "2", Scratch.File("gear.csv")});
  EXPECT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_TRUE(std::filesystem::is_symlink(Data.File(DataFileName)));
  EXPECT_NE(DataFile(), Before);
}

TEST_F(QmpTest, ADamagedDataFileIsKeptAsideBeforeAChange) {
  Data.Write(DataFileName, {'j', 'u', 'n', 'k'});
  TRun Run = Qmp({"list"});
  EXPECT_EQ(Run.Code, 1);
  EXPECT_EQ(Run.Err, "qmp: Error in open data file!\n");
  ASSERT_EQ(Qmp({"export", "1", "trip.txt"}, "", "").Code, 1);

  TTravelerData Source;
  Source.AppendTrip();
  Source.GetTrip(0).Name = "Rescued";
  WriteExchangeFile(Data.File("trip.txt"), Source, 0, TExchangeSections::WholeTrip());
  Run = Qmp({"import", "trip.txt"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Err.rfind("qmp: the data file that could not be read was kept as \"qmp.dat.damaged-", 0), 0u)
      << Run.Err;
  EXPECT_EQ(Qmp({"list"}).Out, "1\tRescued\n");
  int Kept = 0;
  for (const std::string& Name : Data.Names())
    if (Name.rfind("qmp.dat.damaged-", 0) == 0 && Slurp(Data.File(Name)) == "junk") ++Kept;
  EXPECT_EQ(Kept, 1);
}

// A template past the size the reader takes is refused before it is read.
TEST_F(QmpTest, AReportFromATooLargeTemplateFails) {
  std::filesystem::resize_file(Data.File("ReportTemplate.rtf"), 17 * 1024 * 1024);
  for (const char* Output : {"report.txt", "report.pdf"}) {
    const TRun Run = Qmp({"report", "Sierra", "-o", Output});
    EXPECT_EQ(Run.Code, 1);
    EXPECT_EQ(Run.Err, "qmp: The rich text is too large to open: 17 MB; at most 16 MB can be opened\n");
    EXPECT_FALSE(std::filesystem::exists(Data.File(Output)));
  }
}

TEST_F(QmpTest, WritesTheReportAsTextRichTextAndPdf) {
  TRun Run = Qmp({"report", "Sierra", "-o", "report.txt", "--gear", "--budget", "--unit", "g"});
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  const std::string Text = Slurp(Data.File("report.txt"));
  EXPECT_NE(Text.find("Sierra\r\n"), std::string::npos);
  EXPECT_NE(Text.find("Weight  = 1250 gr"), std::string::npos) << Text;
  EXPECT_NE(Text.find("Budget = 500"), std::string::npos);
  EXPECT_EQ(Text.find("Alex Walker"), std::string::npos);

  ASSERT_EQ(Qmp({"report", "1", "-o", "report.rtf"}).Code, 0);
  const std::string Rich = Slurp(Data.File("report.rtf"));
  EXPECT_EQ(Rich.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(Rich.find("Alex Walker"), std::string::npos);

  // The paper size follows the locale.
  Run = Qmp({"report", "1", "-o", "letter.pdf"}, "", "LC_ALL=en_US.UTF-8");
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  EXPECT_EQ(Run.Out + Run.Err, "");
  ASSERT_EQ(Qmp({"report", "1", "-o", "a4.pdf"}, "", "LC_ALL=de_DE.UTF-8").Code, 0);
  EXPECT_EQ(Slurp(Data.File("letter.pdf")).rfind("%PDF-", 0), 0u);
  if (!HasTool("pdfinfo") || !HasTool("pdftotext")) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are missing";
  const auto Shell = [this](const std::string& Command) {
    std::system((Command + " >" + Quoted(Scratch.File("tool")) + " 2>&1").c_str());
    return Slurp(Scratch.File("tool"));
  };
  const std::string Letter = Shell("pdfinfo " + Quoted(Data.File("letter.pdf")));
  EXPECT_NE(Letter.find("Title:           Quillmoor Planner Report\n"), std::string::npos) << Letter;
  EXPECT_NE(Letter.find("(letter)"), std::string::npos) << Letter;
  EXPECT_NE(Shell("pdfinfo " + Quoted(Data.File("a4.pdf"))).find("(A4)"), std::string::npos);
  const std::string Selectable = Shell("pdftotext " + Quoted(Data.File("a4.pdf")) + " -");
  for (const char* Expected : {"Sierra", "Tent", "Alex Walker", "Yosemite", "Budget = 500"})
    EXPECT_NE(Selectable.find(Expected), std::string::npos) << Expected << " in\n" << Selectable;
}

// A report of more pages than one layout can place (about 2,300) has every
// page, the last one with the end of the report and its number.
TEST_F(QmpTest, ALongReportAsPdfHasEveryPage) {
  if (!HasTool("pdfinfo") || !HasTool("pdftotext")) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are missing";
  TTravelerData Store;
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Long";
  Store.AddGearCategory(0, "Everything");
  for (int n = 0; n < 22000; ++n)
    Store.AddGearItem(0, 0, "Item " + std::to_string(n), "1.25", "10", "Yes", "5", "0.01", "remark");
  Store.SetBudget(0, "1");
  Store.SaveToFile(Data.File(DataFileName));
  const TRun Run = Qmp({"report", "Long", "-o", "long.pdf", "--gear", "--budget"}, "", "LC_ALL=de_DE.UTF-8");
  ASSERT_EQ(Run.Code, 0) << Run.Err;
  std::system(("pdfinfo " + Quoted(Data.File("long.pdf")) + " >" + Quoted(Scratch.File("info")) + " 2>&1").c_str());
  const std::string Info = Slurp(Scratch.File("info"));
  const std::size_t At = Info.find("Pages:");
  ASSERT_NE(At, std::string::npos) << Info;
  const int Pages = std::atoi(Info.c_str() + At + 6);
  EXPECT_GT(Pages, 2400) << Info;
  const std::string Page = std::to_string(Pages);
  std::system(("pdftotext -f " + Page + " -l " + Page + " " + Quoted(Data.File("long.pdf")) + " " +
               Quoted(Scratch.File("last")))
                  .c_str());
  const std::string Last = Slurp(Scratch.File("last"));
  EXPECT_NE(Last.find("Budget = 1"), std::string::npos) << Last;
  EXPECT_NE(Last.find(Page), std::string::npos) << Last;
}

}  // namespace
