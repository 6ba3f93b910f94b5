// The base lists' saved form byte for byte, appending loads, damaged and hostile counts, what the
// lists free, and removing duplicates.
#include "lists/useful_base_list_sorts.h"
#include "platform/exceptions.h"
#include "support/temp_folder.h"
#include "tests/lists/sample_record.h"

#include "support/stream_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

using namespace textcore;
using testsupport::TSampleRecord;
using testsupport::TSampleSortedList;
using namespace testsupport;

// A sample record's bytes: the value, then the label as a string of one-byte characters.
Bytes Record(int32_t value, const std::string &label) {
  Bytes b = Int32(value) + Int32(static_cast<int32_t>(label.size()));
  for (char c : label)
    b = b + Bytes{static_cast<uint8_t>(c), 0};
  return b;
}

std::unique_ptr<TUsefulBaseList> NewList(bool sorts) {
  if (sorts)
    return std::make_unique<TSampleSortedList>();
  return std::make_unique<TUsefulBaseList>(TUsefulBaseListObjectClass::Of<TSampleRecord>());
}

void AddRecord(TUsefulBaseList &list, int32_t value, const char16_t *label = u"") {
  list.Add(new TSampleRecord(value, label));
}

int32_t ValueAt(TUsefulBaseList &list, int32_t i) {
  return static_cast<TSampleRecord *>(list.Items(i))->value;
}

TEST(UsefulBaseList, SavesExactBytesAndReadsThemBack) {
  struct Case {
    bool sorts;
    bool sort_first;
    std::vector<int32_t> values;
    Bytes expected;
  };
  const std::vector<Case> cases = {
      {false, false, {}, Int32(0)},
      {true, false, {}, Int32(0) + Bytes{0}},
      {true, true, {}, Int32(0) + Bytes{1}},
      {false, false, {7, -1}, Int32(2) + Record(7, "a") + Record(-1, "a")},
      {true, true, {7, -1}, Int32(2) + Bytes{1} + Record(-1, "a") + Record(7, "a")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "sorts " << c.sorts << ", " << c.values.size());
    auto list = NewList(c.sorts);
    for (int32_t v : c.values)
      AddRecord(*list, v, u"a");
    if (c.sort_first)
      static_cast<TSampleSortedList &>(*list).Sort(TSampleSortedList::ByValue);
    TMemoryStream saved;
    ASSERT_TRUE(list->SaveToStream(saved));
    EXPECT_EQ(Contents(saved), c.expected);

    auto reloaded = NewList(c.sorts);
    saved.SetPosition(0);
    ASSERT_TRUE(reloaded->ReadFromStream(saved));
    EXPECT_EQ(saved.Position(), saved.Size());
    ASSERT_EQ(reloaded->Count(), list->Count());
    for (int32_t i = 0; i < list->Count(); ++i)
      EXPECT_EQ(ValueAt(*reloaded, i), ValueAt(*list, i));
    if (c.sorts) {
      EXPECT_EQ(static_cast<TSampleSortedList &>(*reloaded).sorted, c.sort_first);
    }
  }
}

TEST(UsefulBaseList, LoadingAppendsAndOnlyAnEmptyListTakesTheSortedFlag) {
  TSampleSortedList source;
  AddRecord(source, 2);
  AddRecord(source, 3);
  source.Sort(TSampleSortedList::ByValue);
  TMemoryStream saved;
  ASSERT_TRUE(source.SaveToStream(saved));

  TSampleSortedList list;
  AddRecord(list, 9);
  list.Sort(TSampleSortedList::ByValue);
  saved.SetPosition(0);
  ASSERT_TRUE(list.ReadFromStream(saved));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(ValueAt(list, 0), 9);
  EXPECT_EQ(ValueAt(list, 2), 3);
  EXPECT_FALSE(list.sorted); // 9, 2, 3 is not in order

  TMemoryStream no_records = StreamOf(Int32(0) + Bytes{0});
  list.Sort(TSampleSortedList::ByValue);
  ASSERT_TRUE(list.ReadFromStream(no_records));
  EXPECT_TRUE(list.sorted); // nothing appended, nothing out of order
}

