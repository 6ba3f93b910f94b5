// TCardinalAndFreqList: (c, f) records counting how often each cardinal c occurs, kept in order
// of c once sorted on it, and saved as 8 bytes each (c, then f) after the count and sorted byte.
//
// `sorted` means sorted on c, the key that Find searches: sorting on frequencies clears it, so
// that AddOneOrIncFreq then scans instead of binary-searching a list in another order.
#pragma once

#include "core/basic_types.h"
#include "lists/list_comparisons.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

struct TCardinalOfRecordKey {
  using Key = uint32_t;
  static Key Of(const TCardinalAndFreq &Rec) { return Rec.c; }
  static int32_t Compare(Key A, Key B) { return CompareCardinals(A, B); }
  static bool Before(Key A, Key B) { return A < B; }
};

class TCardinalAndFreqList : public TKeyedRecordList<TCardinalAndFreqHolder, TCardinalOfRecordKey> {
public:
  TCardinalAndFreqList() = default;

  // Adds 1 to the f of the record holding Rec.c (whatever Rec.f is), or adds Rec: in order of c
  // when sorted, else at the end.
  void AddOneOrIncFreq(const TCardinalAndFreq &Rec);
  // Binary search on c of a sorted list: a position or -1, `nearest` at the last probe.
  int32_t Find(uint32_t C) { return BinarySearch(C); }
  int32_t IndexOF(uint32_t C) { return Search(C); }
  // The record, or a zeroed one out of range.
  TCardinalAndFreq GetACardAndFreq(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index) : TCardinalAndFreq{};
  }
  // Ignored at or past the end; a negative Index raises EListError.
  void SetACardAndFreq(int32_t Index, const TCardinalAndFreq &Rec);
  void SortOnCardinals() { SortOnKey(); }
  // On f: highest first when Descending, else lowest first.
  void SortOnFrequencies(bool Descending);
};

} // namespace textcore
