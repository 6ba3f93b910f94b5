// The owning list of search-word holders.
#include "search/sw_list.h"

#include "platform/exceptions.h"

namespace textcore {

TSWList::~TSWList() { Clear(); }

int32_t TSWList::AddRecord(const TSearch_word_format_rec &rec) { return Add(new TSWHolder(rec)); }

TSWHolder *TSWList::Holder(int32_t Index) const { return static_cast<TSWHolder *>(Items(Index)); }

TSearch_word_format_rec *TSWList::RecordOrNull(int32_t Index) const {
  if (Index < 0 || Index >= Count())
    return nullptr;
  return &Holder(Index)->fData;
}

std::vector<int32_t> TSWList::BringToTop(const std::vector<int32_t> &Indices) {
  const int32_t n = Count();
  std::vector<int32_t> new_index(static_cast<size_t>(n), -1);
  int32_t next = 0;
  for (int32_t index : Indices) {
    if (index < 0 || index >= n || new_index[static_cast<size_t>(index)] >= 0)
      throw EListError(u"Search-word list: cannot bring item " + IntToStr(index) +
                       u" to the top (out of range or named twice)");
    new_index[static_cast<size_t>(index)] = next++;
  }
  for (int32_t &slot : new_index)
    if (slot < 0)
      slot = next++;
  // Rewriting the slots moves no holder in or out of the list, so nothing is freed.
  std::vector<void *> items(List(), List() + n);
  for (int32_t i = 0; i < n; ++i)
    List()[new_index[static_cast<size_t>(i)]] = items[static_cast<size_t>(i)];
  return new_index;
}

void TSWList::Notify(void *Ptr, TListNotification Action) {
  if (Action == lnDeleted)
    delete static_cast<TSWHolder *>(Ptr);
  TList::Notify(Ptr, Action);
}

} // namespace textcore
