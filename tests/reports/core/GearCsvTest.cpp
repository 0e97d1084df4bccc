// Gear lists as CSV: files of the web gear-list layout, records that cannot
// be read, and export followed by import.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "gear/core/Units.h"
#include "reports/core/GearCsv.h"
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
        // BOM, CR LF, columns in another order and letter case, two
        // description columns joined, a line break inside a quoted field,
        // imperial units, a price with a currency sign.
        TFileCase{"bom-crlf-imperial.csv",
                  {"Sleep", "Water"},
                  {{"Sleep", "Quilt", "0.581164597153711", "300", "Down,\r\n850 fill; warm"},
                   {"Sleep", "Pad", "0.45359290943564", "0", ""},
                   {"Water", "Filter", "0.170096955264501", "80", ""},
                   {"Water", "Bottle", "0.045359290943564", "5", ""}}},
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
        TBadCase{"Item Name,Category,weight\nTent,Shelter,1\n",
                 "Line 1: the weights name no unit: there is no unit column and no unit in the weight column's name "
                 "or its cells"},
        TBadCase{"Title,Category,weight,unit\n",
                 "Line 1: no column for the name: looked for item name, name, item, gear, description"},
        TBadCase{"this,is,not,a,gear,list\nrandom,data,without,proper,headers,here\n",
                 "Line 1: no column for the weight: looked for weight, wt, weight (g), weight_oz, weight [lb], ..."},
        TBadCase{"a,b\n1,2\n",
                 "Line 1: no column for the name: looked for item name, name, item, gear, description; no column "
                 "for the weight: looked for weight, wt, weight (g), weight_oz, weight [lb], ..."},
        // Two columns for one thing are named, never picked.
        TBadCase{"Name,Weight (g),Weight (oz)\nTent,1,2\n",
                 "Line 1: the columns \"Weight (g)\" and \"Weight (oz)\" could each hold the weight; rename the one "
                 "that does not"},
        TBadCase{"Item,Gear,Weight (g)\n", "Line 1: the columns \"Item\" and \"Gear\" could each hold the name; "
                                           "rename the one that does not"},
        TBadCase{"Name,Weight (stone)\n",
                 "Line 1: the unit \"stone\" in the column name \"Weight (stone)\" is not ounce, pound, gram or "
                 "kilogram"},
        TBadCase{std::string(Head) + "Tent,Shelter,,1,1,stone,,,,\n",
                 "Line 2: the unit \"stone\" is not ounce, pound, gram or kilogram"},
        TBadCase{"Item Name,Category,weight,unit\nA,B,1,g\nTent,Shelter,1kgx,g\n",
                 "Line 3: the unit \"kgx\" of the weight \"1kgx\" is not ounce, pound, gram or kilogram"},
        TBadCase{"Item Name,weight,unit\nTent,heavy,g\n", "Line 2: the weight \"heavy\" is not a number"},
        TBadCase{"Item Name,weight,unit\nTent,1 kg 2,g\n", "Line 2: the weight \"1 kg 2\" is not a number"},
        TBadCase{"Item Name,Category,qty,weight,unit\nTent,Shelter,-1,1,g\n", "Line 2: the qty \"-1\" is negative"},
        // Numbers a gear list cannot hold.
        TBadCase{"Item Name,weight,unit\nTent,-500,g\n", "Line 2: the weight \"-500\" is negative"},
        TBadCase{"Item Name,weight,unit,price\nTent,1,g,-3\n", "Line 2: the price \"-3\" is negative"},
        TBadCase{"Item Name,weight,unit\nTent,1e-5000,g\n", "Line 2: the weight \"1e-5000\" is too small to be stored"},
        TBadCase{"Item Name,weight,unit,price\nTent,1,g,1e309\n",
                 "Line 2: the price \"1e309\" is too large to be stored"},
        TBadCase{"Item Name,weight,unit\nTent,inf,g\n", "Line 2: the weight \"inf\" is not a number"},
        TBadCase{"Item Name,weight,unit\nTent,nan,g\n", "Line 2: the weight \"nan\" is not a number"},
        TBadCase{"Item Name,Category,qty,weight,unit\nTent,Shelter,10,1E308,kg\n", "Line 2: the weight is too large"},
        TBadCase{"Item Name,qty,weight,unit,price\nTent,10,1,kg,1E308\n", "Line 2: the price is too large"},
        TBadCase{"Item Name,Category,qty,weight,unit\nTent,Shelter,1E300,1E300,g\n", "Line 2: the weight is too large"},
        TBadCase{"Item Name,qty,weight,unit\nTent,1E-300,1E-300,kg\n", "Line 2: the weight is too small"},
        // A NUL byte does not cut the message short.
        TBadCase{std::string("Item Name,weight,unit\nTent,1\0x,g\n", 33),
                 "Line 2: the weight \"1\\x00x\" is not a number"},
        // "1,200" could be either; a dollar sign says "," groups.
        TBadCase{"Item Name,weight,unit\nTent,\"1,200\",g\n",
                 "Line 2: the weight \"1,200\" could mean 1.200 or 1200; write it without the group separator"},
        TBadCase{"Item Name,weight,unit,price\nTent,1,g,\"1,2,3\"\n", "Line 2: the price \"1,2,3\" is not a number"},
        TBadCase{"Item Name,weight\nTent,12\nPot,3 oz\n", "Line 2: the weight \"12\" names no unit"},
        TBadCase{"Item Name,Category,weight,unit\nTent,Shelter,1\n",
                 "Line 2: the record has 3 fields where the header has 4"},
        TBadCase{"Item Name,Category,weight,unit\n\"Tent\nShelter,1,g\n",
                 "Line 2: a quoted field is not closed"},
        TBadCase{"Item Name,Category,weight,unit\n\"a\nb\",Shelter,1,g\n\"Tent\"x,S,1,g\n",
                 "Line 4: text follows the closing quote of a field"},
        TBadCase{"Item Name,Category,weight,unit\nTent,Shelter,1,\n",
                 "Line 2: the unit \"\" is not ounce, pound, gram or kilogram"}));

