// Number lists written as runs and read back, including hostile ranges that must not expand.
#include "strings/number_lists.h"

#include "core/yield.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace textcore {
namespace {

String Written(std::initializer_list<const char16_t *> items) {
  TStringList list;
  for (const char16_t *item : items)
    list.Add(item);
  return HumanAbbreviatedNumberListString(list);
}

TEST(NumberLists, ListsAreWrittenAsRunsAndExpandedBack) {
  const std::pair<String, const char16_t *> cases[] = {
      {Written({u"1", u"2", u"3", u"5", u"7", u"8"}), u"1-3,5,7,8"},
      {Written({u"1", u"2", u"4"}), u"1,2,4"},
      {Written({u"3", u"2", u"1"}), u"3,2,1"},
      {Written({u"1", u"2", u"3"}), u"1-3"},
      {Written({}), u""},
      {Written({u"1", u"x", u"2", u"3"}), u"1-3"}, // skipped: neither breaks nor ends a run
      {Written({u" 5", u"$10"}), u""},             // only plain decimal items read
      {Written({u"007", u"8", u"9"}), u"007-9"},   // each number as its item's text
      {Written({u"-3", u"-2", u"-1"}), u"-3--1"},
      {Written({u"5", u"5", u"6", u"7"}), u"5,5-7"},
      {HumanAbbreviatedNumberListString({0, 1, 2, 4, 6, 7}, 1), u"1-3,5,7,8"},
      {HumanAbbreviatedNumberListString({INT32_MAX - 1, INT32_MAX}, 1), u"2147483647,2147483648"},
      {HumanAbbreviatedNumberListStringExpanded(u"1-3,5"), u"1,2,3,5"},
      {HumanAbbreviatedNumberListStringExpanded(u" 1 - 2 , 4"), u"1,2,4"},
      {HumanAbbreviatedNumberListStringExpanded(u"5-3"), u""}, // a reversed range is empty
      {HumanAbbreviatedNumberListStringExpanded(u"x-2"), u"0,1,2"},
      {HumanAbbreviatedNumberListStringExpanded(u"3-,1--3,x,,4"), u"4"},
      {HumanAbbreviatedNumberListStringExpanded(u"99999999999"), u""},
      {HumanAbbreviatedNumberListStringExpanded(u"1-2000000000"), u""}, // past the limit
      {ANumberInHumanString(u"1-3,5", 4), u"5"},
      {ANumberInHumanString(u"1-3,5", 5), u""},
      {ANumberInHumanString(u"1-3,5", 0), u""},
  };
  for (const auto &[got, want] : cases)
    EXPECT_EQ(got, want);

  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"1-3,5", 1), (std::vector{0, 1, 2, 4}));
  EXPECT_EQ(HumanAbbreviatedNumberListStringAsIntegers(u"1-1000000", 0).size(),
            size_t(most_numbers_in_a_list));
  // Ranges together may not pass the limit either, and a number past it is dropped too.
  const std::vector<int32_t> full =
      HumanAbbreviatedNumberListStringAsIntegers(u"1-999999,5-6,7,8", 0);
  ASSERT_EQ(full.size(), size_t(most_numbers_in_a_list));
  EXPECT_EQ(full.back(), 7);
}

TEST(NumberLists, MonthNumbersBecomeTheSettingsShortNames) {
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.ShortMonthNames[2] = u"M\u00E4r";
  EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(u"01-03", settings), u"Jan-M\u00E4r");
  EXPECT_EQ(HumanAbbreviatedNumberListStringToMonths(u"01,01,12", settings), u"Jan,01,Dec");
}

TEST(NumberLists, RangesMarkFlagsWithinTheirLength) {
  const std::tuple<const char16_t *, bool, std::string> cases[] = {
      {u"2-4,7", false, "01110010"},
      {u"2-4,7", true, "00111001"},
      {u"-3", false, "11100000"},
      {u"-3", true, "01110000"},
      {u"5-,x-3,y,4-2", false, "00000000"},
      {u"0", false, "10000000"},   // below the first flag: the first
      {u"100", false, "00000001"}, // beyond the last: the last
      {u"1-2000000000", false, "11111111"},
  };
  for (const auto &[text, zero_based, marks] : cases) {
    std::vector<bool> flags(8, true);
    ConvertStringToRangeOfBoolean(text, zero_based, flags);
    std::string got;
    for (bool flag : flags)
      got += flag ? '1' : '0';
    EXPECT_EQ(got, marks) << StringToUTF8(text) << " " << zero_based;
  }
  int32_t yields = 0;
  AYieldProcessProc() = [&yields] { ++yields; };
  std::vector<bool> none;
  ConvertStringToRangeOfBoolean(u"1,2-3,4", false, none);
  AYieldProcessProc() = nullptr;
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(yields, 3);
}

} // namespace
} // namespace textcore
