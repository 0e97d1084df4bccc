#include "pages/LogisticsPage.h"

#include "ui/AppContext.h"

TLogisticsPage::TLogisticsPage(TAppContext& Context, QWidget* Parent)
    : TTextDetailsPage(Context, {"Plan:", "Plans", "Delete Checked", "&Delete Selected", "Details"},
                       "Type the details here...", Parent) {
  Label8 = NameLabel;
  Edit7 = NameBox;
  Button11 = AddButton;
  Button15 = ModifyButton;
  GroupBox3 = ListGroup;
  CheckListBox1 = List;
  Button14 = DeleteCheckedButton;
  PopupMenu3 = ListMenu;
  SeleteSelected1 = DeleteSelectedItem;
  GroupBox4 = DetailsGroup;
  RichEdit1 = Details->Editor;
  Button13 = Details->ClearButton;
}

int TLogisticsPage::RecordCount() const { return Context.Store.PlanCount(Context.Trip()); }

std::string TLogisticsPage::RecordName(int Index) const {
  return Context.Store.GetPlan(Context.Trip(), Index).Name;
}

void TLogisticsPage::AppendRecord(const std::string& Name) { Context.Store.AddPlan(Context.Trip(), Name, ""); }

void TLogisticsPage::RenameRecord(int Index, const std::string& Name) {
  Context.Store.SetPlan(Context.Trip(), Index, Name, Context.Store.GetPlan(Context.Trip(), Index).Details);
}

void TLogisticsPage::DeleteRecord(int Index) { Context.Store.DeletePlan(Context.Trip(), Index); }

std::string TLogisticsPage::RecordText(int Index) const {
  return Context.Store.GetPlan(Context.Trip(), Index).Details;
}

void TLogisticsPage::SetRecordText(int Index, const std::string& Text) {
  Context.Store.SetPlan(Context.Trip(), Index, Context.Store.GetPlan(Context.Trip(), Index).Name, Text);
}