// How header lines and cells are understood: the texts of the first item,
// the columns as the preview names them, and the counts.
struct TReadCase {
  const char* Label;
  std::string Text;
  std::optional<int> Unit;    // the unit picked for weights without one
  std::string Columns;        // as the preview names them
  const char* FirstItem;      // category|name|stored weight|cost|other
  std::size_t Categories, Items;
  int LinesAbove, SummaryRows;
};

class GearCsvReadTest : public ::testing::TestWithParam<TReadCase> {};

TEST_P(GearCsvReadTest, UnderstandsWhatPeopleWrite) {
  TGearCsvOptions Options;
  Options.WeightUnit = GetParam().Unit;
  Options.CategoryName = "from file";
  const TGearCsvReading Reading = ReadGearCsvText(GetParam().Text, Options);
  EXPECT_EQ(Reading.Columns, GetParam().Columns);
  ASSERT_FALSE(Reading.Categories.empty());
  ASSERT_FALSE(Reading.Categories.front().Items.empty());
  const TCsvGearItem& Item = Reading.Categories.front().Items.front();
  EXPECT_EQ(Reading.Categories.front().Name + "|" + Item.Name + "|" + Item.Weight + "|" + Item.Cost + "|" + Item.Other,
            GetParam().FirstItem);
  EXPECT_EQ(Reading.Categories.size(), GetParam().Categories);
  EXPECT_EQ(Reading.ItemCount(), GetParam().Items);
  EXPECT_EQ(Reading.LinesAboveHeader, GetParam().LinesAbove);
  EXPECT_EQ(Reading.SummaryRows, GetParam().SummaryRows);
}

const char* const Arrow = " \xE2\x86\x90 ";

