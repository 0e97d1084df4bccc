// Values and operators: arithmetic, truth values, comparisons, matching,
// result kinds and the error model.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "CalcTestSupport.h"
#include "calc/core/CalcNumbers.h"

namespace {

TEST(CalcOperators, Arithmetic) {
  ExpectAll({
      {"1+2", "3"},
      {"7/2", "3.5"},
      {"1/3", "0.333333333333"},
      {"2/0", Failure("invalid formule")},
      {"2/(1-1)", Failure("invalid formule")},
      {"2/1e-9", "2000000000"},
      {"-3/5e-9", "-600000000"},
      {"7 div 2", "3"},
      {"-7 div 2", "-3"},
      {"7 div 0", "0"},
      {"-7 mod 3", "-1"},
      {"7 mod 0", Failure("invalid formule")},
      {"2.99999999 div 1", "3"},
      {"2.5 div 1", "2"},
      {"-2.5 div 1", "-2"},
      {"0.5 div 1", "0"},
      {"(2+3)*4", "20"},
      {"2*3+4", "10"},
      {"(-5)*2", "-10"},
      {"10/4", "2.5"},
      {"(2-3)*4", "-4"},
      {"1+2;", "3"},
      {"2;", "2"},
      {"2 ; ;  ", "2"},
  });
}

TEST(CalcOperators, KeypadFormulas) {
  // What the calculator window builds: operators in the order entered.
  ExpectAll({
      {"(2+3)*4", "20"},
      {"2*3+4", "10"},
      {"7 mod 3", "1"},
      {"(-5)*2", "-10"},
      {"10/4", "2.5"},
      {"(2-3)*4", "-4"},
      {"8/0", Failure("invalid formule")},
      {"7 mod 0", Failure("invalid formule")},
      {"2+0", "2"},
      {"0*", Failure("? operand ")},
      {"((1+2)*3) mod 4", "1"},
  });
}

TEST(CalcOperators, DivisionLooksAtTheDivisorFirst) {
  ExpectAll({{"x/0", Failure("invalid formule")},
             {"x div 0", "0"},
             {"x/y", Failure("Unknown variable:y")}});
}

TEST(CalcOperators, AFailedNestedRunIsNotedButDoesNotFailTheRun) {
  const struct {
    const char* Formula;
    const char* Result;
    const char* NestedFailure;
  } Cases[] = {
      {"x:=ln(0)", "", "invalid formule"},
      {"x:=y+1; 5", "5", "Unknown variable:y"},
      {"eval(\"1/0\")", "", "invalid formule"},
      {"x:=eval(\"q\")", "", "Unknown variable:q"},
      {"x:=2; x*3", "6", ""},
  };
  TCalcul Calc;
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Formula);
    EXPECT_EQ(Outcome(Calc, Case.Formula), Case.Result);
    EXPECT_EQ(Calc.NestedFailure(), Case.NestedFailure);
  }
}

TEST(CalcOperators, ModuloFollowsTheSignOfTheDividend) {
  ExpectAll({{"7 mod (-3)", "1"}, {"-7 mod (-3)", "-1"}, {"-2147483648 mod (-1)", "0"}});
}

TEST(CalcOperators, IntegersBeyond32BitsAreAFault) {
  ExpectAll({{"3e9 div 1", Failure("invalid formule")},
             {"-2147483648 div (-1)", "2147483648"},
             {"2147483647 div 1", "2147483647"}});
}

TEST(CalcOperators, PowerBindsToTheLeftAndTakesOneOperand) {
  ExpectAll({
      {"2^3^2", "64"},
      {"2^10", "1024"},
      {"2^0", "1"},
      {"0^0", "1"},
      {"0^3", "0"},
      {"0^(-1)", Failure("invalid formule")},
      {"(-2)^3", "-8"},
      {"(-8)^(0.5)", Failure("invalid formule")},
      {"4^0.5", "2"},
      {"10^(-2)", "0.01"},
      {"2^2147483647", Failure("invalid formule")},
      {"1^2147483647", "1"},
      {"(-1)^2147483647", "-1"},
      {"2^(-100000)", Failure("invalid formule")},
  });
}

