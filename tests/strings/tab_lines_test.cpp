#include "strings/tab_lines.h"

#include "platform/format_date_time.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

TEST(TabLines, PartsOfALine) {
  const struct {
    const char16_t *line;
    const char16_t *pre, *after, *file;
    int32_t integer;
  } cases[] = {
      {u"c:\\texts\\a.txt\t12", u"c:\\texts\\a.txt", u"12", u"a.txt", 12},
      {u"/home/x/b.txt\tabc 1,234 def", u"/home/x/b.txt", u"abc 1,234 def", u"b.txt", 1234},
      {u"k\t$1F", u"k", u"$1F", u"k", 31}, // reads as an integer as it stands
      {u"k\tnone", u"k", u"none", u"k", -1},
      {u"k\ta\tb", u"k", u"a\tb", u"k", -1},
      {u"no tab", u"", u"", u"", -1},
      {u"\tx", u"", u"x", u"", -1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.line));
    EXPECT_EQ(PreTabPart(c.line), c.pre);
    EXPECT_EQ(PreTabPathAndFilenameOf(c.line), c.pre);
    EXPECT_EQ(AfterTabPart(c.line), c.after);
    EXPECT_EQ(PreTabFilenameOf(c.line), c.file);
    EXPECT_EQ(AfterTabIntegerOf(c.line), c.integer);
  }
  EXPECT_EQ(DigitsOnlyOf(u"-7"), u"-7");
  EXPECT_EQ(DigitsOnlyOf(u"x-7y8"), u"78");
  EXPECT_EQ(AddWithTab(u"", u"b"), u"b");
  EXPECT_EQ(AddWithTab(u"a", u""), u"a\t");
  TStringList list;
  list.SetText(u"ab\t1\r\na\t2\r\na\t3");
  EXPECT_EQ(IndexOfPreTabFnameOnly(list, u"a"), 1);
  EXPECT_EQ(IndexOfPreTabFnameOnly(list, u"A"), -1);
}

TEST(TabLines, DatesAfterTheTab) {
  const TDateTime day = EncodeDate(2021, 3, 4), at = day + EncodeTime(5, 6, 0, 0);
  TFrozenClock clock(EncodeDate(2030, 1, 1));
  EXPECT_EQ(AfterTabDateOf(u"f\t" + DateToStr(day)), day);
  EXPECT_EQ(AfterTabDateOf(u"f\t" + DateToStr(day) + u"  " + TimeToStr(at)), at);
  EXPECT_EQ(AfterTabDateOf(u"f\tsoon"), EncodeDate(2030, 1, 1));
  EXPECT_EQ(AfterTabDateOf(u"f", 7.5), 7.5);
}

std::vector<String> Keys(const TStringList &list) {
  std::vector<String> keys;
  for (int32_t i = 0; i < list.Count(); ++i)
    keys.push_back(PreTabPart(list.Strings(i)));
  return keys;
}

// The flag turns the file-name comparer one way and the date and number comparers the other.
TEST(TabLines, SortsByEachComparerAndFlag) {
  const String d1 = DateToStr(EncodeDate(2001, 1, 1)), d2 = DateToStr(EncodeDate(2002, 1, 1));
  const struct {
    TStringListSortCompare comparer;
    bool descending;
    std::vector<String> keys;
  } cases[] = {
      {StringListCompareStringsFilenamePreTab, false, {u"/x/A", u"b", u"c:\\C"}},
      {StringListCompareStringsFilenamePreTab, true, {u"c:\\C", u"b", u"/x/A"}},
      {StringListCompareStringsDateAfterTab, false, {u"c:\\C", u"/x/A", u"b"}},
      {StringListCompareStringsDateAfterTab, true, {u"b", u"/x/A", u"c:\\C"}},
      {StringListCompareStringsIntegerAfterTab, false, {u"/x/A", u"c:\\C", u"b"}},
      {StringListCompareStringsIntegerAfterTab, true, {u"b", u"c:\\C", u"/x/A"}},
  };
  TFrozenClock clock(EncodeDate(2003, 1, 1));
  for (const auto &c : cases) {
    TStringList list;
    list.Add(u"b\tnot a date 30");
    list.Add(u"/x/A\t" + d2);
    list.Add(u"c:\\C\t" + d1);
    SetSortDescendingAndSort(c.descending, list, c.comparer);
    EXPECT_EQ(Keys(list), c.keys);
  }
}

// A clock that moves on at every reading, past every date in the list: read per comparison,
// the unreadable dates would fall on either side of the readable ones in turn.
int clock_readings = 0;
TDateTime RunningClock() { return EncodeDate(2000, 1, 1) + 40 * clock_readings++; }

TEST(TabLines, UnreadableDatesCompareAsTheMomentTheSortBegan) {
  clock_readings = 0;
  const TClockHook previous = SetClockHook(RunningClock);
  TStringList list;
  for (int i = 0; i < 40; ++i) {
    const TDateTime date = EncodeDate(2000, 1, 1) + 1 + i * 25;
    list.Add(i % 3 == 0 ? u"u" + IntToStr(i) + u"\t?" : u"d\t" + DateToStr(date));
  }
  SetSortDescendingAndSort(false, list, StringListCompareStringsDateAfterTab);
  SetClockHook(previous);
  EXPECT_EQ(clock_readings, 1);
  // Every unreadable line sits at 2000-01-01, before every date.
  for (int32_t i = 0; i < list.Count(); ++i)
    EXPECT_EQ(list.Strings(i)[0] == u'u', i < 14) << i;
}

} // namespace
} // namespace textcore
