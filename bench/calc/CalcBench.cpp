// Evaluations per second of TCalcul, parsing and evaluating every time as
// the calculator window does, and of muParser creating a parser, setting
// the expression and evaluating it once. Then the time of long formulas:
// products of a huge number (each step's magnitude near the top of the
// number range) and a 1 MB product of square roots, with its ratio to the
// 4 KB formula of the same pattern as the run's own baseline.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "calc/core/uCalcul.h"

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

// "9e4931*1*1*...", or "sqrt(2)*sqrt(2)*...", cut to at most Bytes.
std::string Product(const std::string& First, const std::string& Factor, std::size_t Bytes) {
  std::string Formula = First;
  while (Formula.size() + 1 + Factor.size() <= Bytes) Formula += "*" + Factor;
  return Formula;
}

struct TTiming {
  double Milliseconds = 0;     // wall clock
  double CpuMilliseconds = 0;  // the process's processor time: holds on a busy machine
  std::string Outcome;         // the result, shortened, or the error message
};

double CpuMilliseconds() {
  timespec Now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Now);
  return static_cast<double>(Now.tv_sec) * 1e3 + static_cast<double>(Now.tv_nsec) / 1e6;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

// Median time of one Calculate of Formula: three runs unless they take
// more than ten seconds, more while the runs so far took less than a
// second, at most seven.
TTiming TimeFormula(const std::string& Formula) {
  std::vector<double> Times;
  std::vector<double> CpuTimes;
  double Total = 0;
  TTiming Timing;
  do {
    TCalcul Calc;
    Calc.Formula = Formula;
    std::string Result;
    const auto Start = TClock::now();
    const double CpuStart = CpuMilliseconds();
    Calc.Calculate(Result);
    CpuTimes.push_back(CpuMilliseconds() - CpuStart);
    const double Elapsed = std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
    Times.push_back(Elapsed);
    Total += Elapsed;
    if (Calc.HasError())
      Timing.Outcome = "fails: " + Calc.ErrorMessage();
    else
      Timing.Outcome = Result.size() > 24 ? Result.substr(0, 12) + "... (" + std::to_string(Result.size()) + " chars)"
                                          : Result;
  } while ((Times.size() < 3 && Total < 10000) || (Total < 1000 && Times.size() < 7));
  Timing.Milliseconds = Median(Times);
  Timing.CpuMilliseconds = Median(CpuTimes);
  return Timing;
}

std::string SizeText(std::size_t Bytes) {
  if (Bytes >= (1u << 20)) return std::to_string(Bytes >> 20) + " MB";
  if (Bytes >= 4096) return std::to_string(Bytes >> 10) + " KB";
  return std::to_string(Bytes) + " bytes";
}

TTiming PrintTiming(const std::string& Pattern, std::size_t Bytes, const std::string& Formula, double Target) {
  const TTiming Timing = TimeFormula(Formula);
  const std::string Name = Pattern + " " + SizeText(Bytes) + ":";
  std::printf("TCalcul %-28s %10.1f ms, cpu %8.1f ms (target < %.0f ms) -> %s\n", Name.c_str(),
              Timing.Milliseconds, Timing.CpuMilliseconds, Target, Timing.Outcome.c_str());
  return Timing;
}

void LongFormulas() {
  for (const std::size_t Bytes : {std::size_t(206), std::size_t(4096), std::size_t(20480)})
    PrintTiming("9e4931*1*1*...", Bytes, Product("9e4931", "1", Bytes), 50);
  const TTiming Small = PrintTiming("sqrt(2)*sqrt(2)*...", 4096, Product("sqrt(2)", "sqrt(2)", 4096), 2000);
  const TTiming Large =
      PrintTiming("sqrt(2)*sqrt(2)*...", 1u << 20, Product("sqrt(2)", "sqrt(2)", 1u << 20), 2000);
  std::printf("ratio TCalcul sqrt(2)*... 1 MB / 4 KB:  %10.1f, cpu %8.1f (256: the same time per byte)\n",
              Large.Milliseconds / std::max(Small.Milliseconds, 1e-3),
              Large.CpuMilliseconds / std::max(Small.CpuMilliseconds, 1e-3));
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
  LongFormulas();
  return 0;
}
