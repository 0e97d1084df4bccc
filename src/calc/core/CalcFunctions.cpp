// The built-in functions of TCalcul: one-argument functions take their
// argument expression directly; several-argument functions take theirs from
// ArgStack, where the "," operators of the argument list put them.
#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/core/CalcDates.h"
#include "calc/core/CalcFault.h"
#include "calc/core/CalcNumbers.h"
#include "calc/core/CalcOpCodes.h"
#include "calc/core/CalcText.h"
#include "calc/core/uCalcul.h"

using namespace calc;

namespace {

constexpr const char* CallMarker = "[!!!]";
constexpr std::size_t MaxArguments = 5;
constexpr long double TwoTo63 = 9223372036854775808.0L;

std::string Truth(bool Value) { return Value ? "1" : "0"; }

// Characters of Text from the 1-based Start; a start below 1 counts as 1,
// a count beyond the end takes what is left.
std::string CopyChars(const std::string& Text, long long Start, long long Count) {
  if (Count < 0) return std::string();
  if (Start < 1) Start = 1;
  const auto Length = static_cast<long long>(Text.size());
  if (Start > Length) return std::string();
  return Text.substr(static_cast<std::size_t>(Start - 1),
                     static_cast<std::size_t>(std::min(Count, Length - Start + 1)));
}

std::string DeleteChars(std::string Text, long long Start, long long Count) {
  const auto Length = static_cast<long long>(Text.size());
  if (Start < 1 || Start > Length || Count <= 0) return Text;
  Text.erase(static_cast<std::size_t>(Start - 1), static_cast<std::size_t>(std::min(Count, Length - Start + 1)));
  return Text;
}

int LimitBase(int Base) { return Base < 2 ? 2 : (Base > 16 ? 16 : Base); }

// Sign and magnitude, at most 32 digits.
std::string IntToBase(long long Value, int Base) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  const bool Negative = Value < 0;
  long long Rest = Negative ? -Value : Value;
  std::string Reversed;
  do {
    Reversed += Digits[Rest % Base];
    Rest /= Base;
  } while (Rest != 0 && Reversed.size() < 32);
  if (Negative) Reversed += '-';
  return std::string(Reversed.rbegin(), Reversed.rend());
}

// The value of Text's digits in Base; -1 for a character that is no digit of
// the base or a value beyond 32 bits.
long long BaseToInt(const std::string& Text, int Base) {
  if (Base < 2 || Base > 16) return -1;
  const std::string Upper = UpperCase(Text);
  const std::size_t First = Upper.find_first_not_of('0');
  if (First == std::string::npos) return 0;
  long long Sum = 0;
  int Place = 0;
  for (std::size_t i = Upper.size(); i-- > First; ++Place) {
    const char C = Upper[i];
    int Digit = -1;
    if (C >= '0' && C <= '9') Digit = C - '0';
    if (C >= 'A' && C <= 'F') Digit = C - 'A' + 10;
    if (Digit < 0 || Digit >= Base) return -1;
    const long double Power = std::trunc(std::pow(static_cast<long double>(Base), Place) + 0.1L);
    if (Power > std::numeric_limits<int>::max()) return -1;
    Sum += Digit * static_cast<long long>(Power);
    if (Sum > std::numeric_limits<int>::max()) return -1;
  }
  return Sum;
}

}  // namespace

TCalcValue TCalcul::EvaluateFunction(TCalcNode* Node) {
  const int Code = Node->Op;
  if (IsSeveralArgumentFunction(Code)) return EvaluateSeveralArguments(Node);
  TCalcValue Argument = EvaluateValue(Node->Left);
  if (Errors.HasError()) return TCalcValue();
  switch (Code) {
    case CalcOp::Eval:
      return EvaluateEval(Node, TextOf(Argument));
    case CalcOp::ExistVar: case CalcOp::FreeVar: case CalcOp::Length: case CalcOp::TrimLeft:
    case CalcOp::TrimRight: case CalcOp::Trim: case CalcOp::Char: case CalcOp::Ascii:
    case CalcOp::Upper: case CalcOp::Lower: case CalcOp::String: case CalcOp::Numeric:
    case CalcOp::Logic:
      return EvaluateTextFunction(Code, TextOf(Argument));
    case CalcOp::LastDay: case CalcOp::WeekDay: case CalcOp::Month: case CalcOp::Year:
    case CalcOp::Day: case CalcOp::Hour: case CalcOp::Minute: case CalcOp::Sec:
    case CalcOp::StrToStamp: case CalcOp::StampToDateStr: case CalcOp::StampToTimeStr:
    case CalcOp::StampToStr:
      return EvaluateDateFunction(Code, TextOf(Argument));
    default:
      break;
  }
  const long double Number = ToNumber(Argument);
  if (Errors.HasError()) return TCalcValue();
  return EvaluateMathFunction(Code, Number);
}

