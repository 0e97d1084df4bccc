// The report compiler's view of a rich-text document (IReportText).
#pragma once

#include "reports/core/ReportCompiler.h"

class QTextDocument;

class TReportDocument : public IReportText {
 public:
  explicit TReportDocument(QTextDocument& Document) : FDocument(Document) {}

  long long Find(const std::string& Text) override;
  // Every CR LF, CR or LF of Text starts a new paragraph.
  void Replace(long long Position, int Length, const std::string& Text) override;
  // The new paragraph takes the formats of the document's end.
  void AppendParagraph(const std::string& Text) override;

 private:
  QTextDocument& FDocument;
};
