#include "calc/core/CalcNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "calc/core/CalcFault.h"
#include "calc/core/CalcText.h"

namespace calc {

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Powers of ten that a long double holds exactly (5^27 < 2^64).
constexpr int ExactPowers = 27;

long double PowerOfTen(int Exponent) {
  long double Power = 1;
  for (int i = 0; i < Exponent; ++i) Power *= 10;
  return Power;
}

}  // namespace

std::optional<long double> ParseDecimal(std::string_view Text) {
  std::size_t i = 0;
  bool Negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) Negative = Text[i++] == '-';
  const std::size_t MantissaStart = i;
  std::uint64_t Mantissa = 0;
  int Significant = 0;
  int DecimalShift = 0;  // exponent correction for digits after "." or dropped
  bool ManyDigits = false;
  std::size_t DigitCount = 0;
  for (; i < Text.size() && IsDigit(Text[i]); ++i, ++DigitCount) {
    if (Significant < 19) {
      Mantissa = Mantissa * 10 + static_cast<unsigned>(Text[i] - '0');
      if (Mantissa != 0) ++Significant;
    } else {
      ManyDigits = true;
      ++DecimalShift;
    }
  }
  bool Point = false;
  if (i < Text.size() && Text[i] == '.') {
    Point = true;
    for (++i; i < Text.size() && IsDigit(Text[i]); ++i, ++DigitCount) {
      if (Significant < 19) {
        Mantissa = Mantissa * 10 + static_cast<unsigned>(Text[i] - '0');
        if (Mantissa != 0) ++Significant;
        --DecimalShift;
      } else {
        ManyDigits = true;
      }
    }
  }
  if (DigitCount == 0 && !Point) return std::nullopt;
  const std::size_t MantissaEnd = i;
  long long Exponent = 0;
  if (i < Text.size() && (Text[i] == 'e' || Text[i] == 'E')) {
    ++i;
    bool NegativeExponent = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) NegativeExponent = Text[i++] == '-';
    if (i == Text.size() || !IsDigit(Text[i])) return std::nullopt;
    for (; i < Text.size() && IsDigit(Text[i]); ++i)
      if (Exponent < 100000000) Exponent = Exponent * 10 + (Text[i] - '0');
    if (NegativeExponent) Exponent = -Exponent;
  }
  if (i != Text.size()) return std::nullopt;
  if (DigitCount == 0 || Mantissa == 0) return Negative ? -0.0L : 0.0L;

  // Fast path: one exact operation on exact operands rounds correctly.
  const long long Scale = Exponent + DecimalShift;
  if (!ManyDigits && Scale >= -ExactPowers && Scale <= ExactPowers) {
    const long double Value = static_cast<long double>(Mantissa);
    const long double Scaled =
        Scale >= 0 ? Value * PowerOfTen(static_cast<int>(Scale)) : Value / PowerOfTen(static_cast<int>(-Scale));
    return Negative ? -Scaled : Scaled;
  }

  std::string Plain(Text.substr(MantissaStart, MantissaEnd - MantissaStart));
  if (Plain == ".") Plain = "0";
  Plain += 'e';
  Plain += std::to_string(Exponent);
  long double Value = 0;
  const auto Read = std::from_chars(Plain.data(), Plain.data() + Plain.size(), Value);
  if (Read.ec == std::errc::result_out_of_range) {
    // The decimal magnitude tells an underflow (reads as zero) from an overflow.
    if (Significant + Scale < 0) return Negative ? -0.0L : 0.0L;
    return std::nullopt;
  }
  if (Read.ec != std::errc() || !std::isfinite(Value)) return std::nullopt;
  return Negative ? -Value : Value;
}

std::string WholeNumberText(long double Value) {
  // Value = Mantissa * 2^Shift: the mantissa's 64 bits in limbs of nine
  // decimal digits, then doubled Shift times, 32 places per pass.
  constexpr std::uint32_t LimbBase = 1000000000;
  int Exponent = 0;
  const long double Fraction = std::frexp(std::fabs(Value), &Exponent);
  std::uint64_t Mantissa = static_cast<std::uint64_t>(std::ldexp(Fraction, 64));
  int Shift = Exponent - 64;
  std::vector<std::uint32_t> Limbs;  // least significant first
  Limbs.reserve(static_cast<std::size_t>(Exponent) / 29 + 2);
  for (; Mantissa != 0; Mantissa /= LimbBase) Limbs.push_back(static_cast<std::uint32_t>(Mantissa % LimbBase));
  while (Shift > 0) {
    const int Step = Shift < 32 ? Shift : 32;
    std::uint64_t Carry = 0;
    for (auto& Limb : Limbs) {
      const std::uint64_t Product = (static_cast<std::uint64_t>(Limb) << Step) + Carry;
      Limb = static_cast<std::uint32_t>(Product % LimbBase);
      Carry = Product / LimbBase;
    }
    for (; Carry != 0; Carry /= LimbBase) Limbs.push_back(static_cast<std::uint32_t>(Carry % LimbBase));
    Shift -= Step;
  }
  std::string Text = Value < 0 ? "-" : "";
  Text.reserve(Limbs.size() * 9 + 1);
  Text += std::to_string(Limbs.back());
  char Digits[9];
  for (std::size_t i = Limbs.size() - 1; i-- > 0;) {
    std::uint32_t Limb = Limbs[i];
    for (int d = 8; d >= 0; --d, Limb /= 10) Digits[d] = static_cast<char>('0' + Limb % 10);
    Text.append(Digits, sizeof(Digits));
  }
  return Text;
}

std::string FormatNumber(long double Value) {
  CheckFinite(Value);
  // Whole numbers (the common case) need no fixed-point conversion.
  if (std::fabs(Value) < 1e18L && std::trunc(Value) == Value)
    return FormatInteger(static_cast<long long>(Value));
  if (std::fabs(Value) >= WholeMagnitude) return WholeNumberText(Value);
  char Buffer[64];
  const auto Written = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::fixed, 12);
  std::string Text(Buffer, Written.ptr);
  // 12 decimals always follow the point: drop trailing zeros, then a lone ".0".
  std::size_t Length = Text.size();
  const std::size_t Point = Text.find('.');
  if (Point != std::string::npos) {
    while (Length > Point + 2 && Text[Length - 1] == '0') --Length;
    if (Length == Point + 2 && Text[Length - 1] == '0') Length = Point;
    Text.resize(Length);
  }
  if (Text == "-0") Text = "0";
  return Text;
}

double ToDouble(long double Value) {
  constexpr long double Largest = std::numeric_limits<double>::max();
  if (Value > Largest) return std::numeric_limits<double>::infinity();
  if (Value < -Largest) return -std::numeric_limits<double>::infinity();
  return static_cast<double>(Value);
}

std::string FormatInteger(long long Value) { return std::to_string(Value); }

bool IsQuoted(std::string_view Text) {
  const std::string_view Trimmed = TrimBlanks(Text);
  return !Trimmed.empty() && Trimmed.front() == '"' && Trimmed.back() == '"';
}

}  // namespace calc
