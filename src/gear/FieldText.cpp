#include "gear/FieldText.h"

#include <algorithm>

#include "gear/NumberText.h"

namespace {

std::string SwapSeparator(std::string Text, char From, char To) {
  std::replace(Text.begin(), Text.end(), From, To);
  return Text;
}

// The separator a stored number text reads with, or 0 when it is not a number.
char SeparatorOfStored(const std::string& Stored) {
  for (const char Separator : {StoredDecimalSeparator, AlternateStoredDecimalSeparator})
    if (IsNumberText(Stored, Separator)) return Separator;
  return 0;
}

}  // namespace

long double StoredTextToNumber(const std::string& Stored) {
  const char Separator = SeparatorOfStored(Stored);
  return TextToNumber(Stored, Separator ? Separator : StoredDecimalSeparator);
}

bool IsStoredNumberText(const std::string& Stored) { return SeparatorOfStored(Stored) != 0; }

std::string StoredNumberToShown(const std::string& Stored, char DecimalSeparator) {
  const char Separator = SeparatorOfStored(Stored);
  if (!Separator || Separator == DecimalSeparator) return Stored;
  return SwapSeparator(Stored, Separator, DecimalSeparator);
}

std::string ShownNumberToStored(const std::string& Shown, char DecimalSeparator) {
  if (DecimalSeparator == StoredDecimalSeparator || !IsNumberText(Shown, DecimalSeparator)) return Shown;
  return SwapSeparator(Shown, DecimalSeparator, StoredDecimalSeparator);
}

// A stored weight or volume in the display unit, and back.
double ToDisplayUnit(TFieldKind Kind, double Stored, const TDisplayUnits& Units) {
  if (Kind == TFieldKind::Weight) return KilogramsToUnit(Units.Weight, Stored);
  if (Kind == TFieldKind::Volume) return CubicMetersToUnit(Units.Volume, Stored);
  return Stored;
}

double ToStorageUnit(TFieldKind Kind, double Shown, const TDisplayUnits& Units) {
  if (Kind == TFieldKind::Weight) return UnitToKilograms(Units.Weight, Shown);
  if (Kind == TFieldKind::Volume) return UnitToCubicMeters(Units.Volume, Shown);
  return Shown;
}

long double StoredFigure(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units) {
  const long double Number = StoredTextToNumber(Stored);
  if (Kind == TFieldKind::Weight || Kind == TFieldKind::Volume)
    return ToDisplayUnit(Kind, static_cast<double>(Number), Units);
  return Number;
}

std::string StoredToShown(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units) {
  if (Kind == TFieldKind::Text) return Stored;
  if (Kind == TFieldKind::Number) return StoredNumberToShown(Stored, Units.DecimalSeparator);
  return NumberToText(StoredFigure(Kind, Stored, Units), Units.DecimalSeparator);
}

std::string ShownToStored(TFieldKind Kind, const std::string& Shown, const TDisplayUnits& Units) {
  if (Kind == TFieldKind::Text) return Shown;
  if (Kind == TFieldKind::Number) return ShownNumberToStored(Shown, Units.DecimalSeparator);
  const double Typed = static_cast<double>(TextToNumber(Shown, Units.DecimalSeparator));
  return NumberToText(ToStorageUnit(Kind, Typed, Units), StoredDecimalSeparator);
}
