// TIntegerAnd3CardinalsList: (freq, card1, card2, card3) records in the order added, sorted on
// freq taken as unsigned, and saved as 16 bytes each after the count (no sorted byte).
#pragma once

#include "core/basic_types.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

class TIntegerAnd3CardinalsList
    : public TTypedRecordList<TUsefulBaseList, TIntegerAnd3CardinalsHolder> {
public:
  TIntegerAnd3CardinalsList() = default;

  int32_t AddOne(const TIntegerAnd3CardinalsRec &Rec) { return Append(Rec); }
  // Fills Rec only when Index is in range; otherwise leaves it as it was.
  void GetAValue(int32_t Index, TIntegerAnd3CardinalsRec &Rec) const {
    if (InRange(Index))
      Rec = ValueAt(Index);
  }
  // Does nothing out of range.
  void SetAFreq(int32_t Index, int32_t Freq) {
    if (InRange(Index))
      ValueAt(Index).freq = Freq;
  }
  // Ascending on freq compared unsigned, as SortIntegerAnd3CardinalsFreq orders it.
  void SortAscendingDefault() {
    SortOn<uint32_t>(
        [](const TIntegerAnd3CardinalsRec &r) { return static_cast<uint32_t>(r.freq); },
        [](uint32_t a, uint32_t b) { return a < b; });
  }
};

} // namespace textcore
