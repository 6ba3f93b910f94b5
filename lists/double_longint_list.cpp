// TDoubleLongIntList: guarded updates, scans and sorts on either field.
#include "lists/double_longint_list.h"

#include "core/yield.h"

#include <limits>

namespace textcore {

void TDoubleLongIntList::SetADouble(int32_t Index, const Tdouble_longint_rec &Rec) {
  if (InRange(Index))
    ValueAt(Index) = Rec;
}

void TDoubleLongIntList::IncOne(int32_t Index, bool First) {
  if (!InRange(Index))
    return;
  int32_t &field = First ? ValueAt(Index).long1 : ValueAt(Index).long2;
  if (field < std::numeric_limits<int32_t>::max()) // a count never wraps to negative
    ++field;
}

int32_t TDoubleLongIntList::ScanFor(int32_t V, bool First) {
  for (int32_t i = 0; i < Count(); ++i) {
    MyYieldProcess();
    const Tdouble_longint_rec &rec = ValueAt(i);
    if ((First ? rec.long1 : rec.long2) == V)
      return i;
  }
  return -1;
}

void TDoubleLongIntList::SortDefault(bool OnFirst) {
  auto before = [](int32_t a, int32_t b) { return a < b; };
  if (OnFirst)
    SortOn<int32_t>([](const Tdouble_longint_rec &r) { return r.long1; }, before);
  else
    SortOn<int32_t>([](const Tdouble_longint_rec &r) { return r.long2; }, before);
  sorted = true;
}

} // namespace textcore
