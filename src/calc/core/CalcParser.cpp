#include "calc/core/CalcParser.h"

#include "calc/core/CalcOpCodes.h"

namespace calc {

namespace {

bool IsTermOperator(int Code) {
  return Code == CalcOp::Multiply || Code == CalcOp::Divide || (Code >= 200 && Code <= 255);
}

bool IsOperand(int Code) {
  return Code == CalcOp::Number || Code == CalcOp::Text || Code == CalcOp::Name;
}

}  // namespace

TCalcParser::TCalcParser(TCalcTokenizer& Tokenizer, TCalcNodeTable& Nodes, TCalcErrorState& Errors,
                         TCalcRunLimits& Limits)
    : Tokenizer(Tokenizer), Nodes(Nodes), Errors(Errors), Limits(Limits) {}

TCalcNode* TCalcParser::ParseExpression() {
  TCalcNode* Left = ParseTerm();
  while (Left) {
    const int Token = Tokenizer.Current;
    if (Token == CalcOp::End) return Left;
    if (Token == CalcOp::Close) {
      --ParenDepth;
      return Left;
    }
    if (Token != CalcOp::Add && Token != CalcOp::Subtract) {
      Errors.Set(CalcMessage::InvalidExpression);
      return nullptr;
    }
    TCalcNode* Right = ParseTerm();
    if (!Right) return nullptr;
    Left = NewBinary(Token, Left, Right);
  }
  return nullptr;
}

TCalcNode* TCalcParser::ParseTerm() {
  Tokenizer.NextToken();
  bool Negate = false;
  const int Before = Tokenizer.PrevToken;
  if (Before == CalcOp::End || Before == CalcOp::Open || Before == CalcOp::Add ||
      Before == CalcOp::Subtract) {
    if (Tokenizer.Current == CalcOp::Subtract) {
      Negate = true;
      Tokenizer.NextToken();
    }
    if (Tokenizer.Current == CalcOp::Add) Tokenizer.NextToken();
  }
  TCalcNode* Left = ParseFactor();
  while (Left && IsTermOperator(Tokenizer.Current)) {
    const int Op = Tokenizer.Current;
    Tokenizer.NextToken();
    TCalcNode* Right = ParseFactor();
    if (!Right) return nullptr;
    Left = NewBinary(Op, Left, Right);
  }
  if (!Left) return nullptr;
  if (Negate) Left = NewBinary(CalcOp::Negate, Left, nullptr);
  return Left;
}

TCalcNode* TCalcParser::ParseFactor() {
  const int Token = Tokenizer.Current;
  TCalcNode* Head = nullptr;
  if (Token == CalcOp::Open) {
    Head = ParseParenthesised(nullptr);
  } else if (IsFunctionCode(Token)) {
    TCalcNode* Call = NewNode();
    Call->Op = Token;
    Call->Text = Tokenizer.TokenText;
    if (Tokenizer.NextToken() != CalcOp::Open) {
      Errors.Set("");
      return nullptr;
    }
    Head = ParseParenthesised(Call);
  } else if (IsOperand(Token)) {
    Head = NewLeaf();
  } else {
    Errors.Set(CalcMessage::MissingOperand);
    return nullptr;
  }
  if (!Head) return nullptr;

  // "^" takes one literal or name, or one in parentheses, on its right.
  Tokenizer.NextToken();
  while (Tokenizer.Current == CalcOp::Power) {
    Tokenizer.NextToken();
    const bool InParentheses = Tokenizer.Current == CalcOp::Open;
    if (InParentheses) Tokenizer.NextToken();
    if (!IsOperand(Tokenizer.Current)) {
      Errors.Set(CalcMessage::InvalidValues);
      return nullptr;
    }
    Head = NewBinary(CalcOp::Power, Head, NewLeaf());
    if (InParentheses && Tokenizer.NextToken() != CalcOp::Close) {
      Errors.Set("");
      return nullptr;
    }
    Tokenizer.NextToken();
  }
  return Head;
}

// "(" expression; the expression becomes Call's argument when there is a call.
TCalcNode* TCalcParser::ParseParenthesised(TCalcNode* Call) {
  TDepthScope Depth(Limits);
  ++ParenDepth;
  TCalcNode* Inner = ParseExpression();
  if (!Inner) return nullptr;
  if (!Call) return Inner;
  Call->Left = Inner;
  return Call;
}

TCalcNode* TCalcParser::NewNode() {
  Limits.Spend(TCalcRunLimits::NodeWork);
  return Nodes.NewNode();
}

TCalcNode* TCalcParser::NewLeaf() {
  TCalcNode* Leaf = NewNode();
  Leaf->Op = Tokenizer.Current;
  Leaf->Text = Tokenizer.TokenText;
  if (Tokenizer.TokenEntry != TCalcVariables::NoEntry) {
    Leaf->Assignment = std::make_unique<TCalcAssignment>(TCalcAssignment{Tokenizer.TokenBody, Tokenizer.TokenEntry});
  }
  return Leaf;
}

TCalcNode* TCalcParser::NewBinary(int Op, TCalcNode* Left, TCalcNode* Right) {
  TCalcNode* Node = NewNode();
  Node->Op = Op;
  Node->Left = Left;
  Node->Right = Right;
  return Node;
}

}  // namespace calc
