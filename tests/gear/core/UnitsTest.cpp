// The unit tables and the four conversions.
#include <gtest/gtest.h>

#include "gear/core/NumberText.h"
#include "gear/core/Units.h"

namespace {

TEST(Units, TablesAndLabels) {
  const char* WeightNames[] = {"Grams", "Kilograms", "Pounds", "Ounces"};
  const char* VolumeNames[] = {"Cubic Centimeters", "Cubic Feet", "Cubic Inches", "Cubic Meters", "Cubic Yards",
                               "Cups", "Gallons", "Liters", "Mililiters", "Ounces"};
  for (int u = 0; u < 4; ++u) EXPECT_STREQ(WeightUnits[u].Name, WeightNames[u]);
  for (int u = 0; u < 10; ++u) EXPECT_STREQ(VolumeUnits[u].Name, VolumeNames[u]);
  const char* Labels[] = {"gr",          "kg",      "lbs",        "oz",     "cubic centimeters",
                          "cubic feet",  "cubic inches", "cubic meters", "cubic yards", "cups",
                          "gallons",     "liters",  "mililiters", "ounces"};
  for (int l = 0; l < 14; ++l) EXPECT_STREQ(UnitLabels[l], Labels[l]) << l;
  EXPECT_EQ(VolumeUnits[0].Factor, VolumeUnits[8].Factor);  // cubic centimeters and milliliters
}

struct TConversionCase {
  int Unit;
  double Stored;     // kilograms or cubic meters
  const char* Shown; // NumberToText of the converted value
};

class WeightShown : public ::testing::TestWithParam<TConversionCase> {};
TEST_P(WeightShown, FromKilograms) {
  const auto& Case = GetParam();
  EXPECT_EQ(NumberToText(KilogramsToUnit(Case.Unit, Case.Stored)), Case.Shown);
}
INSTANTIATE_TEST_SUITE_P(OneKilogram, WeightShown,
                         ::testing::Values(TConversionCase{0, 1.0, "1000"}, TConversionCase{1, 1.0, "1"},
                                           TConversionCase{2, 1.0, "2.20462"}, TConversionCase{3, 1.0, "35.274"},
                                           TConversionCase{-1, 1.5, "1.5"}, TConversionCase{4, 1.5, "1.5"}));

class VolumeShown : public ::testing::TestWithParam<TConversionCase> {};
TEST_P(VolumeShown, FromCubicMeters) {
  const auto& Case = GetParam();
  EXPECT_EQ(NumberToText(CubicMetersToUnit(Case.Unit, Case.Stored)), Case.Shown);
}
INSTANTIATE_TEST_SUITE_P(
    OneCubicMeter, VolumeShown,
    ::testing::Values(TConversionCase{0, 1.0, "1000000"}, TConversionCase{1, 1.0, "35.3147"},
                      TConversionCase{2, 1.0, "61023.7"}, TConversionCase{3, 1.0, "1"},
                      TConversionCase{4, 1.0, "1.30795"}, TConversionCase{5, 1.0, "4226.75"},
                      TConversionCase{6, 1.0, "264.172"}, TConversionCase{7, 1.0, "1000"},
                      TConversionCase{8, 1.0, "1000000"}, TConversionCase{9, 1.0, "33814"},
                      TConversionCase{-1, 0.25, "0.25"}, TConversionCase{10, 0.25, "0.25"}));

TEST(Units, ProductAndQuotientUseA64BitMantissa) {
  // Formed in long double, then rounded once to a double.
  EXPECT_EQ(KilogramsToUnit(2, 3.0), static_cast<double>(3.0L * 2.20462L));
  EXPECT_EQ(UnitToKilograms(2, 1.0), static_cast<double>(1.0L / 2.20462L));
  EXPECT_EQ(UnitToCubicMeters(1, 2.0), static_cast<double>(2.0L / 35.3147L));
  EXPECT_EQ(UnitToKilograms(0, 500.0), 0.5);
  EXPECT_EQ(UnitToCubicMeters(0, 1.0), 1e-6);
}

}  // namespace
