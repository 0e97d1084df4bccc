// The rules for reading figures: a figure the user typed in their regional
// settings, a figure the program stored, and the shortest text an editor
// shows for a stored weight.
#include <gtest/gtest.h>

#include "gear/core/FieldText.h"
#include "gear/core/FigureText.h"

namespace {

const TNumberSettings PointSettings{'.', ","};
const TNumberSettings CommaSettings{',', "."};
const TNumberSettings SpaceSettings{',', "\xE2\x80\xAF"};  // a narrow no-break space, as UTF-8

struct TTypedCase {
  const char* Typed;
  TNumberSettings Settings;
  TTypedReading Reading;
  long double Value;   // for a Number
  const char* Stored;  // what is stored for it
};

class TypedFigureReading : public ::testing::TestWithParam<TTypedCase> {};

TEST_P(TypedFigureReading, IsReadInTheUsersSettings) {
  const TTypedCase& Case = GetParam();
  const TTypedFigure Figure = ReadTypedFigure(Case.Typed, Case.Settings);
  EXPECT_EQ(Figure.Reading, Case.Reading) << Case.Typed;
  EXPECT_EQ(Figure.Stored, Case.Stored) << Case.Typed;
  if (Case.Reading == TTypedReading::Number) {
    EXPECT_EQ(Figure.Value, Case.Value) << Case.Typed;
    EXPECT_EQ(ReadTypedNumber(Case.Typed, Case.Settings), Case.Value);
    // What is stored reads back as the same figure.
    EXPECT_EQ(ReadStoredFigure(Figure.Stored), Case.Value);
  } else {
    EXPECT_THROW(ReadTypedNumber(Case.Typed, Case.Settings), TNumberTextError);
  }
}

using R = TTypedReading;
INSTANTIATE_TEST_SUITE_P(
    GroupsAndSeparators, TypedFigureReading,
    ::testing::Values(
        TTypedCase{"2,500", PointSettings, R::Number, 2500, "2500"},
        TTypedCase{"2,500.75", PointSettings, R::Number, 2500.75L, "2500.75"},
        TTypedCase{"1,234,567", PointSettings, R::Number, 1234567, "1234567"},
        TTypedCase{"-2,500", PointSettings, R::Number, -2500, "-2500"},
        TTypedCase{"2500.5", PointSettings, R::Number, 2500.5L, "2500.5"},
        TTypedCase{" 3.50 ", PointSettings, R::Number, 3.5L, " 3.50 "},
        TTypedCase{"2.500", CommaSettings, R::Number, 2500, "2500"},
        TTypedCase{"2.500,75", CommaSettings, R::Number, 2500.75L, "2500.75"},
        TTypedCase{"100,5", CommaSettings, R::Number, 100.5L, "100.5"},
        TTypedCase{"2\xE2\x80\xAF" "500,5", SpaceSettings, R::Number, 2500.5L, "2500.5"},
        // Not a number in the user's settings, but one with the other separator.
        TTypedCase{"1,5", PointSettings, R::Ambiguous, 0, "1,5"},
        TTypedCase{"2,50", PointSettings, R::Ambiguous, 0, "2,50"},
        TTypedCase{"1.5", CommaSettings, R::Ambiguous, 0, "1.5"},
        TTypedCase{"100,5", TNumberSettings{'.', ""}, R::Ambiguous, 0, "100,5"},
        // Groups in the wrong places, and no numbers at all.
        TTypedCase{"2,5000", PointSettings, R::Ambiguous, 0, "2,5000"},
        TTypedCase{",500", PointSettings, R::Ambiguous, 0, ",500"},
        TTypedCase{"1,2,500", PointSettings, R::NotANumber, 0, "1,2,500"},
        TTypedCase{"1,500.2,5", PointSettings, R::NotANumber, 0, "1,500.2,5"},
        TTypedCase{"2.500,75", PointSettings, R::NotANumber, 0, "2.500,75"},
        TTypedCase{"about 2000", PointSettings, R::NotANumber, 0, "about 2000"},
        TTypedCase{"", CommaSettings, R::NotANumber, 0, ""}));

TEST(StoredFigureText, ReadsPointThenCommaAndNeverGroups) {
  EXPECT_EQ(ReadStoredFigure("2.5"), 2.5L);
  EXPECT_EQ(ReadStoredFigure("1,25"), 1.25L);
  EXPECT_EQ(ReadStoredFigure("2,500"), 2.5L);  // a decimal comma of an older version, no group
  EXPECT_FALSE(IsStoredFigure("2,500.5"));
  EXPECT_FALSE(IsStoredFigure("about 2000"));
  EXPECT_THROW(ReadStoredFigure("1.000,5"), TNumberTextError);
  EXPECT_EQ(WriteStoredFigure(1.0L / 3), "0.333333333333333");
  EXPECT_EQ(StoredFigureAsTyped("2.5", CommaSettings), "2,5");
  EXPECT_EQ(StoredFigureAsTyped("2,5", PointSettings), "2.5");
  EXPECT_EQ(StoredFigureAsTyped("about 2.5", CommaSettings), "about 2.5");
}

struct TShownCase {
  int WeightUnit;
  const char* Typed;
  const char* Shown;  // what the editor shows for what was stored
};

class ShortestShownWeight : public ::testing::TestWithParam<TShownCase> {};

// A weight typed in a unit shows as typed again (not 3.59999999999998), and
// the text shown is stored as the very same figure.
TEST_P(ShortestShownWeight, ComesBackAsTyped) {
  const TShownCase& Case = GetParam();
  TDisplayUnits Units;
  Units.Weight = Case.WeightUnit;
  const std::string Stored = ShownToStored(TFieldKind::Weight, Case.Typed, Units);
  const std::string Shown = StoredToShown(TFieldKind::Weight, Stored, Units);
  EXPECT_EQ(Shown, Case.Shown) << Stored;
  EXPECT_EQ(ShownToStored(TFieldKind::Weight, Shown, Units), Stored);
}

INSTANTIATE_TEST_SUITE_P(
    TypedWeights, ShortestShownWeight,
    ::testing::Values(TShownCase{3, "3.6", "3.6"}, TShownCase{3, "0.5", "0.5"}, TShownCase{3, "16", "16"},
                      TShownCase{2, "1", "1"}, TShownCase{2, "0.1", "0.1"}, TShownCase{0, "750", "750"},
                      TShownCase{3, "123456.789", "123456.789"}, TShownCase{3, "1e-7", "1E-7"}));

TEST(ShortestShownText, OfWeightsStoredInAnyForm) {
  TDisplayUnits Ounces;
  Ounces.Weight = 3;
  // Kilograms typed in kilograms, shown in ounces.
  const std::string Shown = StoredToShown(TFieldKind::Weight, "0.1", Ounces);
  EXPECT_EQ(ShownToStored(TFieldKind::Weight, Shown, Ounces), "0.1");
  EXPECT_EQ(Shown, "3.5274");
  EXPECT_EQ(StoredToShown(TFieldKind::Weight, "0.100000000000000", Ounces), "3.5274");
  TDisplayUnits Grams;
  Grams.Weight = 0;
  EXPECT_EQ(StoredToShown(TFieldKind::Weight, "0,75", Grams), "750");
  // A figure no text of 15 digits or fewer stores again shows its 15 digits.
  EXPECT_EQ(StoredToShown(TFieldKind::Weight, "0.12345678901234567", Grams), "123.456789012346");
}

}  // namespace
