#include "calc/core/CalcOpCodes.h"

#include <array>

namespace calc {

namespace {

using K = TKindRule;

constexpr std::array<TCalcFunctionInfo, 62> Functions = {{
    {"cos(", CalcOp::Cos, K::Number, 1},
    {"sin(", CalcOp::Sin, K::Number, 1},
    {"tg(", CalcOp::Tg, K::Number, 1},
    {"ctg(", CalcOp::Ctg, K::Number, 1},
    {"abs(", CalcOp::Abs, K::Number, 1},
    {"sign(", CalcOp::Sign, K::Number, 1},
    {"sqrt(", CalcOp::Sqrt, K::Number, 1},
    {"ln(", CalcOp::Ln, K::Number, 1},
    {"exp(", CalcOp::Exp, K::Number, 1},
    {"arcsin(", CalcOp::ArcSin, K::Number, 1},
    {"arccos(", CalcOp::ArcCos, K::Number, 1},
    {"arctg(", CalcOp::ArcTg, K::Number, 1},
    {"arcctg(", CalcOp::ArcCtg, K::Number, 1},
    {"sh(", CalcOp::Sh, K::Number, 1},
    {"ch(", CalcOp::Ch, K::Number, 1},
    {"th(", CalcOp::Th, K::Number, 1},
    {"cth(", CalcOp::Cth, K::Number, 1},
    {"heaviside(", CalcOp::Heaviside, K::Number, 1},
    {"h(", CalcOp::Heaviside, K::Number, 1},
    {"existvar(", CalcOp::ExistVar, K::Number, 1},
    {"freevar(", CalcOp::FreeVar, K::Number, 1},
    {"frac(", CalcOp::Frac, K::Number, 1},
    {"trunc(", CalcOp::Trunc, K::Number, 1},
    {"length(", CalcOp::Length, K::Number, 1},
    {"trimleft(", CalcOp::TrimLeft, K::Text, 1},
    {"trimright(", CalcOp::TrimRight, K::Text, 1},
    {"trim(", CalcOp::Trim, K::Text, 1},
    {"eval(", CalcOp::Eval, K::Keep, 1},
    {"char(", CalcOp::Char, K::Text, 1},
    {"ascii(", CalcOp::Ascii, K::Number, 1},
    {"upper(", CalcOp::Upper, K::Text, 1},
    {"lower(", CalcOp::Lower, K::Text, 1},
    {"not(", CalcOp::Not, K::Number, 1},
    {"string(", CalcOp::String, K::Text, 1},
    {"numeric(", CalcOp::Numeric, K::Number, 1},
    {"logic(", CalcOp::Logic, K::Number, 1},
    {"lastday(", CalcOp::LastDay, K::Number, 1},
    {"weekday(", CalcOp::WeekDay, K::Number, 1},
    {"month(", CalcOp::Month, K::Number, 1},
    {"year(", CalcOp::Year, K::Number, 1},
    {"day(", CalcOp::Day, K::Number, 1},
    {"hour(", CalcOp::Hour, K::Number, 1},
    {"minute(", CalcOp::Minute, K::Number, 1},
    {"sec(", CalcOp::Sec, K::Number, 1},
    {"strtostamp(", CalcOp::StrToStamp, K::Number, 1},
    {"stamptodatestr(", CalcOp::StampToDateStr, K::Text, 1},
    {"stamptotimestr(", CalcOp::StampToTimeStr, K::Text, 1},
    {"stamptostr(", CalcOp::StampToStr, K::Text, 1},
    {"copy(", CalcOp::Copy, K::Text, 2},
    {"copyto(", CalcOp::CopyTo, K::Text, 2},
    {"pos(", CalcOp::Pos, K::Number, 2},
    {"delete(", CalcOp::Delete, K::Keep, 2},
    {"replace(", CalcOp::Replace, K::Text, 3},
    {"maxval(", CalcOp::MaxVal, K::Number, 1},
    {"minval(", CalcOp::MinVal, K::Number, 1},
    {"sumval(", CalcOp::SumVal, K::Number, 1},
    {"avgval(", CalcOp::AvgVal, K::Number, 1},
    {"iff(", CalcOp::Iff, K::Text, 3},
    {"insert(", CalcOp::Insert, K::Text, 3},
    {"numbase(", CalcOp::NumBase, K::Text, 2},
    {"basenum(", CalcOp::BaseNum, K::Number, 2},
    {"", 0, K::Keep, 0},  // table end; never matched (names are never empty)
}};

struct TOperatorWord {
  std::string_view Word;
  int Code;
};

constexpr std::array<TOperatorWord, 6> OperatorWords = {{
    {"and", CalcOp::And},
    {"or", CalcOp::Or},
    {"div", CalcOp::IntDivide},
    {"mod", CalcOp::Modulo},
    {"like", CalcOp::Like},
    {"wildcard", CalcOp::Wildcard},
}};

}  // namespace

const TCalcFunctionInfo* FindCalcFunction(std::string_view LowerName) {
  if (LowerName.empty()) return nullptr;
  for (const auto& Function : Functions)
    if (Function.Name == LowerName) return &Function;
  return nullptr;
}

const TCalcFunctionInfo* FindCalcFunction(int Code) {
  for (const auto& Function : Functions)
    if (Function.Code == Code) return &Function;
  return nullptr;
}

int FindOperatorWord(std::string_view LowerName) {
  for (const auto& Word : OperatorWords)
    if (Word.Word == LowerName) return Word.Code;
  return CalcOp::Name;
}

TKindRule KindRuleOf(int Code) {
  switch (Code) {
    case CalcOp::Add: case CalcOp::Subtract: case CalcOp::Multiply: case CalcOp::Divide:
    case CalcOp::Negate: case CalcOp::Power: case CalcOp::IntDivide: case CalcOp::Modulo:
    case CalcOp::And: case CalcOp::Or: case CalcOp::Equal: case CalcOp::Less:
    case CalcOp::LessEqual: case CalcOp::Greater: case CalcOp::GreaterEqual:
    case CalcOp::NotEqual:
      return TKindRule::Number;
    case CalcOp::Concat:
      return TKindRule::Text;
    default:
      break;
  }
  if (IsFunctionCode(Code)) {
    for (const auto& Function : Functions)
      if (Function.Code == Code) return Function.Kind;
  }
  return TKindRule::Keep;
}

}  // namespace calc
