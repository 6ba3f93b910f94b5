// Splitting a typed search-word list and parsing its items.
#include "search/search_word_parser.h"

#include "platform/nls_case.h"
#include "search/search_word_flags.h"

namespace textcore {

namespace {

bool IsSeparatorSlash(const String &text, size_t i) {
  return text[i] == u'/' && text[i - 1] != u'"' && text[i + 1] != u'"' && text[i + 1] != u'\\';
}

bool IsLead(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsTrail(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

std::unique_ptr<TStringList> SplitSWList(String &text, bool split) {
  auto items = std::make_unique<TStringList>();
  size_t start = 0;
  if (split) {
    // Positions are relative to the current item's start: never its first or its last character.
    for (size_t i = 1; start + i + 1 < text.size();) {
      size_t at = start + i;
      if (IsSeparatorSlash(text, at)) {
        items->Add(text.substr(start, i));
        start = at + 1;
        i = 1;
      } else {
        ++i;
      }
    }
  }
  if (start < text.size())
    items->Add(text.substr(start));
  text.clear();
  return items;
}

void FillSearchWordCopies(TSearch_word_format_rec &rec) {
  const String &text = rec.search_text;
  rec.copies[unchanged_copy] = text;
  rec.copies[upper_copy] = LCMapCase(LOCALE_INVARIANT, text, LCMAP_UPPERCASE);
  rec.copies[lower_copy] = LCMapCase(LOCALE_INVARIANT, text, LCMAP_LOWERCASE);
  rec.copies[title_copy].clear();
  const String &upper = rec.copies[upper_copy];
  if (upper.empty())
    return;
  // The first character whole, even when it is a surrogate pair.
  size_t first = upper.size() > 1 && IsLead(upper[0]) && IsTrail(upper[1]) ? 2 : 1;
  rec.copies[title_copy] = upper.substr(0, first) + rec.copies[lower_copy].substr(first);
}

void UnParsed_SearchWord(const String &text, TSearch_word_format_rec &rec) {
  rec = TSearch_word_format_rec();
  rec.typed_in_text = text;
  String stripped = text;
  rec.flags = FlagsFromSW(stripped);
  rec.search_text = std::move(stripped);
  rec.ambiguous = rec.typed_in_text != rec.search_text;
  FillSearchWordCopies(rec);
}

} // namespace textcore
