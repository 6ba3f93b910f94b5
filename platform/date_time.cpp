// The calendar behind TDateTime: days and milliseconds in, fields out, and the clock.
//
// Everything is done on whole numbers: a TDateTime is first rounded to a count of milliseconds
// and split into a calendar day and the milliseconds into it, and only that pair is ever turned
// into fields. Building a TDateTime is the reverse, in one place (JoinMoment).
#include "platform/date_time.h"

#include "platform/exceptions.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>

namespace textcore {
namespace {

constexpr int64_t kFirstDay = -693593; // 0001-01-01
constexpr int64_t kLastDay = 2958465;  // 9999-12-31
constexpr int64_t kDaysPer400Years = 146097;
constexpr int64_t kDaysPer100Years = 36524;
constexpr int64_t kDaysPer4Years = 1461;

// A moment as its calendar day (the TDateTime's integral part, 0 = 1899-12-30) and the
// milliseconds into that day.
struct Moment {
  int64_t day = 0;
  int32_t msec = 0;
};

// Far beyond any date, yet small enough that the count of milliseconds fits an int64 exactly.
constexpr double kSplitLimit = 1e8;

bool SplitMoment(TDateTime value, Moment &moment) {
  if (!(std::fabs(value) < kSplitLimit)) // NaN fails here too
    return false;
  const auto total = static_cast<int64_t>(std::nearbyint(value * MSecsPerDay));
  moment.day = total / MSecsPerDay; // toward zero: the integral part is the day on both sides
  moment.msec = static_cast<int32_t>(std::llabs(total) % MSecsPerDay);
  return true;
}

bool SplitDate(TDateTime value, Moment &moment) {
  return SplitMoment(value, moment) && moment.day >= kFirstDay && moment.day <= kLastDay;
}

TDateTime JoinMoment(int64_t day, int32_t msec) {
  const double time = static_cast<double>(msec) / MSecsPerDay;
  return day >= 0 ? static_cast<double>(day) + time : static_cast<double>(day) - time;
}

// Milliseconds on a line that does not fold at the epoch.
int64_t LinearMSecs(TDateTime value) {
  Moment moment;
  if (!SplitMoment(value, moment))
    return 0;
  return (moment.day + DateDelta) * MSecsPerDay + moment.msec;
}

// a / b and a mod b rounded toward the past, for b > 0; no product that could overflow.
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b < 0); }
int64_t FloorMod(int64_t a, int64_t b) { return a % b + (a % b < 0 ? b : 0); }

int64_t DayFromCivil(int32_t year, int32_t month, int32_t day) {
  const int64_t before = year - 1;
  int64_t days = before * 365 + before / 4 - before / 100 + before / 400;
  for (int32_t m = 1; m < month; ++m)
    days += MonthDays[IsLeapYear(static_cast<uint16_t>(year))][m - 1];
  return days + day - DateDelta;
}

struct Civil {
  uint16_t year = 0, month = 0, day = 0;
};

// Whole 400-, 100-, 4- and 1-year runs; the last run of each length is one day longer, so a
// count of 4 (or 4 years) means the final leap day of the run before.
Civil CivilFromDay(int64_t day) {
  int64_t rest = day + DateDelta - 1; // days since 0001-01-01
  int64_t year = 1 + rest / kDaysPer400Years * 400;
  rest %= kDaysPer400Years;
  int64_t centuries = std::min<int64_t>(rest / kDaysPer100Years, 3);
  rest -= centuries * kDaysPer100Years;
  year += centuries * 100 + rest / kDaysPer4Years * 4;
  rest %= kDaysPer4Years;
  int64_t years = std::min<int64_t>(rest / 365, 3);
  rest -= years * 365;
  year += years;
  Civil civil;
  civil.year = static_cast<uint16_t>(year);
  const uint16_t *lengths = MonthDays[IsLeapYear(civil.year)];
  int32_t month = 0;
  while (rest >= lengths[month])
    rest -= lengths[month++];
  civil.month = static_cast<uint16_t>(month + 1);
  civil.day = static_cast<uint16_t>(rest + 1);
  return civil;
}

bool ValidDate(uint16_t year, uint16_t month, uint16_t day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInAMonth(year, month);
}

bool ValidTime(uint16_t hour, uint16_t min, uint16_t sec, uint16_t msec) {
  return hour < HoursPerDay && min < MinsPerHour && sec < SecsPerMin && msec < MSecsPerSec;
}

int32_t MSecsOfDay(uint16_t hour, uint16_t min, uint16_t sec, uint16_t msec) {
  return ((hour * MinsPerHour + min) * SecsPerMin + sec) * MSecsPerSec + msec;
}

[[noreturn]] void RaiseDateEncode() {
  throw EConvertError(String(u"Invalid argument to date encode"));
}

[[noreturn]] void RaiseTimeEncode() {
  throw EConvertError(String(u"Invalid argument to time encode"));
}

