// Number texts of the formula evaluator: reading, writing and quoting.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Reads a decimal number: optional sign, digits, optional "." and digits,
// optional exponent; nothing else. A lone "." (or a sign and ".") reads as 0.
// No value for anything else, or for a number beyond the range of long double.
std::optional<long double> ParseDecimal(std::string_view Text);

// Fixed-point with at most 12 decimals and no trailing zeros: 3, 2.5, 0.333333333333.
// Throws TCalcFault for infinity and NaN.
std::string FormatNumber(long double Value);

// From this magnitude (2^64) on every long double is a whole number; its
// text is all its decimal digits, and reading them back gives the same number.
constexpr long double WholeMagnitude = 18446744073709551616.0L;

// The exact decimal digits of a whole number of magnitude WholeMagnitude or
// more, with its sign. Linear in the number of digits per binary place.
std::string WholeNumberText(long double Value);

// Rounded to a 53-bit double; beyond its range, an infinity of that sign.
double ToDouble(long double Value);

// Plain decimal integer.
std::string FormatInteger(long long Value);

// True when the text, trimmed of blanks, begins and ends with a double quote.
bool IsQuoted(std::string_view Text);

}  // namespace calc
