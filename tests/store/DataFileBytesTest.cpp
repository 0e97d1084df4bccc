// The exact bytes of the data file, and reading them back.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"
#include "support/TempDir.h"

namespace {

std::vector<std::uint8_t> HeaderBytes() {
  std::vector<std::uint8_t> Bytes = {0x51, 0x00};
  Bytes.insert(Bytes.end(), DataFileHeader.begin(), DataFileHeader.end());
  return Bytes;
}

void Append(std::vector<std::uint8_t>& Bytes, std::initializer_list<int> More) {
  for (int b : More) Bytes.push_back(static_cast<std::uint8_t>(b));
}

TEST(DataFileBytes, EmptyStoreIs89Bytes) {
  TTempDir Dir;
  TTravelerData Store;
  Store.SaveToFile(Dir.File("qmp.dat"));
  auto Expected = HeaderBytes();
  Append(Expected, {0x00, 0x03, 0x00, 0x45, 0x4F, 0x46});
  ASSERT_EQ(DataFileHeader.size(), 81u);
  EXPECT_EQ(Dir.Read("qmp.dat"), Expected);
  EXPECT_EQ(Expected.size(), 89u);
}

TEST(DataFileBytes, OneTripWithOneNote) {
  TTempDir Dir;
  TTravelerData Store;
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Hike";
  Store.AddNote(0, {"Start"}, 5, 6, 2007);
  Store.SaveToFile(Dir.File("qmp.dat"));

  auto Expected = HeaderBytes();
  Append(Expected, {0x01, 0x04, 0x00, 0x48, 0x69, 0x6B, 0x65, 0x01, 0x00, 0x01, 0x05, 0x00, 0x53,
                    0x74, 0x61, 0x72, 0x74, 0x05, 0x06, 0xD7, 0x07});
  Append(Expected, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  Append(Expected, {0x00, 0x00, 0x03, 0x00, 0x45, 0x4F, 0x46});
  EXPECT_EQ(Dir.Read("qmp.dat"), Expected);
  EXPECT_EQ(Expected.size(), 123u);
}

TEST(DataFileBytes, PlanDetailsComeBeforeName) {
  TTempDir Dir;
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddPlan(0, "N", "D");
  Store.SaveToFile(Dir.File("qmp.dat"));
  const auto Bytes = Dir.Read("qmp.dat");
  // header, trip count, empty name, no notes, no gear, one plan: D then N
  const std::size_t PlanStart = 83 + 1 + 2 + 2 + 2 + 2;
  ASSERT_GT(Bytes.size(), PlanStart + 6);
  EXPECT_EQ(std::string(Bytes.begin() + PlanStart, Bytes.begin() + PlanStart + 6),
            std::string("\x01\x00" "D" "\x01\x00" "N", 6));

  TTravelerData Loaded;
  ASSERT_TRUE(Loaded.LoadFromFile(Dir.File("qmp.dat")));
  EXPECT_EQ(Loaded.GetPlan(0, 0).Name, "N");
  EXPECT_EQ(Loaded.GetPlan(0, 0).Details, "D");
}

}  // namespace
