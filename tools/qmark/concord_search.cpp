// The class array of a text, and one engine pass per search word over it.
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

// For each pair, each opening character pairs with the first closing one at or after it; an
// opening character with none is text.
void MarkMarkup(const String &text, const textcore::TIgnore_tag_type &pairs, uint16_t *classes) {
  for (size_t pair = 0; pair < 6; ++pair) {
    const char16_t opening = pairs[pair], closing = pairs[pair + 6];
    if (opening == 0 || closing == 0)
      continue;
    for (size_t from = 0;;) {
      const size_t open = text.find(opening, from);
      const size_t close = open == String::npos ? open : text.find(closing, open + 1);
      if (close == String::npos)
        break;
      for (size_t i = open; i <= close; ++i)
        classes[i] |= textcore::match_class::kMarkup;
      from = close + 1;
    }
  }
}

} // namespace

ConcordSearch::ConcordSearch(const ConcordWords &words, textcore::LCID lcid, const String &middles,
                             bool markup, const textcore::TIgnore_tag_type &pairs)
    : fWords(words), fLCID(lcid), fMiddles(middles), fMarkup(markup), fPairs(pairs) {}

void ConcordSearch::Classify(const String &text) {
  const size_t n = text.size();
  fClasses.resize(n + 2);
  const uint16_t *table = textcore::CType1Table(fLCID);
  for (size_t i = 0; i < n; ++i)
    fClasses[i] = table[text[i]];
  fClasses[n] = fClasses[n + 1] = 0;
  if (fMarkup)
    MarkMarkup(text, fPairs, fClasses.data());
  if (!fMiddles.empty())
    textcore::HandleMiddleChars(text.data(), fClasses.data(), fMiddles,
                                static_cast<uint16_t>(std::min<size_t>(fMiddles.size(), 0xFFFF)),
                                static_cast<int32_t>(n), true, false, false);
}

void ConcordSearch::RunWords(const String &file_name, const String &text,
                             const std::vector<textcore::TSearch_word_format_rec *> &words,
                             std::vector<ConcordHit> &hits) {
  const int32_t characters = static_cast<int32_t>(text.size());
  textcore::TSearchAndDoEngine engine(true, true, fLCID, nullptr);
  int32_t word = 0;
  auto found = [&hits, &word](textcore::TSearchAndDoEngine *,
                              const textcore::TSearchFound_Rec &hit) {
    hits.push_back({hit.hit_pos_in_characters, hit.hit_characters, word});
    return true;
  };
  engine.PrepareForConcordancing(file_name, text.c_str(), fClasses.data(),
                                 fClasses.data() + characters + 1, characters * 2, characters, 0,
                                 false, found, nullptr);
  for (; word < static_cast<int32_t>(words.size()); ++word)
    engine.SearchAndDo(words[static_cast<size_t>(word)], word);
}

void ConcordSearch::WholeWords(const std::vector<textcore::TSearch_word_format_rec *> &words,
                               std::vector<ConcordHit> &hits) const {
  using namespace textcore::match_class;
  for (ConcordHit &hit : hits) {
    if (words[static_cast<size_t>(hit.word)]->flags.Contains(textcore::myLeftBounded))
      continue;
    // No further back than a hit may be long, as the matcher caps it on the right.
    const int32_t limit = std::max(0, hit.position - std::max(0, kMaxHitCharacters - hit.length));
    int32_t start = hit.position;
    while (start > limit && ExtendsWord(fClasses[static_cast<size_t>(start) - 1]) &&
           !IsMarkup(fClasses[static_cast<size_t>(start) - 1]))
      --start;
    hit.length += hit.position - start;
    hit.position = start;
  }
}

int64_t ConcordSearch::Run(const String &file_name, const String &text,
                           std::vector<ConcordHit> &hits) {
  hits.clear();
  Classify(text);
  RunWords(file_name, text, fWords.Sought(), hits);
  WholeWords(fWords.Sought(), hits);
  std::sort(hits.begin(), hits.end(), EarlierPlaceThenWord);
  const size_t found = hits.size();
  hits.erase(std::unique(hits.begin(), hits.end(), SamePlace), hits.end());
  const int64_t merged = static_cast<int64_t>(found - hits.size());
  if (fWords.Excluded().empty() || hits.empty())
    return merged;
  fExcludedHits.clear();
  RunWords(file_name, text, fWords.Excluded(), fExcludedHits);
  WholeWords(fWords.Excluded(), fExcludedHits);
  std::sort(fExcludedHits.begin(), fExcludedHits.end(), EarlierPlace);
  std::erase_if(hits, [this](const ConcordHit &hit) {
    auto at = std::lower_bound(fExcludedHits.begin(), fExcludedHits.end(), hit, EarlierPlace);
    return at != fExcludedHits.end() && SamePlace(*at, hit);
  });
  return merged;
}

} // namespace qmark
