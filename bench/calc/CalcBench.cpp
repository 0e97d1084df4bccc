// Evaluations per second of TCalcul, parsing and evaluating every time as
// the calculator window does, and of muParser creating a parser, setting
// the expression and evaluating it once.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "calc/uCalcul.h"

#ifdef QMP_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

using TClock = std::chrono::steady_clock;
constexpr double SecondsPerSet = 0.6;

// What the keypad builds: operators in the order entered, with parentheses.
const std::vector<std::string> ArithmeticFormulas = {
    "(2+3)*4",
    "(-5)*2",
    "10/4",
    "2*3+4",
    "(2-3)*4",
    "8/0",
    "1.5+2.25-0.75",
    "((1+2)*3-4)/5",
    "(((12+7)*3)-8)/4+100",
    "1+2+3+4+5+6+7+8+9+10",
    "((((2+3)*4)-5)/6)*7",
    "((((((1.1+2.2)*3.3)-4.4)/5.5)+6.6)*7.7)-8.8",
};

const std::vector<std::string> KeypadOnlyFormulas = {"7 mod 3", "(10+4) mod 5", "(-7) mod 3"};

const std::vector<std::string> FunctionFormulas = {
    "sqrt(2)*sin(1)",
    "abs(-2.5)+trunc(7.9)",
    "copy(\"abcdef\",2,3)",
    "replace(\"aAa\",\"a\",\"b\")",
    "maxval(3,7,5)+sumval(1,2,3,4)",
    "numbase(255,16)",
    "year(\"2024/03/05\")+month(\"2024/03/05\")",
    "stamptostr(45351.75)",
    "x:=2; x*3",
    "iff(pos(\"b\",\"abc\")=2,\"yes\",\"no\")",
};

template <class Run>
double Rate(const std::vector<std::string>& Formulas, Run EvaluateOnce) {
  long long Count = 0;
  const auto Start = TClock::now();
  double Elapsed = 0;
  do {
    for (const auto& Formula : Formulas) EvaluateOnce(Formula);
    Count += static_cast<long long>(Formulas.size());
    Elapsed = std::chrono::duration<double>(TClock::now() - Start).count();
  } while (Elapsed < SecondsPerSet);
  return static_cast<double>(Count) / Elapsed;
}

double CalculRate(const std::vector<std::string>& Formulas) {
  TCalcul Calc;
  std::string Result;
  return Rate(Formulas, [&](const std::string& Formula) {
    Calc.Formula = Formula;
    Calc.Calculate(Result);
  });
}

bool CheckResults(const std::vector<std::string>& Formulas) {
  TCalcul Calc;
  bool Ok = true;
  for (const auto& Formula : Formulas) {
    Calc.Formula = Formula;
    std::string Result;
    Calc.Calculate(Result);
    if (Calc.HasError()) {
      std::printf("  failed: %s -> %s\n", Formula.c_str(), Calc.ErrorMessage().c_str());
      Ok = false;
    }
  }
  return Ok;
}

}  // namespace

int main() {
  if (!CheckResults(ArithmeticFormulas) || !CheckResults(KeypadOnlyFormulas) || !CheckResults(FunctionFormulas))
    return 1;
  const double Arithmetic = CalculRate(ArithmeticFormulas);
  std::printf("TCalcul arithmetic (keypad) formulas: %12.0f evaluations/s\n", Arithmetic);
  std::printf("TCalcul keypad \"mod\" formulas:        %12.0f evaluations/s\n", CalculRate(KeypadOnlyFormulas));
  std::printf("TCalcul function formulas:            %12.0f evaluations/s\n", CalculRate(FunctionFormulas));
#ifdef QMP_HAVE_MUPARSER
  double Sink = 0;
  const double MuParser = Rate(ArithmeticFormulas, [&](const std::string& Formula) {
    mu::Parser Parser;
    Parser.SetExpr(Formula);
    Sink += Parser.Eval();
  });
  std::printf("muParser arithmetic formulas:         %12.0f evaluations/s (new parser, set, eval once)\n",
              MuParser);
  std::printf("ratio TCalcul / muParser:             %12.2f\n", Arithmetic / MuParser);
  if (Sink == 12345.6789) std::printf("\n");
#else
  std::printf("muParser: not available, no comparison\n");
#endif
  return 0;
}
