#include "pages/ListDetailsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AppContext.h"
#include "ui/StoreText.h"
#include "pages/CheckedListGroup.h"
#include "pages/ListEditing.h"
#include "widgets/CheckListBox.h"

TListDetailsPage::TListDetailsPage(TAppContext& Context, const TListDetailsCaptions& Captions,
                                   QWidget* Parent)
    : TTripPage(Context, Parent) {
  auto* Layout = new QVBoxLayout(this);
  NameRow = new QHBoxLayout;
  NameLabel = new QLabel(Captions.NameLabel, this);
  NameBox = new QLineEdit(this);
  NameBox->setMinimumWidth(200);
  NameLabel->setBuddy(NameBox);
  AddButton = new QPushButton("Add", this);
  ModifyButton = new QPushButton("Modify", this);
  NameRow->addWidget(NameLabel);
  NameRow->addWidget(NameBox);
  NameRow->addWidget(AddButton);
  NameRow->addWidget(ModifyButton);
  NameRow->addStretch(1);
  Layout->addLayout(NameRow);

  Body = new QHBoxLayout;
  ListGroup = new TCheckedListGroup(Captions.ListGroup, Captions.DeleteChecked, Captions.DeleteSelected, this);
  List = ListGroup->List;
  DeleteCheckedButton = ListGroup->DeleteCheckedButton;
  ListMenu = ListGroup->Menu;
  DeleteSelectedItem = ListGroup->DeleteSelectedItem;
  DetailsGroup = new QGroupBox(Captions.DetailsGroup, this);
  Body->addWidget(ListGroup, 2);
  Body->addWidget(DetailsGroup, 3);
  Layout->addLayout(Body, 1);

  connect(AddButton, &QPushButton::clicked, this, [this] { this->Context.Guarded([this] { AddClick(); }); });
  connect(ModifyButton, &QPushButton::clicked, this,
          [this] { this->Context.Guarded([this] { ModifyClick(); }); });
  connect(DeleteCheckedButton, &QPushButton::clicked, this,
          [this] { this->Context.Guarded([this] { DeleteCheckedClick(); }); });
  connect(List, &TCheckListBox::EntryClicked, this, [this] { ListClick(); });
}

int TListDetailsPage::SelectedIndex() const { return List->SelectedIndex(); }

void TListDetailsPage::FillPage() {
  // The list goes first, so that emptying the details stores nothing.
  List->Clear();
  ResetDetails();
  for (int i = 0; i < RecordCount(); ++i) List->AppendEntry(FromStore(RecordName(i)));
}

std::vector<int> TListDetailsPage::SelectedEntry() const {
  const int Index = SelectedIndex();
  if (Index < 0) return {};
  return {Index};
}

void TListDetailsPage::SelectEntry(const std::vector<int>& Entry) {
  if (Entry.size() != 1 || Entry[0] < 0 || Entry[0] >= List->Count()) return;
  List->SelectSilently(Entry[0]);
  IgnoreFailure([this, &Entry] { ShowSelected(Entry[0]); });
}

void TListDetailsPage::ClearPage() {
  NameBox->clear();
  List->Clear();
  ResetDetails();
}

void TListDetailsPage::ShowSelected(int Index) {
  ShowDetails(Index);
  NameBox->setText(List->EntryText(Index));
}

void TListDetailsPage::RecordAdded(int Index) {
  List->SelectSilently(Index);
  ShowSelected(Index);
}

void TListDetailsPage::AddClick() {
  const QString Name = NameBox->text();
  if (IsBlankName(Name)) return;
  AppendRecord(ToStore(Name));
  List->AppendEntry(Name);
  RecordAdded(List->Count() - 1);
}

void TListDetailsPage::ModifyClick() {
  const int Index = SelectedIndex();
  if (Index < 0) return;
  const QString Name = NameBox->text();
  RenameRecord(Index, ToStore(Name));
  List->SetEntryText(Index, Name);
  RecordRenamed(Index);
}

void TListDetailsPage::ListClick() {
  IgnoreFailure([this] { ShowSelected(SelectedIndex()); });
}

void TListDetailsPage::DeleteCheckedClick() {
  const bool ShownDeleted = DeleteCheckedEntries(
      *List, [this] { return RecordCount(); }, [this](int Index) { DeleteRecord(Index); });
  // The details must not keep showing a record that is gone.
  if (ShownDeleted) ResetDetails();
}
