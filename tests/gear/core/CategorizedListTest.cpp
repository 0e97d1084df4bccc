// The gear and shopping lists behind the pages, and their statistics.
#include <gtest/gtest.h>

#include "gear/core/CategorizedList.h"
#include "gear/core/NumberText.h"

namespace {

class ListTest : public ::testing::Test {
 protected:
  ListTest() { Store.AppendTrip(); }
  void AddGear(int Cat, const std::string& Weight, const std::string& Necessity, const std::string& Volume) {
    Store.AddGearItem(0, Cat, "Item", Weight, "0", "No", Necessity, Volume, "");
  }
  TTravelerData Store;
  TGearList Gear{Store};
  TShoppingList Shopping{Store};
};

TEST_F(ListTest, NewItemsAreNumberedByTheItemsPresent) {
  Gear.AddCategory(0, "Shelter");
  Gear.AddNewItem(0, 0);
  EXPECT_EQ(Gear.ItemTexts(0, 0, 0), (TItemTexts{"New Gear Item1", "0", "0", "No", "10", "0", ""}));
  const TGearCategory& First = Store.GetGearItem(0, 0, 0);
  EXPECT_EQ(First.Necessity, "10");
  EXPECT_EQ(First.Own, "No");
  Gear.AddNewItem(0, 0);
  Gear.AddNewItem(0, 0);
  EXPECT_EQ(Gear.ItemName(0, 0, 2), "New Gear Item3");
  Gear.DeleteItem(0, 0, 0);
  Gear.AddNewItem(0, 0);  // two present: the name repeats
  EXPECT_EQ(Gear.ItemName(0, 0, 2), "New Gear Item3");

  Shopping.AddCategory(0, "Food");
  Shopping.AddNewItem(0, 0);
  const TShopingItem& Bought = Store.GetShopingItem(0, 0, 0);
  EXPECT_EQ(Bought.Name, "New Shopping Item1");
  EXPECT_EQ(Bought.Weight, "0");
  EXPECT_EQ(Bought.Price, "0");
  EXPECT_EQ(Bought.Store, "");
  EXPECT_EQ(Bought.Other, "");
}

TEST_F(ListTest, ItemTextsFollowTheEditorOrder) {
  Store.AddGearCategory(0, "C");
  Store.AddGearItem(0, 0, "Tent", "2.1", "150", "Yes", "8", "0.5", "green");
  EXPECT_EQ(Gear.ItemTexts(0, 0, 0), (TItemTexts{"Tent", "2.1", "150", "Yes", "8", "0.5", "green"}));
  Gear.SetItemTexts(0, 0, 0, {"Tarp", "0.4", "60", "No", "5", "0.1", "grey"});
  const TGearCategory& Tarp = Store.GetGearItem(0, 0, 0);
  EXPECT_EQ(Tarp.Name + Tarp.Weight + Tarp.Cost + Tarp.Own + Tarp.Necessity + Tarp.Volume + Tarp.Other,
            "Tarp0.460No50.1grey");

  Store.AddShopingCategory(0, "Food");
  Store.AddShopingItem(0, 0, "Rice", "3.50", "Market", "1", "bulk");
  EXPECT_EQ(Shopping.ItemTexts(0, 0, 0), (TItemTexts{"Rice", "1", "3.50", "Market", "bulk"}));
  Shopping.SetItemTexts(0, 0, 0, {"Beans", "2", "4", "Shop", "dry"});
  const TShopingItem& Beans = Store.GetShopingItem(0, 0, 0);
  EXPECT_EQ(Beans.Name + Beans.Weight + Beans.Price + Beans.Store + Beans.Other, "Beans24Shopdry");
}

const std::vector<TStatistic> GearFigures = {{TGearList::WeightField, TStatistic::Total},
                                             {TGearList::NecessityField, TStatistic::Average},
                                             {TGearList::VolumeField, TStatistic::Total}};

TEST_F(ListTest, GearStatisticsOverAllCategoriesOrOne) {
  Store.AddGearCategory(0, "A");
  Store.AddGearCategory(0, "B");
  Store.AddGearCategory(0, "Empty");
  AddGear(0, "1", "10", "0.002");
  AddGear(0, "0.5", "5", "0.001");
  AddGear(1, "2", "3", "0.003");
  TDisplayUnits Grams;
  Grams.Weight = 0;
  Grams.Volume = 7;  // liters

  auto All = ListStatistics(Gear, 0, std::nullopt, GearFigures, Grams);
  EXPECT_EQ(NumberToText(All[0]), "3500");
  EXPECT_EQ(NumberToText(All[1]), "6");
  EXPECT_EQ(NumberToText(All[2]), "6");
  auto OnlyB = ListStatistics(Gear, 0, 1, GearFigures, Grams);
  EXPECT_EQ(NumberToText(OnlyB[0]), "2000");
  EXPECT_EQ(NumberToText(OnlyB[1]), "3");
  auto OnlyEmpty = ListStatistics(Gear, 0, 2, GearFigures, Grams);
  EXPECT_EQ(OnlyEmpty, (std::vector<long double>{0, 0, 0}));
}

TEST_F(ListTest, NoItemsGiveZero) {
  EXPECT_EQ(ListStatistics(Gear, 0, std::nullopt, GearFigures, {}), (std::vector<long double>{0, 0, 0}));
}

TEST_F(ListTest, AFigureThatIsNotANumberFailsEveryStatistic) {
  Store.AddGearCategory(0, "A");
  AddGear(0, "1", "10", "lots");
  for (std::size_t Asked = 0; Asked < 3; ++Asked) {
    try {
      ListStatistics(Gear, 0, std::nullopt, {GearFigures[Asked]}, {});
      if (Asked == 2) FAIL() << "the volume is read";
    } catch (const TNumberTextError&) {
      EXPECT_EQ(Asked, 2u);
    }
  }
  EXPECT_THROW(ListStatistics(Gear, 0, std::nullopt, GearFigures, {}), TNumberTextError);
}

TEST_F(ListTest, MissingCategoryIsTheStoresOutOfRangeError) {
  try {
    ListStatistics(Gear, 0, -1, GearFigures, {});
    FAIL();
  } catch (const std::out_of_range& Error) {
    EXPECT_STREQ(Error.what(), "List index out of bounds (-1)");
  }
}

TEST_F(ListTest, ShoppingTotalsOfWeightAndPrice) {
  Store.AddShopingCategory(0, "Food");
  Store.AddShopingItem(0, 0, "Rice", "1.5", "", "1", "");
  Store.AddShopingItem(0, 0, "Beans", "2.25", "", "0.5", "");
  TDisplayUnits Pounds;
  Pounds.Weight = 2;
  const std::vector<TStatistic> Figures = {{TShoppingList::WeightField, TStatistic::Total},
                                           {TShoppingList::PriceField, TStatistic::Total}};
  const auto Totals = ListStatistics(Shopping, 0, std::nullopt, Figures, Pounds);
  EXPECT_EQ(NumberToText(Totals[1]), "3.75");
  EXPECT_EQ(NumberToText(Totals[0]), NumberToText(static_cast<long double>(KilogramsToUnit(2, 1)) +
                                                  static_cast<long double>(KilogramsToUnit(2, 0.5))));
}

}  // namespace
