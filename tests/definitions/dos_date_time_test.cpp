#include "definitions/dos_date_time.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

constexpr uint16_t DosDate(uint32_t year, uint32_t month, uint32_t day) {
  return static_cast<uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}

constexpr uint16_t DosTime(uint32_t hour, uint32_t minute, uint32_t two_seconds) {
  return static_cast<uint16_t>((hour << 11) | (minute << 5) | two_seconds);
}

TEST(DosDateTime, FieldsReadFromTheirBits) {
  struct Case {
    uint16_t time, date;
    TDateTime expected;
  };
  const Case cases[] = {
      {DosTime(14, 7, 9), DosDate(2024, 3, 5), EncodeDateTime(2024, 3, 5, 14, 7, 18, 0)},
      {0, DosDate(1980, 1, 1), EncodeDate(1980, 1, 1)},
      {DosTime(23, 59, 29), DosDate(2107, 12, 31), EncodeDateTime(2107, 12, 31, 23, 59, 58, 0)},
      {DosTime(0, 0, 1), DosDate(2024, 2, 29), EncodeDateTime(2024, 2, 29, 0, 0, 2, 0)},
  };
  for (const Case &c : cases)
    EXPECT_EQ(LastModTimeAndDateToDateTime(c.time, c.date), c.expected) << c.date;
}

TEST(DosDateTime, ValuesThatNameNoMomentRaise) {
  struct Case {
    const char *what;
    uint16_t time, date;
  };
  const Case cases[] = {
      {"all zero", 0, 0},
      {"words swapped", DosDate(1980, 1, 1), 0},
      {"month 0", 0, DosDate(2024, 0, 5)},
      {"month 13", 0, DosDate(2024, 13, 5)},
      {"month 15", 0, DosDate(2024, 15, 5)},
      {"day 0", 0, DosDate(2024, 3, 0)},
      {"30 February", 0, DosDate(2024, 2, 30)},
      {"29 February of a common year", 0, DosDate(2023, 2, 29)},
      {"31 April", 0, DosDate(2024, 4, 31)},
      {"hour 24", DosTime(24, 0, 0), DosDate(2024, 3, 5)},
      {"hour 31", DosTime(31, 0, 0), DosDate(2024, 3, 5)},
      {"minute 60", DosTime(12, 60, 0), DosDate(2024, 3, 5)},
      {"seconds 60", DosTime(12, 0, 30), DosDate(2024, 3, 5)},
  };
  for (const Case &c : cases)
    EXPECT_THROW(LastModTimeAndDateToDateTime(c.time, c.date), EConvertError) << c.what;
}

} // namespace
} // namespace textcore
