// Association measures over a collocate list's worth of pairs, by statistic, against the same
// formulas written inline with no checks; and the pair-array round trip against its closed form
// written inline.
#include "stats/pair_array.h"
#include "stats/relationship_computation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using namespace textcore;

constexpr int kPairs = 1000000;
constexpr int32_t kRunningWords = 50000000;
constexpr Tdouble_smallint_type kHorizons{5, 5};
constexpr int32_t kSpan = 10;

struct Pair {
  int32_t joint, f1, f2;
};

// Node and collocate frequencies of a word list (mostly rare words), each pair seen together at
// least once, as the callers guarantee before scoring.
const std::vector<Pair> &Pairs() {
  static const std::vector<Pair> pairs = [] {
    std::mt19937 random(20240611);
    std::geometric_distribution<int32_t> frequency(0.001);
    std::vector<Pair> out(kPairs);
    for (Pair &p : out) {
      const int32_t f1 = 1 + frequency(random), f2 = 1 + frequency(random);
      p = {1 + static_cast<int32_t>(random() % std::min(f1, f2)), f1, f2};
    }
    return out;
  }();
  return pairs;
}

template <TMutualInfoStats stat> void Ours(benchmark::State &state) {
  for (auto _ : state)
    for (const Pair &p : Pairs())
      benchmark::DoNotOptimize(
          unidisplay::RelationshipComputation(stat, p.joint, p.f1, p.f2, kRunningWords, kHorizons));
  state.SetItemsProcessed(state.iterations() * kPairs);
}

// The formulas as a plain loop would write them, rounded to a Single at the end.
float Inline(TMutualInfoStats stat, double j, double f1, double f2) {
  const double n = kRunningWords;
  switch (stat) {
  case MI_Dice:
    return static_cast<float>(2 * j / (f1 + f2));
  case MI_MI:
    return static_cast<float>(std::log2((j / n) / ((f1 / n) * (f2 / n))));
  case MI_MI3:
    return static_cast<float>(std::log2(j * j * j * n / (f1 * f2)));
  case MI_Z: {
    const double p = f2 / (n - f1), e = f1 * p * kSpan;
    return static_cast<float>((j - e) / std::sqrt((1 - p) * e));
  }
  case MI_log_likelihood: {
    const double k[4] = {j, f2 - j, f1 * kSpan - j, n - f1 - f2 + j};
    const double N = k[0] + k[1] + k[2] + k[3];
    const double r[2] = {k[0] + k[1], k[2] + k[3]}, c[2] = {k[0] + k[2], k[1] + k[3]};
    double g = 0;
    for (int i = 0; i < 4; ++i)
      if (k[i] > 0)
        g += k[i] * std::log(k[i] * N / (r[i / 2] * c[i % 2]));
    return static_cast<float>(2 * g);
  }
  case MI_T_Score:
    return static_cast<float>((j - f1 * f2 / n) / std::sqrt(j));
  case MI_Log_Ratio:
    return static_cast<float>(
        std::log2(double(static_cast<float>(f1 / n)) / static_cast<float>(f2 / n)));
  }
  return 0;
}

template <TMutualInfoStats stat> void Peer(benchmark::State &state) {
  for (auto _ : state)
    for (const Pair &p : Pairs())
      benchmark::DoNotOptimize(Inline(stat, p.joint, p.f1, p.f2));
  state.SetItemsProcessed(state.iterations() * kPairs);
}

#define QUILLMARK_STATISTIC_BENCHMARKS(stat, name)                                                 \
  BENCHMARK_TEMPLATE(Ours, stat)->Name(name "/ours")->Unit(benchmark::kMillisecond);               \
  BENCHMARK_TEMPLATE(Peer, stat)->Name(name "/peer_inline")->Unit(benchmark::kMillisecond)

QUILLMARK_STATISTIC_BENCHMARKS(MI_Dice, "RelationshipComputation_Dice");
QUILLMARK_STATISTIC_BENCHMARKS(MI_MI, "RelationshipComputation_MI");
QUILLMARK_STATISTIC_BENCHMARKS(MI_MI3, "RelationshipComputation_MI3");
QUILLMARK_STATISTIC_BENCHMARKS(MI_Z, "RelationshipComputation_Z");
QUILLMARK_STATISTIC_BENCHMARKS(MI_log_likelihood, "RelationshipComputation_LogLikelihood");
QUILLMARK_STATISTIC_BENCHMARKS(MI_T_Score, "RelationshipComputation_T");
QUILLMARK_STATISTIC_BENCHMARKS(MI_Log_Ratio, "RelationshipComputation_LogRatio");

constexpr int32_t kItems = 1415; // about a million pairs

void PairArrayOurs(benchmark::State &state) {
  for (auto _ : state)
    for (int32_t y = 0; y < kItems; ++y)
      for (int32_t x = y + 1; x < kItems; ++x) {
        const int32_t pos = unidisplay::SingleArrayPosForXYValue(x, y, kItems);
        benchmark::DoNotOptimize(unidisplay::XYFromSingleArrayPosPos(pos, kItems));
      }
  state.SetItemsProcessed(state.iterations() * (int64_t{kItems} * (kItems - 1) / 2));
}
BENCHMARK(PairArrayOurs)->Name("PairArrayRoundTrip/ours")->Unit(benchmark::kMillisecond);

// The row-by-row numbering and its inverse by the quadratic formula, corrected by one row where
// the square root rounds, with no checks.
void PairArrayInline(benchmark::State &state) {
  const int64_t n = kItems;
  const double b = 2.0 * n - 1;
  for (auto _ : state)
    for (int64_t y = 0; y < n; ++y)
      for (int64_t x = y + 1; x < n; ++x) {
        const int64_t pos = y * n - y * (y + 1) / 2 + x - y - 1;
        int64_t row = static_cast<int64_t>((b - std::sqrt(b * b - 8.0 * pos)) / 2);
        if ((row + 1) * n - (row + 1) * (row + 2) / 2 <= pos)
          ++row;
        const int64_t column = row + 1 + pos - (row * n - row * (row + 1) / 2);
        benchmark::DoNotOptimize(row);
        benchmark::DoNotOptimize(column);
      }
  state.SetItemsProcessed(state.iterations() * (int64_t{kItems} * (kItems - 1) / 2));
}
BENCHMARK(PairArrayInline)->Name("PairArrayRoundTrip/peer_inline")->Unit(benchmark::kMillisecond);

} // namespace
