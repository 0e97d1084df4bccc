// The list-plus-details pattern on its plainest page: Logistics.
#include "support/PagesFixture.h"

namespace {

class LogisticsTest : public PagesTest {
 protected:
  // A trip with plans {Name, Details}.
  void OpenWithPlans(const std::vector<std::pair<std::string, std::string>>& Plans) {
    OpenWithTrip([&](TTravelerData& Data) {
      for (const auto& [Name, Details] : Plans) Data.AddPlan(0, Name, Details);
    });
    ShowPage(TMainForm::LogisticsPageIndex);
  }
  TPlan& Plan(int i) { return Store().GetPlan(0, i); }
  int PlanCount() { return Store().PlanCount(0); }
  TRichEdit* Editor() { return Logistics().RichEdit1; }
  TCheckListBox* List() { return Logistics().CheckListBox1; }
};

TEST_F(LogisticsTest, ControlsCarryTheirCaptions) {
  OpenWithPlans({});
  EXPECT_EQ(Logistics().Label8->text(), "Plan:");
  EXPECT_EQ(Logistics().Button11->text(), "Add");
  EXPECT_EQ(Logistics().Button15->text(), "Modify");
  EXPECT_EQ(Logistics().GroupBox3->title(), "Plans");
  EXPECT_EQ(Logistics().Button14->text(), "Delete Checked");
  EXPECT_EQ(Logistics().GroupBox4->title(), "Details");
  EXPECT_EQ(Logistics().Button13->text(), "&Clear");
  EXPECT_EQ(Logistics().SeleteSelected1->text(), "&Delete Selected");
  EXPECT_EQ(Logistics().PopupMenu3->defaultAction(), Logistics().SeleteSelected1);
  EXPECT_EQ(Logistics().SeleteSelected1->shortcut(), QKeySequence(Qt::Key_Delete));
}

TEST_F(LogisticsTest, AddKeepsBlanksAroundAndIgnoresBlankNames) {
  OpenWithPlans({});
  for (const QString Blank : {"", "   ", " \t "}) {
    Logistics().Edit7->setText(Blank);
    Logistics().Button11->click();
  }
  EXPECT_EQ(PlanCount(), 0);
  EXPECT_EQ(List()->Count(), 0);

  Logistics().Edit7->setText("  Ferry to the island  ");
  Logistics().Button11->click();
  ASSERT_EQ(PlanCount(), 1);
  EXPECT_EQ(Plan(0).Name, "  Ferry to the island  ");
  EXPECT_EQ(Plan(0).Details, "");
  EXPECT_EQ(Entries(List()), QStringList{"  Ferry to the island  "});
  EXPECT_EQ(Logistics().SelectedPlanIndex(), 0);
  EXPECT_TRUE(Editor()->isEnabled());
  EXPECT_FALSE(Editor()->isReadOnly());
  EXPECT_EQ(Editor()->PlainText(), "");
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(LogisticsTest, DetailsAreStoredKeystrokeByKeystroke) {
  OpenWithPlans({{"Shuttle", "old"}});
  Logistics().Edit7->setText("Car drop");
  Logistics().Button11->click();
  ShowPageOf(Editor());
  Editor()->setFocus();
  QTest::keyClick(Editor(), Qt::Key_A);
  EXPECT_EQ(Plan(1).Details, "a");
  EXPECT_FALSE(Editor()->Modified());
  QTest::keyClick(Editor(), Qt::Key_B);
  EXPECT_EQ(Plan(1).Details, "ab");
  QTest::keyClick(Editor(), Qt::Key_Return);
  QTest::keyClicks(Editor(), "Keys at desk");
  EXPECT_EQ(Plan(1).Details, "ab\r\nKeys at desk");
  EXPECT_EQ(Plan(1).Name, "Car drop");
  EXPECT_EQ(Plan(0).Details, "old");
}

TEST_F(LogisticsTest, ClickShowsThePlan) {
  OpenWithPlans({{"Shuttle", "Call Joe\r\n555-0100"}, {"Ferry", "Leaves 9:00"}});
  EXPECT_TRUE(Editor()->isReadOnly());
  ClickEntry(List(), 0);
  EXPECT_EQ(Editor()->PlainText(), "Call Joe\r\n555-0100");
  EXPECT_EQ(Logistics().Edit7->text(), "Shuttle");
  EXPECT_TRUE(Editor()->isEnabled());
  EXPECT_FALSE(Editor()->isReadOnly());
  EXPECT_FALSE(Editor()->Modified());
  ClickEntry(List(), 1);
  EXPECT_EQ(Editor()->PlainText(), "Leaves 9:00");
  EXPECT_EQ(Logistics().Edit7->text(), "Ferry");
  // Showing stores nothing.
  EXPECT_EQ(Plan(0).Details, "Call Joe\r\n555-0100");
}

TEST_F(LogisticsTest, ClickBelowTheEntriesKeepsThePlanTheEditorShows) {
  OpenWithPlans({{"Shuttle", "Call Joe"}, {"Ferry", "9:00"}});
  ClickEntry(List(), 1);
  QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, QPoint(20, List()->viewport()->height() - 5));
  EXPECT_EQ(Logistics().SelectedPlanIndex(), 1);
  Type(Editor(), "Ferry ");
  EXPECT_EQ(Plan(1).Details, "Ferry 9:00");
  Logistics().Edit7->setText("Night ferry");
  Logistics().Button15->click();
  EXPECT_EQ(Plan(1).Name, "Night ferry");
}

TEST_F(LogisticsTest, ModifyRenamesOnlyTheSelectedPlan) {
  OpenWithPlans({{"Shuttle", "Call Joe"}, {"Ferry", "9:00"}});
  Logistics().Edit7->setText("Nothing selected");
  Logistics().Button15->click();
  EXPECT_EQ(Entries(List()), (QStringList{"Shuttle", "Ferry"}));

  ClickEntry(List(), 0);
  Check(List(), {0});
  Logistics().Edit7->setText("");
  Logistics().Button15->click();
  EXPECT_EQ(Plan(0).Name, "");
  EXPECT_EQ(Plan(0).Details, "Call Joe");
  EXPECT_EQ(Entries(List()), (QStringList{"", "Ferry"}));
  EXPECT_EQ(Logistics().SelectedPlanIndex(), 0);
  EXPECT_TRUE(List()->IsChecked(0));
  EXPECT_EQ(Plan(1).Name, "Ferry");
}

TEST_F(LogisticsTest, DeleteCheckedRemovesEveryCheckedPlan) {
  OpenWithPlans({{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}});
  Check(List(), {0, 1, 2});
  Logistics().Button14->click();
  ASSERT_EQ(PlanCount(), 1);
  EXPECT_EQ(Plan(0).Name, "D");
  EXPECT_EQ(Entries(List()), QStringList{"D"});
  // Nothing checked: nothing happens.
  Logistics().Button14->click();
  EXPECT_EQ(PlanCount(), 1);
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(LogisticsTest, CheckedEntriesBetweenOthersGo) {
  OpenWithPlans({{"A", ""}, {"B", ""}, {"C", ""}, {"D", ""}, {"E", ""}});
  Check(List(), {1, 3, 4});
  Logistics().Button14->click();
  EXPECT_EQ(Entries(List()), (QStringList{"A", "C"}));
  ASSERT_EQ(PlanCount(), 2);
  EXPECT_EQ(Plan(1).Name, "C");
  EXPECT_EQ(CheckMarks(List()), (QList<bool>{false, false}));
}

TEST_F(LogisticsTest, PopupItemActsOnCheckedEntriesOnly) {
  OpenWithPlans({{"A", ""}, {"B", ""}, {"C", ""}});
  ClickEntry(List(), 1);
  Logistics().SeleteSelected1->trigger();
  EXPECT_EQ(PlanCount(), 3);
  PressDelete(List());  // Del in the list: the popup's short-cut
  EXPECT_EQ(PlanCount(), 3);

  Check(List(), {2});
  PressDelete(List());
  EXPECT_EQ(Entries(List()), (QStringList{"A", "B"}));
  EXPECT_EQ(PlanCount(), 2);
  EXPECT_EQ(Logistics().SelectedPlanIndex(), 1);
}

TEST_F(LogisticsTest, ClearAsksFirst) {
  OpenWithPlans({{"Shuttle", "Call Joe"}});
  ClickEntry(List(), 0);
  Prompts.ConfirmAnswers.push_back(false);
  Logistics().Button13->click();
  EXPECT_EQ(Prompts.Texts("confirm"), QStringList{"Are you sure you want to clear the text?"});
  EXPECT_EQ(Plan(0).Details, "Call Joe");
  EXPECT_EQ(Editor()->PlainText(), "Call Joe");

  Prompts.ConfirmAnswers.push_back(true);
  Logistics().Button13->click();
  EXPECT_EQ(Plan(0).Details, "");
  EXPECT_EQ(Editor()->PlainText(), "");
  EXPECT_FALSE(Editor()->Modified());
}

TEST_F(LogisticsTest, ClearWithNothingSelectedStoresNothing) {
  OpenWithPlans({{"Shuttle", "Call Joe"}});
  Prompts.ConfirmAnswers.push_back(true);
  Logistics().Button13->click();
  EXPECT_EQ(Plan(0).Details, "Call Joe");
}

TEST_F(LogisticsTest, TripSwitchLosesCheckMarksAndEmptiesTheEditor) {
  OpenWith([](TTravelerData& Data) {
    Data.AppendTrip();
    Data.AddPlan(0, "Shuttle", "Call Joe");
    Data.AppendTrip();
    Data.AddPlan(1, "Flight", "LH 400");
  });
  ClickEntry(List(), 0);
  Check(List(), {0});
  SwitchTrip(1);
  EXPECT_EQ(Entries(List()), QStringList{"Flight"});
  SwitchTrip(0);
  EXPECT_EQ(CheckMarks(List()), QList<bool>{false});
  EXPECT_EQ(Logistics().SelectedPlanIndex(), -1);
  EXPECT_EQ(Editor()->PlainText(), "");
  EXPECT_TRUE(Editor()->isReadOnly());
  EXPECT_EQ(Store().GetPlan(0, 0).Details, "Call Joe");
  EXPECT_EQ(Store().GetPlan(1, 0).Details, "LH 400");
}

TEST_F(LogisticsTest, DeletingTheShownPlanResetsTheEditor) {
  OpenWithPlans({{"A", "a"}, {"B", "b"}, {"C", "c"}});
  ClickEntry(List(), 1);
  Check(List(), {1});
  Logistics().Button14->click();
  EXPECT_EQ(Logistics().SelectedPlanIndex(), -1);
  EXPECT_EQ(Editor()->PlainText(), "");
  EXPECT_TRUE(Editor()->isReadOnly());
  Type(Editor(), "lost");
  EXPECT_EQ(Plan(0).Details, "a");
  EXPECT_EQ(Plan(1).Details, "c");
}

TEST_F(LogisticsTest, DeletingAnotherPlanKeepsTheShownOne) {
  OpenWithPlans({{"A", "a"}, {"B", "b"}, {"C", "c"}});
  ClickEntry(List(), 2);
  Check(List(), {0});
  Logistics().Button14->click();
  EXPECT_EQ(Logistics().SelectedPlanIndex(), 1);
  EXPECT_EQ(Editor()->PlainText(), "c");
  Type(Editor(), "!");
  EXPECT_EQ(Plan(1).Details, "!c");  // typed where the cursor stands: at the start
  EXPECT_EQ(Plan(0).Details, "b");
}

TEST_F(LogisticsTest, DeletingTheLastTripEmptiesThePage) {
  OpenWithPlans({{"Shuttle", "Call Joe"}});
  ClickEntry(List(), 0);
  Prompts.ConfirmAnswers.push_back(true);
  Form->Button2->click();
  EXPECT_EQ(Logistics().Edit7->text(), "");
  EXPECT_EQ(List()->Count(), 0);
  EXPECT_EQ(Editor()->PlainText(), "");
}

}  // namespace
