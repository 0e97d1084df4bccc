// Formula syntax: argument wrapping, tokens, the grammar's particular rules
// and the syntax faults.
#include <gtest/gtest.h>

#include <vector>

#include "CalcTestSupport.h"
#include "calc/core/CalcTokenizer.h"

namespace {

TEST(CalcSyntax, WrapArguments) {
  const std::vector<std::pair<std::string, std::string>> Cases = {
      {"f(a,b)", "f((a),(b))"},
      {"f(a,b,c)", "f((a),(b),(c))"},
      {"f(g(a,b),c)", "f((g((a),(b))),(c))"},
      {"f(a,g(b,c))", "f((a),(g((b),(c))))"},
      {"copy(\"a,b\",1,2)", "copy((\"a,b\"),(1),(2))"},
      {"f(x)", "f(x)"},
      {"1,2", "1),(2"},
      {"f((a),b)", "f(((a)),(b))"},
      {"\"x,\"", "\"x,\""},
      {"f(a,\"q\"\"(,\",b)", "f((a),(\"q\"\"(,\"),(b))"},
  };
  for (const auto& Case : Cases) EXPECT_EQ(calc::WrapArguments(Case.first), Case.second) << Case.first;
}

TEST(CalcSyntax, SignsAndNumbers) {
  ExpectAll({
      {"2+-3", "-1"},
      {"2*-3", Failure("? operand ")},
      {"2*(-3)", "-6"},
      {"1--3", "4"},
      {"-3^2", "9"},
      {"0-3^2", "-9"},
      {"-2*3", "-6"},
      {"-2=2", "0"},
      {"-+5", "-5"},
      {"+-5", Failure("? operand ")},
      {"+5", "5"},
      {"(-3)^2", "9"},
      {"2.5.1", "2.5"},
      {".5", Failure("? operand ")},
      {"1.", Failure("Wrong number in 1.")},
      {"1e", Failure("Wrong number in 1e")},
      {"2+1e+", Failure("Wrong number in 2+1e+")},
      {"1.5e3", "1.5e3"},
      {"1.5e3+0", "1500"},
      {"2E-3+0", "0.002"},
  });
}

TEST(CalcSyntax, PowerOperand) {
  ExpectAll({
      {"2^(-1)", "0.5"},
      {"2^-1", Failure("Invalid values")},
      {"2^(1+1)", Failure("invalid formule")},
      {"2^sin(0)", Failure("Invalid values")},
      {"2^", Failure("Invalid values")},
      {"^2", Failure("? operand ")},
  });
}

TEST(CalcSyntax, Parentheses) {
  ExpectAll({
      {"(1+2", Failure("Invalid formula (..)")},
      {"1+2)", Failure("Invalid formula (..)")},
      {"sin(0", Failure("Invalid formula (..)")},
      {"()", Failure("? operand ")},
      {"((2))", "2"},
      {"1,2", Failure("Invalid formula (..)")},
  });
}

TEST(CalcSyntax, OperatorsAndEnds) {
  ExpectAll({
      {"2 3", Failure("Invalid expression")},
      {"2(3)", Failure("Invalid expression")},
      {"2 \"a\"", Failure("Invalid expression")},
      {"2+", Failure("? operand ")},
      {"2+*3", Failure("? operand ")},
      {"*5", Failure("? operand ")},
      {"", Failure("? operand ")},
      {"2+3 # note", "5"},
      {"2+3 $ 4", "5"},
      {"2\t+\r\n3", "5"},
      {"7 MOD 3", "1"},
      {"1 AnD 1", "1"},
      {"'a'", Failure("invalid formule")},
  });
}

TEST(CalcSyntax, FunctionNames) {
  ExpectAll({
      {"SIN(0)", "0"},
      {"sin (0)", Failure("Invalid expression")},
      {"foo(1)", Failure("Invalid function foo(...)")},
      {"Foo.Bar(1)", Failure("Invalid function Foo.Bar(...)")},
      {"x(1)", Failure("Invalid function x(...)")},
      {"sin()", Failure("? operand ")},
  });
}

TEST(CalcSyntax, TextLiterals) {
  ExpectAll({
      {"\"say \"\"hi\"\"\"", Quoted("say \"hi\"")},
      {"\"abc", Failure("String value end error")},
      {"\"\"", Quoted("")},
  });
}

TEST(CalcSyntax, Assignments) {
  TCalcul Calc;
  EXPECT_EQ(Outcome(Calc, "x:=1+1;y:=x*3;y"), "6");
  const auto Variables = Calc.Variables();
  EXPECT_NE(std::find(Variables.begin(), Variables.end(), "x=2"), Variables.end());
  EXPECT_NE(std::find(Variables.begin(), Variables.end(), "y=6"), Variables.end());
  EXPECT_EQ(Outcome("s:=\"a;b\";s"), Quoted("a;b"));
  EXPECT_EQ(Outcome("f(a,b)"), Failure("Invalid function f(...)"));
}

}  // namespace
