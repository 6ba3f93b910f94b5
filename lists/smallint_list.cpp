// TSmallintList: owning its holders and streaming bare values.
#include "lists/smallint_list.h"

#include "core/yield.h"
#include "lists/typed_record_list.h"
#include "platform/exceptions.h"

#include <memory>

namespace textcore {

TSmallintList::~TSmallintList() { Clear(); }

int32_t TSmallintList::AddOne(int16_t Value) {
  auto holder = std::make_unique<TSmallIntHolder>(Value);
  const int32_t at = Add(static_cast<TObject *>(holder.get()));
  holder.release(); // the list owns it now
  return at;
}

int16_t TSmallintList::GetOne(int32_t Index) const {
  auto *holder = static_cast<TSmallIntHolder *>(static_cast<TObject *>(Items(Index)));
  if (holder == nullptr)
    RaiseEmptyListEntry(Index);
  return holder->int_;
}

bool TSmallintList::SaveToStream(TStream &Stream) {
  bool result = true;
  for (int32_t i = 0; i < Count() && result; ++i) {
    MyYieldProcess();
    const int16_t value = GetOne(i);
    result = Stream.Write(&value, sizeof value) == sizeof value;
  }
  return result;
}

bool TSmallintList::ReadFromStream(int32_t N, TStream &Stream) {
  if (N < 0 || N > kMaxReadCount)
    return false;
  try {
    for (int32_t i = 0; i < N; ++i) {
      MyYieldProcess();
      int16_t value;
      if (!ReadWhole(Stream, &value, sizeof value))
        return false;
      AddOne(value);
    }
  } catch (const Exception &) {
    return false; // a stream error, as a short read: the values read so far stay
  }
  return true;
}

void TSmallintList::Clear() {
  for (int32_t i = 0; i < Count(); ++i)
    MyYieldProcess();
  TList::Clear(); // Notify frees each holder
}

void TSmallintList::Notify(void *Ptr, TListNotification Action) {
  if (Action == lnDeleted)
    delete static_cast<TSmallIntHolder *>(static_cast<TObject *>(Ptr));
}

} // namespace textcore
