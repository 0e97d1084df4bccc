// The Contacts and Permits pages: records with fixed fields in a key/value
// grid. What both share is tested on both.
#include <QHeaderView>

#include "pages/FieldGridPage.h"
#include "support/PagesFixture.h"

namespace {

struct TGridPageKind {
  const char* Name;
  int PageIndex;
  TFieldGridPage& (*Page)(TMainForm&);
  void (*AddRecord)(TTravelerData&, const std::string& Name);
  std::string& (*Field)(TTravelerData&, int Index, int Position);
  QStringList Keys;
};

const TGridPageKind ContactsKind{
    "Contacts",
    TMainForm::ContactsPageIndex,
    [](TMainForm& Form) -> TFieldGridPage& { return *Form.ContactsPage; },
    [](TTravelerData& Data, const std::string& Name) {
      Data.AddContact(0);
      Data.GetContact(0, Data.ContactCount(0) - 1).Name = Name;
    },
    [](TTravelerData& Data, int Index, int Position) -> std::string& {
      return Data.GetContact(0, Index).Field(Position);
    },
    {"Name", "Nickname", "Hometown", "Current Mailing Adress", "E-Mail", "Alternate E-Mail", "Phone",
     "Alternate Phone", "Emergency Contact Information", "Allergies / Medication", "Other Information"}};

const TGridPageKind PermitsKind{
    "Permits",
    TMainForm::PermitsPageIndex,
    [](TMainForm& Form) -> TFieldGridPage& { return *Form.PermitsPage; },
    [](TTravelerData& Data, const std::string& Name) { Data.AddPermit(0, Name); },
    [](TTravelerData& Data, int Index, int Position) -> std::string& {
      return Data.GetPermit(0, Index).Field(Position);
    },
    {"Park Name", "Phone", "Fax", "Requirements", "Cost", "Dates", "Notes"}};

void PrintTo(const TGridPageKind& Kind, std::ostream* Out) { *Out << Kind.Name; }

class FieldGridPagesTest : public PagesTest, public ::testing::WithParamInterface<TGridPageKind> {
 protected:
  // Records A and B; field 1 of each holds "A1" and "B1".
  void OpenWithTwoRecords() {
    OpenWithTrip([](TTravelerData& Data) {
      for (const char* Name : {"A", "B"}) {
        GetParam().AddRecord(Data, Name);
        GetParam().Field(Data, RecordCountOf(Data) - 1, 1) = std::string(Name) + "1";
      }
    });
    ShowPage(GetParam().PageIndex);
  }
  static int RecordCountOf(TTravelerData& Data) {
    return GetParam().PageIndex == TMainForm::ContactsPageIndex ? Data.ContactCount(0) : Data.PermitCount(0);
  }
  TFieldGridPage& Page() { return GetParam().Page(*Form); }
  TValueListEditor* Grid() { return Page().Grid; }
  TCheckListBox* List() { return Page().List; }
  std::string& Field(int Index, int Position) { return GetParam().Field(Store(), Index, Position); }
  int RecordCount() { return RecordCountOf(Store()); }
};

TEST_P(FieldGridPagesTest, GridHasTheFixedKeys) {
  OpenWithTwoRecords();
  EXPECT_EQ(Grid()->horizontalHeaderItem(0)->text(), "Properties");
  EXPECT_EQ(Grid()->horizontalHeaderItem(1)->text(), "Values");
  ASSERT_EQ(Grid()->RowCount(), GetParam().Keys.size());
  for (int Row = 0; Row < Grid()->RowCount(); ++Row) EXPECT_EQ(Grid()->Key(Row), GetParam().Keys[Row]);
  EXPECT_FALSE(Grid()->isEnabled());
  EXPECT_EQ(Entries(List()), (QStringList{"A", "B"}));
}

TEST_P(FieldGridPagesTest, ClickShowsTheRecord) {
  OpenWithTwoRecords();
  ClickEntry(List(), 1);
  EXPECT_TRUE(Grid()->isEnabled());
  EXPECT_EQ(Grid()->Value(0), "B");
  EXPECT_EQ(Grid()->Value(1), "B1");
  EXPECT_EQ(Page().NameBox->text(), "B");
}

TEST_P(FieldGridPagesTest, NameRowRenamesTheEntry) {
  OpenWithTwoRecords();
  ClickEntry(List(), 0);
  Grid()->EnterValue(0, "Alpha");
  EXPECT_EQ(Field(0, 0), "Alpha");
  EXPECT_EQ(Entries(List()), (QStringList{"Alpha", "B"}));
  EXPECT_EQ(Page().NameBox->text(), "Alpha");
  EXPECT_EQ(Page().SelectedIndex(), 0);
  Grid()->EnterValue(2, "third");
  EXPECT_EQ(Field(0, 2), "third");
  EXPECT_EQ(Field(0, 1), "A1");
  EXPECT_EQ(Field(1, 2), "");
}

TEST_P(FieldGridPagesTest, ModifyRenamesEntryAndNameRowTogether) {
  OpenWithTwoRecords();
  ClickEntry(List(), 1);
  Check(List(), {1});
  Page().NameBox->setText("Beta");
  Page().ModifyButton->click();
  EXPECT_EQ(Field(1, 0), "Beta");
  EXPECT_EQ(Entries(List()), (QStringList{"A", "Beta"}));
  EXPECT_EQ(Grid()->Value(0), "Beta");
  EXPECT_EQ(Grid()->Value(1), "B1");
  EXPECT_TRUE(List()->IsChecked(1));
  EXPECT_EQ(Field(0, 0), "A");
}

TEST_P(FieldGridPagesTest, LeavingAnUnchangedCellStoresNothing) {
  OpenWithTwoRecords();
  ClickEntry(List(), 0);
  Field(0, 1) = "changed meanwhile";
  Grid()->TypeValue(1, Grid()->Value(1));
  Grid()->LeaveEditor();
  EXPECT_EQ(Field(0, 1), "changed meanwhile");
}

TEST_P(FieldGridPagesTest, EditIsStoredBeforeAnotherRecordIsShown) {
  OpenWithTwoRecords();
  ClickEntry(List(), 0);
  Grid()->TypeValue(1, "555-0100");
  ClickEntry(List(), 1);  // the grid loses the focus first
  EXPECT_EQ(Field(0, 1), "555-0100");
  EXPECT_EQ(Field(1, 1), "B1");
  EXPECT_EQ(Grid()->Value(1), "B1");
  EXPECT_EQ(Entries(List()), (QStringList{"A", "B"}));
}

TEST_P(FieldGridPagesTest, DeletingTheShownRecordResetsTheGrid) {
  OpenWithTwoRecords();
  ClickEntry(List(), 1);
  Check(List(), {1});
  Page().DeleteCheckedButton->click();
  EXPECT_EQ(RecordCount(), 1);
  EXPECT_FALSE(Grid()->isEnabled());
  EXPECT_EQ(Grid()->Values(), QStringList(GetParam().Keys.size(), ""));
  Grid()->EnterValue(1, "lost");
  EXPECT_EQ(Field(0, 1), "A1");
  EXPECT_EQ(Entries(List()), QStringList{"A"});
}

TEST_P(FieldGridPagesTest, DeletingAnotherRecordKeepsTheGrid) {
  OpenWithTwoRecords();
  ClickEntry(List(), 1);
  Check(List(), {0});
  Page().DeleteSelectedItem->trigger();
  ASSERT_EQ(RecordCount(), 1);
  EXPECT_TRUE(Grid()->isEnabled());
  EXPECT_EQ(Grid()->Value(0), "B");
  Grid()->EnterValue(1, "B2");
  EXPECT_EQ(Field(0, 1), "B2");
}

TEST_P(FieldGridPagesTest, TripSwitchEmptiesAndDisablesTheGrid) {
  OpenWith([](TTravelerData& Data) {
    Data.AppendTrip();
    GetParam().AddRecord(Data, "A");
    Data.AppendTrip();
  });
  ShowPage(GetParam().PageIndex);
  ClickEntry(List(), 0);
  Page().NameBox->setText("kept");
  SwitchTrip(1);
  EXPECT_FALSE(Grid()->isEnabled());
  EXPECT_EQ(Grid()->Values(), QStringList(GetParam().Keys.size(), ""));
  EXPECT_EQ(List()->Count(), 0);
  EXPECT_EQ(Page().NameBox->text(), "kept");
  SwitchTrip(0);
  EXPECT_FALSE(Grid()->isEnabled());
  EXPECT_EQ(Grid()->Value(0), "");
}

TEST_P(FieldGridPagesTest, EditInProgressStaysWithItsTripWhenTheTripChanges) {
  OpenWith([](TTravelerData& Data) {
    Data.AppendTrip();
    GetParam().AddRecord(Data, "A");
    Data.AppendTrip();
    GetParam().AddRecord(Data, "Other");
  });
  ShowPage(GetParam().PageIndex);
  ClickEntry(List(), 0);
  // The user types into a value cell and, with its editor still open,
  // goes to the trip selector and picks the other trip.
  Grid()->setFocus();
  Grid()->setCurrentCell(1, 1);
  QTest::keyClick(Grid(), Qt::Key_X);  // opens the cell's editor
  ASSERT_NE(QApplication::focusWidget(), Grid());
  QTest::keyClicks(QApplication::focusWidget(), "yz");
  Form->ComboBox1->setFocus(Qt::MouseFocusReason);
  SwitchTrip(1);
  EXPECT_EQ(GetParam().Field(Store(), 0, 1), "xyz");
  EXPECT_FALSE(Grid()->isEnabled());
  ClickEntry(List(), 0);
  EXPECT_EQ(Grid()->Value(1), "");
}

TEST_P(FieldGridPagesTest, BlankNameAddsNothing) {
  OpenWithTwoRecords();
  Page().NameBox->setText("  ");
  Page().AddButton->click();
  EXPECT_EQ(RecordCount(), 2);
  EXPECT_TRUE(Prompts.Shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, FieldGridPagesTest, ::testing::Values(ContactsKind, PermitsKind),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---- What differs ----

class ContactsTest : public PagesTest {};

TEST_F(ContactsTest, AddLeavesTheShownContactSelected) {
  OpenWithTrip([](TTravelerData& Data) {
    Data.AddContact(0);
    Data.GetContact(0, 0).Name = "Ann";
    Data.GetContact(0, 0).Phone = "555-0101";
  });
  ShowPage(TMainForm::ContactsPageIndex);
  ClickEntry(Contacts().CheckListBox4, 0);
  Contacts().Edit14->setText("Bob");
  Contacts().Button28->click();
  ASSERT_EQ(Store().ContactCount(0), 2);
  EXPECT_EQ(Store().GetContact(0, 1).Name, "Bob");
  EXPECT_EQ(Store().GetContact(0, 1).Phone, "");
  EXPECT_EQ(Entries(Contacts().CheckListBox4), (QStringList{"Ann", "Bob"}));
  EXPECT_EQ(Contacts().SelectedContactIndex(), 0);
  EXPECT_EQ(Contacts().ValueListEditor3->Value("Name"), "Ann");
  // An edit goes to the contact shown.
  Contacts().ValueListEditor3->EnterValue(Contacts().ValueListEditor3->RowOfKey("Phone"), "555-0199");
  EXPECT_EQ(Store().GetContact(0, 0).Phone, "555-0199");
  EXPECT_EQ(Store().GetContact(0, 1).Phone, "");
}

TEST_F(ContactsTest, ShowContactFillsEveryRow) {
  OpenWithTrip([](TTravelerData& Data) {
    Data.AddContact(0);
    for (int Position = 0; Position < TContact::FieldCount; ++Position)
      Data.GetContact(0, 0).Field(Position) = "f" + std::to_string(Position);
  });
  Contacts().ShowContact(0);
  for (int Row = 0; Row < TContact::FieldCount; ++Row)
    EXPECT_EQ(Contacts().ValueListEditor3->Value(Row), QString("f%1").arg(Row));
  Contacts().ResetContactEditor();
  EXPECT_EQ(Contacts().ValueListEditor3->Value("Other Information"), "");
}

class PermitsTest : public PagesTest {};

TEST_F(PermitsTest, AddedPermitIsShownBeforeAnyEdit) {
  OpenWithTrip([](TTravelerData& Data) {
    Data.AddPermit(0, "Yosemite");
    Data.GetPermit(0, 0).Cost = "10";
  });
  ShowPage(TMainForm::PermitsPageIndex);
  ClickEntry(Permits().CheckListBox6, 0);
  Permits().Edit8->setText("Sequoia");
  Permits().Button37->click();
  EXPECT_EQ(Permits().SelectedPermitIndex(), 1);
  TValueListEditor* Grid = Permits().ValueListEditor4;
  EXPECT_TRUE(Grid->isEnabled());
  EXPECT_EQ(Grid->Value("Park Name"), "Sequoia");
  EXPECT_EQ(Grid->Value("Cost"), "");
  Grid->EnterValue(Grid->RowOfKey("Dates"), "June 3-9");
  EXPECT_EQ(Store().GetPermit(0, 1).Dates, "June 3-9");
  EXPECT_EQ(Store().GetPermit(0, 1).Cost, "");
  EXPECT_EQ(Store().GetPermit(0, 0).Cost, "10");
  EXPECT_EQ(Store().GetPermit(0, 0).Dates, "");
}

TEST_F(PermitsTest, EditInProgressIsStoredWhenTheUserTurnsToAdd) {
  OpenWithTrip([](TTravelerData& Data) { Data.AddPermit(0, "Yosemite"); });
  ShowPage(TMainForm::PermitsPageIndex);
  ClickEntry(Permits().CheckListBox6, 0);
  TValueListEditor* Grid = Permits().ValueListEditor4;
  Grid->TypeValue(Grid->RowOfKey("Cost"), "10");
  // Going to the name box leaves the cell: the edit is stored into the
  // permit shown, whose name the box now holds.
  QTest::mouseClick(Permits().Edit8, Qt::LeftButton);
  EXPECT_EQ(Store().GetPermit(0, 0).Cost, "10");
  EXPECT_EQ(Permits().Edit8->text(), "Yosemite");
  Permits().Edit8->setText("Sequoia");
  QTest::mouseClick(Permits().Button37, Qt::LeftButton);
  ASSERT_EQ(Store().PermitCount(0), 2);
  EXPECT_EQ(Store().GetPermit(0, 1).Cost, "");
  EXPECT_EQ(Grid->Value("Park Name"), "Sequoia");
}

}  // namespace
