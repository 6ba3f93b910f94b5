// One engine pass per search word over a window of a text.
#include "tools/qmark/concord_search.h"

#include "platform/nls_char_types.h"
#include "search/buffer_matcher_classes.h"
#include "search/buffer_matcher_middle_chars.h"
#include "search/search_engine.h"
#include "search/text_window.h"

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

// Above one candidate in this many units a window is classified whole: the engine's own pass over
// it is then cheaper than a pass per candidate.
constexpr size_t kUnitsPerCandidate = 256;

ConcordSearch::ConcordSearch(const ConcordWords &words, textcore::LCID lcid, int32_t longest_hit,
                             const String &middles, int32_t reach)
    : fWords(words), fLCID(lcid), fLongestHit(longest_hit), fMiddles(middles), fReach(reach) {}

void ConcordSearch::Prepare(bool plain_allowed) {
  const auto plain = [](const textcore::TSearch_word_format_rec *word) {
    return textcore::IsPlainWholeWord(*word);
  };
  fPlain = plain_allowed && std::all_of(fWords.Sought().begin(), fWords.Sought().end(), plain) &&
           std::all_of(fWords.Excluded().begin(), fWords.Excluded().end(), plain);
}

const uint16_t *ConcordSearch::ClassesOf(const textcore::TTextWindow &window) {
  if (!fPlain || window.Classifies())
    return window.Classes();
  fWantsClassified = true;
  if (fClassified == &window)
    return fClasses.data();
  // What the window would have made without markup: the table, then the middle characters (the
  // window's edges are further from any hit than a middle character looks).
  const size_t n = window.Size();
  fClasses.resize(n + 2);
  textcore::ClassifyUnits(textcore::CType1Table(fLCID), window.Units().data(), n, fClasses.data());
  fClasses[n] = fClasses[n + 1] = 0;
  textcore::HandleMiddleCharsWithin(window.Units().data(), fClasses.data(), fMiddles,
                                    static_cast<int32_t>(n), 0, static_cast<int32_t>(n), fReach);
  fClassified = &window;
  return fClasses.data();
}

bool ConcordSearch::RunAtCandidates(const String &file_name, const textcore::TTextWindow &window,
                                    const textcore::TTextWindowSpan &span,
                                    const std::vector<textcore::TSearch_word_format_rec *> &words,
                                    std::vector<ConcordHit> &hits) {
  const char16_t *units = window.Units().data();
  const size_t size = window.Size();
  const size_t at_most = (span.to - span.from) / kUnitsPerCandidate + 16;
  // All the candidates first: when they are many, none is searched this way.
  fCandidates.clear();
  std::vector<size_t> ends; // where each word's candidates end in fCandidates
  for (const textcore::TSearch_word_format_rec *word : words) {
    textcore::PlainWordCandidates(*word, units, size, span.from, span.to,
                                  at_most - std::min(at_most, fCandidates.size()), fCandidates);
    if (fCandidates.size() > at_most)
      return false;
    ends.push_back(fCandidates.size());
  }
  fClassified = nullptr;
  const uint16_t *table = textcore::CType1Table(fLCID);
  textcore::TSearchAndDoEngine engine(true, true, fLCID, nullptr);
  int32_t word = 0;
  size_t candidate = 0;
  auto found = [&hits, &word, &candidate](textcore::TSearchAndDoEngine *,
                                          const textcore::TSearchFound_Rec &hit) {
    // Only the hit at the candidate: one after it is another candidate's.
    if (hit.hit_pos_in_characters == 0)
      hits.push_back({static_cast<int32_t>(candidate), hit.hit_characters, word});
    return true;
  };
  size_t first = 0;
  for (; word < static_cast<int32_t>(words.size()); ++word) {
    textcore::TSearch_word_format_rec *item = words[static_cast<size_t>(word)];
    const size_t n = item->search_text.size();
    for (size_t k = first; k < ends[static_cast<size_t>(word)]; ++k) {
      candidate = fCandidates[k];
      // The classes the matcher reads (the one before, the word's, the one after) need their
      // neighbours for the middle characters.
      const size_t lo = candidate - std::min<size_t>(candidate, 3);
      const size_t hi = std::min(size, candidate + n + 3);
      fPatch.resize(hi - lo + 2);
      textcore::ClassifyUnits(table, units + lo, hi - lo, fPatch.data());
      fPatch[hi - lo] = fPatch[hi - lo + 1] = 0;
      textcore::HandleMiddleCharsWithin(units + lo, fPatch.data(), fMiddles,
                                        static_cast<int32_t>(hi - lo), 0,
                                        static_cast<int32_t>(hi - lo), fReach);
      const int32_t characters = static_cast<int32_t>(hi - candidate);
      uint16_t *classes = fPatch.data() + (candidate - lo);
      engine.PrepareForConcordancing(file_name, units + candidate, classes,
                                     classes + characters + 1, characters * 2, characters, 0, false,
                                     found, nullptr);
      engine.SetBufferDetailsStart(fPatch.data());
      engine.SearchAndDo(item, word);
    }
    first = ends[static_cast<size_t>(word)];
  }
  return true;
}

void ConcordSearch::RunWords(const String &file_name, const textcore::TTextWindow &window,
                             const textcore::TTextWindowSpan &span, const uint16_t *window_classes,
                             const std::vector<textcore::TSearch_word_format_rec *> &words,
                             std::vector<ConcordHit> &hits) {
  if (fPlain && !window.Classifies() && RunAtCandidates(file_name, window, span, words, hits))
    return;
  if (fPlain)
    window_classes = ClassesOf(window);
  const int32_t from = static_cast<int32_t>(span.from);
  const int32_t characters = static_cast<int32_t>(span.search_to - span.from);
  // The engine reads the class array and never writes it.
  uint16_t *classes = const_cast<uint16_t *>(window_classes);
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
  fClassified = nullptr;
  RunWords(file_name, window, span, window.Classes(), fWords.Sought(), hits);
  // Plain words start words: no class is read for them.
  WholeWords(fWords.Sought(), fPlain ? nullptr : window.Classes(), hits);
  std::erase_if(hits, outside);
  // One word's hits come in order already.
  if (!std::is_sorted(hits.begin(), hits.end(), EarlierPlaceThenWord))
    std::sort(hits.begin(), hits.end(), EarlierPlaceThenWord);
  const size_t found = hits.size();
  hits.erase(std::unique(hits.begin(), hits.end(), SamePlace), hits.end());
  const int64_t merged = static_cast<int64_t>(found - hits.size());
  if (fWords.Excluded().empty() || hits.empty())
    return merged;
  fExcludedHits.clear();
  RunWords(file_name, window, span, window.Classes(), fWords.Excluded(), fExcludedHits);
  WholeWords(fWords.Excluded(), fPlain ? nullptr : window.Classes(), fExcludedHits);
  std::sort(fExcludedHits.begin(), fExcludedHits.end(), EarlierPlace);
  std::erase_if(hits, [this](const ConcordHit &hit) {
    auto at = std::lower_bound(fExcludedHits.begin(), fExcludedHits.end(), hit, EarlierPlace);
    return at != fExcludedHits.end() && SamePlace(*at, hit);
  });
  return merged;
}

} // namespace qmark
