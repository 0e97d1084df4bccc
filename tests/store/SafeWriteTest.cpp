// Writing the data file safely: through symbolic links, keeping the owner and
// mode, never over what is not a regular file, kept copies that never replace
// anything, cleaning up only the program's own leftovers of interrupted
// saves, noticing changes made by others, the recovery file's background
// writer, and imports checked against the limits.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "store/BackgroundFileWriter.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"
#include "support/StoreBuilder.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class SafeWriteTest : public ::testing::Test {
 protected:
  std::string Path() const { return Dir.File("qmp.dat"); }
  static void Sample(TTravelerData& Store) { FillEveryList(Store, "Ridge"); }
  std::vector<std::uint8_t> SampleBytes() const {
    TTravelerData Store;
    Sample(Store);
    return DataFileBytes(Store);
  }
  void SaveSample(const std::string& Target) const {
    TTravelerData Store;
    Sample(Store);
    Store.SaveToFile(Target);
  }
  mode_t ModeOf(const std::string& Name) const {
    struct stat Info {};
    stat(Dir.File(Name).c_str(), &Info);
    return Info.st_mode & 07777;
  }
  TTempDir Dir;
};

TEST_F(SafeWriteTest, BytesInMemoryAreTheFileBytes) {
  SaveSample(Path());
  EXPECT_EQ(Dir.Read("qmp.dat"), SampleBytes());
}

TEST_F(SafeWriteTest, LinksAreWrittenThroughAndStayLinks) {
  fs::create_directory(Dir.Path / "real");
  struct TCase {
    const char* What;
    const char* LinkTo;      // as stored in the link
    const char* TargetName;  // the file that must receive the data
    bool TargetExists;
  };
  const TCase Cases[] = {
      {"relative link", "real/plans.dat", "real/plans.dat", true},
      {"dangling link", "real/new.dat", "real/new.dat", false},
      {"link to a link", "second-link", "real/chained.dat", true},
  };
  for (const auto& Case : Cases) {
    fs::remove(Path());
    if (std::string(Case.LinkTo) == "second-link") {
      fs::remove(Dir.Path / "second-link");
      fs::create_symlink("real/chained.dat", Dir.Path / "second-link");
    }
    if (Case.TargetExists) Dir.Write(Case.TargetName, {1, 2, 3});
    fs::create_symlink(Case.LinkTo, Path());
    SaveSample(Path());
    EXPECT_TRUE(fs::is_symlink(Path())) << Case.What;
    EXPECT_EQ(fs::read_symlink(Path()).string(), Case.LinkTo) << Case.What;
    EXPECT_EQ(Dir.Read(Case.TargetName), SampleBytes()) << Case.What;
    // No temporary file is left anywhere.
    for (const auto& Entry : fs::recursive_directory_iterator(Dir.Path))
      EXPECT_EQ(Entry.path().filename().string().find(TempFileInfix), std::string::npos)
          << Case.What << ": " << Entry.path();
  }
}

TEST_F(SafeWriteTest, ModeIsKeptIncludingReadOnly) {
  for (const mode_t Mode : {0640, 0444, 0600}) {
    SaveSample(Path());
    ASSERT_EQ(chmod(Path().c_str(), Mode), 0);
    TTravelerData Store;
    Store.AppendTrip();
    // The folder is writable, so the file is replaced, read-only or not.
    Store.SaveToFile(Path());
    EXPECT_EQ(ModeOf("qmp.dat"), Mode);
    EXPECT_NE(Dir.Read("qmp.dat"), SampleBytes());
  }
}

