// String coding on a memory stream: WriteAString then ReadAString of a run of words, against a
// plain memcpy of the same bytes into and out of a buffer.
#include "core/stream_codec.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using namespace textcore;

// 10,000 strings of 1 to 24 units, like the words and lemmas of a saved list.
std::vector<String> Words() {
  std::vector<String> words;
  for (int32_t i = 0; i < 10000; ++i)
    words.emplace_back(static_cast<size_t>(1 + i % 24), static_cast<char16_t>(u'a' + i % 26));
  return words;
}

int64_t EncodedBytes(const std::vector<String> &words) {
  int64_t bytes = 0;
  for (const String &w : words)
    bytes += 4 + 2 * static_cast<int64_t>(w.size());
  return bytes;
}

void StreamStringsOurs(benchmark::State &state) {
  const std::vector<String> words = Words();
  for (auto _ : state) {
    TMemoryStream stream;
    for (const String &w : words)
      WriteAString(stream, w);
    stream.SetPosition(0);
    for (size_t i = 0; i < words.size(); ++i)
      benchmark::DoNotOptimize(ReadAString(stream));
  }
  state.SetBytesProcessed(state.iterations() * EncodedBytes(words));
}
BENCHMARK(StreamStringsOurs)->Name("StreamStrings/ours");

// The floor: the same bytes laid out by hand and copied back into strings.
void StreamStringsMemcpy(benchmark::State &state) {
  const std::vector<String> words = Words();
  for (auto _ : state) {
    std::vector<uint8_t> bytes;
    for (const String &w : words) {
      int32_t n = static_cast<int32_t>(w.size());
      size_t at = bytes.size();
      bytes.resize(at + 4 + 2 * w.size());
      std::memcpy(bytes.data() + at, &n, 4);
      std::memcpy(bytes.data() + at + 4, w.data(), 2 * w.size());
    }
    size_t at = 0;
    for (size_t i = 0; i < words.size(); ++i) {
      int32_t n;
      std::memcpy(&n, bytes.data() + at, 4);
      String s(static_cast<size_t>(n), u'\0');
      std::memcpy(s.data(), bytes.data() + at + 4, 2 * static_cast<size_t>(n));
      at += 4 + 2 * static_cast<size_t>(n);
      benchmark::DoNotOptimize(s);
    }
  }
  state.SetBytesProcessed(state.iterations() * EncodedBytes(words));
}
BENCHMARK(StreamStringsMemcpy)->Name("StreamStrings/peer_memcpy");

} // namespace
