// TQMInt64List: 64-bit signed values, appended or, once sorted, inserted in order, found by
// binary search and saved as 8 bytes each after the count and the sorted byte.
#pragma once

#include "lists/list_comparisons.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

class TQMInt64List : public TKeyedRecordList<TInt64Holder, TPlainKey<int64_t, CompareInt64s>> {
public:
  TQMInt64List() = default;

  // Appends, or in a sorted list inserts in order (an equal value goes before the one found).
  void AddOne(int64_t Value) {
    if (sorted)
      InsertInOrder(Value);
    else
      Append(Value);
  }
  // Binary search of a sorted list: a position of Value or -1, `nearest` at the last probe.
  int32_t FindInSorted(int64_t Value) { return BinarySearch(Value); }
  int32_t IndexOF(int64_t Value) { return Search(Value); }
  // -1 at or past the end; a negative Index raises EListError.
  int64_t GetAValue(int32_t Index) const { return Index >= Count() ? -1 : ValueAt(Index); }
  void SortAscendingDefault() { SortOnKey(); }
};

} // namespace textcore
