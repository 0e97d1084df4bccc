#include "calc/core/CalcPattern.h"

#include <array>

#include "calc/core/CalcFault.h"
#include "calc/core/CalcText.h"

namespace calc {

namespace {

using TWords = std::vector<std::uint64_t>;

// Bits = (Bits << 1) over the whole word vector.
void ShiftLeftOne(TWords& Bits) {
  std::uint64_t Carry = 0;
  for (auto& Word : Bits) {
    const std::uint64_t Next = Word >> 63;
    Word = (Word << 1) | Carry;
    Carry = Next;
  }
}

bool TestBit(const TWords& Bits, std::size_t Bit) { return (Bits[Bit / 64] >> (Bit % 64)) & 1u; }
void SetBit(TWords& Bits, std::size_t Bit) { Bits[Bit / 64] |= std::uint64_t(1) << (Bit % 64); }

}  // namespace

TMaskPattern::TMaskPattern(const std::string& Pattern) { Compile(UpperCase(Pattern)); }

void TMaskPattern::Compile(const std::string& Pattern) {
  for (std::size_t i = 0; i < Pattern.size(); ++i) {
    const char C = Pattern[i];
    TElement Element;
    if (C == '*') {
      if (!Elements.empty() && Elements.back().Star) continue;  // "**" is "*"
      Element.Star = true;
    } else if (C == '?') {
      Element.Accepts.set();
    } else if (C == '[') {
      i = ParseSet(Pattern, i, Element.Accepts);
    } else {
      Element.Accepts.set(static_cast<unsigned char>(C));
    }
    Elements.push_back(Element);
  }
}

std::size_t TMaskPattern::ParseSet(const std::string& Pattern, std::size_t Open, TCharSet& Set) {
  std::size_t i = Open + 1;
  const bool Negated = i < Pattern.size() && Pattern[i] == '!';
  if (Negated) ++i;
  bool Empty = true;
  for (; i < Pattern.size() && Pattern[i] != ']'; ++i) {
    const auto First = static_cast<unsigned char>(Pattern[i]);
    if (First == '-' && Empty) throw TCalcFault();  // a range without a start
    if (i + 2 < Pattern.size() && Pattern[i + 1] == '-' && Pattern[i + 2] != ']') {
      const auto Last = static_cast<unsigned char>(Pattern[i + 2]);
      for (unsigned Code = First; Code <= Last; ++Code) Set.set(Code);
      i += 2;
    } else {
      Set.set(First);
    }
    Empty = false;
  }
  if (i >= Pattern.size() || Empty) throw TCalcFault();
  if (Negated) Set.flip();
  return i;
}

std::uint64_t TMaskPattern::Cost(std::size_t TextLength) const {
  return static_cast<std::uint64_t>(TextLength + 1) * (Elements.size() / 64 + 1);
}

bool TMaskPattern::Matches(const std::string& Text) const {
  // State i: the first i elements have matched the text read so far.
  const std::size_t States = Elements.size() + 1;
  const std::size_t WordCount = (States + 63) / 64;
  TWords StarStates(WordCount, 0);
  for (std::size_t i = 0; i < Elements.size(); ++i)
    if (Elements[i].Star) SetBit(StarStates, i + 1);

  // For each character, the states that reading it can enter.
  std::array<TWords, 256> Entered;
  std::bitset<256> Used;
  const std::string Upper = UpperCase(Text);
  for (char C : Upper) Used.set(static_cast<unsigned char>(C));
  for (unsigned Code = 0; Code < 256; ++Code) {
    if (!Used.test(Code)) continue;
    Entered[Code].assign(WordCount, 0);
    for (std::size_t i = 0; i < Elements.size(); ++i)
      if (!Elements[i].Star && Elements[i].Accepts.test(Code)) SetBit(Entered[Code], i + 1);
  }

  // A star state is entered without reading (no two stars stand together).
  auto CloseOverStars = [&](TWords& Bits) {
    TWords Shifted = Bits;
    ShiftLeftOne(Shifted);
    for (std::size_t w = 0; w < WordCount; ++w) Bits[w] |= Shifted[w] & StarStates[w];
  };

  TWords Active(WordCount, 0);
  SetBit(Active, 0);
  CloseOverStars(Active);
  TWords Next(WordCount);
  for (char C : Upper) {
    const TWords& Accepting = Entered[static_cast<unsigned char>(C)];
    Next = Active;
    ShiftLeftOne(Next);
    bool Any = false;
    for (std::size_t w = 0; w < WordCount; ++w) {
      Next[w] = (Next[w] & Accepting[w]) | (Active[w] & StarStates[w]);
      Any = Any || Next[w] != 0;
    }
    if (!Any) return false;
    CloseOverStars(Next);
    Active.swap(Next);
  }
  return TestBit(Active, Elements.size());
}

}  // namespace calc
