#include "reports/core/ReportCompiler.h"

namespace {

constexpr int EmptyParagraphsBeforeFooter = 3;

}  // namespace

void CompileReportText(IReportText& Report, const TReportSections& Sections, const TReportChoice& Chosen,
                       const std::string& Footer) {
  for (const TReportTag& Tag : ReportTags) {
    const long long Position = Report.Find(Tag.Tag);
    if (Position < 0) continue;
    std::string Text = Sections.Text(Tag.Section);
    if (Text.empty() && Tag.NoneWhenEmpty) Text = NoRecordsText;
    if (Tag.Section != TReportSection::Trip && !Chosen[static_cast<std::size_t>(Tag.Section)]) Text.clear();
    Report.Replace(Position, Tag.ReplacedLength, Text);
  }
  for (int i = 0; i < EmptyParagraphsBeforeFooter; ++i) Report.AppendParagraph(std::string());
  Report.AppendParagraph(Footer);
}
