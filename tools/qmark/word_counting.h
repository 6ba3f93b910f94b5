// The word types of a set of texts, their words found as qmark concord finds them: runs of word
// characters under the language's classes, joined by the middle characters, with markup inside a
// word passed over; case folded under the language's rules unless case counts.
#pragma once

#include "platform/nls_case.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"
#include "tools/qmark/command_streams.h"
#include "tools/qmark/concord_sort.h"
#include "tools/qmark/text_options.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace qmark {

// The types met and their counts. Each spelling is looked up once: only a new one is case-folded
// and looked up again as a type.
class WordCounts {
public:
  WordCounts(textcore::LCID lcid, bool case_sensitive)
      : fLCID(lcid), fCaseSensitive(case_sensitive) {}

  void Add(textcore::StringView word, int64_t text) {
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
    Count &count = fCounts[fTypeOfSpelling[spelling]];
    ++count.freq;
    if (count.last_text != text) {
      count.last_text = text;
      ++count.texts;
    }
    ++fTokens;
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

enum class CountResult : uint8_t { kDone, kProblem, kBadUsage };

// Counts the words of the texts that options name into counts, texts being the texts read. A file
// that cannot be read, and a text passed over, is reported on the command's standard error under
// its name ("qmark NAME: ..."); progress shows on a terminal. kProblem when a file could not be
// read, kBadUsage (reported) when --mask names no file.
CountResult CountTexts(const TextOptions &options, std::string_view command,
                       const CommandStreams &streams, WordCounts &counts, int64_t &texts);

} // namespace qmark
