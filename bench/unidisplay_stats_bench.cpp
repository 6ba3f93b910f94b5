// Keyness statistics over many words: our scores against the same formulas written inline with
// no checks, and our tail probability against the chi-square tail from std::erfc.
#include "stats/keyness_scores.h"
#include "stats/keyword_entry.h"
#include "stats/tail_probability.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kWords = 1000000;
constexpr int kScores = 10000;

struct Word {
  unidisplay::two_KWlongints_type f, running_words;
};

// A word list's worth of frequencies: mostly rare words, a few absent from one side.
const std::vector<Word> &Words() {
  static const std::vector<Word> words = [] {
    std::mt19937 random(20240521);
    std::geometric_distribution<int32_t> frequency(0.01);
    std::vector<Word> out(kWords);
    for (Word &w : out)
      w = {{frequency(random), frequency(random)}, {250000, 50000000}};
    return out;
  }();
  return words;
}

const std::vector<float> &Scores() {
  static const std::vector<float> scores = [] {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> score(0, 40);
    std::vector<float> out(kScores);
    for (float &s : out)
      s = score(random);
    return out;
  }();
  return scores;
}

double Guarded(int32_t v) {
  return v > 0 ? static_cast<double>(v) : std::numeric_limits<double>::denorm_min();
}

// The log-likelihood as a plain loop would write it; the guarded logarithms of quotients are
// taken as differences so that it gets the same answers.
float InlineLogLikelihood(int32_t a, int32_t b, int32_t c, int32_t d) {
  const double A = Guarded(a), B = Guarded(b), C = Guarded(c), D = Guarded(d);
  const double E1 = (A + B) * C / (C + D), E2 = (A + B) * D / (C + D);
  return static_cast<float>(2 *
                            (A * (std::log(A) - std::log(E1)) + B * (std::log(B) - std::log(E2))));
}

// f / total in double precision rounded to a Single, with the guard for 0.
float RelativeFrequency(int32_t f, int32_t total) {
  const float r = static_cast<float>(static_cast<double>(f) / total);
  return r == 0 ? std::numeric_limits<float>::denorm_min() : r;
}

void KWStatsCalculatedOurs(benchmark::State &state) {
  for (auto _ : state)
    for (const Word &w : Words()) {
      unidisplay::TKeyword_entry_rec entry = unidisplay::KWStatsCalculated(w.f, w.running_words);
      benchmark::DoNotOptimize(entry);
    }
  state.SetItemsProcessed(state.iterations() * kWords);
}
BENCHMARK(KWStatsCalculatedOurs)->Name("KWStatsCalculated/ours")->Unit(benchmark::kMillisecond);

// The same two scores and sign inline, and the same lemma list allocated per entry, so that the
// ratio shows what the checks and the entry cost.
void KWStatsCalculatedInline(benchmark::State &state) {
  for (auto _ : state)
    for (const Word &w : Words()) {
      auto lemmas = std::make_unique<unidisplay::TMyStreamableStringlist>();
      const float r0 = RelativeFrequency(w.f[0], w.running_words[0]);
      const float r1 = RelativeFrequency(w.f[1], w.running_words[1]);
      const float log_ratio = static_cast<float>(std::log2(static_cast<double>(r0) / r1));
      float LL = InlineLogLikelihood(w.f[0], w.f[1], w.running_words[0], w.running_words[1]);
      const double expected = double(w.running_words[0]) * (double(w.f[0]) + w.f[1]) /
                              (double(w.running_words[0]) + w.running_words[1]);
      if (w.f[0] < expected)
        LL = -LL;
      benchmark::DoNotOptimize(lemmas);
      benchmark::DoNotOptimize(LL);
      benchmark::DoNotOptimize(log_ratio);
    }
  state.SetItemsProcessed(state.iterations() * kWords);
}
BENCHMARK(KWStatsCalculatedInline)
    ->Name("KWStatsCalculated/peer_inline")
    ->Unit(benchmark::kMillisecond);

void LogLikelihoodOurs(benchmark::State &state) {
  for (auto _ : state)
    for (const Word &w : Words())
      benchmark::DoNotOptimize(unidisplay::Log_Likelihood_Lancaster(
          w.f[0], w.f[1], w.running_words[0], w.running_words[1]));
  state.SetItemsProcessed(state.iterations() * kWords);
}
BENCHMARK(LogLikelihoodOurs)->Name("Log_Likelihood_Lancaster/ours")->Unit(benchmark::kMillisecond);

void LogLikelihoodInline(benchmark::State &state) {
  for (auto _ : state)
    for (const Word &w : Words())
      benchmark::DoNotOptimize(
          InlineLogLikelihood(w.f[0], w.f[1], w.running_words[0], w.running_words[1]));
  state.SetItemsProcessed(state.iterations() * kWords);
}
BENCHMARK(LogLikelihoodInline)
    ->Name("Log_Likelihood_Lancaster/peer_inline")
    ->Unit(benchmark::kMillisecond);

void UpperTailProbabilityOurs(benchmark::State &state) {
  for (auto _ : state)
    for (float score : Scores())
      benchmark::DoNotOptimize(unidisplay::UpperTailProbability(score));
  state.SetItemsProcessed(state.iterations() * kScores);
}
BENCHMARK(UpperTailProbabilityOurs)->Name("UpperTailProbability/ours");

void UpperTailProbabilityErfc(benchmark::State &state) {
  for (auto _ : state)
    for (float score : Scores())
      benchmark::DoNotOptimize(std::erfc(std::sqrt(std::fabs(double{score}) / 2)));
  state.SetItemsProcessed(state.iterations() * kScores);
}
BENCHMARK(UpperTailProbabilityErfc)->Name("UpperTailProbability/peer_erfc");

} // namespace
