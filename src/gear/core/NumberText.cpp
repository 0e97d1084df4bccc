#include "gear/core/NumberText.h"

#include <locale.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The C locale, so that the conversion never depends on LC_NUMERIC.
locale_t ClassicLocale() {
  static const locale_t Locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return Locale;
}

// Checks the form of Text and returns it with "." as decimal separator and
// without the surrounding blanks; returns false when Text is not a number.
bool NormaliseNumberText(const std::string& Text, char DecimalSeparator, std::string& Normal) {
  std::size_t p = 0;
  const std::size_t n = Text.size();
  while (p < n && Text[p] == ' ') ++p;
  Normal.clear();
  if (p < n && (Text[p] == '+' || Text[p] == '-')) Normal += Text[p++];
  bool MantissaSeen = false;
  while (p < n && IsDigit(Text[p])) {
    Normal += Text[p++];
    MantissaSeen = true;
  }
  if (p < n && Text[p] == DecimalSeparator) {
    ++p;
    MantissaSeen = true;
    // "5." and "." stand for 5.0 and 0.0.
    Normal += Normal.empty() || !IsDigit(Normal.back()) ? "0." : ".";
    bool FractionSeen = false;
    while (p < n && IsDigit(Text[p])) {
      Normal += Text[p++];
      FractionSeen = true;
    }
    if (!FractionSeen) Normal += '0';
  }
  if (!MantissaSeen) return false;
  if (p < n && (Text[p] == 'E' || Text[p] == 'e')) {
    Normal += 'E';
    ++p;
    if (p < n && (Text[p] == '+' || Text[p] == '-')) Normal += Text[p++];
    bool ExponentSeen = false;
    while (p < n && IsDigit(Text[p])) {
      Normal += Text[p++];
      ExponentSeen = true;
    }
    if (!ExponentSeen) return false;
  }
  while (p < n && Text[p] == ' ') ++p;
  return p == n;
}

bool TryTextToNumber(const std::string& Text, char DecimalSeparator, long double& Value) {
  std::string Normal;
  if (!NormaliseNumberText(Text, DecimalSeparator, Normal)) return false;
  char* End = nullptr;
  Value = strtold_l(Normal.c_str(), &End, ClassicLocale());
  if (End != Normal.c_str() + Normal.size()) return false;
  // Every figure ends up in a double: a value beyond its range is refused.
  // An underflow keeps the tiny or zero result.
  return std::fabs(Value) <= std::numeric_limits<double>::max();
}

}  // namespace

TNumberTextError::TNumberTextError(const std::string& Text)
    : std::invalid_argument("'" + Text + "' is not a valid floating point value"), FText(Text) {}

long double TextToNumber(const std::string& Text, char DecimalSeparator) {
  long double Value = 0;
  if (!TryTextToNumber(Text, DecimalSeparator, Value)) throw TNumberTextError(Text);
  return Value;
}

bool IsNumberText(const std::string& Text, char DecimalSeparator) {
  long double Ignored = 0;
  return TryTextToNumber(Text, DecimalSeparator, Ignored);
}

std::string NumberToText(long double Value, char DecimalSeparator) {
  return NumberToTextWithDigits(Value, 15, DecimalSeparator);
}

std::string NumberToTextWithDigits(long double Value, int Digits, char DecimalSeparator) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  if (Value == 0) return "0";

  // d.dddddddddddddde[+-]x: the value rounded to the significant digits.
  char Buffer[64];
  std::snprintf(Buffer, sizeof Buffer, "%.*Le", Digits < 1 ? 0 : Digits > 15 ? 14 : Digits - 1, std::fabs(Value));
  std::string Mantissa;
  const char* p = Buffer;
  for (; *p && *p != 'e'; ++p)
    if (IsDigit(*p)) Mantissa += *p;  // skips the C library's decimal point, whatever it is
  const int Exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  while (Mantissa.size() > 1 && Mantissa.back() == '0') Mantissa.pop_back();

  std::string Result = Value < 0 ? "-" : "";
  if (Exponent >= -4 && Exponent <= 14) {
    if (Exponent < 0) {
      Result += '0';
      Result += DecimalSeparator;
      Result.append(static_cast<std::size_t>(-Exponent - 1), '0');
      Result += Mantissa;
    } else {
      const std::size_t IntegerDigits = static_cast<std::size_t>(Exponent) + 1;
      if (Mantissa.size() <= IntegerDigits) {
        Result += Mantissa;
        Result.append(IntegerDigits - Mantissa.size(), '0');
      } else {
        Result += Mantissa.substr(0, IntegerDigits);
        Result += DecimalSeparator;
        Result += Mantissa.substr(IntegerDigits);
      }
    }
  } else {
    Result += Mantissa[0];
    if (Mantissa.size() > 1) {
      Result += DecimalSeparator;
      Result += Mantissa.substr(1);
    }
    Result += 'E';
    if (Exponent < 0) Result += '-';
    Result += std::to_string(Exponent < 0 ? -Exponent : Exponent);
  }
  return Result;
}
