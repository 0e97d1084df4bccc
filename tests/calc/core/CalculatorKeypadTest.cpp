// The calculator's keys: the formula they build, the display and the tape.
#include <gtest/gtest.h>

#include <string>

#include "calc/core/CalculatorKeypad.h"
#include "calc/core/uCalcul.h"

namespace {

class KeypadTest : public ::testing::Test {
 protected:
  // Presses keys written as on the keypad, separated by blanks:
  // digits, ".", "-/+", "+", "-", "*", "/", "Mod", "=", "C", "Del", "M+", "M-",
  // and the keyboard's "(" and ")".
  void Press(const std::string& Keys) {
    std::size_t Start = 0;
    while (Start < Keys.size()) {
      std::size_t End = Keys.find(' ', Start);
      if (End == std::string::npos) End = Keys.size();
      PressOne(Keys.substr(Start, End - Start));
      Start = End + 1;
    }
  }
  void PressOne(const std::string& Key) {
    if (Key.size() == 1 && Key[0] >= '0' && Key[0] <= '9') Keypad.Digit(Key[0]);
    else if (Key == ".") Keypad.Point();
    else if (Key == "-/+") Keypad.ChangeSign();
    else if (Key == "+" || Key == "-") Keypad.AddOperator(Key);
    else if (Key == "*" || Key == "/") Keypad.MultiplyOperator(Key);
    else if (Key == "Mod") Keypad.MultiplyOperator(" mod ");
    else if (Key == "=") Keypad.Equals();
    else if (Key == "C") Keypad.Clear();
    else if (Key == "Del") Keypad.DeleteLast();
    else if (Key == "M+") Keypad.MemoryPlus();
    else if (Key == "M-") Keypad.MemoryMinus();
    else if (Key == "(") Keypad.OpenGroup();
    else if (Key == ")") Keypad.CloseGroup();
    else FAIL() << "unknown key " << Key;
  }
  std::string LastTapeLine() const { return Keypad.Tape().back(); }

