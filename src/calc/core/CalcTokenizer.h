// Reading a formula: WrapArguments puts every argument of a call in its own
// parentheses; TCalcTokenizer reads one token at a time.
#pragma once

#include <string>
#include <vector>

#include "calc/core/CalcMessages.h"
#include "calc/core/CalcVariables.h"

namespace calc {

// f(a,b) becomes f((a),(b)) at any depth, outside text literals; a comma
// outside every parenthesis becomes "),(". Linear in the formula's length.
std::string WrapArguments(const std::string& Formula);

class TCalcTokenizer {
 public:
  // Assignments found in Formula are appended to Variables as pending
  // entries; their ids are collected in PendingEntries.
  TCalcTokenizer(const std::string& Formula, TCalcErrorState& Errors, TCalcVariables& Variables,
                 std::vector<TCalcVariables::TEntryId>& PendingEntries);

  // Reads the next token and returns its code (also in Current). At the end
  // of the formula it returns 0 and leaves Token and PrevToken as they are.
  int NextToken();

  int Current = 0;    // code last returned
  int Token = 0;      // code of the last token read
  int PrevToken = 0;  // code of the token before it
  std::string TokenText;
  // For an assignment token ("@@" name): its body and its pending entry.
  std::string TokenBody;
  TCalcVariables::TEntryId TokenEntry = TCalcVariables::NoEntry;

 private:
  std::string ScanNumber();
  int ReadTextLiteral();
  int ReadName();
  void ReadAssignment(std::size_t NameEnd);
  int ClassifyName();
  bool NextIs(std::size_t At, char C) const { return At < Formula.size() && Formula[At] == C; }
  bool IsDigitAt(std::size_t At) const {
    return At < Formula.size() && Formula[At] >= '0' && Formula[At] <= '9';
  }

  const std::string& Formula;
  TCalcErrorState& Errors;
  TCalcVariables& Variables;
  std::vector<TCalcVariables::TEntryId>& PendingEntries;
  std::size_t Position = 0;  // index of the next character to read
};

}  // namespace calc
