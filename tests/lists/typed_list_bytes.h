// Byte helpers for the typed-list tests: build expected streams and read a stream's contents.
#pragma once

#include "platform/streams.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace testsupport {

using Bytes = std::vector<uint8_t>;

inline Bytes Contents(textcore::TMemoryStream &s) {
  return Bytes(s.Memory(), s.Memory() + s.Size());
}

inline void LoadInto(textcore::TMemoryStream &s, const Bytes &bytes) {
  s.SetSize(0);
  if (!bytes.empty())
    s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(0);
}

// The little-endian bytes of any plain value.
template <typename T> Bytes LE(T value) {
  Bytes b(sizeof(T));
  std::memcpy(b.data(), &value, sizeof(T));
  return b;
}

inline Bytes operator+(Bytes a, const Bytes &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A saved string: the count of UTF-16 units, then the units (ASCII text here).
inline Bytes Str(const std::string &text) {
  Bytes b = LE(static_cast<int32_t>(text.size()));
  for (char c : text)
    b = b + Bytes{static_cast<uint8_t>(c), 0};
  return b;
}

} // namespace testsupport
