// The display units: weights are stored in kilograms and volumes in cubic
// meters; the user picks the unit they are shown and typed in.
#pragma once

#include <array>

struct TUnit {
  const char* Name;    // the entry of the unit selector
  long double Factor;  // shown value = stored value x Factor
  const char* Label;   // written after a figure in the report
};

// Weight units by the item index of the weight selector.
inline constexpr std::array<TUnit, 4> WeightUnits = {{
    {"Grams", 1000.0L, "gr"},
    {"Kilograms", 1.0L, "kg"},
    {"Pounds", 2.20462L, "lbs"},
    {"Ounces", 35.274L, "oz"},
}};

// Volume units by the item index of the volume selector.
inline constexpr std::array<TUnit, 10> VolumeUnits = {{
    {"Cubic Centimeters", 1000000.0L, "cubic centimeters"},
    {"Cubic Feet", 35.3147L, "cubic feet"},
    {"Cubic Inches", 61023.7L, "cubic inches"},
    {"Cubic Meters", 1.0L, "cubic meters"},
    {"Cubic Yards", 1.30795L, "cubic yards"},
    {"Cups", 4226.75L, "cups"},
    {"Gallons", 264.172L, "gallons"},
    {"Liters", 1000.0L, "liters"},
    {"Mililiters", 1000000.0L, "mililiters"},
    {"Ounces", 33814.0L, "ounces"},
}};

inline constexpr int KilogramsIndex = 1;
inline constexpr int CubicMetersIndex = 3;

// The weight labels (positions 0-3) followed by the volume labels (4-13):
// the label of volume unit v is at 4 + v.
inline constexpr std::array<const char*, 14> UnitLabels = {
    WeightUnits[0].Label, WeightUnits[1].Label, WeightUnits[2].Label, WeightUnits[3].Label,
    VolumeUnits[0].Label, VolumeUnits[1].Label, VolumeUnits[2].Label, VolumeUnits[3].Label,
    VolumeUnits[4].Label, VolumeUnits[5].Label, VolumeUnits[6].Label, VolumeUnits[7].Label,
    VolumeUnits[8].Label, VolumeUnits[9].Label};

// Conversions by unit index: the product or quotient is formed with a 64-bit
// mantissa and rounded to a double. An index outside the table (-1 when a
// selector has no selection) returns Value unchanged.
double KilogramsToUnit(int Unit, double Value);
double UnitToKilograms(int Unit, double Value);
double CubicMetersToUnit(int Unit, double Value);
double UnitToCubicMeters(int Unit, double Value);
