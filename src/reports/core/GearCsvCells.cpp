#include "reports/core/GearCsvCells.h"

#include <cfloat>
#include <cmath>
#include <cstdio>

#include "gear/core/NumberText.h"
#include "gear/core/Units.h"
#include "store/TextBytes.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }


struct TUnitWord {
  const char* Word;
  int WeightUnit;
};
constexpr TUnitWord UnitWords[] = {
    {"g", 0},      {"gr", 0},      {"gram", 0},      {"grams", 0},     {"kg", 1},     {"kgs", 1},
    {"kilogram", 1}, {"kilograms", 1}, {"lb", 2},   {"lbs", 2},       {"pound", 2},  {"pounds", 2},
    {"oz", 3},     {"ounce", 3},   {"ounces", 3}};

// Currency signs and codes; the first ones are written with "," as group separator.
const std::vector<std::string> GroupingCurrencies = {"$", "\xC2\xA3", "usd", "gbp", "us$"};
const std::vector<std::string> OtherCurrencies = {"\xE2\x82\xAC", "\xC2\xA5", "eur", "chf", "cad", "aud", "nzd"};

// Whether Text holds Word (in lower case) at At, in any letter case.
bool HoldsAt(const std::string& Text, std::size_t At, const std::string& Word) {
  if (At + Word.size() > Text.size()) return false;
  for (std::size_t i = 0; i < Word.size(); ++i)
    if (AsciiLower(Text[At + i]) != Word[i]) return false;
  return true;
}
bool StartsWith(const std::string& Text, const std::string& Prefix) { return HoldsAt(Text, 0, Prefix); }
bool EndsWith(const std::string& Text, const std::string& Suffix) {
  return Text.size() >= Suffix.size() && HoldsAt(Text, Text.size() - Suffix.size(), Suffix);
}

// Drops a currency sign or code before or after Text; true when one was a
// currency whose figures group with ",".
bool DropCurrency(std::string& Text) {
  if (Text.empty() || (IsDigit(Text.front()) && IsDigit(Text.back()))) return false;
  for (const auto* List : {&GroupingCurrencies, &OtherCurrencies})
    for (const std::string& Sign : *List) {
      if (StartsWith(Text, Sign)) {
        Text = TrimmedCell(Text.substr(Sign.size()));
        return List == &GroupingCurrencies;
      }
      if (EndsWith(Text, Sign)) {
        Text = TrimmedCell(Text.substr(0, Text.size() - Sign.size()));
        return List == &GroupingCurrencies;
      }
    }
  return false;
}

std::string Refused(const char* What, const std::string& Text, const std::string& Why) {
  return std::string("the ") + What + " " + QuotedCell(Text) + " " + Why;
}

// Whether Digits split at Separator are groups of three after a first group
// of one to three digits.
bool AreGroups(const std::string& Digits, char Separator) {
  std::size_t Start = 0;
  bool First = true;
  while (true) {
    const std::size_t End = Digits.find(Separator, Start);
    const std::size_t Length = (End == std::string::npos ? Digits.size() : End) - Start;
    if (First ? (Length < 1 || Length > 3) : Length != 3) return false;
    for (std::size_t i = Start; i < Start + Length; ++i)
      if (!IsDigit(Digits[i])) return false;
    if (End == std::string::npos) return true;
    First = false;
    Start = End + 1;
  }
}

std::string Without(std::string Text, char c) {
  std::string Result;
  for (char x : Text)
    if (x != c) Result += x;
  return Result;
}

// "1 200,50", "12 345": the blanks (also no-break and narrow no-break
// spaces) between a digit and a group of three digits are group separators.
std::string WithoutBlankGroups(const std::string& Text) {
  std::string Result;
  for (std::size_t i = 0; i < Text.size();) {
    std::size_t Blank = 0;
    if (Text[i] == ' ') Blank = 1;
    else if (Text.compare(i, 2, "\xC2\xA0") == 0) Blank = 2;
    else if (Text.compare(i, 3, "\xE2\x80\xAF") == 0) Blank = 3;
    const std::size_t Next = i + Blank;
    const bool Groups = Blank > 0 && !Result.empty() && IsDigit(Result.back()) && Next + 3 <= Text.size() &&
                        IsDigit(Text[Next]) && IsDigit(Text[Next + 1]) && IsDigit(Text[Next + 2]) &&
                        (Next + 3 == Text.size() || !IsDigit(Text[Next + 3]));
    if (Groups) {
      i = Next;
      continue;
    }
    Result += Text[i++];
  }
  return Result;
}

}  // namespace

