#include "strings/julian_date_parsing.h"

#include "strings/julian_dates.h"
#include "support/year_month_day.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::YMD;

double Stored(int32_t year, int32_t month, int32_t day) {
  return YearMonthDayToJulianAddingConst(YMD(year, month, day));
}

TEST(JulianDateParsing, TypedDatesTable) {
  const double no_date = 1903316.5;
  struct Case {
    const char16_t *typed;
    double expected;
  };
  const Case cases[] = {
      // A year alone is its middle.
      {u"1999", Stored(1999, 7, 1)},
      {u" -440 ", Stored(-440, 7, 1)},
      {u"+1999", Stored(1999, 7, 1)},
      {u"\t1999\r\n", Stored(1999, 7, 1)},
      {u"0000", Stored(0, 7, 1)},
      {u"-4499", Stored(-4499, 7, 1)},
      {u"5499", Stored(5499, 7, 1)},
      // Years that cannot be stored, including one that 16-bit arithmetic would wrap to 1999.
      {u"-4500", 0},
      {u"5500", 0},
      {u"67535", 0},
      // year/month/day, clamped as stored records are.
      {u"1999/3/5", Stored(1999, 3, 5)},
      {u"1999/03/05", Stored(1999, 3, 5)},
      {u"-44/3/15", Stored(-44, 3, 15)},
      {u"5499/12/31", 5373483.5},
      {u"1999/0/0", Stored(1999, 1, 1)},
      {u"1999/13/32", Stored(1999, 12, 31)},
      {u"1999/-3/+5", Stored(1999, 1, 5)},
      {u"1999/2/30", 0},
      {u"2000/2/29", 0},
      // Too short, marked as no date, or not whole numbers split by "/".
      {u"", no_date},
      {u"-44", no_date},
      {u"99", no_date},
      {u"  99  ", no_date},
      {u"<no date found>", no_date},
      {u"1999 <no date found>", no_date},
      {u"19<9", no_date},
      {u"1999/3", no_date},
      {u"1999/3/", no_date},
      {u"1999//5", no_date},
      {u"/3/5", no_date},
      {u"1999/3/5/7", no_date},
      {u"1999-03-05", no_date},
      {u"1999.3.5", no_date},
      {u"1999/ 3/5", no_date},
      {u"1 999", no_date},
      {u"abcd", no_date},
      {u"$7CF", no_date},
      {u"0x7CF", no_date},
      {u"+-1999", no_date},
      {u"----", no_date},
      {u"1999/3/5 10:00", no_date},
      {u"99999999999", no_date},
      {u"1999/99999999999/1", no_date},
      {u"\uFF11\uFF19\uFF19\uFF19", no_date}, // full-width digits
  };
  for (const Case &c : cases)
    EXPECT_EQ(UserStrDateAndTimeParsed(c.typed), c.expected) << StringToUTF8(String(c.typed));
}

} // namespace
} // namespace textcore