TEST_F(SafeWriteTest, OnlyTheProgramsOwnTemporaryFilesAreRemoved) {
  const auto Data = SampleBytes();
  const std::vector<std::uint8_t> Partial(Data.begin(), Data.begin() + 10);
  const std::vector<std::uint8_t> Photos = {'J', 'F', 'I', 'F'};
  struct TCase {
    const char* Name;
    std::vector<std::uint8_t> Bytes;
    mode_t Mode;
    bool Removed;
  };
  const std::vector<TCase> Cases = {
      {"qmp.dat.tmp-a1B2c3", Data, 0644, true},
      {"qmp.dat.recovery.tmp-XyZ987", Partial, 0600, true},
      {"qmp.dat.tmp-Empty1", {}, 0600, true},  // as a save leaves it before writing
      {"qmp.dat.tmp-backup", Photos, 0644, false},  // the exact name, not a data file
      {"qmp.dat.tmp-Empty2", {}, 0644, false},      // empty, but made by someone else
      {"qmp.dat.tmp-toolong1", Data, 0644, false},
      {"qmp.dat.tmp-ab_def", Data, 0644, false},
      {"qmp.data.tmp-ABCDEF", Data, 0644, false},
      {"qmp.dat.old.tmp-123456", Data, 0644, false},
      {"qmp.dat-my.tmp-photos", Data, 0644, false},
      {"other.dat.tmp-abcdef", Data, 0644, false},
      {"qmp.dat.conflict-20261209-101500", Data, 0644, false},
      {"qmp.dat.recovery.unsaved-20261209-101500.tmp-abcdef", Data, 0644, false},
  };
  for (const auto& Case : Cases) {
    Dir.Write(Case.Name, Case.Bytes);
    chmod(Dir.File(Case.Name).c_str(), Case.Mode);
  }
  fs::create_directory(Dir.Path / "qmp.dat.tmp-folder");           // not a file
  fs::create_symlink("qmp.dat.tmp-a1B2c3", Dir.Path / "qmp.dat.tmp-Link01");  // not followed
  EXPECT_EQ(RemoveLeftoverTempFiles(Path(), Dir.File("qmp.dat.recovery")), 3);
  for (const auto& Case : Cases) EXPECT_EQ(fs::exists(Dir.File(Case.Name)), !Case.Removed) << Case.Name;
  EXPECT_TRUE(fs::is_directory(Dir.Path / "qmp.dat.tmp-folder"));
  EXPECT_TRUE(fs::is_symlink(Dir.Path / "qmp.dat.tmp-Link01"));
}

TEST_F(SafeWriteTest, LeftoversAreLookedForBesideTheLinkTarget) {
  fs::create_directory(Dir.Path / "real");
  fs::create_symlink("real/plans", Path());
  const auto Data = SampleBytes();
  Dir.Write("real/plans.tmp-QwErTy", Data);
  Dir.Write("real/plansheet.tmp-photos", Data);  // only begins with the target's name
  Dir.Write("qmp.dat.tmp-AsDfGh", Data);         // saves never write beside the link
  EXPECT_EQ(RemoveLeftoverTempFiles(Path(), Dir.File("qmp.dat.recovery")), 1);
  EXPECT_FALSE(fs::exists(Dir.Path / "real/plans.tmp-QwErTy"));
  EXPECT_TRUE(fs::exists(Dir.Path / "real/plansheet.tmp-photos"));
  EXPECT_TRUE(fs::exists(Dir.Path / "qmp.dat.tmp-AsDfGh"));
  // Every link to one data file shares the lock beside it.
  EXPECT_EQ(LockFileBeside(Path()), Dir.File("real/plans.lock"));
  EXPECT_EQ(LockFileBeside("qmp.dat"), "qmp.dat.lock");
}

TEST_F(SafeWriteTest, KeptCopiesNeverReplaceAnything) {
  SaveSample(Path());
  const std::string Suffix = ".conflict-20261209-101500";
  fs::create_symlink("planted.txt", Dir.File("qmp.dat" + Suffix + "-3"));  // a dangling link takes a name too
  EXPECT_EQ(FreeAsideName(Path(), Suffix), Path() + Suffix);
  EXPECT_EQ(CopyFileAside(Path(), Suffix), Path() + Suffix);
  EXPECT_EQ(FreeAsideName(Path(), Suffix), Path() + Suffix + "-2");
  EXPECT_EQ(CopyFileAside(Path(), Suffix), Path() + Suffix + "-2");
  EXPECT_EQ(CopyFileAside(Path(), Suffix), Path() + Suffix + "-4");
  EXPECT_FALSE(fs::exists(Dir.Path / "planted.txt"));
  for (const char* Kept : {"", "-2", "-4"}) EXPECT_EQ(Dir.Read("qmp.dat" + Suffix + Kept), SampleBytes()) << Kept;
  // Moved aside the same way: the first kept file stays what it was.
  Dir.Write("qmp.dat.recovery", {1});
  Dir.Write("qmp.dat.recovery.unsaved-1", {2});
  EXPECT_EQ(MoveFileAside(Dir.File("qmp.dat.recovery"), ".unsaved-1"), Dir.File("qmp.dat.recovery.unsaved-1-2"));
  EXPECT_EQ(Dir.Read("qmp.dat.recovery.unsaved-1"), std::vector<std::uint8_t>{2});
  EXPECT_EQ(Dir.Read("qmp.dat.recovery.unsaved-1-2"), std::vector<std::uint8_t>{1});
  EXPECT_FALSE(fs::exists(Dir.File("qmp.dat.recovery")));
}

