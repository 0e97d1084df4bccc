#include "calc/core/CalcDates.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <initializer_list>

#include "calc/core/CalcFault.h"
#include "calc/core/CalcText.h"

namespace calc {

namespace {

constexpr long long MillisecondsPerDay = 86400000;
constexpr long long EpochOffset = 25569;     // days from 1899-12-30 to 1970-01-01
constexpr long long FirstStampDay = -693593;  // 0001-01-01
constexpr long long LastStampDay = 2958465;   // 9999-12-31
constexpr int LastYear = 9999;

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long long DaysFromCivil(long long Year, unsigned Month, unsigned Day) {
  Year -= Month <= 2;
  const long long Era = (Year >= 0 ? Year : Year - 399) / 400;
  const auto YearOfEra = static_cast<unsigned>(Year - Era * 400);
  const unsigned DayOfYear = (153 * (Month > 2 ? Month - 3 : Month + 9) + 2) / 5 + Day - 1;
  const unsigned DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
  return Era * 146097 + static_cast<long long>(DayOfEra) - 719468;
}

void CivilFromDays(long long Days, int& Year, int& Month, int& Day) {
  Days += 719468;
  const long long Era = (Days >= 0 ? Days : Days - 146096) / 146097;
  const auto DayOfEra = static_cast<unsigned>(Days - Era * 146097);
  const unsigned YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
  const unsigned DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
  const unsigned MonthIndex = (5 * DayOfYear + 2) / 153;
  Day = static_cast<int>(DayOfYear - (153 * MonthIndex + 2) / 5 + 1);
  Month = static_cast<int>(MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9);
  Year = static_cast<int>(static_cast<long long>(YearOfEra) + Era * 400 + (Month <= 2));
}

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int MonthLength(int Year, int Month) {
  static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return Month == 2 && IsLeapYear(Year) ? 29 : Lengths[Month - 1];
}

long double StampOf(long long Year, int Month, long long Day) {
  return static_cast<long double>(DaysFromCivil(Year, static_cast<unsigned>(Month), 1) + EpochOffset +
                                  Day - 1);
}

std::string_view DropEnclosingQuotes(std::string_view Text) {
  if (!Text.empty() && Text.front() == '"') Text.remove_prefix(1);
  if (!Text.empty() && Text.back() == '"') Text.remove_suffix(1);
  return Text;
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Every occurrence of From replaced by To, in one pass from left to right.
std::string ReplaceAll(const std::string& Text, std::string_view From, std::string_view To) {
  std::string Result;
  std::size_t Copied = 0;
  for (std::size_t Found = Text.find(From); Found != std::string::npos; Found = Text.find(From, Copied)) {
    Result.append(Text, Copied, Found - Copied);
    Result += To;
    Copied = Found + From.size();
  }
  Result.append(Text, Copied, std::string::npos);
  return Result;
}

// The position of C when it stands after the first character, else npos.
std::size_t FindAfterFirst(std::string_view Text, char C) {
  const std::size_t Found = Text.find(C);
  return Found != std::string_view::npos && Found > 0 ? Found : std::string_view::npos;
}

// The time of day of a stamp's magnitude in milliseconds, rounded to the
// nearest; a full day (86400000) means the time rounds up to the next day.
long long MillisecondsOfDay(long double Magnitude) {
  return std::llround((Magnitude - std::trunc(Magnitude)) * MillisecondsPerDay);
}

}  // namespace

TStampParts SplitStamp(long double Stamp) {
  CheckFinite(Stamp);
  if (Stamp > static_cast<long double>(LastStampDay + 1)) throw TCalcFault();
  TStampParts Parts;
  const long double Whole = std::trunc(Stamp);
  const long double Magnitude = std::fabs(Stamp);
  long long Milliseconds = 0;
  long long Days = 0;
  if (Magnitude < 1e15L) {
    Milliseconds = MillisecondsOfDay(Magnitude);
    Days = static_cast<long long>(Whole);
    if (Milliseconds >= MillisecondsPerDay) {
      Milliseconds -= MillisecondsPerDay;
      Days += Stamp < 0 ? -1 : 1;
    }
  } else {
    Days = FirstStampDay - 1;  // far before the first day; no time left in the fraction
  }
  if (Days > LastStampDay) throw TCalcFault();
  Parts.DayNumber = Days;
  Parts.Hour = static_cast<int>(Milliseconds / 3600000);
  Parts.Minute = static_cast<int>(Milliseconds / 60000 % 60);
  Parts.Second = static_cast<int>(Milliseconds / 1000 % 60);
  Parts.Millisecond = static_cast<int>(Milliseconds % 1000);
  if (Days >= FirstStampDay) CivilFromDays(Days - EpochOffset, Parts.Year, Parts.Month, Parts.Day);
  return Parts;
}

namespace {

// Value with leading zeros to at least Width digits (Value is not negative).
void AppendDigits(std::string& Text, long long Value, int Width) {
  char Digits[24];
  int Count = 0;
  do {
    Digits[Count++] = static_cast<char>('0' + Value % 10);
    Value /= 10;
  } while (Value > 0);
  for (int i = Count; i < Width; ++i) Text += '0';
  while (Count > 0) Text += Digits[--Count];
}

// Numbers with leading zeros, each followed by its separator (if any).
struct TTextField {
  long long Value;
  int Width;
  char Separator;
};

void AppendFields(std::string& Text, std::initializer_list<TTextField> Fields) {
  for (const TTextField& Field : Fields) {
    AppendDigits(Text, Field.Value, Field.Width);
    if (Field.Separator) Text += Field.Separator;
  }
}

void AppendDate(std::string& Text, const TStampParts& Parts) {
  AppendFields(Text, {{Parts.Year, 4, '/'}, {Parts.Month, 2, '/'}, {Parts.Day, 2, 0}});
}

void AppendTime(std::string& Text, const TStampParts& Parts) {
  AppendFields(Text, {{Parts.Hour, 2, ':'}, {Parts.Minute, 2, ':'}, {Parts.Second, 2, '.'},
                      {Parts.Millisecond, 3, 0}});
}

}  // namespace

std::string DateToText(long double Stamp) {
  std::string Text;
  AppendDate(Text, SplitStamp(Stamp));
  return Text;
}

std::string TimeToText(long double Stamp) {
  std::string Text;
  AppendTime(Text, SplitStamp(Stamp));
  return Text;
}

std::string DateTimeToText(long double Stamp) {
  const TStampParts Parts = SplitStamp(Stamp);
  std::string Text;
  AppendDate(Text, Parts);
  Text += ' ';
  AppendTime(Text, Parts);
  return Text;
}

long double ParseDate(std::string_view Input) {
  std::string Text(DropEnclosingQuotes(TrimBlanks(Input)));
  Text = ReplaceAll(ReplaceAll(Text, " /", "/"), "/ ", "/");
  std::string_view T = TrimBlanks(Text);
  if (T.empty() || !IsDigit(T.front())) return 0;
  const std::size_t Blank = FindAfterFirst(T, ' ');
  if (Blank != std::string_view::npos) T = T.substr(0, Blank);

  long long Year = 1;
  long long Month = 1;
  long long Day = 1;
  const std::size_t FirstSlash = FindAfterFirst(T, '/');
  if (FirstSlash != std::string_view::npos) {
    Year = LenientInteger(T.substr(0, FirstSlash));
    std::string_view Rest = T.substr(FirstSlash + 1);
    const std::size_t SecondSlash = FindAfterFirst(Rest, '/');
    if (SecondSlash != std::string_view::npos) {
      Month = StrictInteger(TrimBlanks(Rest.substr(0, SecondSlash)), 1);
      Rest = Rest.substr(SecondSlash + 1);
    }
    Day = LenientInteger(TrimBlanks(Rest));
  } else {
    Year = StrictInteger(TrimBlanks(T), 1);
  }

  // Months beyond 1..12 carry into the year: 14 is February of the next year,
  // 0 December and -1 November of the year before.
  if (Month >= 1) {
    Year += (Month - 1) / 12;
    Month = (Month - 1) % 12 + 1;
  } else {
    Year -= -Month / 12 + 1;
    Month = 12 - (-Month % 12);
  }
  if (Year < 1) Year = Month = Day = 1;
  if (Year > LastYear) throw TCalcFault();
  const long double Stamp = StampOf(Year, static_cast<int>(Month), Day);
  return Stamp < FirstStampDay ? static_cast<long double>(FirstStampDay) : Stamp;
}

namespace {

// A time text as a signed number of milliseconds; see ParseTime.
long long TimeMilliseconds(std::string_view Input) {
  std::string Text(TrimBlanks(DropEnclosingQuotes(TrimBlanks(Input))));
  Text = ReplaceAll(Text, "  ", " ");
  Text = ReplaceAll(ReplaceAll(Text, " /", "/"), "/ ", "/");
  Text = ReplaceAll(ReplaceAll(Text, " :", ":"), ": ", ":");
  Text = ReplaceAll(ReplaceAll(Text, " .", "."), ". ", ".");
  std::string_view T = Text;
  const std::size_t Blank = FindAfterFirst(T, ' ');
  if (Blank != std::string_view::npos) T = TrimBlanks(T.substr(Blank + 1, 255));
  if (T.empty() || (T.front() != '-' && !IsDigit(T.front()))) return 0;

  long long Hours = 0;
  long long Minutes = 0;
  long long Seconds = 0;
  long long Milliseconds = 0;
  const std::size_t FirstColon = FindAfterFirst(T, ':');
  if (FirstColon != std::string_view::npos) {
    Hours = LenientInteger(TrimBlanks(T.substr(0, FirstColon)));
    std::string_view Rest = T.substr(FirstColon + 1);
    const std::size_t SecondColon = FindAfterFirst(Rest, ':');
    if (SecondColon != std::string_view::npos) {
      Minutes = LenientInteger(Rest.substr(0, SecondColon));
      Rest = Rest.substr(SecondColon + 1);
      const std::size_t Point = Rest.find('.');
      if (Point != std::string_view::npos) {
        Seconds = LenientInteger(Rest.substr(0, Point));
        Milliseconds = LenientInteger(Rest.substr(Point + 1));
      } else {
        Seconds = StrictInteger(TrimBlanks(Rest), 0);
      }
    } else {
      Minutes = StrictInteger(TrimBlanks(Rest), 0);
    }
  } else {
    Hours = StrictInteger(TrimBlanks(T), 0);
  }
  return Hours * 3600000 + Minutes * 60000 + Seconds * 1000 + Milliseconds;
}

// The stamp of a moment given in milliseconds from 1899-12-30 00:00. Before
// that the whole days count down and the time of day counts away from zero:
// 6 hours before the epoch is 1899-12-29 18:00, the stamp -1.75.
long double StampOfMoment(long long Milliseconds) {
  if (Milliseconds >= 0) return static_cast<long double>(Milliseconds) / MillisecondsPerDay;
  const long long Days = -((-Milliseconds + MillisecondsPerDay - 1) / MillisecondsPerDay);  // rounded down
  const long long OfDay = Milliseconds - Days * MillisecondsPerDay;
  return static_cast<long double>(Days) - static_cast<long double>(OfDay) / MillisecondsPerDay;
}

}  // namespace

long double ParseTime(std::string_view Input) {
  return static_cast<long double>(TimeMilliseconds(Input)) / MillisecondsPerDay;
}

long double ParseDateTime(std::string_view Input) {
  const std::string_view Text = TrimBlanks(Input);
  const bool HasColon = Text.find(':') != std::string_view::npos;
  if (Text.find('/') == std::string_view::npos) return HasColon ? ParseTime(Text) : ParseDate(Text);
  const long double Date = ParseDate(Text);
  if (!HasColon) return Date;
  // The date is whole days; the time moves the moment by its signed length.
  const auto DateDays = static_cast<long long>(Date);
  return StampOfMoment(DateDays * MillisecondsPerDay + TimeMilliseconds(Text));
}

int DaysInMonth(long double Stamp) {
  const TStampParts Parts = SplitStamp(Stamp);
  if (Parts.Month == 0) return 0;
  return MonthLength(Parts.Year, Parts.Month);
}

int WeekDayOf(const TStampParts& Parts) {
  // 1899-12-30 (day 0) was a Saturday.
  const long long Offset = ((Parts.DayNumber % 7) + 7) % 7;
  return static_cast<int>((Offset + 5) % 7 + 1);
}

long double CurrentStamp() {
  const auto Now = std::chrono::system_clock::now();
  const std::time_t Seconds = std::chrono::system_clock::to_time_t(Now);
  const auto Milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(Now.time_since_epoch()).count() % 1000;
  std::tm Local{};
  localtime_r(&Seconds, &Local);
  const long long Days = DaysFromCivil(Local.tm_year + 1900LL, static_cast<unsigned>(Local.tm_mon + 1),
                                       static_cast<unsigned>(Local.tm_mday)) + EpochOffset;
  const long long TimeOfDay =
      Local.tm_hour * 3600000LL + Local.tm_min * 60000LL + Local.tm_sec * 1000LL + (Milliseconds + 1000) % 1000;
  return static_cast<long double>(Days) + static_cast<long double>(TimeOfDay) / MillisecondsPerDay;
}

}  // namespace calc
