#include "reports/text/ReportDocument.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

QString ParagraphText(const std::string& Text) {
  QString Result = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
  Result.replace("\r\n", "\n");
  Result.replace('\r', '\n');
  return Result;
}

}  // namespace

long long TReportDocument::Find(const std::string& Text) {
  // QTextDocument::find ignores letter case unless told otherwise.
  const QTextCursor Found =
      FDocument.find(QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())));
  return Found.isNull() ? -1 : Found.selectionStart();
}

void TReportDocument::Replace(long long Position, int Length, const std::string& Text) {
  // The last position is the document's closing paragraph mark.
  const int LastPosition = FDocument.characterCount() - 1;
  const int Start = static_cast<int>(std::clamp<long long>(Position, 0, LastPosition));
  const int End = static_cast<int>(std::clamp<long long>(Position + Length, Start, LastPosition));
  QTextCursor Cursor(&FDocument);
  Cursor.setPosition(Start);
  Cursor.setPosition(std::min(Start + 1, End), QTextCursor::KeepAnchor);
  // The format of the first replaced character.
  const QTextCharFormat Format = Cursor.charFormat();
  Cursor.setPosition(Start);
  Cursor.setPosition(End, QTextCursor::KeepAnchor);
  Cursor.insertText(ParagraphText(Text), Format);
}

void TReportDocument::AppendParagraph(const std::string& Text) {
  QTextCursor Cursor(&FDocument);
  Cursor.movePosition(QTextCursor::End);
  Cursor.insertBlock();
  Cursor.insertText(ParagraphText(Text));
}