TEST_F(SafeWriteTest, WhatIsNotARegularFileIsNeverReplaced) {
  ASSERT_EQ(mkfifo(Dir.File("pipe").c_str(), 0644), 0);
  fs::create_directory(Dir.Path / "folder");
  fs::create_symlink("pipe", Dir.Path / "link-to-pipe");
  for (const char* Name : {"pipe", "folder", "link-to-pipe"}) {
    try {
      WriteFileAtomically(Dir.File(Name), {1, 2});
      ADD_FAILURE() << Name << " was replaced";
    } catch (const TFileIOError& Failure) {
      EXPECT_NE(std::string(Failure.what()).find("it is not a regular file"), std::string::npos) << Failure.what();
    }
  }
  EXPECT_TRUE(fs::is_fifo(Dir.Path / "pipe"));
  EXPECT_TRUE(fs::is_directory(Dir.Path / "folder"));
  EXPECT_EQ(Dir.Names().size(), 3u);  // no temporary file left
}

TEST_F(SafeWriteTest, AReplacedFileKeepsItsOwner) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
  Dir.Write("theirs.txt", {1});
  ASSERT_EQ(chown(Dir.File("theirs.txt").c_str(), 4321, 4322), 0);
  ASSERT_EQ(chmod(Dir.File("theirs.txt").c_str(), 0640), 0);
  WriteFileAtomically(Dir.File("theirs.txt"), {2, 3});
  struct stat Info {};
  ASSERT_EQ(stat(Dir.File("theirs.txt").c_str(), &Info), 0);
  EXPECT_EQ(Info.st_uid, 4321u);
  EXPECT_EQ(Info.st_gid, 4322u);
  EXPECT_EQ(Info.st_mode & 07777, 0640u);
  EXPECT_EQ(Dir.Read("theirs.txt"), (std::vector<std::uint8_t>{2, 3}));
}

TEST_F(SafeWriteTest, TheProgramsOwnFileReplacesALinkInsteadOfWritingThroughIt) {
  Dir.Write("notes.txt", {'n'});
  struct TCase {
    const char* What;
    const char* LinkTo;
  };
  const TCase Cases[] = {{"dangling link", "../outside.dat"}, {"link to a file", "notes.txt"}};
  for (const auto& Case : Cases) {
    fs::remove(Dir.File("qmp.dat.recovery"));
    fs::create_symlink(Case.LinkTo, Dir.File("qmp.dat.recovery"));
    ReplaceOwnFileAtomically(Dir.File("qmp.dat.recovery"), {7});
    EXPECT_FALSE(fs::is_symlink(Dir.File("qmp.dat.recovery"))) << Case.What;
    EXPECT_EQ(Dir.Read("qmp.dat.recovery"), std::vector<std::uint8_t>{7}) << Case.What;
  }
  EXPECT_FALSE(fs::exists(Dir.Path.parent_path() / "outside.dat"));
  EXPECT_EQ(Dir.Read("notes.txt"), std::vector<std::uint8_t>{'n'});
}

TEST_F(SafeWriteTest, StampsTellChangedContentsOnly) {
  const TFileStamp Missing = StampFile(Path());
  EXPECT_FALSE(Missing.Exists);
  SaveSample(Path());
  const TFileStamp Saved = StampFile(Path());
  EXPECT_TRUE(Saved.Exists);
  EXPECT_FALSE(Saved.SameContents(Missing));
  // Touched, same bytes: the same file.
  SaveSample(Path());
  EXPECT_TRUE(StampFile(Path()).SameContents(Saved));
  // Same size, one byte different: changed.
  auto Bytes = Dir.Read("qmp.dat");
  Bytes[90] ^= 1;
  Dir.Write("qmp.dat", Bytes);
  const TFileStamp Changed = StampFile(Path());
  EXPECT_EQ(Changed.Size, Saved.Size);
  EXPECT_FALSE(Changed.SameContents(Saved));
}

