// Date records compared field by field in the date tests.
#pragma once

#include "core/basic_types.h"

#include <gtest/gtest.h>

namespace testsupport {

inline ::testing::AssertionResult SameDate(const textcore::TYearMonthDay &a,
                                           const textcore::TYearMonthDay &b) {
  if (a.year == b.year && a.month == b.month && a.day == b.day)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << a.year << "/" << a.month << "/" << a.day << " is not "
                                       << b.year << "/" << b.month << "/" << b.day;
}

} // namespace testsupport
