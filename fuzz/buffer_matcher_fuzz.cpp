// The buffer matcher over a pattern and a text with its class array, all taken from the fuzzer's
// bytes: every hit lies inside the buffer, each word start is counted once over calls resumed
// past each hit, and 16-bit and 8-bit text give the same hits. The text and the class array are
// allocated to their exact sizes, so AddressSanitizer stops any read past them.
#include "fuzz/fuzz_check.h"
#include "platform/nls_char_types.h"
#include "search/buffer_matcher.h"
#include "search/buffer_matcher_middle_chars.h"

#include <cstdint>
#include <memory>
#include <vector>

using namespace textcore;

namespace {

// A small alphabet, so that patterns and texts meet often; operators only matter in patterns.
constexpr char16_t kAlphabet[16] = {u'a', u'b', u'A', u' ', u'1', u',', u'.', u'\r',
                                    0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x19, 0x18, u'<'};

struct Hit {
  int32_t start, hit, exact;
};

std::vector<Hit> EveryHit(const char16_t *wide_text, const uint8_t *narrow_text, bool wide,
                          int32_t n, const uint16_t *classes, int32_t class_count,
                          const String &pattern, uint8_t flags, TSearchStatsRec &stats) {
  std::vector<Hit> hits;
  bool in_heading = false;
  for (int32_t from = 0;;) {
    uint16_t hit = 0, exact = 0;
    const void *text = wide ? static_cast<const void *>(wide_text + from)
                            : static_cast<const void *>(narrow_text + from);
    const void *at = NewFindWantedInBuffer(
        text, n - from, classes + from, classes, classes + class_count, pattern, pattern, pattern,
        static_cast<uint16_t>(pattern.size()), true, flags & 1, flags & 2, wide, flags & 4, false,
        hit, exact, stats, in_heading, flags & 8, flags & 16, flags & 32, flags & 64);
    if (at == nullptr)
      return hits;
    const int32_t start =
        wide ? static_cast<int32_t>(static_cast<const char16_t *>(at) - wide_text)
             : static_cast<int32_t>(static_cast<const uint8_t *>(at) - narrow_text);
    FUZZ_CHECK(start >= from && start < n);
    FUZZ_CHECK(exact <= hit && start + exact <= n && start + hit <= class_count);
    hits.push_back({start, hit, exact});
    from = start + 1;
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2)
    return 0;
  const uint8_t flags = data[0];
  const size_t pattern_size = std::min<size_t>(data[1] % 8, size - 2);
  String pattern;
  for (size_t i = 0; i < pattern_size; ++i)
    pattern += kAlphabet[data[2 + i] % 16];
  const uint8_t *bytes = data + 2 + pattern_size;
  const int32_t n = static_cast<int32_t>(size - 2 - pattern_size);
  // The class array has the entry past the text that callers give it, or, with flag 128, none.
  const int32_t class_count = n + ((flags & 128) ? 0 : 1);

  std::unique_ptr<char16_t[]> wide(new char16_t[n]);
  std::unique_ptr<uint8_t[]> narrow(new uint8_t[n]);
  std::unique_ptr<uint16_t[]> classes(new uint16_t[class_count]);
  const uint16_t *table = CType1Table();
  for (int32_t i = 0; i < n; ++i) {
    const uint8_t b = bytes[i];
    // Text: letters, a digit, white, punctuation, a control character, '<'.
    wide[i] = b % 8 != 7 ? kAlphabet[b % 8] : (b & 0x20) ? u'<' : u'\r';
    narrow[i] = static_cast<uint8_t>(wide[i]);
    uint16_t cls = table[wide[i]];
    if ((b & 0xC0) == 0xC0)
      cls = static_cast<uint16_t>(0x8000 | (14 + ((b >> 3) & 7))); // a structure marker
    else if (b & 0x40)
      cls |= 0x0800; // markup
    classes[i] = cls;
  }
  if (class_count > n)
    classes[n] = table[0];
  if (flags & 32)
    HandleMiddleChars(wide.get(), classes.get(), u",.", 2, n, true, flags & 1, flags & 2);

  TSearchStatsRec wide_stats, narrow_stats;
  const std::vector<Hit> wide_hits = EveryHit(wide.get(), narrow.get(), true, n, classes.get(),
                                              class_count, pattern, flags, wide_stats);
  const std::vector<Hit> narrow_hits = EveryHit(wide.get(), narrow.get(), false, n, classes.get(),
                                                class_count, pattern, flags, narrow_stats);
  FUZZ_CHECK(wide_hits.size() == narrow_hits.size());
  for (size_t i = 0; i < wide_hits.size(); ++i)
    FUZZ_CHECK(wide_hits[i].start == narrow_hits[i].start &&
               wide_hits[i].hit == narrow_hits[i].hit &&
               wide_hits[i].exact == narrow_hits[i].exact);

  // With a pattern every position was scanned exactly once: the word starts are those of a
  // plain count (a word starts after white, structure markers passed over).
  if (!pattern.empty()) {
    int32_t words = 0;
    bool after_white = false;
    for (int32_t i = 0; i < n; ++i) {
      if (classes[i] & 0x8000)
        continue;
      const bool white = (classes[i] & 0x0068) != 0;
      words += after_white && !white;
      after_white = white;
    }
    FUZZ_CHECK(wide_stats.number[0] == words);
    FUZZ_CHECK(narrow_stats.number[0] == words);
  }
  return 0;
}
