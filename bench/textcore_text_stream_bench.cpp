// Decoding texts in the windows a windowed reader takes (4 MiB pieces of a 16 MiB text) into
// composed UTF-16, against ICU's own conversion of the same bytes without composition: English
// ASCII, Russian UTF-8 and French cp1252, each made of a sample text repeated.
#include "bench/sample_corpus.h"
#include "files/text_stream.h"

#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr size_t kTextBytes = size_t{16} << 20;
constexpr size_t kPieceBytes = size_t{4} << 20;

// The sample's bytes after any signature, repeated to kTextBytes; ASCII only when asked.
std::string TextOf(const char *sample, bool ascii_only) {
  std::ifstream in(benchcorpus::SamplesFolder() / sample, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), {}};
  if (bytes.starts_with("\xEF\xBB\xBF"))
    bytes.erase(0, 3);
  if (ascii_only)
    std::erase_if(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  std::string text;
  while (!bytes.empty() && text.size() < kTextBytes)
    text += bytes;
  text.resize(kTextBytes);
  return text;
}

void DecodeInPieces(benchmark::State &state, const std::string &bytes, uint32_t code_page) {
  textcore::String whole;
  const textcore::TTextDecision decision =
      textcore::ReadTextOfBytes(bytes, code_page, false, whole);
  textcore::String text;
  for (auto _ : state) {
    textcore::TTextDecoder decoder(decision, code_page);
    for (size_t at = 0; at < bytes.size(); at += kPieceBytes) {
      text.clear();
      decoder.Decode(std::string_view(bytes).substr(at, kPieceBytes),
                     at + kPieceBytes >= bytes.size(), text);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void DecodeWithIcu(benchmark::State &state, const std::string &bytes, const char *converter) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter *conv = ucnv_open(converter, &status);
  std::u16string text(kPieceBytes, u'\0');
  for (auto _ : state) {
    for (size_t at = 0; at < bytes.size(); at += kPieceBytes) {
      status = U_ZERO_ERROR;
      UChar *target = text.data();
      const char *source = bytes.data() + at;
      ucnv_toUnicode(conv, &target, text.data() + text.size(), &source,
                     bytes.data() + std::min(bytes.size(), at + kPieceBytes), nullptr,
                     at + kPieceBytes >= bytes.size(), &status);
      benchmark::DoNotOptimize(text.data());
    }
  }
  ucnv_close(conv);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

const std::string &Ascii() {
  static const std::string text = TextOf("en_market_story_utf8.txt", true);
  return text;
}
const std::string &Russian() {
  static const std::string text = TextOf("ru_river_letter_utf8bom.txt", false);
  return text;
}
const std::string &French() {
  static const std::string text = TextOf("fr_river_town_cp1252.txt", false);
  return text;
}

void AsciiOurs(benchmark::State &state) { DecodeInPieces(state, Ascii(), 1252); }
void AsciiIcu(benchmark::State &state) { DecodeWithIcu(state, Ascii(), "UTF-8"); }
void RussianOurs(benchmark::State &state) { DecodeInPieces(state, Russian(), 1252); }
void RussianIcu(benchmark::State &state) { DecodeWithIcu(state, Russian(), "UTF-8"); }
void Cp1252Ours(benchmark::State &state) { DecodeInPieces(state, French(), 1252); }
void Cp1252Icu(benchmark::State &state) { DecodeWithIcu(state, French(), "windows-1252"); }

BENCHMARK(AsciiOurs)->Name("DecodeAsciiPieces/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(AsciiIcu)->Name("DecodeAsciiPieces/peer_icu")->Unit(benchmark::kMillisecond);
BENCHMARK(RussianOurs)->Name("DecodeRussianUtf8Pieces/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(RussianIcu)->Name("DecodeRussianUtf8Pieces/peer_icu")->Unit(benchmark::kMillisecond);
BENCHMARK(Cp1252Ours)->Name("DecodeCp1252Pieces/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(Cp1252Icu)->Name("DecodeCp1252Pieces/peer_icu")->Unit(benchmark::kMillisecond);

} // namespace
