// Item fields between the store (kilograms, cubic meters, ".") and an editor
// (the picked units and the user's decimal separator).
#include <gtest/gtest.h>

#include "gear/core/FieldText.h"
#include "gear/core/NumberText.h"

namespace {

constexpr int Grams = 0, Kilograms = 1, Pounds = 2, Ounces = 3;
constexpr int CubicCentimeters = 0, CubicMeters = 3, Cups = 5, Liters = 7, Mililiters = 8;

struct TTypedCase {
  TFieldKind Kind;
  int Unit;
  const char* Typed;
  std::string Stored;
  const char* ShownAgain;
};

TDisplayUnits UnitsFor(TFieldKind Kind, int Unit, char Separator = '.') {
  TDisplayUnits Units;
  (Kind == TFieldKind::Volume ? Units.Volume : Units.Weight) = Unit;
  Units.DecimalSeparator = Separator;
  return Units;
}

class TypedFigure : public ::testing::TestWithParam<TTypedCase> {};

TEST_P(TypedFigure, IsStoredInStorageUnitsAndShownAgain) {
  const TTypedCase& Case = GetParam();
  const TDisplayUnits Units = UnitsFor(Case.Kind, Case.Unit);
  const std::string Stored = ShownToStored(Case.Kind, Case.Typed, Units);
  EXPECT_EQ(Stored, Case.Stored);
  EXPECT_EQ(StoredToShown(Case.Kind, Stored, Units), Case.ShownAgain);
}

INSTANTIATE_TEST_SUITE_P(
    WeightsAndVolumes, TypedFigure,
    ::testing::Values(
        TTypedCase{TFieldKind::Weight, Grams, "750", "0.75", "750"},
        TTypedCase{TFieldKind::Weight, Grams, "500", "0.5", "500"},
        TTypedCase{TFieldKind::Weight, Kilograms, "2.50", "2.5", "2.5"},
        TTypedCase{TFieldKind::Weight, Pounds, "1", NumberToText(1.0L / 2.20462L), "1"},
        TTypedCase{TFieldKind::Weight, Pounds, "2", NumberToText(2.0L / 2.20462L), "2"},
        TTypedCase{TFieldKind::Weight, Ounces, "16", NumberToText(16.0L / 35.274L), "16"},
        TTypedCase{TFieldKind::Volume, CubicCentimeters, "1", "1E-6", "1"},
        TTypedCase{TFieldKind::Volume, Mililiters, "1", "1E-6", "1"},
        TTypedCase{TFieldKind::Volume, Liters, "1.5", NumberToText(1.5L / 1000.0L), "1.5"},
        TTypedCase{TFieldKind::Volume, CubicMeters, " 0.25 ", "0.25", "0.25"}));

TEST(FieldText, SixteenOuncesShowSlightlyUnderAPound) {
  const std::string Stored = ShownToStored(TFieldKind::Weight, "16", UnitsFor(TFieldKind::Weight, Ounces));
  const std::string InPounds = StoredToShown(TFieldKind::Weight, Stored, UnitsFor(TFieldKind::Weight, Pounds));
  EXPECT_EQ(InPounds, NumberToText(static_cast<double>(TextToNumber(Stored) * 2.20462L)));
  EXPECT_LT(TextToNumber(InPounds), 1.0L);
}

TEST(FieldText, LitersShowInCups) {
  const std::string Stored = ShownToStored(TFieldKind::Volume, "1.5", UnitsFor(TFieldKind::Volume, Liters));
  EXPECT_EQ(StoredToShown(TFieldKind::Volume, Stored, UnitsFor(TFieldKind::Volume, Cups)),
            NumberToText(static_cast<double>(TextToNumber(Stored) * 4226.75L)));
}

TEST(FieldText, FiguresThatAreNotNumbers) {
  const TDisplayUnits Units;
  EXPECT_THROW(ShownToStored(TFieldKind::Weight, "heavy", Units), TNumberTextError);
  EXPECT_THROW(StoredToShown(TFieldKind::Volume, "", Units), TNumberTextError);
  EXPECT_THROW(StoredFigure(TFieldKind::Number, "ten", Units), TNumberTextError);
  // Costs, prices and necessities are kept as typed, numbers or not.
  EXPECT_EQ(ShownToStored(TFieldKind::Number, "about 20", Units), "about 20");
  EXPECT_EQ(ShownToStored(TFieldKind::Number, "3.50", Units), "3.50");
  EXPECT_EQ(StoredToShown(TFieldKind::Text, "Tent", Units), "Tent");
}

struct TSeparatorCase {
  TFieldKind Kind;
  const char* Stored;
  const char* Shown;
};

class CommaSeparator : public ::testing::TestWithParam<TSeparatorCase> {};

TEST_P(CommaSeparator, EditorsUseItTheStoreDoesNot) {
  const TSeparatorCase& Case = GetParam();
  const TDisplayUnits Units = UnitsFor(TFieldKind::Weight, Kilograms, ',');
  EXPECT_EQ(StoredToShown(Case.Kind, Case.Stored, Units), Case.Shown);
  EXPECT_EQ(ShownToStored(Case.Kind, Case.Shown, Units), Case.Stored);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CommaSeparator,
    ::testing::Values(TSeparatorCase{TFieldKind::Weight, "1.25", "1,25"},
                      TSeparatorCase{TFieldKind::Number, "3.50", "3,50"},
                      TSeparatorCase{TFieldKind::Number, "1.2.3", "1.2.3"},  // not a number: as it is
                      TSeparatorCase{TFieldKind::Text, "a.b", "a.b"}));

TEST(FieldText, TotalsReadStoredFiguresInDisplayUnits) {
  EXPECT_EQ(StoredFigure(TFieldKind::Weight, "2", UnitsFor(TFieldKind::Weight, Grams)), 2000.0L);
  EXPECT_EQ(StoredFigure(TFieldKind::Volume, "0.001", UnitsFor(TFieldKind::Volume, Liters)), 1.0L);
  EXPECT_EQ(StoredFigure(TFieldKind::Number, "0.1", TDisplayUnits{}), 0.1L);  // long double, not via double
}

// Texts stored under a regional setting with a decimal comma read as numbers
// too; what the program writes back uses ".".
struct TStoredCase {
  const char* Stored;
  bool IsNumber;
  long double Value;
  const char* ShownWithPoint;  // a Number field in an editor with "."
  const char* ShownWithComma;  // and with ","
};

class StoredNumberText : public ::testing::TestWithParam<TStoredCase> {};

TEST_P(StoredNumberText, ReadsWithPointThenComma) {
  const TStoredCase& Case = GetParam();
  EXPECT_EQ(IsStoredFigure(Case.Stored), Case.IsNumber);
  if (Case.IsNumber)
    EXPECT_EQ(ReadStoredFigure(Case.Stored), Case.Value);
  else
    EXPECT_THROW(ReadStoredFigure(Case.Stored), TNumberTextError);
  EXPECT_EQ(StoredToShown(TFieldKind::Number, Case.Stored, UnitsFor(TFieldKind::Weight, Kilograms, '.')),
            Case.ShownWithPoint);
  EXPECT_EQ(StoredToShown(TFieldKind::Number, Case.Stored, UnitsFor(TFieldKind::Weight, Kilograms, ',')),
            Case.ShownWithComma);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredNumberText,
    ::testing::Values(TStoredCase{"0.75", true, 0.75L, "0.75", "0,75"},
                      TStoredCase{"0,75", true, 0.75L, "0.75", "0,75"},
                      TStoredCase{" 100,5 ", true, 100.5L, " 100.5 ", " 100,5 "},
                      TStoredCase{"-1,5E3", true, -1500.0L, "-1.5E3", "-1,5E3"},
                      TStoredCase{"1,500", true, 1.5L, "1.500", "1,500"},  // a decimal comma, never thousands
                      TStoredCase{"1.000,5", false, 0, "1.000,5", "1.000,5"},
                      TStoredCase{"1,000.5", false, 0, "1,000.5", "1,000.5"},
                      TStoredCase{"1,2,3", false, 0, "1,2,3", "1,2,3"},
                      TStoredCase{"15 USD", false, 0, "15 USD", "15 USD"},
                      TStoredCase{"", false, 0, "", ""}));

TEST(FieldText, StoredCommaFiguresConvertAndTotalAndAreWrittenBackWithAPoint) {
  const TDisplayUnits InGrams = UnitsFor(TFieldKind::Weight, Grams);
  EXPECT_EQ(StoredToShown(TFieldKind::Weight, "0,75", InGrams), "750");
  EXPECT_EQ(StoredToShown(TFieldKind::Volume, "0,0015", UnitsFor(TFieldKind::Volume, Liters, ',')), "1,5");
  EXPECT_EQ(StoredFigure(TFieldKind::Weight, "1,25", InGrams), 1250.0L);
  EXPECT_EQ(ShownToStored(TFieldKind::Weight, StoredToShown(TFieldKind::Weight, "0,75", InGrams), InGrams), "0.75");
  EXPECT_EQ(ShownToStored(TFieldKind::Number, "100,5", UnitsFor(TFieldKind::Weight, Kilograms, ',')), "100.5");
}

}  // namespace
