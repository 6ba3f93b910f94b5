// The saved bytes of every typed list kind, what reloading them gives, and loading into a list
// that already holds records.
#include "lists/qm_longint_list.h"
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

std::vector<Kind> Kinds() {
  return {
      {"TQMLongintList",
       [] {
         auto l = std::make_unique<TQMLongintList>();
         l->AddOne(-2);
         l->AddOne(7);
         l->SortAscendingDefault();
         return l;
       },
       LE<int32_t>(2) + Bytes{1} + LE<int32_t>(-2) + LE<int32_t>(7),
       [](TUsefulBaseList &l, int32_t i) {
         auto &list = As<TQMLongintList>(l);
         return std::vector<int64_t>{list.GetAValue(i), list.GetAValue(i + 1)};
       },
       {-2, 7}},
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
