// Words and sentences over a 16 MiB mixed-script text: the paragraph splitter against a plain
// split at ". ", and the word count against counting space-separated runs.
#include "platform/strings.h"
#include "strings/sentences.h"
#include "strings/word_rules.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

const textcore::String &Text() {
  static const textcore::String text = [] {
    const textcore::String piece =
        u"The ferry left at 3.5 knots, \u201Cslowly.\u201D Then it rained! "
        u"\u0420\u0435\u043A\u0430 \u0442\u0435\u0447\u0451\u0442 \u043C\u0435\u0434\u043B"
        u"\u0435\u043D\u043D\u043E. \u0397 \u03C0\u03CC\u03BB\u03B7 \u03BA\u03BF\u03B9\u03BC"
        u"\u03AC\u03C4\u03B1\u03B9. Er sagte: \u201Enein.\u201C und ging. ";
    textcore::String out;
    const size_t units = (16u << 20) / sizeof(char16_t);
    out.reserve(units + piece.size());
    while (out.size() < units)
      out += piece;
    out.resize(units);
    return out;
  }();
  return text;
}

void SetCharacters(benchmark::State &state) {
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(Text().size()));
}

void SentencesOurs(benchmark::State &state) {
  const textcore::String &text = Text();
  for (auto _ : state)
    benchmark::DoNotOptimize(textcore::SentencesFromParagraph(text, u"", 1033, 10));
  SetCharacters(state);
}
BENCHMARK(SentencesOurs)->Name("SentencesFromParagraph/ours")->Unit(benchmark::kMillisecond);

// The peer cuts at every ". " into a vector of strings, with no look at case, tags or scripts.
void SentencesPlainSplit(benchmark::State &state) {
  const textcore::String &text = Text();
  for (auto _ : state) {
    std::vector<textcore::String> sentences;
    size_t start = 0;
    for (size_t at; (at = text.find(u". ", start)) != textcore::String::npos; start = at + 2)
      sentences.emplace_back(text.substr(start, at + 1 - start));
    sentences.emplace_back(text.substr(start));
    benchmark::DoNotOptimize(sentences);
  }
  SetCharacters(state);
}
BENCHMARK(SentencesPlainSplit)
    ->Name("SentencesFromParagraph/peer_split_at_stop")
    ->Unit(benchmark::kMillisecond);

void WordCountOurs(benchmark::State &state) {
  const textcore::String &text = Text();
  for (auto _ : state)
    benchmark::DoNotOptimize(textcore::BasicWordCount(text));
  SetCharacters(state);
}
BENCHMARK(WordCountOurs)->Name("BasicWordCount/ours")->Unit(benchmark::kMillisecond);

void WordCountSpaceRuns(benchmark::State &state) {
  const textcore::String &text = Text();
  for (auto _ : state) {
    int32_t words = 0;
    bool in_word = false;
    for (char16_t c : text) {
      const bool letter = c != u' ';
      words += letter && !in_word;
      in_word = letter;
    }
    benchmark::DoNotOptimize(words);
  }
  SetCharacters(state);
}
BENCHMARK(WordCountSpaceRuns)
    ->Name("BasicWordCount/peer_space_runs")
    ->Unit(benchmark::kMillisecond);

} // namespace
