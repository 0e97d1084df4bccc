#include "calc/core/uCalcul.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/core/CalcDates.h"
#include "calc/core/CalcFault.h"
#include "calc/core/CalcNumbers.h"
#include "calc/core/CalcOpCodes.h"
#include "calc/core/CalcParser.h"
#include "calc/core/CalcPattern.h"
#include "calc/core/CalcText.h"
#include "calc/core/CalcTokenizer.h"

using namespace calc;

namespace {

constexpr const char* TrueText = "1";
constexpr const char* FalseText = "0";

const char* Truth(bool Value) { return Value ? TrueText : FalseText; }

// Rolls the shared variables back when a nested evaluator ends.
class TUndoScope {
 public:
  explicit TUndoScope(TCalcVariables& Variables) : Variables(Variables), Mark(Variables.BeginUndo()) {}
  ~TUndoScope() { Variables.RollBack(Mark); }
  TUndoScope(const TUndoScope&) = delete;
  TUndoScope& operator=(const TUndoScope&) = delete;

 private:
  TCalcVariables& Variables;
  std::size_t Mark;
};

// Integral powers by squaring; anything else through the logarithm.
long double RaiseToPower(long double Base, long double Exponent) {
  if (Exponent == 0) return 1;
  if (Base == 0 && Exponent > 0) return 0;
  if (std::trunc(Exponent) == Exponent && std::fabs(Exponent) <= 2147483647.0L) {
    auto Count = static_cast<std::uint64_t>(std::fabs(Exponent));
    long double Result = 1;
    long double Factor = Base;
    while (Count > 0) {
      if (Count & 1) Result = CheckFinite(Result * Factor);
      Count >>= 1;
      if (Count > 0) Factor = CheckFinite(Factor * Factor);
    }
    if (Exponent > 0) return Result;
    if (Result == 0) throw TCalcFault();
    return CheckFinite(1 / Result);
  }
  if (Base <= 0) throw TCalcFault();
  return CheckFinite(std::exp(Exponent * std::log(Base)));
}

// The locale-aware, case-sensitive relation of two texts that are not both numbers.
bool Holds(int Op, int Sign) {
  switch (Op) {
    case CalcOp::Less: return Sign < 0;
    case CalcOp::LessEqual: return Sign <= 0;
    case CalcOp::Greater: return Sign > 0;
    default: return Sign >= 0;
  }
}

bool IsBinaryOperator(int Op) {
  switch (Op) {
    case CalcOp::Add: case CalcOp::Subtract: case CalcOp::Multiply: case CalcOp::Divide:
    case CalcOp::Power: case CalcOp::IntDivide: case CalcOp::Modulo: case CalcOp::Concat:
    case CalcOp::And: case CalcOp::Or: case CalcOp::Equal: case CalcOp::Less:
    case CalcOp::LessEqual: case CalcOp::Greater: case CalcOp::GreaterEqual:
    case CalcOp::NotEqual: case CalcOp::Like: case CalcOp::Wildcard: case CalcOp::Comma:
    case CalcOp::Semicolon:
      return true;
    default:
      return false;
  }
}

bool EvaluatesRightFirst(int Op) {
  return Op == CalcOp::Divide || Op == CalcOp::IntDivide || Op == CalcOp::Concat || Op == CalcOp::Like ||
         Op == CalcOp::Wildcard || Op == CalcOp::Comma;
}

std::optional<long double> NumberInText(const std::string& Text) {
  std::string Plain(TrimBlanks(Text));
  for (char& C : Plain)
    if (C == ',') C = '.';
  return ParseDecimal(Plain);
}

std::optional<long double> NumberInValue(const TCalcValue& Value) {
  if (Value.HasNumber()) return Value.NumberValue();
  return NumberInText(Value.WrittenText());
}

}  // namespace

TCalcul::TCalcul()
    : OwnVariables(std::make_unique<TCalcVariables>()),
      VariableList(OwnVariables.get()),
      OwnLimits(std::make_unique<TCalcRunLimits>()),
      Limits(OwnLimits.get()) {}

