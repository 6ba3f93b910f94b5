// TDateTime and the calendar: encoding and decoding dates and times, the clock, date arithmetic,
// and conversions to and from Unix times and file times.
//
// A TDateTime counts days since 1899-12-30; its fraction is the time of day. Before that epoch
// the integral part is still the day and the magnitude of the fraction is the time, so -1.25 is
// 1899-12-29 06:00 (not 1899-12-28 18:00). Dates run from year 1 to 9999 in the proleptic
// Gregorian calendar. Decoding rounds the whole value to a millisecond first and then splits it,
// so no value decodes to 24:00:00.000 or to the wrong day.
//
// Invalid arguments to the Encode functions raise EConvertError; the Try forms return false.
// Decoding a value outside years 1 to 9999 (or not a number) gives zeros in every field.
#pragma once

#include <cstdint>
#include <ctime>

namespace textcore {

using TDateTime = double;

inline constexpr int32_t HoursPerDay = 24;
inline constexpr int32_t MinsPerHour = 60;
inline constexpr int32_t SecsPerMin = 60;
inline constexpr int32_t MSecsPerSec = 1000;
inline constexpr int32_t SecsPerDay = 86400;
inline constexpr int32_t MSecsPerDay = 86400000;

// Days from 0001-01-01 (day 1) to 1899-12-30, and from 1899-12-30 to 1970-01-01.
inline constexpr int32_t DateDelta = 693594;
inline constexpr int32_t UnixDateDelta = 25569;

// 0100-01-01 00:00:00.000 and 9999-12-31 23:59:59.999.
inline constexpr TDateTime MinDateTime = -657434.0;
inline constexpr TDateTime MaxDateTime = 2958465.99999999;

// Days in each month, [IsLeapYear(year)][month - 1].
inline constexpr uint16_t MonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                              {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

bool IsLeapYear(uint16_t year);
// 0 for a month outside 1 to 12.
uint16_t DaysInAMonth(uint16_t year, uint16_t month);

// Dates -----------------------------------------------------------------------------------------
// Raise EConvertError "Invalid argument to date encode".
bool TryEncodeDate(uint16_t year, uint16_t month, uint16_t day, TDateTime &date);
TDateTime EncodeDate(uint16_t year, uint16_t month, uint16_t day);
void DecodeDate(TDateTime date, uint16_t &year, uint16_t &month, uint16_t &day);
// 1 = Sunday ... 7 = Saturday; 0 for a value that is not a date.
uint16_t DayOfWeek(TDateTime date);

// Times -----------------------------------------------------------------------------------------
// Raise EConvertError "Invalid argument to time encode".
bool TryEncodeTime(uint16_t hour, uint16_t min, uint16_t sec, uint16_t msec, TDateTime &time);
TDateTime EncodeTime(uint16_t hour, uint16_t min, uint16_t sec, uint16_t msec);
void DecodeTime(TDateTime time, uint16_t &hour, uint16_t &min, uint16_t &sec, uint16_t &msec);

// Both ------------------------------------------------------------------------------------------
bool TryEncodeDateTime(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t min,
                       uint16_t sec, uint16_t msec, TDateTime &value);
// Raises the date's or the time's EConvertError, whichever is invalid first.
TDateTime EncodeDateTime(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t min,
                         uint16_t sec, uint16_t msec);
void DecodeDateTime(TDateTime value, uint16_t &year, uint16_t &month, uint16_t &day, uint16_t &hour,
                    uint16_t &min, uint16_t &sec, uint16_t &msec);

// The local date and time, to the millisecond, from the clock hook when one is set.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// What Now (and so Date and Time) reads instead of the system clock, so that "today" can be held
// fixed; nullptr is the system clock. The hook is swapped atomically, so a caller on another
// thread reads one clock or the other. Returns the hook it replaces.
using TClockHook = TDateTime (*)();
TClockHook SetClockHook(TClockHook hook);

// Holds Now at one moment while it lives (for tests), then gives back the clock it replaced.
// Frozen clocks nest; only one moment is frozen at a time.
class TFrozenClock {
public:
  explicit TFrozenClock(TDateTime moment);
  ~TFrozenClock();
  TFrozenClock(const TFrozenClock &) = delete;
  TFrozenClock &operator=(const TFrozenClock &) = delete;

private:
  TClockHook fPreviousHook;
  TDateTime fPreviousMoment;
};

// Arithmetic ------------------------------------------------------------------------------------
// Moves by months (negative moves back), keeping the time; a day past the end of the new month
// becomes its last day (Jan 31 + 1 month = Feb 28 or 29). Raises the date's EConvertError when
// the result leaves years 1 to 9999.
TDateTime IncMonth(TDateTime value, int32_t months = 1);
// The date alone (midnight), and the time alone (day 0), each rounded to the millisecond.
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
// Whole days and whole seconds between two moments, never negative, counted on the time line
// (so they are right across the epoch, where the encoding folds).
int64_t DaysBetween(TDateTime now, TDateTime then);
int64_t SecondsBetween(TDateTime now, TDateTime then);

// Unix times and file times ---------------------------------------------------------------------
// Seconds since 1970-01-01 00:00 UTC, rounded down. With input_is_utc false the value is read as
// local time. Raises the date's EConvertError for a value outside years 1 to 9999.
int64_t DateTimeToUnix(TDateTime value, bool input_is_utc = true);
// With return_utc false the result is local time.
TDateTime UnixToDateTime(int64_t value, bool return_utc = true);

// A file time in the local time zone (as file dates were shown to the user), to the millisecond;
// nanoseconds below a millisecond are dropped. TimespecToDateTime raises the date's
// EConvertError when the time falls outside years 1 to 9999; the Try form returns false.
bool TryTimespecToDateTime(const timespec &time, TDateTime &value);
TDateTime TimespecToDateTime(const timespec &time);
// A local date and time as a file time. In the hour that a change to summer time skips, or
// the one it repeats, the C library's choice stands.
timespec DateTimeToTimespec(TDateTime value);
// The same in UTC, with no time zone involved.
bool TryTimespecToDateTimeUTC(const timespec &time, TDateTime &value);
TDateTime TimespecToDateTimeUTC(const timespec &time);
timespec DateTimeToTimespecUTC(TDateTime value);

} // namespace textcore
