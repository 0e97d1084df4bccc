// How the figures of an item travel between the store and an editor: the
// store holds kilograms, cubic meters and "." as decimal separator; the
// editor shows the picked units and the user's decimal separator.
#pragma once

#include <string>

#include "gear/Units.h"

// The decimal separator of every number text the program stores.
inline constexpr char StoredDecimalSeparator = '.';
// The separator of number texts stored under a regional setting with a
// decimal comma; read, never written.
inline constexpr char AlternateStoredDecimalSeparator = ',';

// A stored number text, read with "." and, when that fails, with ",".
// Throws TNumberTextError when it is a number with neither.
long double StoredTextToNumber(const std::string& Stored);
bool IsStoredNumberText(const std::string& Stored);

enum class TFieldKind {
  Text,    // shown and stored as it is
  Number,  // a figure kept as typed (cost, price, necessity): only the separator changes
  Weight,  // kilograms in the store, the weight unit in the editor
  Volume,  // cubic meters in the store, the volume unit in the editor
};

struct TDisplayUnits {
  int Weight = KilogramsIndex;
  int Volume = CubicMetersIndex;
  char DecimalSeparator = '.';
};

// The text an editor shows for a stored field. A weight or volume that is
// not a number throws TNumberTextError.
std::string StoredToShown(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units);

// The text stored for a value typed in an editor. A weight or volume that is
// not a number throws TNumberTextError; any other text is kept as typed.
std::string ShownToStored(TFieldKind Kind, const std::string& Shown, const TDisplayUnits& Units);

// A stored field as a figure in the display unit, for totals. Throws
// TNumberTextError when it is not a number.
long double StoredFigure(TFieldKind Kind, const std::string& Stored, const TDisplayUnits& Units);

// A weight or volume between its storage unit and the display unit; other
// kinds are returned unchanged.
double ToDisplayUnit(TFieldKind Kind, double Stored, const TDisplayUnits& Units);
double ToStorageUnit(TFieldKind Kind, double Shown, const TDisplayUnits& Units);

// A stored number text written with the user's separator, and back; a text
// that is not a number is returned unchanged. The stored text may use either
// stored separator; the text stored always uses ".".
std::string StoredNumberToShown(const std::string& Stored, char DecimalSeparator);
std::string ShownNumberToStored(const std::string& Shown, char DecimalSeparator);
