// Built-in functions: mathematics, texts, variables, several-argument calls
// through the argument stack, aggregates, bases and eval(.
#include <gtest/gtest.h>

#include <vector>

#include "CalcTestSupport.h"

namespace {

const std::string InvalidFormule = Failure("invalid formule");

TEST(CalcFunctions, Mathematics) {
  ExpectAll({
      {"sin(0)", "0"},
      {"cos(0)", "1"},
      {"abs(-2.5)", "2.5"},
      {"sqrt(2)", "1.414213562373"},
      {"sign(-5e-8)", "0"},
      {"sign(5e-8)", "1"},
      {"sign(-2e-7)", "-1"},
      {"h(0)", "1"},
      {"heaviside(-1)", "0"},
      {"trunc(-2.7)", "-2"},
      {"frac(2.75)", "0.75"},
      {"frac(-2.5)", "-0.5"},
      {"exp(0)", "1"},
      {"ln(exp(2))", "2"},
      {"tg(0)", "0"},
      {"arctg(1)", "0.785398163397"},
      {"arctg(1)*4", "3.141592653588"},  // the operand is the 12-decimal text
      {"arcctg(0)*2", "3.14159265359"},
      {"arcsin(1)*2", "3.14159265359"},
      {"arccos(1)", "0"},
      {"sh(0)", "0"},
      {"ch(0)", "1"},
      {"th(0)", "0"},
      {"sin(1e19)", "0"},
      {"cos(1)", "0.540302305868"},
      {"tg(-1)", "-1.557407724655"},
      {"ctg(1)", "0.642092615934"},
      {"arcsin(-1)", "-1.570796326795"},
      {"arccos(0)", "1.570796326795"},
      {"arcctg(-1)", "2.356194490192"},
      {"sh(-1)", "-1.175201193644"},
      {"ch(1)", "1.543080634815"},
      {"th(-1)", "-0.761594155956"},
      {"cth(1)", "1.313035285499"},
      {"exp(1)", "2.718281828459"},
      {"ln(10)", "2.302585092994"},
      {"trunc(123456789012)", "123456789012"},
  });
}

TEST(CalcFunctions, ArithmeticFaults) {
  ExpectAll({
      {"sqrt(-1)", InvalidFormule},
      {"ln(0)", InvalidFormule},
      {"ln(-1)", InvalidFormule},
      {"cth(0)", InvalidFormule},
      {"ctg(0)", InvalidFormule},
      {"trunc(1e30)", InvalidFormule},
      {"arcsin(1.5)", InvalidFormule},
      {"arccos(-2)", InvalidFormule},
      {"exp(100000)", InvalidFormule},
      {"sh(100000)", InvalidFormule},
      {"th(100000)", InvalidFormule},
      {"sin(\"x\")", Failure("Error, convert to numeric value:x")},
  });
}

TEST(CalcFunctions, Texts) {
  ExpectAll({
      {"char(65)", Quoted("A")},
      {"char(321)", Quoted("A")},
      {"length(\"abc\")", "3"},
      {"length(\"\")", "0"},
      {"upper(\"abc\")", Quoted("ABC")},
      {"lower(\"AbC\")", Quoted("abc")},
      {"ascii(\"A\")", "65"},
      {"ascii(\"\")", ""},
      {"trim(\"  a b  \")", Quoted("a b")},
      {"trimleft(\"  a  \")", Quoted("a  ")},
      {"trimright(\"  a  \")", Quoted("  a")},
      {"trim(char(9)|char(0)|\"a\"|char(13)|char(10))", Quoted("a")},
      {"string(1+1)", Quoted("2")},
      {"numeric(\"1 2,50\")", "12.5"},
      {"numeric(\"x\")", Failure("Error, convert to numeric value:x")},
      {"logic(0.9999999)", "1"},
      {"logic(0.5)", "0"},
  });
}

TEST(CalcFunctions, SeveralArguments) {
  ExpectAll({
      {"copy(\"abcdef\",2,3)", Quoted("bcd")},
      {"copy(\"abcdef\",4)", Quoted("def")},
      {"copy(\"abcdef\",0,2)", Quoted("ab")},
      {"copy(\"abc\",5,1)", Quoted("")},
      {"copy(\"abc\",2,-1)", Quoted("")},
      {"copy(\"abc\",2,99)", Quoted("bc")},
      {"copyto(\"abcdef\",2,4)", Quoted("bcd")},
      {"copyto(\"abcdef\",4,2)", Quoted("")},
      {"copyto(\"abcdef\",3)", Quoted("cdef")},
      // A start below 1 counts as 1; the end stays where it is.
      {"copyto(\"abcdef\",0,2)", Quoted("ab")},
      {"copyto(\"abcdef\",-1,3)", Quoted("abc")},
      {"copyto(\"abcdef\",-5,0)", Quoted("")},
      {"copyto(\"abcdef\",4,99)", Quoted("def")},
      {"pos(\"cd\",\"abcdef\")", "3"},
      {"pos(\"x\",\"abc\")", "0"},
      {"pos(\"\",\"abc\")", "0"},
      {"delete(\"abcdef\",2,3)", Quoted("aef")},
      {"delete(\"abcdef\",3)", Quoted("ab")},
      {"delete(\"abcdef\",0,3)", Quoted("abcdef")},
      {"delete(\"abcdef\",9,3)", Quoted("abcdef")},
      {"replace(\"aAa\",\"a\",\"b\")", Quoted("bbb")},
      {"replace(\"aAa\",\"a\",\"b\",0)", Quoted("bAa")},
      {"replace(\"aAa\",\"a\",\"b\",1,0)", Quoted("bAb")},
      {"replace(\"abc\",\"\",\"x\")", Quoted("abc")},
      {"iff(1,\"yes\",\"no\")", Quoted("yes")},
      {"iff(2,\"yes\",\"no\")", Quoted("no")},
      {"insert(\"abc\",\"X\",2)", Quoted("aXbc")},
      {"insert(\"abc\",\"X\",99)", Quoted("abcX")},
      {"insert(\"abc\",\"X\",-5)", Quoted("Xabc")},
      {"insert(\"\",\"X\",5)", Quoted("X")},
      {"copy(\"  ab  \",1,2)", Quoted("ab")},
      {"copy(\"abc\")", Failure("Not enough params")},
      {"replace(\"a\",\"b\")", Failure("Not enough params")},
      {"copy(\"abc\",\"x\")", Failure("Error, convert to numeric value:x")},
  });
}

TEST(CalcFunctions, ArgumentsBeyondTheFifthAreDropped) {
  ExpectAll({
      {"copy(\"abcdef\",2,3,9,9,9)", Quoted("bcd")},
      {"copy(copy(\"abcdef\",2,3,9,9,9),1,2)", Quoted("bc")},
      {"insert(copy(\"abcdef\",1,4,7,7,7,7),\"-\",3)", Quoted("ab-cd")},
      {"sumval(1,2,3,4,5,6,7,8)", "36"},
  });
}

TEST(CalcFunctions, NestedCalls) {
  ExpectAll({
      {"copy(upper(\"abcdef\"),pos(\"c\",\"abc\"),length(\"xy\"))", Quoted("CD")},
      {"maxval(minval(3,1),sumval(1,1),avgval(4,6))", "5"},
      {"iff(pos(\"b\",\"abc\")=2,copy(\"xyz\",2,1),\"no\")", Quoted("y")},
      {"replace(replace(\"a-b\",\"-\",\",\"),\",\",\";\")", Quoted("a;b")},
  });
}

TEST(CalcFunctions, Aggregates) {
  ExpectAll({
      {"maxval(3,7,5)", "7"},
      {"minval(3,7,5)", "3"},
      {"sumval(1,2,3)", "6"},
      {"avgval(1,2)", "1.5"},
      {"maxval(4)", "4"},
      {"maxval(-1,-5)", "-1"},
      {"sumval(0.1,0.2)", "0.3"},
      {"sumval(1,\"x\")", Failure("Error, convert to numeric value:x")},
      {"sumval(1e308,1e308)", InvalidFormule},
      {"maxval(1e4000)", InvalidFormule},
  });
}

TEST(CalcFunctions, NumberBases) {
  ExpectAll({
      {"numbase(10,2)", Quoted("1010")},
      {"numbase(255,16)", Quoted("FF")},
      {"numbase(0,2)", Quoted("0")},
      {"numbase(10,99)", Quoted("A")},
      {"numbase(5,1)", Quoted("101")},
      {"numbase(-10,2)", Quoted("-1010")},
      {"numbase(-2147483648,16)", Quoted("-80000000")},
      {"basenum(\"ff\",16)", "255"},
      // A digit the base does not have makes no number, like any other character.
      {"basenum(\"19\",2)", ""},
      {"basenum(\"12\",2)", ""},
      {"basenum(\"101\",2)", "5"},
      {"basenum(\"777\",8)", "511"},
      {"basenum(\"8\",8)", ""},
      {"basenum(\"9\",10)", "9"},
      {"basenum(\"G\",99)", ""},
      {"basenum(\"zz\",16)", ""},
      {"basenum(\"0\",10)", ""},
      {"basenum(\"00012\",10)", "12"},
      {"basenum(\"1g\",16)", ""},
      {"basenum(\"ffffffffff\",16)", ""},
      {"basenum(\"7fffffff\",16)", "2147483647"},
  });
}

TEST(CalcFunctions, Eval) {
  ExpectAll({
      {"eval(\"1+2\")", "3"},
      {"eval(\"[2*3]\")", "6"},
      {"eval(\"1+\")", ""},
      {"eval(\"\"\"ab\"\"\")", Quoted("ab")},
      {"eval(\"eval(\"\"2*2\"\")\")", "4"},
  });
  TCalcul Calc;
  Calc.SetVariablesText("a=5");
  EXPECT_EQ(Outcome(Calc, "eval(\"a:=7\")+a"), "12");  // what eval( assigns is lost
  EXPECT_EQ(Outcome(Calc, "a"), "5");
}

TEST(CalcFunctions, VariableFunctions) {
  EXPECT_EQ(Outcome("existvar(\"date\")"), "1");
  EXPECT_EQ(Outcome("existvar(\"DATE\")"), "1");
  EXPECT_EQ(Outcome("existvar(\"nothing\")"), "0");
  TCalcul Calc;
  EXPECT_EQ(Outcome(Calc, "x:=1"), "1");
  EXPECT_EQ(Outcome(Calc, "freevar(\"x\")"), "1");
  EXPECT_EQ(Outcome(Calc, "freevar(\"x\")"), "0");
  EXPECT_EQ(Outcome(Calc, "x"), Failure("Unknown variable:x"));
}

TEST(CalcFunctions, OneArgumentFunctionWithSeveral) {
  // Inside a several-argument call the extra argument lands on that call's
  // stack: copy("abc", sin(1), 2).
  ExpectAll({{"sin(1,2)", InvalidFormule}, {"copy(\"abc\",sin(1,2))", Quoted("ab")}});
}

}  // namespace
