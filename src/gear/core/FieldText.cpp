#include "gear/core/FieldText.h"

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
  const TNumberSettings Numbers = Units.Numbers();
  if (Kind == TFieldKind::Number) return StoredFigureAsTyped(Stored, Numbers);
  const long double Shown = StoredFigure(Kind, Stored, Units);
  return ShortestTypedText(Shown, WriteStoredFigure(ReadStoredFigure(Stored)), Numbers,
                           [&](const std::string& Text) { return ShownToStored(Kind, Text, Units); });
}

std::string ShownToStored(TFieldKind Kind, const std::string& Shown, const TDisplayUnits& Units) {
  if (Kind == TFieldKind::Text) return Shown;
  if (Kind == TFieldKind::Number) return ReadTypedFigure(Shown, Units.Numbers()).Stored;
  const double Typed = static_cast<double>(ReadTypedNumber(Shown, Units.Numbers()));
  return WriteStoredFigure(ToStorageUnit(Kind, Typed, Units));
}
