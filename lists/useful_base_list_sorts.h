// TUsefulBaseListSorts: a TUsefulBaseList that knows whether it is sorted, and removes runs of
// equal neighbours.
//
// Saved form: the 4-byte count, one byte for sorted (0 or 1), then the records. Loading appends;
// sorted is taken from the stream only into an empty list whose records all read, since records
// appended after others, or a blank tail, need not be in order. Loading no records into a list
// that holds some leaves its flag as it was.
#pragma once

#include "lists/useful_base_list.h"

#include <cstdint>

namespace textcore {

class TUsefulBaseListSorts : public TUsefulBaseList {
public:
  explicit TUsefulBaseListSorts(TUsefulBaseListObjectClass EntriesClass)
      : TUsefulBaseList(EntriesClass) {}

  // The comparison sort of TList (not stable), then sorted is True.
  void Sort(TListSortCompare Compare);
  // Keeps the first record of every run of neighbours that ComparedValues finds equal and frees
  // the rest. Meant for a sorted list: in an unsorted one only neighbours are compared.
  void RemoveDuplicates();
  void Clear() override;

  bool ReadFromStream(TStream &Stream) override;
  bool SaveToStream(TStream &Stream) override;

  // The last position a binary search of a descendant probed; -1 when the list was empty.
  int32_t nearest = -1;
  bool sorted = false;
};

} // namespace textcore
