// Memory streams: many small writes into a TMemoryStream against appends to a std::vector.
#include "platform/streams.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int32_t kIntegers = (1 << 20) / sizeof(int32_t); // 1 MiB in all

void MemoryStreamWriteOurs(benchmark::State &state) {
  for (auto _ : state) {
    textcore::TMemoryStream stream;
    for (int32_t i = 0; i < kIntegers; ++i)
      stream.WriteBuffer(&i, sizeof i);
    benchmark::DoNotOptimize(stream.Memory());
  }
  state.SetBytesProcessed(state.iterations() * kIntegers * int64_t{sizeof(int32_t)});
}
BENCHMARK(MemoryStreamWriteOurs)->Name("MemoryStreamWrite/ours");

void MemoryStreamWriteVector(benchmark::State &state) {
  for (auto _ : state) {
    std::vector<uint8_t> bytes;
    for (int32_t i = 0; i < kIntegers; ++i) {
      uint8_t piece[sizeof i];
      std::memcpy(piece, &i, sizeof i);
      bytes.insert(bytes.end(), piece, piece + sizeof i);
    }
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * kIntegers * int64_t{sizeof(int32_t)});
}
BENCHMARK(MemoryStreamWriteVector)->Name("MemoryStreamWrite/peer_vector");

} // namespace
