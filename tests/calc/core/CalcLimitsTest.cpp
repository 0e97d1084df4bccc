// No formula may exhaust the stack or take unbounded time: nesting beyond a
// fixed depth fails with "invalid formule", long chains are evaluated
// without deep recursion, and the work of a run is bounded.
#include <gtest/gtest.h>

#include <atomic>

#include "CalcTestSupport.h"
#include "calc/core/CalcWorker.h"

namespace {

std::string Repeat(const std::string& Text, int Count) {
  std::string Result;
  Result.reserve(Text.size() * static_cast<std::size_t>(Count));
  for (int i = 0; i < Count; ++i) Result += Text;
  return Result;
}

const std::string InvalidFormule = Failure("invalid formule");

TEST(CalcLimits, DeepParenthesesFail) {
  EXPECT_EQ(Outcome(Repeat("(", 100000)), InvalidFormule);
  EXPECT_EQ(Outcome(Repeat("(", 100000) + "1" + Repeat(")", 100000)), InvalidFormule);
  EXPECT_EQ(Outcome(Repeat("-(", 50000) + "1" + Repeat(")", 50000)), InvalidFormule);
}

TEST(CalcLimits, DeepCallsFail) {
  EXPECT_EQ(Outcome(Repeat("sin(", 100000) + "0" + Repeat(")", 100000)), InvalidFormule);
  EXPECT_EQ(Outcome(Repeat("maxval(1,", 20000) + "1" + Repeat(")", 20000)), InvalidFormule);
}

TEST(CalcLimits, GenerousNestingStillWorks) {
  EXPECT_EQ(Outcome(Repeat("(1+", 1000) + "1" + Repeat(")", 1000)), "1001");
  EXPECT_EQ(Outcome(Repeat("abs(", 1000) + "-2" + Repeat(")", 1000)), "2");
}

TEST(CalcLimits, LongChainsOfOperators) {
  EXPECT_EQ(Outcome("1" + Repeat("+1", 100000)), "100001");
  EXPECT_EQ(Outcome("2" + Repeat("*1/1", 50000)), "2");
  EXPECT_EQ(Outcome("x:=0;" + Repeat("x:=x+1;", 5000) + "x"), "5000");
  EXPECT_EQ(Outcome("sumval(" + Repeat("1,", 100000) + "1)"), "100001");
  EXPECT_EQ(Outcome("2" + Repeat("^1", 100000)), "2");
  EXPECT_EQ(Outcome("length(\"a\"" + Repeat("|\"b\"", 100000) + ")"), "100001");
}

TEST(CalcLimits, NestedEvaluatorsAreBounded) {
  EXPECT_EQ(Outcome(Repeat("a:=", 100000) + "1"), InvalidFormule);
  EXPECT_EQ(Outcome("s:=\"eval(s)\"; eval(s)"), InvalidFormule);
  EXPECT_EQ(Outcome(Repeat("a:=", 10) + "1"), "1");
}

TEST(CalcLimits, TextsCannotGrowWithoutBound) {
  EXPECT_EQ(Outcome("x:=\"ab\";" + Repeat("x:=x|x;", 40) + "length(x)"), InvalidFormule);
  EXPECT_EQ(Outcome(Repeat("replace(", 40) + "\"aa\"" + Repeat(",\"a\",\"aa\")", 40)), InvalidFormule);
  EXPECT_EQ(Outcome("x:=\"ab\";" + Repeat("x:=x|x;", 10) + "length(x)"), Quoted("2048"));
}

TEST(CalcLimits, WorkOfARunIsBounded) {
  const std::string Big = "x:=replace(\"" + std::string(1000, 'a') + "\",\"a\",\"" + std::string(1000, 'b') + "\");";
  EXPECT_EQ(Outcome(Big + "length(x)"), Quoted("1000000"));
  EXPECT_EQ(Outcome(Big + Repeat("x;", 20000) + "1"), InvalidFormule);
}

// The work of a run counts operations, not the digits of numbers that are
// never written: a long product of a huge number stays within the limits.
TEST(CalcLimits, HugeNumbersCostNoMoreThanSmallOnes) {
  EXPECT_EQ(Outcome("9e4931" + Repeat("*1", 100000)), Outcome("9e4931*1"));
  // Writing their digits is real work.
  EXPECT_EQ(Outcome(Repeat("length(9e4931*1);", 100)), "4932");
  EXPECT_EQ(Outcome(Repeat("length(9e4931*1);", 2000)), InvalidFormule);
}

TEST(CalcLimits, AStopRequestEndsTheRun) {
  std::atomic<bool> Stop{true};
  TCalcul Calc;
  Calc.SetStopRequest(&Stop);
  EXPECT_EQ(Outcome(Calc, "1+1"), InvalidFormule);
  EXPECT_EQ(Outcome(Calc, "x:=1"), InvalidFormule);
  Stop = false;
  EXPECT_EQ(Outcome(Calc, "eval(\"1+1\")"), "2");
}

// The window's evaluations run on a thread of their own.
TEST(CalcLimits, AWorkerRunsCollectsAndStops) {
  TCalcul Calc;
  TCalcWorker Worker(Calc);
  std::atomic<int> Ended{0};
  Calc.Formula = "6*7";
  Worker.Start([&] { ++Ended; });
  EXPECT_TRUE(Worker.WaitFor(std::chrono::seconds(60)));
  EXPECT_TRUE(Worker.HasEnded());
  EXPECT_EQ(Worker.Collect(), "42");
  EXPECT_EQ(Ended, 1);
  EXPECT_FALSE(Worker.IsRunning());
  Calc.Formula = "1+";
  Worker.Start(nullptr);
  EXPECT_EQ(Worker.Collect(), "");
  Calc.Formula = "x:=\"" + std::string(1000, 'a') + "\";" + Repeat("length(x)+", 100000) + "0";
  Worker.Start(nullptr);
  Worker.Stop();
  EXPECT_FALSE(Worker.IsRunning());
  EXPECT_EQ(Outcome(Calc, "1+1"), "2");
}

TEST(CalcLimits, LongFormulasAreReadInOnePass) {
  const std::string Text(1000000, 'x');
  EXPECT_EQ(Outcome("length(\"" + Text + "\")"), "1000000");
  EXPECT_EQ(Outcome(Repeat("\"", 100001)), Failure("String value end error"));
  EXPECT_EQ(Outcome(Repeat(",", 100000)), Failure("? operand "));
  const std::string Wrong = Repeat("1.+", 100000) + "1";
  EXPECT_EQ(Outcome(Wrong), Failure("Wrong number in " + Wrong));
  EXPECT_EQ(Outcome("pos(\"" + std::string(50000, 'a') + "b\",\"" + std::string(100000, 'a') + "\")"), "0");
}

}  // namespace
