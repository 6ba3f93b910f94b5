// T2StringsAnd2IntegersList: (int1, int2, s1, s2) records in the order added, saved after the
// count (no sorted byte) as T2StringsAnd2IntegersHolder writes them.
#pragma once

#include "core/basic_types.h"
#include "lists/string_holders.h"
#include "lists/typed_record_list.h"

#include <cstdint>

namespace textcore {

class T2StringsAnd2IntegersList
    : public TTypedRecordList<TUsefulBaseList, T2StringsAnd2IntegersHolder> {
public:
  T2StringsAnd2IntegersList() = default;

  int32_t AddOne(const T2StringsAnd2IntegersRec &Rec) { return Append(Rec); }
  // The record, or an empty one (zeros and empty strings) out of range.
  T2StringsAnd2IntegersRec GetTwoStringsAndInt(int32_t Index) const {
    return InRange(Index) ? ValueAt(Index) : T2StringsAnd2IntegersRec{};
  }
};

} // namespace textcore
