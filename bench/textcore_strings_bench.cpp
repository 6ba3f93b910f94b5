// Text conversion: our UTF-8 decoder against ICU's on the same mixed-script text.
#include "platform/strings.h"

#include <benchmark/benchmark.h>
#include <unicode/ustring.h>

#include <string>

namespace {

std::string MixedText() {
  std::string piece = "The quick brown fox \xC3\xA9t\xC3\xA9 \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA"
                      "\xD0\xB2\xD0\xB0 \xCE\xB1\xCE\xB2\xCE\xB3 ";
  std::string text;
  while (text.size() < (1 << 20))
    text += piece;
  return text;
}

void UTF8ToStringOurs(benchmark::State &state) {
  const std::string text = MixedText();
  for (auto _ : state)
    benchmark::DoNotOptimize(textcore::UTF8ToString(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(UTF8ToStringOurs)->Name("UTF8ToString/ours");

void UTF8ToStringIcu(benchmark::State &state) {
  const std::string text = MixedText();
  for (auto _ : state) {
    std::u16string out(text.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    out.resize(static_cast<size_t>(length));
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(UTF8ToStringIcu)->Name("UTF8ToString/peer_icu");

} // namespace
