// Character classes and single-byte decoding against a plain memory copy of the same size: both
// are one table look-up per unit, so a memcpy is the floor they are measured against.
#include "platform/nls_char_types.h"
#include "platform/nls_code_pages.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr size_t kBytes = 64u << 20;

std::vector<char16_t> MixedUtf16() {
  const char16_t piece[] = u"The quick brown fox \u00E9t\u00E9 \u041C\u043E\u0441\u043A\u0432"
                           u"\u0430 \u03B1\u03B2\u03B3 \u0E01\u0E32\u0E23 12,5% ";
  std::vector<char16_t> text(kBytes / sizeof(char16_t));
  const size_t n = sizeof(piece) / sizeof(char16_t) - 1;
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = piece[i % n];
  return text;
}

std::vector<char> Windows1252Text() {
  std::vector<char> text(kBytes);
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char>(i % 7 == 0 ? 0x80 + i % 128 : 'a' + i % 26);
  return text;
}

void ClassifyOurs(benchmark::State &state) {
  const std::vector<char16_t> text = MixedUtf16();
  std::vector<uint16_t> classes(text.size());
  textcore::CType1Table(); // built before timing, as it is once per process
  for (auto _ : state) {
    textcore::GetStringTypeExW(1033, textcore::CT_CTYPE1, text.data(),
                               static_cast<int32_t>(text.size()), classes.data());
    benchmark::DoNotOptimize(classes.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kBytes));
}
BENCHMARK(ClassifyOurs)->Name("ClassifyUtf16/ours")->Unit(benchmark::kMillisecond);

void ClassifyMemcpy(benchmark::State &state) {
  const std::vector<char16_t> text = MixedUtf16();
  std::vector<uint16_t> classes(text.size());
  for (auto _ : state) {
    std::memcpy(classes.data(), text.data(), kBytes);
    benchmark::DoNotOptimize(classes.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kBytes));
}
BENCHMARK(ClassifyMemcpy)->Name("ClassifyUtf16/peer_memcpy")->Unit(benchmark::kMillisecond);

void ConvertOurs(benchmark::State &state) {
  const std::vector<char> text = Windows1252Text();
  std::vector<char16_t> wide(text.size());
  textcore::CodePageToUnicodeTable(1252);
  for (auto _ : state) {
    textcore::MultiByteToWideChar(1252, 0, text.data(), static_cast<int32_t>(text.size()),
                                  wide.data(), static_cast<int32_t>(wide.size()));
    benchmark::DoNotOptimize(wide.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kBytes));
}
BENCHMARK(ConvertOurs)->Name("Convert1252/ours")->Unit(benchmark::kMillisecond);

void ConvertMemcpy(benchmark::State &state) {
  const std::vector<char> text = Windows1252Text();
  std::vector<char> copy(text.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), text.data(), kBytes);
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kBytes));
}
BENCHMARK(ConvertMemcpy)->Name("Convert1252/peer_memcpy")->Unit(benchmark::kMillisecond);

} // namespace
