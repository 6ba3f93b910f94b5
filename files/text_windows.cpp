// A text read twice: once to decide, once a window at a time.
#include "files/text_windows.h"

#include "files/text_stream.h"
#include "platform/unit_scan.h"
#include "platform/utf.h"

#include <algorithm>

namespace textcore {

void TLineCounter::Pass(StringView units) {
  const char16_t *const start = units.data(), *const end = start + units.size();
  const char16_t *last_break = nullptr;
  const size_t breaks = unit_scan::CountAndLastOf(start, end, u'\n', last_break);
  if (last_break == nullptr) {
    fColumn += static_cast<int64_t>(CharacterCount(units));
    return;
  }
  fLine += static_cast<int64_t>(breaks);
  fColumn = static_cast<int64_t>(CharacterCount(StringView(last_break + 1, end)));
}

void TLineCounter::PassAscii(std::string_view bytes) {
  const char *const start = bytes.data(), *const end = start + bytes.size();
  const char *last_break = nullptr;
  const size_t breaks = unit_scan::CountAndLastOf(start, end, '\n', last_break);
  if (last_break == nullptr) {
    fColumn += static_cast<int64_t>(bytes.size());
    return;
  }
  fLine += static_cast<int64_t>(breaks);
  fColumn = static_cast<int64_t>(end - (last_break + 1));
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
  fSizes.kept_bytes = std::min(fSizes.kept_bytes, size_t{1} << 30);
  fSizes.longest_hit = std::max(fSizes.longest_hit, 1);
}

TTextWindowReader::~TTextWindowReader() = default;

TTextDecision TTextWindowReader::Begin(TStream &source) {
  fDone = true;
  fSource = &source;
  fKeptAt = std::string::npos;
  TTextDecider decider(fCodePage, fBinaryAsText);
  // A text that fits is kept as it is read to decide, and decoded from memory: read once, not
  // twice. Its size is only a hint (the file may change); the reading says what fits.
  const int64_t size = source.Size();
  source.Seek(0, soBeginning);
  size_t kept = 0;
  if (size >= 0 && static_cast<uint64_t>(size) <= fSizes.kept_bytes) {
    // One byte more than is kept shows a text that grew past it.
    const size_t room = fSizes.kept_bytes + 1;
    if (!fKept)
      fKept = std::make_unique_for_overwrite<char[]>(room);
    while (kept < room) {
      const int64_t got = source.Read(
          fKept.get() + kept, static_cast<int64_t>(std::min(room - kept, fSizes.read_bytes)));
      if (got <= 0)
        break;
      decider.Feed(std::string_view(fKept.get() + kept, static_cast<size_t>(got)));
      kept += static_cast<size_t>(got);
    }
    if (kept < room)
      fKeptAt = 0;
  }
  if (fKeptAt == std::string::npos) {
    fBytes.resize(fSizes.read_bytes);
    for (;;) {
      const int64_t got = source.Read(fBytes.data(), static_cast<int64_t>(fBytes.size()));
      if (got <= 0)
        break;
      decider.Feed(std::string_view(fBytes.data(), static_cast<size_t>(got)));
    }
  }
  const TTextDecision decision = decider.Finish();
  if (decision.encoding == te_none)
    return decision;
  fDecision = decision;
  fSkips.clear();
  fNextSkip = 0;
  fSkipReached = false;
  if (fKeptAt != std::string::npos) {
    fKeptEnd = kept;
    fKeptAt = std::min<size_t>(decision.mark_bytes, kept);
    PlanSkips(fKeptAt, fKeptEnd);
  } else {
    source.Seek(static_cast<int64_t>(decision.mark_bytes), soBeginning);
  }
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
  std::string_view bytes;
  if (fKeptAt != std::string::npos) {
    size_t until = fKeptEnd;
    if (fNextSkip < fSkips.size()) {
      until = fSkips[fNextSkip].from;
      if (fKeptAt == until) {
        // What comes before the run is decoded as the end of a text: nothing after it joins it.
        fDecoding->decoder.Decode({}, true, fCurrent->Units());
        fCurrent->Classify(true);
        fSkipReached = true;
        return false;
      }
    }
    bytes = std::string_view(fKept.get() + fKeptAt, std::min(until - fKeptAt, fSizes.read_bytes));
    fKeptAt += bytes.size();
  } else {
    const int64_t got = fSource->Read(fBytes.data(), static_cast<int64_t>(fBytes.size()));
    bytes = std::string_view(fBytes.data(), got > 0 ? static_cast<size_t>(got) : 0);
  }
  const bool more = !bytes.empty();
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
        if (fSkipReached) {
          span.last = false;
          std::swap(window, fCurrent);
          StartAfterSkip(*window);
          return true;
        }
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

void TTextWindowReader::StartAfterSkip(const TTextWindow &ended) {
  const Skip skip = fSkips[fNextSkip++];
  fSkipReached = false;
  fLines.Pass(StringView(ended.Units()).substr(fFrom));
  const std::string_view passed(fKept.get() + skip.from, skip.to - skip.from);
  fLines.PassAscii(passed);
  if (!fCurrent) {
    fCurrent = std::make_unique<TTextWindow>(fRules);
    fCurrent->Reserve(WindowUnits());
  }
  fCurrent->Reset(ended.Base() + static_cast<int64_t>(ended.Size() + passed.size()));
  if (fRules.classify)
    fCurrent->StartClassifying();
  fFrom = 0;
  fKeptAt = skip.to;
  // After ASCII nothing is held: the decoding starts afresh.
  fDecoding = std::make_unique<Decoding>(fDecision, fCodePage);
}

void TTextWindowReader::PlanSkips(size_t begin, size_t end) {
  if (fSkipWords.empty() || (fDecision.encoding != te_utf8 && fDecision.encoding != te_8_bit))
    return;
  size_t longest = 0;
  for (const TWordForms &word : fSkipWords) {
    if (word.empty())
      return;
    for (const std::array<char16_t, 3> &forms : word)
      for (char16_t form : forms)
        if (form >= 0x80)
          return;
    longest = std::max(longest, word.size());
  }
  // A hit's lines reach reach units from it, and their classes as far again.
  const size_t margin = 2 * static_cast<size_t>(fRules.reach) + 2 * (longest + 1) + 16;
  // A run shorter than a window is not worth ending one for.
  const size_t least = std::max(margin, fSizes.window_units);
  const size_t long_run = 2 * margin + least;
  const char *const text = fKept.get();
  std::vector<size_t> places;
  auto plan_run = [&](size_t from, size_t to) {
    places.clear();
    // Past this many places a run has no stretch long enough free of them, unless they bunch.
    const size_t most = (to - from) / margin + 64;
    for (const TWordForms &word : fSkipWords) {
      if (word.size() > to - from)
        continue;
      const size_t n = word.size();
      const auto whole = [&](const char *p) {
        for (size_t i = 0; i < n; ++i) {
          const auto unit = static_cast<char16_t>(static_cast<uint8_t>(p[i]));
          if (unit != word[i][0] && unit != word[i][1] && unit != word[i][2])
            return false;
        }
        return true;
      };
      // The scan filters on two forms of the first place and two of the last; a third form of
      // either is looked for in a scan of its own.
      auto scan = [&](char16_t f1, char16_t f2, char16_t l1, char16_t l2) {
        const char *p = text + from, *const stop = text + to - (n - 1);
        while (places.size() <= most &&
               (p = unit_scan::ScanCandidates(p, stop, static_cast<char>(f1), static_cast<char>(f2),
                                              static_cast<char>(l1), static_cast<char>(l2),
                                              static_cast<ptrdiff_t>(n - 1), whole)) != nullptr) {
          places.push_back(static_cast<size_t>(p - text));
          ++p;
        }
      };
      const std::array<char16_t, 3> &head = word.front(), &last = word.back();
      const bool third_head = head[2] != head[0] && head[2] != head[1];
      const bool third_last = last[2] != last[0] && last[2] != last[1];
      scan(head[0], head[1], last[0], last[1]);
      if (third_last)
        scan(head[0], head[1], last[2], last[2]);
      if (third_head) {
        scan(head[2], head[2], last[0], last[1]);
        if (third_last)
          scan(head[2], head[2], last[2], last[2]);
      }
      if (places.size() > most)
        return;
    }
    std::sort(places.begin(), places.end());
    size_t free_from = from + margin;
    for (size_t place : places) {
      const size_t blocked = place - std::min(place, margin);
      if (blocked > free_from && blocked - free_from >= least)
        fSkips.push_back({free_from, blocked});
      free_from = std::max(free_from, place + longest + margin);
    }
    if (to - margin > free_from && to - margin - free_from >= least)
      fSkips.push_back({free_from, to - margin});
  };
  for (size_t at = begin; at < end;) {
    const char *other = unit_scan::ScanForAtLeast(text + at, text + end, static_cast<char>(0x80));
    const size_t run_end = other ? static_cast<size_t>(other - text) : end;
    if (run_end - at >= long_run)
      plan_run(at, run_end);
    // No run long enough starts before a byte outside ASCII that lies long_run - 1 bytes on.
    at = run_end + 1;
    while (at + long_run <= end && static_cast<uint8_t>(text[at + long_run - 1]) >= 0x80)
      at += long_run;
  }
}

} // namespace textcore
