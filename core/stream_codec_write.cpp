// The writers of the stream encodings.
#include "core/stream_codec.h"

#include "platform/exceptions.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace textcore {

namespace {

constexpr size_t kShortStringMax = 255;
constexpr size_t kAnsiBufferMax = 65535;
constexpr size_t kCountMax = std::numeric_limits<int32_t>::max();
// A field and its text up to this size go to the stream in one write.
constexpr size_t kJoinedWriteMax = 512;

// Writes the count field and the payload, in one write when they are small; raises the stream's
// EWriteError when either is cut short.
void WriteFieldAndPayload(TStream &stream, const void *field, size_t field_size,
                          const void *payload, size_t payload_size) {
  if (field_size + payload_size <= kJoinedWriteMax) {
    uint8_t joined[kJoinedWriteMax];
    std::memcpy(joined, field, field_size);
    if (payload_size != 0)
      std::memcpy(joined + field_size, payload, payload_size);
    stream.WriteBuffer(joined, static_cast<int64_t>(field_size + payload_size));
    return;
  }
  stream.WriteBuffer(field, static_cast<int64_t>(field_size));
  stream.WriteBuffer(payload, static_cast<int64_t>(payload_size));
}

void WriteCount32AndUnits(TStream &stream, const void *units, size_t count, size_t unit_size) {
  if (count > kCountMax)
    throw EWriteError(std::string_view("Stream write error: text too long for its count field"));
  int32_t field = static_cast<int32_t>(count);
  WriteFieldAndPayload(stream, &field, sizeof field, units, count * unit_size);
}

size_t MeasureWide(const char16_t *p) { return p ? std::char_traits<char16_t>::length(p) : 0; }
size_t MeasureAnsi(const char *p) { return p ? std::strlen(p) : 0; }

// Moves all of bytes through the plain write; false when the stream took fewer.
bool MovedAll(TStream &stream, const void *bytes, int64_t count) {
  return stream.Write(bytes, count) == count;
}

} // namespace

// A text longer than the length byte holds keeps its first 255 bytes, with that length, rather
// than a length taken modulo 256 that would cut it arbitrarily.
bool WriteShortString(TStream &Stream, const AnsiString &S) {
  uint8_t length = static_cast<uint8_t>(std::min(S.size(), kShortStringMax));
  WriteFieldAndPayload(Stream, &length, 1, S.data(), length);
  return true;
}

void WriteAnsiPchar(TStream &Stream, const char *P) {
  uint16_t length = static_cast<uint16_t>(std::min(MeasureAnsi(P), kAnsiBufferMax));
  WriteFieldAndPayload(Stream, &length, sizeof length, P, length);
}

void WriteWidePchar(TStream &Stream, const char16_t *P) {
  WriteCount32AndUnits(Stream, P, MeasureWide(P), sizeof(char16_t));
}

// A negative count would make the block unreadable, so it is written as an empty block.
bool WriteKnownLengthPointer(TStream &Stream, const void *P, bool Wide, int32_t Count) {
  int32_t field = P != nullptr && Count > 0 ? Count : 0;
  if (!MovedAll(Stream, &field, sizeof field))
    return false;
  int64_t bytes = static_cast<int64_t>(field) * (Wide ? 2 : 1);
  return bytes == 0 || MovedAll(Stream, P, bytes);
}

bool WriteUnknownLengthPointer(TStream &Stream, const void *P, bool Wide) {
  size_t count = Wide ? MeasureWide(static_cast<const char16_t *>(P))
                      : MeasureAnsi(static_cast<const char *>(P));
  if (count > kCountMax)
    return false;
  return WriteKnownLengthPointer(Stream, P, Wide, static_cast<int32_t>(count));
}

bool WriteAString(TStream &Stream, StringView S) {
  WriteCount32AndUnits(Stream, S.data(), S.size(), sizeof(char16_t));
  return true;
}

} // namespace textcore
