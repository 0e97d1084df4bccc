// The Logistics page: logistics plans, each a name and a text of details.
#pragma once

#include "pages/TextDetailsPage.h"

class TRichEdit;

class TLogisticsPage : public TTextDetailsPage {
  Q_OBJECT
 public:
  explicit TLogisticsPage(TAppContext& Context, QWidget* Parent = nullptr);

  int SelectedPlanIndex() const { return SelectedIndex(); }

  void Button11Click() { AddClick(); }
  void Button15Click() { ModifyClick(); }
  void CheckListBox1Click() { ListClick(); }
  void Button14Click() { DeleteCheckedClick(); }

  QLabel* Label8 = nullptr;
  QLineEdit* Edit7 = nullptr;          // plan name
  QPushButton* Button11 = nullptr;     // "Add"
  QPushButton* Button15 = nullptr;     // "Modify"
  TCheckedListGroup* GroupBox3 = nullptr;  // "Plans"
  TCheckListBox* CheckListBox1 = nullptr;
  QPushButton* Button14 = nullptr;     // "Delete Checked"
  QMenu* PopupMenu3 = nullptr;
  QAction* SeleteSelected1 = nullptr;  // "&Delete Selected"
  QGroupBox* GroupBox4 = nullptr;      // "Details"
  TRichEdit* RichEdit1 = nullptr;
  QPushButton* Button13 = nullptr;     // "&Clear"

 protected:
  int RecordCount() const override;
  std::string RecordName(int Index) const override;
  void AppendRecord(const std::string& Name) override;
  void RenameRecord(int Index, const std::string& Name) override;
  void DeleteRecord(int Index) override;
  std::string RecordText(int Index) const override;
  void SetRecordText(int Index, const std::string& Text) override;
};
