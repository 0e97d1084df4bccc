// A text editor whose content is kept as plain text: lines separated by
// carriage return and line feed, no formatting.
#pragma once

#include <QTextEdit>

class TRichEdit : public QTextEdit {
  Q_OBJECT
 public:
  explicit TRichEdit(QWidget* Parent = nullptr);

  // The whole text, lines separated by "\r\n".
  QString PlainText() const;
  // Replaces the whole text; "\r\n", "\r" and "\n" all break lines. The
  // change is reported like a typed one.
  void SetPlainText(const QString& Text);

  bool Modified() const;
  void SetModified(bool Modified);
};
