#include "calc/CalculatorKeypad.h"

#include "calc/uCalcul.h"

TCalculatorKeypad::TCalculatorKeypad(TCalcul& Calc) : FCalc(Calc), FTape{Heading, Underline} {
  FCalc.Formula.clear();
}

const std::string& TCalculatorKeypad::Formula() const { return FCalc.Formula; }

bool TCalculatorKeypad::IsNumberChar(char c) {
  return c == '-' || c == '/' || c == '*' || c == '+' || (c >= '0' && c <= '9');
}

std::string TCalculatorKeypad::Normalize(std::string Text) const {
  while (Text.size() > 1 && Text[0] == '-') Text.erase(0, 1);
  while (Text.size() > 1 && Text[0] == '0' && Text[1] != '.') Text.erase(0, 1);
  std::string Result;
  bool HasPoint = false;
  for (char c : Text) {
    if (c == '.') {
      if (!HasPoint) Result += c;
      HasPoint = true;
    } else if (IsNumberChar(c)) {
      Result += c;
    }
  }
  if (FNegative && Text != "0") Result.insert(0, "-");
  return Result;
}

void TCalculatorKeypad::ClearTape() { FTape = {Heading, Underline, ""}; }

std::string TCalculatorKeypad::Operand() const {
  std::string Number = FDisplay;
  // "5." is the number 5; a display without digits ("", "-") is 0.
  if (!Number.empty() && Number.back() == '.') Number.pop_back();
  if (Number.find_first_of("0123456789") == std::string::npos) return "0";
  if (Number[0] == '-') return "(" + Number + ")";
  return Number;
}

void TCalculatorKeypad::Digit(char d) { FDisplay = Normalize(FDisplay + d); }

void TCalculatorKeypad::Point() { FDisplay = Normalize(FDisplay + "."); }

void TCalculatorKeypad::ChangeSign() {
  FNegative = !FNegative;
  FDisplay = Normalize(FDisplay);
}

void TCalculatorKeypad::AddOperator(const std::string& Operator) {
  ClearTape();
  FCalc.Formula += Operand() + Operator;
  FTape.push_back(FCalc.Formula);
  FDisplay = "0";
  FFormulaStart = false;
  FNegative = false;
}

void TCalculatorKeypad::MultiplyOperator(const std::string& Operator) {
  ClearTape();
  if (FFormulaStart) {
    FCalc.Formula += Operand() + Operator;
    FFormulaStart = false;
  } else {
    FCalc.Formula = "(" + FCalc.Formula + Operand() + ")" + Operator;
  }
  FTape.push_back(FCalc.Formula);
  FDisplay = "0";
  FNegative = false;
}

void TCalculatorKeypad::Equals() {
  if (!StartEquals()) return;
  std::string Result;  // stays empty when the evaluation fails
  FCalc.Calculate(Result);
  FinishEquals(Result);
}

bool TCalculatorKeypad::StartEquals() {
  if (FCalc.Formula.empty()) return false;
  ClearTape();
  FCalc.Formula += Operand();
  return true;
}

void TCalculatorKeypad::FinishEquals(const std::string& Result) {
  FTape.push_back(FCalc.Formula + "=" + Result);
  FLastResult = Result;
  FCalc.Formula.clear();
  FDisplay = "0";
  FFormulaStart = true;
  FNegative = false;
}

void TCalculatorKeypad::Clear() {
  ClearTape();
  FCalc.Formula.clear();
  FDisplay = "0";
  FFormulaStart = true;
  FNegative = false;
}

void TCalculatorKeypad::DeleteLast() {
  if (!FDisplay.empty()) FDisplay.pop_back();
  if (FDisplay.empty()) FDisplay = "0";
}

void TCalculatorKeypad::MemoryPlus() { FMemory = FLastResult; }

// The recalled value keeps its sign when digits or "-/+" follow.
void TCalculatorKeypad::MemoryMinus() {
  FDisplay = FMemory;
  FNegative = !FDisplay.empty() && FDisplay[0] == '-';
}
