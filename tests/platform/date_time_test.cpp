#include "platform/date_time.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

namespace textcore {
namespace {

struct Fields {
  uint16_t year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0;
  bool operator==(const Fields &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Fields &f) {
  return out << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.min << ':'
             << f.sec << '.' << f.msec;
}

Fields Decoded(TDateTime value) {
  Fields f{};
  DecodeDateTime(value, f.year, f.month, f.day, f.hour, f.min, f.sec, f.msec);
  return f;
}

TDateTime Encoded(const Fields &f) {
  return EncodeDateTime(f.year, f.month, f.day, f.hour, f.min, f.sec, f.msec);
}

std::string MessageOf(const Exception &e) { return e.what(); }

// Sets TZ for one test and puts the old value back.
class TimeZone {
public:
  explicit TimeZone(const char *zone) {
    if (const char *old = std::getenv("TZ"))
      fOld = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (fOld)
      setenv("TZ", fOld->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

private:
  std::optional<std::string> fOld;
};

TEST(DateTime, EveryDayOfSampleYearsRoundTripsAndFollowsTheDayBefore) {
  const uint16_t years[] = {1, 4, 100, 400, 1899, 1900, 1999, 2000, 2023, 2024, 2100, 9999};
  for (uint16_t year : years) {
    SCOPED_TRACE(year);
    const TDateTime first = EncodeDate(year, 1, 1);
    int32_t day_of_year = 0;
    for (uint16_t month = 1; month <= 12; ++month)
      for (uint16_t day = 1; day <= DaysInAMonth(year, month); ++day, ++day_of_year) {
        const TDateTime date = EncodeDate(year, month, day);
        ASSERT_EQ(date, first + day_of_year) << month << "/" << day;
        ASSERT_EQ(Decoded(date), (Fields{year, month, day, 0, 0, 0, 0}));
      }
    EXPECT_EQ(day_of_year, IsLeapYear(year) ? 366 : 365);
  }
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInAMonth(1900, 2), 28);
  EXPECT_EQ(DaysInAMonth(2000, 2), 29);
  EXPECT_EQ(DaysInAMonth(2000, 13), 0);
}

TEST(DateTime, KnownDatesHaveTheFrameworksSerialNumbers) {
  struct Case {
    uint16_t year, month, day;
    double serial;
    uint16_t day_of_week; // 1 = Sunday
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 7},        {1899, 12, 31, 1, 1},       {1900, 1, 1, 2, 2},
      {1899, 12, 29, -1, 6},       {1900, 3, 1, 61, 5},        {1970, 1, 1, UnixDateDelta, 5},
      {2000, 1, 1, 36526, 7},      {2024, 2, 29, 45351, 5},    {1, 1, 1, 1 - DateDelta, 2},
      {100, 1, 1, MinDateTime, 6}, {9999, 12, 31, 2958465, 6},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
    EXPECT_EQ(Decoded(c.serial), (Fields{c.year, c.month, c.day, 0, 0, 0, 0}));
    EXPECT_EQ(DayOfWeek(c.serial), c.day_of_week);
  }
}

TEST(DateTime, BeforeTheEpochTheFractionIsTheTimeOfTheIntegralDay) {
  struct Case {
    double value;
    Fields fields;
  };
  const Case cases[] = {
      {-1.25, {1899, 12, 29, 6, 0, 0, 0}},
      {-1.75, {1899, 12, 29, 18, 0, 0, 0}},
      {-0.5, {1899, 12, 30, 12, 0, 0, 0}},
      {0.5, {1899, 12, 30, 12, 0, 0, 0}},
      {-693593.5, {1, 1, 1, 12, 0, 0, 0}},
      {2958465.5, {9999, 12, 31, 12, 0, 0, 0}},
      {MaxDateTime, {9999, 12, 31, 23, 59, 59, 999}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Decoded(c.value), c.fields);
  }
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
  EXPECT_EQ(DayOfWeek(-1.25), 6);
}

TEST(DateTime, EveryMillisecondNearDayBoundariesDecodesToItsOwnDay) {
  const Fields days[] = {{1, 1, 1}, {1899, 12, 29}, {1899, 12, 30}, {2024, 2, 29}, {9999, 12, 31}};
  for (const Fields &day : days) {
    SCOPED_TRACE(testing::Message() << day);
    for (int32_t ms = 0; ms < MSecsPerDay; ms += ms < 2000 || ms >= MSecsPerDay - 2000 ? 1 : 997) {
      const Fields f{day.year,
                     day.month,
                     day.day,
                     static_cast<uint16_t>(ms / 3600000),
                     static_cast<uint16_t>(ms / 60000 % 60),
                     static_cast<uint16_t>(ms / 1000 % 60),
                     static_cast<uint16_t>(ms % 1000)};
      ASSERT_EQ(Decoded(Encoded(f)), f);
    }
  }
  // Less than half a millisecond before midnight is midnight of the next day, never 24:00.
  EXPECT_EQ(Decoded(45000.99999999999), (Fields{2023, 3, 16, 0, 0, 0, 0}));
  EXPECT_EQ(Decoded(45000 + 86399999.4 / MSecsPerDay), (Fields{2023, 3, 15, 23, 59, 59, 999}));
  EXPECT_EQ(Decoded(-1.99999999999), (Fields{1899, 12, 28, 0, 0, 0, 0}));
}

TEST(DateTime, ValuesThatAreNoDateDecodeToZeros) {
  for (double value : {-693594.0, 2958466.0, 1e300, -1e300, std::nan("")}) {
    SCOPED_TRACE(value);
    Fields f = Decoded(value);
    EXPECT_EQ(f.year, 0);
    EXPECT_EQ(f.month, 0);
    EXPECT_EQ(DayOfWeek(value), 0);
  }
}

TEST(DateTime, InvalidDatesAndTimesAreRefused) {
  const Fields dates[] = {{1900, 2, 29}, {2023, 2, 29}, {2024, 13, 1}, {2024, 0, 1},
                          {2024, 1, 0},  {2024, 4, 31}, {0, 1, 1},     {10000, 1, 1}};
  for (const Fields &f : dates) {
    SCOPED_TRACE(testing::Message() << f);
    TDateTime value = 7;
    EXPECT_FALSE(TryEncodeDate(f.year, f.month, f.day, value));
    EXPECT_EQ(value, 7);
    try {
      EncodeDate(f.year, f.month, f.day);
      ADD_FAILURE() << "no error";
    } catch (const EConvertError &e) {
      EXPECT_EQ(MessageOf(e), "Invalid argument to date encode");
    }
    EXPECT_THROW(EncodeDateTime(f.year, f.month, f.day, 0, 0, 0, 0), EConvertError);
  }
  const Fields times[] = {{0, 0, 0, 24, 0, 0, 0},
                          {0, 0, 0, 0, 60, 0, 0},
                          {0, 0, 0, 0, 0, 60, 0},
                          {0, 0, 0, 0, 0, 0, 1000}};
  for (const Fields &f : times) {
    SCOPED_TRACE(testing::Message() << f);
    TDateTime value;
    EXPECT_FALSE(TryEncodeTime(f.hour, f.min, f.sec, f.msec, value));
    EXPECT_FALSE(TryEncodeDateTime(2000, 1, 1, f.hour, f.min, f.sec, f.msec, value));
    try {
      EncodeTime(f.hour, f.min, f.sec, f.msec);
      ADD_FAILURE() << "no error";
    } catch (const EConvertError &e) {
      EXPECT_EQ(MessageOf(e), "Invalid argument to time encode");
    }
  }
  EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
  EXPECT_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / MSecsPerDay);
}

TEST(DateTime, IncMonthClampsTheDayAndKeepsTheTime) {
  struct Case {
    Fields from;
    int32_t months;
    Fields to;
  };
  const Case cases[] = {
      {{2024, 1, 31, 10, 30}, 1, {2024, 2, 29, 10, 30}},
      {{2023, 1, 31}, 1, {2023, 2, 28}},
      {{2024, 3, 31}, -1, {2024, 2, 29}},
      {{2024, 12, 15}, 1, {2025, 1, 15}},
      {{2024, 1, 15}, -1, {2023, 12, 15}},
      {{2024, 2, 29}, 12, {2025, 2, 28}},
      {{2024, 5, 31}, -25, {2022, 4, 30}},
      {{2024, 8, 31}, 0, {2024, 8, 31}},
      {{1900, 1, 29, 23, 59, 59, 999}, 1, {1900, 2, 28, 23, 59, 59, 999}},
      {{1899, 11, 30, 6}, 1, {1899, 12, 30, 6}},
      {{1899, 12, 30, 6}, -1, {1899, 11, 30, 6}},
      {{9999, 11, 30}, 1, {9999, 12, 30}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " + " << c.months);
    EXPECT_EQ(Decoded(IncMonth(Encoded(c.from), c.months)), c.to);
  }
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1)), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 15), -1), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(2000, 1, 1), INT32_MIN), EConvertError);
}

