#include "files/time_numbers.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

TEST(TimeNumbers, SecondsOfTheDayRoundHalvesToEven) {
  const std::vector<std::pair<TDateTime, int32_t>> cases = {
      {0.0, 0},
      {EncodeTime(12, 0, 0, 500), 43200},
      {EncodeTime(12, 0, 1, 500), 43202},
      {EncodeTime(12, 0, 1, 499), 43201},
      {EncodeTime(23, 59, 59, 500), 86400},
      {EncodeDate(2024, 2, 29) + EncodeTime(6, 30, 15, 0), 23415}, // the date does not count
      {-1.25, 21600},                                              // 1899-12-29 06:00
  };
  for (const auto &[t, seconds] : cases)
    EXPECT_EQ(TodaysTimeInSeconds(t), seconds) << t;
  const TDateTime hour = 1.0 / 24;
  EXPECT_EQ(SecondsElapsedSince(Now() - 25 * hour), 3600); // the count restarts every day
  EXPECT_EQ(SecondsElapsedSince(Now() - 2 * hour), 7200);
}

TEST(TimeNumbers, IntegersAreFormattedExactly) {
  TFormatSettings german = TFormatSettings::Invariant();
  german.ThousandSeparator = u'.';
  german.DecimalSeparator = u',';
  const TFormatSettings english = TFormatSettings::Invariant();
  EXPECT_EQ(IntToDecStr(16777217, english), u"16,777,217"); // not 16,777,216
  EXPECT_EQ(IntToDecStr(int32_t{-2147483647 - 1}, english), u"-2,147,483,648");
  EXPECT_EQ(IntToDecStr(int64_t{9007199254740993}, german), u"9.007.199.254.740.993");
  EXPECT_EQ(RealToDecStr(1234567.891, english), u"1,234,567.89");
  EXPECT_EQ(RealToDecStr(0.5, german), u",50");
  EXPECT_EQ(Int64ToSingle(16777217), 16777216.0f);
}

} // namespace
} // namespace textcore
