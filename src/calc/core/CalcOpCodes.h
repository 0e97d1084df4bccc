// Operation codes shared by the tokens and the nodes of the formula evaluator,
// and the table of built-in function names.
#pragma once

#include <string_view>

namespace calc {

namespace CalcOp {
enum : int {
  End = 0,
  Open = 1,
  Close = 2,
  Add = 3,
  Subtract = 4,
  Multiply = 5,
  Divide = 6,
  Number = 7,
  Text = 8,
  Name = 9,
  Negate = 10,
  Cos = 11,
  Sin = 12,
  Tg = 13,
  Ctg = 14,
  Abs = 15,
  Sign = 16,
  Sqrt = 17,
  Ln = 18,
  Exp = 19,
  ArcSin = 20,
  ArcCos = 21,
  ArcTg = 22,
  ArcCtg = 23,
  Sh = 24,
  Ch = 25,
  Th = 26,
  Cth = 27,
  Heaviside = 28,
  ExistVar = 29,
  FreeVar = 30,
  Power = 31,
  LastDay = 32,
  Frac = 33,
  Trunc = 34,
  Length = 35,
  TrimLeft = 38,
  TrimRight = 39,
  Trim = 41,
  Eval = 42,
  Char = 43,
  Ascii = 44,
  Upper = 45,
  Lower = 46,
  Not = 47,
  WeekDay = 48,
  Month = 49,
  Year = 50,
  Day = 51,
  Hour = 52,
  Minute = 53,
  Sec = 54,
  StrToStamp = 55,
  StampToDateStr = 56,
  StampToTimeStr = 57,
  StampToStr = 58,
  Copy = 60,
  CopyTo = 61,
  Pos = 62,
  Delete = 63,
  Replace = 64,
  MaxVal = 65,
  MinVal = 66,
  SumVal = 67,
  AvgVal = 68,
  Iff = 69,
  Insert = 70,
  NumBase = 71,
  BaseNum = 72,
  String = 196,
  Numeric = 197,
  Logic = 198,
  IntDivide = 200,
  Modulo = 201,
  Concat = 202,
  And = 210,
  Or = 211,
  Equal = 220,
  Less = 221,
  LessEqual = 222,
  Greater = 223,
  GreaterEqual = 224,
  NotEqual = 225,
  Like = 230,
  Wildcard = 231,
  Comma = 250,
  Semicolon = 251,
};
}  // namespace CalcOp

// Kind of a value: what decides whether a result is put in double quotes.
namespace CalcKind {
enum : unsigned char { Unset = 0, Number = 1, Text = 2 };
}

// What evaluating a node does to its kind before computing.
enum class TKindRule : unsigned char { Keep, Number, Text };

struct TCalcFunctionInfo {
  std::string_view Name;  // lower case, with its "("
  int Code;
  TKindRule Kind;
  int MinArgs;  // several-argument functions only
};

// The function of a lower-case name text such as "sin(", or nullptr.
const TCalcFunctionInfo* FindCalcFunction(std::string_view LowerName);

// The function of a code, or nullptr.
const TCalcFunctionInfo* FindCalcFunction(int Code);

// The operator word ("and", "mod", ...) of a lower-case name, or CalcOp::Name.
int FindOperatorWord(std::string_view LowerName);

// How evaluating a node of this code sets its kind.
TKindRule KindRuleOf(int Code);

inline bool IsFunctionCode(int Code) {
  return (Code > CalcOp::Negate && Code < 200 && Code != CalcOp::Power);
}

inline bool IsSeveralArgumentFunction(int Code) {
  return Code >= CalcOp::Copy && Code <= CalcOp::BaseNum;
}

}  // namespace calc
