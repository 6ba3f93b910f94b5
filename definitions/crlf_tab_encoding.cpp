// Line breaks, tabs and wildcards between settings text and work form.
#include "definitions/crlf_tab_encoding.h"

#include "messages/message_names.h"
#include "search/search_word_syntax.h"

namespace textcore {

namespace {

// The wildcards that stand inside a search text, in the order they are encoded.
constexpr tag_wildcards_type interior_wildcards[] = {asterisk_type, question_type, hash_type};

void EncodeInteriorSymbol(String &text, tag_wildcards_type wildcard) {
  const char16_t symbol = tag_wildcards_converters[wildcard][original_char];
  const char16_t code = tag_wildcards_converters[wildcard][replacement_char];
  // A code is never a quotation mark, so replacing in place decides each symbol as the typed
  // text would.
  for (size_t i = 1; i + 1 < text.size(); ++i)
    if (text[i] == symbol && text[i - 1] != u'"' && text[i + 1] != u'"')
      text[i] = code;
}

char16_t ReadableOf(char16_t c) {
  for (tag_wildcards_type wildcard : interior_wildcards)
    if (c == tag_wildcards_converters[wildcard][replacement_char])
      return tag_wildcards_converters[wildcard][original_char];
  return c;
}

} // namespace

String EncodedCRLFTAB(StringView s) {
  String text(s);
  for (tag_wildcards_type wildcard : interior_wildcards)
    EncodeInteriorSymbol(text, wildcard);
  text = StringReplace(text, _QMEnter.Text(), u"\r\n", {rfReplaceAll});
  return StringReplace(text, _QMTab.Text(), u"\t", {rfReplaceAll});
}

String EncodedCRLFTABToReadableStr(StringView s) {
  String text;
  text.reserve(s.size());
  for (char16_t c : s)
    text += ReadableOf(c);
  text = StringReplace(text, u"\r\n", _QMEnter.Text(), {rfReplaceAll});
  return StringReplace(text, u"\t", _QMTab.Text(), {rfReplaceAll});
}

} // namespace textcore