TCalcValue TCalcul::EvaluateMathFunction(int Code, long double X) {
  using V = TCalcValue;
  switch (Code) {
    case CalcOp::Cos: return V::Number(std::fabs(X) >= TwoTo63 ? 0 : std::cos(X));
    case CalcOp::Sin: return V::Number(std::fabs(X) >= TwoTo63 ? 0 : std::sin(X));
    case CalcOp::Tg: return V::Number(std::tan(X));
    case CalcOp::Ctg: {
      const long double Tangent = std::tan(X);
      if (Tangent == 0) throw TCalcFault();
      return V::Number(1 / Tangent);
    }
    case CalcOp::Abs: return V::Number(std::fabs(X));
    case CalcOp::Sign: return X < -0.0000001L ? "-1" : (X > 0.00000001L ? "1" : "0");
    case CalcOp::Sqrt:
      if (X < 0) throw TCalcFault();
      return V::Number(std::sqrt(X));
    case CalcOp::Ln:
      if (X <= 0) throw TCalcFault();
      return V::Number(std::log(X));
    case CalcOp::Exp: return V::Number(std::exp(X));
    case CalcOp::ArcSin:
      if (std::fabs(X) > 1) throw TCalcFault();
      return V::Number(std::atan2(X, std::sqrt(1 - X * X)));
    case CalcOp::ArcCos:
      if (std::fabs(X) > 1) throw TCalcFault();
      return V::Number(std::atan2(std::sqrt(1 - X * X), X));
    case CalcOp::ArcTg: return V::Number(std::atan(X));
    case CalcOp::ArcCtg: return V::Number(std::acos(-1.0L) / 2 - std::atan(X));
    case CalcOp::Sh: return V::Number((CheckFinite(std::exp(X)) - std::exp(-X)) / 2);
    case CalcOp::Ch: return V::Number((CheckFinite(std::exp(X)) + std::exp(-X)) / 2);
    case CalcOp::Th:
    case CalcOp::Cth: {
      const long double Up = CheckFinite(std::exp(X));
      const long double Down = CheckFinite(std::exp(-X));
      const long double Difference = Up - Down;
      const long double Sum = Up + Down;
      if (Code == CalcOp::Th) return V::Number(Difference / Sum);
      if (Difference == 0) throw TCalcFault();
      return V::Number(Sum / Difference);
    }
    case CalcOp::Heaviside: return Truth(X >= 0);
    case CalcOp::Frac: return V::Number(X - std::trunc(X));
    case CalcOp::Trunc:
      if (!(std::fabs(std::trunc(X)) < TwoTo63)) throw TCalcFault();
      return FormatInteger(static_cast<long long>(std::trunc(X)));
    case CalcOp::Not: return Truth(X < 1);
    default:
      SetError(std::string(CalcMessage::InternalOperCode) + std::to_string(Code));
      return TCalcValue();
  }
}

