// TIntegerAndSingleList: (int_, s) records, appended, sorted and found on s, and saved as 8 bytes
// each (int_, then s) after the count and the sorted byte.
#pragma once

#include "core/basic_types.h"
#include "lists/list_comparisons.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cmath>
#include <cstdint>

namespace textcore {

// The key s. A sort puts values that are not numbers after every number, where CompareSingles
// alone (which finds them equal to everything) would give no order at all.
struct TSingleOfRecordKey {
  using Key = float;
  static Key Of(const TIntegerAndSingleRec &Rec) { return Rec.s; }
  static int32_t Compare(Key A, Key B) { return CompareSingles(A, B); }
  static bool Before(Key A, Key B) { return !std::isnan(A) && (std::isnan(B) || A < B); }
};

class TIntegerAndSingleList : public TKeyedRecordList<TIntegerAndSingleHolder, TSingleOfRecordKey> {
public:
  TIntegerAndSingleList() = default;

  // Appends; a sorted list whose order on s breaks is no longer sorted.
  void AddOne(const TIntegerAndSingleRec &Rec) { AppendKeepingOrderFlag(Rec); }
  // Binary search on s of a list sorted on s: a position or -1, `nearest` at the last probe.
  int32_t Find(float S) { return BinarySearch(S); }
  // The record, or a zeroed one out of range.
  TIntegerAndSingleRec GetOne(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index) : TIntegerAndSingleRec{};
  }
  void SortAscendingDefault() { SortOnKey(); }
};

} // namespace textcore
