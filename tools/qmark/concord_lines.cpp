// Contexts, words and line numbers around the hits of one text.
#include "tools/qmark/concord_lines.h"

#include "platform/display_cells.h"
#include "platform/unit_scan.h"
#include "platform/utf.h"
#include "search/buffer_matcher_classes.h"

#include <algorithm>

namespace qmark {

using textcore::String;
using textcore::StringView;

static_assert(textcore::match_class::kMarkup == 0x0800);

namespace {

constexpr bool IsPrintableAscii(char16_t c) { return c >= 0x20 && c < 0x7F; }

} // namespace

ConcordContext::ConcordContext(StringView text, const uint16_t *classes, bool markup, int32_t width,
                               int32_t reach)
    : fText(text), fClasses(classes), fMarkup(markup), fWidth(width),
      fReach(static_cast<size_t>(std::max(reach, 1))) {}

bool ConcordContext::InWord(size_t i) const {
  return textcore::match_class::ExtendsWord(fClasses[i]) && Shown(i);
}

StringView ConcordContext::Shown(size_t from, size_t to, String &kept) const {
  if (!fMarkup)
    return fText.substr(from, to - from);
  kept.clear();
  for (size_t i = from; i < to; ++i)
    if (Shown(i))
      kept.push_back(fText[i]);
  return kept;
}

int32_t ConcordContext::ShownCells(size_t i, size_t &units) const {
  if (IsPrintableAscii(fText[i])) { // most of most texts: one cell each
    units = 1;
    return Shown(i) ? 1 : 0;
  }
  const int32_t cells = textcore::DisplayCellsAt(fText, i, units);
  return Shown(i) ? cells : 0;
}

bool ConcordContext::IsZeroWidth(size_t i) const {
  if (IsPrintableAscii(fText[i]))
    return false;
  size_t units = 1;
  return !textcore::IsSecondHalfOfPair(fText, i) && textcore::DisplayCellsAt(fText, i, units) == 0;
}

void ConcordContext::Bounds(size_t start, size_t &from, size_t &to) const {
  // Leftwards whole characters while they fit: the second half of a pair brings its first.
  const size_t leftmost = start - std::min(start, fReach);
  int32_t cells = 0;
  // Printable ASCII outside markup takes one cell a unit: the common case goes a block at a time.
  const char16_t *const base = fText.data();
  const size_t width = static_cast<size_t>(std::max(fWidth, 0));
  if (!fMarkup) {
    const size_t limit = std::max(leftmost, from - std::min(from, width));
    const char16_t *other = textcore::unit_scan::LastOutside(base + limit, base + from, u' ', u'~');
    const size_t reached = other ? static_cast<size_t>(other - base) + 1 : limit;
    cells = static_cast<int32_t>(from - reached);
    from = reached;
  }
  while (from > leftmost) {
    size_t at = from - 1;
    if (textcore::IsSecondHalfOfPair(fText, at))
      --at;
    size_t units = 1;
    const int32_t w = ShownCells(at, units);
    if (cells + w > fWidth)
      break;
    cells += w;
    from = at;
  }
  // A mark whose letter did not fit goes with it (and markup at the edge shows nothing anyway).
  while (from < start && (!Shown(from) || IsZeroWidth(from)))
    ++from;
  // Rightwards likewise; the marks after the last letter that fits come with it.
  const size_t rightmost = std::min(fText.size(), to + fReach);
  cells = 0;
  if (!fMarkup) {
    const size_t limit = std::min(rightmost, to + width);
    const char16_t *other =
        textcore::unit_scan::ScanForOutside(base + to, base + limit, u' ', u'~');
    const size_t reached = other ? static_cast<size_t>(other - base) : limit;
    cells = static_cast<int32_t>(reached - to);
    to = reached;
  }
  while (to < rightmost) {
    size_t units = 1;
    const int32_t w = ShownCells(to, units);
    if (cells + w > fWidth)
      break;
    cells += w;
    to += units;
  }
}

void ConcordContext::Pieces(const ConcordHit &hit, ConcordPieces &pieces) const {
  const size_t start = std::min(fText.size(), static_cast<size_t>(hit.position));
  const size_t end = std::min(fText.size(), start + static_cast<size_t>(hit.length));
  size_t from = start;
  size_t to = end;
  Bounds(start, from, to);
  pieces.left = Shown(from, start, pieces.shown[0]);
  pieces.hit = Shown(start, end, pieces.shown[1]);
  pieces.right = Shown(end, to, pieces.shown[2]);
}

StringView ConcordContext::WordBefore(int32_t position, int32_t n) const {
  size_t i =
      static_cast<size_t>(std::clamp<int32_t>(position, 0, static_cast<int32_t>(fText.size())));
  const size_t leftmost = i - std::min(i, fReach);
  size_t start = i, end = i;
  for (int32_t k = 0; k < n; ++k) {
    while (i > leftmost && !InWord(i - 1))
      --i;
    end = i;
    while (i > leftmost && InWord(i - 1))
      --i;
    start = i;
  }
  return fText.substr(start, end - start);
}

StringView ConcordContext::WordAfter(int32_t position, int32_t n) const {
  size_t i =
      static_cast<size_t>(std::clamp<int32_t>(position, 0, static_cast<int32_t>(fText.size())));
  const size_t rightmost = std::min(fText.size(), i + fReach);
  size_t start = i, end = i;
  for (int32_t k = 0; k < n; ++k) {
    while (i < rightmost && !InWord(i))
      ++i;
    start = i;
    while (i < rightmost && InWord(i))
      ++i;
    end = i;
  }
  return fText.substr(start, end - start);
}

ConcordSpan ConcordContext::ShownWordSpan(const ConcordHit &hit, int32_t n) const {
  const size_t start = std::min(fText.size(), static_cast<size_t>(hit.position));
  const size_t end = std::min(fText.size(), start + static_cast<size_t>(hit.length));
  size_t from = start;
  size_t to = end;
  Bounds(start, from, to);
  const StringView word =
      n < 0 ? WordBefore(static_cast<int32_t>(start), -n) : WordAfter(static_cast<int32_t>(end), n);
  const auto at = static_cast<size_t>(word.data() - fText.data());
  if (word.empty() || at < from || at + word.size() > to)
    return {};
  // Markup is not shown, so it is not counted.
  const auto shown = [this](size_t a, size_t b) {
    size_t count = 0;
    for (size_t i = a; i < b; ++i)
      count += Shown(i) ? 1 : 0;
    return static_cast<int32_t>(count);
  };
  return {shown(from, at), shown(at, at + word.size())};
}

} // namespace qmark
