// The Permits Manager page: the park permits of the trip.
#pragma once

#include "pages/FieldGridPage.h"

class TPermitsPage : public TFieldGridPage {
  Q_OBJECT
 public:
  explicit TPermitsPage(TAppContext& Context, QWidget* Parent = nullptr);

  int SelectedPermitIndex() const { return SelectedIndex(); }
  void ShowPermit(int Index) { ShowRecordFields(Index); }
  void ResetPermitEditor() { ResetEditor(); }

  void Button37Click() { AddClick(); }
  void Button41Click() { ModifyClick(); }
  void CheckListBox6Click() { ListClick(); }
  void Button31Click() { DeleteCheckedClick(); }
  void ValueListEditor4Validate() { StoreGrid(); }

  QLabel* Label7 = nullptr;
  QLineEdit* Edit8 = nullptr;              // park name
  QPushButton* Button37 = nullptr;         // "Add"
  QPushButton* Button41 = nullptr;         // "Modify"
  TCheckedListGroup* GroupBox6 = nullptr;  // "Park Name"
  TCheckListBox* CheckListBox6 = nullptr;
  QPushButton* Button31 = nullptr;         // "Delete Checked"
  QMenu* PopupMenu7 = nullptr;
  QAction* DeleteSelcted3 = nullptr;
  QGroupBox* GroupBox15 = nullptr;         // "Details"
  TValueListEditor* ValueListEditor4 = nullptr;

 protected:
  int RecordCount() const override;
  void AppendRecord(const std::string& Name) override;
  void DeleteRecord(int Index) override;
  std::string& RecordField(int Index, int Position) const override;
};