TEST(DateTime, PartsAndDistancesAreTakenOnTheTimeLine) {
  EXPECT_EQ(DateOf(-1.25), -1);
  EXPECT_EQ(TimeOf(-1.25), 0.25);
  EXPECT_EQ(DateOf(45000.99999999999), 45001);
  EXPECT_EQ(TimeOf(45000.99999999999), 0);
  // 1899-12-29 18:00 to 1899-12-30 06:00 is twelve hours, though the values lie 2 apart.
  EXPECT_EQ(DaysBetween(-1.75, 0.25), 0);
  EXPECT_EQ(SecondsBetween(-1.75, 0.25), 43200);
  EXPECT_EQ(SecondsBetween(0.25, -1.75), 43200);
  EXPECT_EQ(DaysBetween(EncodeDate(2024, 3, 1), EncodeDate(2023, 3, 1)), 366);
  EXPECT_EQ(
      DaysBetween(EncodeDateTime(2024, 1, 2, 0, 0, 0, 0), EncodeDateTime(2024, 1, 1, 0, 0, 0, 1)),
      0);
  EXPECT_EQ(DaysBetween(MinDateTime, MaxDateTime), 2958465 + 657434);
}

TEST(DateTime, ClockGivesATimeOfToday) {
  const TDateTime now = Now();
  EXPECT_GT(now, EncodeDate(2020, 1, 1));
  EXPECT_LE(Date(), now);
  EXPECT_EQ(TimeOf(Date()), 0);
  EXPECT_GE(Time(), 0);
  EXPECT_LT(Time(), 1);
}

