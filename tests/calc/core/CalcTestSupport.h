// Running formulas in tests: the outcome is the result text, or "!" and the
// error message when the run failed.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/core/uCalcul.h"

inline std::string Outcome(TCalcul& Calc, const std::string& Formula) {
  Calc.Formula = Formula;
  std::string Result = "<untouched>";
  Calc.Calculate(Result);
  if (Calc.HasError()) return "!" + Calc.ErrorMessage();
  return Result;
}

inline std::string Outcome(const std::string& Formula) {
  TCalcul Calc;
  return Outcome(Calc, Formula);
}

// One row of a formula table.
struct TFormulaCase {
  const char* Formula;
  std::string Expected;  // the result, or "!" and the message
};

inline std::ostream& operator<<(std::ostream& Out, const TFormulaCase& Case) {
  return Out << Case.Formula << " -> " << Case.Expected;
}

// Runs every formula of the table on a fresh object.
inline void ExpectAll(const std::vector<TFormulaCase>& Cases) {
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Formula);
    EXPECT_EQ(Outcome(Case.Formula), Case.Expected);
  }
}

inline std::string Quoted(const std::string& Text) { return '"' + Text + '"'; }
inline std::string Failure(const std::string& Message) { return "!" + Message; }
