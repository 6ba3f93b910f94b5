// The saved bytes of every typed list kind, reloading them (into an empty list, and appended to
// one that holds records), and the kinds whose records have no bytes coming back blank.
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
};

template <typename List, typename Add> Kind Make(const char *name, Add add, Bytes saved) {
  return {name,
          [add] {
            auto l = std::make_unique<List>();
            add(*l);
            return l;
          },
          std::move(saved)};
}

std::vector<Kind> Kinds() {
  const Bytes sorted{1}, unsorted{0}, two = LE<int32_t>(2);
  auto longints = [](auto &l) {
    l.AddOne(7);
    l.AddOne(-2);
    l.SortAscendingDefault();
  };
  return {
      Make<TQMLongintList>("TQMLongintList", longints,
                           two + sorted + LE<int32_t>(-2) + LE<int32_t>(7)),
      Make<TCardinalList>("TCardinalList", longints,
                          two + sorted + LE<int32_t>(7) + LE<int32_t>(-2)),
      Make<TQMInt64List>("TQMInt64List", longints, two + sorted + LE<int64_t>(-2) + LE<int64_t>(7)),
      Make<TIntegerAndSingleList>(
          "TIntegerAndSingleList",
          [](auto &l) {
            l.AddOne({3, 0.5f});
            l.AddOne({-4, 2.0f});
          },
          two + unsorted + LE<int32_t>(3) + LE<float>(0.5f) + LE<int32_t>(-4) + LE<float>(2.0f)),
      Make<TCardinalAndFreqList>(
          "TCardinalAndFreqList",
          [](auto &l) {
            l.AddOneOrIncFreq({9, 4});
            l.AddOneOrIncFreq({2, 6});
          },
          two + unsorted + LE<uint32_t>(9) + LE<int32_t>(4) + LE<uint32_t>(2) + LE<int32_t>(6)),
      Make<TIntegerAnd3CardinalsList>(
          "TIntegerAnd3CardinalsList",
          [](auto &l) {
            l.AddOne({-1, {1, 2, 3}});
            l.AddOne({5, {6, 7, 8}});
          },
          two + LE<int32_t>(-1) + LE<uint32_t>(1) + LE<uint32_t>(2) + LE<uint32_t>(3) +
              LE<int32_t>(5) + LE<uint32_t>(6) + LE<uint32_t>(7) + LE<uint32_t>(8)),
      Make<T2StringsAnd2IntegersList>(
          "T2StringsAnd2IntegersList",
          [](auto &l) {
            l.AddOne({1, 2, u"ab", u""});
            l.AddOne({3, 4, u"", u"c"});
          },
          two + LE<int32_t>(1) + LE<int32_t>(2) + Str("ab") + Str("") + LE<int32_t>(3) +
              LE<int32_t>(4) + Str("") + Str("c")),
      Make<TStringColumnAndColourList>(
          "TStringColumnAndColourList",
          [](auto &l) {
            l.AddOne({4, 0x00FF00, u"xyz"});
            l.AddOne({-1, 0, u""});
          },
          two + LE<int32_t>(4) + LE<int32_t>(0x00FF00) + Str("xyz") + LE<int32_t>(-1) +
              LE<int32_t>(0) + Str("")),
      // Records without bytes: the count (and sorted byte) alone.
      Make<TDoubleLongIntList>(
          "TDoubleLongIntList",
          [](auto &l) {
            l.AddOne({5, 6});
            l.AddOne({7, 8});
            l.SortDefault(true);
          },
          two + sorted),
      Make<TWordFreqAndSourceNumList>(
          "TWordFreqAndSourceNumList",
          [](auto &l) {
            l.AddOne({u"w", 3, 1});
            l.AddOne({u"v", 2, 1});
          },
          two + unsorted),
      Make<TDoublePointerList>(
          "TDoublePointerList",
          [](auto &l) {
            l.AddOne({&l, &l});
            l.AddOne({nullptr, &l});
          },
          two),
  };
}

Bytes SavedBytes(TUsefulBaseList &list) {
  TMemoryStream saved;
  EXPECT_TRUE(list.SaveToStream(saved));
  return Contents(saved);
}

// Reloading gives the records back: saving the reloaded list gives the same bytes. Appending to a
// list that holds the same records doubles them, and two runs in order are not one.
TEST(TypedListSavedForms, SaveExactBytesAndReloadIntoEmptyAndNonEmptyLists) {
  for (const Kind &kind : Kinds()) {
    SCOPED_TRACE(kind.name);
    auto list = kind.make();
    EXPECT_EQ(SavedBytes(*list), kind.saved);

    TMemoryStream stream;
    LoadInto(stream, kind.saved);
    auto reloaded = kind.make();
    reloaded->Clear();
    ASSERT_TRUE(reloaded->ReadFromStream(stream));
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_EQ(SavedBytes(*reloaded), kind.saved);

    stream.SetPosition(0);
    ASSERT_TRUE(list->ReadFromStream(stream));
    EXPECT_EQ(list->Count(), 4);
    if (auto *sorts = dynamic_cast<TUsefulBaseListSorts *>(list.get())) {
      EXPECT_FALSE(sorts->sorted);
    }
  }
}

TEST(TypedListSavedForms, RecordsWithoutBytesReloadBlank) {
  TMemoryStream stream;
  LoadInto(stream, LE<int32_t>(1) + Bytes{1});
  TDoubleLongIntList pairs;
  ASSERT_TRUE(pairs.ReadFromStream(stream));
  EXPECT_TRUE(pairs.sorted);
  EXPECT_EQ(pairs.GetADouble(0).long1, 0);
  EXPECT_EQ(pairs.GetADouble(0).long2, 0);

  stream.SetPosition(0);
  TWordFreqAndSourceNumList words;
  ASSERT_TRUE(words.ReadFromStream(stream));
  EXPECT_TRUE(words.GetOne(0).w.empty());

  // More blank records than a list with bytes could leave unbacked: the count is all there is.
  LoadInto(stream, LE<int32_t>(70000));
  TDoublePointerList pointers;
  ASSERT_TRUE(pointers.ReadFromStream(stream));
  EXPECT_EQ(pointers.Count(), 70000);
  LoadInto(stream, LE<int32_t>(TDoublePointerList::kMaxBlankRecords + 1));
  EXPECT_FALSE(pointers.ReadFromStream(stream));
  // Bytes after the count never raise the bound, and a load that adds to a list stops at it
  // too: whatever such a list loaded, it saves again.
  LoadInto(stream,
           LE<int32_t>(TDoublePointerList::kMaxBlankRecords + 2) + Bytes{0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_FALSE(TDoublePointerList().ReadFromStream(stream));
  LoadInto(stream, LE<int32_t>(TDoublePointerList::kMaxBlankRecords - 69999));
  EXPECT_FALSE(pointers.ReadFromStream(stream));
  TMemoryStream saved;
  EXPECT_TRUE(pointers.SaveToStream(saved));
  TDoublePointer p{&p, &p};
  pointers.GetADoublePointer(0, p);
  EXPECT_EQ(p.p1, nullptr);
}

} // namespace
