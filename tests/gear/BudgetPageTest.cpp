// The Budget Manager page: the costs budget, the weight budget, their charts,
// the budget box and the target weight, and the weight unit change.
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <functional>

#include "ui/StoreText.h"

#include "BudgetFixture.h"
#include "gear/core/Units.h"

namespace {

std::string Text(long double Value) { return NumberToText(Value); }

// A trip with the given gear items {cost, own, weight} in one category, a
// shopping item per price and a permit per cost.
struct TBudgetTrip {
  std::string Budget;
  std::vector<std::array<std::string, 3>> Gear;
  std::vector<std::string> Prices;
  std::vector<std::string> PermitCosts;
};

class BudgetCostsTest : public BudgetPageTest {
 protected:
  void OpenWithBudget(const TBudgetTrip& Trip) {
    OpenWith([&](TTravelerData& Store) {
      Store.AppendTrip();
      Store.SetBudget(0, Trip.Budget);
      Store.AddGearCategory(0, "Gear");
      for (const auto& [Cost, Own, Weight] : Trip.Gear) Store.AddGearItem(0, 0, "g", Weight, Cost, Own, "10", "0", "");
      Store.AddShopingCategory(0, "Food");
      for (const auto& Price : Trip.Prices) Store.AddShopingItem(0, 0, "s", Price, "", "0", "");
      for (const auto& Cost : Trip.PermitCosts) {
        Store.AddPermit(0, "Park");
        Store.GetPermit(0, Store.PermitCount(0) - 1).Cost = Cost;
      }
    });
    ShowPage(TMainForm::BudgetPageIndex);
  }
};

TEST_F(BudgetCostsTest, ControlsAndTheirFirstStates) {
  OpenWithBudget({"100", {}, {}, {}});
  TBudgetPage& Page = Budget();
  EXPECT_EQ(Page.GroupBox12->title(), "Budget Manager");
  const std::pair<QAbstractButton*, const char*> Captions[] = {
      {Page.CheckBox1, "Subtract gear list costs?"},
      {Page.RadioButton1, "Total gear list costs"},
      {Page.RadioButton2, "Gear list that you don't own"},
      {Page.CheckBox2, "Subtract total shopping list costs?"},
      {Page.CheckBox10, "Subtract total park permits costs?"},
      {Page.Button32, "Calculate Costs Budget"},
      {Page.CheckBox13, "Target Weight:"},
      {Page.CheckBox15, "Subtract total gear list weight?"},
      {Page.CheckBox14, "Subtract total shopping list weight?"},
      {Page.Button40, "Calculate Weight Budget"}};
  for (const auto& [Button, Caption] : Captions) EXPECT_EQ(Button->text(), Caption);
  EXPECT_EQ(Page.Label24->text(), "Budget:");
  EXPECT_EQ(Page.Label25->text(), "Budget Left:");
  EXPECT_TRUE(Page.CheckBox1->isChecked() && Page.CheckBox2->isChecked() && Page.CheckBox10->isChecked());
  EXPECT_TRUE(Page.RadioButton1->isChecked() && Page.RadioButton1->isEnabled() && Page.RadioButton2->isEnabled());
  EXPECT_FALSE(Page.CheckBox13->isChecked());
  EXPECT_TRUE(Page.CheckBox14->isChecked() && Page.CheckBox15->isChecked());
  EXPECT_FALSE(Page.Edit15->isEnabled());
  EXPECT_EQ(Page.Edit15->text(), "0");
  EXPECT_FALSE(Page.Edit22->isEnabled());
  EXPECT_TRUE(Page.Edit22->isReadOnly());
  EXPECT_FALSE(Page.Chart1->IsShown());
  EXPECT_FALSE(Page.Chart2->IsShown());
  EXPECT_EQ(Page.Chart1->Title(), "Budget Manager");
  EXPECT_EQ(Page.Chart2->Title(), "Weight Chart");
  EXPECT_EQ(Page.Edit21->text(), "100");
  EXPECT_EQ(Page.TargetWeight(), 0.0);
}

TEST_F(BudgetCostsTest, EveryCostDeductedInOrder) {
  OpenWithBudget({"100", {{"10", "Yes", "0"}, {"20", "No", "0"}}, {"20.5"}, {"5"}});
  Budget().Button32->click();
  EXPECT_TRUE(Budget().Chart1->IsShown());
  EXPECT_FALSE(Budget().Chart2->IsShown());
  EXPECT_EQ(Budget().Edit22->text(), "44.5");
  EXPECT_EQ(Slices(Budget().Chart1),
            (QStringList{"Gear List=30", "Shoping List=20.5", "Park Permits=5", "Budget Left=44.5"}));
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(BudgetCostsTest, EachDeductionIsRoundedToTheFifteenDigitsOfItsBox) {
  OpenWithBudget({"1", {{"0.333333333333333333", "No", "0"}}, {"0.1"}, {}});
  Budget().Button32->click();
  EXPECT_EQ(Budget().Edit22->text(), "0.566666666666667");
  ASSERT_EQ(Budget().Chart1->SliceCount(), 4);
  EXPECT_EQ(Budget().Chart1->SliceValue(3), 0.566666666666667);  // what the box shows, not 1 - 1/3 - 0.1
}

TEST_F(BudgetCostsTest, GearThatYouDontOwn) {
  OpenWithBudget({"100", {{"10", "No", "0"}, {"99", "Yes", "0"}, {"10", "no", "0"}, {"7", "No ", "0"}, {"x", "Yes", "0"}},
                  {"20.5"}, {"5"}});
  Budget().RadioButton2->click();
  Budget().Button32->click();
  // Only "NO" in any case counts; the costs of owned items are not even read.
  EXPECT_EQ(Slices(Budget().Chart1),
            (QStringList{"Gear List=20", "Shoping List=20.5", "Park Permits=5", "Budget Left=54.5"}));
}

TEST_F(BudgetCostsTest, OverTheBudget) {
  OpenWithBudget({"100", {{"150", "No", "0"}}, {}, {}});
  Budget().Button32->click();
  EXPECT_EQ(Prompts.All(), QStringList{"message: Your over the budget."});
  EXPECT_EQ(Budget().Edit22->text(), "-50");
  ASSERT_EQ(Budget().Chart1->SliceCount(), 4);
  EXPECT_EQ(Budget().Chart1->SliceValue(3), -50.0);
  EXPECT_EQ(Budget().Chart1->SliceMark(3), "Budget Left -50");
  EXPECT_EQ(Budget().Chart1->DrawnValue(3), 0.0);
}

TEST_F(BudgetCostsTest, ExactlyTheBudgetIsNotOver) {
  OpenWithBudget({"100", {{"60", "No", "0"}}, {"39.5"}, {"0.5"}});
  Budget().Button32->click();
  EXPECT_EQ(Budget().Edit22->text(), "0");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(BudgetCostsTest, NothingDeductedLeavesTheBudget) {
  OpenWithBudget({"100.50", {{"60", "No", "0"}}, {"39.5"}, {"0.5"}});
  for (QCheckBox* Box : {Budget().CheckBox1, Budget().CheckBox2, Budget().CheckBox10}) Box->click();
  Budget().Button32->click();
  EXPECT_EQ(Slices(Budget().Chart1), QStringList{"Budget Left=100.5"});
  EXPECT_EQ(Budget().Edit22->text(), "100.50");  // the budget as typed
}

TEST_F(BudgetCostsTest, ValueThatIsNotANumberClearsTheFiguresAndIsNamed) {
  const std::string Start = "Cannot compute the costs budget: ";
  const std::pair<std::function<void(TTravelerData&)>, std::string> Cases[] = {
      {[](TTravelerData& S) { S.SetBudget(0, "1500 USD"); },
       "the budget of trip \"Alps\" is not a number ('1500 USD')."},
      {[](TTravelerData& S) { S.SetBudget(0, ""); }, "the budget of trip \"Alps\" is not a number ('')."},
      {[](TTravelerData& S) { S.GetGearItem(0, 0, 0).Cost = "15 USD"; },
       "the cost of \"g\" in category \"Gear\" of the gear list of trip \"Alps\" is not a number ('15 USD')."},
      {[](TTravelerData& S) { S.GetShopingItem(0, 0, 0).Price = "$7.99"; },
       "the price of \"s\" in category \"Food\" of the shopping list of trip \"Alps\" is not a number ('$7.99')."},
      {[](TTravelerData& S) { S.GetPermit(0, 0).Cost = "15 USD"; },
       "the cost of park permit \"Park\" of trip \"Alps\" is not a number ('15 USD')."},
  };
  for (const auto& [Spoil, Message] : Cases) {
    SCOPED_TRACE(Message);
    OpenWithBudget({"100", {{"10", "No", "0"}}, {"5"}, {"1"}});
    Store().GetTrip(0).Name = "Alps";
    Budget().Button32->click();
    ASSERT_EQ(Budget().Edit22->text(), "84");
    Spoil(Store());
    Budget().Edit21->setText(FromStore(Store().GetBudget(0)));
    Budget().Button32->click();
    EXPECT_EQ(Prompts.All(), QStringList{QString::fromStdString("error: " + Start + Message)});
    EXPECT_TRUE(Budget().Chart1->IsShown());
    EXPECT_EQ(Budget().Chart1->SliceCount(), 0);
    EXPECT_EQ(Budget().Edit22->text(), "");
  }
}

TEST_F(BudgetCostsTest, TicksAndRadioButtonsRecomputeTheCostsChartShown) {
  OpenWithBudget({"100", {{"10", "No", "0"}, {"20", "Yes", "0"}}, {"5"}, {"1"}});
  Budget().CheckBox2->click();  // no chart shown yet: nothing computed
  EXPECT_FALSE(Budget().Chart1->IsShown());
  Budget().Button32->click();
  EXPECT_EQ(Budget().Edit22->text(), "69");
  Budget().RadioButton2->click();
  EXPECT_EQ(Budget().Edit22->text(), "89");
  Budget().CheckBox1->click();
  EXPECT_FALSE(Budget().RadioButton1->isEnabled());
  EXPECT_FALSE(Budget().RadioButton2->isEnabled());
  EXPECT_EQ(Budget().Edit22->text(), "99");
  Budget().CheckBox10->click();
  EXPECT_EQ(Slices(Budget().Chart1), QStringList{"Budget Left=100"});
  Budget().CheckBox1->click();
  EXPECT_TRUE(Budget().RadioButton2->isEnabled());
  // The weight options leave the costs chart alone.
  Budget().CheckBox15->click();
  EXPECT_TRUE(Budget().Chart1->IsShown());
}

TEST_F(BudgetCostsTest, EnterInTheBudgetBoxComputes) {
  OpenWithBudget({"100", {{"10", "No", "0"}}, {}, {}});
  Budget().Edit21->setText("50");
  ReleaseKey(Budget().Edit21, Qt::Key_End);
  EXPECT_FALSE(Budget().Chart1->IsShown());
  TypeAndEnter(Budget().Edit21, "250");
  EXPECT_EQ(Budget().Edit22->text(), "240");
}

// The key that closes a message box is released in the box that had the
// focus before: that release is not a key stroke in it, or the box would open
// again on every Enter or Esc.
TEST_F(BudgetCostsTest, OnlyAKeyPressedInABoxActsOnItsRelease) {
  OpenWithBudget({"100", {{"150", "No", "1"}}, {}, {}});
  Budget().CheckBox13->click();
  struct TCase {
    QLineEdit* Box;
    QString Text;
    Qt::Key Key;
  };
  const TCase Cases[] = {{Budget().Edit21, "10", Qt::Key_Return},
                         {Budget().Edit15, "0.5", Qt::Key_Return},
                         {Budget().Edit15, "", Qt::Key_Escape},
                         {Budget().Edit15, "", Qt::Key_Return}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text.toStdString() + " key " + std::to_string(Case.Key));
    Case.Box->setText(Case.Text);
    Prompts.Clear();
    QTest::keyRelease(Case.Box, Case.Key);
    EXPECT_EQ(Prompts.All(), QStringList());
    // Pressed, then the focus left before the release: not a key stroke here either.
    QTest::keyPress(Case.Box, Case.Key);
    QFocusEvent FocusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Case.Box, &FocusOut);
    QTest::keyRelease(Case.Box, Case.Key);
    EXPECT_EQ(Prompts.All(), QStringList());
    // Pressed and released in the box: the key stroke acts.
    QTest::keyClick(Case.Box, Case.Key);
    EXPECT_EQ(Prompts.All().size(), 1);
  }
}

TEST_F(BudgetCostsTest, BudgetIsStoredOnEveryEditAndNeverReplacedByViewing) {
  const std::vector<std::string> Budgets = {"120", "1500 USD", "$1500", "about 2000", ""};
  OpenWith([&](TTravelerData& Store) {
    for (const std::string& Text : Budgets) {
      Store.AppendTrip();
      Store.SetBudget(Store.TripCount() - 1, Text);
    }
  });
  Budget().Edit21->setText("abc");
  EXPECT_EQ(Store().GetBudget(0), "abc");
  for (std::size_t t = 1; t < Budgets.size(); ++t) {
    Form->ComboBox1->setCurrentIndex(static_cast<int>(t));
    Form->ComboBox1Change();
    EXPECT_EQ(Budget().Edit21->text(), QString::fromStdString(Budgets[t]));
    EXPECT_EQ(Store().GetBudget(static_cast<int>(t)), Budgets[t]);
  }
  Form->ComboBox1->setCurrentIndex(0);
  Form->ComboBox1Change();
  EXPECT_EQ(Budget().Edit21->text(), "abc");
  ASSERT_TRUE(CloseForm());
  TTravelerData Saved;
  Saved.LoadFromFile();
  for (std::size_t t = 1; t < Budgets.size(); ++t) EXPECT_EQ(Saved.GetBudget(static_cast<int>(t)), Budgets[t]);
}

TEST_F(BudgetCostsTest, SwitchingTripsLeavesNoFigureOfThePreviousTrip) {
  OpenWith([](TTravelerData& Store) {
    for (const char* Name : {"A", "B"}) {
      Store.AppendTrip();
      const int Trip = Store.TripCount() - 1;
      Store.GetTrip(Trip).Name = Name;
      Store.SetBudget(Trip, "100");
      Store.AddGearCategory(Trip, "G");
      Store.AddGearItem(Trip, 0, "g", "1", "10", "No", "5", "0.5", "");
      Store.AddShopingCategory(Trip, "S");
      Store.AddShopingItem(Trip, 0, "s", "2", "", "1", "");
    }
  });
  const auto Statistics = [this] {
    QStringList Boxes;
    for (TCategoryListPage* Page : std::initializer_list<TCategoryListPage*>{Form->GearPage, Form->ShoppingPage})
      for (const auto& Controls : Page->StatisticControls) {
        Controls.Button->click();
        Boxes.append(Controls.Box->text());
      }
    return Boxes;
  };
  for (QPushButton* Compute : {Budget().Button32, Budget().Button40}) {
    Form->ComboBox1->setCurrentIndex(0);
    Form->ComboBox1Change();
    ASSERT_FALSE(Statistics().contains(""));
    Compute->click();
    ASSERT_GT(Budget().Chart1->SliceCount() + Budget().Chart2->SliceCount(), 0);
    Form->ComboBox1->setCurrentIndex(1);
    Form->ComboBox1Change();
    for (const TPieChart* Chart : {Budget().Chart1, Budget().Chart2}) {
      EXPECT_FALSE(Chart->IsShown());
      EXPECT_EQ(Chart->SliceCount(), 0);
    }
    EXPECT_EQ(Budget().Edit22->text(), "");
    for (TCategoryListPage* Page : std::initializer_list<TCategoryListPage*>{Form->GearPage, Form->ShoppingPage})
      for (const auto& Controls : Page->StatisticControls) EXPECT_EQ(Controls.Box->text(), "");
  }
}

TEST_F(BudgetCostsTest, BudgetBoxUsesTheUsersDecimalSeparator) {
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.SetBudget(0, "99.5");
    Store.AddGearCategory(0, "G");
    Store.AddGearItem(0, 0, "g", "0", "0.25", "No", "1", "0", "");
  });
  Form->Context().SetDecimalSeparator(',');
  Form->RefreshTripPages();
  EXPECT_EQ(Budget().Edit21->text(), "99,5");
  Budget().Edit21->setText("100,5");
  EXPECT_EQ(Store().GetBudget(0), "100.5");
  Budget().Button32->click();
  EXPECT_EQ(Budget().Edit22->text(), "100,25");
  EXPECT_EQ(Budget().Chart1->SliceMark(0), "Gear List 0,25");
}

