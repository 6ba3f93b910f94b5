// The hit list: the hits of a search, each held by value in its own holder, sortable by their
// place in the buffer with the three-key yielding sort.
//
// The list owns its holders: deleting an item, Clear and the destructor free them, while Extract
// hands one back to the caller. The hit offset used as the sort key is where_hit_started minus
// start_of_memory, in bytes.
#pragma once

#include "lists/three_key_sort.h"
#include "search/search_found_rec.h"

#include <cstdint>

namespace textcore {

class TSearchFoundHolder : public TObject {
public:
  TSearchFoundHolder() = default;
  explicit TSearchFoundHolder(const TSearchFound_Rec &rec) : fData(rec) {}
  TSearchFound_Rec fData;
};

class TSearchFoundList : public T3SortYieldingList {
public:
  int32_t base_int = 0; // the hit offset of the current sort base

  TSearchFoundList() = default;
  ~TSearchFoundList() override;

  // Appends a holder with a copy of rec; its index.
  int32_t AddFound(const TSearchFound_Rec &rec);
  // The holder at Index; EListError when Index is outside the list.
  TSearchFoundHolder *Holder(int32_t Index) const;

  // Takes the hit offset of Item (a TSearchFoundHolder) as the base; SortVar is not used, since
  // hits have the one key.
  void SetBase(void *Item, int32_t SortVar) override;
  // 0 when Item's hit offset equals the base, -1 when the base is smaller, 1 when larger. Pass
  // it to the sort entry points as [&list](const void *item) { return list.Compare(item); }.
  int32_t Compare(const void *Item) const;

protected:
  void Notify(void *Ptr, TListNotification Action) override;

private:
  // The exact base offset; base_int holds it clamped to 32 bits for callers that read it.
  int64_t fBaseOffset = 0;
};

// The byte offset of a hit from the start of its buffer.
int64_t HitOffset(const TSearchFound_Rec &rec);

} // namespace textcore
