// The keyed and cursor lists beyond TQMLongintList: unsigned order, counting up in either
// order, the read cursor past the end, sorts on other fields, and the guarded accessors.
#include "core/yield.h"
#include "lists/cardinal_and_freq_list.h"
#include "lists/cardinal_list.h"
#include "lists/double_longint_list.h"
#include "lists/integer_and_single_list.h"
#include "lists/qm_int64_list.h"
#include "lists/string_column_and_colour_list.h"
#include "lists/word_freq_and_source_num_list.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

using namespace textcore;

TEST(KeyedLists, CardinalsSortUnsignedAndAnAppendOutOfOrderClearsSorted) {
  TCardinalList list;
  for (uint32_t v : {4294967295u, 1u, 2147483648u})
    list.AddOne(v);
  list.SortAscendingDefault();
  EXPECT_EQ(list.GetAValue(0), 1u);
  EXPECT_EQ(list.GetAValue(2), 4294967295u);
  EXPECT_EQ(list.Find(2147483648u), 1);
  EXPECT_EQ(list.GetAValue(3), 0u);
  list.AddOne(4294967295u); // still in order
  EXPECT_TRUE(list.sorted);
  list.AddOne(7); // appended after larger values
  EXPECT_FALSE(list.sorted);
  EXPECT_EQ(list.IndexOF(7), 4);
}

TEST(KeyedLists, ValuesThatAreNotNumbersSortLastAndLeaveTheRestSearchable) {
  TIntegerAndSingleList singles;
  for (float s : {2.5f, std::nanf(""), -1.0f, 0.25f})
    singles.AddOne({0, s});
  singles.SortAscendingDefault();
  EXPECT_EQ(singles.GetOne(0).s, -1.0f);
  EXPECT_TRUE(std::isnan(singles.GetOne(3).s));
  EXPECT_EQ(singles.Find(2.5f), 2);
  EXPECT_EQ(singles.GetOne(-1).s, 0.0f);
}

TEST(KeyedLists, AddOneOrIncFreqCountsInEitherOrder) {
  for (bool sort_first : {false, true}) {
    SCOPED_TRACE(sort_first);
    TCardinalAndFreqList list;
    list.AddOneOrIncFreq({30, 1});
    list.AddOneOrIncFreq({10, 5});
    if (sort_first)
      list.SortOnCardinals();
    list.AddOneOrIncFreq({20, 2});
    list.AddOneOrIncFreq({10, 99}); // found: 1 is added, whatever f says
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetACardAndFreq(list.IndexOF(10)).f, 6);
    if (sort_first) {
      EXPECT_EQ(list.GetACardAndFreq(1).c, 20u); // inserted in order
    }

    // Sorted on frequencies, the list is no longer in order of c; counting still finds c.
    list.SortOnFrequencies(true);
    EXPECT_EQ(list.GetACardAndFreq(0).f, 6);
    EXPECT_FALSE(list.sorted);
    list.AddOneOrIncFreq({30, 0});
    EXPECT_EQ(list.Count(), 3);
    list.SortOnFrequencies(false);
    EXPECT_EQ(list.GetACardAndFreq(2).c, 10u);
  }
}

TEST(KeyedLists, GetNextPastTheEndGivesAnEmptyRecordAndStillAdvances) {
  TWordFreqAndSourceNumList list;
  list.AddOne({u"low", 1, 0});
  list.AddOne({u"high", 9, 2});
  list.SortOnFreqs();
  EXPECT_EQ(list.GetNext().w, u"high");
  EXPECT_EQ(list.GetNext().f, 1);
  const TWordFreqAndSourceNum past = list.GetNext();
  EXPECT_TRUE(past.w.empty());
  EXPECT_EQ(past.f, 0);
  EXPECT_EQ(list.this_, 3);
  list.Clear();
  EXPECT_EQ(list.this_, 0);
}

// Out of range, each accessor answers its sentinel or does nothing; where it gives no answer
// for a negative position, EListError is raised instead of reading outside the list.
TEST(KeyedLists, AccessorsOutOfRangeAnswerTheirSentinelOrRaise) {
  TDoubleLongIntList pairs;
  pairs.AddOne({1, 2});
  pairs.IncOne(0, false);
  pairs.IncOne(5, true);
  pairs.SetADouble(-1, {9, 9});
  EXPECT_EQ(pairs.GetADouble(0).long2, 3);
  EXPECT_EQ(pairs.GetADouble(-1).long1, -1);
  EXPECT_EQ(pairs.Long2IndexOf(3), 0);
  EXPECT_EQ(pairs.Long1IndexOf(3), -1);

  TStringColumnAndColourList columns;
  columns.AddOne({2, 3, u"s"});
  columns.SetAString(1, u"lost");
  EXPECT_EQ(columns.GetAColumn(-1), -1);
  EXPECT_EQ(columns.GetABackgroundColour(1), -1);
  EXPECT_EQ(columns.GetAString(1), u"");

  TCardinalAndFreqList counts;
  counts.SetACardAndFreq(0, {1, 1}); // past the end: ignored
  EXPECT_THROW(counts.SetACardAndFreq(-1, {1, 1}), EListError);
  TQMInt64List longs;
  EXPECT_THROW(longs.GetAValue(-1), EListError);
}

TEST(KeyedLists, SearchesAndSortsYieldToTheHost) {
  TQMInt64List list;
  for (int64_t v = 0; v < 5000; ++v)
    list.AddOne(4999 - v);
  int32_t yields = 0;
  AYieldProcessProc() = [&] { ++yields; };
  EXPECT_EQ(list.IndexOF(0), 4999); // linear: once per record
  EXPECT_EQ(yields, 5000);
  list.SortAscendingDefault();
  EXPECT_GT(yields, 5000);
  EXPECT_EQ(list.GetAValue(0), 0);

  // A hook that adds a record while the sort runs stops the sort rather than lose a record.
  bool added = false;
  AYieldProcessProc() = [&] {
    if (!std::exchange(added, true))
      list.AddOne(-1);
  };
  EXPECT_THROW(list.SortAscendingDefault(), EListError);
  AYieldProcessProc() = nullptr;
  EXPECT_EQ(list.Count(), 5001);
}

} // namespace