TCalcul::TCalcul(TCalcul& Parent)
    : VariableList(Parent.VariableList), Limits(Parent.Limits), IsSubEvaluator(true) {}

TCalcul::~TCalcul() = default;

void TCalcul::SetVariablesText(const std::string& Text) { VariableList->SetText(Text); }

void TCalcul::Calculate(std::string& Result) {
  ArgStack.clear();
  ChainLinks.clear();
  RightSides.clear();
  FResultKind = Formula.find('"') != std::string::npos ? CalcKind::Text : CalcKind::Number;
  while (!Formula.empty() && (Formula.back() == ' ' || Formula.back() == ';')) Formula.pop_back();
  Errors.Clear();
  FNestedFailure.clear();
  PendingEntries.clear();
  if (!IsSubEvaluator) Limits->StartRun(Formula.size());
  try {
    Limits->Spend(TCalcRunLimits::ScanWork * Formula.size());
    const std::string Wrapped = WrapArguments(Formula);
    Prepare(Wrapped, true);
    std::string Value = Evaluate(Root);
    if (!Errors.HasError()) {
      FResultKind = Root->Kind;
      if (FResultKind == CalcKind::Text && !IsQuoted(Value)) Value = '"' + Value + '"';
      Result = std::move(Value);
    }
  } catch (...) {
    SetError("");
  }
  DropUnusedPendingEntries();
}

int TCalcul::Prepare(const std::string& Text, bool RefreshDates) {
  Nodes.FreeTree(Root);
  Nodes.Clear();
  Errors.Clear();
  if (RefreshDates) RefreshDateVariables();
  TCalcTokenizer Tokenizer(Text, Errors, *VariableList, PendingEntries);
  TCalcParser Parser(Tokenizer, Nodes, Errors, *Limits);
  Root = Parser.ParseExpression();
  ParenDepth = Parser.ParenDepth;
  if (!Root)
    SetError("");
  else
    Root->Kind = FResultKind;
  if (ParenDepth != 0 || Errors.HasError()) {
    // Evaluate then reports "Invalid formula (..)" unless a fault is recorded.
    Nodes.FreeTree(Root);
    Nodes.Clear();
    return -1;
  }
  return Nodes.NodeCount();
}

void TCalcul::RefreshDateVariables() {
  VariableList->Assign("date", '"' + DateToText(CurrentStamp()) + '"');
  VariableList->Assign("now", '"' + DateTimeToText(CurrentStamp()) + '"');
  VariableList->Assign("time", '"' + TimeToText(CurrentStamp()) + '"');
}

// Assignments that the run did not reach leave no entry behind, so no later
// run can pick up their bodies.
void TCalcul::DropUnusedPendingEntries() {
  for (const auto Id : PendingEntries) VariableList->Remove(Id);
  PendingEntries.clear();
}

long double TCalcul::ToNumber(const std::string& Text) {
  if (const auto Value = NumberInText(Text)) return *Value;
  SetError(std::string(CalcMessage::ConvertToNumeric) + Text);
  return 0;
}

long double TCalcul::ToNumber(const TCalcValue& Value) {
  return Value.HasNumber() ? Value.NumberValue() : ToNumber(Value.WrittenText());
}

int TCalcul::ToInteger(const std::string& Text) { return ToInteger(TCalcValue(Text)); }

int TCalcul::ToInteger(const TCalcValue& Text) {
  if (Errors.HasError()) return 0;
  long double Value = ToNumber(Text);
  // Taken 1e-7 away from zero, so 2.99999999 counts as 3.
  if (Value > 0) Value += 0.0000001L;
  if (Value < 0) Value -= 0.0000001L;
  Value = std::trunc(Value);
  if (Value > std::numeric_limits<int>::max() || Value < std::numeric_limits<int>::min())
    throw TCalcFault();
  return static_cast<int>(Value);
}

const std::string& TCalcul::TextOf(TCalcValue& Value) {
  if (!Value.IsWritten()) Limits->Spend(TCalcRunLimits::WritingWork(Value.Text().size()));
  return Value.Text();
}

