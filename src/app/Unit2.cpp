#include "app/Unit2.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/FocusRing.h"
#include "widgets/TabMovesFocus.h"

TfrmInput::TfrmInput(QWidget* Parent)
    : QDialog(Parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle("Add note");
  setFixedSize(380, 109);
  setModal(true);

  Label1 = new QLabel("Note:", this);
  Label1->setGeometry(6, 6, 32, 16);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(38, 4, 337, 76);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  Label1->setBuddy(Memo1);
  TTabMovesFocus::Install(Memo1);
  new TFocusRing(this);
  Button1 = new QPushButton("&Ok", this);
  Button1->setGeometry(218, 83, 75, 23);
  Button1->setDefault(true);
  Button2 = new QPushButton("&Cancel", this);
  Button2->setGeometry(300, 83, 75, 23);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

QStringList TfrmInput::EditNote(const QStringList& Lines) {
  NoteLines.clear();
  Memo1->setPlainText(Lines.join('\n'));
  exec();
  return NoteLines;
}

QStringList TfrmInput::TypedLines() const {
  // The lines as typed: only hard line breaks end a line, wherever the memo
  // wraps them on screen.
  QStringList Lines = Memo1->toPlainText().split('\n');
  // Text ending with a line break has no further line.
  if (Lines.back().isEmpty()) Lines.removeLast();
  return Lines;
}

void TfrmInput::Button1Click() {
  NoteLines = TypedLines();
  accept();
}

void TfrmInput::Button2Click() { reject(); }

// Cancel, Esc and the close box all end here: no result.
void TfrmInput::reject() {
  NoteLines.clear();
  QDialog::reject();
}

void TfrmInput::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  Memo1->setFocus();
}
