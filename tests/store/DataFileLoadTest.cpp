// Reading the data file back, and every way reading or writing can fail.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"
#include "support/StoreBuilder.h"
#include "support/TempDir.h"

namespace {

class DataFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return Dir.File("qmp.dat"); }
  std::vector<std::uint8_t> SavedSample() {
    TTravelerData Store;
    FillEveryList(Store, "First");
    FillEveryList(Store, "Second");
    Store.SaveToFile(Path());
    return Dir.Read("qmp.dat");
  }
  TTempDir Dir;
};

TEST_F(DataFileTest, RoundTripGivesAnIdenticalStore) {
  TTravelerData Store;
  FillEveryList(Store, "First");
  FillEveryList(Store, "Second");
  Store.SaveToFile(Path());
  TTravelerData Loaded;
  ASSERT_TRUE(Loaded.LoadFromFile(Path()));
  EXPECT_EQ(Dump(Loaded), Dump(Store));
}

TEST_F(DataFileTest, TextBytesAreStoredUnchanged) {
  TTravelerData Store;
  Store.AppendTrip();
  std::string AllBytes;
  for (int b = 0; b < 256; ++b) AllBytes.push_back(static_cast<char>(b));
  Store.GetTrip(0).Name = AllBytes;
  Store.AddPlan(0, "Plan", "one\r\ntwo\nthree\x80\xFF");
  Store.SaveToFile(Path());
  TTravelerData Loaded;
  ASSERT_TRUE(Loaded.LoadFromFile(Path()));
  EXPECT_EQ(Loaded.GetTrip(0).Name, AllBytes);
  EXPECT_EQ(Loaded.GetPlan(0, 0).Details, "one\r\ntwo\nthree\x80\xFF");
}

TEST_F(DataFileTest, MissingFileIsRefused) {
  TTravelerData Store;
  try {
    Store.LoadFromFile(Path());
    FAIL() << "no error";
  } catch (const TDataFileError& Failure) {
    EXPECT_STREQ(Failure.what(), "Error in open data file!");
  }
  EXPECT_EQ(Store.TripCount(), 0);
}

TEST_F(DataFileTest, AnyChangeToTheHeaderIsRefused) {
  const auto Good = SavedSample();
  // One character changed, letter case changed, length changed.
  for (std::size_t Index : {2u, 3u, 40u, 82u}) {
    auto Bad = Good;
    Bad[Index] = static_cast<std::uint8_t>(Bad[Index] ^ 0x20);
    Dir.Write("qmp.dat", Bad);
    TTravelerData Store;
    EXPECT_THROW(Store.LoadFromFile(Path()), TDataFileError) << "byte " << Index;
    EXPECT_EQ(Store.TripCount(), 0);
  }
  auto Longer = Good;
  Longer[0] = 0x52;
  Dir.Write("qmp.dat", Longer);
  TTravelerData Store;
  EXPECT_THROW(Store.LoadFromFile(Path()), TDataFileError);
}

TEST_F(DataFileTest, FileWithoutTrailerKeepsItsTripsAndFails) {
  auto Bytes = SavedSample();
  Bytes.resize(Bytes.size() - 5);
  Dir.Write("qmp.dat", Bytes);
  TTravelerData Store;
  EXPECT_FALSE(Store.LoadFromFile(Path()));
  ASSERT_EQ(Store.TripCount(), 2);
  EXPECT_EQ(Store.GetBudget(1), "600");
}

TEST_F(DataFileTest, WrongTrailerFails) {
  auto Bytes = SavedSample();
  Bytes.back() = 'G';
  Dir.Write("qmp.dat", Bytes);
  TTravelerData Store;
  EXPECT_FALSE(Store.LoadFromFile(Path()));
  EXPECT_EQ(Store.TripCount(), 2);
}

TEST_F(DataFileTest, BytesAfterTheTrailerAreIgnored) {
  auto Bytes = SavedSample();
  Bytes.insert(Bytes.end(), {1, 2, 3, 4});
  Dir.Write("qmp.dat", Bytes);
  TTravelerData Store;
  EXPECT_TRUE(Store.LoadFromFile(Path()));
}

// Cutting the file at every length either refuses it (inside the header) or
// reads what is there and reports the damage; it never crashes, and nothing is
// made up beyond the trips the file begins.
TEST_F(DataFileTest, EveryTruncationIsReported) {
  const auto Good = SavedSample();
  for (std::size_t Length = 0; Length < Good.size(); ++Length) {
    Dir.Write("qmp.dat", std::vector<std::uint8_t>(Good.begin(), Good.begin() + Length));
    TTravelerData Store;
    if (Length < 83) {
      EXPECT_THROW(Store.LoadFromFile(Path()), TDataFileError) << Length;
    } else {
      EXPECT_FALSE(Store.LoadFromFile(Path())) << Length;
      EXPECT_LE(Store.TripCount(), 2) << Length;
    }
  }
}

