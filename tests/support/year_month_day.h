// Dates as records, written inline in the tables of the date tests, and compared field by field.
#pragma once

#include "core/basic_types.h"

#include <gtest/gtest.h>

namespace testsupport {

inline textcore::TYearMonthDay YMD(int32_t year, int32_t month, int32_t day) {
  textcore::TYearMonthDay r;
  r.year = year;
  r.month = month;
  r.day = day;
  return r;
}

inline ::testing::AssertionResult SameDate(const textcore::TYearMonthDay &actual,
                                           const textcore::TYearMonthDay &expected) {
  if (actual.year == expected.year && actual.month == expected.month && actual.day == expected.day)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << actual.year << "/" << actual.month << "/" << actual.day << " instead of "
         << expected.year << "/" << expected.month << "/" << expected.day;
}

} // namespace testsupport