std::string Map(std::initializer_list<std::pair<const char*, const char*>> Pairs) {
  std::string Text;
  for (const auto& [Role, Column] : Pairs) Text += (Text.empty() ? "" : ", ") + std::string(Role) + Arrow + Column;
  return Text;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GearCsvReadTest,
    ::testing::Values(
        TReadCase{"UnitInTheColumnName", "Item,Weight (g),Group,Type\nTent,1250,Shelter,Tents\n", {},
                  Map({{"name", "Item"}, {"weight", "Weight (g)"}, {"category", "Group"}}), "Shelter|Tent|1.25|0|", 1, 1, 0, 0},
        TReadCase{"UnderscoreUnitAndCurrency",
                  "name,category,number,weight_g,cost_gbp,comment\nPegs,Basics,6,9,\"\xC2\xA3" "3,858.54\",x\n",
                  {}, Map({{"name", "name"}, {"weight", "weight_g"}, {"qty", "number"}, {"category", "category"}, {"price", "cost_gbp"}, {"description", "comment"}}), "Basics|Pegs|0.054|23151.24|x", 1, 1, 0, 0},
        TReadCase{"BracketedPoundsAndDollars", "Gear,Weight [lb],Price ($),Qty\nStove,\"1,5\",\"$1,200\",2\n", {},
                  Map({{"name", "Gear"}, {"weight", "Weight [lb]"}, {"qty", "Qty"}, {"price", "Price ($)"}}), "from file|Stove|1.36077872830692|2400|", 1, 1, 0, 0},
        TReadCase{"UnitsInTheCells",
                  "MY PACK LIST,,,\ngroup,gear,count,wt\nBig Three,Tent,1,1 lb 10 oz\nSleep,Quilt,2,3.9 oz each\n"
                  "Sleep,Pillow,1,450g\nSleep,Pad,1,\"1,2 kg\"\nSleep,Spare,1,\n,,,\nTOTAL,,,\n",
                  {}, Map({{"name", "gear"}, {"weight", "wt"}, {"qty", "count"}, {"category", "group"}}), "Big Three|Tent|0.737087834876474|0|", 2, 5, 1, 1},
        TReadCase{"DescriptionNamesTheItemWithoutANameColumn",
                  "Category,Description,Quantity,Weight,Unit,Type\nPack,ULA Circuit,1,40.8,oz,Backpack\n", {}, Map({{"name", "Description"}, {"weight", "Weight"}, {"unit", "Unit"}, {"qty", "Quantity"}, {"category", "Category"}}),
                  "Pack|ULA Circuit|1.15665929579861|0|", 1, 1, 0, 0},
        TReadCase{"NoUnitAnywhereTakesThePickedUnit", "category,name,brand,weight,qty\nShelter,Hammock,Hennessy,30.1,1\n",
                  3, Map({{"name", "name"}, {"weight", "weight"}, {"qty", "qty"}, {"category", "category"}, {"description", "brand"}}), "Shelter|Hammock|0.853319725576912|0|Hennessy", 1, 1, 0, 0},
        TReadCase{"HeaderlessWebToolRecords",
                  "Wind Shirt,Clothing,light shell,1,98.5,g,https://example.org/shirt,42.75,Worn,\nNeck Gaiter,Clothing,,1,,,,,Worn,\n", {}, Map({{"name", "field 1"}, {"weight", "field 5"}, {"unit", "field 6"}, {"qty", "field 4"}, {"category", "field 2"}, {"price", "field 8"}, {"description", "field 3"}}),
                  "Clothing|Wind Shirt|0.0985|42.75|light shell", 1, 2, 0, 0},
        TReadCase{"DecimalCommaAndGroups", "Item Name,weight,unit,qty,price\nA,\"1.234,5\",g,\"1,5\",\"2,50 \xE2\x82\xAC\"\n",
                  {}, Map({{"name", "Item Name"}, {"weight", "weight"}, {"unit", "unit"}, {"qty", "qty"}, {"price", "price"}}), "from file|A|1.85175|3.75|", 1, 1, 0, 0},
        TReadCase{"WindowsCodePageText", "Item Name,Category,weight,unit\nCaf\xE9,K\xE4" "che,1,kg\n", {}, Map({{"name", "Item Name"}, {"weight", "weight"}, {"unit", "unit"}, {"category", "Category"}}),
                  "K\xC3\xA4" "che|Caf\xC3\xA9|1|0|", 1, 1, 0, 0},
        TReadCase{"BlanksGroupDigits", "Item Name,weight,unit,qty,price\nA,1,kg,2,\"1 200,50 \xE2\x82\xAC\"\n", {},
                  Map({{"name", "Item Name"}, {"weight", "weight"}, {"unit", "unit"}, {"qty", "qty"},
                       {"price", "price"}}),
                  "from file|A|2|2401|", 1, 1, 0, 0},
        TReadCase{"ZeroNeedsNoUnit", "Item Name,weight,unit\nTent,2,kg\nGaiters,0,\n", {},
                  Map({{"name", "Item Name"}, {"weight", "weight"}, {"unit", "unit"}}), "from file|Tent|2|0|", 1, 2, 0,
                  0},
        TReadCase{"PriceWithoutAFigure", "Item Name,weight,unit,cost\nTent,1,kg,TO BUY\n", {}, Map({{"name", "Item Name"}, {"weight", "weight"}, {"unit", "unit"}, {"price", "cost"}}), "from file|Tent|1|0|",
                  1, 1, 0, 0}),
    [](const ::testing::TestParamInfo<TReadCase>& Info) { return std::string(Info.param.Label); });

