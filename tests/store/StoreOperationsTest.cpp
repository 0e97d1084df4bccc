// Operations of the trip data store.
#include <gtest/gtest.h>

#include <stdexcept>

#include "store/Traveler.h"

namespace {

class TAnsweringPrompt : public TStorePrompt {
 public:
  std::string Name;
  bool NameGiven = true;
  bool Yes = false;
  int Asked = 0;
  bool InputText(const std::string&, const std::string&, std::string& Value) override {
    ++Asked;
    if (NameGiven) Value = Name;
    return NameGiven;
  }
  bool ConfirmYes(const std::string&) override {
    ++Asked;
    return Yes;
  }
};

TEST(Store, NewTripsAreEmpty) {
  TTravelerData Store;
  TAnsweringPrompt Prompt;
  Prompt.Name = "Bahamas2007";
  Store.SetPrompt(&Prompt);
  EXPECT_TRUE(Store.NewTrip());
  Prompt.NameGiven = false;
  EXPECT_FALSE(Store.NewTrip());  // cancelled: nothing added
  Store.AppendTrip();
  ASSERT_EQ(Store.TripCount(), 2);
  EXPECT_EQ(Store.GetTrip(0).Name, "Bahamas2007");
  EXPECT_EQ(Store.GetTrip(1).Name, "");
  for (int Trip = 0; Trip < 2; ++Trip) {
    EXPECT_EQ(Store.NoteCount(Trip), 0);
    EXPECT_EQ(Store.GearCategoryCount(Trip), 0);
    EXPECT_EQ(Store.PlanCount(Trip), 0);
    EXPECT_EQ(Store.ShopingCategoryCount(Trip), 0);
    EXPECT_EQ(Store.RecipeCount(Trip), 0);
    EXPECT_EQ(Store.ContactCount(Trip), 0);
    EXPECT_EQ(Store.PermitCount(Trip), 0);
    EXPECT_EQ(Store.GetBudget(Trip), "");
  }
}

TEST(Store, GearItemFieldsFollowArgumentOrder) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddGearCategory(0, "Shelter");
  Store.AddGearItem(0, 0, "Stakes", "0.1", "5", "No", "3", "0.01", "spare");
  Store.AddGearItem(0, 0, "Tent", "2.1", "150", "Yes", "8", "0.5", "green");
  const TGearCategory& Tent = Store.GetGearItem(0, 0, 1);
  EXPECT_EQ(Tent.Name, "Tent");
  EXPECT_EQ(Tent.Weight, "2.1");
  EXPECT_EQ(Tent.Cost, "150");
  EXPECT_EQ(Tent.Own, "Yes");
  EXPECT_EQ(Tent.Necessity, "8");
  EXPECT_EQ(Tent.Volume, "0.5");
  EXPECT_EQ(Tent.Other, "green");

  Store.ReplaceGearItem(0, 0, 1, "Tarp", "0.4", "60", "No", "6", "0.1", "blue");
  ASSERT_EQ(Store.GearItemCount(0, 0), 2);
  EXPECT_EQ(Store.GetGearItem(0, 0, 0).Name, "Stakes");
  const TGearCategory& Tarp = Store.GetGearItem(0, 0, 1);
  EXPECT_EQ(Tarp.Name + Tarp.Weight + Tarp.Cost + Tarp.Own + Tarp.Necessity + Tarp.Volume + Tarp.Other,
            "Tarp0.460No60.1blue");
}

TEST(Store, ShoppingItemFieldsFollowArgumentOrder) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddShopingCategory(0, "Food");
  Store.AddShopingItem(0, 0, "Rice", "3.50", "Market", "1", "bulk");
  const TShopingItem& Rice = Store.GetShopingItem(0, 0, 0);
  EXPECT_EQ(Rice.Name, "Rice");
  EXPECT_EQ(Rice.Price, "3.50");
  EXPECT_EQ(Rice.Store, "Market");
  EXPECT_EQ(Rice.Weight, "1");
  EXPECT_EQ(Rice.Other, "bulk");
  Store.SetShopingItem(0, 0, 0, "Beans", "2", "Shop", "0.5", "");
  EXPECT_EQ(Store.GetShopingItem(0, 0, 0).Name, "Beans");
  EXPECT_EQ(Store.GetShopingItem(0, 0, 0).Store, "Shop");
}

