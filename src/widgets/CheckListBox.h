// A list of text entries, each with a check mark, one selected at a time.
// The user's selection and check changes are reported; changes made from
// code are not. Once an entry is selected the user can select another but
// not none: only code empties the selection.
#pragma once

#include <QListWidget>

class QMenu;

class TCheckListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TCheckListBox(QWidget* Parent = nullptr);

  int Count() const { return count(); }
  QString EntryText(int Index) const;
  // Replaces the text of entry Index; it keeps its check mark and selection.
  void SetEntryText(int Index, const QString& Text);
  void AppendEntry(const QString& Text);
  // Removes entry Index. When it was the selected entry, no entry is
  // selected afterwards; otherwise the selection stays on its entry.
  void DeleteEntry(int Index);
  // Replaces all entries by Lines, unchecked and unselected.
  void SetEntries(const QStringList& Lines);
  void Clear();

  bool IsChecked(int Index) const;
  void SetChecked(int Index, bool Checked);

  // The index of the first selected entry, or -1.
  int SelectedIndex() const;
  // Selects entry Index (-1: none) without any notification.
  void SelectSilently(int Index);

  // The context menu: shown on a right click or the menu key, and its
  // actions' shortcuts work while the list has the focus. Not owned.
  void SetPopupMenu(QMenu* Menu);

 signals:
  // The user selected an entry, or clicked the selected one again.
  void EntryClicked();
  // The user changed the check mark of entry Index.
  void CheckClicked(int Index);

 protected:
  void mousePressEvent(QMouseEvent* Event) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& Index,
                                                       const QEvent* Event) const override;
  void contextMenuEvent(QContextMenuEvent* Event) override;

 private:
  QListWidgetItem* NewEntry(const QString& Text) const;

  // Changes made from code are not reported while this is set.
  bool FQuiet = false;
  QMenu* FPopupMenu = nullptr;
};
