// Gear lists as CSV: files of the web gear-list layout, records that cannot
// be read, and export followed by import.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "gear/Units.h"
#include "reports/GearCsv.h"
#include "store/StoreErrors.h"
#include "support/TempDir.h"

namespace {

std::string FileText(const std::string& Name) {
  std::ifstream In(std::string(QMP_CSV_FILES) + "/" + Name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), {});
}

struct TExpectedItem {
  const char* Category;
  const char* Name;
  const char* Weight;
  const char* Cost;
  const char* Other;
};

struct TFileCase {
  const char* File;
  std::vector<const char*> Categories;
  std::vector<TExpectedItem> Items;
};

class GearCsvFileTest : public ::testing::TestWithParam<TFileCase> {};

TEST_P(GearCsvFileTest, ReadsEveryItemIntoItsCategory) {
  const auto Categories = ReadGearListCsv(FileText(GetParam().File));
  std::vector<const char*> Names;
  std::vector<std::string> Seen, Expected;
  for (const auto& Category : Categories) {
    Names.push_back(Category.Name.c_str());
    for (const auto& Item : Category.Items) {
      Seen.push_back(Category.Name + "|" + Item.Name + "|" + Item.Weight + "|" + Item.Cost + "|" + Item.Other);
      EXPECT_EQ(Item.Own + Item.Necessity + Item.Volume, "No100");
    }
  }
  for (const auto& Item : GetParam().Items)
    Expected.push_back(std::string(Item.Category) + "|" + Item.Name + "|" + Item.Weight + "|" + Item.Cost + "|" +
                       Item.Other);
  EXPECT_EQ(std::vector<std::string>(Names.begin(), Names.end()),
            std::vector<std::string>(GetParam().Categories.begin(), GetParam().Categories.end()));
  EXPECT_EQ(Seen, Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GearCsvFileTest,
    ::testing::Values(
        // LF, quoted commas and quotes, qty multiplying weight and price, unit spellings.
        TFileCase{"web-grams.csv",
                  {"Shelter", "Kitchen", "Clothing"},
                  {{"Shelter", "Tent", "1.25", "349.99", "Two-person, freestanding"},
                   {"Shelter", "Stakes", "0.112", "20", ""},
                   {"Kitchen", "Stove", "0.073", "45", "Says \"ultralight\""},
                   {"Kitchen", "Fuel canister", "0.46", "0", ""},
                   {"Clothing", "Rain jacket", "0.39", "120", ""}}},
        // BOM, CR LF, columns in another order and letter case, an unknown
        // column, a line break inside a quoted field, imperial units.
        TFileCase{"bom-crlf-imperial.csv",
                  {"Sleep", "Water"},
                  {{"Sleep", "Quilt", "0.581164597153711", "300", "Down,\r\n850 fill"},
                   {"Sleep", "Pad", "0.45359290943564", "0", ""},
                   {"Water", "Filter", "0.170096955264501", "80", ""},
                   {"Water", "Bottle", "0.045359290943564", "$5", ""}}},
        // A record for an empty category, UTF-8 text, a blank last line.
        TFileCase{"empty-category-utf8.csv",
                  {"Empty one", "Kitchen"},
                  {{"Kitchen", "Caf\xc3\xa9 mug", "2.26795940352668", "0", "caf\xc3\xa9"}}}));

struct TBadCase {
  std::string Text;
  const char* Message;
};

class GearCsvBadRecordTest : public ::testing::TestWithParam<TBadCase> {};

TEST_P(GearCsvBadRecordTest, NamesTheLineAndTheReason) {
  try {
    ReadGearListCsv(GetParam().Text);
    FAIL() << "read without complaint";
  } catch (const TCsvError& Failure) {
    EXPECT_STREQ(Failure.what(), GetParam().Message);
  }
}

const char* const Head = "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable\n";

INSTANTIATE_TEST_SUITE_P(
    Records, GearCsvBadRecordTest,
    ::testing::Values(
        TBadCase{"", "Line 1: there is no header line"},
        TBadCase{"Item Name,Category,weight\nTent,Shelter,1\n", "Line 1: the header has no \"unit\" column"},
        TBadCase{"Name,Category,weight,unit\n", "Line 1: the header has no \"Item Name\" column"},
        TBadCase{std::string(Head) + "Tent,Shelter,,1,1,stone,,,,\n",
                 "Line 2: the unit \"stone\" is not ounce, pound, gram or kilogram"},
        TBadCase{"Item Name,Category,weight,unit\nA,B,1,g\nTent,Shelter,1kg,g\n",
                 "Line 3: the weight \"1kg\" is not a number"},
        TBadCase{"Item Name,Category,qty,weight,unit\nTent,Shelter,-1,1,g\n", "Line 2: the qty \"-1\" is negative"},
        TBadCase{"Item Name,Category,qty,weight,unit,price\nTent,Shelter,2,1,g,$5\n",
                 "Line 2: the price \"$5\" is not a number"},
        TBadCase{"Item Name,Category,weight,unit\nTent,Shelter,1\n",
                 "Line 2: the record has 3 fields where the header has 4"},
        TBadCase{"Item Name,Category,weight,unit\n\"Tent\nShelter,1,g\n",
                 "Line 2: a quoted field is not closed"},
        TBadCase{"Item Name,Category,weight,unit\n\"a\nb\",Shelter,1,g\n\"Tent\"x,S,1,g\n",
                 "Line 4: text follows the closing quote of a field"},
        TBadCase{"Item Name,Category,weight,unit\nTent,Shelter,1,\n",
                 "Line 2: the unit \"\" is not ounce, pound, gram or kilogram"},
        TBadCase{"Item Name,Category,qty,weight,unit\nTent,Shelter,1E300,1E300,g\n",
                 "Line 2: the weight is too large"}));

TEST(GearCsvTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvRecordText({"plain", "a,b", "say \"hi\"", "two\r\nlines", " padded", ""}),
            "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\" padded\",\r\n");
}

