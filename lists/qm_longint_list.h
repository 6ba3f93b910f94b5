// TQMLongintList: 32-bit signed values, appended or, once sorted, inserted in order, found by
// binary search and saved as 4 bytes each after the count and the sorted byte.
#pragma once

#include "lists/list_comparisons.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

class TQMLongintList
    : public TKeyedRecordList<TLongIntHolder, TPlainKey<int32_t, CompareLongints>> {
public:
  TQMLongintList() = default;

  // Appends, or in a sorted list inserts in order (an equal value goes before the one found).
  void AddOne(int32_t Value);
  // Inserts at Index without looking at the order; `sorted` is cleared when the order breaks.
  void InsertOne(int32_t Index, int32_t Value) { InsertNotingOrder(Index, Value); }
  // Binary search of a sorted list: a position of Value or -1, `nearest` at the last probe.
  int32_t Find(int32_t Value) { return BinarySearch(Value); }
  // Find when sorted, else the first position from the start; -1 when absent.
  int32_t IndexOF(int32_t Value) { return Search(Value); }
  // Finds Value (as IndexOF) and removes it from the list, freeing its record. Nothing when
  // absent.
  void FindAndFree(int32_t Value);
  // -1 at or past the end; a negative Index raises EListError.
  int32_t GetAValue(int32_t Index) const;
  void SortAscendingDefault() { SortOnKey(); }
};

} // namespace textcore