std::string TCalcul::Evaluate(TCalcNode* Node) {
  TCalcValue Value = EvaluateValue(Node);
  TextOf(Value);
  return Value.TakeText();
}

TCalcValue TCalcul::EvaluateValue(TCalcNode* Node) {
  if (Errors.HasError()) return TCalcValue();
  if (!Node) {
    SetError(CalcMessage::InvalidFormula);
    return TCalcValue();
  }
  TDepthScope Depth(*Limits);
  if (IsBinaryOperator(Node->Op)) return EvaluateChain(Node);
  ApplyKindRule(Node);
  TCalcValue Value = Dispatch(Node);
  Limits->Spend(TCalcRunLimits::NodeWork + Value.WrittenSize());
  return Value;
}

void TCalcul::ApplyKindRule(TCalcNode* Node) {
  switch (KindRuleOf(Node->Op)) {
    case TKindRule::Number: Node->Kind = CalcKind::Number; break;
    case TKindRule::Text: Node->Kind = CalcKind::Text; break;
    case TKindRule::Keep: break;
  }
}

TCalcValue TCalcul::Dispatch(TCalcNode* Node) {
  switch (Node->Op) {
    case CalcOp::Number:
    case CalcOp::Text:
      return Node->Text;
    case CalcOp::Name:
      return EvaluateName(Node);
    case CalcOp::Negate: {
      const long double Value = NumberOf(Node->Left);
      return Errors.HasError() ? TCalcValue() : TCalcValue::Number(-Value);
    }
    default:
      break;
  }
  if (IsFunctionCode(Node->Op)) return EvaluateFunction(Node);
  SetError(std::string(CalcMessage::InternalOperCode) + std::to_string(Node->Op));
  return TCalcValue();
}

TCalcValue TCalcul::EvaluateChain(TCalcNode* Top) {
  const std::size_t First = ChainLinks.size();
  const std::size_t FirstRightSide = RightSides.size();
  TCalcNode* Node = Top;
  bool Settled = false;
  while (Node && IsBinaryOperator(Node->Op)) {
    ApplyKindRule(Node);
    ChainLinks.push_back({Node, 0});
    if (EvaluatesRightFirst(Node->Op)) {
      Settled = StartRightFirst(ChainLinks.size() - 1);
      if (Errors.HasError() || Settled) break;
    }
    Node = Node->Left;
  }
  TCalcValue Value;
  std::size_t Link = ChainLinks.size();
  if (Settled) {
    Value = std::move(RightSideOf(--Link).Text);
  } else {
    Value = EvaluateValue(Node);
  }
  while (Link-- > First && !Errors.HasError()) {
    const std::size_t Before = Value.WrittenSize();
    Value = FinishLink(Link, std::move(Value));
    // A concatenation appends in place: only what it adds is new work.
    const std::size_t After = Value.WrittenSize();
    Limits->Spend(TCalcRunLimits::NodeWork + (After > Before ? After - Before : 0));
  }
  ChainLinks.resize(First);
  RightSides.resize(FirstRightSide);
  return Errors.HasError() ? TCalcValue() : std::move(Value);
}

bool TCalcul::StartRightFirst(std::size_t Link) {
  TCalcNode* Node = ChainLinks[Link].Node;
  // Nested chains leave RightSides as they found it, so the new entry goes last.
  TRightSide Side;
  if (Node->Op == CalcOp::Divide || Node->Op == CalcOp::IntDivide) {
    // A divisor of 0 fails the run, as "mod 0" does; an integer divisor 0
    // gives 0 without the dividend.
    const bool Divide = Node->Op == CalcOp::Divide;
    Side.Number = Divide ? NumberOf(Node->Right) : IntegerOf(Node->Right);
    if (Divide && Side.Number == 0 && !Errors.HasError()) throw TCalcFault();
    Side.Settled = !Divide && Side.Number == 0;
    if (Side.Settled) Side.Text = FalseText;
  } else {
    Side.Text = Evaluate(Node->Right);
  }
  std::string& Right = Side.Text;
  switch (Node->Op) {
    case CalcOp::Comma:
      // "," puts its right side just below the two top entries of ArgStack
      // (the code and marker of the call being evaluated).
      if (ArgStack.size() < 2) throw TCalcFault();
      ArgStack.insert(ArgStack.end() - 2, std::move(Right));
      return false;
    case CalcOp::Like:
      for (char& C : Right) {
        if (C == '%') C = '*';
        if (C == '_') C = '?';
      }
      break;
    default:
      break;
  }
  ChainLinks[Link].RightSide = RightSides.size();
  RightSides.push_back(std::move(Side));
  return RightSides.back().Settled;
}