TEST(Store, DeletingMovesLaterRecordsDown) {
  TTravelerData Store;
  Store.AppendTrip();
  for (const char* Name : {"a", "b", "c", "d"}) Store.AddPlan(0, Name, std::string("details ") + Name);
  Store.DeletePlan(0, 1);
  ASSERT_EQ(Store.PlanCount(0), 3);
  EXPECT_EQ(Store.GetPlan(0, 1).Name, "c");
  EXPECT_EQ(Store.GetPlan(0, 2).Details, "details d");
  Store.SetPlan(0, 0, "A", "new");
  EXPECT_EQ(Store.GetPlan(0, 0).Name, "A");
  EXPECT_EQ(Store.GetPlan(0, 0).Details, "new");
}

TEST(Store, RecipesKeepIngredientsWhenRenamed) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddRecipe(0, "Oatmeal", "Boil");
  Store.GetRecipe(0, 0).Ingredients = {"oats", "milk"};
  Store.SetRecipe(0, 0, "Porridge", "Simmer");
  EXPECT_EQ(Store.GetRecipe(0, 0).Name, "Porridge");
  EXPECT_EQ(Store.GetRecipe(0, 0).Procedure, "Simmer");
  EXPECT_EQ(Store.GetRecipe(0, 0).Ingredients, (TTextLines{"oats", "milk"}));
}

TEST(Store, ContactsAndPermitsStartEmpty) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddContact(0);
  Store.AddPermit(0, "Yosemite");
  for (int f = 0; f < TContact::FieldCount; ++f) EXPECT_EQ(Store.GetContact(0, 0).Field(f), "");
  EXPECT_EQ(Store.GetPermit(0, 0).ParkName, "Yosemite");
  for (int f = 1; f < TPermit::FieldCount; ++f) EXPECT_EQ(Store.GetPermit(0, 0).Field(f), "");
  Store.GetPermit(0, 0).Field(4) = "12";
  EXPECT_EQ(Store.GetPermit(0, 0).Cost, "12");
  Store.GetContact(0, 0).Field(4) = "a@example.com";
  EXPECT_EQ(Store.GetContact(0, 0).EMail, "a@example.com");
}

TEST(Store, NotesCopyTheirLinesAndMayShareADate) {
  TTravelerData Store;
  Store.AppendTrip();
  TTextLines Lines = {"Buy map", "Call ranger"};
  Store.AddNote(0, Lines, 14, 3, 2007);
  Lines.push_back("changed later");
  Store.AddNote(0, {"Second"}, 14, 3, 2007);
  ASSERT_EQ(Store.NoteCount(0), 2);
  EXPECT_EQ(Store.GetNote(0, 0).Lines, (TTextLines{"Buy map", "Call ranger"}));
  EXPECT_EQ(Store.GetNote(0, 1).Day, 14);
  Store.DeleteNote(0, 0);
  EXPECT_EQ(Store.GetNote(0, 0).Lines, TTextLines{"Second"});
}

TEST(Store, DeleteTripAsksOnlyWhenToldTo) {
  TTravelerData Store;
  TAnsweringPrompt Prompt;
  Store.SetPrompt(&Prompt);
  Store.AppendTrip();
  Store.AppendTrip();
  Prompt.Yes = false;
  EXPECT_FALSE(Store.DeleteTrip(0, true));
  EXPECT_EQ(Store.TripCount(), 2);
  Prompt.Yes = true;
  EXPECT_TRUE(Store.DeleteTrip(0, true));
  EXPECT_EQ(Store.TripCount(), 1);
  Prompt.Asked = 0;
  EXPECT_TRUE(Store.DeleteTrip(0, false));
  EXPECT_EQ(Prompt.Asked, 0);
  EXPECT_EQ(Store.TripCount(), 0);
}

