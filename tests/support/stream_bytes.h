// Byte sequences for the tests of saved forms: building expected bytes, and streams over them.
#pragma once

#include "platform/streams.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace testsupport {

using Bytes = std::vector<uint8_t>;

// Everything a memory stream holds.
inline Bytes Contents(textcore::TMemoryStream &s) {
  return Bytes(s.Memory(), s.Memory() + s.Size());
}

// A memory stream holding bytes, positioned at its start.
inline textcore::TMemoryStream StreamOf(const Bytes &bytes) {
  textcore::TMemoryStream s;
  if (!bytes.empty())
    s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(0);
  return s;
}

// The four little-endian bytes of a 32-bit count.
inline Bytes Int32(int32_t n) {
  Bytes b(4);
  std::memcpy(b.data(), &n, 4);
  return b;
}

inline Bytes operator+(Bytes a, const Bytes &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

} // namespace testsupport
