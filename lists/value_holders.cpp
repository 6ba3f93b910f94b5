// Reading a holder's bytes whole from a stream that may deliver them in pieces.
#include "lists/value_holders.h"

namespace textcore {

bool ReadWhole(TStream &Stream, void *Buffer, int64_t Count) {
  auto *at = static_cast<uint8_t *>(Buffer);
  int64_t done = 0;
  while (done < Count) {
    const int64_t got = Stream.Read(at + done, Count - done);
    if (got <= 0)
      return false;
    done += got;
  }
  return true;
}

} // namespace textcore