TEST_F(SafeWriteTest, BackgroundWriterKeepsTheLatestAndRemoves) {
  const std::string Target = Dir.File("qmp.dat.recovery");
  Dir.Write("notes.txt", {'n'});
  fs::create_symlink("notes.txt", Target);  // replaced, not written through
  {
    TBackgroundFileWriter Writer(Target);
    for (std::uint8_t n = 1; n <= 50; ++n)
      Writer.Submit(std::make_shared<const std::vector<std::uint8_t>>(std::vector<std::uint8_t>(1000, n)));
    EXPECT_TRUE(Writer.Flush());
    EXPECT_EQ(Dir.Read("qmp.dat.recovery"), std::vector<std::uint8_t>(1000, 50));
    Writer.Remove();
    EXPECT_FALSE(fs::exists(Target));
    // Submitted just before the end: written before the writer goes.
    Writer.Submit(std::make_shared<const std::vector<std::uint8_t>>(std::vector<std::uint8_t>{7}));
  }
  EXPECT_EQ(Dir.Read("qmp.dat.recovery"), std::vector<std::uint8_t>{7});
  EXPECT_EQ(Dir.Read("notes.txt"), std::vector<std::uint8_t>{'n'});
  // Each write is reported, a failure with its reason.
  std::vector<std::string> Reports;
  {
    TBackgroundFileWriter Failing(Dir.File("missing/qmp.dat.recovery"),
                                  [&Reports](bool Ok, const std::string& Failure) {
                                    Reports.push_back(Ok ? "ok" : Failure);
                                  });
    Failing.Submit(std::make_shared<const std::vector<std::uint8_t>>(std::vector<std::uint8_t>{7}));
    EXPECT_FALSE(Failing.Flush());
  }
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_EQ(Reports[0].rfind("Could not create '" + Dir.File("missing/qmp.dat.recovery") + "': ", 0), 0u)
      << Reports[0];
}

TEST(ImportLimits, RefusedWhenTheStoreWouldPassALimit) {
  struct TCase {
    const char* What;
    int Trip;  // -1: the import is a new trip
    std::size_t Existing;
    std::size_t Imported;
    const char* Message;  // nullptr: accepted
  };
  const TCase Cases[] = {
      {"gear categories that fit exactly", 0, 65000, 535, nullptr},
      {"one gear category too many", 0, 65000, 536,
       "Cannot import the file: trip 1 (\"Base\") has 65536 gear categories; the data file holds at most 65535."},
      {"too many items in one category of a new trip", -1, 0, 65536,
       "Cannot import the file: gear category \"Food\" of trip 2 (\"New\") has 65536 items; the data file "
       "holds at most 65535."},
  };
  for (const auto& Case : Cases) {
    TTravelerData Store;
    Store.AppendTrip();
    Store.GetTrip(0).Name = "Base";
    TTravelerData Import;
    Import.AppendTrip();
    Import.GetTrip(0).Name = "New";
    if (Case.Trip == 0) {
      for (std::size_t n = 0; n < Case.Existing; ++n) Store.AddGearCategory(0, "c");
      for (std::size_t n = 0; n < Case.Imported; ++n) Import.AddGearCategory(0, "c");
    } else {
      Import.AddGearCategory(0, "Food");
      for (std::size_t n = 0; n < Case.Imported; ++n) Import.AddGearItem(0, 0, "i", "", "", "", "", "", "");
    }
    try {
      CheckImportLimits(Store, Case.Trip, Import.GetTrip(0));
      EXPECT_EQ(Case.Message, nullptr) << Case.What;
    } catch (const TFormatLimitError& Failure) {
      ASSERT_NE(Case.Message, nullptr) << Case.What << ": " << Failure.what();
      EXPECT_STREQ(Failure.what(), Case.Message) << Case.What;
    }
  }
  TTravelerData Full;
  for (int n = 0; n < MaxTrips; ++n) Full.AppendTrip();
  EXPECT_THROW(CheckImportLimits(Full, -1, Full.GetTrip(0)), TFormatLimitError);
}

}  // namespace
