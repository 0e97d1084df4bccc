#include "calc/core/CalcTokenizer.h"

#include "calc/core/CalcOpCodes.h"
#include "calc/core/CalcText.h"
#include "store/TextBytes.h"

namespace calc {

std::string WrapArguments(const std::string& Formula) {
  if (Formula.find(',') == std::string::npos) return Formula;

  // First pass: which parentheses hold a comma at their own level.
  std::vector<char> OpenHasComma(Formula.size(), 0);
  std::vector<std::size_t> OpenStack;
  bool InLiteral = false;
  for (std::size_t i = 0; i < Formula.size(); ++i) {
    const char C = Formula[i];
    if (C == '"') InLiteral = !InLiteral;
    if (InLiteral) continue;
    if (C == '(') {
      OpenStack.push_back(i);
    } else if (C == ')') {
      if (!OpenStack.empty()) OpenStack.pop_back();
    } else if (C == ',' && !OpenStack.empty()) {
      OpenHasComma[OpenStack.back()] = 1;
    }
  }

  // Second pass: write the wrapped text.
  std::string Wrapped;
  Wrapped.reserve(Formula.size() * 2);
  OpenStack.clear();
  InLiteral = false;
  for (std::size_t i = 0; i < Formula.size(); ++i) {
    const char C = Formula[i];
    if (C == '"') InLiteral = !InLiteral;
    if (InLiteral || C == '"') {
      Wrapped += C;
      continue;
    }
    if (C == '(') {
      OpenStack.push_back(i);
      Wrapped += OpenHasComma[i] ? "((" : "(";
    } else if (C == ')') {
      const bool Wraps = !OpenStack.empty() && OpenHasComma[OpenStack.back()];
      if (!OpenStack.empty()) OpenStack.pop_back();
      Wrapped += Wraps ? "))" : ")";
    } else if (C == ',') {
      Wrapped += "),(";
    } else {
      Wrapped += C;
    }
  }
  return Wrapped;
}

TCalcTokenizer::TCalcTokenizer(const std::string& Formula, TCalcErrorState& Errors,
                               TCalcVariables& Variables,
                               std::vector<TCalcVariables::TEntryId>& PendingEntries)
    : Formula(Formula), Errors(Errors), Variables(Variables), PendingEntries(PendingEntries) {}

int TCalcTokenizer::NextToken() {
  TokenText.clear();
  TokenBody.clear();
  TokenEntry = TCalcVariables::NoEntry;
  while (Position < Formula.size() &&
         (static_cast<unsigned char>(Formula[Position]) <= 13 || Formula[Position] == ' '))
    ++Position;
  if (Position >= Formula.size()) return Current = CalcOp::End;

  const char C = Formula[Position];
  const std::size_t Next = Position + 1;
  int Code = CalcOp::End;
  std::size_t End = Next;  // index after the token's last character
  switch (C) {
    case '(': Code = CalcOp::Open; break;
    case ')': Code = CalcOp::Close; break;
    case '+': Code = CalcOp::Add; break;
    case '*': Code = CalcOp::Multiply; break;
    case '/': Code = CalcOp::Divide; break;
    case '^': Code = CalcOp::Power; break;
    case '=': Code = CalcOp::Equal; break;
    case ',': Code = CalcOp::Comma; break;
    case ';': Code = CalcOp::Semicolon; break;
    case '-':
      if (IsDigitAt(Next) && (Token == CalcOp::End || Token == CalcOp::Open)) {
        Position = Next;
        TokenText = "-" + ScanNumber();
        Code = CalcOp::Number;
        End = Position;
      } else {
        Code = CalcOp::Subtract;
      }
      break;
    case '|':
      Code = CalcOp::Concat;
      if (NextIs(Next, '|')) End = Next + 1;
      break;
    case '>':
      Code = CalcOp::Greater;
      if (NextIs(Next, '=')) Code = CalcOp::GreaterEqual, End = Next + 1;
      break;
    case '<':
      Code = CalcOp::Less;
      if (NextIs(Next, '=')) Code = CalcOp::LessEqual, End = Next + 1;
      else if (NextIs(Next, '>')) Code = CalcOp::NotEqual, End = Next + 1;
      break;
    case '"':
      Code = ReadTextLiteral();
      End = Position;
      break;
    default:
      if (C >= '0' && C <= '9') {
        TokenText = ScanNumber();
        Code = CalcOp::Number;
        End = Position;
      } else if ((C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_') {
        Code = ReadName();
        End = Position;
      } else if (C == '\'') {
        // Quoted names are not part of the language: the name comes out empty.
        Errors.Set("");
        Code = CalcOp::Name;
      } else {
        // Any other character ends the formula; nothing after it is read.
        End = Formula.size();
      }
      break;
  }
  Position = End;
  PrevToken = Token;
  Token = Code;
  return Current = Code;
}

std::string TCalcTokenizer::ScanNumber() {
  const std::size_t Start = Position;
  auto ReadDigits = [&] {
    while (IsDigitAt(Position)) ++Position;
  };
  auto WrongNumber = [&] {
    // The message holds the whole formula: build it once only.
    if (!Errors.HasError()) Errors.Set(std::string(CalcMessage::WrongNumber) + Formula);
    return Formula.substr(Start, Position - Start);
  };
  ReadDigits();
  if (NextIs(Position, '.')) {
    ++Position;
    if (!IsDigitAt(Position)) return WrongNumber();
    ReadDigits();
  }
  if (NextIs(Position, 'e') || NextIs(Position, 'E')) {
    ++Position;
    if (Position >= Formula.size()) return WrongNumber();
    if (NextIs(Position, '+') || NextIs(Position, '-')) ++Position;
    if (!IsDigitAt(Position)) return WrongNumber();
    ReadDigits();
  }
  return Formula.substr(Start, Position - Start);
}

int TCalcTokenizer::ReadTextLiteral() {
  ++Position;  // the opening quote
  while (Position < Formula.size()) {
    const std::size_t Quote = Formula.find('"', Position);
    if (Quote == std::string::npos) break;
    TokenText.append(Formula, Position, Quote - Position);
    if (NextIs(Quote + 1, '"')) {
      TokenText += '"';
      Position = Quote + 2;
      continue;
    }
    Position = Quote + 1;
    return CalcOp::Text;
  }
  TokenText.append(Formula, Position, std::string::npos);
  Position = Formula.size();
  Errors.Set(CalcMessage::StringValueEnd);
  return CalcOp::Text;
}

int TCalcTokenizer::ReadName() {
  std::size_t NameEnd = Position;
  while (NameEnd < Formula.size()) {
    const char C = Formula[NameEnd];
    if (!((C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_' ||
          C == '.'))
      break;
    ++NameEnd;
  }
  TokenText.assign(Formula, Position, NameEnd - Position);
  Position = NameEnd;
  if (NextIs(NameEnd, '(')) {
    TokenText += '(';  // the "(" itself is the next token
  } else if (NextIs(NameEnd, ':') && NextIs(NameEnd + 1, '=')) {
    ReadAssignment(NameEnd);
    return CalcOp::Name;
  }
  return ClassifyName();
}

void TCalcTokenizer::ReadAssignment(std::size_t NameEnd) {
  // The body runs to the first ";" outside text literals.
  const std::size_t BodyStart = NameEnd + 2;
  std::size_t BodyEnd = BodyStart;
  bool InLiteral = false;
  for (; BodyEnd < Formula.size(); ++BodyEnd) {
    if (Formula[BodyEnd] == '"') InLiteral = !InLiteral;
    if (Formula[BodyEnd] == ';' && !InLiteral) break;
  }
  TokenBody.assign(Formula, BodyStart, BodyEnd - BodyStart);
  TokenText = "@@" + TokenText;
  TokenEntry = Variables.Append(TokenText + "=[" + TokenBody + "]");
  PendingEntries.push_back(TokenEntry);
  Position = BodyEnd;
}

int TCalcTokenizer::ClassifyName() {
  if (TokenText.size() <= 1) return CalcOp::Name;
  const std::string Lower = AsciiLowerCase(TokenText);
  if (Lower.back() == '(') {
    if (const TCalcFunctionInfo* Function = FindCalcFunction(Lower)) return Function->Code;
    Errors.Set(std::string(CalcMessage::InvalidFunction) + TokenText +
               std::string(CalcMessage::InvalidFunctionEnd));
    return CalcOp::Name;
  }
  return FindOperatorWord(Lower);
}

}  // namespace calc
