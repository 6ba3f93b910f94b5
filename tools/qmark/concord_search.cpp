// One engine pass per search word over a window of a text.
#include "tools/qmark/concord_search.h"

#include "platform/nls_char_types.h"
#include "search/buffer_matcher_classes.h"
#include "search/buffer_matcher_middle_chars.h"
#include "search/search_engine.h"

#include <algorithm>

namespace qmark {

using textcore::String;

namespace {

bool SamePlace(const ConcordHit &a, const ConcordHit &b) {
  return a.position == b.position && a.length == b.length;
}

bool EarlierPlace(const ConcordHit &a, const ConcordHit &b) {
  return a.position != b.position ? a.position < b.position : a.length < b.length;
}

// The same place, found by an earlier search word first.
bool EarlierPlaceThenWord(const ConcordHit &a, const ConcordHit &b) {
  return SamePlace(a, b) ? a.word < b.word : EarlierPlace(a, b);
}

} // namespace

ConcordSearch::ConcordSearch(const ConcordWords &words, textcore::LCID lcid, int32_t longest_hit)
    : fWords(words), fLCID(lcid), fLongestHit(longest_hit) {}

void ConcordSearch::RunWords(const String &file_name, const textcore::TTextWindow &window,
                             const textcore::TTextWindowSpan &span,
                             const std::vector<textcore::TSearch_word_format_rec *> &words,
                             std::vector<ConcordHit> &hits) {
  const int32_t from = static_cast<int32_t>(span.from);
  const int32_t characters = static_cast<int32_t>(span.search_to - span.from);
  // The engine reads the class array and never writes it.
  uint16_t *classes = const_cast<uint16_t *>(window.Classes());
  textcore::TSearchAndDoEngine engine(true, true, fLCID, nullptr);
  int32_t word = 0;
  auto found = [&hits, &word, from](textcore::TSearchAndDoEngine *,
                                    const textcore::TSearchFound_Rec &hit) {
    hits.push_back({from + hit.hit_pos_in_characters, hit.hit_characters, word});
    return true;
  };
  engine.PrepareForConcordancing(file_name, window.Units().data() + from, classes + from,
                                 classes + from + characters + 1, characters * 2, characters, 0,
                                 false, found, nullptr);
  // Words may start right after the window's first unit, as anywhere in the text.
  engine.SetBufferDetailsStart(classes);
  for (; word < static_cast<int32_t>(words.size()); ++word)
    engine.SearchAndDo(words[static_cast<size_t>(word)], word);
}

void ConcordSearch::WholeWords(const std::vector<textcore::TSearch_word_format_rec *> &words,
                               const uint16_t *classes, std::vector<ConcordHit> &hits) const {
  using namespace textcore::match_class;
  for (ConcordHit &hit : hits) {
    if (words[static_cast<size_t>(hit.word)]->flags.Contains(textcore::myLeftBounded))
      continue;
    // No further back than a hit may be long, as the matcher caps it on the right.
    const int32_t limit = std::max(0, hit.position - std::max(0, fLongestHit - hit.length));
    int32_t start = hit.position;
    while (start > limit && ExtendsWord(classes[static_cast<size_t>(start) - 1]) &&
           !IsMarkup(classes[static_cast<size_t>(start) - 1]))
      --start;
    hit.length += hit.position - start;
    hit.position = start;
  }
}

int64_t ConcordSearch::Run(const String &file_name, const textcore::TTextWindow &window,
                           const textcore::TTextWindowSpan &span, std::vector<ConcordHit> &hits) {
  const auto outside = [&span](const ConcordHit &hit) {
    return static_cast<size_t>(hit.position) < span.from ||
           static_cast<size_t>(hit.position) >= span.to;
  };
  hits.clear();
  RunWords(file_name, window, span, fWords.Sought(), hits);
  WholeWords(fWords.Sought(), window.Classes(), hits);
  std::erase_if(hits, outside);
  std::sort(hits.begin(), hits.end(), EarlierPlaceThenWord);
  const size_t found = hits.size();
  hits.erase(std::unique(hits.begin(), hits.end(), SamePlace), hits.end());
  const int64_t merged = static_cast<int64_t>(found - hits.size());
  if (fWords.Excluded().empty() || hits.empty())
    return merged;
  fExcludedHits.clear();
  RunWords(file_name, window, span, fWords.Excluded(), fExcludedHits);
  WholeWords(fWords.Excluded(), window.Classes(), fExcludedHits);
  std::sort(fExcludedHits.begin(), fExcludedHits.end(), EarlierPlace);
  std::erase_if(hits, [this](const ConcordHit &hit) {
    auto at = std::lower_bound(fExcludedHits.begin(), fExcludedHits.end(), hit, EarlierPlace);
    return at != fExcludedHits.end() && SamePlace(*at, hit);
  });
  return merged;
}

} // namespace qmark
