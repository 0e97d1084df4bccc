// The check-list box on its own: what is reported, and where the selection
// goes when entries change.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "widgets/CheckListBox.h"

namespace {

class CheckListBoxTest : public ::testing::Test {
 protected:
  CheckListBoxTest() {
    List.SetEntries({"A", "B", "C", "D"});
    List.resize(200, 200);
    List.show();
  }
  void ClickRow(int Row) {
    QTest::mouseClick(List.viewport(), Qt::LeftButton, {}, List.visualItemRect(List.item(Row)).center());
  }
  TCheckListBox List;
};

TEST_F(CheckListBoxTest, OnlyTheUsersSelectionsAreReported) {
  QSignalSpy Clicks(&List, &TCheckListBox::EntryClicked);
  List.SelectSilently(2);
  EXPECT_EQ(List.SelectedIndex(), 2);
  EXPECT_EQ(Clicks.count(), 0);
  ClickRow(1);
  EXPECT_EQ(List.SelectedIndex(), 1);
  EXPECT_EQ(Clicks.count(), 1);
  ClickRow(1);  // the selected entry again
  EXPECT_EQ(Clicks.count(), 2);
  QTest::keyClick(&List, Qt::Key_Down);
  EXPECT_EQ(List.SelectedIndex(), 2);
  EXPECT_EQ(Clicks.count(), 3);
}

TEST_F(CheckListBoxTest, TheUserCannotUnselectTheSelectedEntry) {
  QSignalSpy Clicks(&List, &TCheckListBox::EntryClicked);
  ClickRow(1);
  // A click below the last entry, and a Ctrl+click on the selected one.
  QTest::mouseClick(List.viewport(), Qt::LeftButton, {}, QPoint(20, List.viewport()->height() - 5));
  EXPECT_EQ(List.SelectedIndex(), 1);
  QTest::mouseClick(List.viewport(), Qt::LeftButton, Qt::ControlModifier,
                    List.visualItemRect(List.item(1)).center());
  EXPECT_EQ(List.SelectedIndex(), 1);
  // A Ctrl+click on another entry selects that one alone.
  QTest::mouseClick(List.viewport(), Qt::LeftButton, Qt::ControlModifier,
                    List.visualItemRect(List.item(3)).center());
  EXPECT_EQ(List.SelectedIndex(), 3);
  EXPECT_EQ(List.selectedItems().size(), 1);
  EXPECT_EQ(Clicks.count(), 3);
}

TEST_F(CheckListBoxTest, EntriesKeepCheckAndSelectionWhenRenamed) {
  List.SelectSilently(1);
  List.SetChecked(1, true);
  QSignalSpy Checks(&List, &TCheckListBox::CheckClicked);
  List.SetEntryText(1, "Bee");
  EXPECT_EQ(List.EntryText(1), "Bee");
  EXPECT_TRUE(List.IsChecked(1));
  EXPECT_EQ(List.SelectedIndex(), 1);
  EXPECT_EQ(Checks.count(), 0);
}

TEST_F(CheckListBoxTest, SelectionFollowsItsEntryOrGoes) {
  List.SelectSilently(2);
  List.DeleteEntry(0);
  EXPECT_EQ(List.SelectedIndex(), 1);
  EXPECT_EQ(List.EntryText(1), "C");
  List.DeleteEntry(1);  // the selected one
  EXPECT_EQ(List.SelectedIndex(), -1);
  EXPECT_EQ(List.Count(), 2);
  List.SetEntries({"X"});
  EXPECT_EQ(List.SelectedIndex(), -1);
  EXPECT_FALSE(List.IsChecked(0));
}

}  // namespace
