// A rich-text editor that loads and saves rich text (RTF) and tells the
// lines it shows.
#pragma once

#include <QTextEdit>
#include <string>

class QPrinter;

class TRtfEdit : public QTextEdit {
  Q_OBJECT
 public:
  explicit TRtfEdit(QWidget* Parent = nullptr);

  // Replaces the content by the rich text in Bytes (plain text when Bytes
  // is not rich text). Nothing is left to undo and the editor is unmodified.
  void LoadRichText(const std::string& Bytes);
  // The content as rich text.
  std::string RichText() const;
  // The plain text, lines separated by CR LF.
  QString PlainText() const;
  // Prints the whole content on Printer, page by page, laid out as on
  // the screen.
  void Print(QPrinter& Printer) const;
  // The lines as typed: one per paragraph or line break, however wide the
  // editor is. An empty editor has none.
  QStringList TypedLines() const;
};