TEST(CalcOperators, OverflowIsAFaultNotAnInfinity) {
  ExpectAll({{"1e4000*1e4000", Failure("invalid formule")},
             {"1e4932+1e4932", Failure("invalid formule")},
             {"1e5000+0", Failure("Error, convert to numeric value:1e5000")},
             {"1e-5000+0", "0"}});
}

TEST(CalcOperators, EqualityComparesTexts) {
  ExpectAll({
      {"1+2=3", "1"},
      {"(1+2)=3", "1"},
      {"3=1+2", "2"},
      {"1.0=1", "0"},
      {"(2-1)=1", "1"},
      {"1<>2", "1"},
      {"\"a\"<>\"a\"", "0"},
  });
}

TEST(CalcOperators, TruthValues) {
  ExpectAll({
      {"0.5 and 1", "0"},
      {"1 and 1", "1"},
      {"2 and 0.9", "0"},
      {"1 or x", "1"},
      {"0 and x", "0"},
      {"0 or 0.99", "0"},
      {"0 or 1", "1"},
      {"not(0.5)", "1"},
      {"not(1)", "0"},
  });
}

TEST(CalcOperators, ComparisonsFallBackToCollation) {
  ExpectAll({
      {"\"b\" > \"a\"", "1"},
      {"2 > \"a\"", "0"},
      {"\"abc\" < \"abd\"", "1"},
      {"10 < 9", "0"},
      {"\"10\" < \"9\"", "0"},
      {"\"a\" <= \"a\"", "1"},
      {"\"a\" >= \"b\"", "0"},
      {"\"1,5\" < 2", "1"},
      {"\" 3 \" > 2", "1"},
      {"1e4000 < 2", "0"},
      {"x < 1", Failure("Unknown variable:x")},
  });
}

TEST(CalcOperators, CollationIsCaseSensitive) {
  EXPECT_NE(Outcome("\"a\" < \"A\""), Outcome("\"A\" < \"a\""));
  EXPECT_EQ(Outcome("(\"a\" <= \"A\") and (\"A\" <= \"a\")"), "0");
}

TEST(CalcOperators, ChainedComparisonsEvaluateEachSideOnce) {
  // Each level falls back to collation; evaluating sides again would double
  // the work per level.
  std::string Formula = "\"a\"";
  for (int i = 0; i < 60; ++i) Formula += "<\"b\"";
  EXPECT_EQ(Outcome(Formula), "1");
  TCalcul Calc;
  EXPECT_EQ(Outcome(Calc, "(n:=1; n) < \"a\""), "1");
}

TEST(CalcOperators, Concatenation) {
  ExpectAll({{"\"ab\"|\"cd\"", Quoted("abcd")},
             {"\"ab\"||\"cd\"", Quoted("abcd")},
             {"1|2", Quoted("12")},
             {"(1|2)+1", "13"}});
}

TEST(CalcOperators, PatternMatching) {
  ExpectAll({
      {"\"Report.TXT\" like \"%.txt\"", Quoted("1")},
      {"\"a_c\" wildcard \"a?c\"", Quoted("1")},
      {"\"abc\" like \"a_c\"", Quoted("1")},
      {"\"abc\" wildcard \"a_c\"", Quoted("0")},
      {"\"abc\" wildcard \"*\"", Quoted("1")},
      {"\"\" wildcard \"*\"", Quoted("1")},
      {"\"\" wildcard \"?\"", Quoted("0")},
      {"\"abc\" wildcard \"ab\"", Quoted("0")},
      {"\"b\" wildcard \"[a-c]\"", Quoted("1")},
      {"\"B\" wildcard \"[a-c]\"", Quoted("1")},
      {"\"d\" wildcard \"[a-c]\"", Quoted("0")},
      {"\"d\" wildcard \"[!a-c]\"", Quoted("1")},
      {"\"x-\" wildcard \"x[a-]\"", Quoted("1")},
      {"\"aXbXc\" wildcard \"*x*x*\"", Quoted("1")},
      {"\"mississippi\" wildcard \"*sip*i\"", Quoted("1")},
      {"\"a\" wildcard \"[a\"", Failure("invalid formule")},
      {"\"a\" wildcard \"[]\"", Failure("invalid formule")},
      {"\"a\" wildcard \"[-a]\"", Failure("invalid formule")},
      {"12 like \"1_\"", Quoted("1")},
      {"7 mod 0 like \"*\"", Failure("invalid formule")},
  });
}

