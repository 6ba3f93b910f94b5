// A text read twice: once to decide, once a window at a time.
#include "files/text_windows.h"

#include "platform/unit_scan.h"
#include "files/text_stream.h"
#include "platform/utf.h"

#include <algorithm>

namespace textcore {

void TLineCounter::Pass(StringView units) {
  const char16_t *const start = units.data(), *const end = start + units.size();
  const char16_t *last_break = unit_scan::LastOf(start, end, u'\n');
  if (last_break == nullptr) {
    fColumn += static_cast<int64_t>(CharacterCount(units));
    return;
  }
  fLine += static_cast<int64_t>(unit_scan::CountOf(start, last_break + 1, u'\n'));
  fColumn = static_cast<int64_t>(CharacterCount(StringView(last_break + 1, end)));
}

struct TTextWindowReader::Decoding {
  Decoding(const TTextDecision &decision, uint32_t code_page) : decoder(decision, code_page) {}
  TTextDecoder decoder;
};

TTextWindowReader::TTextWindowReader(const TTextClassRules &rules, const TTextWindowSizes &sizes,
                                     uint32_t code_page, bool binary_as_text)
    : fRules(rules), fSizes(sizes), fCodePage(code_page), fBinaryAsText(binary_as_text) {
  fRules.reach = std::max(fRules.reach, 1);
  fSizes.window_units = std::max<size_t>(fSizes.window_units, 1);
  fSizes.read_bytes = std::max<size_t>(fSizes.read_bytes, 1);
  fSizes.longest_hit = std::max(fSizes.longest_hit, 1);
}

TTextWindowReader::~TTextWindowReader() = default;

TTextDecision TTextWindowReader::Begin(TStream &source) {
  fDone = true;
  fSource = &source;
  fBytes.resize(fSizes.read_bytes);
  source.Seek(0, soBeginning);
  TTextDecider decider(fCodePage, fBinaryAsText);
  for (;;) {
    const int64_t got = source.Read(fBytes.data(), static_cast<int64_t>(fBytes.size()));
    if (got <= 0)
      break;
    decider.Feed(std::string_view(fBytes.data(), static_cast<size_t>(got)));
  }
  const TTextDecision decision = decider.Finish();
  if (decision.encoding == te_none)
    return decision;
  source.Seek(static_cast<int64_t>(decision.mark_bytes), soBeginning);
  fDecoding = std::make_unique<Decoding>(decision, fCodePage);
  if (!fCurrent)
    fCurrent = std::make_unique<TTextWindow>(fRules);
  fCurrent->Reset();
  if (fRules.classify)
    fCurrent->StartClassifying();
  fFrom = 0;
  fLines = TLineCounter();
  fDone = false;
  return decision;
}

size_t TTextWindowReader::WindowUnits() const {
  // A window's new units, what it carries, and one read more (a byte gives at most one unit).
  const size_t hit = static_cast<size_t>(fSizes.longest_hit) + 1;
  const size_t reach = static_cast<size_t>(fRules.reach);
  // Reserved, not allocated as needed: a window asked to be huge grows as it fills instead.
  constexpr size_t kMostReserved = size_t{8} << 20;
  return std::min(kMostReserved,
                  fSizes.window_units + 3 * hit + 3 * reach + fSizes.read_bytes + 16);
}

bool TTextWindowReader::ReadMore() {
  if (!fRules.classify && fClassifyWanted) {
    fRules.classify = true;
    fCurrent->StartClassifying();
  }
  const int64_t got = fSource->Read(fBytes.data(), static_cast<int64_t>(fBytes.size()));
  const bool more = got > 0;
  const std::string_view bytes(fBytes.data(), more ? static_cast<size_t>(got) : 0);
  fDecoding->decoder.Decode(bytes, !more, fCurrent->Units());
  fCurrent->Classify(!more);
  return more;
}

bool TTextWindowReader::Next(std::unique_ptr<TTextWindow> &window, TTextWindowSpan &span) {
  if (fDone)
    return false;
  const size_t hit = static_cast<size_t>(fSizes.longest_hit) + 1;
  const size_t reach = static_cast<size_t>(fRules.reach);
  // What a stretch needs after it: the matcher's reach from the last hit that may still extend
  // back into the stretch, then that hit's context.
  const size_t tail = 2 * hit + reach + 2;
  for (;;) {
    TTextWindow &current = *fCurrent;
    const bool full = current.FinalEnd() >= fFrom + fSizes.window_units + tail + 1;
    if (full || current.TextEnded()) {
      span.from = fFrom;
      span.at_from = fLines;
      span.last = !full;
      if (!full) {
        span.to = span.search_to = current.Size();
        std::swap(window, fCurrent);
        fDone = true;
        return true;
      }
      const String &units = current.Units();
      // As much as the final classes allow: what is carried is the same however long the stretch.
      size_t to = current.FinalEnd() - tail;
      if (IsSecondHalfOfPair(units, to))
        to += to - 1 > fFrom ? -1 : 1; // a pair stays in one stretch, never an empty one
      span.to = to;
      span.search_to = std::min(current.Size(), to + 2 * hit + 1);
      fLines.Pass(StringView(units).substr(fFrom, to - fFrom));
      // Before the next stretch: a context's reach, and the start of a hit's word.
      const size_t before = std::max(reach, hit) + 2;
      const size_t keep = std::min(current.Keep(), to - std::min(to, before));
      if (!window)
        window = std::make_unique<TTextWindow>(fRules);
      current.ContinueInto(*window, keep);
      // A text of more than one window: the next holds about as much again.
      window->Reserve(WindowUnits());
      std::swap(window, fCurrent);
      fFrom = to - keep;
      return true;
    }
    ReadMore();
  }
}

} // namespace textcore
