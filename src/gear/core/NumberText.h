// Number text: every weight, volume, cost, price, necessity and budget is
// text. These turn such text into a number and back, with a 64-bit mantissa
// and 15 significant digits.
#pragma once

#include <stdexcept>
#include <string>

// A text that is not a number: "'<text>' is not a valid floating point value".
class TNumberTextError : public std::invalid_argument {
 public:
  explicit TNumberTextError(const std::string& Text);
  // The offending text.
  const std::string& Text() const { return FText; }

 private:
  std::string FText;
};

// Reads blanks, an optional sign, digits with an optional decimal separator
// and fraction (at least one digit or the separator), an optional exponent
// ("E" or "e", optional sign, digits) and blanks; nothing else. Throws
// TNumberTextError for anything else, and for values beyond the range of a
// double, which every figure is converted to sooner or later.
long double TextToNumber(const std::string& Text, char DecimalSeparator = '.');

// Whether TextToNumber accepts Text.
bool IsNumberText(const std::string& Text, char DecimalSeparator = '.');

// Writes Value rounded to 15 significant digits without trailing zeros:
// fixed form for 1E-4 <= |Value| < 1E15, otherwise scientific form such as
// 1E-5 or -1.5E20. Zero is "0".
std::string NumberToText(long double Value, char DecimalSeparator = '.');

// The same with Digits (1 to 15) significant digits.
std::string NumberToTextWithDigits(long double Value, int Digits, char DecimalSeparator = '.');
