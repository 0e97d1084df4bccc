#include "widgets/CategoryTree.h"

#include <QHeaderView>
#include <algorithm>

#include "store/ListIndex.h"

TCategoryTree::TCategoryTree(QWidget* Parent) : QTreeWidget(Parent) {
  setColumnCount(1);
  header()->hide();
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformRowHeights(true);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TCategoryTree::SelectionChanged);
}

QTreeWidgetItem* TCategoryTree::NewRowItem(const QString& Text) {
  auto* Row = new QTreeWidgetItem(QStringList{Text});
  Row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  Row->setCheckState(0, Qt::Unchecked);
  return Row;
}

void TCategoryTree::ClearRows() {
  FQuiet = true;
  clear();
  FQuiet = false;
}

void TCategoryTree::AddCategoryRow(const QString& Text) {
  QTreeWidgetItem* Category = NewRowItem(Text);
  addTopLevelItem(Category);
  Category->setExpanded(true);
}

void TCategoryTree::AddItemRow(int Category, const QString& Text) {
  QTreeWidgetItem* Parent = RowItem({Category, -1});
  Parent->addChild(NewRowItem(Text));
  Parent->setExpanded(true);  // the new row is in sight
}

void TCategoryTree::AddCategoryRows(const QString& Text, const QStringList& Items) {
  QTreeWidgetItem* Category = NewRowItem(Text);
  QList<QTreeWidgetItem*> Children;
  Children.reserve(Items.size());
  for (const QString& Item : Items) Children.append(NewRowItem(Item));
  Category->addChildren(Children);
  addTopLevelItem(Category);
  Category->setExpanded(true);
}

int TCategoryTree::ItemRowCount(int Category) const { return RowItem({Category, -1})->childCount(); }

int TCategoryTree::RowCount() const {
  int Count = topLevelItemCount();
  for (int c = 0; c < topLevelItemCount(); ++c) Count += topLevelItem(c)->childCount();
  return Count;
}

QTreeWidgetItem* TCategoryTree::RowItem(TTreeRow Row) const {
  CheckListIndex(Row.Category, static_cast<std::size_t>(topLevelItemCount()));
  QTreeWidgetItem* Category = topLevelItem(Row.Category);
  if (!Row.IsItem()) return Category;
  CheckListIndex(Row.Item, static_cast<std::size_t>(Category->childCount()));
  return Category->child(Row.Item);
}

QString TCategoryTree::RowText(TTreeRow Row) const { return RowItem(Row)->text(0); }
void TCategoryTree::SetRowText(TTreeRow Row, const QString& Text) { RowItem(Row)->setText(0, Text); }
void TCategoryTree::DeleteRow(TTreeRow Row) { delete RowItem(Row); }
bool TCategoryTree::IsRowSelected(TTreeRow Row) const { return RowItem(Row)->isSelected(); }
QRect TCategoryTree::RowRect(TTreeRow Row) const { return visualItemRect(RowItem(Row)); }

std::vector<TTreeRow> TCategoryTree::SelectedRows() const {
  std::vector<TTreeRow> Rows;
  for (int c = 0; c < topLevelItemCount(); ++c) {
    const QTreeWidgetItem* Category = topLevelItem(c);
    if (Category->isSelected()) Rows.push_back({c, -1});
    for (int i = 0; i < Category->childCount(); ++i)
      if (Category->child(i)->isSelected()) Rows.push_back({c, i});
  }
  return Rows;
}

void TCategoryTree::SelectRow(TTreeRow Row) {
  if (Row.Category < 0 || Row.Category >= topLevelItemCount()) return;
  if (Row.IsItem() && Row.Item >= topLevelItem(Row.Category)->childCount()) return;
  setCurrentItem(RowItem(Row), 0, QItemSelectionModel::ClearAndSelect);
}

TTreeRow TCategoryTree::RowOf(const QModelIndex& Index) {
  if (Index.parent().isValid()) return {Index.parent().row(), Index.row()};
  return {Index.row(), -1};
}

void TCategoryTree::SelectionChanged(const QItemSelection& Selected, const QItemSelection& Deselected) {
  if (FQuiet) return;
  auto InTreeOrder = [](const QItemSelection& Selection) {
    std::vector<TTreeRow> Rows;
    for (const QModelIndex& Index : Selection.indexes()) Rows.push_back(RowOf(Index));
    std::sort(Rows.begin(), Rows.end(), [](const TTreeRow& a, const TTreeRow& b) {
      return a.Category != b.Category ? a.Category < b.Category : a.Item < b.Item;
    });
    return Rows;
  };
  const std::vector<TTreeRow> Lost = InTreeOrder(Deselected);
  std::vector<TTreeRow> Gained = InTreeOrder(Selected);
  // The row the user clicked last is reported last.
  const QModelIndex Current = currentIndex();
  if (Current.isValid()) {
    auto At = std::find(Gained.begin(), Gained.end(), RowOf(Current));
    if (At != Gained.end()) std::rotate(At, At + 1, Gained.end());
  }
  for (const TTreeRow& Row : Lost) emit RowSelectedChanged(Row, false);
  for (const TTreeRow& Row : Gained) emit RowSelectedChanged(Row, true);
}
