// A rich-text document as PDF pages, at a cost linear in the document.
//
// A text document lays out its pages as one column in 26.6 fixed-point
// units, so a document of more than about 2,300 printed pages runs out of
// positions (its pages come out blank), and printing one page of a long
// paragraph or of a table row taller than a page walks all of it. The writer
// therefore lays out and prints the document part by part: each part a run of
// the document's top-level paragraphs and tables of about PartCharacters
// characters, a paragraph longer than that being cut into pieces and a table
// with a row taller than a page written as the paragraphs of its cells. A
// part ends where a page of it begins with a paragraph (not within a list),
// so the pages read as one flow; page numbers run on across the parts.
#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>

class QTextDocument;

class TReportPdfWriter {
 public:
  TReportPdfWriter(const QString& Title, QPageSize::PageSizeId PageSize) : FTitle(Title), FPageSize(PageSize) {}

  // Characters of the document laid out at a time.
  void SetPartCharacters(int Characters) { FPartCharacters = Characters; }

  // Document as PDF, every page of it. Throws std::runtime_error when a part
  // that cannot be cut (a table) is too long to lay out.
  QByteArray Write(const QTextDocument& Document) const;

 private:
  QString FTitle;
  QPageSize::PageSizeId FPageSize;
  int FPartCharacters = 64 * 1024;
};