  TCalcul Calc;
  TCalculatorKeypad Keypad{Calc};
};

TEST_F(KeypadTest, StartsWithHeadingAndEmptyFormula) {
  EXPECT_EQ(Keypad.Display(), "0");
  EXPECT_EQ(Keypad.Tape(), (std::vector<std::string>{"Quillmoor Planner Calculator",
                                                     "_______________________________"}));
  EXPECT_EQ(std::string(TCalculatorKeypad::Underline).size(), 31u);
  EXPECT_EQ(Calc.Formula, "");
  EXPECT_TRUE(Keypad.FormulaStart());
}

struct TExample {
  const char* Keys;
  const char* TapeLine;
};

// Operators act in the order entered, as on a pocket calculator.
const TExample Examples[] = {
    {"2 + 3 * 4 =", "(2+3)*4=20"},
    {"2 * 3 + 4 =", "2*3+4=10"},
    {"7 Mod 3 =", "7 mod 3=1"},
    {"5 -/+ * 2 =", "(-5)*2=-10"},
    {"1 0 / 4 =", "10/4=2.5"},
    {"2 - 3 * 4 =", "(2-3)*4=-4"},
    {"8 / 0 =", "8/0="},
    {"7 Mod 0 =", "7 mod 0="},
    {"2 + =", "2+0=2"},
    {"1 + 2 + 3 - 4 =", "1+2+3-4=2"},
    {"2 * 3 * 4 / 6 =", "((2*3)*4)/6=4"},
    {"0 . 5 + 0 . 2 5 =", "0.5+0.25=0.75"},
    {"3 -/+ - 2 -/+ =", "(-3)-(-2)=-1"},
    // A number typed with a point but no digits after it is the number.
    {"5 . + 2 =", "5+2=7"},
    {"2 * 5 . -/+ =", "2*(-5)=-10"},
    {". * 3 =", "0*3=0"},
    // A display without digits (Del on -5) counts as 0, like an empty one.
    {"4 + 5 -/+ Del =", "4+0=4"},
    // Parentheses typed on the keyboard: a group is worked out on its own.
    {"( 2 + 3 ) * 4 =", "(2+3)*4=20"},
    {"2 * ( 3 + 4 ) =", "2*(3+4)=14"},
    {"2 ( 3 + 4 ) =", "2*(3+4)=14"},
    {"( 2 + 3 ) 4 =", "(2+3)*4=20"},
    {"1 + ( 2 + 3 ) * 4 =", "(1+(2+3))*4=24"},
    {"( ( 1 + 2 ) * 3 ) - 4 =", "((1+2)*3)-4=5"},
    {"2 * ( 3 + 4 =", "2*(3+4)=14"},
    {"( 5 -/+ ) =", "((-5))=-5"},
    {"2 + ( 3 ) Del 4 =", "2+4=6"},
    {") 2 ) + 1 =", "2+1=3"},
};

TEST_F(KeypadTest, ExamplesGiveTheirTapeLines) {
  for (const auto& Example : Examples) {
    Keypad.Clear();
    Press(Example.Keys);
    EXPECT_EQ(LastTapeLine(), Example.TapeLine) << Example.Keys;
    // The tape holds the heading, the underline, an empty line and the result.
    EXPECT_EQ(Keypad.Tape().size(), 4u) << Example.Keys;
    EXPECT_EQ(Keypad.Tape()[2], "") << Example.Keys;
    EXPECT_EQ(Keypad.Display(), "0") << Example.Keys;
    EXPECT_TRUE(Keypad.FormulaStart()) << Example.Keys;
  }
}

TEST_F(KeypadTest, FailedEvaluationLeavesEmptyResultAndStartsAfresh) {
  Press("7 Mod 0 =");
  EXPECT_EQ(Keypad.LastResult(), "");
  Press("4 + 4 =");
  EXPECT_EQ(LastTapeLine(), "4+4=8");
  EXPECT_EQ(Keypad.LastResult(), "8");
}

TEST_F(KeypadTest, OperatorsShowTheFormulaSoFar) {
  Press("2 +");
  EXPECT_EQ(LastTapeLine(), "2+");
  EXPECT_EQ(Keypad.Display(), "0");
  Press("3 *");
  EXPECT_EQ(LastTapeLine(), "(2+3)*");
  EXPECT_EQ(Keypad.Tape().size(), 4u);
  // Open groups show on the tape; a closed one until its operator follows.
  Press("( 1 + ( 2 -");
  EXPECT_EQ(LastTapeLine(), "(2+3)*(1+(2-");
  Press("5 )");
  EXPECT_EQ(LastTapeLine(), "(2+3)*(1+(2-5)");
  EXPECT_EQ(Keypad.Display(), "0");
}

TEST_F(KeypadTest, EqualsWithoutFormulaDoesNothing) {
  for (const char* Before : {"", "C", "2 + 3 ="}) {
    Keypad.Clear();
    Press(Before);
    const auto Tape = Keypad.Tape();
    Press("5 =");
    EXPECT_EQ(Keypad.Tape(), Tape) << Before;
    EXPECT_EQ(Keypad.Display(), "5") << Before;
  }
}

struct TDisplayCase {
  const char* Keys;
  const char* Display;
};

const TDisplayCase DisplayCases[] = {
    {"0 0 5", "5"},        {"0 . 5", "0.5"},   {"5 . . 2", "5.2"},   {"5 -/+ -/+", "5"},
    {"-/+", "0"},          {"-/+ 3", "-3"},    {"5 -/+", "-5"},      {"5 -/+ Del", "-"},
    {"1 2 Del Del", "0"},  {"1 2 Del", "1"},   {"0 0 . 0 5", "0.05"}, {". 5", "0.5"},
    {"5 -/+ 3", "-53"},    {"7 . 2 .", "7.2"},
};

TEST_F(KeypadTest, DisplayNormalization) {
  for (const auto& Case : DisplayCases) {
    Keypad.Clear();
    if (Keypad.Negative()) Keypad.ChangeSign();
    Press(Case.Keys);
    EXPECT_EQ(Keypad.Display(), Case.Display) << Case.Keys;
  }
}

TEST_F(KeypadTest, AfterEqualsOperatorsBuildOnTheDisplayNotTheResult) {
  Press("6 * 7 =");
  Press("*");
  EXPECT_EQ(Calc.Formula, "0*");
  Keypad.Clear();
  Press("6 * 7 = M+ M- + 1 =");
  EXPECT_EQ(LastTapeLine(), "42+1=43");
}

TEST_F(KeypadTest, MemoryRecallsTheLastResultUnnormalized) {
  Press("M-");
  EXPECT_EQ(Keypad.Display(), "");
  // An empty display counts as 0.
  Press("+ 2 =");
  EXPECT_EQ(LastTapeLine(), "0+2=2");
  Press("1 0 -/+ * 1 = M+");
  EXPECT_EQ(Keypad.Memory(), "-10");
  Press("M-");
  EXPECT_EQ(Keypad.Display(), "-10");
  Press("* 2 =");
  EXPECT_EQ(LastTapeLine(), "(-10)*2=-20");
}

TEST_F(KeypadTest, RecalledNegativeResultKeepsItsSign) {
  Press("1 0 -/+ * 1 = M+ C M-");
  EXPECT_EQ(Keypad.Display(), "-10");
  Press("5");
  EXPECT_EQ(Keypad.Display(), "-105");
  Press("-/+");
  EXPECT_EQ(Keypad.Display(), "105");
  Press("-/+");
  EXPECT_EQ(Keypad.Display(), "-105");
  // A positive one clears a sign pending from before.
  Press("C 2 + 3 = M+ -/+ M- -/+");
  EXPECT_EQ(Keypad.Display(), "-5");
}

TEST_F(KeypadTest, ClearEmptiesFormulaAndKeepsMemory) {
  Press("2 * 2 = M+ 9 + ( 1 + ( 3 )");
  Press("C");
  EXPECT_EQ(Calc.Formula, "");
  EXPECT_EQ(Keypad.Display(), "0");
  EXPECT_EQ(Keypad.Memory(), "4");
  EXPECT_EQ(Keypad.Tape(), (std::vector<std::string>{"Quillmoor Planner Calculator",
                                                     "_______________________________", ""}));
  Press("5 =");  // no group is left open
  EXPECT_EQ(Keypad.Tape().size(), 3u);
}

TEST_F(KeypadTest, IsNumberChar) {
  for (char c : std::string("-/0123456789*+")) EXPECT_TRUE(TCalculatorKeypad::IsNumberChar(c)) << c;
  for (char c : std::string(".,a =()")) EXPECT_FALSE(TCalculatorKeypad::IsNumberChar(c)) << c;
}

}  // namespace
