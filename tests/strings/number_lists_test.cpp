// Number lists written as runs and read back, including hostile ranges that must not expand.
#include "strings/number_lists.h"

#include "core/yield.h"

#include <gtest/gtest.h>

#include <string>

namespace textcore {
namespace {

TEST(NumberLists, RunsOfThreeOrMoreAreWrittenAsRanges) {
  struct Case {
    std::vector<const char16_t *> items;
    const char16_t *text;
  } cases[] = {
      {{u"1", u"2", u"3", u"5", u"7", u"8"}, u"1-3,5,7,8"},
      {{u"1", u"2", u"4"}, u"1,2,4"},
      {{u"3", u"2", u"1"}, u"3,2,1"},
      {{u"1", u"2"}, u"1,2"},
      {{u"1", u"2", u"3"}, u"1-3"},
      {{u"4"}, u"4"},
      {{}, u""},
      {{u"1", u"x", u"2", u"3"}, u"1-3"}, // an unreadable item neither breaks nor ends a run
      {{u"x", u" 5", u"$10"}, u""},       // only plain decimal items read
      {{u"007", u"8", u"9"}, u"007-9"},   // each number as its item's text
      {{u"-3", u"-2", u"-1"}, u"-3--1"},
      {{u"5", u"5", u"6", u"7"}, u"5,5-7"},
      {{u"2147483646", u"2147483647"}, u"2147483646,2147483647"},
  };
  for (const Case &c : cases) {
    TStringList list;
    for (const char16_t *item : c.items)
      list.Add(item);
    EXPECT_EQ(HumanAbbreviatedNumberListString(list), c.text) << StringToUTF8(c.text);
  }
  EXPECT_EQ(HumanAbbreviatedNumberListString({0, 1, 2, 4, 6, 7}, 1), u"1-3,5,7,8");
  EXPECT_EQ(HumanAbbreviatedNumberListString({INT32_MAX - 1, INT32_MAX}, 1),
            u"2147483647,2147483648");
}

TEST(NumberLists, ListsExpandAndHostileRangesAddNothing) {
  struct Case {
    const char16_t *text, *expanded;
  } cases[] = {
      {u"1-3,5", u"1,2,3,5"},
      {u" 1 - 2 , 4", u"1,2,4"},
      {u"5-3", u""},       // a reversed range is empty
      {u"-3", u"0,1,2,3"}, // a start that does not read is 0
      {u"x-2", u"0,1,2"},
      {u"3-", u""},
      {u"1--3", u""},
      {u"x,2,,", u"2"},
      {u"99999999999", u""},
      {u"1-2000000000", u""}, // more numbers than a list may hold
      {u"", u""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(HumanAbbreviatedNumberListStringExpanded(c.text), c.expanded) << StringToUTF8(c.text);

  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"1-1000000", 0).size(),
            size_t(most_numbers_in_a_list));
  // Ranges together may not pass the limit either, and a number past it is dropped too.
  const std::vector<int32_t> full =
      HumanAbbreviatedNumberListStringAsIntegers(u"1-999999,5-6,7,8", 0);
  ASSERT_EQ(full.size(), size_t(most_numbers_in_a_list));
  EXPECT_EQ(full.back(), 7);

  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"1-3,5", 1), (std::vector{0, 1, 2, 4}));
  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"0", INT32_MIN),
            (std::vector{INT32_MIN})); // wraps as 32-bit arithmetic does
  struct Nth {
    int32_t n;
    const char16_t *text;
  } nths[] = {{1, u"1"}, {4, u"5"}, {5, u""}, {0, u""}, {-1, u""}};
  for (const Nth &c : nths)
    EXPECT_EQ(ANumberInHumanString(u"1-3,5", c.n), c.text) << c.n;
}

TEST(NumberLists, MonthNumbersBecomeTheSettingsShortNames) {
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.ShortMonthNames[2] = u"M\u00E4r";
  struct Case {
    const char16_t *text, *months;
  } cases[] = {
      {u"01-03", u"Jan-M\u00E4r"},
      {u"01,01", u"Jan,01"}, // the first of each only
      {u"10-12", u"Oct-Dec"},
      {u"1-3", u"1-3"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(c.text, settings), c.months);
}

TEST(NumberLists, RangesMarkFlagsWithinTheirLength) {
  struct Case {
    const char16_t *text;
    bool zero_based;
    std::string marks; // one character per flag
  } cases[] = {
      {u"2-4,7", false, "01110010"},
      {u"2-4,7", true, "00111001"},
      {u"-3", false, "11100000"},
      {u"-3", true, "01110000"},
      {u"5-", false, "00000000"},
      {u"x-3,y", false, "00000000"},
      {u"4-2", false, "00000000"},
      {u"0", false, "10000000"},   // below the first flag: the first
      {u"100", false, "00000001"}, // beyond the last: the last
      {u"1-2000000000", false, "11111111"},
      {u"", false, "00000000"},
  };
  for (const Case &c : cases) {
    std::vector<bool> flags(8, true);
    ConvertStringToRangeOfBoolean(c.text, c.zero_based, flags);
    std::string marks;
    for (bool flag : flags)
      marks += flag ? '1' : '0';
    EXPECT_EQ(marks, c.marks) << StringToUTF8(c.text) << " " << c.zero_based;
  }
  std::vector<bool> none;
  ConvertStringToRangeOfBoolean(u"1-3", false, none);
  EXPECT_TRUE(none.empty());

  int32_t yields = 0;
  AYieldProcessProc() = [&yields] { ++yields; };
  std::vector<bool> flags(4);
  ConvertStringToRangeOfBoolean(u"1,2,3", false, flags);
  AYieldProcessProc() = nullptr;
  EXPECT_EQ(yields, 3);
}

} // namespace
} // namespace textcore
