// Byte helpers for the typed-list tests, beyond the shared ones: any plain value's bytes, a saved
// string, and refilling a stream in place.
#pragma once

#include "support/stream_bytes.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace testsupport {

// The little-endian bytes of any plain value.
template <typename T> Bytes LE(T value) {
  Bytes b(sizeof(T));
  std::memcpy(b.data(), &value, sizeof(T));
  return b;
}

// A saved string: the count of UTF-16 units, then the units (ASCII text here).
inline Bytes Str(const std::string &text) {
  Bytes b = Int32(static_cast<int32_t>(text.size()));
  for (char c : text)
    b = b + Bytes{static_cast<uint8_t>(c), 0};
  return b;
}

// Makes s hold bytes alone, positioned at its start.
inline void LoadInto(textcore::TMemoryStream &s, const Bytes &bytes) {
  s.SetSize(0);
  if (!bytes.empty())
    s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(0);
}

} // namespace testsupport
