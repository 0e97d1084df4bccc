#include "widgets/RtfEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextFrame>
#include <memory>
#include <QTextBlock>
#include <QTextLayout>

#include "reports/core/RtfReader.h"
#include "reports/core/RtfWriter.h"
#include "reports/text/RtfTextDocument.h"

TRtfEdit::TRtfEdit(QWidget* Parent) : QTextEdit(Parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // A document may colour its own text: it is shown on white paper in any
  // colour scheme, its plain text black.
  QPalette Paper = palette();
  for (auto Group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    Paper.setColor(Group, QPalette::Base, Qt::white);
    Paper.setColor(Group, QPalette::Text, Qt::black);
  }
  setPalette(Paper);
}

void TRtfEdit::LoadRichText(const std::string& Bytes) {
  const TRtfDocument Document = ReadRtf(Bytes);
  // Switching undo off empties its history; loading is not an edit.
  document()->setUndoRedoEnabled(false);
  SetRtfDocument(*document(), Document);
  document()->setUndoRedoEnabled(true);
  document()->setModified(false);
  moveCursor(QTextCursor::Start);
}

std::string TRtfEdit::RichText() const { return WriteRtf(RtfDocumentOf(*document())); }

void TRtfEdit::Print(QPrinter& Printer) const {
  // Printing lays a document out again in the printer's pixels but leaves
  // paragraph indents in the screen's, which would put list bullets at the
  // margin. A copy laid out on pages in the screen's pixels is scaled to
  // the printer as a whole instead.
  constexpr double PixelsPerPoint = 96.0 / 72.0;
  constexpr double PageMargin = 2 / 2.54 * 96;  // 2 cm
  const std::unique_ptr<QTextDocument> Copy(document()->clone());
  QTextFrameFormat Root = Copy->rootFrame()->frameFormat();
  Root.setMargin(PageMargin);
  Copy->rootFrame()->setFrameFormat(Root);
  Copy->setPageSize(Printer.pageLayout().fullRect(QPageLayout::Point).size() * PixelsPerPoint);
  Copy->print(&Printer);
}

QString TRtfEdit::PlainText() const {
  QString Text = toPlainText();
  Text.replace('\n', "\r\n");
  return Text;
}

QStringList TRtfEdit::TypedLines() const {
  QStringList Lines;
  if (document()->isEmpty()) return Lines;
  // Paragraphs and line breaks end lines; where the editor wraps a
  // paragraph on screen does not.
  for (QTextBlock Block = document()->begin(); Block.isValid(); Block = Block.next())
    Lines.append(Block.text().split(QChar::LineSeparator));
  return Lines;
}
