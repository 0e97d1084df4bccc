// The program's own files, which no export may write over, however named.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "reports/core/ProgramFiles.h"
#include "support/WorkingFolder.h"

namespace {

TEST(ProgramFilesTest, NamesEveryOwnFileOfTheDataFolderHoweverSpelt) {
  TWorkingFolder Folder;
  for (const char* Name : {"qmp.dat", "ReportTemplate.rtf", "qmp.dat.lock"}) Folder.Write(Name, {'x'});
  std::filesystem::create_directory("sub");
  std::filesystem::create_symlink(Folder.File("qmp.dat"), "link.dat");
  std::filesystem::create_hard_link("ReportTemplate.rtf", "hard.rtf");
  const std::string Trips = "it holds your trip plans";
  const std::string Template = "it is the report template";
  const std::pair<std::string, std::string> Cases[] = {
      {"qmp.dat", Trips},
      {Folder.File("qmp.dat"), Trips},
      {"./sub/../qmp.dat", Trips},
      {"link.dat", Trips},
      {"qmp.dat.recovery", "it is the recovery file of your trip plans"},  // also before it exists
      {"qmp.dat.lock", "it is the lock file of your trip plans"},
      {"qmp.dat.tmp-a1B2c3", "it is a temporary file of your trip plans"},
      {"qmp.dat.recovery.tmp-a1B2c3", "it is a temporary file of your trip plans"},
      {"qmp.dat.damaged-20261209-101500", "it is a kept copy of your trip plans"},
      {"qmp.dat.conflict-20261209-101500-2", "it is a kept copy of your trip plans"},
      {"qmp.dat.recovery.unsaved-20261209-101500", "it is a kept copy of your trip plans"},
      {"sub/qmp.dat.damaged-20261209-101500", ""},
      {"ReportTemplate.rtf", Template},
      {"hard.rtf", Template},
      {"report.rtf", ""},
      {"qmp.dat.txt", ""},
      {"sub/qmp.dat", ""},  // another folder's file
      {"sub/qmp.dat.tmp-a1B2c3", ""},
      {"sub/ReportTemplate.rtf", ""},
  };
  for (const auto& [Path, Role] : Cases) EXPECT_EQ(ProgramFileRole(Path), Role) << Path;
}

TEST(ProgramFilesTest, ExportsRefuseWhatIsNotARegularFile) {
  TWorkingFolder Folder;
  Folder.Write("report.txt", {'x'});
  std::filesystem::create_directory("sub");
  ASSERT_EQ(mkfifo("pipe", 0644), 0);
  const std::string NotRegular = "it is not a regular file";
  const std::pair<std::string, std::string> Cases[] = {
      {"report.txt", ""},  {"new.txt", ""},      {"pipe", NotRegular},
      {"sub", NotRegular}, {"/dev/null", NotRegular}, {"qmp.dat.conflict-1", "it is a kept copy of your trip plans"},
  };
  for (const auto& [Path, Refusal] : Cases) EXPECT_EQ(ExportRefusal(Path), Refusal) << Path;
}

TEST(ProgramFilesTest, TheLockBesideALinkedDataFileIsTheProgramsOwn) {
  TWorkingFolder Folder;
  std::filesystem::create_directory("shared");
  Folder.Write("shared/trips", {'x'});
  std::filesystem::create_symlink("shared/trips", "qmp.dat");
  EXPECT_EQ(ProgramFileRole("shared/trips.lock"), "it is the lock file of your trip plans");
  EXPECT_EQ(ProgramFileRole("shared/trips"), "it holds your trip plans");
}

}  // namespace
