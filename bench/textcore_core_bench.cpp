// Buffer primitives over 64 MiB against the nearest C library routine or a plain loop doing the
// same work, measured in the same run.
#include "core/bare_assemb.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t kBytes = size_t{64} << 20;
constexpr size_t kUnits = kBytes / 2;

// English-like text, so that the first letter of a pattern turns up as often as it would in a
// corpus; the searched word stands only at the very end.
const std::u16string &Corpus() {
  static const std::u16string text = [] {
    const std::u16string piece = u"the concordance lists every line in which a search word "
                                 u"occurs, and the word list counts how often each word is "
                                 u"found in the texts; ";
    std::u16string t;
    t.reserve(kUnits);
    while (t.size() + piece.size() < kUnits)
      t += piece;
    t.resize(kUnits - 8, u' ');
    t += u"nEEDLEs!";
    return t;
  }();
  return text;
}

// The corpus with a run of three spaces every hundred or so units.
const std::u16string &Spaced() {
  static const std::u16string text = [] {
    std::u16string t = Corpus();
    for (size_t i = 97; i + 3 < t.size(); i += 101)
      t[i] = t[i + 1] = t[i + 2] = u' ';
    return t;
  }();
  return text;
}

void SetBytes(benchmark::State &state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kBytes));
}

void FastStrPosWOurs(benchmark::State &state) {
  const std::u16string &text = Corpus();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        textcore::FastStrPosW(text.data(), u"nEEDLE", static_cast<int32_t>(text.size())));
  SetBytes(state);
}
BENCHMARK(FastStrPosWOurs)->Name("FastStrPosW/ours")->Unit(benchmark::kMillisecond);

void FastStrPosWMemmem(benchmark::State &state) {
  const std::u16string &text = Corpus();
  const char16_t pattern[] = u"nEEDLE";
  for (auto _ : state)
    benchmark::DoNotOptimize(memmem(text.data(), text.size() * 2, pattern, sizeof pattern - 2));
  SetBytes(state);
}
BENCHMARK(FastStrPosWMemmem)->Name("FastStrPosW/peer_memmem")->Unit(benchmark::kMillisecond);

void FastStrIPosWOurs(benchmark::State &state) {
  const std::u16string &text = Corpus();
  for (auto _ : state)
    benchmark::DoNotOptimize(textcore::FastStrIPosW(text.data(), u"needle", u"NEEDLE",
                                                    static_cast<int32_t>(text.size())));
  SetBytes(state);
}
BENCHMARK(FastStrIPosWOurs)->Name("FastStrIPosW/ours")->Unit(benchmark::kMillisecond);

// The same search as a plain loop over every start position.
const char16_t *IPosLoop(const char16_t *text, const char16_t *v1, const char16_t *v2,
                         size_t length, size_t n) {
  for (size_t i = 0; i + n <= length; ++i) {
    size_t k = 0;
    while (k < n && (text[i + k] == v1[k] || text[i + k] == v2[k]))
      ++k;
    if (k == n)
      return text + i;
  }
  return nullptr;
}

void FastStrIPosWLoop(benchmark::State &state) {
  const std::u16string &text = Corpus();
  for (auto _ : state)
    benchmark::DoNotOptimize(IPosLoop(text.data(), u"needle", u"NEEDLE", text.size(), 6));
  SetBytes(state);
}
BENCHMARK(FastStrIPosWLoop)->Name("FastStrIPosW/peer_loop")->Unit(benchmark::kMillisecond);

void My4ChecksumOurs(benchmark::State &state) {
  const std::u16string &text = Corpus();
  for (auto _ : state)
    benchmark::DoNotOptimize(textcore::My4Checksum(text.data(), static_cast<int32_t>(kBytes)));
  SetBytes(state);
}
BENCHMARK(My4ChecksumOurs)->Name("My4Checksum/ours")->Unit(benchmark::kMillisecond);

void My4ChecksumLoop(benchmark::State &state) {
  const auto *bytes = reinterpret_cast<const uint8_t *>(Corpus().data());
  for (auto _ : state) {
    uint32_t sum = 0;
    for (size_t i = 0; i + 4 <= kBytes; i += 4) {
      uint32_t word;
      std::memcpy(&word, bytes + i, 4);
      sum += word;
    }
    benchmark::DoNotOptimize(sum);
  }
  SetBytes(state);
}
BENCHMARK(My4ChecksumLoop)->Name("My4Checksum/peer_loop")->Unit(benchmark::kMillisecond);

// Both forms rewrite a fresh copy each round; the copy is left out of the time.
template <typename Compact> void RunCompaction(benchmark::State &state, Compact &&compact) {
  const std::u16string &source = Spaced();
  std::u16string work(source.size() + 1, u'\0');
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(work.data(), source.data(), source.size() * 2);
    state.ResumeTiming();
    benchmark::DoNotOptimize(compact(work.data(), source.size()));
  }
  SetBytes(state);
}

void RemoveRedundantSpaceWOurs(benchmark::State &state) {
  RunCompaction(state, [](char16_t *text, size_t length) {
    return textcore::RemoveRedundantSpaceW(text, static_cast<int32_t>(length));
  });
}
BENCHMARK(RemoveRedundantSpaceWOurs)
    ->Name("RemoveRedundantSpaceW/ours")
    ->Unit(benchmark::kMillisecond);

void RemoveRedundantSpaceWUnique(benchmark::State &state) {
  RunCompaction(state, [](char16_t *text, size_t length) {
    char16_t *end = std::unique(text, text + length,
                                [](char16_t a, char16_t b) { return a == u' ' && b == u' '; });
    *end = 0;
    return end - text;
  });
}
BENCHMARK(RemoveRedundantSpaceWUnique)
    ->Name("RemoveRedundantSpaceW/peer_std_unique")
    ->Unit(benchmark::kMillisecond);

void HowFarEqualContentsWOurs(benchmark::State &state) {
  const std::u16string &a = Corpus();
  std::u16string b = a;
  b.back() = u'?';
  for (auto _ : state)
    benchmark::DoNotOptimize(
        textcore::HowFarEqualContentsW(a.data(), b.data(), static_cast<int32_t>(a.size())));
  SetBytes(state);
}
BENCHMARK(HowFarEqualContentsWOurs)
    ->Name("HowFarEqualContentsW/ours")
    ->Unit(benchmark::kMillisecond);

void HowFarEqualContentsWMemcmp(benchmark::State &state) {
  const std::u16string &a = Corpus();
  std::u16string b = a;
  b.back() = u'?';
  for (auto _ : state)
    benchmark::DoNotOptimize(std::memcmp(a.data(), b.data(), a.size() * 2));
  SetBytes(state);
}
BENCHMARK(HowFarEqualContentsWMemcmp)
    ->Name("HowFarEqualContentsW/peer_memcmp")
    ->Unit(benchmark::kMillisecond);

} // namespace