// The budget box is read in the user's regional settings, group separators
// included; a text that is still ambiguous or not a number is named.
TEST_F(BudgetCostsTest, BudgetTypedInTheUsersRegionalSettings) {
  struct TCase {
    TNumberSettings Settings;
    QString Typed;
    std::string Stored;
    QString Left;  // Budget Left, or the message that names the budget
  };
  const QString Named = "Cannot compute the costs budget: the budget of trip \"\" is ";
  const TCase Cases[] = {
      {{'.', ","}, "2,500", "2500", "2350"},
      {{'.', ","}, "2,500.75", "2500.75", "2350.75"},
      {{',', "."}, "2.500", "2500", "2350"},
      {{',', "."}, "2.500,75", "2500.75", "2350,75"},
      {{'.', ","}, "1,5", "1,5",
       Named + "not a number with the decimal separator \".\" of your regional settings ('1,5')."},
      {{',', "."}, "2.5", "2.5",
       Named + "not a number with the decimal separator \",\" of your regional settings ('2.5')."},
      {{'.', ","}, "about 2000", "about 2000", Named + "not a number ('about 2000')."},
  };
  OpenWithBudget({"0", {{"150", "No", "0"}}, {}, {}});
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Typed.toStdString());
    Form->Context().SetNumberSettings(Case.Settings);
    Prompts.Clear();
    Budget().Edit21->setText(Case.Typed);
    EXPECT_EQ(Store().GetBudget(0), Case.Stored);
    Budget().Button32->click();
    const QStringList Errors = Prompts.Texts("error");
    EXPECT_EQ(Errors.isEmpty() ? Budget().Edit22->text() : Errors.join("|"), Case.Left);
    EXPECT_TRUE(Prompts.Texts("message").isEmpty());  // never read as a budget below the costs
  }
}