TEST(Store, WithoutPromptNewTripIsUnnamedAndDeletionIsRefused) {
  TTravelerData Store;
  Store.NewTrip();
  EXPECT_EQ(Store.GetTrip(0).Name, "");
  EXPECT_FALSE(Store.DeleteTrip(0, true));
  EXPECT_EQ(Store.TripCount(), 1);
}

// Every operation given an index outside its list throws and changes nothing.
TEST(Store, OutOfRangeIndicesThrowAndChangeNothing) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddGearCategory(0, "Cat");
  Store.AddGearItem(0, 0, "Item", "1", "2", "Yes", "3", "4", "5");
  Store.AddShopingCategory(0, "Food");
  Store.AddPlan(0, "Plan", "");
  const auto Unchanged = [&Store] {
    EXPECT_EQ(Store.TripCount(), 1);
    EXPECT_EQ(Store.GearCategoryCount(0), 1);
    EXPECT_EQ(Store.GearItemCount(0, 0), 1);
    EXPECT_EQ(Store.GetGearItem(0, 0, 0).Name, "Item");
    EXPECT_EQ(Store.PlanCount(0), 1);
    EXPECT_EQ(Store.ShopingItemCount(0, 0), 0);
  };
  EXPECT_THROW(Store.GetTrip(1), std::out_of_range);
  EXPECT_THROW(Store.GetTrip(-1), std::out_of_range);
  EXPECT_THROW(Store.DeleteTrip(3, false), std::out_of_range);
  EXPECT_THROW(Store.AddGearItem(0, 1, "x", "", "", "", "", "", ""), std::out_of_range);
  EXPECT_THROW(Store.AddGearItem(0, -1, "x", "", "", "", "", "", ""), std::out_of_range);
  EXPECT_THROW(Store.ReplaceGearItem(0, 0, 1, "x", "", "", "", "", "", ""), std::out_of_range);
  EXPECT_THROW(Store.DeleteGearItem(0, 0, 1), std::out_of_range);
  EXPECT_THROW(Store.DeleteGearCategory(0, 1), std::out_of_range);
  EXPECT_THROW(Store.GearItemCount(0, -1), std::out_of_range);
  EXPECT_THROW(Store.AddShopingItem(0, 2, "x", "", "", "", ""), std::out_of_range);
  EXPECT_THROW(Store.SetPlan(0, 1, "x", ""), std::out_of_range);
  EXPECT_THROW(Store.DeletePlan(0, -1), std::out_of_range);
  EXPECT_THROW(Store.AddNote(2, {"x"}, 1, 1, 2000), std::out_of_range);
  EXPECT_THROW(Store.GetRecipe(0, 0), std::out_of_range);
  EXPECT_THROW(Store.DeleteContact(0, 0), std::out_of_range);
  EXPECT_THROW(Store.AddPermit(5, "x"), std::out_of_range);
  EXPECT_THROW(Store.SetBudget(1, "9"), std::out_of_range);
  Unchanged();
}

TEST(Store, OutOfRangeMessageNamesTheIndex) {
  TTravelerData Store;
  try {
    Store.GetTrip(-1);
    FAIL();
  } catch (const std::out_of_range& Failure) {
    EXPECT_STREQ(Failure.what(), "List index out of bounds (-1)");
  }
}

TEST(Store, ReferencesSurviveAppends) {
  TTravelerData Store;
  Store.AppendTrip();
  Store.AddGearCategory(0, "First");
  TGearCategory& First = Store.GetGearCategory(0, 0);
  for (int i = 0; i < 100; ++i) Store.AddGearCategory(0, "more");
  First.Name = "Renamed";
  EXPECT_EQ(Store.GetGearCategory(0, 0).Name, "Renamed");
}

}  // namespace
