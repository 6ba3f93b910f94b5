// Classifying a text window by window: the table, markup pairs and middle characters, each
// carried from one window to the next.
#include "search/text_window.h"

#include "platform/nls_char_types.h"
#include "search/buffer_matcher_classes.h"
#include "search/buffer_matcher_middle_chars.h"

#include <algorithm>

namespace textcore {

void ClassifyUnits(const uint16_t *table, const char16_t *units, size_t n, uint16_t *classes) {
  for (size_t i = 0; i < n; ++i)
    classes[i] = table[units[i]];
}

TTextWindow::TTextWindow(const TTextClassRules &rules)
    : fRules(rules), fTable(CType1Table(rules.lcid)) {
  fRules.reach = std::max(fRules.reach, 1);
  fRules.classify = fRules.classify || fRules.markup;
  Reset();
}

void TTextWindow::Reset(int64_t base) {
  fUnits.clear();
  fClasses.assign(2, 0);
  fBase = base;
  fClassified = fMiddlesDone = fFinal = 0;
  fEnded = false;
  fPairs = {};
}

void TTextWindow::Reserve(size_t units) {
  fUnits.reserve(units);
  if (fRules.classify)
    fClasses.reserve(units + 2);
}

void TTextWindow::MarkPair(size_t pair, bool text_ends) {
  const char16_t opening = fRules.pairs[pair], closing = fRules.pairs[pair + 6];
  PairState &state = fPairs[pair];
  const size_t n = fUnits.size();
  const size_t reach = static_cast<size_t>(fRules.reach);
  const StringView units(fUnits);
  for (;;) {
    if (state.open == kNone) {
      const size_t open = units.find(opening, state.scan);
      if (open == StringView::npos) {
        state.scan = n;
        return;
      }
      state.open = open;
      state.close_scan = open + 1;
    }
    const size_t limit = std::min(n, state.open + reach + 1);
    const size_t close = state.close_scan < limit
                             ? units.substr(0, limit).find(closing, state.close_scan)
                             : StringView::npos;
    if (close != StringView::npos) {
      for (size_t i = state.open; i <= close; ++i)
        fClasses[i] |= match_class::kMarkup;
      state.scan = close + 1;
      state.open = kNone;
      continue;
    }
    state.close_scan = limit;
    if (limit < state.open + reach + 1) {
      if (!text_ends)
        return; // the closing character may still come
      // No closing character follows at all, so none follows a later opening one either.
      state.open = kNone;
      state.scan = n;
      return;
    }
    // None within reach: this opening character is text, and the next one is tried; no closing
    // character lies before close_scan, so the search for one goes on from there.
    const size_t next = units.find(opening, state.open + 1);
    if (next == StringView::npos) {
      state.open = kNone;
      state.scan = n;
      return;
    }
    state.open = next;
    state.close_scan = std::max(state.close_scan, next + 1);
  }
}

void TTextWindow::Classify(bool text_ends) {
  const size_t n = fUnits.size();
  if (!fRules.classify) {
    fEnded = text_ends;
    fClassified = fMiddlesDone = fFinal = n;
    return;
  }
  fClasses.resize(n + 2);
  fClasses[n] = fClasses[n + 1] = 0;
  ClassifyUnits(fTable, fUnits.data() + fClassified, n - fClassified,
                fClasses.data() + fClassified);
  fClassified = n;
  fEnded = text_ends;
  size_t markup_final = n;
  if (fRules.markup)
    for (size_t pair = 0; pair < 6; ++pair) {
      if (fRules.pairs[pair] == 0 || fRules.pairs[pair + 6] == 0)
        continue;
      MarkPair(pair, text_ends);
      markup_final = std::min(markup_final, fPairs[pair].open);
    }
  if (fRules.middles.empty()) {
    fFinal = fMiddlesDone = markup_final;
    return;
  }
  // A middle character is final once reach + 1 units after it are.
  const size_t reach = static_cast<size_t>(fRules.reach);
  size_t middles_to = text_ends ? n : markup_final > reach + 1 ? markup_final - reach - 1 : 0;
  middles_to = std::max(middles_to, fMiddlesDone);
  HandleMiddleCharsWithin(fUnits.data(), fClasses.data(), fRules.middles, static_cast<int32_t>(n),
                          static_cast<int32_t>(fMiddlesDone), static_cast<int32_t>(middles_to),
                          fRules.reach);
  fMiddlesDone = fFinal = middles_to;
}

void TTextWindow::StartClassifying() {
  if (fRules.classify)
    return;
  fRules.classify = true;
  fClassified = fMiddlesDone = fFinal = 0;
  fClasses.assign(2, 0);
}

size_t TTextWindow::Keep() const {
  if (!fRules.classify)
    return fUnits.size();
  size_t keep = fMiddlesDone - std::min(fMiddlesDone, static_cast<size_t>(fRules.reach) + 1);
  for (const PairState &state : fPairs)
    keep = std::min(keep, state.open);
  return keep;
}

void TTextWindow::ContinueInto(TTextWindow &next, size_t from) const {
  from = std::min(from, Keep());
  const size_t n = fUnits.size();
  next.fRules = fRules;
  next.fTable = fTable;
  next.fUnits.assign(fUnits, from, n - from);
  if (fRules.classify)
    next.fClasses.assign(fClasses.begin() + static_cast<ptrdiff_t>(from), fClasses.end());
  next.fBase = fBase + static_cast<int64_t>(from);
  next.fClassified = fClassified - from;
  next.fMiddlesDone = fMiddlesDone - from;
  next.fFinal = fFinal - std::min(fFinal, from);
  next.fEnded = fEnded;
  for (size_t pair = 0; pair < fPairs.size(); ++pair) {
    const PairState &state = fPairs[pair];
    PairState &moved = next.fPairs[pair];
    moved.scan = state.scan - std::min(state.scan, from);
    moved.open = state.open == kNone ? kNone : state.open - from;
    moved.close_scan = state.close_scan - std::min(state.close_scan, from);
  }
}

} // namespace textcore
