// Date stamps, date and time texts, their parsers and the date functions.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <vector>

#include "CalcTestSupport.h"
#include "calc/core/CalcDates.h"

namespace {

TEST(CalcDates, StampsOfDateTexts) {
  ExpectAll({
      {"strtostamp(\"2000/1/1\")", "36526"},
      {"strtostamp(\"1899/12/30\")", "0"},
      {"strtostamp(\"12:00\")", "0.5"},
      {"strtostamp(\"abc\")", "0"},
      {"strtostamp(\"2024/60\")", "45351"},
      {"strtostamp(\"2024/2/30\")", "45352"},  // 2024-03-01
      {"strtostamp(\"2024/2/0\")", "45322"},   // 2024-01-31
      {"strtostamp(\"-1:30\")", "-0.020833333333"},
      {"strtostamp(\"36:00\")", "1.5"},
      {"strtostamp(\"0:90\")", "0.0625"},
      {"strtostamp(\"1:30:15.500\")", "0.062679398148"},
      {"strtostamp(\"1899/12/29 06:00\")", "-1.25"},
      {"strtostamp(\" 2000 / 1 / 1 \")", "36526"},
      {"strtostamp(\"2000\")", "36526"},
      {"strtostamp(\"2000/0xC/1\")", "36861"},
      {"strtostamp(\"$7D0/1/1\")", "0"},
      {"strtostamp(\"2000/x/2\")", "36527"},
      {"strtostamp(\"99999\")", Failure("invalid formule")},
  });
}

TEST(CalcDates, MonthsCarryIntoTheYear) {
  ExpectAll({
      {"month(\"2024/14/1\")", "2"},
      {"year(\"2024/14/1\")", "2025"},
      {"month(\"2024/0/15\")", "12"},
      {"year(\"2024/0/15\")", "2023"},
      {"month(\"2024/-1/1\")", "11"},
      {"year(\"2024/-1/1\")", "2023"},
      {"month(\"2024/-12/1\")", "12"},
      {"year(\"2024/-12/1\")", "2022"},
      {"year(\"2024/25/1\")", "2026"},
      {"year(\"0/1/1\")", "1"},
      {"year(\"9999/13/1\")", Failure("invalid formule")},
      {"day(\"1/1/-5\")", "1"},  // raised to 0001-01-01
  });
}

TEST(CalcDates, PartsOfDateTexts) {
  ExpectAll({
      {"weekday(\"2024/01/01\")", "1"},
      {"weekday(\"2024/01/07\")", "7"},
      {"weekday(\"1899/12/30\")", "6"},
      {"weekday(\"1899/12/29\")", "5"},
      {"hour(\"2024/01/01 13:45:30\")", "13"},
      {"minute(\"2024/01/01 13:45:30\")", "45"},
      {"sec(\"2024/01/01 13:45:30\")", "30"},
      {"hour(\"13:45\")", "13"},
      {"day(\"\"\"2024/3/5\"\"\")", "5"},
      {"year(strtostamp(\"2024/1/1\"))", Failure("invalid formule")},
  });
}

TEST(CalcDates, TextsOfStamps) {
  ExpectAll({
      {"stamptostr(0.75)", Quoted("1899/12/30 18:00:00.000")},
      {"stamptodatestr(0)", Quoted("1899/12/30")},
      {"stamptotimestr(0.5)", Quoted("12:00:00.000")},
      {"stamptostr(-1.25)", Quoted("1899/12/29 06:00:00.000")},
      {"stamptostr(-0.5)", Quoted("1899/12/30 12:00:00.000")},
      {"stamptostr(0.9999999999)", Quoted("1899/12/31 00:00:00.000")},
      {"stamptostr(-1.9999999999)", Quoted("1899/12/28 00:00:00.000")},
      {"stamptodatestr(-693593)", Quoted("0001/01/01")},
      {"stamptodatestr(-693594)", Quoted("0000/00/00")},
      {"stamptodatestr(2958465)", Quoted("9999/12/31")},
      {"stamptodatestr(2958467)", Failure("invalid formule")},
      {"stamptodatestr(\"x\")", Failure("Error, convert to numeric value:x")},
  });
}

TEST(CalcDates, DaysInMonth) {
  ExpectAll({
      {"lastday(strtostamp(\"2024/2/10\"))", "29"},
      {"lastday(strtostamp(\"2023/2/10\"))", "28"},
      {"lastday(strtostamp(\"1900/2/10\"))", "28"},
      {"lastday(strtostamp(\"2000/2/10\"))", "29"},
      {"lastday(strtostamp(\"1/1/1\"))", "31"},  // January of year 1, the earliest date
      {"lastday(strtostamp(\"1/1/2\"))", "31"},
      {"lastday(strtostamp(\"1/2/1\"))", "28"},
      {"lastday(-693594)", "0"},  // before the earliest date: no month
      {"lastday(strtostamp(\"9999/12/31\"))", "31"},
      {"lastday(45351)", "29"},
      {"lastday(\"x\")", Failure("Error, convert to numeric value:x")},
  });
}

TEST(CalcDates, TimesMoveTheDateAcrossTheEpoch) {
  // A time after a date moves the moment by its signed length; before the
  // epoch the time of day of the stamp counts away from zero.
  ExpectAll({
      {"strtostamp(\"1899/12/29 06:00\")", "-1.25"},
      {"strtostamp(\"1899/12/29 -06:00\")", "-2.75"},
      {"strtostamp(\"1899/12/29 -24:00\")", "-2"},
      {"strtostamp(\"1899/12/29 -1:59:59.999\")", "-2.999999988426"},
      {"strtostamp(\"1899/12/29 30:00\")", "0.25"},
      {"strtostamp(\"1899/12/28 30:00\")", "-1.25"},
      {"strtostamp(\"1899/12/30 -06:00\")", "-1.75"},
      {"strtostamp(\"1899/12/31 -30:00\")", "-1.75"},
      {"strtostamp(\"1900/1/1 -06:00\")", "1.75"},
      {"stamptostr(strtostamp(\"1899/12/29 -06:00\"))", Quoted("1899/12/28 18:00:00.000")},
      {"stamptostr(strtostamp(\"1899/12/29 -24:00\"))", Quoted("1899/12/28 00:00:00.000")},
      {"stamptostr(strtostamp(\"1899/12/30 -06:00\"))", Quoted("1899/12/29 18:00:00.000")},
      {"stamptostr(strtostamp(\"1899/12/29 30:00\"))", Quoted("1899/12/30 06:00:00.000")},
      {"stamptostr(strtostamp(\"1800/3/1 -1:30\"))", Quoted("1800/02/28 23:30:00.000")},
      {"hour(\"1899/12/29 -06:00\")", "18"},
      {"day(\"1899/12/29 -06:00\")", "28"},
      {"hour(\"2024/1/1 -1:00\")", "23"},
      {"day(\"2024/1/1 -1:00\")", "31"},
      {"stamptostr(strtostamp(\"1899/12/29 -48:00:00.5\"))", Quoted("1899/12/27 00:00:00.005")},
  });
}

TEST(CalcDates, ParsersIgnoreWhatTheyCannotRead) {
  EXPECT_EQ(calc::ParseDate(""), 0);
  EXPECT_EQ(calc::ParseDate("x2000"), 0);
  EXPECT_EQ(calc::ParseDate("2000 12:00"), 36526);
  EXPECT_EQ(calc::ParseTime("x"), 0);
  EXPECT_EQ(calc::ParseTime("12 : 00"), 0.5);
  EXPECT_EQ(calc::ParseTime("2024/1/1  12:00"), 0.5);
  EXPECT_EQ(calc::ParseTime("\"6:00\""), 0.25);
  EXPECT_EQ(calc::ParseTime("6x"), 0);  // strict hours
  EXPECT_EQ(calc::ParseTime("6x:30"), 0.25 + 30.0L / 1440);
}

TEST(CalcDates, DateVariablesFollowTheClock) {
  const std::time_t Now = std::time(nullptr);
  std::tm Local{};
  localtime_r(&Now, &Local);
  char Today[16];
  std::strftime(Today, sizeof(Today), "%Y/%m/%d", &Local);
  TCalcul Calc;
  const std::string Date = Outcome(Calc, "date");
  const std::string Year = Outcome(Calc, "year(date)");
  if (Date != Quoted(Today)) GTEST_SKIP() << "the day changed during the test";
  EXPECT_EQ(Year, std::to_string(Local.tm_year + 1900));
  const std::string Time = Outcome(Calc, "time");
  ASSERT_EQ(Time.size(), 14u);
  EXPECT_EQ(Time[3], ':');
  EXPECT_EQ(Time[9], '.');
  const std::string DateTime = Outcome(Calc, "now");
  EXPECT_EQ(DateTime.substr(0, 11), "\"" + std::string(Today));
  EXPECT_EQ(DateTime.size(), 25u);
}

}  // namespace
