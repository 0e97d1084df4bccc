#include "pages/RecordTextEditor.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/AppContext.h"
#include "ui/StoreText.h"
#include "pages/ListEditing.h"
#include "widgets/RichEdit.h"

TRecordTextEditor::TRecordTextEditor(IRecordText& Records, TAppContext& Context, const QString& DesignText,
                                     QWidget* Parent)
    : QWidget(Parent), FRecords(Records), FContext(Context) {
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
  Editor = new TRichEdit(this);
  Load(DesignText);
  Editor->setEnabled(false);
  ClearButton = new QPushButton("&Clear", this);
  auto* ButtonRow = new QHBoxLayout;
  ButtonRow->addStretch(1);
  ButtonRow->addWidget(ClearButton);
  Layout->addWidget(Editor, 1);
  Layout->addLayout(ButtonRow);
  connect(Editor, &TRichEdit::textChanged, this, [this] { StoreText(); });
  connect(ClearButton, &QPushButton::clicked, this, [this] { FContext.Guarded([this] { ClearText(); }); });
}

void TRecordTextEditor::Load(const QString& Text) {
  FLoading = true;
  Editor->SetPlainText(Text);
  FLoading = false;
  Editor->SetModified(false);
}

void TRecordTextEditor::ShowRecord(int Index) {
  const QString Text = FromStore(FRecords.RecordText(Index));
  Load(Text);
  Editor->setEnabled(true);
  Editor->setReadOnly(false);
}

void TRecordTextEditor::Reset() {
  Load(QString());
  Editor->setReadOnly(true);
}

void TRecordTextEditor::StoreText() {
  if (FLoading) return;
  IgnoreFailure([this] { FRecords.SetRecordText(FRecords.SelectedRecord(), ToStore(Editor->PlainText())); });
  Editor->SetModified(false);
}

void TRecordTextEditor::ClearText() {
  if (!FContext.Prompts.Confirm("Are you sure you want to clear the text?")) return;
  Load(QString());
  const int Index = FRecords.SelectedRecord();
  if (Index >= 0) FRecords.SetRecordText(Index, std::string());
}
