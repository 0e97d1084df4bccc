// Variables: the list, look-ups, assignments with their nested evaluators
// and the entries that assignments leave behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "CalcTestSupport.h"

namespace {

bool HasEntry(const TCalcul& Calc, const std::string& Entry) {
  const auto Entries = Calc.Variables();
  return std::find(Entries.begin(), Entries.end(), Entry) != Entries.end();
}

int CountPrefix(const TCalcul& Calc, const std::string& Prefix) {
  const auto Entries = Calc.Variables();
  return static_cast<int>(std::count_if(Entries.begin(), Entries.end(), [&](const std::string& Entry) {
    return Entry.rfind(Prefix, 0) == 0;
  }));
}

TEST(CalcVariables, SetVariablesTextSplitsLines) {
  TCalcul Calc;
  Calc.SetVariablesText("a=1\r\nb=\"x y\"\nc=2\rnoequals\r\n");
  EXPECT_EQ(Calc.Variables(), (std::vector<std::string>{"a=1", "b=\"x y\"", "c=2", "noequals"}));
  EXPECT_EQ(Outcome(Calc, "a+c"), "3");
  EXPECT_EQ(Outcome(Calc, "b"), Quoted("x y"));
  EXPECT_EQ(Outcome(Calc, "noequals"), Failure("Unknown variable:noequals"));
}

TEST(CalcVariables, LookUpIgnoresLetterCaseAndTakesTheFirst) {
  TCalcul Calc;
  Calc.SetVariablesText("Speed= 4\nspeed=9\nempty=\nquoted=\"abc\nlone=\"");
  EXPECT_EQ(Outcome(Calc, "SPEED*2"), "8");
  EXPECT_EQ(Outcome(Calc, "empty"), Quoted(""));
  EXPECT_EQ(Outcome(Calc, "quoted"), Quoted("abc"));
  EXPECT_EQ(Outcome(Calc, "lone"), Quoted(""));
  EXPECT_EQ(Outcome(Calc, "speed2"), Failure("Unknown variable:speed2"));
}

TEST(CalcVariables, AssignmentWritesBackOnlyItsVariable) {
  TCalcul Calc;
  EXPECT_EQ(Outcome(Calc, "x:=5"), "5");
  EXPECT_TRUE(HasEntry(Calc, "x=5"));
  EXPECT_EQ(Outcome(Calc, "x*2"), "10");
  EXPECT_EQ(Outcome(Calc, "x:=\"ab\""), Quoted("ab"));
  EXPECT_TRUE(HasEntry(Calc, "x=\"ab\""));
  EXPECT_EQ(CountPrefix(Calc, "x="), 1);
  EXPECT_EQ(Outcome(Calc, "x|\"c\""), Quoted("abc"));
  // The body's own assignments are lost; only x is written back.
  EXPECT_EQ(Outcome(Calc, "y:=z:=3"), "3");
  EXPECT_TRUE(HasEntry(Calc, "y=3"));
  EXPECT_EQ(CountPrefix(Calc, "z="), 0);
}

TEST(CalcVariables, OrderOfEvaluationDecides) {
  EXPECT_EQ(Outcome("x:=2; x*3"), "6");
  EXPECT_EQ(Outcome("x*3; x:=2"), Failure("Unknown variable:x"));
  EXPECT_EQ(Outcome("x:=1;x:=x+1;x:=x*10;x"), "20");
}

TEST(CalcVariables, FailedBodyAssignsTheEmptyText) {
  TCalcul Calc;
  EXPECT_EQ(Outcome(Calc, "x:=1+"), "");
  EXPECT_TRUE(HasEntry(Calc, "x="));
  EXPECT_EQ(Outcome(Calc, "x"), Quoted(""));
}

TEST(CalcVariables, NoPendingEntryOutlivesItsRun) {
  TCalcul Calc;
  // The run fails before it reaches the assignment.
  EXPECT_EQ(Outcome(Calc, "(1+\"a\"); x:=5"), Failure("Error, convert to numeric value:a"));
  EXPECT_EQ(CountPrefix(Calc, "@@"), 0);
  // The run succeeds without evaluating the assignment.
  EXPECT_EQ(Outcome(Calc, "1 or x:=5"), "1");
  EXPECT_EQ(CountPrefix(Calc, "@@"), 0);
  // A later assignment of the same name runs its own body.
  EXPECT_EQ(Outcome(Calc, "x:=7"), "7");
  EXPECT_EQ(Outcome(Calc, "x"), "7");
}

TEST(CalcVariables, EachAssignmentRunsItsOwnBody) {
  EXPECT_EQ(Outcome("0 and x:=1; x:=2; x"), "2");
}

TEST(CalcVariables, LongBodiesAndNamesAreKeptWhole) {
  TCalcul Calc;
  const std::string Body = "length(\"" + std::string(70000, 'a') + "\")";
  EXPECT_EQ(Outcome(Calc, "x:=" + Body), "70000");
  EXPECT_TRUE(HasEntry(Calc, "x=70000"));
  const std::string Name = "n" + std::string(300, '_');
  EXPECT_EQ(Outcome(Calc, Name + ":=5"), "5");
  EXPECT_TRUE(HasEntry(Calc, Name + "=5"));
  EXPECT_EQ(Outcome(Calc, Name + "*2"), "10");
}

TEST(CalcVariables, TextValuesKeepTheirLineBreaks) {
  TCalcul Calc;
  EXPECT_EQ(Outcome(Calc, "s:=\"a\nb\""), Quoted("a\nb"));
  // A nested evaluator sees the same value, not a list cut at the break.
  EXPECT_EQ(Outcome(Calc, "eval(\"length(s)\")"), "3");
  EXPECT_EQ(Outcome(Calc, "t:=s|\"!\""), Quoted("a\nb!"));
}

TEST(CalcVariables, NestedEvaluatorsChangeNothingButTheirVariable) {
  TCalcul Calc;
  Calc.SetVariablesText("keep=1");
  EXPECT_EQ(Outcome(Calc, "x:=freevar(\"keep\")"), "1");
  EXPECT_TRUE(HasEntry(Calc, "keep=1"));
  EXPECT_EQ(Outcome(Calc, "eval(\"freevar(\"\"keep\"\")\")"), "1");
  EXPECT_TRUE(HasEntry(Calc, "keep=1"));
  EXPECT_EQ(Outcome(Calc, "freevar(\"keep\")"), "1");
  EXPECT_FALSE(HasEntry(Calc, "keep=1"));
}

TEST(CalcVariables, DateVariablesAreKeptUpToDate) {
  TCalcul Calc;
  Calc.SetVariablesText("date=\"old\"");
  std::string Result;
  Calc.Calculate(Result);
  EXPECT_EQ(CountPrefix(Calc, "date="), 1);
  EXPECT_EQ(CountPrefix(Calc, "now="), 1);
  EXPECT_EQ(CountPrefix(Calc, "time="), 1);
  EXPECT_FALSE(HasEntry(Calc, "date=\"old\""));
}

}  // namespace