TEST_F(BudgetCostsTest, DeletingTheLastTripEmptiesTheBudgetBox) {
  OpenWithBudget({"100", {}, {}, {}});
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_EQ(Budget().Edit21->text(), "");
}

// ---- Weight budget ----

class BudgetWeightTest : public BudgetPageTest {
 protected:
  // Gear categories of the given kilograms (one item each, "" for none) and
  // shopping categories likewise.
  void OpenWithWeights(const std::vector<std::string>& Gear, const std::vector<std::string>& Shopping) {
    OpenWith([&](TTravelerData& Store) {
      Store.AppendTrip();
      for (std::size_t c = 0; c < Gear.size(); ++c) {
        Store.AddGearCategory(0, "G" + std::to_string(c + 1));
        if (!Gear[c].empty()) Store.AddGearItem(0, static_cast<int>(c), "g", Gear[c], "0", "No", "1", "0", "");
      }
      for (std::size_t c = 0; c < Shopping.size(); ++c) {
        Store.AddShopingCategory(0, "S" + std::to_string(c + 1));
        if (!Shopping[c].empty()) Store.AddShopingItem(0, static_cast<int>(c), "s", "0", "", Shopping[c], "");
      }
    });
    ShowPage(TMainForm::BudgetPageIndex);
  }
};

