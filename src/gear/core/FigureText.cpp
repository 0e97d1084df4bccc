#include "gear/core/FigureText.h"

#include <algorithm>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal separator a stored figure reads with, or 0 when it is none.
char SeparatorOfStored(const std::string& Stored) {
  for (const char Separator : {StoredDecimalSeparator, AlternateStoredDecimalSeparator})
    if (IsNumberText(Stored, Separator)) return Separator;
  return 0;
}

std::string SwapSeparator(std::string Text, char From, char To) {
  std::replace(Text.begin(), Text.end(), From, To);
  return Text;
}

// Typed without its group separators, which must stand between groups of
// three digits of the integer part; false when one stands anywhere else.
bool WithoutGroupSeparators(const std::string& Typed, const TNumberSettings& Settings, std::string& Plain) {
  const std::string& Group = Settings.GroupSeparator;
  Plain = Typed;
  if (Group.empty() || (Group.size() == 1 && Group[0] == Settings.DecimalSeparator) ||
      Typed.find(Group) == std::string::npos)
    return true;
  std::size_t p = Typed.find_first_not_of(' ');
  if (p != std::string::npos && (Typed[p] == '+' || Typed[p] == '-')) ++p;
  Plain = Typed.substr(0, p);
  std::size_t Run = 0;  // digits since the start or the last group separator
  bool GroupSeen = false;
  while (p < Typed.size()) {
    if (IsDigit(Typed[p])) {
      Plain += Typed[p++];
      ++Run;
    } else if (Typed.compare(p, Group.size(), Group) == 0) {
      // The first group has one to three digits, every later one three.
      if (Run == 0 || Run > 3 || (GroupSeen && Run != 3)) return false;
      GroupSeen = true;
      Run = 0;
      p += Group.size();
    } else {
      break;
    }
  }
  if (GroupSeen && Run != 3) return false;
  const std::string Rest = Typed.substr(p);
  // The fraction and the exponent take no group separators.
  if (Rest.find(Group) != std::string::npos) return false;
  Plain += Rest;
  return true;
}

}  // namespace

bool IsStoredFigure(const std::string& Stored) { return SeparatorOfStored(Stored) != 0; }

long double ReadStoredFigure(const std::string& Stored) {
  const char Separator = SeparatorOfStored(Stored);
  return TextToNumber(Stored, Separator ? Separator : StoredDecimalSeparator);
}

std::string WriteStoredFigure(long double Value) { return NumberToText(Value, StoredDecimalSeparator); }

TTypedFigure ReadTypedFigure(const std::string& Typed, const TNumberSettings& Settings) {
  TTypedFigure Figure;
  Figure.Stored = Typed;
  std::string Plain;
  if (WithoutGroupSeparators(Typed, Settings, Plain) && IsNumberText(Plain, Settings.DecimalSeparator)) {
    Figure.Reading = TTypedReading::Number;
    Figure.Value = TextToNumber(Plain, Settings.DecimalSeparator);
    // The typed digits stay as they are, blanks included; only the separators change.
    Figure.Stored = Settings.DecimalSeparator == StoredDecimalSeparator
                        ? Plain
                        : SwapSeparator(Plain, Settings.DecimalSeparator, StoredDecimalSeparator);
  } else if (IsStoredFigure(Typed)) {
    Figure.Reading = TTypedReading::Ambiguous;
  }
  return Figure;
}

long double ReadTypedNumber(const std::string& Typed, const TNumberSettings& Settings) {
  const TTypedFigure Figure = ReadTypedFigure(Typed, Settings);
  if (Figure.Reading != TTypedReading::Number) throw TNumberTextError(Typed);
  return Figure.Value;
}

std::string StoredFigureAsTyped(const std::string& Stored, const TNumberSettings& Settings) {
  const char Separator = SeparatorOfStored(Stored);
  if (!Separator || Separator == Settings.DecimalSeparator) return Stored;
  return SwapSeparator(Stored, Separator, Settings.DecimalSeparator);
}
