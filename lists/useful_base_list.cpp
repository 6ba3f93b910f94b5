// TUsefulBaseList: owning records, the count bound, and saving and loading record by record.
#include "lists/useful_base_list.h"

#include "core/yield.h"
#include "platform/exceptions.h"
#include "platform/safe_file_writer.h"

#include <algorithm>
#include <utility>

namespace textcore {

TUsefulBaseList::TUsefulBaseList(TUsefulBaseListObjectClass EntriesClass)
    : fEntriesClass(EntriesClass) {}

// TList's destructor can no longer reach this class's Clear, so the records go here.
TUsefulBaseList::~TUsefulBaseList() { TUsefulBaseList::Clear(); }

int32_t TUsefulBaseList::ComparedValues(int32_t, int32_t) { return -1; }

void TUsefulBaseList::FreeOne(int32_t Index) {
  if (Index < 0 || Index >= Count())
    return;
  // The slot is emptied before the record goes, without a notification that would free it twice.
  auto *record = static_cast<TUsefulBaseListObject *>(std::exchange(List()[Index], nullptr));
  if (record == AnInstance)
    AnInstance = nullptr;
  delete record;
}

void TUsefulBaseList::Clear() {
  for (int32_t i = 0; i < Count(); ++i)
    if (List()[i] != nullptr) {
      FreeOne(i);
      List()[i] = nullptr; // whatever a descendant's FreeOne did with the slot
    }
  AnInstance = nullptr;
  TList::Clear();
}

void TUsefulBaseList::Notify(void *Ptr, TListNotification Action) {
  if (Action != lnDeleted)
    return;
  if (Ptr == AnInstance)
    AnInstance = nullptr;
  delete static_cast<TUsefulBaseListObject *>(Ptr);
}

bool TUsefulBaseList::ReadCount(TStream &Stream, int32_t &N) {
  return ReadFully(Stream, &N, sizeof N) == sizeof N;
}

bool TUsefulBaseList::WriteCount(TStream &Stream, int32_t N) {
  return Stream.Write(&N, sizeof N) == sizeof N;
}

bool TUsefulBaseList::CountIsPlausible(TStream &Stream, int32_t N) {
  if (N < 0 || N > MaxListSize - Count())
    return false;
  // Records without bytes: the count is all a saved list holds, and the list must save again.
  if (!RecordsHaveBytes())
    return N <= UnbackedRecords() - Count();
  const int64_t left = BytesLeft(Stream);
  if (left < 0)
    return N <= std::max(kMaxUnsizedRecords, UnbackedRecords());
  // A record that has any bytes takes at least one.
  return N <= left + UnbackedRecords();
}

bool TUsefulBaseList::ReadFromStream(TStream &Stream) {
  int32_t n;
  if (!ReadCount(Stream, n) || !CountIsPlausible(Stream, n))
    return false;
  return LoadTheInstances(Stream, n);
}

bool TUsefulBaseList::SaveToStream(TStream &Stream) {
  return WriteCount(Stream, Count()) && SaveTheInstances(Stream, Count());
}

bool TUsefulBaseList::SaveTheInstances(TStream &Stream, int32_t N) {
  bool result = true;
  for (int32_t k = 0; k < N; ++k) {
    MyYieldProcess();
    TUsefulBaseListObject *record = Entries(k);
    if (record != nullptr && !fEntriesClass.IsClassOf(record))
      throw EInvalidCast(std::string_view("Invalid class typecast"));
    AnInstance = record;
    if (result)
      result = record != nullptr && record->SaveToStream(Stream);
  }
  return result;
}

bool TUsefulBaseList::LoadTheInstances(TStream &Stream, int32_t N) {
  bool result = true;
  for (int32_t k = 0; k < N; ++k) {
    MyYieldProcess();
    auto blank = fEntriesClass.CreateBlank();
    TUsefulBaseListObject *record = blank.get();
    Add(record);
    blank.release(); // the list owns it now
    AnInstance = record;
    if (result)
      result = record->ReadFromStream(Stream);
  }
  return result;
}

bool TUsefulBaseList::SaveToFile(const String &FileName) {
  // Saved in memory first, so that a failure leaves the old file whole.
  TMemoryStream saved;
  if (!SaveToStream(saved))
    return false;
  SaveBytesToFile(FileName, saved.Memory(), static_cast<size_t>(saved.Size()));
  return true;
}

bool TUsefulBaseList::LoadFromFile(const String &FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyNone);
  return ReadFromStream(file);
}

} // namespace textcore