// What a damaged or hostile stream leaves: the result, and how many records were appended.
TEST(UsefulBaseList, DamagedAndHostileCountsLoadOnlyWhatTheStreamCouldHold) {
  const int32_t bound = TUsefulBaseList::kUnbackedRecords;
  const Bytes one = Record(5, "ab"); // 12 bytes
  struct Case {
    const char *what;
    bool sorts;
    Bytes bytes;
    bool result;
    int32_t appended;
  };
  const std::vector<Case> cases = {
      {"count of 3, one record", false, Int32(3) + one, false, 3},
      {"count of 3, one record, sorted", true, Int32(3) + Bytes{1} + one, false, 3},
      {"count of 0", false, Int32(0), true, 0},
      {"negative count", false, Int32(-1) + one, false, 0},
      {"hostile count", false, Int32(INT32_MAX) + one, false, 0},
      {"count at the bound", false, Int32(12 + bound) + one, false, 12 + bound},
      {"count past the bound", false, Int32(13 + bound) + one, false, 0},
      {"count cut short", false, Bytes{1, 0}, false, 0},
      {"sorted byte missing", true, Int32(0), false, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    auto list = NewList(c.sorts);
    AddRecord(*list, 1);
    TMemoryStream stream = StreamOf(c.bytes);
    EXPECT_EQ(list->ReadFromStream(stream), c.result);
    ASSERT_EQ(list->Count(), 1 + c.appended);
    for (int32_t i = 2; i < list->Count(); ++i) // after the one record, only blanks
      ASSERT_EQ(ValueAt(*list, i), 0);
    if (c.sorts) {
      EXPECT_FALSE(static_cast<TSampleSortedList &>(*list).sorted);
    }
  }

  // A record whose string length is damaged raises the read error; what was appended stays.
  auto list = NewList(false);
  TMemoryStream bad_string = StreamOf(Int32(2) + Int32(5) + Int32(-7));
  EXPECT_THROW(list->ReadFromStream(bad_string), EReadError);
  EXPECT_EQ(list->Count(), 1);
}

TEST(UsefulBaseList, StreamOfUnknownSizeRefusesHugeCounts) {
  auto list = NewList(false);
  PipeStream hostile(Int32(TUsefulBaseList::kMaxUnsizedRecords + 1) + Record(4, "x"));
  EXPECT_FALSE(list->ReadFromStream(hostile));
  EXPECT_EQ(list->Count(), 0);
}

TEST(UsefulBaseList, FreesWhatItOwnsAndLeavesNoDanglingSlot) {
  const int32_t before = TSampleRecord::live;
  {
    TSampleSortedList list;
    for (int32_t v : {3, 1, 2})
      AddRecord(list, v);
    list.Sort(TSampleSortedList::ByValue);
    list.Delete(0);
    EXPECT_EQ(TSampleRecord::live, before + 2);
    list.FreeOne(0);
    EXPECT_EQ(list.Items(0), nullptr);
    EXPECT_EQ(TSampleRecord::live, before + 1);

    // An empty slot fails the save instead of writing a record that is not there.
    TMemoryStream stream;
    EXPECT_FALSE(list.SaveToStream(stream));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.sorted);
    AddRecord(list, 8);
  }
  EXPECT_EQ(TSampleRecord::live, before);
}

TEST(UsefulBaseList, RemoveDuplicatesKeepsTheFirstOfEachRunOfEqualNeighbours) {
  struct Case {
    std::vector<int32_t> values, kept;
  };
  const std::vector<Case> cases = {
      {{1, 1, 2, 2, 2, 3}, {1, 2, 3}}, {{1, 2, 1}, {1, 2, 1}}, {{5, 5, 5}, {5}}, {{}, {}}};
  for (const Case &c : cases) {
    const int32_t before = TSampleRecord::live;
    TSampleSortedList list;
    for (int32_t v : c.values)
      AddRecord(list, v);
    list.RemoveDuplicates();
    std::vector<int32_t> kept;
    for (int32_t i = 0; i < list.Count(); ++i)
      kept.push_back(list.Value(i));
    EXPECT_EQ(kept, c.kept);
    EXPECT_EQ(TSampleRecord::live, before + static_cast<int32_t>(c.kept.size()));
  }
}

TEST(UsefulBaseList, FileRoundTripAndAFailedSaveKeepsTheOldFile) {
  testsupport::TempFolder folder;
  const String name = UTF8ToString(folder.File("list.dat"));
  TSampleSortedList list;
  AddRecord(list, 42, u"word");
  ASSERT_TRUE(list.SaveToFile(name));

  TSampleSortedList loaded;
  ASSERT_TRUE(loaded.LoadFromFile(name));
  ASSERT_EQ(loaded.Count(), 1);
  EXPECT_EQ(loaded.Value(0), 42);

  list.FreeOne(0); // an empty slot cannot be saved
  EXPECT_FALSE(list.SaveToFile(name));
  EXPECT_EQ(std::filesystem::file_size(folder.File("list.dat")), 4u + 1 + 4 + 4 + 8);
  EXPECT_THROW(loaded.LoadFromFile(UTF8ToString(folder.File("missing.dat"))), EFOpenError);
}

} // namespace
