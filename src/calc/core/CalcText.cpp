#include "calc/core/CalcText.h"

#include "calc/core/CalcFault.h"

#include <limits>
#include <locale>
#include <vector>

namespace calc {

std::string_view TrimBlanks(std::string_view Text) { return TrimRightBlanks(TrimLeftBlanks(Text)); }

std::string_view TrimLeftBlanks(std::string_view Text) {
  std::size_t First = 0;
  while (First < Text.size() && IsBlankChar(Text[First])) ++First;
  return Text.substr(First);
}

std::string_view TrimRightBlanks(std::string_view Text) {
  std::size_t Length = Text.size();
  while (Length > 0 && IsBlankChar(Text[Length - 1])) --Length;
  return Text.substr(0, Length);
}

namespace {

template <class Map>
std::string MapCase(std::string_view Text, Map Mapping) {
  std::string Result(Text);
  if (!Result.empty()) Mapping(&Result[0], &Result[0] + Result.size());
  return Result;
}

}  // namespace

std::string UpperCase(std::string_view Text) {
  const auto& Facet = std::use_facet<std::ctype<char>>(std::locale());
  return MapCase(Text, [&](char* First, char* Last) { Facet.toupper(First, Last); });
}

std::string LowerCase(std::string_view Text) {
  const auto& Facet = std::use_facet<std::ctype<char>>(std::locale());
  return MapCase(Text, [&](char* First, char* Last) { Facet.tolower(First, Last); });
}

int CollateCompare(const std::string& Left, const std::string& Right) {
  const auto& Facet = std::use_facet<std::collate<char>>(std::locale());
  return Facet.compare(Left.data(), Left.data() + Left.size(), Right.data(),
                       Right.data() + Right.size());
}

namespace {

// Knuth-Morris-Pratt: for each prefix of Needle, the length of its longest
// proper border.
std::vector<std::size_t> BorderTable(std::string_view Needle) {
  std::vector<std::size_t> Border(Needle.size(), 0);
  std::size_t Length = 0;
  for (std::size_t i = 1; i < Needle.size(); ++i) {
    while (Length > 0 && Needle[i] != Needle[Length]) Length = Border[Length - 1];
    if (Needle[i] == Needle[Length]) ++Length;
    Border[i] = Length;
  }
  return Border;
}

// Short needles: the library search is fast and at most |Needle| times linear.
constexpr std::size_t ShortNeedle = 16;

class TTextSearch {
 public:
  explicit TTextSearch(std::string_view Needle) : Needle(Needle) {
    if (Needle.size() > ShortNeedle) Border = BorderTable(Needle);
  }

  std::size_t Find(std::string_view Haystack, std::size_t From) const {
    if (Needle.empty() || From > Haystack.size()) return std::string_view::npos;
    if (Border.empty()) return Haystack.find(Needle, From);
    std::size_t Matched = 0;
    for (std::size_t i = From; i < Haystack.size(); ++i) {
      while (Matched > 0 && Haystack[i] != Needle[Matched]) Matched = Border[Matched - 1];
      if (Haystack[i] == Needle[Matched]) ++Matched;
      if (Matched == Needle.size()) return i + 1 - Needle.size();
    }
    return std::string_view::npos;
  }

 private:
  std::string_view Needle;
  std::vector<std::size_t> Border;
};

}  // namespace

std::size_t FindText(std::string_view Haystack, std::string_view Needle, std::size_t From) {
  return TTextSearch(Needle).Find(Haystack, From);
}

std::string ReplaceText(const std::string& Text, const std::string& Old, const std::string& New,
                        bool All, bool IgnoreCase, std::size_t MaxLength) {
  if (Old.empty()) return Text;
  const std::string SearchIn = IgnoreCase ? UpperCase(Text) : std::string();
  const std::string SearchFor = IgnoreCase ? UpperCase(Old) : std::string();
  const std::string_view Haystack = IgnoreCase ? std::string_view(SearchIn) : Text;
  const TTextSearch Search(IgnoreCase ? std::string_view(SearchFor) : std::string_view(Old));
  std::string Result;
  std::size_t Copied = 0;
  for (std::size_t Found = Search.Find(Haystack, 0); Found != std::string_view::npos;
       Found = Search.Find(Haystack, Copied)) {
    Result.append(Text, Copied, Found - Copied);
    Result += New;
    Copied = Found + Old.size();
    if (Result.size() > MaxLength) throw TCalcFault();
    if (!All) break;
  }
  Result.append(Text, Copied, std::string::npos);
  return Result;
}

namespace {

int DigitValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return 99;
}

struct TIntegerRead {
  long long Value = 0;
  bool Complete = false;  // the whole text converted
};

TIntegerRead ReadInteger(std::string_view Text) {
  TIntegerRead Read;
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  bool Negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) Negative = Text[i++] == '-';
  int Base = 10;
  if (i < Text.size() && Text[i] == '$') {
    Base = 16;
    ++i;
  } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
    Base = 16;
    i += 2;
  }
  const long long Limit = Negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
  std::size_t Digits = 0;
  long long Magnitude = 0;
  for (; i < Text.size(); ++i, ++Digits) {
    const int Digit = DigitValue(Text[i]);
    if (Digit >= Base) break;
    const long long Next = Magnitude * Base + Digit;
    if (Next > Limit) break;
    Magnitude = Next;
  }
  Read.Value = Negative ? -Magnitude : Magnitude;
  Read.Complete = Digits > 0 && i == Text.size();
  return Read;
}

}  // namespace

int LenientInteger(std::string_view Text) { return static_cast<int>(ReadInteger(Text).Value); }

int StrictInteger(std::string_view Text, int Default) {
  const TIntegerRead Read = ReadInteger(Text);
  return Read.Complete ? static_cast<int>(Read.Value) : Default;
}

}  // namespace calc
