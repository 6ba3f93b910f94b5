#include "platform/list.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace textcore {
namespace {

// Distinct non-null pointers standing for items 0, 1, 2, ...
void *P(intptr_t i) { return reinterpret_cast<void *>((i + 1) * 16); }
intptr_t N(void *p) { return reinterpret_cast<intptr_t>(p) / 16 - 1; }

std::vector<intptr_t> Contents(const TList &list) {
  std::vector<intptr_t> out;
  for (int32_t i = 0; i < list.Count(); ++i)
    out.push_back(list.Items(i) == nullptr ? -1 : N(list.Items(i)));
  return out;
}

void Fill(TList &list, std::initializer_list<intptr_t> items) {
  list.Clear();
  for (intptr_t i : items)
    list.Add(i < 0 ? nullptr : P(i));
}

String ErrorOf(const std::function<void()> &action) {
  try {
    action();
  } catch (const EListError &e) {
    return e.Message();
  }
  return u"no error";
}

TEST(List, BoundsErrors) {
  TList list;
  Fill(list, {0, 1, 2});
  const struct {
    std::function<void()> action;
    const char16_t *message;
  } cases[] = {
      {[&] { list.Items(3); }, u"List index out of bounds (3)"},
      {[&] { list.Items(-1); }, u"List index out of bounds (-1)"},
      {[&] { list.SetItems(3, nullptr); }, u"List index out of bounds (3)"},
      {[&] { list.Insert(4, nullptr); }, u"List index out of bounds (4)"},
      {[&] { list.Delete(3); }, u"List index out of bounds (3)"},
      {[&] { list.Exchange(0, 5); }, u"List index out of bounds (5)"},
      {[&] { list.Move(7, 1); }, u"List index out of bounds (7)"},
      {[&] { list.Move(1, 9); }, u"List index out of bounds (9)"},
      {[&] { list.SetCount(-1); }, u"List count out of bounds (-1)"},
      {[&] { list.SetCapacity(-1); }, u"List capacity out of bounds (-1)"},
      {[&] { list.SetCapacity(2); }, u"List capacity out of bounds (2)"},
      {[&] { list.SetCount(INT32_MAX); }, u"List count out of bounds (2147483647)"},
      {[&] { list.SetCapacity(INT32_MAX); }, u"List capacity out of bounds (2147483647)"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(ErrorOf(c.action), c.message);
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{0, 1, 2}));
  TList empty;
  EXPECT_EQ(ErrorOf([&] { empty.First(); }), u"List index out of bounds (0)");
  EXPECT_EQ(ErrorOf([&] { empty.Last(); }), u"List index out of bounds (-1)");
}

TEST(List, EditingOperations) {
  TList list;
  Fill(list, {0, 1, 2, 3, 4});
  list.Move(1, 3);
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{0, 2, 3, 1, 4}));
  list.Move(4, 0);
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{4, 0, 2, 3, 1}));
  list.Exchange(0, 4);
  list.Insert(5, P(9));
  list.Insert(0, nullptr);
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{-1, 1, 0, 2, 3, 4, 9}));
  EXPECT_EQ(list.Remove(P(2)), 3);
  EXPECT_EQ(list.Remove(P(2)), -1);
  EXPECT_EQ(list.Extract(P(3)), P(3));
  EXPECT_EQ(list.Extract(P(3)), nullptr);
  list.SetCount(7);
  list.SetItems(2, nullptr);
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{-1, 1, -1, 4, 9, -1, -1}));
  list.Pack();
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{1, 4, 9}));
  EXPECT_EQ(list.List()[3], nullptr); // the packed-away slots hold nothing stale
  EXPECT_EQ(list.First(), P(1));
  EXPECT_EQ(list.Last(), P(9));
}

TEST(List, CapacityGrowsAndExpandMakesRoom) {
  TList list;
  for (int i = 0; i < 1000; ++i)
    EXPECT_EQ(list.Add(P(i)), i);
  EXPECT_GE(list.Capacity(), 1000);
  list.SetCapacity(list.Count());
  EXPECT_GT(list.Expand()->Capacity(), list.Count());
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(List, AssignOperators) {
  // 12345 with 346, as the framework documents each operator.
  const struct {
    TListAssignOp op;
    std::vector<intptr_t> expected;
  } cases[] = {
      {laCopy, {3, 4, 6}},   {laAnd, {3, 4}},          {laOr, {1, 2, 3, 4, 5, 6}},
      {laXor, {1, 2, 5, 6}}, {laSrcUnique, {1, 2, 5}}, {laDestUnique, {6}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.op);
    TList dest, source;
    Fill(dest, {1, 2, 3, 4, 5});
    Fill(source, {3, 4, 6});
    dest.Assign(source, c.op);
    EXPECT_EQ(Contents(dest), c.expected);
    TList third, a;
    Fill(a, {1, 2, 3, 4, 5});
    third.Assign(a, c.op, &source); // ListA copied in first, then combined with ListB
    EXPECT_EQ(Contents(third), c.expected);
  }
}

class RecordingList : public TList {
public:
  ~RecordingList() override { Clear(); }
  std::vector<std::pair<intptr_t, TListNotification>> events;

protected:
  void Notify(void *Ptr, TListNotification Action) override { events.push_back({N(Ptr), Action}); }
};

TEST(List, NotifyReportsEveryNonNullChange) {
  std::vector<std::pair<intptr_t, TListNotification>> expected = {
      {0, lnAdded},     {1, lnAdded},   {2, lnAdded}, {1, lnDeleted},
      {0, lnExtracted}, {2, lnDeleted}, {5, lnAdded}, {5, lnDeleted}};
  RecordingList list;
  list.Add(P(0));
  list.Add(nullptr);
  list.Add(P(1));
  list.Insert(0, P(2));
  list.Delete(3);
  list.Extract(P(0));
  list.SetItems(0, P(5));
  list.Clear();
  EXPECT_EQ(list.events, expected);
}

int CompareByKey(void *a, void *b) {
  // Items 0..99 share keys in tens, so equal keys test where the sort leaves equal items.
  return static_cast<int>(N(a) % 10) - static_cast<int>(N(b) % 10);
}

// The framework's quicksort written out plainly: pivot value copied, recursion on the right.
void ReferenceSort(std::vector<void *> &v, int l, int r) {
  int i, j;
  do {
    i = l;
    j = r;
    void *p = v[static_cast<size_t>((l + r) / 2)];
    do {
      while (CompareByKey(v[static_cast<size_t>(i)], p) < 0)
        ++i;
      while (CompareByKey(v[static_cast<size_t>(j)], p) > 0)
        --j;
      if (i <= j) {
        std::swap(v[static_cast<size_t>(i)], v[static_cast<size_t>(j)]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j)
      ReferenceSort(v, l, j);
    l = i;
  } while (i < r);
}

TEST(List, SortLeavesEqualItemsWhereTheFrameworkDid) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::vector<void *> items;
    for (int i = 0; i < 1 + round * 7; ++i)
      items.push_back(P(static_cast<intptr_t>(random() % 100)));
    TList list;
    for (void *p : items)
      list.Add(p);
    list.Sort(CompareByKey);
    ReferenceSort(items, 0, static_cast<int>(items.size()) - 1);
    std::vector<void *> sorted(list.List(), list.List() + list.Count());
    EXPECT_EQ(sorted, items);
  }
}

} // namespace
} // namespace textcore