TEST_F(BudgetWeightTest, TargetInPoundsAndBackToKilograms) {
  OpenWithWeights({"2", "1"}, {});
  PickWeightUnit(Pounds);
  Budget().CheckBox13->click();
  EXPECT_TRUE(Budget().Edit15->isEnabled());
  TypeAndEnter(Budget().Edit15, "10");
  EXPECT_TRUE(Budget().Chart2->IsShown());
  EXPECT_FALSE(Budget().Chart1->IsShown());
  const double Target = UnitToKilograms(Pounds, 10);
  EXPECT_EQ(Budget().TargetWeight(), Target);
  EXPECT_EQ(Slices(Budget().Chart2),
            (QStringList{QString::fromStdString("G1=" + Text(KilogramsToUnit(Pounds, 2))),
                         QString::fromStdString("G2=" + Text(KilogramsToUnit(Pounds, 1))),
                         QString::fromStdString("Weight Left=" + Text(KilogramsToUnit(Pounds, Target - 3)))}));
  EXPECT_EQ(Budget().Chart2->SliceMark(0).toStdString(), "G1 4.40924");

  PickWeightUnit(Kilograms);
  EXPECT_EQ(Budget().Edit15->text().toStdString(), Text(Target));
  EXPECT_EQ(Slices(Budget().Chart2),
            (QStringList{"G1=2", "G2=1", QString::fromStdString("Weight Left=" + Text(Target - 3))}));
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(BudgetWeightTest, GearAndShoppingSlicesInListOrder) {
  OpenWithWeights({"2", ""}, {"0.5", "1.5"});
  Budget().CheckBox13->click();
  TypeAndEnter(Budget().Edit15, "10");
  EXPECT_EQ(Slices(Budget().Chart2), (QStringList{"G1=2", "G2=0", "S1=0.5", "S2=1.5", "Weight Left=6"}));
  Budget().CheckBox15->click();  // gear weights left out
  EXPECT_EQ(Slices(Budget().Chart2), (QStringList{"S1=0.5", "S2=1.5", "Weight Left=8"}));
  Budget().CheckBox14->click();
  EXPECT_EQ(Slices(Budget().Chart2), QStringList{"Weight Left=10"});
  Budget().CheckBox13->click();  // no target: no remainder slice
  EXPECT_FALSE(Budget().Edit15->isEnabled());
  EXPECT_EQ(Budget().Chart2->SliceCount(), 0);
}

TEST_F(BudgetWeightTest, TargetExceeded) {
  OpenWithWeights({"4"}, {"2"});
  Budget().CheckBox13->click();
  TypeAndEnter(Budget().Edit15, "6");
  EXPECT_TRUE(Prompts.Shown.empty()) << "exactly the target is not exceeded";
  TypeAndEnter(Budget().Edit15, "5");
  EXPECT_EQ(Prompts.All(), QStringList{"message: Target weight exceded. Maybe you should take some stuff out."});
  EXPECT_EQ(Budget().Chart2->SliceMark(2), "Weight Left -1");
  EXPECT_EQ(Budget().Chart2->DrawnValue(2), 0.0);
}

TEST_F(BudgetWeightTest, TargetBoxReportsTextThatIsNotANumber) {
  OpenWithWeights({"1"}, {});
  Budget().CheckBox13->click();
  TypeAndEnter(Budget().Edit15, "3");
  Prompts.Clear();
  Budget().Edit15->clear();
  ReleaseKey(Budget().Edit15, Qt::Key_Backspace);
  TypeAndEnter(Budget().Edit15, "3kg");
  EXPECT_EQ(Prompts.Texts("error"), (QStringList{"'' is not a valid floating point value.",
                                                 "'3kg' is not a valid floating point value."}));
  EXPECT_EQ(Budget().TargetWeight(), 3.0);
  EXPECT_EQ(Slices(Budget().Chart2), (QStringList{"G1=1", "Weight Left=2"}));
  Budget().Edit15->setText("4");
  ReleaseKey(Budget().Edit15, Qt::Key_End);  // taken without Enter, not drawn
  EXPECT_EQ(Budget().TargetWeight(), 4.0);
  EXPECT_EQ(Slices(Budget().Chart2), (QStringList{"G1=1", "Weight Left=2"}));
}

TEST_F(BudgetWeightTest, TargetBeyondTheRangeOfADoubleIsNotANumber) {
  OpenWithWeights({"1"}, {});
  Budget().CheckBox13->click();
  TypeAndEnter(Budget().Edit15, "3");
  Prompts.Clear();
  TypeAndEnter(Budget().Edit15, "1e400");
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"'1e400' is not a valid floating point value."});
  EXPECT_EQ(Budget().TargetWeight(), 3.0);
  EXPECT_EQ(Slices(Budget().Chart2), (QStringList{"G1=1", "Weight Left=2"}));
}

