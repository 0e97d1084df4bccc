// The export format chosen by the file name, and the file errors.
#include <gtest/gtest.h>

#include "reports/core/ReportFiles.h"
#include "store/StoreErrors.h"
#include "support/TempDir.h"

namespace {

struct TNameCase {
  const char* Path;
  bool RichText;
};

class ExportFileNameTest : public ::testing::TestWithParam<TNameCase> {};

TEST_P(ExportFileNameTest, RichTextOnlyForAnRtfExtension) {
  EXPECT_EQ(IsRichTextFileName(GetParam().Path), GetParam().RichText) << GetParam().Path;
}

INSTANTIATE_TEST_SUITE_P(Names, ExportFileNameTest,
                         ::testing::Values(TNameCase{"/home/ann/report.rtf", true},
                                           TNameCase{"REPORT.RTF", true}, TNameCase{"report.Rtf", true},
                                           TNameCase{"a.txt.rtf", true}, TNameCase{".rtf", true},
                                           TNameCase{"report.txt", false}, TNameCase{"report.doc", false},
                                           TNameCase{"report", false}, TNameCase{"report.rtf.txt", false},
                                           TNameCase{"report.rtf ", false},
                                           TNameCase{"/home/ann/trips.rtf/report", false},
                                           TNameCase{"report.rtfx", false}, TNameCase{"", false}));

TEST(ReportFilesTest, FailuresNameTheFile) {
  TTempDir Folder;
  const std::string Missing = (Folder.Path / "ReportTemplate.rtf").string();
  try {
    ReadWholeTextFile(Missing);
    FAIL() << "no failure";
  } catch (const TFileIOError& Failure) {
    EXPECT_EQ(std::string(Failure.what()), "Could not read '" + Missing + "': No such file or directory");
  }
  EXPECT_THROW(ReadWholeTextFile(Folder.Path.string()), TFileIOError);
  EXPECT_THROW(WriteWholeTextFile((Folder.Path / "no folder" / "x.txt").string(), "x"), TFileIOError);
}

}  // namespace
