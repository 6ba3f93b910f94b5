// The word types of a set of texts, their words found as qmark concord finds them: runs of word
// characters under the language's classes, joined by the middle characters, with markup inside a
// word passed over; case folded under the language's rules unless case counts.
#pragma once

#include "files/text_windows.h"
#include "platform/nls_case.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"
#include "search/buffer_matcher_classes.h"
#include "tools/qmark/command_streams.h"
#include "tools/qmark/concord_sort.h"
#include "tools/qmark/text_options.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace qmark {

// The types met and their counts. Each spelling is looked up once: only a new one is case-folded
// and looked up again as a type.
class WordCounts {
public:
  WordCounts(textcore::LCID lcid, bool case_sensitive)
      : fLCID(lcid), fCaseSensitive(case_sensitive) {}

  // The word's type.
  size_t Add(textcore::StringView word, int64_t text) {
    const auto spelling = static_cast<size_t>(fSpellings.Id(word));
    if (spelling == fTypeOfSpelling.size()) {
      textcore::String type(word);
      if (!fCaseSensitive)
        textcore::LCMapCaseInPlace(fLCID,
                                   textcore::LCMAP_LOWERCASE | textcore::LCMAP_LINGUISTIC_CASING,
                                   type.data(), type.size());
      const auto id = static_cast<size_t>(fTypes.Id(type));
      if (id == fCounts.size()) {
        fCounts.push_back({});
        fWords.push_back(std::move(type));
      }
      fTypeOfSpelling.push_back(id);
    }
    const size_t type = fTypeOfSpelling[spelling];
    Count &count = fCounts[type];
    ++count.freq;
    if (count.last_text != text) {
      count.last_text = text;
      ++count.texts;
    }
    ++fTokens;
    return type;
  }

  struct Count {
    int64_t freq = 0;
    int64_t texts = 0;
    int64_t last_text = -1;
  };
  int64_t Tokens() const { return fTokens; }
  size_t Types() const { return fCounts.size(); }
  const Count &CountOf(size_t type) const { return fCounts[type]; }
  const textcore::String &WordOf(size_t type) const { return fWords[type]; }
  std::vector<int32_t> Ranks() const { return fTypes.Ranks(fLCID); }

private:
  textcore::LCID fLCID;
  bool fCaseSensitive;
  WordRanks fSpellings;
  std::vector<size_t> fTypeOfSpelling;
  WordRanks fTypes;
  std::vector<Count> fCounts;
  std::vector<textcore::String> fWords;
  int64_t fTokens = 0;
};

// Calls found(word, from, to) for each word that starts in the window's stretch, in order: from
// and to are the window's units the word takes, markup passed over inside it included (it is no
// part of the word). word is the buffer the word is made in. A word runs on at most to the
// window's end, which lies at least the line reach beyond the stretch.
template <class Found>
void ForEachWord(const textcore::TTextWindow &window, const textcore::TTextWindowSpan &span,
                 textcore::String &word, Found &&found) {
  using namespace textcore::match_class;
  const uint16_t *classes = window.Classes();
  const char16_t *units = window.Units().data();
  const size_t size = window.Size();
  auto in_word = [&](size_t i) { return ExtendsWord(classes[i]) && !IsMarkup(classes[i]); };
  // Whether the unit before i continues a word (markup between passed over).
  auto continues = [&](size_t i) {
    while (i > 0 && IsMarkup(classes[i - 1]))
      --i;
    return i > 0 && in_word(i - 1);
  };
  for (size_t i = span.from; i < span.to; ++i) {
    if (!in_word(i) || continues(i))
      continue;
    word.clear();
    size_t j = i;
    for (;;) {
      while (j < size && in_word(j))
        word.push_back(units[j++]);
      size_t k = j;
      while (k < size && IsMarkup(classes[k]))
        ++k;
      if (k == j || k >= size || !in_word(k))
        break;
      j = k;
    }
    found(static_cast<const textcore::String &>(word), i, j);
    i = j - 1 < span.to ? j - 1 : span.to;
  }
}

enum class CountResult : uint8_t { kDone, kProblem, kBadUsage };

// Reads the texts that options name, handing each window of each to visit with the file and the
// text's number (from 0), texts being the texts read. A file that cannot be read, and a text
// passed over, is reported on the command's standard error under its name ("qmark NAME: ...");
// progress shows on a terminal with the tail that progress gives. kProblem when a file could not
// be read, kBadUsage (reported) when --mask names no file.
using TextWindowVisitor =
    std::function<void(const InputFile &file, const textcore::TTextWindow &window,
                       const textcore::TTextWindowSpan &span, int64_t text)>;
CountResult ReadTexts(const TextOptions &options, std::string_view command,
                      const CommandStreams &streams, const std::function<std::string()> &progress,
                      const TextWindowVisitor &visit, int64_t &texts);

// Counts the words of the texts that options name into counts, texts being the texts read. A file
// that cannot be read, and a text passed over, is reported on the command's standard error under
// its name ("qmark NAME: ..."); progress shows on a terminal. kProblem when a file could not be
// read, kBadUsage (reported) when --mask names no file.
CountResult CountTexts(const TextOptions &options, std::string_view command,
                       const CommandStreams &streams, WordCounts &counts, int64_t &texts);

} // namespace qmark
