// Typed search-word lists from arbitrary bytes: splitting and parsing never fail, and two
// round trips hold.
//
// 1. Taken literally, an item's markers written back give the item again, less the exclusion
//    marker "~", which has no written form: SWStringPlusFlags(FlagsFromSW(t)) == t, or "~" + it.
// 2. An item built from plain letters and quoted literal symbols parses to the same text with
//    the quotation marks removed: a quoted symbol never becomes an operator.
#include "fuzz/fuzz_check.h"
#include "search/search_word_flags.h"
#include "search/search_word_parser.h"
#include "search/search_word_syntax.h"

#include <cstdint>
#include <string_view>

using namespace textcore;

namespace {

const TIgnore_tag_type &Tags() {
  static const TIgnore_tag_type tags = {u'<', u'[', 0, 0, 0, 0, u'>', u']', 0, 0, 0, 0};
  return tags;
}

void CheckItem(const String &item) {
  TSearch_word_format_rec rec;
  Parsed_SearchWord(Tags(), item, rec);
  FUZZ_CHECK(rec.typed_in_text == item);
  // The matcher compares the copies position by position.
  for (const String &copy : rec.copies)
    FUZZ_CHECK(copy.size() == rec.search_text.size());

  UnParsed_SearchWord(item, rec);
  String typed = SWStringPlusFlags(rec.search_text, rec.flags);
  FUZZ_CHECK(typed == item || (rec.flags.Contains(mySW_To_Avoid) && u"~" + typed == item));
}

void CheckLiterals(const uint8_t *data, size_t size) {
  static const char16_t letters[] = u"ab1 ";
  String typed, expected;
  for (size_t i = 0; i < size; ++i) {
    uint8_t b = data[i];
    if (b < literal_symbol_count) {
      typed += literal_symbol_table[b];
      expected += LiteralSymbolBare(literal_symbol_table[b]);
    } else {
      // Spaces only inside, where they cannot be trimmed away.
      char16_t c = letters[b % (i == 0 || i + 1 == size ? 3 : 4)];
      typed.push_back(c);
      expected.push_back(c);
    }
  }
  TSearch_word_format_rec rec;
  Parsed_SearchWord(Tags(), typed, rec);
  FUZZ_CHECK(rec.search_text == expected);
  FUZZ_CHECK(rec.flags == default_sw_flags);
  FUZZ_CHECK(!rec.contains_a_tag);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  String text = UTF8ToString(std::string_view(reinterpret_cast<const char *>(data), size));
  auto items = SplitSWList(text, size > 0 && data[0] % 2 == 0);
  FUZZ_CHECK(text.empty());
  for (int32_t i = 0; i < items->Count(); ++i)
    CheckItem(items->Strings(i));
  CheckLiterals(data, size);
  return 0;
}
