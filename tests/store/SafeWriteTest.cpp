// Writing the data file safely: through symbolic links, keeping the mode,
// cleaning up after interrupted saves, noticing changes made by others, the
// recovery file's background writer, and imports checked against the limits.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "StoreBuilder.h"
#include "store/BackgroundFileWriter.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"
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

TEST_F(SafeWriteTest, LeftoverTemporaryFilesAreRemoved) {
  const std::vector<std::string> Leftovers = {"qmp.dat.tmp-a1B2c3", "qmp.dat.recovery.tmp-XyZ987"};
  const std::vector<std::string> Kept = {"qmp.dat", "qmp.dat.recovery", "qmp.dat.tmp-toolong1",
                                         "other.dat.tmp-abcdef", "qmp.dat.conflict-20261209-101500"};
  for (const auto& Name : Leftovers) Dir.Write(Name, {1});
  for (const auto& Name : Kept) Dir.Write(Name, {1});
  fs::create_directory(Dir.Path / "qmp.dat.tmp-folder");  // not a file: left alone
  EXPECT_EQ(RemoveLeftoverTempFiles(Path()), 2);
  auto Names = Dir.Names();
  std::sort(Names.begin(), Names.end());
  auto Expected = Kept;
  Expected.push_back("qmp.dat.tmp-folder");
  std::sort(Expected.begin(), Expected.end());
  EXPECT_EQ(Names, Expected);
}

TEST_F(SafeWriteTest, LeftoversBesideALinkTargetAreRemovedToo) {
  fs::create_directory(Dir.Path / "real");
  fs::create_symlink("real/plans.dat", Path());
  Dir.Write("real/plans.dat.tmp-QwErTy", {1});
  Dir.Write("qmp.dat.tmp-AsDfGh", {1});
  EXPECT_EQ(RemoveLeftoverTempFiles(Path()), 2);
  EXPECT_FALSE(fs::exists(Dir.Path / "real/plans.dat.tmp-QwErTy"));
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
  TBackgroundFileWriter Failing(Dir.File("missing/qmp.dat.recovery"));
  Failing.Submit(std::make_shared<const std::vector<std::uint8_t>>(std::vector<std::uint8_t>{7}));
  EXPECT_FALSE(Failing.Flush());
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
