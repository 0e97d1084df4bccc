// The Contact Information page: the members of the party.
#pragma once

#include "pages/FieldGridPage.h"

class TContactsPage : public TFieldGridPage {
  Q_OBJECT
 public:
  explicit TContactsPage(TAppContext& Context, QWidget* Parent = nullptr);

  int SelectedContactIndex() const { return SelectedIndex(); }
  void ShowContact(int Index) { ShowRecordFields(Index); }
  void ResetContactEditor() { ResetEditor(); }

  void Button28Click() { AddClick(); }
  void Button29Click() { ModifyClick(); }
  void CheckListBox4Click() { ListClick(); }
  void Button30Click() { DeleteCheckedClick(); }
  void ValueListEditor3Validate() { StoreGrid(); }

  QLabel* Label13 = nullptr;
  QLineEdit* Edit14 = nullptr;              // name
  QPushButton* Button28 = nullptr;          // "Add"
  QPushButton* Button29 = nullptr;          // "Modify"
  TCheckedListGroup* GroupBox10 = nullptr;  // "Name"
  TCheckListBox* CheckListBox4 = nullptr;
  QPushButton* Button30 = nullptr;          // "Delete Checked"
  QMenu* PopupMenu8 = nullptr;
  QAction* DeleteSelcted4 = nullptr;
  QGroupBox* GroupBox11 = nullptr;          // "Details"
  TValueListEditor* ValueListEditor3 = nullptr;

 protected:
  int RecordCount() const override;
  void AppendRecord(const std::string& Name) override;
  void DeleteRecord(int Index) override;
  std::string& RecordField(int Index, int Position) const override;
  // A new contact is only listed: the selection and the grid stay.
  void RecordAdded(int /*Index*/) override {}
};
