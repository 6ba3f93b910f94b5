// The symbol tables of the search-word syntax and the translations that turn operators into
// work-string codes.
#include "search/search_word_syntax.h"

namespace textcore {

namespace {

// Every occurrence of from (left to right, not overlapping) becomes to; true when any did.
bool ReplaceAll(String &text, StringView from, StringView to) {
  if (from.empty())
    return false;
  size_t at = text.find(from);
  if (at == String::npos)
    return false;
  String out;
  out.reserve(text.size());
  size_t done = 0;
  for (; at != String::npos; at = text.find(from, done)) {
    out.append(text, done, at - done);
    out.append(to);
    done = at + from.size();
  }
  out.append(text, done, String::npos);
  text = std::move(out);
  return true;
}

bool Contains(const std::vector<String *> &pieces, char16_t c) {
  for (const String *piece : pieces)
    if (piece->find(c) != String::npos)
      return true;
  return false;
}

void ReplaceChar(const std::vector<String *> &pieces, char16_t from, char16_t to) {
  for (String *piece : pieces)
    for (char16_t &c : *piece)
      if (c == from)
        c = to;
}

} // namespace

String LiteralSymbolBare(StringView literal) {
  String bare = Trim(literal);
  std::erase(bare, u'"');
  return bare;
}

bool Parse_Translate(String &text, StringView symbol, char16_t code) {
  if (symbol.empty())
    return false;
  bool any = false;
  for (size_t at = text.find(symbol); at != String::npos;
       at = text.find(symbol, at + symbol.size())) {
    text[at] = code;
    any = true;
  }
  return any;
}

void Parse_RetainOne(String &text, char16_t code, StringView literal) {
  ReplaceAll(text, literal, StringView(&code, 1));
}

void Parse_RestoreOne(String &text, char16_t code, StringView literal) {
  ReplaceAll(text, StringView(&code, 1), LiteralSymbolBare(literal));
}

void Parse_Retain(String &text, char16_t base) {
  for (int32_t i = 0; i < literal_symbol_count; ++i)
    Parse_RetainOne(text, static_cast<char16_t>(base + i), literal_symbol_table[i]);
}

void Parse_Restore(String &text, char16_t base) {
  for (int32_t i = 0; i < literal_symbol_count; ++i)
    Parse_RestoreOne(text, static_cast<char16_t>(base + i), literal_symbol_table[i]);
}

void TranslateAnyWordSymbols(String &text) {
  for (size_t i = 1; i + 1 < text.size(); ++i)
    if (text[i] == u'*' && text[i - 1] == u' ' && text[i + 1] == u' ')
      text[i] = sw_any_word_code;
}

void DoMainParse_Translates(String &text) {
  Parse_Translate(text, u"^", sw_any_letter_code);
  Parse_Translate(text, u"#", sw_digits_code);
  Parse_Translate(text, u"*", sw_asterisk_code);
  Parse_Translate(text, u"?", sw_question_code);
  Parse_Translate(text, any_string_symbol_str, sw_any_string_code);
}

bool ContainsPairedTagMarkup(const TIgnore_tag_type &tags, const std::vector<String *> &pieces) {
  bool any_pair = false;
  for (int32_t i = 0; i < ignore_tag_pairs; ++i) {
    char16_t opening = tags[i], closing = tags[i + ignore_tag_pairs];
    if (opening == 0 || !Contains(pieces, opening))
      continue;
    ReplaceChar(pieces, opening, sw_tag_open_code);
    if (closing == 0 || !Contains(pieces, closing))
      continue;
    ReplaceChar(pieces, closing, sw_tag_close_code);
    any_pair = true;
  }
  return any_pair;
}

bool ContainsPairedTagMarkup(const TIgnore_tag_type &tags, String &text) {
  return ContainsPairedTagMarkup(tags, std::vector<String *>{&text});
}

void TagWildcardConverted(String &text) {
  for (const auto &row : tag_wildcards_converters) {
    const char16_t bare = row[original_char];
    const char16_t quoted[] = {u'"', bare, u'"'};
    size_t at = text.find(StringView(quoted, 3));
    if (at != String::npos) {
      text.replace(at, 3, 1, bare);
      continue;
    }
    at = text.find(bare);
    if (at != String::npos)
      text[at] = row[replacement_char];
  }
}

} // namespace textcore
