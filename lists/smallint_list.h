// TSmallintList: a list of TSmallIntHolder objects that it owns, streamed as bare 2-byte values
// with no count: the caller knows how many to read back. Only TSmallIntHolder objects may be
// added: the list frees what leaves it as one.
#pragma once

#include "lists/value_holders.h"
#include "platform/list.h"
#include "platform/streams.h"

#include <cstdint>

namespace textcore {

class TSmallintList : public TList {
public:
  // The most values one ReadFromStream reads: the count is a 16-bit signed number.
  static constexpr int32_t kMaxReadCount = 32767;

  TSmallintList() = default;
  ~TSmallintList() override;

  int32_t AddOne(int16_t Value);
  // The value at Index; outside the list raises EListError.
  int16_t GetOne(int32_t Index) const;

  // Each value as 2 bytes, in order; yields once per value. False when the stream refused bytes.
  bool SaveToStream(TStream &Stream);
  // Appends N values read 2 bytes each, yielding once per value. N of 0 reads nothing and
  // succeeds; N below 0 or above kMaxReadCount reads nothing and fails. A stream that ends early
  // keeps the values read before it and fails, as does a stream that raises its error.
  bool ReadFromStream(int32_t N, TStream &Stream);
  // Frees every holder, yielding once per holder, and empties the list.
  void Clear();

protected:
  void Notify(void *Ptr, TListNotification Action) override;
};

} // namespace textcore