TEST(DateTime, FrozenClocksHoldNowAndNestThenGiveTheClockBack) {
  const TDateTime noon = EncodeDateTime(2024, 5, 17, 12, 0, 0, 0);
  const TDateTime night = EncodeDateTime(1999, 12, 31, 23, 59, 59, 0);
  {
    const TFrozenClock outer(noon);
    EXPECT_EQ(Now(), noon);
    EXPECT_EQ(Date(), EncodeDate(2024, 5, 17));
    EXPECT_EQ(Time(), 0.5);
    {
      const TFrozenClock inner(night);
      EXPECT_EQ(Date(), EncodeDate(1999, 12, 31));
    }
    EXPECT_EQ(Now(), noon);
  }
  EXPECT_EQ(SetClockHook(nullptr), nullptr); // the system clock again
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}

TEST(DateTime, UnixTimesCountSecondsFrom1970Utc) {
  struct Case {
    Fields fields;
    int64_t unix_time;
  };
  const Case cases[] = {
      {{1970, 1, 1}, 0},
      {{2001, 9, 9, 1, 46, 40}, 1000000000},
      {{2038, 1, 19, 3, 14, 8}, 2147483648},
      {{1969, 12, 31, 23, 59, 59}, -1},
      {{1899, 12, 29, 6}, -2209226400},
      {{1, 1, 1}, -62135596800},
      {{9999, 12, 31, 23, 59, 59}, 253402300799},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.fields);
    EXPECT_EQ(DateTimeToUnix(Encoded(c.fields)), c.unix_time);
    EXPECT_EQ(UnixToDateTime(c.unix_time), Encoded(c.fields));
  }
  // Parts of a second are dropped toward the past, so the seconds and the rest stay in step.
  EXPECT_EQ(DateTimeToUnix(EncodeDateTime(1969, 12, 31, 23, 59, 59, 500)), -1);
  EXPECT_EQ(DateTimeToUnix(EncodeDateTime(1970, 1, 1, 0, 0, 0, 999)), 0);
  EXPECT_THROW(DateTimeToUnix(std::nan("")), EConvertError);
  EXPECT_EQ(DayOfWeek(UnixToDateTime(INT64_MIN)), 0);
  EXPECT_EQ(DayOfWeek(UnixToDateTime(INT64_MAX)), 0);
}

