// TQMLongintList: insertion in order and the guarded accessors.
#include "lists/qm_longint_list.h"

namespace textcore {

void TQMLongintList::AddOne(int32_t Value) {
  if (sorted)
    InsertInOrder(Value);
  else
    Append(Value);
}

// The entry goes with its record: an entry left pointing at nothing would crash the next
// search or save. IndexOF is Find on a sorted list, and still finds Value in an unsorted one.
void TQMLongintList::FindAndFree(int32_t Value) {
  const int32_t at = IndexOF(Value);
  if (at >= 0)
    Delete(at);
}

int32_t TQMLongintList::GetAValue(int32_t Index) const {
  return Index >= Count() ? -1 : ValueAt(Index);
}

} // namespace textcore
