// The free comparisons, ComputedByteDivisions at the float precision limit, and the key and
// value of "key = value" lines.
#include "lists/byte_divisions.h"
#include "lists/key_plus_value.h"
#include "lists/list_comparisons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace textcore;

TEST(ListComparisons, OrderUnsignedBackwardsAndOrdinalWhereTheyShould) {
  struct Case {
    const char *what;
    int32_t got, expected;
  };
  const float nan = std::nanf("");
  const std::vector<Case> cases = {
      {"longints", CompareLongints(INT32_MIN, 1), -1},
      {"cardinals unsigned", CompareCardinals(0xFFFFFFFFu, 1), 1},
      {"int64s", CompareInt64s(INT64_MAX, INT64_MIN), 1},
      {"words unsigned", Compare16BitWords(0xFFFF, 1), 1},
      {"bytes unsigned", CompareBytes(0xFF, 1), 1},
      {"chars unsigned", CompareChars(u'\xFFFF', u'a'), 1},
      {"singles", CompareSingles(1.5f, 2.5f), -1},
      {"single not a number", CompareSingles(nan, 1.0f), 0},
      {"dates backwards", CompareDates(100.0, 200.0), 1},
      {"julian dates backwards", CompareJulianDates(2.0, 1.0), -1},
      {"strings by code unit", Compare2Strings(u"B", u"a"), -1},
      {"strings equal", Compare2Strings(u"ab", u"ab"), 0},
      {"crude: difference of units", CrudeStringComparison(u"ac", u"aa"), 2},
      {"crude: stops at a zero unit", CrudeStringComparison(String(u"a\0x", 3), u"a"), 0},
      {"crude: shorter first", CrudeStringComparison(u"a", u"ab"), -u'b'},
      {"locale: missing text", ComparePWidechar(LOCALE_USER_DEFAULT, nullptr, u"a"), -2},
      {"locale: equal", LCIDStringComparison(u"abc", u"abc", LOCALE_USER_DEFAULT), 0},
      {"locale: ordered", LCIDStringComparison(u"abc", u"abd", LOCALE_USER_DEFAULT), -1},
  };
  for (const Case &c : cases)
    EXPECT_EQ(c.got, c.expected) << c.what;

  std::vector<double> dates = {10.0, 30.0, 20.0};
  std::sort(dates.begin(), dates.end(), [](double a, double b) { return CompareDates(a, b) < 0; });
  EXPECT_EQ(dates, (std::vector<double>{30.0, 20.0, 10.0}));
}

TEST(ComputedByteDivisions, BoundariesComeFromAFloatQuotient) {
  struct Case {
    int64_t total;
    int32_t parts;
    std::vector<int64_t> ends;
  };
  const int64_t two27 = int64_t{1} << 27;
  const std::vector<Case> cases = {
      {100, 3, {33, 67, 100}}, // q = 33.333332
      {10, 4, {2, 5, 8, 10}},  // 2.5 and 7.5 round to even
      {two27 + 1, 1, {two27}}, // the quotient cannot hold the total
      {(int64_t{1} << 24) + 1, 2, {8388608, 16777216}},
      {0, 2, {0, 0}},
      {7, 0, {}},
      {7, -3, {}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ComputedByteDivisions(c.total, c.parts), c.ends) << c.total << " / " << c.parts;
  EXPECT_EQ(ComputedByteDivisions(INT64_MAX, 1).back(), INT64_MAX); // held at the limit
}

TEST(KeyPlusValue, SplitsAtTheFirstEqualsSignAndReadsOnlyDecimals) {
  struct Case {
    String line, key;
    int32_t value;
  };
  const std::vector<Case> cases = {
      {u" colour = 12 ", u"colour", 12},
      {u"\tsize\t=\t-7\r\n", u"size", -7},
      {u"a==5", u"a", 0},
      {u"=5", u"", 5},
      {u"a=", u"a", 0},
      {u"no equals sign", u"", 0},
      {u"x = 12abc", u"x", 0},
      {u"x = $1F", u"x", 0},
      {u"x = 0x1F", u"x", 0},
      {u"x = 2147483647", u"x", 2147483647},
      {u"x = -2147483648", u"x", INT32_MIN},
      {u"x = 2147483648", u"x", 0},
      {u"x = +", u"x", 0},
      {u"x = 1 2", u"x", 0},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(KeyOfKeyPlusValue(c.line), c.key) << StringToUTF8(c.line);
    EXPECT_EQ(ValueOfKeyPlusValue(c.line), c.value);
  }
}

} // namespace