TCalcValue TCalcul::FinishLink(std::size_t Link, TCalcValue Left) {
  TCalcNode* Node = ChainLinks[Link].Node;
  switch (Node->Op) {
    case CalcOp::Add:
    case CalcOp::Subtract:
    case CalcOp::Multiply:
    case CalcOp::Power:
    case CalcOp::Modulo:
      return FinishArithmetic(Node, Left);
    case CalcOp::And:
    case CalcOp::Or:
      return FinishLogic(Node, Left);
    case CalcOp::Equal:
    case CalcOp::NotEqual:
    case CalcOp::Less:
    case CalcOp::LessEqual:
    case CalcOp::Greater:
    case CalcOp::GreaterEqual:
      return FinishComparison(Node, Left);
    case CalcOp::Semicolon:
      return EvaluateValue(Node->Right);
    case CalcOp::Comma:
      return Left;
    case CalcOp::Divide: {
      const long double Dividend = ToNumber(Left);
      if (Errors.HasError()) return TCalcValue();
      return TCalcValue::Number(Dividend / RightSideOf(Link).Number);
    }
    case CalcOp::IntDivide: {
      const long long Dividend = ToInteger(Left);
      const auto Divisor = static_cast<long long>(RightSideOf(Link).Number);
      return Errors.HasError() ? std::string() : FormatInteger(Dividend / Divisor);
    }
    case CalcOp::Concat: {
      TextOf(Left);
      std::string Text = Left.TakeText();
      const std::string& Right = RightSideOf(Link).Text;
      Limits->CheckTextLength(Text.size() + Right.size());
      Text += Right;
      return Text;
    }
    default:  // "like", "wildcard"
      return FinishMatch(TextOf(Left), RightSideOf(Link).Text);
  }
}

// Left is converted before Right is evaluated, so a left side that is no
// number is the failure reported.
TCalcValue TCalcul::FinishArithmetic(TCalcNode* Node, const TCalcValue& Left) {
  if (Node->Op == CalcOp::Modulo) {
    const long long Dividend = ToInteger(Left);
    const long long Divisor = IntegerOf(Node->Right);
    if (Errors.HasError()) return TCalcValue();
    if (Divisor == 0) throw TCalcFault();
    return FormatInteger(Dividend % Divisor);
  }
  const long double A = ToNumber(Left);
  const long double B = NumberOf(Node->Right);
  if (Errors.HasError()) return TCalcValue();
  switch (Node->Op) {
    case CalcOp::Add: return TCalcValue::Number(A + B);
    case CalcOp::Subtract: return TCalcValue::Number(A - B);
    case CalcOp::Multiply: return TCalcValue::Number(A * B);
    default: return TCalcValue::Number(RaiseToPower(A, B));
  }
}

// Truth values: a text is true when its number is at least 1. The right
// side is not evaluated when the left decides.
std::string TCalcul::FinishLogic(TCalcNode* Node, const TCalcValue& Left) {
  const bool IsAnd = Node->Op == CalcOp::And;
  const bool LeftTrue = ToNumber(Left) >= 1;
  if (Errors.HasError()) return std::string();
  if (IsAnd != LeftTrue) return Truth(LeftTrue);
  const bool RightTrue = NumberOf(Node->Right) >= 1;
  if (Errors.HasError()) return std::string();
  return Truth(RightTrue);
}

