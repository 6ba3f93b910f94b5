// The three-key sort against a stable sort, its range clamping, its stack depth, and what a
// throwing comparison or a yield hook that sorts or empties the list does to it.
#include "lists/three_key_sort.h"

#include "core/yield.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace textcore {
namespace {

using Keys = std::array<int32_t, 3>;

// A list over records that are just their three keys; key number n is element n.
template <typename Base> class KeyList : public Base {
public:
  explicit KeyList(std::vector<Keys> &records) {
    for (Keys &r : records)
      this->Add(&r);
  }
  void SetBase(void *Item, int32_t SortVar) override {
    fBase = static_cast<Keys *>(Item)->at(SortVar);
  }
  TCompareFunctOfObject Comparer(std::function<void()> on_compare = {}) {
    return [this, on_compare](const void *a) {
      if (on_compare)
        on_compare();
      int32_t key = static_cast<const Keys *>(a)->at(this->current_sort_rec.current_sort_var);
      return (fBase > key) - (fBase < key);
    };
  }
  std::vector<Keys> Contents() const {
    std::vector<Keys> out;
    for (int32_t i = 0; i < this->Count(); ++i)
      out.push_back(*static_cast<const Keys *>(this->Items(i)));
    return out;
  }

private:
  int32_t fBase = 0;
};

using YieldingList = KeyList<T3SortYieldingList>;
using NonYieldingList = KeyList<T3SortNonYieldingList>;

// Sorts by 1, 2 or 3 keys through the whole-list entry points.
void SortBy(T3SortYieldingList &list, const TCompareFunctOfObject &compare,
            const std::vector<int32_t> &vars) {
  if (vars.size() == 1)
    list.DoASingleSort(compare, vars[0]);
  else if (vars.size() == 2)
    list.DoADoubleSort(compare, vars[0], vars[1]);
  else
    list.DoATrebleSort(compare, vars[0], vars[1], vars[2]);
}

// Installs a counting yield hook for one test and takes it away again.
class CountingHook {
public:
  explicit CountingHook(std::function<void()> on_call = {}) : fSaved(AYieldProcessProc()) {
    AYieldProcessProc() = [this, on_call] {
      ++fCalls;
      if (on_call)
        on_call();
    };
  }
  ~CountingHook() { AYieldProcessProc() = fSaved; }
  int Calls() const { return fCalls; }

private:
  TYieldProcessProc fSaved;
  int fCalls = 0;
};

TEST(ThreeKeySort, SortsSmallListsByOneTwoAndThreeKeys) {
  const struct {
    std::vector<int32_t> vars;
    TAscendingSort flags;
    std::vector<Keys> input, expected;
  } cases[] = {
      {{0}, {false, false, false}, {{3}, {1}, {2}}, {{1}, {2}, {3}}},
      {{0}, {true, false, false}, {{3}, {1}, {2}}, {{3}, {2}, {1}}},
      {{0, 1}, {false, false, false}, {{1, 2}, {2, 1}, {1, 1}}, {{1, 1}, {1, 2}, {2, 1}}},
      {{0, 1}, {false, true, false}, {{1, 1}, {2, 1}, {1, 2}}, {{1, 2}, {1, 1}, {2, 1}}},
      {{1, 0}, {false, false, false}, {{1, 2}, {2, 1}, {1, 1}}, {{1, 1}, {2, 1}, {1, 2}}},
      {{0, 1, 2}, {false, false, false}, {{1, 7, 9}, {2, 7, 1}}, {{1, 7, 9}, {2, 7, 1}}},
      {{0, 1, 2},
       {false, false, true},
       {{1, 1, 1}, {1, 2, 0}, {1, 1, 2}, {0, 1, 5}},
       {{0, 1, 5}, {1, 1, 2}, {1, 1, 1}, {1, 2, 0}}},
  };
  for (const auto &c : cases) {
    std::vector<Keys> records = c.input;
    YieldingList list(records);
    list.fAscending = c.flags;
    SortBy(list, list.Comparer(), c.vars);
    EXPECT_EQ(list.Contents(), c.expected) << "keys " << c.vars.size();
    EXPECT_TRUE(list.sorted);
  }
}

TEST(ThreeKeySort, EntryPointsClampTheirRange) {
  const struct {
    int32_t start, finish;
    std::vector<int32_t> expected;
    bool sorted;
  } cases[] = {
      {-5, 99, {1, 2, 3, 4, 5}, true}, {1, 3, {5, 2, 3, 4, 1}, true},
      {-2, 1, {4, 5, 3, 2, 1}, true},  {3, 10, {5, 4, 3, 1, 2}, true},
      {2, 2, {5, 4, 3, 2, 1}, false},  {4, 50, {5, 4, 3, 2, 1}, false},
      {-7, 0, {5, 4, 3, 2, 1}, false}, {3, 1, {5, 4, 3, 2, 1}, false},
  };
  for (const auto &c : cases)
    for (int keys = 1; keys <= 3; ++keys) {
      std::vector<Keys> records = {{5, 5, 5}, {4, 4, 4}, {3, 3, 3}, {2, 2, 2}, {1, 1, 1}};
      YieldingList list(records);
      auto compare = list.Comparer();
      if (keys == 1)
        list.DoASingleSort(compare, 0, c.start, c.finish);
      else if (keys == 2)
        list.DoADoubleSort(compare, 0, 1, c.start, c.finish);
      else
        list.DoATrebleSort(compare, 0, 1, 2, c.start, c.finish);
      std::vector<int32_t> got;
      for (const Keys &k : list.Contents())
        got.push_back(k[0]);
      EXPECT_EQ(got, c.expected) << c.start << ".." << c.finish << " keys " << keys;
      EXPECT_EQ(list.sorted, c.sorted) << c.start << ".." << c.finish << " keys " << keys;
      EXPECT_FALSE(list.BusySorting);
    }
}

// Inputs that defeat naive quicksorts; the first sort key follows the shape, the others are
// random with many ties.
std::vector<Keys> Shaped(int shape, int32_t n, int32_t first_var, std::mt19937 &random) {
  std::uniform_int_distribution<int32_t> small(0, 3);
  std::vector<Keys> records(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    Keys &k = records[static_cast<size_t>(i)];
    k = {small(random), small(random), small(random)};
    const int32_t shaped[] = {small(random), i, n - i, 7, std::min(i, n - i)};
    k[static_cast<size_t>(first_var)] = shaped[shape];
  }
  return records;
}

// Each record's keys for the levels sorted, in order.
std::vector<Keys> Project(const std::vector<Keys> &records, const std::vector<int32_t> &vars) {
  std::vector<Keys> out;
  for (const Keys &r : records) {
    Keys k{};
    for (size_t level = 0; level < vars.size(); ++level)
      k[level] = r[static_cast<size_t>(vars[level])];
    out.push_back(k);
  }
  return out;
}

// The same, in the order a stable sort with the same keys and directions gives.
std::vector<Keys> SortedKeys(const std::vector<Keys> &records, const std::vector<int32_t> &vars,
                             const TAscendingSort &flags = {}) {
  std::vector<Keys> keys = Project(records, vars);
  std::stable_sort(keys.begin(), keys.end(), [&](const Keys &a, const Keys &b) {
    for (size_t level = 0; level < vars.size(); ++level)
      if (a[level] != b[level])
        return flags[level] ? a[level] > b[level] : a[level] < b[level];
    return false;
  });
  return keys;
}

TEST(ThreeKeySort, AgreesWithAStableSortOnEveryShapeKeyCountAndDirection) {
  const std::vector<int32_t> var_sets[] = {{2}, {2, 0}, {2, 0, 1}, {1, 1}, {1, 1, 0}};
  std::mt19937 random(12345);
  for (int shape = 0; shape < 5; ++shape)
    for (const auto &vars : var_sets)
      for (int flags = 0; flags < 8; ++flags) {
        std::vector<Keys> records = Shaped(shape, 1500, vars[0], random);
        const TAscendingSort directions = {(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
        std::vector<Keys> expected = SortedKeys(records, vars, directions);
        YieldingList list(records);
        list.fAscending = directions;
        SortBy(list, list.Comparer(), vars);
        ASSERT_EQ(Project(list.Contents(), vars), expected)
            << "shape " << shape << " keys " << vars.size() << " flags " << flags;
      }
}

// Middle items that are always the largest of their range make every pass split off one item;
// a quicksort that recursed into that side would need one stack frame per item.
TEST(ThreeKeySort, StackStaysShallowWhenEveryPassSplitsOffOneItem) {
  const int32_t n = 3000;
  std::vector<int32_t> slot(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i)
    slot[static_cast<size_t>(i)] = i;
  std::vector<Keys> records(static_cast<size_t>(n));
  for (int32_t m = n; m >= 1; --m) {
    size_t middle = static_cast<size_t>((m - 1) / 2);
    records[static_cast<size_t>(slot[middle])][0] = m;
    std::swap(slot[middle], slot[static_cast<size_t>(m - 1)]);
  }
  const auto top = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
  uintptr_t deepest = top;
  YieldingList list(records);
  list.DoASingleSort(list.Comparer([&] {
    deepest = std::min(deepest, reinterpret_cast<uintptr_t>(__builtin_frame_address(0)));
  }),
                     0);
  EXPECT_LT(top - deepest, 64u * 1024u);
  for (int32_t i = 0; i < n; ++i)
    ASSERT_EQ(list.Contents()[static_cast<size_t>(i)][0], i + 1);
}

TEST(ThreeKeySort, SortRequestedFromTheYieldHookIsIgnored) {
  std::vector<Keys> records, others = {{3}, {1}, {2}};
  for (int32_t i = 300; i > 0; --i)
    records.push_back({i % 7, i, 0});
  YieldingList list(records), other(others);
  bool nested_changed_nothing = true, busy_seen = true;
  CountingHook hook([&] {
    auto before = list.Contents();
    list.DoASingleSort(list.Comparer(), 1);
    list.DoADoubleSort(list.Comparer(), 1, 0);
    list.DoATrebleSort(list.Comparer(), 1, 0, 2, 0, 10);
    nested_changed_nothing = nested_changed_nothing && list.Contents() == before;
    busy_seen = busy_seen && list.BusySorting;
    other.DoASingleSort(other.Comparer(), 0); // another list is not busy
  });
  list.DoADoubleSort(list.Comparer(), 0, 1);
  EXPECT_GT(hook.Calls(), 0);
  EXPECT_TRUE(nested_changed_nothing);
  EXPECT_TRUE(busy_seen);
  EXPECT_FALSE(list.BusySorting);
  EXPECT_EQ(Project(list.Contents(), {0, 1}), SortedKeys(records, {0, 1}));
  EXPECT_EQ(other.Contents(), (std::vector<Keys>{{1}, {2}, {3}}));
}

// A comparison that throws, early in the first pass or later in a tie-break pass, must leave
// the list whole, not busy, with the yield hook in place, and ready to sort again; the
// non-yielding list must keep the hook silent while it sorts.
template <typename List>
void SortAfterAFailedComparison(const std::vector<Keys> &original, const std::vector<int32_t> &vars,
                                int throw_at) {
  std::vector<Keys> records = original;
  List list(records);
  int calls = 0;
  CountingHook hook;
  auto failing = list.Comparer([&] {
    if (++calls == throw_at)
      throw std::runtime_error("comparison failed");
  });
  EXPECT_THROW(SortBy(list, failing, vars), std::runtime_error);
  EXPECT_FALSE(list.BusySorting);
  const int before = hook.Calls();
  MyYieldProcess();
  EXPECT_EQ(hook.Calls(), before + 1);
  std::vector<Keys> now = list.Contents(), expected = original;
  std::sort(now.begin(), now.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(now, expected);
  SortBy(list, list.Comparer(), vars);
  EXPECT_EQ(Project(list.Contents(), vars), SortedKeys(original, vars));
  const bool silent = std::is_base_of_v<T3SortNonYieldingList, List>;
  EXPECT_EQ(hook.Calls() == before + 1, silent);
}

TEST(ThreeKeySort, ComparisonThatThrowsLeavesTheListUsable) {
  std::vector<Keys> original;
  for (int32_t i = 0; i < 100; ++i)
    original.push_back({i % 3, (i * 7) % 5, 100 - i});
  // About 650 comparisons sort the first key, the second key's runs end near 1300.
  const struct {
    size_t keys;
    int throw_at;
  } cases[] = {{1, 3}, {1, 400}, {2, 700}, {3, 700}, {3, 1500}};
  for (const auto &c : cases) {
    std::vector<int32_t> vars = {0, 1, 2};
    vars.resize(c.keys);
    SCOPED_TRACE(::testing::Message() << "keys " << c.keys << " throw at " << c.throw_at);
    SortAfterAFailedComparison<YieldingList>(original, vars, c.throw_at);
    SortAfterAFailedComparison<NonYieldingList>(original, vars, c.throw_at);
  }
}

TEST(ThreeKeySort, YieldHookThatEmptiesTheListStopsTheSortWithAListError) {
  std::vector<Keys> records;
  for (int32_t i = 50; i > 0; --i)
    records.push_back({i});
  YieldingList list(records);
  CountingHook hook([&] { list.Clear(); });
  EXPECT_THROW(list.DoASingleSort(list.Comparer(), 0), EListError);
  EXPECT_FALSE(list.BusySorting);
}

TEST(ThreeKeySort, ToggleAndAscendingSwappedFollowTheLevelFlags) {
  std::vector<Keys> none;
  YieldingList list(none);
  EXPECT_TRUE(list.ToggledMainSortAscending());
  EXPECT_FALSE(list.ToggledMainSortAscending());
  list.SetSortToAscend(sort_second_sort, true);
  const struct {
    Tsort_num level;
    int32_t value, expected;
  } cases[] = {{sort_first_sort, 5, 5},
               {sort_second_sort, 5, -5},
               {sort_second_sort, INT32_MIN, INT32_MAX},
               {sort_third_sort, -4, -4}};
  for (const auto &c : cases) {
    list.current_sort_rec.current_sort_doing = c.level;
    EXPECT_EQ(list.AscendingSwapped(c.value), c.expected) << c.value;
  }
}

} // namespace
} // namespace textcore
