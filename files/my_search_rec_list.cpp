// TMySearchRecList: ownership, sorting, searching and the stream form.
#include "files/my_search_rec_list.h"

#include "core/stream_codec.h"
#include "core/yield.h"
#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "platform/format.h"

#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace textcore {

namespace {

// DateTime, Size, Attr, Number_Within_Zip and two bytes of padding.
constexpr int64_t kFixedBytes = 20;
// The fixed part and the count of an empty name: the least a record takes.
constexpr int64_t kLeastRecordBytes = kFixedBytes + 4;

[[noreturn]] void RaiseReadError() {
  throw EReadError(Format(_QMFileReadError, u"TMySearchRecList.ReadFromStream"));
}

// TList's sort takes a plain function, so each order has its own.
template <TMySearchRecSort sort> int CompareItems(void *a, void *b) {
  return CompareSearchRecs(sort, static_cast<TMySearchRecHolder *>(a)->data,
                           static_cast<TMySearchRecHolder *>(b)->data);
}

TListSortCompare ComparisonOf(TMySearchRecSort sort) {
  switch (sort) {
  case sr_sort_by_name:
    return CompareItems<sr_sort_by_name>;
  case sr_sort_by_date:
    return CompareItems<sr_sort_by_date>;
  case sr_sort_by_size:
    return CompareItems<sr_sort_by_size>;
  case sr_sort_by_attr:
    return CompareItems<sr_sort_by_attr>;
  case sr_sort_by_extension:
    return CompareItems<sr_sort_by_extension>;
  default:
    return nullptr;
  }
}

void WriteRec(TStream &stream, const TMySearchRec &rec) {
  std::array<uint8_t, kFixedBytes> fixed{};
  std::memcpy(&fixed[0], &rec.DateTime, 8);
  std::memcpy(&fixed[8], &rec.Size, 4);
  std::memcpy(&fixed[12], &rec.Attr, 4);
  std::memcpy(&fixed[16], &rec.Number_Within_Zip, 2);
  stream.WriteBuffer(fixed.data(), kFixedBytes);
  WriteAString(stream, rec.ShortName);
}

TMySearchRec ReadRec(TStream &stream) {
  std::array<uint8_t, kFixedBytes> fixed{};
  if (ReadFully(stream, fixed.data(), kFixedBytes) != kFixedBytes)
    RaiseReadError();
  TMySearchRec rec;
  std::memcpy(&rec.DateTime, &fixed[0], 8);
  std::memcpy(&rec.Size, &fixed[8], 4);
  std::memcpy(&rec.Attr, &fixed[12], 4);
  std::memcpy(&rec.Number_Within_Zip, &fixed[16], 2);
  rec.ShortName = ReadAString(stream, kMaxShortNameLength);
  if (!IsSafeShortName(rec.ShortName))
    RaiseReadError();
  return rec;
}

} // namespace

TMySearchRecList::~TMySearchRecList() { Clear(); }

void TMySearchRecList::Notify(void *Ptr, TListNotification Action) {
  if (Action == lnDeleted)
    delete static_cast<TMySearchRecHolder *>(Ptr);
}

void TMySearchRecList::Clear() {
  TList::Clear();
  fSort = sr_sort_none;
}

void TMySearchRecList::SetSort(TMySearchRecSort Sort) {
  if (Sort == fSort)
    return;
  fSort = Sort;
  if (Sort != sr_sort_none)
    TList::Sort(ComparisonOf(Sort));
}

TMySearchRecHolder *TMySearchRecList::Holders(int32_t Index) const {
  return static_cast<TMySearchRecHolder *>(Items(Index));
}

int32_t TMySearchRecList::AddARec(const TMySearchRec &SR) {
  auto holder = std::make_unique<TMySearchRecHolder>(SR);
  const int32_t index = Add(holder.get()); // a full list raises, and the holder goes with it
  holder.release();
  return index;
}

TMySearchRec TMySearchRecList::GetAMySearchRec(int32_t Index) const {
  if (Index < 0 || Index >= Count())
    return TMySearchRec{};
  return Holders(Index)->data;
}

int32_t TMySearchRecList::LinearFind(const TMySearchRec &SR) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (SameSearchRec(Holders(i)->data, SR))
      return i;
  return -1;
}

int32_t TMySearchRecList::Find(const TMySearchRec &SR) {
  if (fSort == sr_sort_none)
    return LinearFind(SR);
  int32_t lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    MyYieldProcess();
    const int32_t mid = lo + (hi - lo) / 2;
    const TMySearchRec &item = Holders(mid)->data;
    const int32_t order = CompareSearchRecs(fSort, item, SR);
    if (order < 0)
      lo = mid + 1;
    else if (order > 0)
      hi = mid - 1;
    else
      // Records with the same key may lie on either side: only a scan is sure to find SR.
      return SameSearchRec(item, SR) ? mid : LinearFind(SR);
  }
  return -1;
}

bool TMySearchRecList::SaveToStream(TStream &Stream) const {
  const int32_t count = Count();
  Stream.WriteBuffer(&count, sizeof count);
  for (int32_t i = 0; i < count; ++i) {
    MyYieldProcess();
    WriteRec(Stream, Holders(i)->data);
  }
  return true;
}

bool TMySearchRecList::ReadFromStream(TStream &Stream) {
  int32_t count = 0;
  if (ReadFully(Stream, &count, sizeof count) != sizeof count || count < 0)
    RaiseReadError();
  const int64_t left = BytesLeft(Stream);
  if (left >= 0 && count > left / kLeastRecordBytes)
    RaiseReadError();
  std::vector<TMySearchRec> read; // grows as records arrive, never from the count
  for (int32_t i = 0; i < count; ++i) {
    MyYieldProcess();
    read.push_back(ReadRec(Stream));
  }
  for (const TMySearchRec &rec : read)
    AddARec(rec);
  return true;
}

} // namespace textcore
