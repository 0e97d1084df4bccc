// A trip whose number texts were stored under a regional setting with a
// decimal comma: every page reads them, and viewing rewrites none of them.
#include "BudgetFixture.h"
#include "support/StoreBuilder.h"

namespace {

void BuildCommaTrip(TTravelerData& Store) {
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Comma";
  Store.AddGearCategory(0, "Shelter");
  Store.AddGearItem(0, 0, "Tent", "0,75", "100,5", "No", "7,5", "0,0015", "");
  Store.AddGearItem(0, 0, "Stove", "1,25", "20", "Yes", "5", "0,002", "");
  Store.AddShopingCategory(0, "Food");
  Store.AddShopingItem(0, 0, "Rice", "3,5", "Market", "0,5", "");
  Store.AddPermit(0, "Yosemite");
  Store.GetPermit(0, 0).Cost = "15,25";
  Store.SetBudget(0, "500,5");
}

TEST_F(BudgetPageTest, WholeTripOfCommaTextsIsReadAndKept) {
  OpenWith(BuildCommaTrip);
  std::string Stored;
  {
    TTravelerData Original;
    BuildCommaTrip(Original);
    Stored = Dump(Original);
  }
  EXPECT_EQ(Budget().Edit21->text(), "500.5");

  Click(Gear().ElTree1, {0, 0});
  EXPECT_EQ(Gear().ValueListEditor1->Values(), (QStringList{"Tent", "0.75", "100.5", "No", "7.5", "0.0015", ""}));
  EXPECT_TRUE(Gear().ValueListEditor1->isEnabled());
  PickWeightUnit(Grams);
  EXPECT_EQ(Gear().ValueListEditor1->Value(1), "750");
  for (QPushButton* Button : {Gear().DKButton1, Gear().Button23, Gear().Button38}) Button->click();
  EXPECT_EQ(Gear().Edit4->text(), "2000");
  EXPECT_EQ(Gear().Edit5->text(), "6.25");
  EXPECT_EQ(Gear().Edit6->text(), "0.0035");
  Click(Shopping().ElTree2, {0, 0});
  EXPECT_EQ(Shopping().ValueListEditor2->Values(), (QStringList{"Rice", "500", "3.5", "Market", ""}));
  for (QPushButton* Button : {Shopping().Button19, Shopping().Button39}) Button->click();
  EXPECT_EQ(Shopping().Edit9->text(), "500");
  EXPECT_EQ(Shopping().Edit10->text(), "3.5");

  ShowPage(TMainForm::BudgetPageIndex);
  Budget().Button32->click();
  EXPECT_EQ(Budget().Edit22->text(), "361.25");
  EXPECT_EQ(Slices(Budget().Chart1),
            (QStringList{"Gear List=120.5", "Shoping List=3.5", "Park Permits=15.25", "Budget Left=361.25"}));
  Budget().Button40->click();
  EXPECT_EQ(Slices(Budget().Chart2), (QStringList{"Shelter=2000", "Food=500"}));
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();

  // Viewing changed nothing; the file keeps every text as it was.
  EXPECT_EQ(Dump(Store()), Stored);
  ASSERT_TRUE(CloseForm());
  TTravelerData Saved;
  ASSERT_TRUE(Saved.LoadFromFile());
  EXPECT_EQ(Dump(Saved), Stored);
}

}  // namespace
