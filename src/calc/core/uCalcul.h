// TCalcul: evaluates one formula text and hands back the result as text.
//
// Every value is a text; numbers are converted with ToNumber and written back
// with FormatNumber. A run (Calculate) parses the formula into a tree
// (Prepare) and walks it (Evaluate). The first failure of a run is recorded
// with its message; nothing escapes to the caller, whose result is then left
// as it was. Variables persist from one run to the next.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/core/CalcMessages.h"
#include "calc/core/CalcNodes.h"
#include "calc/core/CalcRunLimits.h"
#include "calc/core/CalcValue.h"
#include "calc/core/CalcVariables.h"

class TCalcul {
 public:
  TCalcul();
  ~TCalcul();
  TCalcul(const TCalcul&) = delete;
  TCalcul& operator=(const TCalcul&) = delete;

  // The formula to evaluate; Calculate strips its trailing blanks and ";".
  std::string Formula = "0";

  // Replaces the variables by the lines of Text (CR LF, LF or CR end a line).
  void SetVariablesText(const std::string& Text);
  // Evaluates Formula. On success writes Result (text results in double
  // quotes) and ResultKind; on failure leaves Result untouched.
  void Calculate(std::string& Result);

  // State of the last run.
  bool HasError() const { return Errors.HasError(); }
  const std::string& ErrorMessage() const { return Errors.Message(); }
  unsigned char ResultKind() const { return FResultKind; }  // 1 number, 2 text
  // The message of the first failure inside a nested run (an assignment's
  // body, "eval(") of the last run, or empty. Such a failure does not fail
  // the run, whose value for it is the empty text.
  const std::string& NestedFailure() const { return FNestedFailure; }

  // Another thread may ask a run to stop by setting Request (kept by the
  // caller for the object's life, or until replaced); the run then fails.
  void SetStopRequest(const std::atomic<bool>* Request) { Limits->SetStopRequest(Request); }

  // Every variable entry ("name=value"), in order.
  std::vector<std::string> Variables() const { return VariableList->Entries(); }

 private:
  // A nested evaluator (assignment body, "eval(") sharing the parent's
  // variables, whose changes are rolled back, and the parent's run limits.
  explicit TCalcul(TCalcul& Parent);

  int Prepare(const std::string& Text, bool RefreshDates);
  void RefreshDateVariables();
  void DropUnusedPendingEntries();
  void SetError(std::string_view Message) { Errors.Set(Message); }

  long double ToNumber(const std::string& Text);
  long double ToNumber(const calc::TCalcValue& Value);
  int ToInteger(const std::string& Text);
  int ToInteger(const calc::TCalcValue& Value);
  long double NumberOf(calc::TCalcNode* Node) { return ToNumber(EvaluateValue(Node)); }
  int IntegerOf(calc::TCalcNode* Node) { return ToInteger(EvaluateValue(Node)); }
  // The value's text; writing a huge number counts as work of the run.
  const std::string& TextOf(calc::TCalcValue& Value);

  // A node's value, and its value as text.
  calc::TCalcValue EvaluateValue(calc::TCalcNode* Node);
  std::string Evaluate(calc::TCalcNode* Node);
  calc::TCalcValue Dispatch(calc::TCalcNode* Node);
  void ApplyKindRule(calc::TCalcNode* Node);

  // Binary operators: a chain of them down the left operands is walked in a
  // loop, so long chains (1+1+...+1, a;b;c;..., long argument lists) need
  // no stack. Operators that evaluate their right side first do so on the
  // way down; the others on the way up.
  struct TRightSide {
    std::string Text;        // right side, when evaluated first
    long double Number = 0;  // its number, for "/" and "div"
    bool Settled = false;    // a zero divisor: the left side is not evaluated
  };
  struct TChainLink {
    calc::TCalcNode* Node = nullptr;
    std::size_t RightSide = 0;  // in RightSides, for an operator that evaluates it first
  };
  calc::TCalcValue EvaluateChain(calc::TCalcNode* Top);
  // Evaluates the right side of a link whose operator wants it first; true
  // when it settles the result without the left side.
  bool StartRightFirst(std::size_t Link);
  TRightSide& RightSideOf(std::size_t Link) { return RightSides[ChainLinks[Link].RightSide]; }
  calc::TCalcValue FinishLink(std::size_t Link, calc::TCalcValue Left);
  calc::TCalcValue FinishArithmetic(calc::TCalcNode* Node, const calc::TCalcValue& Left);
  std::string FinishLogic(calc::TCalcNode* Node, const calc::TCalcValue& Left);
  std::string FinishComparison(calc::TCalcNode* Node, calc::TCalcValue& Left);
  std::string FinishMatch(const std::string& Text, const std::string& Pattern);

  std::string EvaluateName(calc::TCalcNode* Node);
  std::string EvaluateAssignment(calc::TCalcNode* Node);
  std::string RunSubEvaluator(const std::string& SubFormula, unsigned char& Kind);

  // Built-in functions.
  calc::TCalcValue EvaluateFunction(calc::TCalcNode* Node);
  calc::TCalcValue EvaluateMathFunction(int Code, long double X);
  std::string EvaluateTextFunction(int Code, const std::string& X);
  std::string EvaluateDateFunction(int Code, const std::string& X);
  std::string EvaluateEval(calc::TCalcNode* Node, const std::string& X);
  std::string EvaluateSeveralArguments(calc::TCalcNode* Node);
  std::string EvaluateAggregate(int Code);
  std::string ComputeSeveralArguments(int Code, const std::vector<std::string>& Args);
  std::string PopArgument();

  std::unique_ptr<calc::TCalcVariables> OwnVariables;
  calc::TCalcVariables* VariableList;
  std::unique_ptr<calc::TCalcRunLimits> OwnLimits;
  calc::TCalcRunLimits* Limits;
  bool IsSubEvaluator = false;

  calc::TCalcErrorState Errors;
  calc::TCalcNodeTable Nodes;
  calc::TCalcNode* Root = nullptr;
  int ParenDepth = 0;
  std::vector<std::string> ArgStack;  // argument stack of several-argument calls
  std::vector<TChainLink> ChainLinks;  // links of the chains being evaluated
  std::vector<TRightSide> RightSides;  // right sides evaluated first, of those links
  std::vector<calc::TCalcVariables::TEntryId> PendingEntries;  // added by this run
  unsigned char FResultKind = 1;
  std::string FNestedFailure;
};