Moment SplitDateOrRaise(TDateTime value) {
  Moment moment;
  if (!SplitDate(value, moment))
    RaiseDateEncode();
  return moment;
}

bool InRange(int64_t day) { return day >= kFirstDay && day <= kLastDay; }

} // namespace

bool IsLeapYear(uint16_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

uint16_t DaysInAMonth(uint16_t year, uint16_t month) {
  if (month < 1 || month > 12)
    return 0;
  return MonthDays[IsLeapYear(year)][month - 1];
}

bool TryEncodeDate(uint16_t year, uint16_t month, uint16_t day, TDateTime &date) {
  if (!ValidDate(year, month, day))
    return false;
  date = static_cast<double>(DayFromCivil(year, month, day));
  return true;
}

TDateTime EncodeDate(uint16_t year, uint16_t month, uint16_t day) {
  TDateTime date;
  if (!TryEncodeDate(year, month, day, date))
    RaiseDateEncode();
  return date;
}

void DecodeDate(TDateTime date, uint16_t &year, uint16_t &month, uint16_t &day) {
  Moment moment;
  Civil civil;
  if (SplitDate(date, moment))
    civil = CivilFromDay(moment.day);
  year = civil.year;
  month = civil.month;
  day = civil.day;
}

uint16_t DayOfWeek(TDateTime date) {
  Moment moment;
  if (!SplitDate(date, moment))
    return 0;
  // 0001-01-01 was a Monday.
  return static_cast<uint16_t>((moment.day + DateDelta) % 7 + 1);
}

bool TryEncodeTime(uint16_t hour, uint16_t min, uint16_t sec, uint16_t msec, TDateTime &time) {
  if (!ValidTime(hour, min, sec, msec))
    return false;
  time = JoinMoment(0, MSecsOfDay(hour, min, sec, msec));
  return true;
}

TDateTime EncodeTime(uint16_t hour, uint16_t min, uint16_t sec, uint16_t msec) {
  TDateTime time;
  if (!TryEncodeTime(hour, min, sec, msec, time))
    RaiseTimeEncode();
  return time;
}

void DecodeTime(TDateTime time, uint16_t &hour, uint16_t &min, uint16_t &sec, uint16_t &msec) {
  Moment moment;
  SplitMoment(time, moment);
  int32_t rest = moment.msec;
  msec = static_cast<uint16_t>(rest % MSecsPerSec);
  rest /= MSecsPerSec;
  sec = static_cast<uint16_t>(rest % SecsPerMin);
  rest /= SecsPerMin;
  min = static_cast<uint16_t>(rest % MinsPerHour);
  hour = static_cast<uint16_t>(rest / MinsPerHour);
}

bool TryEncodeDateTime(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t min,
                       uint16_t sec, uint16_t msec, TDateTime &value) {
  if (!ValidDate(year, month, day) || !ValidTime(hour, min, sec, msec))
    return false;
  value = JoinMoment(DayFromCivil(year, month, day), MSecsOfDay(hour, min, sec, msec));
  return true;
}

TDateTime EncodeDateTime(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t min,
                         uint16_t sec, uint16_t msec) {
  if (!ValidDate(year, month, day))
    RaiseDateEncode();
  if (!ValidTime(hour, min, sec, msec))
    RaiseTimeEncode();
  return JoinMoment(DayFromCivil(year, month, day), MSecsOfDay(hour, min, sec, msec));
}

void DecodeDateTime(TDateTime value, uint16_t &year, uint16_t &month, uint16_t &day, uint16_t &hour,
                    uint16_t &min, uint16_t &sec, uint16_t &msec) {
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, min, sec, msec);
}

namespace {

std::atomic<TClockHook> clock_hook{nullptr};
std::atomic<TDateTime> frozen_moment{0.0};

TDateTime FrozenMoment() { return frozen_moment.load(std::memory_order_acquire); }

} // namespace

TClockHook SetClockHook(TClockHook hook) {
  return clock_hook.exchange(hook, std::memory_order_acq_rel);
}

TFrozenClock::TFrozenClock(TDateTime moment)
    : fPreviousHook(nullptr), fPreviousMoment(frozen_moment.exchange(moment)) {
  fPreviousHook = SetClockHook(FrozenMoment);
}

TFrozenClock::~TFrozenClock() {
  frozen_moment.store(fPreviousMoment, std::memory_order_release);
  SetClockHook(fPreviousHook);
}

TDateTime Now() {
  if (const TClockHook hook = clock_hook.load(std::memory_order_acquire))
    return hook();
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  TDateTime value = 0;
  TryTimespecToDateTime(now, value);
  return value;
}

TDateTime Date() { return DateOf(Now()); }

TDateTime Time() { return TimeOf(Now()); }

