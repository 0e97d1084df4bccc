// A grid of fixed keys and their values. The keys and column titles are given
// at construction; the user edits the values only and cannot add, remove or
// rename rows. Rows are numbered from 0.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QTableWidget>

class QLineEdit;

class TValueListEditor : public QTableWidget {
  Q_OBJECT
 public:
  TValueListEditor(const QStringList& Keys, const QString& KeyTitle, const QString& ValueTitle,
                   QWidget* Parent = nullptr);
  ~TValueListEditor() override;

  int RowCount() const { return rowCount(); }
  QString Key(int Row) const;
  // The row holding Key, or -1.
  int RowOfKey(const QString& Key) const;

  // Values by row or by key. An unknown row or key throws std::out_of_range.
  QString Value(int Row) const;
  QString Value(const QString& Key) const;
  QStringList Values() const;
  // Setting a value from code never raises a validation; it also replaces
  // the text of an editor open on that cell.
  void SetValue(int Row, const QString& Value);
  void SetValue(const QString& Key, const QString& Value);
  // Sets the first Values.size() rows in order.
  void SetValues(const QStringList& Values);

  // The row of the current cell, or -1.
  int CurrentRow() const;

  // Takes the text being typed into a cell, and validates a changed cell
  // now, as leaving it would; for actions that change what the grid shows.
  void FinishEditing();

  // Tall enough for the titles and every row.
  QSize sizeHint() const override;

  // What a user does, for tests: TypeValue selects the value cell of Row,
  // opens its editor, replaces the text and presses Enter (the cell stays
  // current, so no validation yet); LeaveEditor moves the focus out of the
  // grid, which validates a changed cell. Both do nothing while the grid is
  // disabled, as a user could not type into it.
  void TypeValue(int Row, const QString& Text);
  void LeaveEditor();
  // TypeValue followed by LeaveEditor.
  void EnterValue(int Row, const QString& Text);

 signals:
  // The user left the cell of Row (for another cell or by moving the focus
  // out of the grid) after changing its text. An unchanged cell raises none.
  void ValueValidate(int Row);
  // The current cell moved to Row.
  void CellSelected(int Row);
  // A double click on the grid; Row is the row under the pointer or -1.
  void DoubleClicked(int Row);

 protected:
  void currentChanged(const QModelIndex& Current, const QModelIndex& Previous) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;

 private:
  void ValueEdited(QTableWidgetItem* Item);
  void FocusChanged(QWidget* Old, QWidget* Now);
  bool Holds(QWidget* Widget) const;
  void CommitOpenEditor();
  void ValidateChangedCell();
  int CheckedRow(int Row) const;

  QMetaObject::Connection FFocusWatch;
  QPointer<QLineEdit> FOpenEditor;  // the editor of the last cell opened for editing
  int FChangedRow = -1;             // the row whose text the user changed, until validated
  bool FSettingValue = false;
};
