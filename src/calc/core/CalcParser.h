// Recursive-descent parser of the formula language, three levels:
//   expression: term { ("+" | "-") term }
//   term:       [ "-" ] [ "+" ] factor { operator factor }   (all other binary operators)
//   factor:     ( "(" expression | function "(" expression | literal | name ) { "^" operand }
#pragma once

#include "calc/core/CalcMessages.h"
#include "calc/core/CalcNodes.h"
#include "calc/core/CalcRunLimits.h"
#include "calc/core/CalcTokenizer.h"

namespace calc {

class TCalcParser {
 public:
  TCalcParser(TCalcTokenizer& Tokenizer, TCalcNodeTable& Nodes, TCalcErrorState& Errors,
              TCalcRunLimits& Limits);

  // The tree of the whole formula, or nullptr when a fault was recorded.
  TCalcNode* ParseExpression();

  // Parentheses opened and not closed; non-zero after a parse means unbalanced.
  int ParenDepth = 0;

 private:
  TCalcNode* ParseTerm();
  TCalcNode* ParseFactor();
  TCalcNode* NewNode();  // counted as work of the run
  TCalcNode* NewLeaf();
  TCalcNode* NewBinary(int Op, TCalcNode* Left, TCalcNode* Right);
  TCalcNode* ParseParenthesised(TCalcNode* Head);

  TCalcTokenizer& Tokenizer;
  TCalcNodeTable& Nodes;
  TCalcErrorState& Errors;
  TCalcRunLimits& Limits;
};

}  // namespace calc
