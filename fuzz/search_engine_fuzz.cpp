// The search engine over a search word and a text taken from the fuzzer's bytes, as 16-bit or
// 8-bit buffers: every hit lies inside the buffer and after the one before, a limit is kept, and
// the word lister's yes/no test agrees with a full pass over the same classes. Buffers are
// allocated to their exact size, so AddressSanitizer stops any read past them.
#include "fuzz/fuzz_check.h"
#include "platform/strings.h"
#include "search/search_engine.h"
#include "search/search_word_parser.h"

#include <cstdint>
#include <memory>
#include <vector>

using namespace textcore;

namespace {

// A small alphabet, so that words and texts meet often.
constexpr char16_t kAlphabet[16] = {u'a', u'b', u'A', u' ', u'1', u',',  u'.',  u'\'',
                                    u'-', u'*', u'?', u'<', u'>', u'\r', u'\n', 0x00E9};

struct Hits {
  std::vector<int32_t> positions;
  int32_t reported = 0;
};

Hits Pass(const void *buffer, int32_t n, bool wide, TSearch_word_format_rec item, bool middles) {
  TSearchAndDoEngine engine(wide, true, 0x0409, nullptr);
  Hits hits;
  engine.PrepareFirst(
      buffer, n * (wide ? 2 : 1), 0,
      [&](TSearchAndDoEngine *, const TSearchFound_Rec &found) {
        const int32_t at = found.hit_pos_in_characters;
        FUZZ_CHECK(at >= 0 && at < n);
        FUZZ_CHECK(hits.positions.empty() || at > hits.positions.back());
        FUZZ_CHECK(found.exact_hit_len >= 0 && at + found.exact_hit_len <= n);
        FUZZ_CHECK(found.percent_of_file >= 0 && found.percent_of_file <= 100);
        hits.positions.push_back(at);
        return true;
      },
      nullptr);
  FUZZ_CHECK(engine.BufferLength() <= n);
  if (middles)
    engine.HandleAllowables(u"'-\u2019", false, false);
  FUZZ_CHECK(engine.SearchAndDo(&item) || item.search_text.empty());
  hits.reported = engine.HitsFound();
  return hits;
}

bool QuickTest(const void *buffer, bool wide, const TSearch_word_format_rec &item) {
  TWLSearchAndDo engine(wide, true, 0x0409, nullptr);
  engine.PrepareFirst(buffer, 0, 0, nullptr, nullptr);
  engine.SetSearchWord(item.search_text, item.flags);
  return engine.QuickSearchFoundIgnoringTags();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2)
    return 0;
  const uint8_t flags = data[0];
  const size_t word_size = std::min<size_t>(data[1] % 8, size - 2);
  String typed;
  for (size_t i = 0; i < word_size; ++i)
    typed += kAlphabet[data[2 + i] % 16];
  const size_t n = size - 2 - word_size;
  const bool wide = flags & 1;
  // The text, NUL-terminated; a NUL the fuzzer puts inside ends the buffer there, as it would.
  auto wide_text = std::make_unique<char16_t[]>(n + 1);
  auto narrow_text = std::make_unique<uint8_t[]>(n + 1);
  for (size_t i = 0; i < n; ++i) {
    const uint8_t byte = data[2 + word_size + i];
    wide_text[i] = byte < 0x10 ? kAlphabet[byte] : static_cast<char16_t>(byte);
    narrow_text[i] = static_cast<uint8_t>(wide_text[i] < 0x100 ? wide_text[i] : u'?');
  }
  wide_text[n] = 0;
  narrow_text[n] = 0;
  const void *buffer = wide ? static_cast<const void *>(wide_text.get()) : narrow_text.get();

  TSearch_word_format_rec item;
  Parsed_SearchWord(TIgnore_tag_type{}, typed, item);
  if (flags & 2)
    item.flags.Include(myCaseIsSensitive);
  item.n_to_find = (flags >> 4) & 3;
  const Hits hits = Pass(buffer, static_cast<int32_t>(n), wide, item, flags & 4);
  FUZZ_CHECK(item.n_to_find == 0 || hits.reported <= item.n_to_find);
  FUZZ_CHECK(hits.reported == static_cast<int32_t>(hits.positions.size()));

  // Without middle characters both see the same classes; a word ending in "*" is left out, as
  // the yes/no test reads its trailing star from the flags alone.
  const String &sought = item.search_text;
  if (!(flags & 4) && wide && !sought.empty() && sought.back() != 0x1D) {
    TSearch_word_format_rec all = item;
    all.n_to_find = 0;
    const bool found = !Pass(buffer, static_cast<int32_t>(n), wide, all, false).positions.empty();
    FUZZ_CHECK(QuickTest(buffer, wide, item) == found);
  }
  return 0;
}