TEST(DateTime, UtcFileTimesKeepMillisecondsAndRefuseWhatNoDateHolds) {
  struct Case {
    Fields fields;
    timespec time;
  };
  const Case cases[] = {
      {{1970, 1, 1, 0, 0, 0, 1}, {0, 1000000}},
      {{1969, 12, 31, 23, 59, 59, 999}, {-1, 999000000}},
      {{2024, 2, 29, 12, 34, 56, 789}, {1709210096, 789000000}},
      {{1, 1, 1}, {-62135596800, 0}},
      {{9999, 12, 31, 23, 59, 59, 999}, {253402300799, 999000000}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.fields);
    const timespec time = DateTimeToTimespecUTC(Encoded(c.fields));
    EXPECT_EQ(time.tv_sec, c.time.tv_sec);
    EXPECT_EQ(time.tv_nsec, c.time.tv_nsec);
    EXPECT_EQ(Decoded(TimespecToDateTimeUTC(c.time)), c.fields);
  }
  EXPECT_EQ(Decoded(TimespecToDateTimeUTC({0, 999999999})), (Fields{1970, 1, 1, 0, 0, 0, 999}));
  const timespec refused[] = {{253402300800, 0}, {-62135596801, 0}, {0, -1},
                              {0, 1000000000},   {INT64_MIN, 0},    {INT64_MAX, 999999999}};
  for (const timespec &time : refused) {
    TDateTime value;
    EXPECT_FALSE(TryTimespecToDateTimeUTC(time, value)) << time.tv_sec << "," << time.tv_nsec;
    EXPECT_THROW(TimespecToDateTimeUTC(time), EConvertError);
  }
  EXPECT_THROW(DateTimeToTimespecUTC(MaxDateTime + 1), EConvertError);
}

TEST(DateTime, LocalFileTimesFollowTheTimeZoneAndItsSummerTime) {
  TimeZone zone("EST5EDT,M3.2.0,M11.1.0");
  struct Case {
    Fields local;
    int64_t unix_time;
  };
  const Case cases[] = {
      {{2024, 1, 15, 12, 0, 0, 250}, 1705338000},
      {{2024, 7, 15, 12, 0, 0, 0}, 1721059200},
      {{1970, 1, 1, 0, 0, 0, 0}, 18000},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.local);
    const timespec time = DateTimeToTimespec(Encoded(c.local));
    EXPECT_EQ(time.tv_sec, c.unix_time);
    EXPECT_EQ(time.tv_nsec, c.local.msec * 1000000);
    EXPECT_EQ(Decoded(TimespecToDateTime(time)), c.local);
    EXPECT_EQ(DateTimeToUnix(Encoded(c.local), false), c.unix_time);
    EXPECT_EQ(Decoded(UnixToDateTime(c.unix_time, false)),
              (Fields{c.local.year, c.local.month, c.local.day, c.local.hour, 0, 0, 0}));
  }
  TDateTime value;
  EXPECT_FALSE(TryTimespecToDateTime({253402400000, 0}, value));
}

} // namespace
} // namespace textcore
