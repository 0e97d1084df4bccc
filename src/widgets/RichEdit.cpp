#include "widgets/RichEdit.h"

#include "widgets/TabMovesFocus.h"

#include <QTextDocument>

TRichEdit::TRichEdit(QWidget* Parent) : QTextEdit(Parent) {
  // Pasted formatting would be lost on storing: take text only.
  setAcceptRichText(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  TTabMovesFocus::Install(this);
}

QString TRichEdit::PlainText() const {
  // The raw text: toPlainText() would also turn no-break spaces into
  // ordinary ones, changing text the user never touched.
  QString Text = document()->toRawText();
  Text.replace(QChar::LineSeparator, '\n');
  Text.replace(QChar::ParagraphSeparator, '\n');
  Text.replace('\n', "\r\n");
  return Text;
}

void TRichEdit::SetPlainText(const QString& Text) {
  QString Lines = Text;
  Lines.replace("\r\n", "\n");
  Lines.replace('\r', '\n');
  setPlainText(Lines);
}

bool TRichEdit::Modified() const { return document()->isModified(); }

void TRichEdit::SetModified(bool Modified) { document()->setModified(Modified); }
