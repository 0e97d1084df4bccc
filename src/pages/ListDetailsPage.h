// A page that keeps one kind of named record of the selected trip: a list of
// names with check marks, a name box with "Add" and "Modify", "Delete
// Checked" (also in the list's popup menu) and a details area bound to the
// selected record. Pages derive from it and supply the record access and
// their details area.
//
// Entry i of the list stands for record i of the trip. The details area
// always shows the selected record, or nothing: so an edit there can only
// reach the record the user sees.
#pragma once

#include <string>

#include "ui/TripPage.h"

class QAction;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TCheckListBox;
class TCheckedListGroup;

struct TListDetailsCaptions {
  QString NameLabel;       // label of the name box, e.g. "Plan:"
  QString ListGroup;       // frame of the list, e.g. "Plans"
  QString DeleteChecked;   // "Delete Checked" button
  QString DeleteSelected;  // the list's popup menu item
  QString DetailsGroup;    // frame of the details area
};

class TListDetailsPage : public TTripPage {
  Q_OBJECT
 public:
  // Empties the list and the details area, then lists the trip's records.
  void FillPage() override;
  // Empties the name box, the list and the details area.
  void ClearPage() override;
  std::vector<int> SelectedEntry() const override;
  void SelectEntry(const std::vector<int>& Entry) override;

  // The index of the selected entry, or -1.
  int SelectedIndex() const;

  // Event handlers.
  void AddClick();
  void ModifyClick();
  void ListClick();
  void DeleteCheckedClick();

  QLabel* NameLabel = nullptr;
  QLineEdit* NameBox = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* ModifyButton = nullptr;
  TCheckedListGroup* ListGroup = nullptr;
  TCheckListBox* List = nullptr;
  QPushButton* DeleteCheckedButton = nullptr;
  QMenu* ListMenu = nullptr;
  QAction* DeleteSelectedItem = nullptr;
  QGroupBox* DetailsGroup = nullptr;

 protected:
  TListDetailsPage(TAppContext& Context, const TListDetailsCaptions& Captions, QWidget* Parent);

  // The records of the selected trip.
  virtual int RecordCount() const = 0;
  virtual std::string RecordName(int Index) const = 0;
  virtual void AppendRecord(const std::string& Name) = 0;
  virtual void RenameRecord(int Index, const std::string& Name) = 0;
  virtual void DeleteRecord(int Index) = 0;

  // The details area: show record Index (may fail when there is none), or
  // show nothing.
  virtual void ShowDetails(int Index) = 0;
  virtual void ResetDetails() = 0;
  // After Add appended record Index: selects and shows it.
  virtual void RecordAdded(int Index);
  // After Modify renamed record Index.
  virtual void RecordRenamed(int /*Index*/) {}

  // Shows record Index in the details area and its name in the name box.
  void ShowSelected(int Index);

  // The row of the name box and its buttons, and the row below it holding
  // the list and the details; pages may add their own widgets to either.
  QHBoxLayout* NameRow = nullptr;
  QHBoxLayout* Body = nullptr;
};