std::string QuotedCell(const std::string& Text) {
  constexpr std::size_t Longest = 60;
  std::string Result = "\"";
  std::size_t Shown = 0;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const auto c = static_cast<unsigned char>(Text[i]);
    // Cut at a character boundary.
    if (Shown >= Longest && (c & 0xC0) != 0x80) {
      Result += "...";
      break;
    }
    if (c < 0x20 || c == 0x7F) {
      char Escaped[8];
      std::snprintf(Escaped, sizeof Escaped, "\\x%02X", c);
      Result += Escaped;
    } else {
      Result += static_cast<char>(c);
    }
    ++Shown;
  }
  return Result + "\"";
}

std::string TrimmedCell(const std::string& Text) {
  std::size_t First = 0, Last = Text.size();
  const auto BlankAt = [&Text](std::size_t i, bool Backwards) -> std::size_t {
    if (Text[i] == ' ' || Text[i] == '\t') return 1;
    // U+00A0, the no-break space of spreadsheets.
    if (!Backwards && i + 1 < Text.size() && Text.compare(i, 2, "\xC2\xA0") == 0) return 2;
    if (Backwards && i >= 1 && Text.compare(i - 1, 2, "\xC2\xA0") == 0) return 2;
    return 0;
  };
  while (First < Last) {
    const std::size_t n = BlankAt(First, false);
    if (n == 0) break;
    First += n;
  }
  while (Last > First) {
    const std::size_t n = BlankAt(Last - 1, true);
    if (n == 0) break;
    Last -= n;
  }
  return Text.substr(First, Last - First);
}

bool HasDigit(const std::string& Text) {
  for (char c : Text)
    if (IsDigit(c)) return true;
  return false;
}

std::optional<int> CsvWeightUnit(const std::string& Word) {
  const std::string Wanted = AsciiLowerCase(TrimmedCell(Word));
  for (const TUnitWord& Unit : UnitWords)
    if (Wanted == Unit.Word) return Unit.WeightUnit;
  return std::nullopt;
}

long double ReadCsvFigure(const std::string& Text, const char* What, bool Currency) {
  std::string Rest = TrimmedCell(Text);
  std::string Sign;
  if (!Rest.empty() && (Rest[0] == '-' || Rest[0] == '+')) {
    Sign = Rest.substr(0, 1);
    Rest = TrimmedCell(Rest.substr(1));
  }
  const bool CommaGroups = Currency && DropCurrency(Rest);
  Rest = WithoutBlankGroups(Rest);
  if (Sign.empty() && !Rest.empty() && (Rest[0] == '-' || Rest[0] == '+')) {
    Sign = Rest.substr(0, 1);
    Rest = Rest.substr(1);
  }
  // Mantissa and exponent.
  std::size_t End = 0;
  while (End < Rest.size() && (IsDigit(Rest[End]) || Rest[End] == '.' || Rest[End] == ',')) ++End;
  const std::string Mantissa = Rest.substr(0, End);
  const std::string Exponent = Rest.substr(End);
  bool ExponentOk = Exponent.empty();
  if (!ExponentOk && (Exponent[0] == 'e' || Exponent[0] == 'E')) {
    std::size_t p = 1;
    if (p < Exponent.size() && (Exponent[p] == '+' || Exponent[p] == '-')) ++p;
    ExponentOk = p < Exponent.size();
    for (; p < Exponent.size(); ++p) ExponentOk = ExponentOk && IsDigit(Exponent[p]);
  }
  if (!HasDigit(Mantissa) || !ExponentOk) throw TCsvCellError(Refused(What, Text, "is not a number"));

  const std::size_t Commas = Mantissa.find(',') == std::string::npos ? 0 : 1 + (Mantissa.find(',') != Mantissa.rfind(','));
  const std::size_t Dots = Mantissa.find('.') == std::string::npos ? 0 : 1 + (Mantissa.find('.') != Mantissa.rfind('.'));
  char Decimal = 0, Group = 0;
  if (Commas && Dots) {
    Decimal = Mantissa.rfind(',') > Mantissa.rfind('.') ? ',' : '.';
    Group = Decimal == ',' ? '.' : ',';
  } else if (Dots > 1) {
    Group = '.';
  } else if (Commas > 1) {
    Group = ',';
  } else if (Dots == 1) {
    Decimal = '.';
  } else if (Commas == 1) {
    if (AreGroups(Mantissa, ',') && Mantissa[0] != '0') {
      if (!CommaGroups)
        throw TCsvCellError(Refused(What, Text, "could mean " + Sign + Without(Mantissa, ',').insert(Mantissa.find(','), ".") +
                                                    " or " + Sign + Without(Mantissa, ',') +
                                                    "; write it without the group separator"));
      Group = ',';
    } else {
      Decimal = ',';
    }
  }
  std::string Whole = Mantissa, Fraction;
  if (Decimal) {
    const std::size_t At = Mantissa.rfind(Decimal);
    Whole = Mantissa.substr(0, At);
    Fraction = Mantissa.substr(At + 1);
    if (Fraction.find_first_not_of("0123456789") != std::string::npos)
      throw TCsvCellError(Refused(What, Text, "is not a number"));
  }
  if (Group) {
    if (!AreGroups(Whole, Group)) throw TCsvCellError(Refused(What, Text, "is not a number"));
    Whole = Without(Whole, Group);
  }
  const std::string Normal = Sign + (Whole.empty() ? "0" : Whole) + (Fraction.empty() ? "" : "." + Fraction) + Exponent;
  long double Value = 0;
  try {
    Value = TextToNumber(Normal, '.');
  } catch (const TNumberTextError&) {
    throw TCsvCellError(Refused(What, Text, "is too large to be stored"));
  }
  const bool NonZero = Mantissa.find_first_of("123456789") != std::string::npos;
  if (NonZero && std::fabs(Value) < DBL_MIN) throw TCsvCellError(Refused(What, Text, "is too small to be stored"));
  if (Value < 0) throw TCsvCellError(Refused(What, Text, "is negative"));
  return Value;
}

