// Settings records built byte by byte at their offsets, and read back from bytes, for the tests
// of the saved layouts.
#pragma once

#include "support/stream_bytes.h"

#include <cstring>
#include <string_view>

namespace testsupport {

// A zeroed record of a given size, filled field by field in little-endian order.
class RecordBytes {
public:
  explicit RecordBytes(size_t size) : fBytes(size, 0) {}

  template <typename T> RecordBytes &Put(size_t offset, T value) {
    std::memcpy(&fBytes.at(offset + sizeof(T) - 1) - (sizeof(T) - 1), &value, sizeof(T));
    return *this;
  }
  // UTF-16 units, without a terminator (the zeros after them are the terminator).
  RecordBytes &PutWide(size_t offset, std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i)
      Put<char16_t>(offset + 2 * i, text[i]);
    return *this;
  }
  // A short string: its length byte (given, so that a damaged one can be written), then bytes.
  RecordBytes &PutShort(size_t offset, uint8_t length, std::string_view text) {
    Put<uint8_t>(offset, length);
    for (size_t i = 0; i < text.size(); ++i)
      Put<char>(offset + 1 + i, text[i]);
    return *this;
  }

  const Bytes &bytes() const { return fBytes; }
  // The first count bytes, as a stream that was cut short would hold them.
  Bytes First(size_t count) const { return Bytes(fBytes.begin(), fBytes.begin() + count); }

private:
  Bytes fBytes;
};

template <typename T> T Get(const Bytes &bytes, size_t offset) {
  T value;
  std::memcpy(&value, &bytes.at(offset + sizeof(T) - 1) - (sizeof(T) - 1), sizeof(T));
  return value;
}

// Everything a record holds, byte for byte.
template <typename T> Bytes BytesOf(const T &record) {
  Bytes bytes(sizeof(T));
  std::memcpy(bytes.data(), &record, sizeof(T));
  return bytes;
}

} // namespace testsupport
