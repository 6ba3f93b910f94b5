// The saved bytes of every typed list kind, what reloading them gives, and loading into a list
// that already holds records.
#include "lists/cardinal_and_freq_list.h"
#include "lists/cardinal_list.h"
#include "lists/double_longint_list.h"
#include "lists/double_pointer_list.h"
#include "lists/integer_and_3_cardinals_list.h"
#include "lists/integer_and_single_list.h"
#include "lists/qm_int64_list.h"
#include "lists/qm_longint_list.h"
#include "lists/string_column_and_colour_list.h"
#include "lists/two_strings_and_two_integers_list.h"
#include "lists/word_freq_and_source_num_list.h"
#include "tests/lists/typed_list_bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace textcore;
using namespace testsupport;

struct Kind {
  const char *name;
  std::function<std::unique_ptr<TUsefulBaseList>()> make; // a list holding two records
  Bytes saved;
  // What the two records from position `from` show: their values, or blanks for the kinds
  // whose records have no bytes.
  std::function<std::vector<int64_t>(TUsefulBaseList &, int32_t from)> values;
  std::vector<int64_t> reloaded;
};

template <typename List> List &As(TUsefulBaseList &list) { return static_cast<List &>(list); }

// A kind whose two records are added by Add and read back by Get, as int64 values.
template <typename List, typename Add, typename Get>
Kind Make(const char *name, Add add, Bytes saved, Get get, std::vector<int64_t> reloaded) {
  return {name,
          [add] {
            auto l = std::make_unique<List>();
            add(*l);
            return l;
          },
          std::move(saved),
          [get](TUsefulBaseList &l, int32_t i) {
            auto &list = As<List>(l);
            return std::vector<int64_t>{get(list, i), get(list, i + 1)};
          },
          std::move(reloaded)};
}

