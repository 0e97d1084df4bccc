#include "pages/FieldGridPage.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/AppContext.h"
#include "ui/StoreText.h"
#include "widgets/CheckListBox.h"
#include "widgets/ValueListEditor.h"

TFieldGridPage::TFieldGridPage(TAppContext& Context, const TListDetailsCaptions& Captions,
                               const QStringList& Keys, QWidget* Parent)
    : TListDetailsPage(Context, Captions, Parent), FKeys(Keys) {
  auto* Layout = new QVBoxLayout(DetailsGroup);
  Grid = new TValueListEditor(Keys, "Properties", "Values", DetailsGroup);
  Grid->setEnabled(false);
  Layout->addWidget(Grid);
  connect(Grid, &TValueListEditor::ValueValidate, this, [this] { this->Context.Guarded([this] { StoreGrid(); }); });
}

std::string TFieldGridPage::RecordName(int Index) const {
  return RecordField(Index, 0);
}

void TFieldGridPage::RenameRecord(int Index, const std::string& Name) { RecordField(Index, 0) = Name; }

void TFieldGridPage::ShowRecordFields(int Index) {
  for (int Position = 0; Position < FKeys.size(); ++Position)
    Grid->SetValue(FKeys[Position], FromStore(RecordField(Index, Position)));
}

void TFieldGridPage::ShowDetails(int Index) {
  ShowRecordFields(Index);
  Grid->setEnabled(true);
}

void TFieldGridPage::ResetEditor() {
  for (const QString& Key : FKeys) Grid->SetValue(Key, QString());
  Grid->setEnabled(false);
}

void TFieldGridPage::StoreGrid() {
  const int Index = SelectedIndex();
  if (Index < 0) return;
  for (int Position = 0; Position < FKeys.size(); ++Position) {
    const QString Value = Grid->Value(FKeys[Position]);
    std::string& Field = RecordField(Index, Position);
    // A value shown unchanged keeps its stored bytes.
    if (FromStore(Field) != Value) Field = ToStore(Value);
  }
  const QString Name = Grid->Value(FKeys[0]);
  List->SetEntryText(Index, Name);
  NameBox->setText(Name);
}
