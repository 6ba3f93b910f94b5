// TQMLongintList: insertion in order at every position, the nearest rule, searching sorted and
// unsorted, FindAndFree, and the guarded accessors.
#include "core/yield.h"
#include "lists/qm_longint_list.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace textcore;

std::vector<int32_t> ValuesOf(const TQMLongintList &list) {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < list.Count(); ++i)
    out.push_back(list.GetAValue(i));
  return out;
}

TEST(QMLongintList, SortedAddOneInsertsAtEveryPosition) {
  struct Case {
    std::vector<int32_t> start;
    int32_t value;
    int32_t position;
  };
  const std::vector<Case> cases = {
      {{10, 20, 30}, 25, 2}, {{10, 20, 30}, 5, 0},  {{10, 20, 30}, 35, 3},
      {{10, 20, 30}, 20, 1}, {{10, 20, 30}, 15, 1}, {{}, 7, 0},
      {{4}, 4, 0},           {{4, 4, 4, 4}, 4, -1}, {{1, 2}, INT32_MIN, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "adding " << c.value << " to " << c.start.size());
    TQMLongintList list;
    for (int32_t v : c.start)
      list.AddOne(v);
    list.SortAscendingDefault();
    list.AddOne(c.value);
    std::vector<int32_t> expected = c.start;
    if (c.position >= 0)
      expected.insert(expected.begin() + c.position, c.value);
    else
      expected.push_back(c.value); // all equal: any position gives the same values
    EXPECT_EQ(ValuesOf(list), expected);
    EXPECT_TRUE(list.sorted);
    EXPECT_GE(list.Find(c.value), 0);
  }
}

TEST(QMLongintList, FindLeavesNearestAtTheLastProbe) {
  TQMLongintList list;
  EXPECT_EQ(list.Find(3), -1);
  EXPECT_EQ(list.nearest, -1); // empty list
  for (int32_t v : {10, 20, 30, 40})
    list.AddOne(v);
  list.SortAscendingDefault();
  int32_t probes = 0;
  AYieldProcessProc() = [&] { ++probes; };
  EXPECT_EQ(list.Find(25), -1);
  AYieldProcessProc() = nullptr;
  EXPECT_EQ(list.nearest, 2); // probes 1 (20), then 2 (30)
  EXPECT_EQ(probes, 2);
  EXPECT_EQ(list.Find(40), 3);
}

TEST(QMLongintList, UnsortedListAppendsAndScansAndOutOfOrderInsertClearsSorted) {
  TQMLongintList list;
  for (int32_t v : {30, 10, 20, 10})
    list.AddOne(v);
  EXPECT_EQ(ValuesOf(list), (std::vector<int32_t>{30, 10, 20, 10}));
  EXPECT_EQ(list.IndexOF(10), 1);
  EXPECT_EQ(list.IndexOF(99), -1);

  list.SortAscendingDefault();
  list.InsertOne(1, 10); // still in order
  EXPECT_TRUE(list.sorted);
  list.InsertOne(0, 50); // out of order: a binary search would now miss values
  EXPECT_FALSE(list.sorted);
  EXPECT_EQ(list.IndexOF(30), 5);
}

TEST(QMLongintList, FindAndFreeRemovesTheEntryAndAccessorsGuardTheirRange) {
  TQMLongintList list;
  for (int32_t v : {5, 7, 9})
    list.AddOne(v);
  list.FindAndFree(7);
  list.FindAndFree(8);
  EXPECT_EQ(ValuesOf(list), (std::vector<int32_t>{5, 9}));
  list.SortAscendingDefault();
  list.FindAndFree(9);
  EXPECT_EQ(ValuesOf(list), (std::vector<int32_t>{5}));

  EXPECT_EQ(list.GetAValue(1), -1);
  EXPECT_THROW(list.GetAValue(-1), EListError);
  EXPECT_THROW(list.InsertOne(-1, 3), EListError);
  list.FreeOne(0); // an emptied slot is refused, not read
  EXPECT_THROW(list.GetAValue(0), EListError);
}

} // namespace
