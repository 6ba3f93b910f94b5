// The readers of the stream encodings. Every count is checked before it sizes anything, and a
// stream that runs out inside a field is an error, never a tail of zeros.
#include "core/stream_codec.h"

#include "messages/message_names.h"
#include "platform/exceptions.h"
#include "platform/format.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace textcore {

int32_t temp_pointer_chars_allocated = 0;
int32_t global_string_safety_limit = 5000;

namespace {

// Where a stream's size is unknown, the buffer grows by at most this many bytes per read.
constexpr int64_t kStep = 1 << 16;

[[noreturn]] void RaiseFileReadError(const char16_t *reader) {
  throw EReadError(Format(_QMFileReadError, reader));
}

void ReadField(TStream &stream, void *field, int64_t size, const char16_t *reader) {
  if (ReadFully(stream, field, size) != size)
    RaiseFileReadError(reader);
}

// Reads count units into out. A count beyond the bytes left raises before anything is sized.
template <typename Unit>
void ReadUnits(TStream &stream, std::basic_string<Unit> &out, int64_t count,
               const char16_t *reader) {
  const int64_t bytes = count * static_cast<int64_t>(sizeof(Unit));
  const int64_t left = BytesLeft(stream);
  if (left >= 0) {
    if (bytes > left)
      RaiseFileReadError(reader);
    out.resize(static_cast<size_t>(count));
    ReadField(stream, out.data(), bytes, reader);
    return;
  }
  out.clear();
  for (int64_t done = 0; done < count;) {
    int64_t step = std::min(count - done, kStep / static_cast<int64_t>(sizeof(Unit)));
    out.resize(static_cast<size_t>(done + step));
    ReadField(stream, out.data() + done, step * static_cast<int64_t>(sizeof(Unit)), reader);
    done += step;
  }
}

template <typename Unit> std::unique_ptr<Unit[]> Terminated(const std::basic_string<Unit> &units) {
  auto out = std::make_unique_for_overwrite<Unit[]>(units.size() + 1);
  std::memcpy(out.get(), units.data(), units.size() * sizeof(Unit));
  out[units.size()] = 0;
  return out;
}

int32_t ReadCount32(TStream &stream, const char16_t *reader) {
  int32_t count;
  ReadField(stream, &count, sizeof count, reader);
  return count;
}

} // namespace

void TPointerBufferRelease::operator()(void *buffer) const {
  if (wide)
    delete[] static_cast<char16_t *>(buffer);
  else
    delete[] static_cast<char *>(buffer);
}

AnsiString ReadShortString(TStream &Stream) {
  uint8_t length;
  ReadField(Stream, &length, 1, u"ReadShortString");
  AnsiString out;
  ReadUnits(Stream, out, length, u"ReadShortString");
  return out;
}

std::unique_ptr<char[]> ReadAnsiPchar(TStream &Stream) {
  uint16_t count;
  ReadField(Stream, &count, sizeof count, u"ReadAnsiPchar");
  std::string units;
  ReadUnits(Stream, units, count, u"ReadAnsiPchar");
  return Terminated(units);
}

std::unique_ptr<char16_t[]> ReadWidePchar(TStream &Stream) {
  int32_t count = ReadCount32(Stream, u"ReadWidePchar");
  if (count < 0)
    RaiseFileReadError(u"ReadWidePchar");
  String units;
  ReadUnits(Stream, units, count, u"ReadWidePchar");
  return Terminated(units);
}

TPointerBuffer ReadUnknownLengthPointerMaxSize(TStream &Stream, bool Wide, int32_t MaxSize) {
  const char16_t *reader = u"ReadUnknownLengthPointer";
  temp_pointer_chars_allocated = 0; // stays 0 when the count field itself is cut short
  temp_pointer_chars_allocated = ReadCount32(Stream, reader);
  const int32_t count = temp_pointer_chars_allocated;
  if (count < 0 || count > MaxSize)
    RaiseFileReadError(reader);
  if (Wide) {
    String units;
    ReadUnits(Stream, units, count, reader);
    return TPointerBuffer(Terminated(units).release(), TPointerBufferRelease{true});
  }
  std::string units;
  ReadUnits(Stream, units, count, reader);
  return TPointerBuffer(Terminated(units).release(), TPointerBufferRelease{false});
}

TPointerBuffer ReadUnknownLengthPointer(TStream &Stream, bool Wide) {
  return ReadUnknownLengthPointerMaxSize(Stream, Wide, kDefaultPointerMaxSize);
}

String ReadAString(TStream &Stream, int32_t MaxLen) {
  int32_t count = ReadCount32(Stream, u"ReadAString");
  if (count == 0)
    return String();
  if (count < 0 || count > MaxLen)
    RaiseFileReadError(u"ReadAString");
  String out;
  ReadUnits(Stream, out, count, u"ReadAString");
  return out;
}

String ReadAString(TStream &Stream) { return ReadAString(Stream, global_string_safety_limit); }

} // namespace textcore
