#include "pages/IngredientEditor.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AppContext.h"
#include "ui/StoreText.h"
#include "pages/ListEditing.h"
#include "widgets/CheckListBox.h"

TIngredientEditor::TIngredientEditor(TAppContext& Context, std::function<TTextLines*()> SelectedLines,
                                     QWidget* Parent)
    : TCheckedListGroup("Ingredientes", "Delete Checked Ingredientes", "&Delete Selcted", Parent),
      FContext(Context),
      FSelectedLines(std::move(SelectedLines)) {
  auto* NameRow = new QHBoxLayout;
  NameBox = new QLineEdit(this);
  AddButton = new QPushButton("Add", this);
  ModifyButton = new QPushButton("Modify", this);
  NameBox->setMinimumWidth(100);
  for (QPushButton* Button : {AddButton, ModifyButton}) Button->setMaximumWidth(60);
  NameRow->addWidget(NameBox, 1);
  NameRow->addWidget(AddButton);
  NameRow->addWidget(ModifyButton);
  Column->insertLayout(0, NameRow);

  connect(AddButton, &QPushButton::clicked, this, [this] { FContext.Guarded([this] { AddClick(); }); });
  connect(ModifyButton, &QPushButton::clicked, this, [this] { FContext.Guarded([this] { ModifyClick(); }); });
  connect(DeleteCheckedButton, &QPushButton::clicked, this,
          [this] { FContext.Guarded([this] { DeleteCheckedClick(); }); });
  connect(List, &TCheckListBox::EntryClicked, this, [this] { EntryClick(); });
}

void TIngredientEditor::ShowLines(const TTextLines& Lines) { List->SetEntries(FromStoreLines(Lines)); }

void TIngredientEditor::Reset() { List->Clear(); }

int TIngredientEditor::SelectedIndex() const { return List->SelectedIndex(); }

void TIngredientEditor::AddClick() {
  if (IsBlankName(NameBox->text())) return;
  TTextLines* Lines = FSelectedLines();
  if (!Lines) return;
  Lines->push_back(ToStore(NameBox->text()));
  ShowLines(*Lines);
}

void TIngredientEditor::ModifyClick() {
  IgnoreFailure([this] {
    TTextLines* Lines = FSelectedLines();
    if (!Lines) return;
    Lines->at(static_cast<std::size_t>(SelectedIndex())) = ToStore(NameBox->text());
    ShowLines(*Lines);
  });
}

void TIngredientEditor::EntryClick() { NameBox->setText(List->EntryText(SelectedIndex())); }

void TIngredientEditor::DeleteCheckedClick() {
  TTextLines* Lines = FSelectedLines();
  if (!Lines) return;
  DeleteCheckedEntries(
      *List, [Lines] { return static_cast<int>(Lines->size()); },
      [Lines](int Index) { Lines->erase(Lines->begin() + Index); });
}
