// File-mask pattern matching for "like" and "wildcard": "*" any run of
// characters, "?" one character, "[a-c]" one character of a set, "[!a-c]" one
// character not in it. Letter case is ignored (locale's case mapping).
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

namespace calc {

class TMaskPattern {
 public:
  // Throws TCalcFault for a malformed set: no closing bracket, an empty set,
  // a range without a start.
  explicit TMaskPattern(const std::string& Pattern);

  // Whether the whole text matches the whole pattern. Bit-parallel: time is
  // the text length times the pattern length divided by 64.
  bool Matches(const std::string& Text) const;

  // Work of one match, for the run's limits.
  std::uint64_t Cost(std::size_t TextLength) const;

 private:
  using TCharSet = std::bitset<256>;
  struct TElement {
    bool Star = false;
    TCharSet Accepts;
  };

  void Compile(const std::string& UpperPattern);
  std::size_t ParseSet(const std::string& Pattern, std::size_t Open, TCharSet& Set);

  std::vector<TElement> Elements;
};

}  // namespace calc
