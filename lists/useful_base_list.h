// TUsefulBaseList: a TList that owns record objects of one class, and saves and loads them.
//
// Saved form (little-endian): a 4-byte signed count N, then the N records in list order, each
// as its record class writes it. No signature, version or terminator; descendants may add fields
// after the count (TUsefulBaseListSorts adds its sorted byte).
//
// Loading appends to what the list holds. The list grows by N even when a record fails to read:
// the records after the failed one stay blank and the result is False. A count that cannot be
// true loads nothing and gives False: a negative one, or one larger than the bytes left in the
// stream plus UnbackedRecords() (a truncated tail, or records that write nothing, need no bytes);
// where the stream cannot tell its size, one above kMaxUnsizedRecords or UnbackedRecords().
//
// The list owns its records: Clear, Delete, a replaced item and the destructor free them;
// Extract hands one back to the caller. MyYieldProcess is called once per record saved or
// loaded; code it reaches must not change the list.
#pragma once

#include "lists/useful_base_list_object.h"
#include "platform/list.h"
#include "platform/streams.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

class TUsefulBaseList : public TList {
public:
  // Records beyond the bytes left in a stream that a load still accepts.
  static constexpr int32_t kUnbackedRecords = 1 << 16;
  // The largest count accepted from a stream that cannot tell its size.
  static constexpr int32_t kMaxUnsizedRecords = 1 << 20;

  explicit TUsefulBaseList(TUsefulBaseListObjectClass EntriesClass);
  ~TUsefulBaseList() override;

  // Negative, zero or positive as the record at Index1 sorts before, with or after the one at
  // Index2. The base never finds two records equal: it returns -1.
  virtual int32_t ComparedValues(int32_t Index1, int32_t Index2);
  // Frees the record at Index and empties its slot, so that nothing points at freed memory;
  // the caller removes the empty slot (Pack) or fills it. Out of range, or empty, does nothing.
  virtual void FreeOne(int32_t Index);
  // Frees every record; the list is left with no items and no capacity.
  virtual void Clear();

  virtual bool ReadFromStream(TStream &Stream);
  virtual bool SaveToStream(TStream &Stream);
  // Write the first N records; the first failure is the result, and later records are not
  // written. An empty slot counts as a failure; a record of another class raises EInvalidCast.
  bool SaveTheInstances(TStream &Stream, int32_t N);
  // Append N blank records, filling each from Stream until one fails.
  bool LoadTheInstances(TStream &Stream, int32_t N);

  // Raises the file stream's EFCreateError or EFOpenError when the file cannot be made or opened.
  // SaveToFile replaces the file whole, and leaves it as it was when a record fails to save.
  bool SaveToFile(const String &FileName);
  bool LoadFromFile(const String &FileName);

  TUsefulBaseListObject *Entries(int32_t Index) const {
    return static_cast<TUsefulBaseListObject *>(Items(Index));
  }
  const TUsefulBaseListObjectClass &EntriesClass() const { return fEntriesClass; }

  // The record most recently made or visited while loading or saving; never owned through here.
  TUsefulBaseListObject *AnInstance = nullptr;

protected:
  // Frees a record that leaves the list through Delete, SetCount or a replacing SetItems.
  void Notify(void *Ptr, TListNotification Action) override;
  // Reads the 4-byte count; false when the stream ends first.
  static bool ReadCount(TStream &Stream, int32_t &N);
  static bool WriteCount(TStream &Stream, int32_t N);
  // Whether N records could come from what is left of Stream (see the note at the top).
  bool CountIsPlausible(TStream &Stream, int32_t N);
  // The records a load accepts beyond the bytes left: kUnbackedRecords, unless the records
  // write no bytes at all, when a saved list is its count alone and this is its only bound.
  virtual int32_t UnbackedRecords() const { return kUnbackedRecords; }
  // Whether the records write any bytes; a list of records that write none holds at most
  // UnbackedRecords() of them in all, so that whatever it loaded it can save again.
  virtual bool RecordsHaveBytes() const { return true; }

  TUsefulBaseListObjectClass fEntriesClass;
};

} // namespace textcore
