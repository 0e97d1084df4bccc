// A value typed into the item editor and not yet confirmed when the user
// does something else: it reaches the item it was typed for, or nothing.
#include <QApplication>

#include "GearFixture.h"

namespace {

class EditingWhileActingTest : public GearPageTest {
 protected:
  void Activate(int Page) {
    ShowPage(Page);
    QApplication::setActiveWindow(Form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  }
  // Opens the value cell of Row and types Text into it, without Enter and
  // without leaving the cell.
  void TypeWithoutLeaving(TValueListEditor* Editor, int Row, const QString& Text) {
    Editor->setFocus(Qt::MouseFocusReason);
    Editor->setCurrentCell(Row, 1);
    Editor->editItem(Editor->item(Row, 1));
    auto* Open = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(Open, nullptr);
    ASSERT_TRUE(Editor->isAncestorOf(Open));
    Open->selectAll();
    QTest::keyClicks(Open, Text);
  }
};

TEST_F(EditingWhileActingTest, SwitchingTripsStoresTheValueInTheTripItWasTypedFor) {
  OpenWith([](TTravelerData& Store) {
    for (int t = 0; t < 2; ++t) {
      Store.AppendTrip();
      Store.GetTrip(t).Name = "Trip " + std::to_string(t);
      Store.AddGearCategory(t, "A");
      Store.AddGearItem(t, 0, "Tent", "2", "150", "No", "8", "0", "");
    }
  });
  Activate(TMainForm::GearPageIndex);
  Click(Gear().ElTree1, {0, 0});
  TypeWithoutLeaving(Gear().ValueListEditor1, 0, "Tarp");
  // Clicking the trip selector takes the focus before a trip is picked.
  Form->ComboBox1->setFocus(Qt::MouseFocusReason);
  Form->ComboBox1->setCurrentIndex(1);
  emit Form->ComboBox1->activated(1);
  EXPECT_EQ(Store().GetGearItem(0, 0, 0).Name, "Tarp");
  EXPECT_EQ(Store().GetGearItem(1, 0, 0).Name, "Tent");
  EXPECT_EQ(TreeRows(Gear().ElTree1), (QStringList{"A", "  Tent"}));
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
}

TEST_F(EditingWhileActingTest, DeleteSelectedByItsShortcutKeepsTheValueTypedForAnItemThatStays) {
  OpenWithShopping({{"Food", {TItemTexts{"Rice", "1", "2", "", ""}, TItemTexts{"Beans", "0.5", "3", "", ""}}}});
  Activate(TMainForm::ShoppingPageIndex);
  Click(Shopping().ElTree2, {0, 0});
  Click(Shopping().ElTree2, {0, 1}, Qt::ControlModifier);
  Click(Shopping().ElTree2, {0, 1}, Qt::ControlModifier);  // no longer selected, still shown
  ASSERT_EQ(Shopping().ElTree2->SelectedRows(), (std::vector<TTreeRow>{{0, 0}}));
  ASSERT_EQ(Shopping().ValueListEditor2->Value(0), "Beans");
  TypeWithoutLeaving(Shopping().ValueListEditor2, 2, "4.5");
  // Alt+E clicks "D&elete Selected" without taking the focus.
  Shopping().Button16->click();
  EXPECT_EQ(StoredShoppingRows(), (QStringList{"Food", "  Beans"}));
  EXPECT_EQ(ShoppingItem(0, 0).Price, "4.5");
  EXPECT_FALSE(Shopping().ValueListEditor2->isEnabled());
  EXPECT_TRUE(Prompts.Shown.empty());
}

TEST_F(EditingWhileActingTest, DeletingTheRowBeingEditedLeavesEditorAndStoreConsistent) {
  OpenWithGear({{"A", {TItemTexts{"Tent", "2", "150", "No", "8", "0", ""},
                       TItemTexts{"Stove", "0.3", "45", "Yes", "9", "0", ""}}}});
  Activate(TMainForm::GearPageIndex);
  Click(Gear().ElTree1, {0, 0});
  TypeWithoutLeaving(Gear().ValueListEditor1, 1, "5");
  Gear().Button10->click();
  EXPECT_EQ(StoredGearRows(), (QStringList{"A", "  Stove"}));
  EXPECT_EQ(GearItem(0, 0).Weight, "0.3");
  EXPECT_EQ(TreeRows(Gear().ElTree1), StoredGearRows());
  EXPECT_FALSE(Gear().ValueListEditor1->isEnabled());
  EXPECT_EQ(Gear().ValueListEditor1->Values(), (QStringList{"", "0", "0", "No", "10", "0", ""}));
  // The focus moving on later writes nothing anywhere.
  Gear().Edit3->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(GearItem(0, 0).Weight, "0.3");
  EXPECT_EQ(GearItem(0, 0).Name, "Stove");
}

}  // namespace
