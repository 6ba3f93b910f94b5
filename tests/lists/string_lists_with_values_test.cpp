// The string lists that carry values and save themselves: values by position, sorting highest
// first, the saved bytes of TMySaveStringList and TSmallintList, and their damaged streams.
#include "lists/my_save_string_list.h"
#include "lists/smallint_list.h"
#include "lists/string_lists_with_values.h"
#include "platform/exceptions.h"
#include "tests/lists/typed_list_bytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace textcore;
using namespace testsupport;

// Adds "a", "b", "c" with the keys 2, 9, 5 (as Make gives them), sorts, and returns the strings.
template <typename List, typename MakeValue, typename Sort>
String SortedOrder(MakeValue make, Sort sort) {
  List list;
  list.AddOne(u"a", make(2));
  list.AddOne(u"b", make(9));
  list.AddOne(u"c", make(5));
  sort(list);
  return list.Strings(0) + list.Strings(1) + list.Strings(2);
}

TEST(StringListsWithValues, SortHighestFirstOnTheirValue) {
  EXPECT_EQ(SortedOrder<TStringListWithALongint>([](int v) { return v; },
                                                 [](auto &l) { l.SortOnFreq(); }),
            u"bca");
  EXPECT_EQ(SortedOrder<TStringListWithASingle>([](int v) { return v / 4.0f; },
                                                [](auto &l) { l.SortOnFreq(); }),
            u"bca");
  EXPECT_EQ(SortedOrder<TStringListWithIntAndSingle>(
                [](int v) {
                  return TIntegerAndSingleRec{-v, float(v)};
                },
                [](auto &l) { l.SortOnSingle(); }),
            u"bca");
  EXPECT_EQ(SortedOrder<TStringListWithDoubleLongintList>(
                [](int v) {
                  return Tdouble_longint_rec{v, -v};
                },
                [](auto &l) { l.SortOnFreq(); }),
            u"bca");

  TStringListWithFreqPointers pointers;
  for (int32_t f : {2, -9, 5})
    pointers.AddObject(u"x" + IntToStr(f), TStringListWithFreqPointers::FreqAsObject(f));
  pointers.SortOnFreq();
  EXPECT_EQ(pointers.FreqOf(0), 5);
  EXPECT_EQ(pointers.FreqOf(2), -9);
}

TEST(StringListsWithValues, ValuesByPositionAreGuardedAndOwned) {
  TStringListWithIntAndSingle list;
  list.AddOne(u"w", {3, 1.5f});
  list.Add(u"no holder");
  list.SetOne(0, {4, 2.5f});
  list.SetOne(1, {5, 0.5f}); // gets a holder of its own
  list.SetOne(2, {6, 6.0f}); // out of range: nothing
  EXPECT_EQ(list.GetOne(0).int_, 4);
  EXPECT_EQ(list.GetOne(1).s, 0.5f);
  EXPECT_EQ(list.GetOne(-1).int_, 0);
  EXPECT_EQ(list.GetOne(2).s, 0.0f);
  list.Delete(0); // frees its holder (the sanitizer run checks)
  EXPECT_EQ(list.GetOne(0).int_, 5);
}

TEST(MySaveStringList, SavesExactBytesWithOrWithoutObjects) {
  struct Case {
    bool objects;
    Bytes saved;
  };
  const std::vector<Case> cases = {
      {true, LE<int32_t>(2) + LE<int32_t>(7) + Str("a") + LE<int32_t>(0) + Str("")},
      {false, LE<int32_t>(2) + Str("a") + Str("")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.objects);
    TMySaveStringList list(c.objects);
    list.AddObject(u"a", reinterpret_cast<TObject *>(intptr_t{7}));
    list.Add(u"");
    TMemoryStream saved;
    list.SaveToStream(saved);
    EXPECT_EQ(Contents(saved), c.saved);

    saved.SetPosition(0);
    list.LoadFromStream(saved); // appends
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Strings(2), u"a");
    EXPECT_EQ(list.Objects(2), c.objects ? list.Objects(0) : nullptr);
  }
}

TEST(MySaveStringList, DamagedStreamRaisesAndAddsNothing) {
  const std::vector<Bytes> damaged = {
      LE<int32_t>(-1),
      Bytes{2, 0},
      LE<int32_t>(2) + LE<int32_t>(7) + Str("a") + LE<int32_t>(0), // second string missing
      LE<int32_t>(1) + LE<int32_t>(0) + LE<int32_t>(-3),           // negative string length
      LE<int32_t>(INT32_MAX) + LE<int32_t>(0) + Str("a"),          // hostile count
  };
  for (const Bytes &bytes : damaged) {
    TMySaveStringList list(true);
    list.Add(u"kept");
    TMemoryStream stream;
    LoadInto(stream, bytes);
    EXPECT_THROW(list.LoadFromStream(stream), EReadError);
    EXPECT_EQ(list.Count(), 1);
  }
}

TEST(SmallintList, StreamsBareValuesAndRefusesCountsItCannotHonour) {
  TSmallintList list;
  list.AddOne(-2);
  list.AddOne(0x1234);
  TMemoryStream saved;
  ASSERT_TRUE(list.SaveToStream(saved));
  EXPECT_EQ(Contents(saved), (Bytes{0xFE, 0xFF, 0x34, 0x12}));

  struct Case {
    int32_t n;
    bool result;
    int32_t appended;
  };
  const std::vector<Case> cases = {
      {2, true, 2}, {0, true, 0}, {3, false, 2}, {-1, false, 0}, {65537, false, 0}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.n);
    TSmallintList loaded;
    saved.SetPosition(0);
    EXPECT_EQ(loaded.ReadFromStream(c.n, saved), c.result);
    ASSERT_EQ(loaded.Count(), c.appended);
    if (c.appended > 0) {
      EXPECT_EQ(loaded.GetOne(0), -2);
    }
  }
}

} // namespace
