// The data-file handler both programs use: what loading finds, which copies a
// save keeps aside, and what the data file holds afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <regex>

#include "store/DataFileFormat.h"
#include "store/DataFileHandler.h"
#include "store/Traveler.h"
#include "support/StoreBuilder.h"
#include "support/WorkingFolder.h"

namespace {

using TOutcome = TDataFileLoad::TOutcome;
using TBytes = std::vector<std::uint8_t>;

TBytes BytesOf(const std::string& Text) { return TBytes(Text.begin(), Text.end()); }

TBytes SampleFile(const std::string& TripName) {
  TTravelerData Store;
  FillEveryList(Store, TripName);
  return DataFileBytes(Store);
}

TEST(DataFileHandlerTest, StampsNameTheKindAndTheLocalSecond) {
  EXPECT_TRUE(std::regex_match(FileTimeStamp(), std::regex("20[0-9]{6}-[0-9]{6}"))) << FileTimeStamp();
  EXPECT_TRUE(std::regex_match(KeptCopySuffix("damaged"), std::regex("\\.damaged-[0-9]{8}-[0-9]{6}")));
}

TEST(DataFileHandlerTest, LoadAndSaveKeepWhatCouldNotBeReadOrWasChangedAside) {
  const TBytes Complete = SampleFile("Mine");
  TBytes Partial = Complete;
  Partial.resize(Partial.size() - DataFileTrailer.size() - 2);
  const TBytes Foreign = BytesOf("junk");
  const TBytes Other = SampleFile("Theirs");
  struct TCase {
    const char* Name;
    std::optional<TBytes> OnDisk;       // qmp.dat before the load
    std::optional<TBytes> WrittenLater;  // what another program writes before the save
    TOutcome Outcome;
    std::string Failure;
    int Trips;
    bool KeepsChanged, KeepsDamaged;
  };
  const TCase Cases[] = {
      {"missing", std::nullopt, std::nullopt, TOutcome::Missing, "", 0, false, false},
      {"complete", Complete, std::nullopt, TOutcome::Complete, "", 1, false, false},
      {"partial", Partial, std::nullopt, TOutcome::Partial, "Error in loading data!", 1, false, true},
      {"foreign", Foreign, std::nullopt, TOutcome::Foreign, "Error in open data file!", 0, false, true},
      {"touched, not changed", Complete, Complete, TOutcome::Complete, "", 1, false, false},
      {"changed", Complete, Other, TOutcome::Complete, "", 1, true, false},
      {"created meanwhile", std::nullopt, Other, TOutcome::Missing, "", 0, true, false},
      // The changed version is kept; the damaged one it replaced needs no copy.
      {"damaged, then changed", Foreign, Other, TOutcome::Foreign, "Error in open data file!", 0, true, false},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TWorkingFolder Folder;
    if (Case.OnDisk) Folder.Write(DataFileName, *Case.OnDisk);
    TTravelerData Store;
    TDataFileHandler Handler(Store);
    const TDataFileLoad Loaded = Handler.Load();
    EXPECT_EQ(Loaded.Outcome, Case.Outcome);
    EXPECT_EQ(Loaded.Failure, Case.Failure);
    EXPECT_EQ(Store.TripCount(), Case.Trips);
    if (Case.WrittenLater) Folder.Write(DataFileName, *Case.WrittenLater);

    const TDataFileChange Change = Handler.CheckForChange();
    EXPECT_EQ(Change.ChangedElsewhere, Case.KeepsChanged);
    TKeptCopies Kept;
    Handler.Save(Change, Kept);
    EXPECT_EQ(Kept.Changed, Change.KeepAs);
    if (Case.KeepsChanged) {
      EXPECT_EQ(Kept.Changed.rfind("qmp.dat.conflict-", 0), 0u) << Kept.Changed;
      EXPECT_EQ(Folder.Read(Kept.Changed), *Case.WrittenLater);
    }
    EXPECT_EQ(!Kept.Damaged.empty(), Case.KeepsDamaged);
    if (Case.KeepsDamaged) {
      EXPECT_EQ(Kept.Damaged.rfind("qmp.dat.damaged-", 0), 0u) << Kept.Damaged;
      EXPECT_EQ(Folder.Read(Kept.Damaged), *Case.OnDisk);
    }
    EXPECT_EQ(Folder.Names().size(), 1u + Case.KeepsChanged + Case.KeepsDamaged);
    EXPECT_EQ(Folder.Read(DataFileName), DataFileBytes(Store));

    // Kept once: the next save finds nothing to keep.
    const TDataFileChange Again = Handler.CheckForChange();
    EXPECT_FALSE(Again.ChangedElsewhere);
    TKeptCopies Nothing;
    Handler.Save(Again, Nothing);
    EXPECT_TRUE(Nothing.Changed.empty() && Nothing.Damaged.empty());
  }
}

TEST(DataFileHandlerTest, ARestoredSessionStillKeepsADamagedDataFile) {
  TWorkingFolder Folder;
  Folder.Write(DataFileName, BytesOf("junk"));
  Folder.Write(RecoveryFileName, SampleFile("Restored"));
  TTravelerData Store;
  TDataFileHandler Handler(Store);
  Handler.LoadRestored(RecoveryFileName);
  EXPECT_TRUE(Handler.Damaged());
  ASSERT_EQ(Store.TripCount(), 1);
  EXPECT_EQ(Store.GetTrip(0).Name, "Restored");
  TKeptCopies Kept;
  Handler.Save(Handler.CheckForChange(), Kept);
  EXPECT_TRUE(Kept.Changed.empty());
  EXPECT_EQ(Folder.Read(Kept.Damaged), BytesOf("junk"));
}

TEST(DataFileHandlerTest, ADamagedFileThatCannotBeKeptIsNotReplaced) {
  // A folder in the data file's place can be neither read nor copied.
  TWorkingFolder Folder;
  std::filesystem::create_directory(Folder.File(DataFileName));
  TTravelerData Store;
  TDataFileHandler Handler(Store);
  EXPECT_EQ(Handler.Load().Outcome, TOutcome::Foreign);
  TKeptCopies Kept;
  EXPECT_THROW(Handler.Save(Handler.CheckForChange(), Kept), TKeepAsideError);
  EXPECT_TRUE(std::filesystem::is_directory(Folder.File(DataFileName)));
  EXPECT_TRUE(Handler.Damaged());
}

}  // namespace