long double TCsvWeight::Kilograms(long double Count, int Unit) const {
  const auto Factor = [](int u) { return WeightUnits[static_cast<std::size_t>(u)].Factor; };
  if (Bare) return *Bare * Count / Factor(Unit);
  long double Sum = 0;
  for (const auto& [Figure, PartUnit] : Parts) Sum += Figure * Count / Factor(PartUnit);
  return Sum;
}

TCsvWeight ReadCsvWeight(const std::string& Text) {
  std::string Rest = TrimmedCell(Text);
  // "3.9 oz each": the weight of one piece, as every weight is.
  for (const char* Each : {"each", "ea.", "ea", "apiece"})
    if (EndsWith(Rest, Each) && Rest.size() > std::string(Each).size() &&
        !IsLetter(Rest[Rest.size() - std::string(Each).size() - 1])) {
      Rest = TrimmedCell(Rest.substr(0, Rest.size() - std::string(Each).size()));
      break;
    }
  TCsvWeight Weight;
  if (Rest.empty()) throw TCsvCellError(Refused("weight", Text, "is not a number"));
  std::size_t p = 0;
  while (p < Rest.size()) {
    // A figure: sign, digits and separators, an exponent.
    const std::size_t Start = p;
    if (Rest[p] == '-' || Rest[p] == '+') ++p;
    while (p < Rest.size() && (IsDigit(Rest[p]) || Rest[p] == '.' || Rest[p] == ',')) ++p;
    if (p < Rest.size() && (Rest[p] == 'e' || Rest[p] == 'E') && p + 1 < Rest.size() &&
        (IsDigit(Rest[p + 1]) || ((Rest[p + 1] == '-' || Rest[p + 1] == '+') && p + 2 < Rest.size() && IsDigit(Rest[p + 2])))) {
      p += 2;
      while (p < Rest.size() && IsDigit(Rest[p])) ++p;
    }
    const std::string Figure = Rest.substr(Start, p - Start);
    if (!HasDigit(Figure)) throw TCsvCellError(Refused("weight", Text, "is not a number"));
    while (p < Rest.size() && Rest[p] == ' ') ++p;
    const std::size_t WordStart = p;
    while (p < Rest.size() && (IsLetter(Rest[p]) || Rest[p] == '.')) ++p;
    std::string Word = Rest.substr(WordStart, p - WordStart);
    if (!Word.empty() && Word.back() == '.') Word.pop_back();  // "oz."
    while (p < Rest.size() && Rest[p] == ' ') ++p;
    const long double Value = ReadCsvFigure(Figure, "weight");
    if (Word.empty()) {
      // Only a lone figure may leave its unit to the column.
      if (p < Rest.size() || !Weight.Parts.empty()) throw TCsvCellError(Refused("weight", Text, "is not a number"));
      Weight.Bare = Value;
      return Weight;
    }
    const std::optional<int> Unit = CsvWeightUnit(Word);
    if (!Unit)
      throw TCsvCellError("the unit \"" + Word + "\" of the weight " + QuotedCell(Text) +
                          " is not ounce, pound, gram or kilogram");
    Weight.Parts.emplace_back(Value, *Unit);
  }
  return Weight;
}

