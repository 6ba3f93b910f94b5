// TMySearchRecList: the found-file records of one folder, owned by the list, with a current sort
// order, a search for a record and a stream form.
//
// Stream form (little-endian): a 4-byte signed count C, then C records, each
//   8-byte double DateTime, 4-byte Size, 4-byte Attr, 2-byte Number_Within_Zip, 2 zero bytes,
//   then ShortName as a string (4-byte count of UTF-16 units, then the units).
// Reading rejects a negative count, a count the bytes left cannot hold, a name longer than
// kMaxShortNameLength and a name that is not safe to follow a folder (IsSafeShortName), with
// EReadError "file read error : ..."; nothing is sized from the count, and a failed read leaves
// the list as it was.
#pragma once

#include "files/my_search_rec.h"
#include "platform/list.h"
#include "platform/streams.h"

#include <cstdint>

namespace textcore {

class TMySearchRecList : public TList {
public:
  TMySearchRecList() = default;
  ~TMySearchRecList() override;

  // Frees every holder and forgets the sort order.
  void Clear();
  TMySearchRecSort CurrentSort() const { return fSort; }
  // A new order sorts the list by it (unstably, as the framework's list sort did); sr_sort_none
  // only records that the list is in no known order. The current order again does nothing.
  void SetSort(TMySearchRecSort Sort);

  // The index of an item that SameSearchRec finds equal to SR, or -1: by binary search over the
  // current order, which falls back to a scan from the start when it meets an item with SR's
  // key that is not SR; by that scan alone when the list is in no order. Yields once a step.
  int32_t Find(const TMySearchRec &SR);
  int32_t IndexOF(const TMySearchRec &SR) { return Find(SR); }

  // A copy of the item's record; the zero record (empty name) outside 0 .. Count() - 1.
  TMySearchRec GetAMySearchRec(int32_t Index) const;
  TMySearchRecHolder *Holders(int32_t Index) const;
  // Appends a holder with a copy of SR; its index.
  int32_t AddARec(const TMySearchRec &SR);

  // Errors of the stream reach the caller; true when they return. ReadFromStream appends.
  bool SaveToStream(TStream &Stream) const;
  bool ReadFromStream(TStream &Stream);

protected:
  void Notify(void *Ptr, TListNotification Action) override;

private:
  int32_t LinearFind(const TMySearchRec &SR) const;

  TMySearchRecSort fSort = sr_sort_none;
};

} // namespace textcore