TEST(GearCsvTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvRecordText({"plain", "a,b", "say \"hi\"", "two\r\nlines", " padded", ""}),
            "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\" padded\",\r\n");
}

// Name, Weight (to 15 significant digits), Cost (a figure, with either
// separator) and Other come back the same, in every unit, and so does every
// category, the empty one included.
TEST(GearCsvTest, ExportThenImportGivesTheSameGearList) {
  TTravelerData Source;
  Source.AppendTrip();
  Source.AddGearCategory(0, "Shelter, \"big\"");
  Source.AddGearItem(0, 0, "Tent", "1.25", "349.99", "Yes", "9", "0.01", "two\r\nlines, \"quoted\"");
  Source.AddGearItem(0, 0, " Stakes ", "0.453592370000001", "0.5", "No", "5", "0", "");
  Source.AddGearCategory(0, "Empty");
  Source.AddGearCategory(0, "");
  Source.AddGearItem(0, 2, "", "1E-5", "0", "No", "10", "0", "no category name");
  Source.AddGearItem(0, 2, "Heavy", "123456789012345", "3.5", "No", "10", "0", "x");
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
  Store.AddGearItem(0, 0, "Cup", "0.1", "2", "Yes", "5", "0.3", "");
  EXPECT_THROW(ReadGearCsvFile(Dir.File("gear.csv"), Store, 0), TCsvError);
  EXPECT_EQ(Store.GearCategoryCount(0), 1);
  EXPECT_THROW(ReadGearCsvFile(Dir.File("missing.csv"), Store, 0), TFileIOError);
  WriteGearCsvFile(Dir.File("out.csv"), Store, 0, 1);
  ReadGearCsvFile(Dir.File("out.csv"), Store, 0);
  ASSERT_EQ(Store.GearCategoryCount(0), 2);
  // Own, Necessity and Volume have no column: the values of a new item.
  const TGearCategory& Item = Store.GetGearItem(0, 1, 0);
  EXPECT_EQ(Item.Own + "|" + Item.Necessity + "|" + Item.Volume, "No|10|0");
}

}  // namespace

