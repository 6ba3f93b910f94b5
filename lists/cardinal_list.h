// TCardinalList: 32-bit unsigned values, compared unsigned, always appended, found by binary
// search once sorted and saved as 4 bytes each after the count and the sorted byte.
#pragma once

#include "lists/list_comparisons.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

class TCardinalList
    : public TKeyedRecordList<TCardinalHolder, TPlainKey<uint32_t, CompareCardinals>> {
public:
  TCardinalList() = default;

  // Appends, even to a sorted list, whose flag is cleared when Value comes before the last one.
  void AddOne(uint32_t Value) { AppendKeepingOrderFlag(Value); }
  // Inserts at Index; `sorted` is cleared when the order breaks.
  void InsertOne(int32_t Index, uint32_t Value) { InsertNotingOrder(Index, Value); }
  // Binary search of a sorted list: a position of Value or -1, `nearest` at the last probe.
  int32_t Find(uint32_t Value) { return BinarySearch(Value); }
  int32_t IndexOF(uint32_t Value) { return Search(Value); }
  // 0 at or past the end; a negative Index raises EListError.
  uint32_t GetAValue(int32_t Index) const { return Index >= Count() ? 0 : ValueAt(Index); }
  void SortAscendingDefault() { SortOnKey(); }
};

} // namespace textcore
