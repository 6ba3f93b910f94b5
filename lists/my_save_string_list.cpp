// TMySaveStringList: the count, then each entry's integer and string.
#include "lists/my_save_string_list.h"

#include "core/stream_codec.h"
#include "core/yield.h"
#include "lists/value_holders.h"
#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "platform/format.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace textcore {

namespace {

[[noreturn]] void RaiseDamaged() {
  throw EReadError(Format(_QMFileReadError, u"TMySaveStringList.LoadFromStream"));
}

} // namespace

void TMySaveStringList::SaveToStream(TStream &Stream) {
  const int32_t count = Count();
  Stream.WriteBuffer(&count, sizeof count);
  for (int32_t i = 0; i < count; ++i) {
    MyYieldProcess();
    if (save_Objects_too) {
      const int32_t slot = ObjectAsInteger(Objects(i));
      Stream.WriteBuffer(&slot, sizeof slot);
    }
    WriteAString(Stream, Strings(i));
  }
}

// The entries are read whole before any is added, so that a damaged stream adds none. Every
// entry takes at least four bytes, so a damaged count ends at the end of the stream rather than
// in a long loop or a large allocation.
void TMySaveStringList::LoadFromStream(TStream &Stream) {
  int32_t count;
  if (!ReadWhole(Stream, &count, sizeof count) || count < 0)
    RaiseDamaged();
  std::vector<std::pair<String, int32_t>> entries;
  for (int32_t i = 0; i < count; ++i) {
    MyYieldProcess();
    int32_t slot = 0;
    if (save_Objects_too && !ReadWhole(Stream, &slot, sizeof slot))
      RaiseDamaged();
    entries.emplace_back(ReadAString(Stream), slot);
  }
  BeginUpdate();
  try {
    for (auto &[s, slot] : entries)
      AddObject(s, save_Objects_too ? IntegerAsObject(slot) : nullptr);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TMySaveStringList::SaveToStream(TStream &Stream, const TEncoding *AEncoding) {
  TStringList::SaveToStream(Stream, AEncoding);
}

void TMySaveStringList::LoadFromStream(TStream &Stream, const TEncoding *AEncoding) {
  TStringList::LoadFromStream(Stream, AEncoding);
}

} // namespace textcore
