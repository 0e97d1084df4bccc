// The rules for reading figures from text, by who wrote the text: a figure
// the program stored (weights, volumes, costs, prices, necessities, budgets
// in qmp.dat) or a figure the user typed in their regional settings. Every
// reader of number text goes through one of these; TextToNumber and
// NumberToText (NumberText.h) are the plain conversions underneath.
#pragma once

#include <string>

#include "gear/core/NumberText.h"

// ---- A figure the program stored ----

// The decimal separator of every figure the program writes.
inline constexpr char StoredDecimalSeparator = '.';
// The separator of figures stored under a regional setting with a decimal
// comma (older versions did so); read, never written.
inline constexpr char AlternateStoredDecimalSeparator = ',';

// A stored figure reads with "." and, when that fails, with ","; it has no
// group separators. ReadStoredFigure throws TNumberTextError for a text that
// reads with neither.
bool IsStoredFigure(const std::string& Stored);
long double ReadStoredFigure(const std::string& Stored);
// Value as the program stores it: 15 significant digits, "." as separator.
std::string WriteStoredFigure(long double Value);

// ---- A figure the user typed ----

// The user's regional number settings.
struct TNumberSettings {
  char DecimalSeparator = '.';
  // Between groups of three digits ("," in 2,500.75); empty for none.
  std::string GroupSeparator;
};

enum class TTypedReading {
  Number,      // a number in the user's settings
  Ambiguous,   // not one in the user's settings, but one with the other decimal separator ("1,5" where "." is used)
  NotANumber,  // neither
};

struct TTypedFigure {
  TTypedReading Reading = TTypedReading::NotANumber;
  long double Value = 0;  // for a Number
  // What is stored for it: for a Number its digits with "." as decimal
  // separator and no group separators; otherwise the text as typed.
  std::string Stored;
};

// Reads Typed with the user's decimal separator, group separators allowed
// between groups of three digits of the integer part ("2,500" and
// "2,500.75" with "." and ","; "2.500" and "2.500,75" with "," and ".").
TTypedFigure ReadTypedFigure(const std::string& Typed, const TNumberSettings& Settings);

// A typed figure's value; throws TNumberTextError unless it is a Number.
long double ReadTypedNumber(const std::string& Typed, const TNumberSettings& Settings);

// A stored figure as the user reads it: its decimal separator replaced by the
// user's. A text that is not a stored figure is returned unchanged.
std::string StoredFigureAsTyped(const std::string& Stored, const TNumberSettings& Settings);

// The shortest text in the user's decimal separator, of at most 15
// significant digits, that ToStored turns back into Stored; the 15-digit
// text of Shown when none does.
template <class ToStoredText>
std::string ShortestTypedText(long double Shown, const std::string& Stored, const TNumberSettings& Settings,
                              ToStoredText ToStored);

template <class ToStoredText>
std::string ShortestTypedText(long double Shown, const std::string& Stored, const TNumberSettings& Settings,
                              ToStoredText ToStored) {
  for (int Digits = 1; Digits < 15; ++Digits) {
    std::string Text = NumberToTextWithDigits(Shown, Digits, Settings.DecimalSeparator);
    if (ToStored(Text) == Stored) return Text;
  }
  return NumberToText(Shown, Settings.DecimalSeparator);
}