TEST_F(DataFileTest, HugeCountsInATinyFileStayBounded) {
  // Header, 255 trips, then a name and a note count of 65535 and nothing more.
  std::vector<std::uint8_t> Bytes = {0x51, 0x00};
  Bytes.insert(Bytes.end(), DataFileHeader.begin(), DataFileHeader.end());
  Bytes.insert(Bytes.end(), {0xFF, 0x00, 0x00, 0xFF, 0xFF});
  Dir.Write("qmp.dat", Bytes);
  TTravelerData Store;
  EXPECT_FALSE(Store.LoadFromFile(Path()));
  EXPECT_EQ(Store.TripCount(), 1);
  EXPECT_EQ(Store.NoteCount(0), 0);
}

TEST_F(DataFileTest, LongStringLengthPastTheEndIsReported) {
  std::vector<std::uint8_t> Bytes = {0x51, 0x00};
  Bytes.insert(Bytes.end(), DataFileHeader.begin(), DataFileHeader.end());
  Bytes.insert(Bytes.end(), {0x01, 0xFF, 0xFF, 'a', 'b'});
  Dir.Write("qmp.dat", Bytes);
  TTravelerData Store;
  EXPECT_FALSE(Store.LoadFromFile(Path()));
}

TEST_F(DataFileTest, SavingReplacesTheFileAndLeavesNoTemporaryFile) {
  SavedSample();
  TTravelerData Empty;
  Empty.SaveToFile(Path());
  EXPECT_EQ(Dir.Read("qmp.dat").size(), 89u);
  EXPECT_EQ(Dir.Names(), std::vector<std::string>{"qmp.dat"});
}

TEST_F(DataFileTest, SavingKeepsTheFilePermissions) {
  SavedSample();
  ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
  TTravelerData Empty;
  Empty.SaveToFile(Path());
  struct stat Info {};
  ASSERT_EQ(stat(Path().c_str(), &Info), 0);
  EXPECT_EQ(Info.st_mode & 0777, 0640u);
}

TEST_F(DataFileTest, SaveIntoMissingFolderFailsWithAMessage) {
  TTravelerData Store;
  try {
    Store.SaveToFile(Dir.File("no-such-folder/qmp.dat"));
    FAIL();
  } catch (const TFileIOError& Failure) {
    EXPECT_EQ(std::string(Failure.what()).rfind("Could not create '", 0), 0u) << Failure.what();
  }
}

TEST_F(DataFileTest, FailedRenameKeepsTheOldFileAndCleansUp) {
  std::filesystem::create_directories(Dir.File("qmp.dat") + "/occupied");
  TTravelerData Store;
  EXPECT_THROW(Store.SaveToFile(Path()), TFileIOError);
  EXPECT_EQ(Dir.Names(), std::vector<std::string>{"qmp.dat"});
  EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

// What the format cannot hold is refused before anything is written.
struct TLimitCase {
  const char* What;
  void (*Grow)(TTravelerData&);
  const char* Message;
};

const TLimitCase LimitCases[] = {
    {"trips", [](TTravelerData& S) { for (int i = 0; i < 255; ++i) S.AppendTrip(); },
     "Cannot save the trip plans: there are 256 trips; the data file holds at most 255."},
    {"note lines", [](TTravelerData& S) { S.AddNote(0, TTextLines(256, "x"), 1, 2, 2024); },
     "Cannot save the trip plans: the note of 1/2/2024 in trip 1 (\"T\") has 256 lines; the data file "
     "holds at most 255 lines in one note."},
    {"plans", [](TTravelerData& S) { for (int i = 0; i < 65536; ++i) S.AddPlan(0, "", ""); },
     "Cannot save the trip plans: trip 1 (\"T\") has 65536 logistics plans; the data file holds at most "
     "65535."},
    {"items", [](TTravelerData& S) {
       S.AddGearCategory(0, "Big");
       for (int i = 0; i < 65536; ++i) S.AddGearItem(0, 0, "", "", "", "", "", "", "");
     },
     "Cannot save the trip plans: gear category \"Big\" of trip 1 (\"T\") has 65536 items; the data file "
     "holds at most 65535."},
    {"text", [](TTravelerData& S) { S.SetBudget(0, std::string(65536, '9')); },
     "Cannot save the trip plans: the budget in trip 1 (\"T\") is 65536 bytes long; the data file holds "
     "at most 65535 bytes in one text."},
    {"note date", [](TTravelerData& S) { S.AddNote(0, {"x"}, 1, 1, 70000); },
     "Cannot save the trip plans: the date 1/1/70000 of a note in trip 1 (\"T\") cannot be stored in the "
     "data file."},
};

TEST_F(DataFileTest, LimitsAreRefusedBeforeWriting) {
  for (const auto& Case : LimitCases) {
    const auto Before = SavedSample();
    TTravelerData Store;
    Store.AppendTrip();
    Store.GetTrip(0).Name = "T";
    Case.Grow(Store);
    try {
      Store.SaveToFile(Path());
      ADD_FAILURE() << Case.What << ": saved";
    } catch (const TFormatLimitError& Failure) {
      EXPECT_STREQ(Failure.what(), Case.Message) << Case.What;
    }
    EXPECT_EQ(Dir.Read("qmp.dat"), Before) << Case.What;
  }
}

TEST_F(DataFileTest, LargestRepresentableStoreIsSaved) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddNote(0, TTextLines(255, "x"), 255, 255, 65535);
  Store.SetBudget(0, std::string(65535, '1'));
  Store.SaveToFile(Path());
  TTravelerData Loaded;
  ASSERT_TRUE(Loaded.LoadFromFile(Path()));
  EXPECT_EQ(Loaded.GetNote(0, 0).Lines.size(), 255u);
  EXPECT_EQ(Loaded.GetNote(0, 0).Year, 65535);
  EXPECT_EQ(Loaded.GetBudget(0).size(), 65535u);
}