namespace {

std::string Repeated(const std::string& Record, int Count) {
  std::string Text;
  for (int i = 0; i < Count; ++i) Text += Record;
  return Text;
}

void ExpectRefusal(const std::string& Text, const char* Message) {
  try {
    ReadGearCsvText(Text);
    ADD_FAILURE() << "read without complaint";
  } catch (const TCsvError& Failure) {
    EXPECT_STREQ(Failure.what(), Message);
  }
}

// Reading stops at the first thing the data file could not hold, so that no
// input is read whole into memory.
TEST(GearCsvTest, StopsAtTheLimitsOfTheDataFile) {
  const std::string Header = "Item Name,Category,weight,unit\n";
  ExpectRefusal(Header + "\"" + std::string(70000, 'a') + "\",Shelter,1,g\n",
                "Line 2: a field is longer than 65535 bytes; the data file holds at most 65535 bytes in one text");
  ExpectRefusal(Header + Repeated("Peg,Shelter,1,g\n", 65536),
                "Line 65537: the category \"Shelter\" has more than 65535 items; the data file holds at most 65535 "
                "entries in a list");
  ExpectRefusal(Repeated(",", 70000) + "\n",
                "Line 1: the record has more than 65535 fields");
  EXPECT_EQ(ReadGearCsvText(Header + Repeated("Peg,Shelter,1,g\n", 65535)).ItemCount(), 65535u);
}

// The preview's summary, as the planner shows it and qmp import-gear
// --dry-run prints it, and its first rows.
TEST(GearCsvTest, SummarisesWhatWillBeAdded) {
  const TGearCsvReading Reading = ReadGearCsvText(
      "Pack list,,,\nItem,Weight (g),Group,Cost\nTent,1250,Shelter,$300\nStakes,,Shelter,\nStove,73,Kitchen,TO BUY\n"
      "Total,,,\n");
  EXPECT_EQ(GearCsvSummary(Reading, 3),
            (std::vector<std::string>{
                "Columns: name \xE2\x86\x90 Item, weight \xE2\x86\x90 Weight (g), category \xE2\x86\x90 Group, price "
                "\xE2\x86\x90 Cost",
                "2 categories, 3 items, total weight 46.667502 oz", "Skipped: 1 line above the header, 1 summary row",
                "No weight, added with weight 0: \"Stakes\" (line 4)",
                "Line 5: the price \"TO BUY\" is no figure; the cost is 0"}));
  EXPECT_EQ(GearCsvFirstRows(Reading, 0, 2),
            (std::vector<std::vector<std::string>>{{"Shelter", "Tent", "1250 gr", "300", ""},
                                                   {"Shelter", "Stakes", "0 gr", "0", ""}}));
}

// A row named Total that has a weight is an item, and the preview says so.
TEST(GearCsvTest, NamesATotalRowThatHasAWeight) {
  const TGearCsvReading Reading = ReadGearCsvText("Item,Weight (g)\nTent,1000\nTOTAL,1000\n");
  EXPECT_EQ(Reading.ItemCount(), 2u);
  EXPECT_EQ(Reading.Notes, std::vector<std::string>{"Line 3: \"TOTAL\" has a weight and is added as an item"});
}

// A file without a category column fills one category named after the file;
// the stream reader gives what the text reader gives.
TEST(GearCsvTest, AFileWithoutCategoriesTakesItsName) {
  TTempDir Dir;
  const std::string Text = "name,weight_g\nPlasters,1.3\nTape,20.7\n";
  Dir.Write("first-aid.csv", std::vector<std::uint8_t>(Text.begin(), Text.end()));
  const TGearCsvReading Reading = ReadGearCsvFile(Dir.File("first-aid.csv"));
  ASSERT_EQ(Reading.Categories.size(), 1u);
  EXPECT_EQ(Reading.Categories[0].Name, "first-aid");
  EXPECT_EQ(Reading.ItemCount(), 2u);
  EXPECT_EQ(Reading.FileUnit, std::optional<int>(0));
}

}  // namespace
