// Date stamps and date texts of the formula evaluator.
//
// A stamp counts days from 1899-12-30 00:00 (Gregorian calendar extended
// backwards); its fraction is the time of day, counted away from zero for
// negative stamps (-1.25 is 1899-12-29 06:00). Texts: "2024/03/05",
// "13:45:30.000" and both joined by one blank.
#pragma once

#include <string>
#include <string_view>

namespace calc {

struct TStampParts {
  int Year = 0;  // 0 (with Month and Day 0) before 0001-01-01
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  long long DayNumber = 0;  // whole days of the stamp, after rounding the time
};

// Splits a stamp, the time taken to the nearest millisecond. Throws
// TCalcFault beyond 9999-12-31 and for infinity or NaN.
TStampParts SplitStamp(long double Stamp);

std::string DateToText(long double Stamp);
std::string TimeToText(long double Stamp);
std::string DateTimeToText(long double Stamp);

// Lenient readers of user-written texts; see the formula language's rules.
// ParseDate throws TCalcFault for a year above 9999.
long double ParseDate(std::string_view Text);
long double ParseTime(std::string_view Text);
long double ParseDateTime(std::string_view Text);

// Days of the stamp's month; 0 for stamps before 0001-01-01.
int DaysInMonth(long double Stamp);

// Monday 1 to Sunday 7.
int WeekDayOf(const TStampParts& Parts);

// The local clock as a stamp.
long double CurrentStamp();

}  // namespace calc
