#include "pages/PermitsPage.h"

#include "ui/AppContext.h"

TPermitsPage::TPermitsPage(TAppContext& Context, QWidget* Parent)
    : TFieldGridPage(Context, {"Park Name:", "Park Name", "Delete Checked", "&Delete Selcted", "Details"},
                     {"Park Name", "Phone", "Fax", "Requirements", "Cost", "Dates", "Notes"}, Parent) {
  Label7 = NameLabel;
  Edit8 = NameBox;
  Button37 = AddButton;
  Button41 = ModifyButton;
  GroupBox6 = ListGroup;
  CheckListBox6 = List;
  Button31 = DeleteCheckedButton;
  PopupMenu7 = ListMenu;
  DeleteSelcted3 = DeleteSelectedItem;
  GroupBox15 = DetailsGroup;
  ValueListEditor4 = Grid;
}

int TPermitsPage::RecordCount() const { return Context.Store.PermitCount(Context.Trip()); }

void TPermitsPage::AppendRecord(const std::string& Name) { Context.Store.AddPermit(Context.Trip(), Name); }

void TPermitsPage::DeleteRecord(int Index) { Context.Store.DeletePermit(Context.Trip(), Index); }

std::string& TPermitsPage::RecordField(int Index, int Position) const {
  return Context.Store.GetPermit(Context.Trip(), Index).Field(Position);
}
