// The hit list and its one sort key, the hit's offset in the buffer.
#include "search/search_found_list.h"

#include <algorithm>
#include <cstdint>

namespace textcore {

int64_t HitOffset(const TSearchFound_Rec &rec) {
  return static_cast<int64_t>(reinterpret_cast<uintptr_t>(rec.where_hit_started) -
                              reinterpret_cast<uintptr_t>(rec.start_of_memory));
}

TSearchFoundList::~TSearchFoundList() { Clear(); }

int32_t TSearchFoundList::AddFound(const TSearchFound_Rec &rec) {
  return Add(new TSearchFoundHolder(rec));
}

TSearchFoundHolder *TSearchFoundList::Holder(int32_t Index) const {
  return static_cast<TSearchFoundHolder *>(Items(Index));
}

void TSearchFoundList::SetBase(void *Item, int32_t /*SortVar*/) {
  fBaseOffset = HitOffset(static_cast<const TSearchFoundHolder *>(Item)->fData);
  base_int = static_cast<int32_t>(std::clamp<int64_t>(fBaseOffset, INT32_MIN, INT32_MAX));
}

int32_t TSearchFoundList::Compare(const void *Item) const {
  const int64_t offset = HitOffset(static_cast<const TSearchFoundHolder *>(Item)->fData);
  if (fBaseOffset == offset)
    return 0;
  return fBaseOffset < offset ? -1 : 1;
}

void TSearchFoundList::Notify(void *Ptr, TListNotification Action) {
  if (Action == lnDeleted)
    delete static_cast<TSearchFoundHolder *>(Ptr);
  T3SortYieldingList::Notify(Ptr, Action);
}

} // namespace textcore
