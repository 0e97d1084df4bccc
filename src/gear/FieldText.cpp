#include "gear/FieldText.h"

#include <algorithm>

#include "gear/NumberText.h"

namespace {

std::string SwapSeparator(std::string Text, char From, char To) {
  std::replace(Text.begin(), Text.end(), From, To);
  return Text;
}

}  // namespace

std::string StoredNumberToShown(const std::string& Stored, char DecimalSeparator) {
  if (DecimalSeparator == StoredDecimalSeparator || !IsNumberText(Stored, StoredDecimalSeparator))
    return Stored;
  return SwapSeparator(Stored, StoredDecimalSeparator, DecimalSeparator);
}

std::string ShownNumberToStored(const std::string& Shown, char DecimalSeparator) {
  if (DecimalSeparator == StoredDecimalSeparator || !IsNumberText(Shown, DecimalSeparator)) return Shown;
  return SwapSeparator(Shown, DecimalSeparator, StoredDecimalSeparator);
}

long double StoredFigure(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units) {
  const long double Number = TextToNumber(Stored, StoredDecimalSeparator);
  switch (Kind) {
    case TFieldKind::Weight:
      return KilogramsToUnit(Units.Weight, static_cast<double>(Number));
    case TFieldKind::Volume:
      return CubicMetersToUnit(Units.Volume, static_cast<double>(Number));
    default:
      return Number;
  }
}

std::string StoredToShown(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units) {
  switch (Kind) {
    case TFieldKind::Text:
      return Stored;
    case TFieldKind::Number:
      return StoredNumberToShown(Stored, Units.DecimalSeparator);
    case TFieldKind::Weight:
    case TFieldKind::Volume:
      return NumberToText(StoredFigure(Kind, Stored, Units), Units.DecimalSeparator);
  }
  return Stored;
}

std::string ShownToStored(TFieldKind Kind, const std::string& Shown, const TDisplayUnits& Units) {
  switch (Kind) {
    case TFieldKind::Text:
      return Shown;
    case TFieldKind::Number:
      return ShownNumberToStored(Shown, Units.DecimalSeparator);
    case TFieldKind::Weight:
      return NumberToText(UnitToKilograms(Units.Weight, static_cast<double>(TextToNumber(Shown, Units.DecimalSeparator))),
                          StoredDecimalSeparator);
    case TFieldKind::Volume:
      return NumberToText(
          UnitToCubicMeters(Units.Volume, static_cast<double>(TextToNumber(Shown, Units.DecimalSeparator))),
          StoredDecimalSeparator);
  }
  return Shown;
}
