// Filling a template: where the tags are found, what replaces them, the
// check boxes and the footer. The document is a plain string here, its
// paragraphs ended by "|".
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "gear/core/NumberText.h"
#include "reports/core/ReportCompiler.h"

namespace {

class TStringReport : public IReportText {
 public:
  explicit TStringReport(std::string Text) : Text(std::move(Text)) {}

  long long Find(const std::string& Wanted) override {
    const auto Found =
        std::search(Text.begin(), Text.end(), Wanted.begin(), Wanted.end(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    return Found == Text.end() ? -1 : Found - Text.begin();
  }
  void Replace(long long Position, int Length, const std::string& By) override {
    Text.replace(static_cast<std::size_t>(Position), static_cast<std::size_t>(Length), By);
  }
  void AppendParagraph(const std::string& Paragraph) override { Text += "|" + Paragraph; }

  std::string Text;
};

// Three empty paragraphs, then the footer's.
const std::string Footer = "||||Footer";

class ReportCompilerTest : public ::testing::Test {
 protected:
  ReportCompilerTest() {
    Store.AppendTrip();
    Trip().Name = "Sierra";
    Trip().Budget = "450";
  }
  TTrip& Trip() { return Store.GetTrip(0); }
  // The report compiled from Template with the given choice.
  std::string Compile(const std::string& Template, const TReportChoice& Chosen = AllReportSections()) {
    TStringReport Report(Template);
    CompileReportText(Report, TReportSections(Trip(), {1, 3, '.'}), Chosen, "Footer");
    return Report.Text;
  }
  static TReportChoice Without(TReportSection Section) {
    TReportChoice Chosen = AllReportSections();
    Chosen[static_cast<std::size_t>(Section)] = false;
    return Chosen;
  }

  TTravelerData Store;
};

TEST_F(ReportCompilerTest, EveryTagIsFilledAndTheFooterFollowsThreeEmptyParagraphs) {
  Store.AddPlan(0, "Shuttle", "6:30");
  EXPECT_EQ(Compile("Trip: [TRIP] |Calendar: [CP]|Gear: [GL]|Plans: [LOG]|Shopping: [SL]|Recipes: [RL]|"
                    "Permits: [PM]|Contacts: [CI]|[BUD]"),
            "Trip: Sierra|Calendar: <none>|Gear: <none>|Plans:      [Shuttle]\r\n          6:30|"
            "Shopping: <none>|Recipes: <none>|Permits: <none>|Contacts: <none>|     Budget = 450" +
                Footer);
}

TEST_F(ReportCompilerTest, TagsAreFoundInAnyLetterCase) {
  EXPECT_EQ(Compile("[trip] [Bud]"), "Sierra     Budget = 450" + Footer);
}

TEST_F(ReportCompilerTest, TheCharacterAfterTheTripTagGoesWithIt) {
  EXPECT_EQ(Compile("<[TRIP]!>"), "<Sierra>" + Footer);
  EXPECT_EQ(Compile("at the end [TRIP]"), "at the end Sierra" + Footer);
}

TEST_F(ReportCompilerTest, OnlyTheFirstOccurrenceOfATagIsFilled) {
  EXPECT_EQ(Compile("[GL] and [gl]"), "<none> and [gl]" + Footer);
}

TEST_F(ReportCompilerTest, ATagMissingFromTheTemplateBuildsNothing) {
  Store.AddGearCategory(0, "Shelter");
  Store.AddGearItem(0, 0, "Tent", "not a number", "", "", "", "1", "");
  EXPECT_EQ(Compile("[TRIP] [PM]"), "Sierra<none>" + Footer);
}

TEST_F(ReportCompilerTest, AnUncheckedSectionIsEmptiedAndAnEmptyCheckedOneReadsNone) {
  EXPECT_EQ(Compile("a[CP]b"), "a<none>b" + Footer);
  EXPECT_EQ(Compile("a[CP]b", Without(TReportSection::Calendar)), "ab" + Footer);
  EXPECT_EQ(Compile("a[BUD]b", Without(TReportSection::Budget)), "ab" + Footer);
}

TEST_F(ReportCompilerTest, TheTripNameIsFilledWhateverTheChoice) {
  TReportChoice Nothing;
  Nothing.fill(false);
  Trip().Name.clear();
  EXPECT_EQ(Compile("<[TRIP] >[LOG]", Nothing), "<>" + Footer);
}

TEST_F(ReportCompilerTest, ARecordHoldingALaterTagBeforeTheTemplatesOwnIsFilledInstead) {
  Store.AddPlan(0, "[SL]", "");
  Store.AddShopingCategory(0, "Food");
  const std::string Report = Compile("[LOG]|[SL]");
  EXPECT_EQ(Report, "     [     [Shopping Category  = Food]\r\n]\r\n          |[SL]" + Footer);
}

TEST_F(ReportCompilerTest, ABadWeightStopsTheCompilationEvenInAnUncheckedSection) {
  Store.AddGearCategory(0, "Shelter");
  Store.AddGearItem(0, 0, "Tent", "heavy", "", "", "", "1", "");
  TStringReport Report("[TRIP] [GL] [BUD]");
  EXPECT_THROW(
      CompileReportText(Report, TReportSections(Trip(), {1, 3, '.'}), Without(TReportSection::Gear), "F"),
      TNumberTextError);
  // What was filled before the failure stays; nothing after it happens.
  EXPECT_EQ(Report.Text, "Sierra[GL] [BUD]");
}

}  // namespace