TEST(CalcOperators, LongPatternsMatchInOnePass) {
  const std::string Text(3000, 'a');
  const std::string Pattern = "*" + std::string(1500, 'a') + "b*";
  EXPECT_EQ(Outcome("\"" + Text + "\" wildcard \"" + Pattern + "\""), Quoted("0"));
  EXPECT_EQ(Outcome("\"" + Text + "b\" wildcard \"" + Pattern + "\""), Quoted("1"));
}

TEST(CalcOperators, ResultKindDecidesTheQuotes) {
  TCalcul Calc;
  EXPECT_EQ(Outcome(Calc, "\"abc\""), Quoted("abc"));
  EXPECT_EQ(Calc.ResultKind(), 2);
  EXPECT_EQ(Outcome(Calc, "1+1"), "2");
  EXPECT_EQ(Calc.ResultKind(), 1);
  // A literal root keeps the guess: a formula with a quote is text.
  EXPECT_EQ(Outcome(Calc, "\"5\""), Quoted("5"));
  EXPECT_EQ(Outcome(Calc, "\"\"\"x\"\"\""), Quoted("x"));
  EXPECT_EQ(Outcome(Calc, "007"), "007");
  EXPECT_EQ(Outcome(Calc, "1e3"), "1e3");
}

TEST(CalcOperators, NumberConversion) {
  ExpectAll({
      {"1+\"a\"", Failure("Error, convert to numeric value:a")},
      {"1+\" 2 \"", "3"},
      {"\"1,5\"+0", "1.5"},
      {"\".\"+1", "1"},
      {"\"+\"+1", Failure("Error, convert to numeric value:+")},
      {"\"1e\"+1", Failure("Error, convert to numeric value:1e")},
      {"\"\"+1", Failure("Error, convert to numeric value:")},
      {"\"-.5\"+1", "0.5"},
      {"\"1180591620717411303424\"+0", "1180591620717411303424"},
  });
}

TEST(CalcOperators, FormatNumberRoundsTo12Decimals) {
  EXPECT_EQ(calc::FormatNumber(3), "3");
  EXPECT_EQ(calc::FormatNumber(2.5L), "2.5");
  EXPECT_EQ(calc::FormatNumber(1.0L / 3), "0.333333333333");
  EXPECT_EQ(calc::FormatNumber(2.0L / 3), "0.666666666667");
  EXPECT_EQ(calc::FormatNumber(0.0000000000004L), "0");
  EXPECT_EQ(calc::FormatNumber(0.0000000000006L), "0.000000000001");
  EXPECT_EQ(calc::FormatNumber(-0.0000000000004L), "0");
  EXPECT_EQ(calc::FormatNumber(-0.0L), "0");
  EXPECT_EQ(calc::FormatNumber(1e20L), "100000000000000000000");
  EXPECT_EQ(calc::FormatNumber(-12.5L), "-12.5");
  EXPECT_EQ(Outcome("0.1+0.2"), "0.3");
  EXPECT_EQ(Outcome("1-0.9"), "0.1");
}

