// Number text: what TextToNumber accepts and NumberToText writes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gear/core/NumberText.h"

namespace {

struct TReadCase {
  const char* Text;
  char Separator;
  long double Expected;
};

class TextToNumberReads : public ::testing::TestWithParam<TReadCase> {};

TEST_P(TextToNumberReads, Value) {
  const TReadCase& Case = GetParam();
  EXPECT_EQ(TextToNumber(Case.Text, Case.Separator), Case.Expected) << Case.Text;
  EXPECT_TRUE(IsNumberText(Case.Text, Case.Separator));
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, TextToNumberReads,
    ::testing::Values(TReadCase{"2.5", '.', 2.5L}, TReadCase{" 2.5 ", '.', 2.5L}, TReadCase{"   -7  ", '.', -7.0L},
                      TReadCase{"+3", '.', 3.0L}, TReadCase{"0", '.', 0.0L}, TReadCase{".5", '.', 0.5L},
                      TReadCase{"5.", '.', 5.0L}, TReadCase{".", '.', 0.0L}, TReadCase{"-.25", '.', -0.25L},
                      TReadCase{"1E3", '.', 1000.0L}, TReadCase{"1e-3", '.', 0.001L},
                      TReadCase{"2.5E+2", '.', 250.0L}, TReadCase{"2,5", ',', 2.5L},
                      TReadCase{"007", '.', 7.0L}, TReadCase{"1e-5000", '.', 0.0L},
                      // A 64-bit mantissa: 0.1 is read to long double precision.
                      TReadCase{"0.1", '.', 0.1L}));

class TextToNumberRefuses : public ::testing::TestWithParam<std::pair<const char*, char>> {};

TEST_P(TextToNumberRefuses, WithTheTextInTheMessage) {
  const auto& [Text, Separator] = GetParam();
  EXPECT_FALSE(IsNumberText(Text, Separator));
  try {
    TextToNumber(Text, Separator);
    FAIL() << "accepted '" << Text << "'";
  } catch (const TNumberTextError& Error) {
    EXPECT_EQ(std::string(Error.what()), "'" + std::string(Text) + "' is not a valid floating point value");
    EXPECT_EQ(Error.Text(), Text);
  }
}

INSTANTIATE_TEST_SUITE_P(Refused, TextToNumberRefuses,
                         ::testing::Values(std::make_pair("", '.'), std::make_pair("-", '.'),
                                           std::make_pair("+", '.'), std::make_pair("   ", '.'),
                                           std::make_pair("abc", '.'), std::make_pair("1,000", '.'),
                                           std::make_pair("2.5", ','), std::make_pair("1.2.3", '.'),
                                           std::make_pair("1e", '.'), std::make_pair("e5", '.'),
                                           std::make_pair("1 2", '.'), std::make_pair("--1", '.'),
                                           std::make_pair("0x10", '.'), std::make_pair("inf", '.'),
                                           std::make_pair("nan", '.'), std::make_pair("1E5000", '.'),
                                           std::make_pair("\t1", '.'), std::make_pair("12kg", '.'),
                                           // Beyond the range of a double: every figure ends up in one.
                                           std::make_pair("1e400", '.'), std::make_pair("-2E309", '.'),
                                           std::make_pair("1.8e308", '.')));

TEST(TextToNumber, ReadsTheWholeRangeOfADouble) {
  EXPECT_EQ(static_cast<double>(TextToNumber("1.7976931348623157e308")), 1.7976931348623157e308);
  EXPECT_EQ(static_cast<double>(TextToNumber("-1e308")), -1e308);
  EXPECT_TRUE(IsNumberText("4.9e-324"));
}

TEST(TextToNumber, ErrorIsAStandardException) {
  try {
    TextToNumber("x");
    FAIL();
  } catch (const std::exception& Error) {
    EXPECT_STREQ(Error.what(), "'x' is not a valid floating point value");
  }
}

struct TWriteCase {
  long double Value;
  char Separator;
  const char* Expected;
};

class NumberToTextWrites : public ::testing::TestWithParam<TWriteCase> {};

TEST_P(NumberToTextWrites, Text) {
  const TWriteCase& Case = GetParam();
  EXPECT_EQ(NumberToText(Case.Value, Case.Separator), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    FixedAndScientific, NumberToTextWrites,
    ::testing::Values(TWriteCase{0.0L, '.', "0"}, TWriteCase{-0.0L, '.', "0"}, TWriteCase{1.0L, '.', "1"},
                      TWriteCase{-2.5L, '.', "-2.5"}, TWriteCase{100.0L, '.', "100"},
                      TWriteCase{0.75L, '.', "0.75"}, TWriteCase{1e-4L, '.', "0.0001"},
                      TWriteCase{1e-5L, '.', "1E-5"}, TWriteCase{1.5e-7L, '.', "1.5E-7"},
                      TWriteCase{1e15L, '.', "1E15"}, TWriteCase{999999999999999.0L, '.', "999999999999999"},
                      TWriteCase{1.5e20L, '.', "1.5E20"}, TWriteCase{-1.5e20L, '.', "-1.5E20"},
                      TWriteCase{123456789012345678.0L, '.', "1.23456789012346E17"},
                      TWriteCase{1.0L / 3.0L, '.', "0.333333333333333"},
                      TWriteCase{2.0L / 3.0L, '.', "0.666666666666667"},
                      TWriteCase{0.1L + 0.2L, '.', "0.3"}, TWriteCase{12345.678L, '.', "12345.678"},
                      // Rounding to 15 digits may carry into the scientific form.
                      TWriteCase{999999999999999.9L, '.', "1E15"}, TWriteCase{0.000099999999999999999L, '.', "0.0001"},
                      TWriteCase{2.5L, ',', "2,5"}, TWriteCase{1.5e-7L, ',', "1,5E-7"},
                      TWriteCase{std::numeric_limits<long double>::infinity(), '.', "INF"}));

TEST(NumberText, WrittenTextReadsBackToFifteenDigits) {
  for (long double Value : {1.0L / 7.0L, 2.20462L, -35.274L, 6.02214076e23L, 1.602e-19L}) {
    const long double Read = TextToNumber(NumberToText(Value));
    EXPECT_NEAR(static_cast<double>(Read / Value), 1.0, 1e-14) << NumberToText(Value);
  }
}

}  // namespace
