// qmp as the user runs it: every command on a temporary data folder, its
// output, its exit code and what it leaves in the folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QLockFile>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "reports/ExchangeFile.h"
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
        TCase{{"show", "2"}, 0,
              "Trip: Coast 2\nGear weight: 0 kg\nGear cost: 0\nShopping cost: 0\nPermits cost: 0\n"
              "Total cost: 0\nBudget: 0\nBudget left: 0\n",
              ""},
        TCase{{"show", "3"}, 1, "", "qmp: no trip \"3\" (2 trips; see qmp list)\n"},
        TCase{{"show", "1", "--unit", "stone"}, 2, "", "qmp: unknown weight unit stone"},
        TCase{{"calc", "1+2*3"}, 0, "7\n", ""},
        TCase{{"calc", "-1+2"}, 0, "1\n", ""},
        TCase{{"calc", "1+"}, 1, "", "qmp: "},
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

}  // namespace