// ---- The byte stream ----

TEST_F(DataFileTest, ByteStreamWordsAreLittleEndian) {
  {
    TByteFile Out(Path());
    ASSERT_TRUE(Out.Open(0));
    Out.WriteWord(0x07D7);
    Out.WriteString("Hi");
    Out.WriteByte(0xFF);
    Out.Close();
  }
  EXPECT_EQ(Dir.Read("qmp.dat"), (std::vector<std::uint8_t>{0xD7, 0x07, 0x02, 0x00, 'H', 'i', 0xFF}));
  TByteFile In(Path());
  ASSERT_TRUE(In.Open(1));
  EXPECT_EQ(In.ReadWord(), 0x07D7);
  EXPECT_EQ(In.ReadString(), "Hi");
  EXPECT_EQ(In.ReadByte(), 0xFF);
  EXPECT_FALSE(In.ReadFailed());
  EXPECT_EQ(In.ReadByte(), 0);
  EXPECT_TRUE(In.ReadFailed());
  In.Close();
}

TEST_F(DataFileTest, ByteStreamModes) {
  TByteFile Missing(Dir.File("missing"));
  EXPECT_FALSE(Missing.Open(1));
  EXPECT_EQ(Missing.OpenMode, 0);
  EXPECT_THROW(Missing.Close(), TFileIOError);
  EXPECT_EQ(Missing.ReadByte(), 0);

  Dir.Write("qmp.dat", {1, 2, 3});
  TByteFile Append(Path());
  ASSERT_TRUE(Append.Open(3));
  EXPECT_EQ(Append.OpenMode, 3);
  Append.WriteByte(9);  // refused in this mode
  EXPECT_EQ(Append.ReadByte(), 0);
  Append.Close();
  EXPECT_EQ(Dir.Read("qmp.dat"), (std::vector<std::uint8_t>{1, 2, 3}));

  TByteFile Update(Path());
  ASSERT_TRUE(Update.Open(2));
  EXPECT_EQ(Update.ReadByte(), 1);
  Update.WriteByte(7);
  Update.Close();
  EXPECT_EQ(Dir.Read("qmp.dat"), (std::vector<std::uint8_t>{1, 7, 3}));
}

TEST_F(DataFileTest, UnclosedWriterLeavesTheFileAlone) {
  const auto Before = SavedSample();
  {
    TByteFile Out(Path());
    ASSERT_TRUE(Out.Open(0));
    Out.WriteString("half a file");
  }
  EXPECT_EQ(Dir.Read("qmp.dat"), Before);
  EXPECT_EQ(Dir.Names(), std::vector<std::string>{"qmp.dat"});
}

TEST_F(DataFileTest, CopyAsideKeepsTheBytes) {
  const auto Before = SavedSample();
  EXPECT_EQ(CopyFileAside(Path(), ".damaged-x"), Path() + ".damaged-x");
  EXPECT_EQ(Dir.Read("qmp.dat.damaged-x"), Before);
  EXPECT_THROW(CopyFileAside(Dir.File("missing"), ".x"), TFileIOError);
}

}  // namespace
