// TDoubleLongIntList: (long1, long2) pairs, appended, counted up, scanned and sorted on either
// field. Its records have no saved bytes: a saved list holds its count and sorted byte only, and
// reloading it makes that many (0, 0) records.
#pragma once

#include "core/basic_types.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

class TDoubleLongIntList : public TTypedRecordList<TUsefulBaseListSorts, TDoubleLongIntHolder> {
public:
  TDoubleLongIntList() = default;

  int32_t AddOne(const Tdouble_longint_rec &Rec) { return Append(Rec); }
  // The record, or (-1, -1) out of range.
  Tdouble_longint_rec GetADouble(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index) : Tdouble_longint_rec{-1, -1};
  }
  // These do nothing out of range.
  void SetADouble(int32_t Index, const Tdouble_longint_rec &Rec);
  // Adds 1 to long1 when First, else to long2.
  void IncOne(int32_t Index, bool First);
  // The first position whose long1 (long2) is V, or -1; yields once per record.
  int32_t Long1IndexOf(int32_t V) { return ScanFor(V, true); }
  int32_t Long2IndexOf(int32_t V) { return ScanFor(V, false); }
  // Ascending on long1 when OnFirst, else on long2.
  void SortDefault(bool OnFirst);

private:
  int32_t ScanFor(int32_t V, bool First);
};

} // namespace textcore
