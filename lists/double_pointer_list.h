// TDoublePointerList: (p1, p2) pairs of references the caller owns, in the order added. Its
// records have no saved bytes, since a reference means nothing in another process: a saved list
// holds its count only, and reloading it makes that many pairs of null references.
#pragma once

#include "core/basic_types.h"
#include "lists/typed_record_list.h"
#include "lists/value_holders.h"

#include <cstdint>

namespace textcore {

class TDoublePointerList : public TTypedRecordList<TUsefulBaseList, TDoublePointerHolder> {
public:
  TDoublePointerList() = default;

  int32_t AddOne(const TDoublePointer &Rec) { return Append(Rec); }
  // Fills Rec only when Index is in range; otherwise leaves it as it was.
  void GetADoublePointer(int32_t Index, TDoublePointer &Rec) const {
    if (InRange(Index))
      Rec = ValueAt(Index);
  }
  // Does nothing out of range.
  void SetADoublePointer(int32_t Index, const TDoublePointer &Rec) {
    if (InRange(Index))
      ValueAt(Index) = Rec;
  }
};

} // namespace textcore
