// The section texts of the report, byte for byte.
#include <gtest/gtest.h>

#include "gear/core/NumberText.h"
#include "reports/core/ReportSections.h"

namespace {

constexpr int Grams = 0, Kilograms = 1, Pounds = 2, Ounces = 3;
constexpr int CubicCentimeters = 0, CubicMeters = 3, Liters = 7;

class ReportSectionsTest : public ::testing::Test {
 protected:
  ReportSectionsTest() {
    Store.AppendTrip();
    Trip().Name = "Sierra";
  }
  TTrip& Trip() { return Store.GetTrip(0); }
  std::string Text(TReportSection Section, TDisplayUnits Units = {Kilograms, CubicMeters, '.'}) {
    return TReportSections(Trip(), Units).Text(Section);
  }
  void AddGear(const std::string& Weight, const std::string& Volume) {
    if (Store.GearCategoryCount(0) == 0) Store.AddGearCategory(0, "Shelter");
    Store.AddGearItem(0, 0, "Tent", Weight, "329", "Yes", "10", Volume, "green fly");
  }

  TTravelerData Store;
};

TEST_F(ReportSectionsTest, CalendarNotesWithTheirDatesAndCommaText) {
  Store.AddNote(0, {"apples", "dried fruit"}, 3, 1, 2024);
  Store.AddNote(0, {}, 31, 10, 2025);
  EXPECT_EQ(Text(TReportSection::Calendar),
            "  3 January 2024 = {apples,\"dried fruit\"}\r\n"
            "  31 Octomber 2025 = {}");
}

TEST_F(ReportSectionsTest, AMonthOutsideTheYearIsShownByItsNumber) {
  Store.AddNote(0, {"x"}, 1, 13, 2024);
  Store.AddNote(0, {"y"}, 1, 0, 2024);
  EXPECT_EQ(Text(TReportSection::Calendar), "  1 13 2024 = {x}\r\n  1 0 2024 = {y}");
}

TEST_F(ReportSectionsTest, GearListEveryLineEndedAndFiguresInTheDisplayUnits) {
  Store.AddGearCategory(0, "Shelter");
  Store.AddGearItem(0, 0, "Tent", "1.5", "329", "Yes", "10", "0.006", "green fly");
  Store.AddGearCategory(0, "Empty");
  EXPECT_EQ(Text(TReportSection::Gear, {Grams, Liters, '.'}),
            "     [Category  = Shelter]\r\n"
            "          [Gear Name  = Tent]\r\n"
            "               Weight  = 1500 gr\r\n"
            "               Cost = 329\r\n"
            "               Own = Yes\r\n"
            "               Necesity = 10\r\n"
            "               Volume = 6 liters\r\n"
            "               Other = green fly\r\n"
            "     [Category  = Empty]\r\n");
}

TEST_F(ReportSectionsTest, ShoppingListEveryLineEnded) {
  Store.AddShopingCategory(0, "Food");
  Store.AddShopingItem(0, 0, "Oatmeal", "6.49", "Grocery Outlet", "0.4", "8 packs");
  EXPECT_EQ(Text(TReportSection::Shopping, {Ounces, CubicMeters, '.'}),
            "     [Shopping Category  = Food]\r\n"
            "          [Item Name  = Oatmeal]\r\n"
            "               Weight  = 14.1096 oz\r\n"
            "               Price = 6.49\r\n"
            "               Store = Grocery Outlet\r\n"
            "               Other = 8 packs\r\n");
}

TEST_F(ReportSectionsTest, PlansKeepTheLineBreaksOfTheirDetails) {
  Store.AddPlan(0, "Shuttle", "Pick-up 6:30\r\n$85 each");
  Store.AddPlan(0, "Car", "");
  EXPECT_EQ(Text(TReportSection::Logistics),
            "     [Shuttle]\r\n"
            "          Pick-up 6:30\r\n$85 each\r\n"
            "     [Car]\r\n"
            "          ");
}

TEST_F(ReportSectionsTest, RecipesWithIngredientsAndProcedure) {
  Store.AddRecipe(0, "Chili", "Soak the beans.");
  Store.GetRecipe(0, 0).Ingredients = {"Beans 120 g", "Salt"};
  Store.AddRecipe(0, "Tea", "Boil.");
  Store.GetRecipe(0, 1).Ingredients = {""};
  EXPECT_EQ(Text(TReportSection::Recipes),
            "     [Chili]\r\n"
            "          Ingredients = \"Beans 120 g\",Salt\r\n"
            "          Soak the beans.\r\n"
            "     [Tea]\r\n"
            "          Ingredients = \"\"\r\n"
            "          Boil.");
}

TEST_F(ReportSectionsTest, PermitsWithTheirSixFields) {
  Store.AddPermit(0, "Kings Canyon");
  TPermit& Permit = Store.GetPermit(0, 0);
  Permit.Phone = "559";
  Permit.Fax = "560";
  Permit.Requirements = "Bear canister";
  Permit.Cost = "15";
  Permit.Dates = "July";
  Permit.Notes = "Roads End";
  Store.AddPermit(0, "Inyo");
  EXPECT_EQ(Text(TReportSection::Permits),
            "     [Kings Canyon]\r\n"
            "          Phone = 559\r\n"
            "          Fax = 560\r\n"
            "          Requirements = Bear canister\r\n"
            "          Cost = 15\r\n"
            "          Dates = July\r\n"
            "          Notes = Roads End\r\n"
            "     [Inyo]\r\n"
            "          Phone = \r\n"
            "          Fax = \r\n"
            "          Requirements = \r\n"
            "          Cost = \r\n"
            "          Dates = \r\n"
            "          Notes = ");
}

TEST_F(ReportSectionsTest, ContactsWithTheirTenFields) {
  Store.AddContact(0);
  TContact& Ann = Store.GetContact(0, 0);
  for (int i = 0; i < TContact::FieldCount; ++i) Ann.Field(i) = "f" + std::to_string(i);
  EXPECT_EQ(Text(TReportSection::Contacts),
            "     [f0]\r\n"
            "          Nickname = f1\r\n"
            "          Hometown = f2\r\n"
            "          Current Mailing Adress = f3\r\n"
            "          eMail = f4\r\n"
            "          Alternate eMail = f5\r\n"
            "          Phone = f6\r\n"
            "          Alternate Phone = f7\r\n"
            "          Emergency Contact Info = f8\r\n"
            "          Allergies / Medication = f9\r\n"
            "          Other Info = f10");
}

TEST_F(ReportSectionsTest, TripNameAndBudget) {
  Trip().Budget = "450";
  EXPECT_EQ(Text(TReportSection::Trip), "Sierra");
  EXPECT_EQ(Text(TReportSection::Budget), "     Budget = 450");
  Trip().Budget.clear();
  EXPECT_EQ(Text(TReportSection::Budget), "     Budget = ");
}

struct TFigureCase {
  int WeightUnit;
  int VolumeUnit;
  char Separator;
  const char* Weight;
  const char* Volume;
};

class ReportFiguresTest : public ReportSectionsTest, public ::testing::WithParamInterface<TFigureCase> {};

TEST_P(ReportFiguresTest, WeightAndVolumeLines) {
  AddGear("1.5", "0.002");
  const std::string Gear =
      Text(TReportSection::Gear, {GetParam().WeightUnit, GetParam().VolumeUnit, GetParam().Separator});
  EXPECT_NE(Gear.find(std::string("Weight  = ") + GetParam().Weight + "\r\n"), std::string::npos) << Gear;
  EXPECT_NE(Gear.find(std::string("Volume = ") + GetParam().Volume + "\r\n"), std::string::npos) << Gear;
}

INSTANTIATE_TEST_SUITE_P(
    Units, ReportFiguresTest,
    ::testing::Values(TFigureCase{Grams, CubicCentimeters, '.', "1500 gr", "2000 cubic centimeters"},
                      TFigureCase{Kilograms, CubicMeters, '.', "1.5 kg", "0.002 cubic meters"},
                      TFigureCase{Pounds, Liters, '.', "3.30693 lbs", "2 liters"},
                      TFigureCase{Kilograms, 9, ',', "1,5 kg", "67,628 ounces"},
                      TFigureCase{-1, -1, '.', "1.5 ", "0.002 "}));

TEST_F(ReportSectionsTest, AWeightThatIsNotANumberStopsTheSection) {
  AddGear("heavy", "0.002");
  try {
    Text(TReportSection::Gear);
    FAIL() << "no failure";
  } catch (const TNumberTextError& Failure) {
    EXPECT_STREQ(Failure.what(), "'heavy' is not a valid floating point value");
  }
  Store.GetGearItem(0, 0, 0).Weight = "1";
  Store.GetGearItem(0, 0, 0).Volume = "";
  EXPECT_THROW(Text(TReportSection::Gear), TNumberTextError);
  Store.AddShopingCategory(0, "Food");
  Store.AddShopingItem(0, 0, "Oats", "1", "REI", "1.5 kg", "");
  EXPECT_THROW(Text(TReportSection::Shopping), TNumberTextError);
  // A decimal comma, as stored under another regional setting, is a number.
  Store.GetShopingItem(0, 0, 0).Weight = "1,5";
  EXPECT_NE(Text(TReportSection::Shopping).find("1.5 kg"), std::string::npos);
}

TEST_F(ReportSectionsTest, StoredTextsPassTheConverterButLabelsAndFiguresDoNot) {
  Trip().Name = "n";
  Store.AddPlan(0, "p", "d");
  AddGear("2", "1");
  const TReportSections Sections(Trip(), {Kilograms, CubicMeters, '.'},
                                 [](const std::string& Text) { return "<" + Text + ">"; });
  EXPECT_EQ(Sections.Text(TReportSection::Trip), "<n>");
  EXPECT_EQ(Sections.Text(TReportSection::Logistics), "     [<p>]\r\n          <d>");
  EXPECT_NE(Sections.Text(TReportSection::Gear).find("Weight  = 2 kg\r\n               Cost = <329>"),
            std::string::npos);
}

struct TCommaCase {
  TTextLines Lines;
  std::string Text;
};

class CommaTextTest : public ::testing::TestWithParam<TCommaCase> {};

TEST_P(CommaTextTest, JoinsAndQuotes) { EXPECT_EQ(CommaText(GetParam().Lines), GetParam().Text); }

INSTANTIATE_TEST_SUITE_P(Lines, CommaTextTest,
                         ::testing::Values(TCommaCase{{}, ""}, TCommaCase{{""}, "\"\""},
                                           TCommaCase{{"", ""}, ","},
                                           TCommaCase{{"apples", "dried fruit"}, "apples,\"dried fruit\""},
                                           TCommaCase{{"say \"hi\""}, "\"say \"\"hi\"\"\""},
                                           TCommaCase{{"a\"b"}, "\"a\"\"b\""},
                                           TCommaCase{{"salt,pepper", "x"}, "\"salt,pepper\",x"},
                                           TCommaCase{{"tab\there", "del\x7f"}, "\"tab\there\",\"del\x7f\""},
                                           TCommaCase{{"caf\xc3\xa9", "[x];y"}, "caf\xc3\xa9,[x];y"}));

}  // namespace