TDateTime IncMonth(TDateTime value, int32_t months) {
  const Moment moment = SplitDateOrRaise(value);
  const Civil civil = CivilFromDay(moment.day);
  const int64_t index = int64_t{civil.year} * 12 + (civil.month - 1) + months;
  const int64_t year = FloorDiv(index, 12);
  const int64_t month_index = FloorMod(index, 12);
  if (year < 1 || year > 9999)
    RaiseDateEncode();
  const auto new_year = static_cast<uint16_t>(year);
  const auto new_month = static_cast<uint16_t>(month_index + 1);
  const uint16_t new_day = std::min(civil.day, DaysInAMonth(new_year, new_month));
  return JoinMoment(DayFromCivil(new_year, new_month, new_day), moment.msec);
}

TDateTime DateOf(TDateTime value) {
  Moment moment;
  SplitMoment(value, moment);
  return JoinMoment(moment.day, 0);
}

TDateTime TimeOf(TDateTime value) {
  Moment moment;
  SplitMoment(value, moment);
  return JoinMoment(0, moment.msec);
}

int64_t DaysBetween(TDateTime now, TDateTime then) {
  return std::llabs(LinearMSecs(now) - LinearMSecs(then)) / MSecsPerDay;
}

int64_t SecondsBetween(TDateTime now, TDateTime then) {
  return std::llabs(LinearMSecs(now) - LinearMSecs(then)) / MSecsPerSec;
}

int64_t DateTimeToUnix(TDateTime value, bool input_is_utc) {
  if (!input_is_utc)
    return DateTimeToTimespec(value).tv_sec;
  return DateTimeToTimespecUTC(value).tv_sec;
}

TDateTime UnixToDateTime(int64_t value, bool return_utc) {
  if (!return_utc)
    return TimespecToDateTime(timespec{static_cast<time_t>(value), 0});
  const int64_t day = FloorDiv(value, SecsPerDay);
  const auto sec = static_cast<int32_t>(FloorMod(value, SecsPerDay));
  return JoinMoment(day + UnixDateDelta, sec * MSecsPerSec);
}

bool TryTimespecToDateTime(const timespec &time, TDateTime &value) {
  tm local{};
  if (time.tv_nsec < 0 || time.tv_nsec >= 1000000000 || !localtime_r(&time.tv_sec, &local))
    return false;
  const int64_t year = int64_t{local.tm_year} + 1900;
  if (year < 1 || year > 9999)
    return false;
  const auto msec = static_cast<uint16_t>(time.tv_nsec / 1000000);
  // A leap second (tm_sec 60) stays in its minute rather than spilling into the next.
  const auto sec = static_cast<uint16_t>(std::min(local.tm_sec, 59));
  value = JoinMoment(DayFromCivil(static_cast<int32_t>(year), local.tm_mon + 1, local.tm_mday),
                     MSecsOfDay(static_cast<uint16_t>(local.tm_hour),
                                static_cast<uint16_t>(local.tm_min), sec, msec));
  return true;
}

TDateTime TimespecToDateTime(const timespec &time) {
  TDateTime value;
  if (!TryTimespecToDateTime(time, value))
    RaiseDateEncode();
  return value;
}

timespec DateTimeToTimespec(TDateTime value) {
  const Moment moment = SplitDateOrRaise(value);
  const Civil civil = CivilFromDay(moment.day);
  const int32_t sec_of_day = moment.msec / MSecsPerSec;
  tm local{};
  local.tm_year = civil.year - 1900;
  local.tm_mon = civil.month - 1;
  local.tm_mday = civil.day;
  local.tm_hour = sec_of_day / 3600;
  local.tm_min = sec_of_day / 60 % 60;
  local.tm_sec = sec_of_day % 60;
  local.tm_isdst = -1; // let the zone's rules decide
  local.tm_wday = -1;  // mktime can return -1 for a real time; this tells failure apart
  const time_t seconds = mktime(&local);
  if (local.tm_wday < 0)
    RaiseDateEncode();
  return timespec{seconds, static_cast<long>(moment.msec % MSecsPerSec) * 1000000};
}

bool TryTimespecToDateTimeUTC(const timespec &time, TDateTime &value) {
  if (time.tv_nsec < 0 || time.tv_nsec >= 1000000000)
    return false;
  const int64_t seconds = time.tv_sec;
  const int64_t day = FloorDiv(seconds, SecsPerDay);
  if (!InRange(day + UnixDateDelta))
    return false;
  const auto msec =
      static_cast<int32_t>(FloorMod(seconds, SecsPerDay) * MSecsPerSec + time.tv_nsec / 1000000);
  value = JoinMoment(day + UnixDateDelta, msec);
  return true;
}

TDateTime TimespecToDateTimeUTC(const timespec &time) {
  TDateTime value;
  if (!TryTimespecToDateTimeUTC(time, value))
    RaiseDateEncode();
  return value;
}

timespec DateTimeToTimespecUTC(TDateTime value) {
  const Moment moment = SplitDateOrRaise(value);
  const int64_t seconds = (moment.day - UnixDateDelta) * SecsPerDay + moment.msec / MSecsPerSec;
  return timespec{static_cast<time_t>(seconds),
                  static_cast<long>(moment.msec % MSecsPerSec) * 1000000};
}

} // namespace textcore
