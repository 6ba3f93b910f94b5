// TWordFreqAndSourceNumList: (w, f, source_num) records, appended, read back by position or in
// turn through the cursor `this_`, and sorted by frequency. Its records have no saved bytes: a
// saved list holds its count and sorted byte only, and reloading it makes that many empty
// records.
#pragma once

#include "core/basic_types.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

class TWordFreqAndSourceNumList
    : public TTypedRecordList<TUsefulBaseListSorts, TWordFreqAndSourceNumHolder> {
public:
  TWordFreqAndSourceNumList() = default;

  // Appends; the new position.
  int32_t AddOne(const TWordFreqAndSourceNum &Rec) { return Append(Rec); }
  // The record, or an empty one out of range.
  TWordFreqAndSourceNum GetOne(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index) : TWordFreqAndSourceNum{};
  }
  // The record at the cursor (an empty one past the end), then moves the cursor on.
  TWordFreqAndSourceNum GetNext();
  // By f, highest first.
  void SortOnFreqs();
  // Also puts the cursor back to the start.
  void Clear() override;

  // The read cursor of GetNext: 0 at creation and after Clear.
  int32_t this_ = 0;
};

} // namespace textcore