std::string TCalcul::EvaluateTextFunction(int Code, const std::string& X) {
  switch (Code) {
    case CalcOp::ExistVar: return Truth(VariableList->Find(X) != nullptr);
    case CalcOp::FreeVar: return Truth(VariableList->RemoveFirst(X));
    case CalcOp::Length: return FormatInteger(static_cast<long long>(X.size()));
    case CalcOp::TrimLeft: return std::string(TrimLeftBlanks(X));
    case CalcOp::TrimRight: return std::string(TrimRightBlanks(X));
    case CalcOp::Trim: return std::string(TrimBlanks(X));
    case CalcOp::Char: {
      const int Code8 = ToInteger(X) & 0xFF;
      return Errors.HasError() ? std::string() : std::string(1, static_cast<char>(Code8));
    }
    case CalcOp::Ascii:
      return X.empty() ? std::string() : FormatInteger(static_cast<unsigned char>(X[0]));
    case CalcOp::Upper: return UpperCase(X);
    case CalcOp::Lower: return LowerCase(X);
    case CalcOp::String: return X;
    case CalcOp::Numeric: {
      std::string Plain;
      for (char C : X)
        if (C != ' ') Plain += C == ',' ? '.' : C;
      const long double Value = ToNumber(Plain);
      return Errors.HasError() ? std::string() : FormatNumber(Value);
    }
    default: {  // CalcOp::Logic
      const int Value = ToInteger(X);
      return Errors.HasError() ? std::string() : Truth(Value >= 1);
    }
  }
}

std::string TCalcul::EvaluateDateFunction(int Code, const std::string& X) {
  switch (Code) {
    case CalcOp::LastDay: {
      const int Stamp = ToInteger(X);
      return Errors.HasError() ? std::string() : FormatInteger(DaysInMonth(Stamp));
    }
    case CalcOp::StrToStamp:
      return FormatNumber(ToDouble(ParseDateTime(X)));
    case CalcOp::StampToDateStr:
    case CalcOp::StampToTimeStr:
    case CalcOp::StampToStr: {
      const long double Stamp = ToNumber(X);
      if (Errors.HasError()) return std::string();
      if (Code == CalcOp::StampToDateStr) return DateToText(Stamp);
      if (Code == CalcOp::StampToTimeStr) return TimeToText(Stamp);
      return DateTimeToText(Stamp);
    }
    default:
      break;
  }
  const TStampParts Parts = SplitStamp(ParseDateTime(X));
  switch (Code) {
    case CalcOp::WeekDay: return FormatInteger(WeekDayOf(Parts));
    case CalcOp::Month: return FormatInteger(Parts.Month);
    case CalcOp::Year: return FormatInteger(Parts.Year);
    case CalcOp::Day: return FormatInteger(Parts.Day);
    case CalcOp::Hour: return FormatInteger(Parts.Hour);
    case CalcOp::Minute: return FormatInteger(Parts.Minute);
    default: return FormatInteger(Parts.Second);
  }
}

// "eval(": the text runs as a formula in a nested evaluator; what it assigns
// is lost, its failure leaves the empty text.
std::string TCalcul::EvaluateEval(TCalcNode* Node, const std::string& X) {
  std::string_view Text = TrimBlanks(X);
  if (Text.size() >= 2 && Text.front() == '[' && Text.back() == ']')
    Text = TrimBlanks(Text.substr(1, Text.size() - 2));
  unsigned char Kind = Node->Kind;
  std::string Result = RunSubEvaluator(std::string(Text), Kind);
  Node->Kind = Kind;
  return Result;
}

std::string TCalcul::PopArgument() {
  std::string Argument(TrimBlanks(ArgStack.back()));
  ArgStack.pop_back();
  return Argument;
}

std::string TCalcul::EvaluateSeveralArguments(TCalcNode* Node) {
  ArgStack.push_back(std::to_string(Node->Op));
  ArgStack.push_back(CallMarker);
  // The commas of the argument list put every argument but the first below
  // the code and the marker; the list's own value is the first argument.
  std::string First = Evaluate(Node->Left);
  if (ArgStack.size() < 2) throw TCalcFault();
  ArgStack.insert(ArgStack.end() - 2, First);
  const int Code = ToInteger(ArgStack[ArgStack.size() - 2]);
  if (Errors.HasError()) return std::string();
  if (!IsSeveralArgumentFunction(Code)) {
    SetError(CalcMessage::FunctionWithParams);
    return std::string();
  }
  ArgStack.resize(ArgStack.size() - 2);
  if (Code >= CalcOp::MaxVal && Code <= CalcOp::AvgVal) return EvaluateAggregate(Code);

  std::vector<std::string> Args;
  while (!ArgStack.empty() && ArgStack.back() != CallMarker) {
    std::string Argument = PopArgument();
    if (Args.size() < MaxArguments) Args.push_back(std::move(Argument));
  }
  const TCalcFunctionInfo* Function = FindCalcFunction(Code);
  if (static_cast<int>(Args.size()) < Function->MinArgs) {
    SetError(CalcMessage::NotEnoughParams);
    return First;
  }
  return ComputeSeveralArguments(Code, Args);
}