TEST_F(BudgetWeightTest, WeightThatIsNotANumberIsReportedAndKeepsTheSlicesSoFar) {
  OpenWithWeights({"1", "heavy", "2"}, {});
  Budget().Button40->click();
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"'heavy' is not a valid floating point value."});
  EXPECT_EQ(Slices(Budget().Chart2), QStringList{"G1=1"});
}

TEST_F(BudgetWeightTest, UnitChangeOffThePageEmptiesTheWeightChartAndRewritesTheTarget) {
  OpenWithWeights({"2"}, {});
  Budget().CheckBox13->click();
  TypeAndEnter(Budget().Edit15, "5");
  ShowPage(TMainForm::GearPageIndex);
  PickWeightUnit(Grams);
  EXPECT_EQ(Budget().Edit15->text(), "5000");
  // Its kilograms would stand as grams: the chart is emptied and hidden.
  EXPECT_EQ(Slices(Budget().Chart2), QStringList());
  EXPECT_FALSE(Budget().Chart2->IsShown());
  ShowPage(TMainForm::BudgetPageIndex);
  Budget().Button40->click();
  PickWeightUnit(Ounces);
  EXPECT_EQ(Slices(Budget().Chart2),
            (QStringList{QString::fromStdString("G1=" + Text(KilogramsToUnit(Ounces, 2))),
                         QString::fromStdString("Weight Left=" + Text(KilogramsToUnit(Ounces, 3)))}));
  EXPECT_EQ(Budget().Edit15->text().toStdString(), Text(KilogramsToUnit(Ounces, 5)));
}

