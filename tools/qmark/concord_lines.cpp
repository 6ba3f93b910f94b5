// Contexts, words and line numbers around the hits of one text.
#include "tools/qmark/concord_lines.h"

#include "platform/utf.h"
#include "search/buffer_matcher_classes.h"

#include <algorithm>

namespace qmark {

using textcore::String;
using textcore::StringView;

static_assert(textcore::match_class::kMarkup == 0x0800);

ConcordContext::ConcordContext(const String &text, const uint16_t *classes, bool markup,
                               int32_t width)
    : fText(text), fClasses(classes), fMarkup(markup), fWidth(width) {}

bool ConcordContext::InWord(size_t i) const {
  return textcore::match_class::ExtendsWord(fClasses[i]) && Shown(i);
}

void ConcordContext::CopyShown(size_t from, size_t to, String &piece) const {
  if (!fMarkup) {
    piece.assign(fText, from, to - from);
    return;
  }
  piece.clear();
  for (size_t i = from; i < to; ++i)
    if (Shown(i))
      piece.push_back(fText[i]);
}

void ConcordContext::ShownBounds(size_t &from, size_t &to) const {
  for (int32_t count = 0; from > 0 && count < fWidth;) {
    --from;
    if (Shown(from) && !textcore::IsSecondHalfOfPair(fText, from))
      ++count;
  }
  for (int32_t count = 0; to < fText.size(); ++to) {
    const bool counts = Shown(to) && !textcore::IsSecondHalfOfPair(fText, to);
    if (counts && count == fWidth)
      break;
    count += counts ? 1 : 0;
  }
}

void ConcordContext::Pieces(const ConcordHit &hit, String &left, String &shown_hit,
                            String &right) const {
  const size_t start = std::min(fText.size(), static_cast<size_t>(hit.position));
  const size_t end = std::min(fText.size(), start + static_cast<size_t>(hit.length));
  size_t from = start;
  size_t to = end;
  if (fMarkup) {
    ShownBounds(from, to);
  } else {
    // Backwards, the second half of a pair is passed without counting, so its first half is
    // taken too.
    for (int32_t count = 0; from > 0 && count < fWidth;)
      count += textcore::IsSecondHalfOfPair(fText, --from) ? 0 : 1;
    for (int32_t count = 0; to < fText.size(); ++to) {
      const bool counts = !textcore::IsSecondHalfOfPair(fText, to);
      if (counts && count == fWidth)
        break;
      count += counts ? 1 : 0;
    }
  }
  CopyShown(from, start, left);
  CopyShown(start, end, shown_hit);
  CopyShown(end, to, right);
}

StringView ConcordContext::WordBefore(int32_t position, int32_t n) const {
  size_t i =
      static_cast<size_t>(std::clamp<int32_t>(position, 0, static_cast<int32_t>(fText.size())));
  size_t start = i, end = i;
  for (int32_t k = 0; k < n; ++k) {
    while (i > 0 && !InWord(i - 1))
      --i;
    end = i;
    while (i > 0 && InWord(i - 1))
      --i;
    start = i;
  }
  return StringView(fText).substr(start, end - start);
}

StringView ConcordContext::WordAfter(int32_t position, int32_t n) const {
  size_t i =
      static_cast<size_t>(std::clamp<int32_t>(position, 0, static_cast<int32_t>(fText.size())));
  size_t start = i, end = i;
  for (int32_t k = 0; k < n; ++k) {
    while (i < fText.size() && !InWord(i))
      ++i;
    start = i;
    while (i < fText.size() && InWord(i))
      ++i;
    end = i;
  }
  return StringView(fText).substr(start, end - start);
}

void LineCounter::MoveTo(int32_t position) {
  const size_t to = std::min(fText.size(), static_cast<size_t>(std::max(position, 0)));
  if (to <= fPosition)
    return;
  const StringView passed = StringView(fText).substr(fPosition, to - fPosition);
  const size_t last_break = passed.rfind(u'\n');
  if (last_break == StringView::npos) {
    fColumn += static_cast<int32_t>(textcore::CharacterCount(passed));
  } else {
    fLine += static_cast<int32_t>(std::count(passed.begin(), passed.end(), u'\n'));
    fColumn = static_cast<int32_t>(textcore::CharacterCount(passed.substr(last_break + 1)));
  }
  fPosition = to;
}

} // namespace qmark
