// The readers of the stream encodings on damaged and hostile bytes: each either raises its read
// error or returns a value that its writer turns back into exactly the bytes it consumed.
#include "core/stream_codec.h"
#include "fuzz/fuzz_check.h"
#include "platform/exceptions.h"
#include "platform/streams.h"

#include <cstdint>
#include <cstring>

using namespace textcore;

namespace {

// True when the bytes written by write equal the first consumed bytes of data.
template <typename Write> bool Rewrites(const uint8_t *data, int64_t consumed, Write write) {
  TMemoryStream out;
  write(out);
  return out.Size() == consumed &&
         std::memcmp(out.Memory(), data, static_cast<size_t>(consumed)) == 0;
}

size_t WideLength(const char16_t *p) {
  size_t n = 0;
  while (p[n] != 0)
    ++n;
  return n;
}

void ReadOne(uint8_t choice, const uint8_t *data, size_t size) {
  TMemoryStream in;
  in.WriteBuffer(data, static_cast<int64_t>(size));
  in.SetPosition(0);
  switch (choice % 6) {
  case 0: {
    const AnsiString s = ReadShortString(in);
    FUZZ_CHECK(Rewrites(data, in.Position(), [&](TStream &out) { WriteShortString(out, s); }));
    break;
  }
  case 1: {
    const String s = ReadAString(in, 1 << 16);
    FUZZ_CHECK(Rewrites(data, in.Position(), [&](TStream &out) { WriteAString(out, s); }));
    break;
  }
  case 2: {
    auto p = ReadAnsiPchar(in);
    if (std::strlen(p.get()) + 2 == static_cast<size_t>(in.Position()))
      FUZZ_CHECK(
          Rewrites(data, in.Position(), [&](TStream &out) { WriteAnsiPchar(out, p.get()); }));
    break;
  }
  case 3: {
    auto p = ReadWidePchar(in);
    if (WideLength(p.get()) * 2 + 4 == static_cast<size_t>(in.Position()))
      FUZZ_CHECK(
          Rewrites(data, in.Position(), [&](TStream &out) { WriteWidePchar(out, p.get()); }));
    break;
  }
  default: {
    const bool wide = choice % 6 == 4;
    TPointerBuffer p = ReadUnknownLengthPointerMaxSize(in, wide, 1 << 16);
    const int32_t count = temp_pointer_chars_allocated;
    FUZZ_CHECK(Rewrites(data, in.Position(),
                        [&](TStream &out) { WriteKnownLengthPointer(out, p.get(), wide, count); }));
    break;
  }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 1)
    return 0;
  try {
    ReadOne(data[0], data + 1, size - 1);
  } catch (const EReadError &) {
    // A damaged count or a stream cut short: the one read error, never a crash.
  }
  return 0;
}
