// The list of parsed search words that every search-word item list keeps: each record is held by
// value in its own holder, and the list owns the holders.
//
// Deleting an item, Clear and the destructor free the holders; Extract hands one back to the
// caller.
#pragma once

#include "platform/list.h"
#include "search/search_word_format.h"

#include <cstdint>
#include <vector>

namespace textcore {

class TSWHolder : public TObject {
public:
  explicit TSWHolder(const TSearch_word_format_rec &rec) : fData(rec) {}
  TSearch_word_format_rec fData;
};

class TSWList : public TList {
public:
  TSWList() = default;
  ~TSWList() override;

  // Appends a holder with a copy of rec; its index.
  int32_t AddRecord(const TSearch_word_format_rec &rec);
  // The holder at Index; EListError when Index is outside the list.
  TSWHolder *Holder(int32_t Index) const;
  // The record at Index, or null when Index is outside the list.
  TSearch_word_format_rec *RecordOrNull(int32_t Index) const;

  // Puts the items at Indices (distinct and in range, else EListError before anything moves) at
  // the top in that order, the others keeping their order below them. The result gives, for
  // every former index, the item's new index.
  std::vector<int32_t> BringToTop(const std::vector<int32_t> &Indices);

protected:
  void Notify(void *Ptr, TListNotification Action) override;
};

} // namespace textcore
