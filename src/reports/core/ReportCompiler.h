// Fills a report template: each section tag is replaced by the text of its
// section, then the footer is appended. Plain C++; the document the report
// is built in is reached through IReportText.
#pragma once

#include <array>
#include <string>

#include "reports/core/ReportSections.h"

// The report document as the compiler edits it. Texts are UTF-8 with lines
// broken by CR LF; positions count the document's characters.
class IReportText {
 public:
  virtual ~IReportText() = default;
  // The position of the first occurrence of Text, letter case ignored, or -1.
  virtual long long Find(const std::string& Text) = 0;
  // Replaces Length characters from Position on (fewer where the document
  // ends first) by Text, in the character format of the first replaced one.
  virtual void Replace(long long Position, int Length, const std::string& Text) = 0;
  // Adds a paragraph holding Text at the end.
  virtual void AppendParagraph(const std::string& Text) = 0;
};

// Which sections the user asked for, by TReportSection; the trip's name is
// always filled in.
using TReportChoice = std::array<bool, ReportSectionCount>;

inline TReportChoice AllReportSections() {
  TReportChoice Choice;
  Choice.fill(true);
  return Choice;
}

// For each tag of ReportTags in turn: finds its first occurrence in the text
// as it is after the earlier replacements; when there is one, builds the
// section's text ("<none>" for a section without records), empties it when
// the section was not chosen, and puts it in place of the tag. Then appends
// three empty paragraphs and a paragraph with Footer.
//
// A section's text is built before the choice is looked at, so a weight or
// volume that is not a number stops the compilation (TNumberTextError) even
// in a section that was not chosen; what was filled in before stays.
void CompileReportText(IReportText& Report, const TReportSections& Sections, const TReportChoice& Chosen,
                       const std::string& Footer);
