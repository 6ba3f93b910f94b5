// Byte sequences for the tests of saved forms: building expected bytes, and streams over them.
#pragma once

#include "platform/exceptions.h"
#include "platform/streams.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
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

// A stream that cannot tell its size or seek, as a pipe: only Read works, delivering at most
// piece bytes a call.
class PipeStream : public textcore::TStream {
public:
  explicit PipeStream(Bytes bytes, int64_t piece = INT64_MAX)
      : fBytes(std::move(bytes)), fPiece(piece) {}
  int64_t Read(void *buffer, int64_t count) override {
    int64_t n = std::min<int64_t>(count, static_cast<int64_t>(fBytes.size() - fAt));
    n = std::min(n, fPiece);
    if (n > 0)
      std::memcpy(buffer, fBytes.data() + fAt, static_cast<size_t>(n));
    fAt += static_cast<size_t>(std::max<int64_t>(n, 0));
    return n;
  }
  int64_t Write(const void *, int64_t) override { return 0; }
  int64_t Seek(int64_t, textcore::TSeekOrigin) override {
    throw textcore::EStreamError(std::string_view("not seekable"));
  }
  void SetSize(int64_t) override {}

private:
  Bytes fBytes;
  int64_t fPiece;
  size_t fAt = 0;
};

} // namespace testsupport
