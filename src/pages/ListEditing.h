// Small rules shared by the pages that edit a list of named records.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class TCheckListBox;

// A name that is empty once blanks and control characters are trimmed from
// both ends. Such names are not added.
bool IsBlankName(const QString& Name);

// Runs Work and drops any failure: for the steps that leave the page as it
// is when there is nothing to show or store.
template <class Work>
void IgnoreFailure(Work&& Step) {
  try {
    Step();
  } catch (const std::exception&) {
  }
}

// Deletes every checked entry of List together with the record of the same
// index (DeleteRecord), walking the entries from the first while the index
// is below RecordCount() (read again on every pass). Returns true when the
// selected entry was one of those deleted.
bool DeleteCheckedEntries(TCheckListBox& List, const std::function<int()>& RecordCount,
                          const std::function<void(int)>& DeleteRecord);
