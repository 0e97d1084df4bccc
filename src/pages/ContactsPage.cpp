#include "pages/ContactsPage.h"

#include "ui/AppContext.h"

TContactsPage::TContactsPage(TAppContext& Context, QWidget* Parent)
    : TFieldGridPage(Context, {"Name:", "Name", "Delete Checked", "&Delete Selcted", "Details"},
                     {"Name", "Nickname", "Hometown", "Current Mailing Adress", "E-Mail", "Alternate E-Mail",
                      "Phone", "Alternate Phone", "Emergency Contact Information", "Allergies / Medication",
                      "Other Information"},
                     Parent) {
  Label13 = NameLabel;
  Edit14 = NameBox;
  Button28 = AddButton;
  Button29 = ModifyButton;
  GroupBox10 = ListGroup;
  CheckListBox4 = List;
  Button30 = DeleteCheckedButton;
  PopupMenu8 = ListMenu;
  DeleteSelcted4 = DeleteSelectedItem;
  GroupBox11 = DetailsGroup;
  ValueListEditor3 = Grid;
}

int TContactsPage::RecordCount() const { return Context.Store.ContactCount(Context.Trip()); }

void TContactsPage::AppendRecord(const std::string& Name) {
  Context.Store.AddContact(Context.Trip());
  Context.Store.GetContact(Context.Trip(), RecordCount() - 1).Name = Name;
}

void TContactsPage::DeleteRecord(int Index) { Context.Store.DeleteContact(Context.Trip(), Index); }

std::string& TContactsPage::RecordField(int Index, int Position) const {
  return Context.Store.GetContact(Context.Trip(), Index).Field(Position);
}
