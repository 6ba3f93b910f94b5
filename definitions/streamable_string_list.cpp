// TMyStreamableStringlist: reading both generations of the stream form, writing the current one.
#include "definitions/streamable_string_list.h"

#include "core/stream_codec.h"
#include "core/yield.h"
#include "platform/exceptions.h"
#include "platform/nls_code_pages.h"

#include <cstdint>

namespace textcore {

bool TMyStreamableStringlist::SaveToStream(TStream &Stream) {
  bool result = true;
  try {
    const int32_t count = -Count();
    Stream.WriteBuffer(&count, sizeof count);
    for (int32_t i = 0; i < Count(); ++i) {
      MyYieldProcess();
      const String &s = Strings(i);
      WriteAString(Stream, s);
      if (s.size() > static_cast<size_t>(global_string_safety_limit))
        result = false;
    }
  } catch (const Exception &) {
    return false;
  }
  return result;
}

bool TMyStreamableStringlist::ReadFromStream(TStream &Stream) {
  Clear();
  try {
    int32_t count;
    Stream.ReadBuffer(&count, sizeof count);
    // Every string takes at least one byte (older form) or four (current form), so a damaged
    // count ends at the end of the stream, never in a huge allocation.
    if (count >= 0) {
      for (int32_t i = 0; i < count; ++i) {
        MyYieldProcess();
        Add(AnsiToString(ReadShortString(Stream)));
      }
    } else {
      for (int64_t i = 0; i < -static_cast<int64_t>(count); ++i) {
        MyYieldProcess();
        Add(ReadAString(Stream));
      }
    }
  } catch (const Exception &) {
    return false;
  }
  return true;
}

void TMyStreamableStringlist::SaveToStream(TStream &Stream, const TEncoding *AEncoding) {
  TStringList::SaveToStream(Stream, AEncoding);
}

} // namespace textcore
