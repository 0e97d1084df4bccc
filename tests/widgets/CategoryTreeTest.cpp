// The category tree: rows by position, multiple selection and its notices.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "widgets/CategoryTree.h"

Q_DECLARE_METATYPE(TTreeRow)

namespace {

class CategoryTreeTest : public ::testing::Test {
 protected:
  CategoryTreeTest() {
    qRegisterMetaType<TTreeRow>();
    Tree.AddCategoryRows("Shelter", {"Tent", "Bag"});
    Tree.AddCategoryRow("Kitchen");
    Tree.AddItemRow(1, "Stove");
    Tree.AddItemRow(1, "Pot");
    Tree.resize(300, 400);
    Tree.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Tree));
  }
  void Click(TTreeRow Row, Qt::KeyboardModifiers Keys = {}) {
    QTest::mouseClick(Tree.viewport(), Qt::LeftButton, Keys, Tree.RowRect(Row).center());
  }
  // The notices as "category.item+" or "category.item-".
  static QStringList Notices(const QSignalSpy& Spy) {
    QStringList Result;
    for (const auto& Args : Spy) {
      const auto Row = Args.at(0).value<TTreeRow>();
      Result.append(QString("%1.%2%3").arg(Row.Category).arg(Row.Item).arg(Args.at(1).toBool() ? "+" : "-"));
    }
    return Result;
  }
  TCategoryTree Tree;
};

TEST_F(CategoryTreeTest, RowsByPosition) {
  EXPECT_EQ(Tree.CategoryRowCount(), 2);
  EXPECT_EQ(Tree.ItemRowCount(1), 2);
  EXPECT_EQ(Tree.RowCount(), 6);
  EXPECT_EQ(Tree.RowText({1, 1}), "Pot");
  Tree.SetRowText({0, -1}, "Sleep");
  EXPECT_EQ(Tree.RowText({0, -1}), "Sleep");
  Tree.DeleteRow({0, -1});
  EXPECT_EQ(Tree.RowCount(), 3);
  EXPECT_EQ(Tree.RowText({0, 0}), "Stove");
  EXPECT_THROW(Tree.RowText({0, 2}), std::out_of_range);
  EXPECT_THROW(Tree.RowText({5, -1}), std::out_of_range);
  // Check boxes are shown on every row.
  EXPECT_TRUE(Tree.topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
  EXPECT_EQ(Tree.topLevelItem(0)->child(0)->checkState(0), Qt::Unchecked);
}

TEST_F(CategoryTreeTest, ClickCtrlClickAndShiftClick) {
  QSignalSpy Spy(&Tree, &TCategoryTree::RowSelectedChanged);
  Click({0, 1});
  EXPECT_EQ(Notices(Spy), QStringList{"0.1+"});
  Spy.clear();
  Click({1, 0}, Qt::ControlModifier);
  EXPECT_EQ(Notices(Spy), QStringList{"1.0+"});
  EXPECT_EQ(Tree.SelectedRows(), (std::vector<TTreeRow>{{0, 1}, {1, 0}}));
  Spy.clear();
  Click({1, 0}, Qt::ControlModifier);  // Ctrl-click again: no longer selected
  EXPECT_EQ(Notices(Spy), QStringList{"1.0-"});
  Spy.clear();
  Click({0, -1});  // a plain click keeps only that row
  EXPECT_EQ(Notices(Spy), (QStringList{"0.1-", "0.-1+"}));
  Spy.clear();
  Click({1, -1}, Qt::ShiftModifier);
  EXPECT_EQ(Tree.SelectedRows(), (std::vector<TTreeRow>{{0, -1}, {0, 0}, {0, 1}, {1, -1}}));
  // The rows gained come in tree order, the row clicked last.
  EXPECT_EQ(Notices(Spy), (QStringList{"0.0+", "0.1+", "1.-1+"}));
}

TEST_F(CategoryTreeTest, ShiftClickUpwardsReportsTheClickedRowLast) {
  Click({1, 1});
  QSignalSpy Spy(&Tree, &TCategoryTree::RowSelectedChanged);
  Click({1, -1}, Qt::ShiftModifier);
  EXPECT_EQ(Notices(Spy), (QStringList{"1.0+", "1.-1+"}));
}

TEST_F(CategoryTreeTest, ClearingIsQuiet) {
  Click({0, 0});
  QSignalSpy Spy(&Tree, &TCategoryTree::RowSelectedChanged);
  Tree.ClearRows();
  EXPECT_EQ(Spy.count(), 0);
  EXPECT_EQ(Tree.RowCount(), 0);
}

TEST_F(CategoryTreeTest, AddedRowsAreInSight) {
  Tree.AddCategoryRow("Water");
  Tree.AddItemRow(2, "Filter");
  EXPECT_TRUE(Tree.topLevelItem(2)->isExpanded());
  EXPECT_TRUE(Tree.RowRect({2, 0}).isValid());
}

}  // namespace
