// The undo history of byte differences and the naming of a change from the
// store's bytes before and after it.
#include <gtest/gtest.h>

#include <functional>

#include "store/DataFileFormat.h"
#include "store/StoreChange.h"
#include "store/Traveler.h"
#include "store/UndoHistory.h"

namespace {

void FillSample(TTravelerData& Store) {
  for (const char* Name : {"Coast", "Ridge"}) {
    Store.AppendTrip();
    const int t = Store.TripCount() - 1;
    Store.GetTrip(t).Name = Name;
    Store.AddNote(t, {"Start"}, 5, 6, 2007);
    Store.AddGearCategory(t, "Kitchen");
    for (const char* Item : {"Stove", "Pot", "Spoon", "Mug", "Lighter"})
      Store.AddGearItem(t, 0, Item, "0.2", "10", "Yes", "8", "0", "");
    Store.AddGearCategory(t, "Shelter");
    Store.AddGearItem(t, 1, "Tent", "1.2", "300", "Yes", "10", "0", "");
    Store.AddPlan(t, "Drive", "Leave at six");
    Store.AddShopingCategory(t, "Food");
    Store.AddShopingItem(t, 0, "Rice", "3", "Market", "1", "");
    Store.AddRecipe(t, "Porridge", "Boil");
    Store.GetRecipe(t, 0).Ingredients = {"Oats"};
    Store.AddContact(t);
    Store.GetContact(t, 0).Name = "Ann";
    Store.AddPermit(t, "Glacier");
    Store.SetBudget(t, "100");
  }
}

struct TChangeCase {
  const char* Kind;
  TStoreSection Section;
  const char* Deleted;
  std::function<void(TTravelerData&)> Change;
};

TEST(StoreChangeTest, NamesEachKindOfChange) {
  const std::vector<TChangeCase> Cases = {
      {"Add Trip", TStoreSection::Trips, "", [](TTravelerData& S) { S.AppendTrip(); }},
      {"Delete Trip", TStoreSection::Trips, "Deleted trip \"Coast\".", [](TTravelerData& S) { S.DeleteTrip(0, false); }},
      {"Rename Trip", TStoreSection::Trips, "", [](TTravelerData& S) { S.RenameTrip(1, "Shore"); }},
      {"Add Note", TStoreSection::Notes, "", [](TTravelerData& S) { S.AddNote(1, {"x"}, 1, 2, 2008); }},
      {"Delete Note", TStoreSection::Notes, "Deleted note of June 5, 2007.", [](TTravelerData& S) { S.DeleteNote(0, 0); }},
      {"Edit Note", TStoreSection::Notes, "", [](TTravelerData& S) { S.GetNote(1, 0).Lines[0] = "Go"; }},
      {"Add Category", TStoreSection::Gear, "", [](TTravelerData& S) { S.AddGearCategory(0, "Water"); }},
      {"Delete Category", TStoreSection::Gear, "Deleted category \"Kitchen\" with 5 items.",
       [](TTravelerData& S) { S.DeleteGearCategory(1, 0); }},
      {"Delete Category", TStoreSection::Gear, "Deleted category \"Shelter\" with 1 item.",
       [](TTravelerData& S) { S.DeleteGearCategory(0, 1); }},
      {"Rename Category", TStoreSection::Gear, "", [](TTravelerData& S) { S.GetGearCategory(0, 1).Name = "Tarp"; }},
      {"Add Item", TStoreSection::Gear, "", [](TTravelerData& S) { S.AddGearItem(0, 0, "", "", "", "", "", "", ""); }},
      {"Delete Item", TStoreSection::Gear, "Deleted item \"Spoon\".", [](TTravelerData& S) { S.DeleteGearItem(0, 0, 2); }},
      {"Edit Item", TStoreSection::Gear, "", [](TTravelerData& S) { S.GetGearItem(0, 1, 0).Weight = "1.3"; }},
      {"Change", TStoreSection::Gear, "",
       [](TTravelerData& S) {
         S.DeleteGearItem(0, 0, 0);
         S.DeleteGearItem(0, 1, 0);
       }},
      {"Delete Items", TStoreSection::Gear, "Deleted 2 items.",
       [](TTravelerData& S) {
         S.DeleteGearItem(0, 0, 3);
         S.DeleteGearItem(0, 0, 1);
       }},
      {"Edit Plan", TStoreSection::Plans, "", [](TTravelerData& S) { S.GetPlan(0, 0).Details = "At five"; }},
      {"Rename Plan", TStoreSection::Plans, "", [](TTravelerData& S) { S.GetPlan(0, 0).Name = "Ride"; }},
      {"Delete Plan", TStoreSection::Plans, "Deleted plan \"Drive\".", [](TTravelerData& S) { S.DeletePlan(0, 0); }},
      {"Delete Item", TStoreSection::Shopping, "Deleted item \"Rice\".",
       [](TTravelerData& S) { S.DeleteShopingItem(0, 0, 0); }},
      {"Edit Recipe", TStoreSection::Recipes, "", [](TTravelerData& S) { S.GetRecipe(0, 0).Procedure = "Stir"; }},
      {"Delete Recipe", TStoreSection::Recipes, "Deleted recipe \"Porridge\".",
       [](TTravelerData& S) { S.DeleteRecipe(0, 0); }},
      {"Add Ingredient", TStoreSection::Recipes, "",
       [](TTravelerData& S) { S.GetRecipe(0, 0).Ingredients.push_back("Salt"); }},
      {"Delete Ingredient", TStoreSection::Recipes, "Deleted ingredient \"Oats\".",
       [](TTravelerData& S) { S.GetRecipe(0, 0).Ingredients.clear(); }},
      {"Edit Contact", TStoreSection::Contacts, "", [](TTravelerData& S) { S.GetContact(0, 0).Phone = "555"; }},
      {"Delete Contact", TStoreSection::Contacts, "Deleted contact \"Ann\".",
       [](TTravelerData& S) { S.DeleteContact(0, 0); }},
      {"Add Permit", TStoreSection::Permits, "", [](TTravelerData& S) { S.AddPermit(1, "Denali"); }},
      {"Delete Permit", TStoreSection::Permits, "Deleted permit \"Glacier\".",
       [](TTravelerData& S) { S.DeletePermit(1, 0); }},
      {"Change Budget", TStoreSection::Budget, "", [](TTravelerData& S) { S.SetBudget(0, "250"); }},
  };
  for (const TChangeCase& Case : Cases) {
    SCOPED_TRACE(Case.Kind + std::string(" / ") + Case.Deleted);
    TTravelerData Store;
    FillSample(Store);
    const TStoreBytes Before = DataFileBytes(Store);
    Case.Change(Store);
    const TStoreChange Change = DescribeStoreChange(Before, DataFileBytes(Store));
    EXPECT_EQ(Change.Kind, Case.Kind);
    EXPECT_EQ(Change.Section, Case.Section);
    EXPECT_EQ(Change.Deleted, Case.Deleted);
  }
}

TStoreBytes BytesOf(const std::string& Text) { return TStoreBytes(Text.begin(), Text.end()); }

TEST(UndoHistoryTest, UndoAndRedoWalkTheStepsBackAndForth) {
  const std::vector<std::string> States = {"abcdef", "abXcdef", "abXcd", "", "Z", "abcdefabcdef"};
  TUndoHistory History;
  TStoreBytes Current = BytesOf(States[0]);
  for (std::size_t s = 1; s < States.size(); ++s) {
    const TStoreBytes Next = BytesOf(States[s]);
    History.Record(Current, Next, "step " + std::to_string(s), {int(s) - 1, 0, {}}, {int(s), 0, {}});
    Current = Next;
  }
  EXPECT_EQ(History.UndoLabel(), "step 5");
  for (std::size_t s = States.size() - 1; s > 0; --s) {
    EXPECT_EQ(History.Undo(Current).Trip, int(s) - 1);
    EXPECT_EQ(Current, BytesOf(States[s - 1]));
  }
  EXPECT_FALSE(History.CanUndo());
  EXPECT_EQ(History.RedoLabel(), "step 1");
  for (std::size_t s = 1; s < States.size(); ++s) {
    EXPECT_EQ(History.Redo(Current).Trip, int(s));
    EXPECT_EQ(Current, BytesOf(States[s]));
  }
  // A new step after an undo forgets what could be redone.
  History.Undo(Current);
  History.Record(Current, BytesOf("new"), "other", {}, {});
  EXPECT_FALSE(History.CanRedo());
}

TEST(UndoHistoryTest, ExtendedStepReachesFromItsStartToTheNewEnd) {
  TUndoHistory History;
  History.Record(BytesOf("budget 1"), BytesOf("budget 12"), "Change Budget", {}, {});
  History.ExtendNewest(BytesOf("budget 12"), BytesOf("budget 123"), {});
  EXPECT_EQ(History.UndoCount(), 1u);
  TStoreBytes Current = BytesOf("budget 123");
  History.Undo(Current);
  EXPECT_EQ(Current, BytesOf("budget 1"));
}

TEST(UndoHistoryTest, OldestStepsGoWhenTheMemoryLimitIsPassed) {
  TUndoHistory History(64 * 1024);
  TStoreBytes Current(20000, 'a');
  for (int s = 0; s < 10; ++s) {
    TStoreBytes Next = Current;
    Next.insert(Next.begin() + 100, 10000, static_cast<std::uint8_t>('0' + s));
    History.Record(Current, Next, std::to_string(s), {}, {});
    Current = Next;
    EXPECT_LE(History.MemoryUsed(), 64u * 1024u);
  }
  EXPECT_LT(History.UndoCount(), 10u);
  EXPECT_GE(History.UndoCount(), 5u);
  EXPECT_EQ(History.UndoLabel(), "9");
  // A small edit of a large store costs little: 1000 steps of a 1 MB store.
  TUndoHistory Small;
  TStoreBytes Large(1000000, 'x');
  for (int s = 0; s < 1000; ++s) {
    TStoreBytes Next = Large;
    Next[500000] = static_cast<std::uint8_t>(s);
    Small.Record(Large, Next, "Edit Item", {}, {});
    Large = Next;
  }
  EXPECT_EQ(Small.UndoCount(), 1000u);
  EXPECT_LT(Small.MemoryUsed(), 1000u * 1024u);
  // The newest step is kept even when it alone passes the limit.
  TUndoHistory Tiny(100);
  Tiny.Record(BytesOf(""), TStoreBytes(1000, 'b'), "big", {}, {});
  EXPECT_EQ(Tiny.UndoCount(), 1u);
}

TEST(StoreOperationsTest, DuplicateTripCopiesEveryPageAndLoadFromBytesReplacesTheStore) {
  TTravelerData Store;
  FillSample(Store);
  Store.DuplicateTrip(0, "Copy of Coast");
  ASSERT_EQ(Store.TripCount(), 3);
  EXPECT_EQ(Store.GetTrip(2).Name, "Copy of Coast");
  Store.RenameTrip(2, "Coast");
  TTravelerData Two;
  FillSample(Two);
  Two.DeleteTrip(1, false);
  Two.DuplicateTrip(0, "Coast");
  Store.DeleteTrip(1, false);
  EXPECT_TRUE(DataFileBytes(Store) == DataFileBytes(Two));

  TTravelerData Loaded;
  Loaded.AppendTrip();
  EXPECT_TRUE(Loaded.LoadFromBytes(DataFileBytes(Store)));
  EXPECT_TRUE(DataFileBytes(Loaded) == DataFileBytes(Store));
}

TEST(StoreOperationsTest, ReplaceChangedTripsGivesTheStoreOfTheNewBytes) {
  const std::vector<std::function<void(TTravelerData&)>> Changes = {
      [](TTravelerData& S) { S.GetGearItem(0, 0, 1).Name = "Big pot"; },
      [](TTravelerData& S) { S.SetBudget(2, "7"); },
      [](TTravelerData& S) { S.DeleteTrip(1, false); },
      [](TTravelerData& S) { S.DeleteTrip(0, false); },
      [](TTravelerData& S) { S.DeleteTrip(3, false); },
      [](TTravelerData& S) { S.DuplicateTrip(1, "Copy"); },
      [](TTravelerData& S) {
        S.AppendTrip();
        S.RenameTrip(0, "First");
      },
      [](TTravelerData& S) {
        while (S.TripCount() > 0) S.DeleteTrip(0, false);
      },
      // Two equal trips side by side, one of them deleted.
      [](TTravelerData& S) { S.DeleteTrip(3, false); },
  };
  for (std::size_t c = 0; c < Changes.size(); ++c) {
    SCOPED_TRACE(c);
    TTravelerData Store;
    FillSample(Store);
    FillSample(Store);  // trips 2 and 3 equal trips 0 and 1
    if (c + 1 == Changes.size()) Store.DuplicateTrip(3, Store.GetTrip(3).Name);
    const TStoreBytes Before = DataFileBytes(Store);
    TTravelerData Changed;
    Changed.LoadFromBytes(Before);
    Changes[c](Changed);
    const TStoreBytes After = DataFileBytes(Changed);
    Store.ReplaceChangedTrips(Before, After);
    EXPECT_TRUE(DataFileBytes(Store) == After);
    // And back, as an undo does.
    Store.ReplaceChangedTrips(After, Before);
    EXPECT_TRUE(DataFileBytes(Store) == Before);
  }
}

}  // namespace

