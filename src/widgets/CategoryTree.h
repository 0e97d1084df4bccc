// A tree of categories (top-level rows) and their items (child rows), with
// check boxes that are shown but mean nothing, and several rows selectable
// with click, Ctrl-click and Shift-click. Rows are addressed by position:
// top-level row c is category c, child row i of it is item i.
#pragma once

#include <QStringList>
#include <QTreeWidget>
#include <vector>

struct TTreeRow {
  int Category = -1;
  int Item = -1;  // -1 for the category's own row
  bool IsItem() const { return Item >= 0; }
  bool operator==(const TTreeRow& Other) const { return Category == Other.Category && Item == Other.Item; }
  bool operator!=(const TTreeRow& Other) const { return !(*this == Other); }
};

class TCategoryTree : public QTreeWidget {
  Q_OBJECT
 public:
  explicit TCategoryTree(QWidget* Parent = nullptr);

  // Removes every row; raises no selection notice.
  void ClearRows();
  void AddCategoryRow(const QString& Text);
  void AddItemRow(int Category, const QString& Text);
  // Appends a category row already holding its item rows (a fast fill).
  void AddCategoryRows(const QString& Text, const QStringList& Items);

  int CategoryRowCount() const { return topLevelItemCount(); }
  int ItemRowCount(int Category) const;
  // Categories and items together.
  int RowCount() const;
  QString RowText(TTreeRow Row) const;
  void SetRowText(TTreeRow Row, const QString& Text);
  // Deletes the row with its children.
  void DeleteRow(TTreeRow Row);

  // The selected rows in tree order (each category followed by its items).
  std::vector<TTreeRow> SelectedRows() const;
  // Makes Row the current and only selected row, when it exists.
  void SelectRow(TTreeRow Row);
  bool IsRowSelected(TTreeRow Row) const;
  // The row's area in viewport coordinates, to click it.
  QRect RowRect(TTreeRow Row) const;

 signals:
  // A row became selected or stopped being selected. When several rows
  // change at once, the rows that lost the selection come first and the
  // current row comes last.
  void RowSelectedChanged(TTreeRow Row, bool Selected);

 private:
  QTreeWidgetItem* RowItem(TTreeRow Row) const;
  static TTreeRow RowOf(const QModelIndex& Index);
  void SelectionChanged(const QItemSelection& Selected, const QItemSelection& Deselected);
  static QTreeWidgetItem* NewRowItem(const QString& Text);

  bool FQuiet = false;  // no selection notices while rows are cleared
};
