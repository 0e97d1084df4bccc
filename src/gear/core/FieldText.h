// How the figures of an item travel between the store and an editor: the
// store holds kilograms, cubic meters and "." as decimal separator; the
// editor shows the picked units and the user's decimal separator.
#pragma once

#include <string>

#include "gear/core/FigureText.h"
#include "gear/core/Units.h"

// Earlier names of the stored-figure rule (FigureText.h).
inline long double StoredTextToNumber(const std::string& Stored) { return ReadStoredFigure(Stored); }
inline bool IsStoredNumberText(const std::string& Stored) { return IsStoredFigure(Stored); }

enum class TFieldKind {
  Text,    // shown and stored as it is
  Number,  // a figure kept as typed (cost, price, necessity): only the separators change
  Weight,  // kilograms in the store, the weight unit in the editor
  Volume,  // cubic meters in the store, the volume unit in the editor
};

struct TDisplayUnits {
  int Weight = KilogramsIndex;
  int Volume = CubicMetersIndex;
  char DecimalSeparator = '.';
  std::string GroupSeparator;  // of typed figures; empty for none

  TNumberSettings Numbers() const { return {DecimalSeparator, GroupSeparator}; }
};

// The text an editor shows for a stored field: a weight or volume as the
// shortest text (at most 15 significant digits) that is stored again as the
// same figure, so 3.6 typed in ounces shows as 3.6. A weight or volume that
// is not a number throws TNumberTextError.
std::string StoredToShown(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units);

// The text stored for a value typed in an editor, read as a typed figure
// (group separators allowed). A weight or volume that is not a number
// throws TNumberTextError; any other text that is not a number is kept as
// typed.
std::string ShownToStored(TFieldKind Kind, const std::string& Shown, const TDisplayUnits& Units);

// A stored field as a figure in the display unit, for totals. Throws
// TNumberTextError when it is not a number.
long double StoredFigure(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units);

// A weight or volume between its storage unit and the display unit; other
// kinds are returned unchanged.
double ToDisplayUnit(TFieldKind Kind, double Stored, const TDisplayUnits& Units);
double ToStorageUnit(TFieldKind Kind, double Shown, const TDisplayUnits& Units);
