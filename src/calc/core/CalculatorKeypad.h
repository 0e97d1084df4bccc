// The pocket calculator's keys: they build a formula in the evaluator, keep the
// display text, the tape lines, the last result and the memory. Operators act
// in the order they are entered, as on a pocket calculator: the formula built
// so far is put in parentheses before "*", "/" and " mod ". Parentheses typed
// on the keyboard open and close a group that is worked out the same way and
// then stands for one number.
#pragma once

#include <string>
#include <vector>

class TCalcul;

class TCalculatorKeypad {
 public:
  static constexpr const char* Heading = "Quillmoor Planner Calculator";
  static constexpr const char* Underline = "_______________________________";

  // Calc is the window's evaluator; its Formula is emptied here.
  explicit TCalculatorKeypad(TCalcul& Calc);

  void Digit(char d);
  void Point();
  void ChangeSign();
  // "+" and "-".
  void AddOperator(const std::string& Operator);
  // "*", "/" and " mod ".
  void MultiplyOperator(const std::string& Operator);
  void Equals();
  // "=" in two steps, for an evaluation that runs elsewhere: StartEquals
  // completes the formula (false when there is none, and nothing happens),
  // then the evaluator's Calculate runs, then FinishEquals shows its result
  // (empty when the evaluation failed).
  bool StartEquals();
  void FinishEquals(const std::string& Result);
  void Clear();
  void DeleteLast();
  void MemoryPlus();
  void MemoryMinus();
  // "(" opens a group; after a number or a closed group it multiplies.
  void OpenGroup();
  // ")" closes the innermost open group; nothing when none is open.
  void CloseGroup();

  const std::string& Display() const { return FDisplay; }
  const std::vector<std::string>& Tape() const { return FTape; }
  const std::string& LastResult() const { return FLastResult; }
  const std::string& Memory() const { return FMemory; }
  const std::string& Formula() const;
  bool Negative() const { return FNegative; }
  bool FormulaStart() const { return FFormulaStart; }

  // The display text cleaned up after a digit, point or sign key.
  std::string Normalize(std::string Text) const;
  static bool IsNumberChar(char c);

 private:
  void ClearTape();
  // The display as an operand: without a trailing ".", "0" when it has no
  // digits, in parentheses when negative; or the group just closed.
  std::string Operand() const;
  // The formula as the tape shows it: with the groups still open.
  std::string ShownFormula() const;
  // A number typed right after a closed group multiplies it.
  void MultiplyClosedGroup();

  // A formula whose group is open, with its FormulaStart.
  struct TOpenGroup {
    std::string Formula;
    bool FormulaStart;
  };

  TCalcul& FCalc;
  std::string FDisplay = "0";
  std::vector<std::string> FTape;
  std::string FLastResult;
  std::string FMemory;
  bool FNegative = false;
  bool FFormulaStart = true;
  std::vector<TOpenGroup> FOpenGroups;
  std::string FClosedGroup;  // the operand of the next operator, when set
};
