// The file dialogs' filters: the program's "caption|pattern" lists in Qt's
// form, and the extension a chosen file type gives a name typed without one.
#include <gtest/gtest.h>

#include "ui/QtPrompts.h"

namespace {

TEST(QtPromptsTest, FiltersAndTheExtensionOfAChosenFileType) {
  EXPECT_EQ(QtPrompts::QtFilter("Word RTF File (*.rtf)|*.rtf|PDF File (*.pdf)|*.pdf|Any File (*.*)|*.*"),
            "Word RTF File (*.rtf);;PDF File (*.pdf);;Any File (*.*)");
  const std::pair<const char*, const char*> Cases[] = {
      {"PDF File (*.pdf)", "pdf"}, {"CSV File (*.csv)", "csv"}, {"Any File (*.*)", ""},
      {"Text File (*.txt *.text)", ""}, {"Nothing", ""}};
  for (const auto& [Entry, Suffix] : Cases) EXPECT_EQ(QtPrompts::FilterSuffix(Entry), Suffix) << Entry;
}

}  // namespace
