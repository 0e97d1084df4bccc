#include "calc/core/CalculatorKeypad.h"

#include "calc/core/uCalcul.h"

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
  if (!FClosedGroup.empty()) return FClosedGroup;
  std::string Number = FDisplay;
  // "5." is the number 5; a display without digits ("", "-") is 0.
  if (!Number.empty() && Number.back() == '.') Number.pop_back();
  if (Number.find_first_of("0123456789") == std::string::npos) return "0";
  if (Number[0] == '-') return "(" + Number + ")";
  return Number;
}

std::string TCalculatorKeypad::ShownFormula() const {
  std::string Shown;
  for (const TOpenGroup& Group : FOpenGroups) Shown += Group.Formula + "(";
  return Shown + FCalc.Formula + FClosedGroup;
}

void TCalculatorKeypad::MultiplyClosedGroup() {
  if (!FClosedGroup.empty()) MultiplyOperator("*");
}

void TCalculatorKeypad::Digit(char d) {
  MultiplyClosedGroup();
  FDisplay = Normalize(FDisplay + d);
}

void TCalculatorKeypad::Point() {
  MultiplyClosedGroup();
  FDisplay = Normalize(FDisplay + ".");
}

void TCalculatorKeypad::ChangeSign() {
  MultiplyClosedGroup();
  FNegative = !FNegative;
  FDisplay = Normalize(FDisplay);
}

void TCalculatorKeypad::AddOperator(const std::string& Operator) {
  ClearTape();
  FCalc.Formula += Operand() + Operator;
  FClosedGroup.clear();
  FTape.push_back(ShownFormula());
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
  FClosedGroup.clear();
  FTape.push_back(ShownFormula());
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
  if (FCalc.Formula.empty() && FOpenGroups.empty() && FClosedGroup.empty()) return false;
  // "=" closes the groups left open.
  while (!FOpenGroups.empty()) CloseGroup();
  ClearTape();
  FCalc.Formula += Operand();
  FClosedGroup.clear();
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
  FOpenGroups.clear();
  FClosedGroup.clear();
  FDisplay = "0";
  FFormulaStart = true;
  FNegative = false;
}

void TCalculatorKeypad::DeleteLast() {
  if (!FClosedGroup.empty()) {
    // The group just closed is the last thing entered.
    FClosedGroup.clear();
    ClearTape();
    FTape.push_back(ShownFormula());
    return;
  }
  if (!FDisplay.empty()) FDisplay.pop_back();
  if (FDisplay.empty()) FDisplay = "0";
}

void TCalculatorKeypad::MemoryPlus() { FMemory = FLastResult; }

// The recalled value keeps its sign when digits or "-/+" follow.
void TCalculatorKeypad::MemoryMinus() {
  MultiplyClosedGroup();
  FDisplay = FMemory;
  FNegative = !FDisplay.empty() && FDisplay[0] == '-';
}

void TCalculatorKeypad::OpenGroup() {
  // "2(" and ")(" multiply, as written on paper.
  if (!FClosedGroup.empty() || FDisplay != "0") MultiplyOperator("*");
  FOpenGroups.push_back({FCalc.Formula, FFormulaStart});
  FCalc.Formula.clear();
  FFormulaStart = true;
  FDisplay = "0";
  FNegative = false;
  ClearTape();
  FTape.push_back(ShownFormula());
}

void TCalculatorKeypad::CloseGroup() {
  if (FOpenGroups.empty()) return;
  const std::string Group = "(" + FCalc.Formula + Operand() + ")";
  FCalc.Formula = FOpenGroups.back().Formula;
  FFormulaStart = FOpenGroups.back().FormulaStart;
  FOpenGroups.pop_back();
  FClosedGroup = Group;
  FDisplay = "0";
  FNegative = false;
  ClearTape();
  FTape.push_back(ShownFormula());
}