std::vector<Kind> Kinds() {
  const Bytes sorted{1}, unsorted{0}, two = LE<int32_t>(2);
  return {
      Make<TQMLongintList>(
          "TQMLongintList",
          [](auto &l) {
            l.AddOne(7);
            l.AddOne(-2);
            l.SortAscendingDefault();
          },
          two + sorted + LE<int32_t>(-2) + LE<int32_t>(7),
          [](auto &l, int32_t i) { return l.GetAValue(i); }, {-2, 7}),
      Make<TCardinalList>(
          "TCardinalList",
          [](auto &l) {
            l.AddOne(0xFFFFFFFFu);
            l.AddOne(1);
          },
          two + unsorted + LE<uint32_t>(0xFFFFFFFFu) + LE<uint32_t>(1),
          [](auto &l, int32_t i) { return l.GetAValue(i); }, {0xFFFFFFFFll, 1}),
      Make<TQMInt64List>(
          "TQMInt64List",
          [](auto &l) {
            l.AddOne(INT64_MIN);
            l.AddOne(5);
          },
          two + unsorted + LE<int64_t>(INT64_MIN) + LE<int64_t>(5),
          [](auto &l, int32_t i) { return l.GetAValue(i); }, {INT64_MIN, 5}),
      Make<TIntegerAndSingleList>(
          "TIntegerAndSingleList",
          [](auto &l) {
            l.AddOne({3, 0.5f});
            l.AddOne({-4, 2.0f});
          },
          two + unsorted + LE<int32_t>(3) + LE<float>(0.5f) + LE<int32_t>(-4) + LE<float>(2.0f),
          [](auto &l, int32_t i) { return l.GetOne(i).int_ * 10 + int64_t(l.GetOne(i).s * 2); },
          {31, -36}),
      Make<TCardinalAndFreqList>(
          "TCardinalAndFreqList",
          [](auto &l) {
            l.AddOneOrIncFreq({9, 4});
            l.AddOneOrIncFreq({2, 6});
          },
          two + unsorted + LE<uint32_t>(9) + LE<int32_t>(4) + LE<uint32_t>(2) + LE<int32_t>(6),
          [](auto &l, int32_t i) { return l.GetACardAndFreq(i).c * 100 + l.GetACardAndFreq(i).f; },
          {904, 206}),
      Make<TIntegerAnd3CardinalsList>(
          "TIntegerAnd3CardinalsList",
          [](auto &l) {
            l.AddOne({-1, {1, 2, 3}});
            l.AddOne({5, {6, 7, 8}});
          },
          two + LE<int32_t>(-1) + LE<uint32_t>(1) + LE<uint32_t>(2) + LE<uint32_t>(3) +
              LE<int32_t>(5) + LE<uint32_t>(6) + LE<uint32_t>(7) + LE<uint32_t>(8),
          [](auto &l, int32_t i) {
            TIntegerAnd3CardinalsRec r;
            l.GetAValue(i, r);
            return int64_t{r.freq} * 1000 + r.value.card1 * 100 + r.value.card2 * 10 +
                   r.value.card3;
          },
          {-877, 5678}),
      Make<T2StringsAnd2IntegersList>(
          "T2StringsAnd2IntegersList",
          [](auto &l) {
            l.AddOne({1, 2, u"ab", u""});
            l.AddOne({3, 4, u"", u"c"});
          },
          two + LE<int32_t>(1) + LE<int32_t>(2) + Str("ab") + Str("") + LE<int32_t>(3) +
              LE<int32_t>(4) + Str("") + Str("c"),
          [](auto &l, int32_t i) {
            auto r = l.GetTwoStringsAndInt(i);
            return int64_t{r.int1} * 1000 + r.int2 * 100 + int64_t(r.s1.size()) * 10 +
                   int64_t(r.s2.size());
          },
          {1220, 3401}),
      Make<TStringColumnAndColourList>(
          "TStringColumnAndColourList",
          [](auto &l) {
            l.AddOne({4, 0x00FF00, u"xyz"});
            l.AddOne({-1, 0, u""});
          },
          two + LE<int32_t>(4) + LE<int32_t>(0x00FF00) + Str("xyz") + LE<int32_t>(-1) +
              LE<int32_t>(0) + Str(""),
          [](auto &l, int32_t i) {
            return int64_t{l.GetAColumn(i)} * 100'000'000 + l.GetABackgroundColour(i) * 10 +
                   int64_t(l.GetAString(i).size());
          },
          {400'000'000 + 0x00FF00 * 10 + 3, -100'000'000}),
      // The kinds whose records have no bytes: the count (and sorted byte), and blanks back.
      Make<TDoubleLongIntList>(
          "TDoubleLongIntList",
          [](auto &l) {
            l.AddOne({5, 6});
            l.AddOne({7, 8});
            l.SortDefault(true);
          },
          two + sorted,
          [](auto &l, int32_t i) { return l.GetADouble(i).long1 * 10 + l.GetADouble(i).long2; },
          {0, 0}),
      Make<TWordFreqAndSourceNumList>(
          "TWordFreqAndSourceNumList",
          [](auto &l) {
            l.AddOne({u"w", 3, 1});
            l.AddOne({u"v", 2, 1});
          },
          two + unsorted,
          [](auto &l, int32_t i) { return int64_t(l.GetOne(i).w.size()) + l.GetOne(i).f; }, {0, 0}),
      Make<TDoublePointerList>(
          "TDoublePointerList",
          [](auto &l) {
            static int x;
            l.AddOne({&x, &x});
            l.AddOne({nullptr, &x});
          },
          two,
          [](auto &l, int32_t i) {
            TDoublePointer p{&p, &p};
            l.GetADoublePointer(i, p);
            return int64_t{p.p1 != nullptr} + (p.p2 != nullptr);
          },
          {0, 0}),
  };
}

TEST(TypedListSavedForms, SaveExactBytesAndReloadThem) {
  for (const Kind &kind : Kinds()) {
    SCOPED_TRACE(kind.name);
    auto list = kind.make();
    TMemoryStream saved;
    ASSERT_TRUE(list->SaveToStream(saved));
    EXPECT_EQ(Contents(saved), kind.saved);

    auto reloaded = kind.make();
    reloaded->Clear();
    saved.SetPosition(0);
    ASSERT_TRUE(reloaded->ReadFromStream(saved));
    EXPECT_EQ(saved.Position(), saved.Size());
    EXPECT_EQ(kind.values(*reloaded, 0), kind.reloaded);
  }
}

TEST(TypedListSavedForms, LoadingIntoANonEmptyListAppends) {
  for (const Kind &kind : Kinds()) {
    SCOPED_TRACE(kind.name);
    TMemoryStream saved;
    LoadInto(saved, kind.saved);
    auto list = kind.make();
    ASSERT_TRUE(list->ReadFromStream(saved));
    ASSERT_EQ(list->Count(), 4);
    EXPECT_EQ(kind.values(*list, 2), kind.reloaded);
    if (auto *sorts = dynamic_cast<TUsefulBaseListSorts *>(list.get())) {
      EXPECT_FALSE(sorts->sorted); // two runs in order are not one
    }
  }
}

} // namespace
