// The evaluator's messages (exact texts) and the first-failure-wins record.
#pragma once

#include <string>
#include <string_view>

namespace calc {

namespace CalcMessage {
constexpr std::string_view InvalidFormule = "invalid formule";
constexpr std::string_view InvalidFormula = "Invalid formula (..)";
constexpr std::string_view ConvertToNumeric = "Error, convert to numeric value:";
constexpr std::string_view UnknownVariable = "Unknown variable:";
constexpr std::string_view InvalidCharacterInName = ", invalid character in name";
constexpr std::string_view InternalOperCode = "Internal error oper code ";
constexpr std::string_view MissingOperand = "? operand ";
constexpr std::string_view InvalidValues = "Invalid values";
constexpr std::string_view InvalidExpression = "Invalid expression";
constexpr std::string_view StringValueEnd = "String value end error";
constexpr std::string_view WrongNumber = "Wrong number in ";
constexpr std::string_view InvalidFunction = "Invalid function ";
constexpr std::string_view InvalidFunctionEnd = "...)";
constexpr std::string_view NotEnoughParams = "Not enough params";
constexpr std::string_view AggregateWithoutValues = "Error, not enough params";
constexpr std::string_view FunctionWithParams = "Internal error, function with params";
}  // namespace CalcMessage

// The first failure of a run and its message; later failures are ignored.
class TCalcErrorState {
 public:
  bool HasError() const { return Failed; }
  const std::string& Message() const { return Text; }

  // An empty message stands for "invalid formule".
  void Set(std::string_view Message) {
    if (Failed) return;
    Text = Message.empty() ? std::string(CalcMessage::InvalidFormule) : std::string(Message);
    Failed = true;
  }
  void Clear() {
    Failed = false;
    Text.clear();
  }

 private:
  bool Failed = false;
  std::string Text;
};

}  // namespace calc
