// Format of a typical status message against snprintf of the same message.
#include "platform/format.h"

#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdio>

namespace {

void FormatOurs(benchmark::State &state) {
  const textcore::TFormatSettings settings = textcore::TFormatSettings::Invariant();
  const textcore::String corpus = u"Brown corpus";
  int32_t words = 1161192;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        textcore::Format(settings, u"%s: %.0n words in %d texts", corpus, words, 500));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(FormatOurs)->Name("Format/ours");

// The C library groups thousands with the "'" flag, by the locale's rules; en_US.UTF-8 is used
// when the machine has it, so that the peer does the same work as we do.
void FormatSnprintf(benchmark::State &state) {
  std::setlocale(LC_NUMERIC, "en_US.UTF-8");
  const char *corpus = "Brown corpus";
  int32_t words = 1161192;
  for (auto _ : state) {
    char buffer[128];
    const int length =
        std::snprintf(buffer, sizeof buffer, "%s: %'d words in %d texts", corpus, words, 500);
    benchmark::DoNotOptimize(length);
    benchmark::DoNotOptimize(buffer);
  }
  std::setlocale(LC_NUMERIC, "C");
}
BENCHMARK(FormatSnprintf)->Name("Format/peer_snprintf");

} // namespace