std::string TCalcul::EvaluateAggregate(int Code) {
  std::size_t Count = 0;
  double Result = 0;
  double Sum = 0;
  while (!Errors.HasError() && !ArgStack.empty() && ArgStack.back() != CallMarker) {
    const auto Value = ToDouble(ToNumber(PopArgument()));
    if (Errors.HasError()) break;
    if (Count == 0 || (Code == CalcOp::MaxVal && Value > Result) || (Code == CalcOp::MinVal && Value < Result))
      Result = Value;
    Sum += Value;
    ++Count;
  }
  if (Errors.HasError()) return std::string();
  if (Count == 0) {
    SetError(CalcMessage::AggregateWithoutValues);
    return std::string();
  }
  if (Code == CalcOp::SumVal) Result = Sum;
  if (Code == CalcOp::AvgVal) Result = Sum / static_cast<double>(Count);
  return FormatNumber(Result);
}

std::string TCalcul::ComputeSeveralArguments(int Code, const std::vector<std::string>& Args) {
  const std::string& A0 = Args[0];
  const auto Length = static_cast<long long>(A0.size());
  auto IntegerArg = [&](std::size_t Index, long long Default) -> long long {
    return Index < Args.size() ? ToInteger(Args[Index]) : Default;
  };
  std::string Result;
  switch (Code) {
    case CalcOp::Copy: {
      const long long Start = IntegerArg(1, 0);
      if (Start > Length) break;
      const long long Count = IntegerArg(2, Length);
      if (Count >= 1) Result = CopyChars(A0, Start, Count);
      break;
    }
    case CalcOp::CopyTo: {
      // Characters from Start to Last; a start below 1 counts as 1, so the
      // text never reaches past Last.
      const long long Start = std::max(1LL, IntegerArg(1, 0));
      if (Start > Length) break;
      const long long Last = IntegerArg(2, Length);
      if (Last >= Start) Result = CopyChars(A0, Start, Last - Start + 1);
      break;
    }
    case CalcOp::Pos: {
      const std::size_t Found = A0.empty() ? std::string::npos : FindText(Args[1], A0);
      Result = FormatInteger(Found == std::string::npos ? 0 : static_cast<long long>(Found) + 1);
      break;
    }
    case CalcOp::Delete: {
      const long long Start = IntegerArg(1, 0);
      const long long Count = Start > Length ? 0 : IntegerArg(2, Length);
      Result = DeleteChars(A0, Start, Count);
      break;
    }
    case CalcOp::Replace: {
      const bool All = IntegerArg(3, 1) == 1;
      const bool IgnoreCase = IntegerArg(4, 1) == 1;
      if (!Errors.HasError())
        Result = ReplaceText(A0, Args[1], Args[2], All, IgnoreCase, TCalcRunLimits::MaxTextLength);
      break;
    }
    case CalcOp::Iff:
      Result = IntegerArg(0, 0) == 1 ? Args[1] : Args[2];
      break;
    case CalcOp::Insert: {
      if (A0.empty()) {
        Result = Args[1];
        break;
      }
      const long long At = std::max(1LL, std::min(IntegerArg(2, 1), Length + 1));
      Limits->CheckTextLength(A0.size() + Args[1].size());
      Result = A0;
      Result.insert(static_cast<std::size_t>(At - 1), Args[1]);
      break;
    }
    case CalcOp::NumBase: {
      const long long Value = IntegerArg(0, 0);
      Result = IntToBase(Value, LimitBase(static_cast<int>(IntegerArg(1, 10))));
      break;
    }
    default: {  // CalcOp::BaseNum
      const long long Value = BaseToInt(A0, LimitBase(static_cast<int>(IntegerArg(1, 10))));
      if (Value >= 1) Result = FormatInteger(Value);
      break;
    }
  }
  return Errors.HasError() ? std::string() : Result;
}
