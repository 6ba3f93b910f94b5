// TUsefulBaseListSorts: the sorted flag on the stream, sorting and removing duplicates.
#include "lists/useful_base_list_sorts.h"

namespace textcore {

void TUsefulBaseListSorts::Sort(TListSortCompare Compare) {
  TList::Sort(Compare);
  sorted = true;
}

void TUsefulBaseListSorts::RemoveDuplicates() {
  for (int32_t i = 0; i < Count(); ++i) {
    int32_t j = i;
    while (j + 1 < Count() && ComparedValues(i, j + 1) == 0)
      ++j;
    for (int32_t k = i + 1; k <= j; ++k) {
      FreeOne(k);
      List()[k] = nullptr;
    }
    i = j;
  }
  Pack();
}

void TUsefulBaseListSorts::Clear() {
  TUsefulBaseList::Clear();
  sorted = false;
}

bool TUsefulBaseListSorts::ReadFromStream(TStream &Stream) {
  int32_t n;
  uint8_t sorted_byte;
  if (!ReadCount(Stream, n) || Stream.Read(&sorted_byte, 1) != 1 || !CountIsPlausible(Stream, n))
    return false;
  const bool was_empty = Count() == 0;
  if (n == 0) {
    if (was_empty)
      sorted = sorted_byte != 0;
    return true;
  }
  // False until the load is known whole, so that a record reader that raises leaves no claim.
  sorted = false;
  const bool result = LoadTheInstances(Stream, n);
  sorted = sorted_byte != 0 && was_empty && result;
  return result;
}

bool TUsefulBaseListSorts::SaveToStream(TStream &Stream) {
  const uint8_t sorted_byte = sorted ? 1 : 0;
  return WriteCount(Stream, Count()) && Stream.Write(&sorted_byte, 1) == 1 &&
         SaveTheInstances(Stream, Count());
}

} // namespace textcore