// From 2^64 on a number's text is all its digits; reading it back gives the
// same number, so such numbers pass between operations without their text.
TEST(CalcOperators, HugeNumbersKeepAllTheirDigits) {
  std::mt19937_64 Random(15);
  std::vector<long double> Values = {calc::WholeMagnitude, std::numeric_limits<long double>::max(), 9e4931L};
  for (int Exponent = 64; Exponent < 16383; Exponent += 397)
    Values.push_back(std::ldexp(static_cast<long double>(Random() | (1ULL << 63)), Exponent - 63));
  std::vector<char> Buffer(6000);
  for (const long double Value : Values) {
    const auto End = std::to_chars(Buffer.data(), Buffer.data() + Buffer.size(), Value, std::chars_format::fixed, 0);
    const std::string Digits(Buffer.data(), End.ptr);
    const std::string Text = calc::FormatNumber(Value);
    EXPECT_EQ(Text, Digits);
    EXPECT_EQ(calc::FormatNumber(-Value), "-" + Digits);
    EXPECT_EQ(calc::ParseDecimal(Text), Value);
  }
}

TEST(CalcOperators, HugeNumbersInFormulas) {
  const std::string TwoTo100 = "1267650600228229401496703205376";
  ExpectAll({
      {"2^64", "18446744073709551616"},
      {"-(2^64)*2", "-36893488147419103232"},
      {"2^64-1", "18446744073709551615"},
      {"sqrt(2^200)", TwoTo100},
      {"2^100|\"\"", Quoted(TwoTo100)},
      {"copy(2^100,1,5)", Quoted("12676")},
      {"length(9e4931*1)", "4932"},
      {"(9e4931*1)=(9e4931*1)", "1"},
      {"2^100>2^99", "1"},
      {"9e4931*1>8e4931", "0"},  // compared as doubles: both beyond their range
      {"9e4931*1*1/1e4931", "9"},
      {"x:=2^200; x*1=x", "1"},
      {"9e4931*10", Failure("invalid formule")},
  });
  EXPECT_EQ(Outcome("9e4931*1"), calc::FormatNumber(9e4931L));
}

TEST(CalcOperators, IsQuoted) {
  EXPECT_TRUE(calc::IsQuoted("\"a\""));
  EXPECT_TRUE(calc::IsQuoted("  \"a\" \t"));
  EXPECT_TRUE(calc::IsQuoted("\""));
  EXPECT_FALSE(calc::IsQuoted(""));
  EXPECT_FALSE(calc::IsQuoted("\"a"));
  EXPECT_FALSE(calc::IsQuoted("a\""));
}

TEST(CalcErrors, FailureLeavesTheResultUntouched) {
  TCalcul Calc;
  std::string Result = "kept";
  Calc.Formula = "7 mod 0";
  Calc.Calculate(Result);
  EXPECT_TRUE(Calc.HasError());
  EXPECT_EQ(Calc.ErrorMessage(), "invalid formule");
  EXPECT_EQ(Result, "kept");
  Calc.Formula = "5";
  Calc.Calculate(Result);
  EXPECT_FALSE(Calc.HasError());
  EXPECT_EQ(Calc.ErrorMessage(), "");
  EXPECT_EQ(Result, "5");
}

TEST(CalcErrors, FirstFailureWins) {
  ExpectAll({{"x+y", Failure("Unknown variable:x")},
             {"(1+\"a\")+(2+\"b\")", Failure("Error, convert to numeric value:a")},
             {"(1+\"a\") ; (7 mod 0)", Failure("Error, convert to numeric value:a")}});
}

TEST(CalcErrors, FormulaLosesTrailingBlanksAndSemicolons) {
  TCalcul Calc;
  Calc.Formula = "2+2 ; ;";
  std::string Result;
  Calc.Calculate(Result);
  EXPECT_EQ(Calc.Formula, "2+2");
  EXPECT_EQ(Result, "4");
}

TEST(CalcErrors, NewObjectStartsWithFormulaZero) {
  TCalcul Calc;
  EXPECT_EQ(Calc.Formula, "0");
  std::string Result;
  Calc.Calculate(Result);
  EXPECT_EQ(Result, "0");
}

TEST(CalcErrors, CommaOutsideACallIsInvalid) {
  ExpectAll({{"sin(1,2)", Failure("invalid formule")}, {"(1,2)", Failure("invalid formule")}});
}

}  // namespace