TEST_F(BudgetWeightTest, UnitChangeWithoutAnyItemStillRedrawsAndRewritesTheTarget) {
  OpenWithWeights({""}, {});
  Budget().CheckBox13->click();
  TypeAndEnter(Budget().Edit15, "2");
  PickWeightUnit(Grams);
  EXPECT_EQ(Budget().Edit15->text(), "2000");
  EXPECT_EQ(Slices(Budget().Chart2), (QStringList{"G1=0", "Weight Left=2000"}));
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(BudgetWeightTest, UnitChangeOnThePageRecomputesTheCostsChartShown) {
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.SetBudget(0, "10");
    Store.AddGearCategory(0, "G");
    Store.AddGearItem(0, 0, "g", "1", "15", "No", "1", "0", "");
  });
  ShowPage(TMainForm::BudgetPageIndex);
  Budget().Button32->click();
  Prompts.Clear();
  PickWeightUnit(Pounds);
  EXPECT_EQ(Prompts.All(), QStringList{"message: Your over the budget."});
  EXPECT_FALSE(Budget().Chart2->IsShown());
}

TEST_F(BudgetWeightTest, WeightChartSitsHalfWayDownItsPanel) {
  OpenWithWeights({"1"}, {});
  for (const QSize& Size : {QSize(922, 695), QSize(1000, 801), QSize(800, 600)}) {
    Form->resize(Size);
    QApplication::processEvents();
    const int Height = Budget().Panel24->height();
    EXPECT_EQ(Budget().Chart2->y(), Height / 2);
    EXPECT_EQ(Budget().Chart2->y() + Budget().Chart2->height(), Height);
    EXPECT_EQ(Budget().Chart1->geometry(), Budget().Panel24->rect());
  }
}

}  // namespace