// Name, Weight (to 15 significant digits), Cost and Other come back the
// same, in every unit, and so does every category, the empty one included.
TEST(GearCsvTest, ExportThenImportGivesTheSameGearList) {
  TTravelerData Source;
  Source.AppendTrip();
  Source.AddGearCategory(0, "Shelter, \"big\"");
  Source.AddGearItem(0, 0, "Tent", "1.25", "349.99", "Yes", "9", "0.01", "two\r\nlines, \"quoted\"");
  Source.AddGearItem(0, 0, " Stakes ", "0.453592370000001", "n/a", "No", "5", "0", "");
  Source.AddGearCategory(0, "Empty");
  Source.AddGearCategory(0, "");
  Source.AddGearItem(0, 2, "", "1E-5", "0", "No", "10", "0", "no category name");
  Source.AddGearItem(0, 2, "Heavy", "123456789012345", "-3.5", "No", "10", "0", "x");
  Source.AddGearItem(0, 2, "Odd", "0.0123456789012345", "12,50", "No", "10", "0", "");
  for (int Unit = 0; Unit < static_cast<int>(WeightUnits.size()); ++Unit) {
    SCOPED_TRACE(WeightUnits[static_cast<std::size_t>(Unit)].Name);
    TTravelerData Target;
    Target.AppendTrip();
    AddGearCategories(Target, 0, ReadGearListCsv(GearListCsv(Source.GetTrip(0), Unit)));
    ASSERT_EQ(Target.GearCategoryCount(0), Source.GearCategoryCount(0));
    for (int Cat = 0; Cat < Source.GearCategoryCount(0); ++Cat) {
      EXPECT_EQ(Target.GetGearCategory(0, Cat).Name, Source.GetGearCategory(0, Cat).Name);
      ASSERT_EQ(Target.GearItemCount(0, Cat), Source.GearItemCount(0, Cat));
      for (int i = 0; i < Source.GearItemCount(0, Cat); ++i) {
        const TGearCategory& Was = Source.GetGearItem(0, Cat, i);
        const TGearCategory& Is = Target.GetGearItem(0, Cat, i);
        EXPECT_EQ(Is.Name, Was.Name);
        EXPECT_EQ(Is.Weight, Was.Weight);
        EXPECT_EQ(Is.Cost, Was.Cost);
        EXPECT_EQ(Is.Other, Was.Other);
      }
    }
  }
}

TEST(GearCsvTest, ExportWritesTheLayoutOfTheWebTools) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddGearCategory(0, "Kitchen");
  Store.AddGearItem(0, 0, "Stove", "0.073", "45", "Yes", "8", "0.001", "Caf\xe9");
  EXPECT_EQ(GearListCsv(Store.GetTrip(0), 0),
            "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable\r\n"
            "Stove,Kitchen,Caf\xc3\xa9,1,73,gram,,45,,\r\n");
  Store.GetGearItem(0, 0, 0).Weight = "heavy";
  EXPECT_THROW(GearListCsv(Store.GetTrip(0), 0), std::invalid_argument);
}

TEST(GearCsvTest, AFileWithABadRecordAddsNothing) {
  TTempDir Dir;
  Dir.Write("gear.csv", [] {
    const std::string Text = std::string(Head) + "Tent,Shelter,,1,1,kg,,,,\nStove,Kitchen,,1,x,kg,,,,\n";
    return std::vector<std::uint8_t>(Text.begin(), Text.end());
  }());
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddGearCategory(0, "Kept");
  EXPECT_THROW(ReadGearCsvFile(Dir.File("gear.csv"), Store, 0), TCsvError);
  EXPECT_EQ(Store.GearCategoryCount(0), 1);
  EXPECT_THROW(ReadGearCsvFile(Dir.File("missing.csv"), Store, 0), TFileIOError);
  WriteGearCsvFile(Dir.File("out.csv"), Store, 0, 1);
  ReadGearCsvFile(Dir.File("out.csv"), Store, 0);
  EXPECT_EQ(Store.GearCategoryCount(0), 2);
}

}  // namespace
