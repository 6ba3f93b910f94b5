// The base lists loading records from untrusted bytes: whatever loads saves again and reloads to
// the same records. The first byte chooses the list (even: TUsefulBaseList, odd: the sorting
// list, which has the sorted byte); the rest is the stream.
#include "fuzz/fuzz_check.h"
#include "platform/exceptions.h"
#include "tests/lists/sample_record.h"

#include <cstdint>
#include <memory>

using namespace textcore;
using testsupport::TSampleRecord;
using testsupport::TSampleSortedList;

namespace {

std::unique_ptr<TUsefulBaseList> NewList(bool sorts) {
  if (sorts)
    return std::make_unique<TSampleSortedList>();
  return std::make_unique<TUsefulBaseList>(TUsefulBaseListObjectClass::Of<TSampleRecord>());
}

const TSampleRecord &RecordAt(const TUsefulBaseList &list, int32_t i) {
  return *static_cast<const TSampleRecord *>(list.Items(i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0)
    return 0;
  const bool sorts = (data[0] & 1) != 0;
  TMemoryStream input;
  input.WriteBuffer(data + 1, static_cast<int64_t>(size - 1));
  input.SetPosition(0);
  auto list = NewList(sorts);
  try {
    list->ReadFromStream(input);
  } catch (const EReadError &) {
    // a record's string length was damaged; what was appended stays
  }
  FUZZ_CHECK(list->Count() <= static_cast<int64_t>(size) + TUsefulBaseList::kUnbackedRecords);

  TMemoryStream saved;
  FUZZ_CHECK(list->SaveToStream(saved));
  saved.SetPosition(0);
  auto reloaded = NewList(sorts);
  FUZZ_CHECK(reloaded->ReadFromStream(saved));
  FUZZ_CHECK(saved.Position() == saved.Size());
  FUZZ_CHECK(reloaded->Count() == list->Count());
  for (int32_t i = 0; i < list->Count(); ++i) {
    FUZZ_CHECK(RecordAt(*reloaded, i).value == RecordAt(*list, i).value);
    FUZZ_CHECK(RecordAt(*reloaded, i).label == RecordAt(*list, i).label);
  }
  if (sorts) {
    auto &sorted_list = static_cast<TSampleSortedList &>(*reloaded);
    FUZZ_CHECK(sorted_list.sorted == static_cast<TSampleSortedList &>(*list).sorted);
    sorted_list.Sort(TSampleSortedList::ByValue);
    sorted_list.RemoveDuplicates();
    for (int32_t i = 1; i < sorted_list.Count(); ++i)
      FUZZ_CHECK(sorted_list.Value(i - 1) < sorted_list.Value(i));
  }
  return 0;
}