// "=" and "<>" compare texts byte for byte. The others compare numbers
// (53-bit doubles) and, when either side is not a number, the texts by the
// locale's collation; each side is evaluated once.
std::string TCalcul::FinishComparison(TCalcNode* Node, TCalcValue& Left) {
  TCalcValue Right = EvaluateValue(Node->Right);
  if (Errors.HasError()) return std::string();
  if (Node->Op == CalcOp::Equal) return Truth(TextOf(Left) == TextOf(Right));
  if (Node->Op == CalcOp::NotEqual) return Truth(TextOf(Left) != TextOf(Right));
  const auto LeftNumber = NumberInValue(Left);
  const auto RightNumber = NumberInValue(Right);
  if (LeftNumber && RightNumber) {
    const auto A = ToDouble(*LeftNumber);
    const auto B = ToDouble(*RightNumber);
    return Truth(Holds(Node->Op, A < B ? -1 : (A > B ? 1 : 0)));
  }
  return Truth(Holds(Node->Op, CollateCompare(TextOf(Left), TextOf(Right))));
}

std::string TCalcul::FinishMatch(const std::string& Text, const std::string& Pattern) {
  const TMaskPattern Mask(Pattern);
  Limits->Spend(Mask.Cost(Text.size()));
  return Truth(Mask.Matches(Text));
}

std::string TCalcul::EvaluateName(TCalcNode* Node) {
  if (Node->IsAssignment()) return EvaluateAssignment(Node);
  const std::string& Name = Node->Text;
  if (Name.empty()) throw TCalcFault();
  const bool Valid = Name[0] == '\'' || (Name[0] >= 'A' && Name[0] <= 'z') || Name.rfind("@@", 0) == 0;
  if (!Valid) {
    SetError(std::string(CalcMessage::UnknownVariable) + Name +
             std::string(CalcMessage::InvalidCharacterInName));
    return std::string();
  }
  const std::string* Entry = VariableList->Find(Name);
  if (!Entry) {
    SetError(std::string(CalcMessage::UnknownVariable) + Name);
    return std::string();
  }
  std::string Value(TrimLeftBlanks(std::string_view(*Entry).substr(Entry->find('=') + 1)));
  Node->Kind = CalcKind::Text;
  if (Value.empty()) return Value;
  if (Value.front() == '"') {
    if (Value.back() == '"') Value.pop_back();
    if (!Value.empty() && Value.front() == '"') Value.erase(0, 1);
  } else {
    Node->Kind = CalcKind::Number;
  }
  return Value;
}

// "x:=body": the body runs in a nested evaluator; only x is written back.
// Each assignment runs its own body, even when the name was assigned before.
std::string TCalcul::EvaluateAssignment(TCalcNode* Node) {
  const std::string Name = Node->Text.substr(2);
  unsigned char Kind = Node->Kind;
  std::string Value = RunSubEvaluator(std::string(TrimBlanks(Node->Assignment->Body)), Kind);
  Node->Kind = Kind;
  VariableList->Remove(Node->Assignment->PendingEntry);
  VariableList->Assign(Name, Value);
  return Value;
}

std::string TCalcul::RunSubEvaluator(const std::string& SubFormula, unsigned char& Kind) {
  std::string Result;
  {
    TDepthScope Depth(*Limits, TCalcRunLimits::SubEvaluatorDepth);
    TUndoScope Undo(*VariableList);
    TCalcul Sub(*this);
    Sub.Formula = SubFormula;
    Sub.Calculate(Result);
    Kind = Sub.FResultKind;
    // The failure stays inside the nested run; it is only noted for callers
    // that must not report it as success.
    if (FNestedFailure.empty()) {
      if (Sub.HasError())
        FNestedFailure = Sub.ErrorMessage();
      else
        FNestedFailure = Sub.FNestedFailure;
    }
  }
  if (Limits->WasExceeded()) throw TCalcFault();
  return Result;
}
