// The search engine over 64 MiB of UTF-16 sample text: building the class array of a buffer
// against copying the same buffer, and a whole pass for a common word (class array, every hit to
// a callback) against memmem finding every occurrence of the literal.
#include "bench/sample_corpus.h"
#include "search/search_engine.h"
#include "search/search_word_parser.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace benchcorpus;

void ClassArrayOurs(benchmark::State &state) {
  const Corpus &c = TheCorpus();
  for (auto _ : state) {
    textcore::TSearchAndDoEngine engine(true, true, 0x0809, nullptr);
    engine.SetABuffer(c.text.c_str());
    benchmark::DoNotOptimize(engine.BufferDetails());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kBytes));
}

void ClassArrayPeer(benchmark::State &state) {
  const Corpus &c = TheCorpus();
  for (auto _ : state) {
    std::vector<uint16_t> copy(kUnits + 2);
    std::memcpy(copy.data(), c.text.data(), kBytes);
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kBytes));
}

void PassOurs(benchmark::State &state) {
  const Corpus &c = TheCorpus();
  int64_t hits = 0;
  for (auto _ : state) {
    textcore::TSearchAndDoEngine engine(true, true, 0x0809, nullptr);
    hits = 0;
    engine.PrepareFirst(
        c.text.c_str(), static_cast<int32_t>(kBytes), 0,
        [&](textcore::TSearchAndDoEngine *, const textcore::TSearchFound_Rec &) { return ++hits; },
        nullptr);
    textcore::TSearch_word_format_rec item;
    textcore::Parsed_SearchWord(textcore::TIgnore_tag_type{}, u"the", item);
    engine.SearchAndDo(&item);
  }
  state.counters["hits"] = static_cast<double>(hits);
}

void PassPeer(benchmark::State &state) {
  const Corpus &c = TheCorpus();
  const auto *bytes = reinterpret_cast<const char *>(c.text.data());
  const char16_t literal[] = u"the";
  int64_t hits = 0;
  for (auto _ : state) {
    hits = 0;
    for (size_t at = 0; at + 6 <= kBytes;) {
      const void *hit = memmem(bytes + at, kBytes - at, literal, 6);
      if (hit == nullptr)
        break;
      const size_t k = static_cast<size_t>(static_cast<const char *>(hit) - bytes);
      hits += (k % 2 == 0);
      at = k + 1;
    }
    benchmark::DoNotOptimize(hits);
  }
  state.counters["hits"] = static_cast<double>(hits);
}

BENCHMARK(ClassArrayOurs)->Name("EngineClassArray/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(ClassArrayPeer)->Name("EngineClassArray/peer_memcpy")->Unit(benchmark::kMillisecond);
BENCHMARK(PassOurs)->Name("EngineCommonWordPass/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(PassPeer)->Name("EngineCommonWordPass/peer_memmem")->Unit(benchmark::kMillisecond);

} // namespace
