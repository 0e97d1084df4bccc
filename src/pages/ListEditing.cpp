#include "pages/ListEditing.h"

#include "widgets/CheckListBox.h"

bool IsBlankName(const QString& Name) {
  for (const QChar Character : Name)
    if (Character > QChar(' ')) return false;
  return true;
}

bool DeleteCheckedEntries(TCheckListBox& List, const std::function<int()>& RecordCount,
                          const std::function<void(int)>& DeleteRecord) {
  bool SelectedDeleted = false;
  int i = 0;
  while (i < RecordCount()) {
    if (!List.IsChecked(i)) {
      ++i;
      continue;
    }
    const bool WasSelected = List.SelectedIndex() == i;
    // The store first: when it fails, list and store stay in step.
    DeleteRecord(i);
    List.DeleteEntry(i);
    SelectedDeleted = SelectedDeleted || WasSelected;
  }
  return SelectedDeleted;
}
