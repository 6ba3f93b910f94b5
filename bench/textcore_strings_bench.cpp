// Text conversion: our UTF-8 decoder and encoder against ICU's on the same texts, mixed-script
// (mostly ASCII) and Cyrillic (two bytes a letter).
#include "platform/strings.h"

#include <benchmark/benchmark.h>
#include <unicode/ustring.h>

#include <string>

namespace {

std::string Repeated(const std::string &piece) {
  std::string text;
  while (text.size() < (1 << 20))
    text += piece;
  return text;
}

std::string MixedText() {
  return Repeated("The quick brown fox \xC3\xA9t\xC3\xA9 \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA"
                  "\xD0\xB2\xD0\xB0 \xCE\xB1\xCE\xB2\xCE\xB3 ");
}

std::string CyrillicText() {
  return Repeated(
      "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0 \xD1\x80\xD0\xB5\xD0\xBA\xD0\xB0 ");
}

void DecodeOurs(benchmark::State &state, const std::string &text) {
  for (auto _ : state)
    benchmark::DoNotOptimize(textcore::UTF8ToString(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void DecodeIcu(benchmark::State &state, const std::string &text) {
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

void EncodeOurs(benchmark::State &state, const std::string &utf8) {
  const std::u16string text = textcore::UTF8ToString(utf8);
  for (auto _ : state)
    benchmark::DoNotOptimize(textcore::StringToUTF8(text));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(utf8.size()));
}

void EncodeIcu(benchmark::State &state, const std::string &utf8) {
  const std::u16string text = textcore::UTF8ToString(utf8);
  for (auto _ : state) {
    std::string out(text.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, text.data(),
                       static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    out.resize(static_cast<size_t>(length));
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(utf8.size()));
}

BENCHMARK_CAPTURE(DecodeOurs, mixed, MixedText())->Name("UTF8ToString/ours");
BENCHMARK_CAPTURE(DecodeIcu, mixed, MixedText())->Name("UTF8ToString/peer_icu");
BENCHMARK_CAPTURE(DecodeOurs, cyrillic, CyrillicText())->Name("UTF8ToStringCyrillic/ours");
BENCHMARK_CAPTURE(DecodeIcu, cyrillic, CyrillicText())->Name("UTF8ToStringCyrillic/peer_icu");
BENCHMARK_CAPTURE(EncodeOurs, mixed, MixedText())->Name("StringToUTF8/ours");
BENCHMARK_CAPTURE(EncodeIcu, mixed, MixedText())->Name("StringToUTF8/peer_icu");
BENCHMARK_CAPTURE(EncodeOurs, cyrillic, CyrillicText())->Name("StringToUTF8Cyrillic/ours");
BENCHMARK_CAPTURE(EncodeIcu, cyrillic, CyrillicText())->Name("StringToUTF8Cyrillic/peer_icu");

} // namespace
