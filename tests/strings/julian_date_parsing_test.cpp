#include "strings/julian_date_parsing.h"

#include "strings/julian_dates.h"

#include <gtest/gtest.h>

#include <utility>

namespace textcore {
namespace {

double Stored(int32_t year, int32_t month, int32_t day) {
  return YearMonthDayToJulianAddingConst({year, month, day});
}

TEST(JulianDateParsing, TypedDatesTable) {
  const double none = 1903316.5; // the empty date
  const std::pair<const char16_t *, double> cases[] = {
      // A year alone is its middle; one that cannot be stored (or would wrap in 16 bits) is 0.
      {u"1999", Stored(1999, 7, 1)},
      {u" -440 ", Stored(-440, 7, 1)},
      {u"\t+1999\r\n", Stored(1999, 7, 1)},
      {u"-4500", 0},
      {u"5500", 0},
      {u"67535", 0},
      // year/month/day, clamped as stored records are.
      {u"1999/3/5", Stored(1999, 3, 5)},
      {u"-44/03/15", Stored(-44, 3, 15)},
      {u"1999/0/0", Stored(1999, 1, 1)},
      {u"1999/13/-5", Stored(1999, 12, 1)},
      {u"1999/2/30", 0},
      // Too short, marked as no date, or not whole numbers split by "/".
      {u"-44", none},
      {u"  99  ", none},
      {u"<no date found>", none},
      {u"19<9", none},
      {u"1999/3", none},
      {u"1999//5", none},
      {u"1999/3/5/7", none},
      {u"1999-03-05", none},
      {u"abcd", none},
      {u"$7CF", none},
      {u"+-1999", none},
      {u"99999999999", none},
      {u"1999/99999999999/1", none},
      {u"\uFF11\uFF19\uFF19\uFF19", none}, // full-width digits
  };
  for (const auto &[typed, expected] : cases)
    EXPECT_EQ(UserStrDateAndTimeParsed(typed), expected) << StringToUTF8(typed);
}

} // namespace
} // namespace textcore
