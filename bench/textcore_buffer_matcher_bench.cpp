// The buffer matcher finding every hit of a word over 64 MiB of UTF-16 text made from the sample
// texts, counting words and units as it goes, against memmem finding every occurrence of the same
// literal (the pattern's first part, for the patterns with a "*") over the same bytes.
#include "bench/sample_corpus.h"
#include "search/buffer_matcher.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace benchcorpus;

// Every hit, each search resumed one character past the last hit's start.
int64_t FindEvery(const String &word, bool right_bounded) {
  const Corpus &c = TheCorpus();
  const String lower = textcore::LowerCase(word), upper = textcore::UpperCase(word);
  const String title = upper.substr(0, 1) + lower.substr(1);
  const char16_t *text = c.text.data();
  const uint16_t *classes = c.classes.data();
  textcore::TSearchStatsRec stats;
  bool in_heading = false;
  int64_t hits = 0;
  for (int32_t done = 0;;) {
    uint16_t hit_length = 0, exact = 0;
    const auto *hit = static_cast<const char16_t *>(textcore::NewFindWantedInBuffer(
        text + done, static_cast<int32_t>(kUnits) - done, classes + done, classes,
        classes + kUnits + 1, upper, lower, title, static_cast<uint16_t>(lower.size()), false, true,
        right_bounded, true, false, false, hit_length, exact, stats, in_heading, false, false,
        false, false));
    if (hit == nullptr)
      break;
    ++hits;
    done = static_cast<int32_t>(hit - text) + 1;
  }
  return hits;
}

int64_t MemmemEvery(const char16_t *literal) {
  const Corpus &c = TheCorpus();
  const auto *bytes = reinterpret_cast<const char *>(c.text.data());
  const size_t n = std::char_traits<char16_t>::length(literal) * 2;
  int64_t hits = 0;
  for (size_t at = 0; at + n <= kBytes;) {
    const void *hit = memmem(bytes + at, kBytes - at, literal, n);
    if (hit == nullptr)
      break;
    const size_t k = static_cast<size_t>(static_cast<const char *>(hit) - bytes);
    hits += (k % 2 == 0);
    at = k + 1;
  }
  return hits;
}

void SetBytes(benchmark::State &state, int64_t hits) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kBytes));
  state.counters["hits"] = static_cast<double>(hits);
}

void Ours(benchmark::State &state, const String &word, bool right_bounded) {
  TheCorpus();
  int64_t hits = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(hits = FindEvery(word, right_bounded));
  SetBytes(state, hits);
}

void Peer(benchmark::State &state, const char16_t *literal) {
  TheCorpus();
  int64_t hits = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(hits = MemmemEvery(literal));
  SetBytes(state, hits);
}

BENCHMARK_CAPTURE(Ours, common, u"the", true)
    ->Name("CommonWord/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Peer, common, u"the")
    ->Name("CommonWord/peer_memmem")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, rare, u"ferryman", true)
    ->Name("RareWord/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Peer, rare, u"ferryman")
    ->Name("RareWord/peer_memmem")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, trailing, u"river", false)
    ->Name("TrailingStar/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Peer, trailing, u"river")
    ->Name("TrailingStar/peer_memmem")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, inner, u"bri\x1Dge", true)
    ->Name("InnerStar/ours")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Peer, inner, u"bri")
    ->Name("InnerStar/peer_memmem")
    ->Unit(benchmark::kMillisecond);

} // namespace
