// Text-selection patterns between typed text and record.
#include "definitions/select_text_file.h"

#include "core/fixed_char_array_text.h"
#include "search/search_word_syntax.h"

#include <iterator>

namespace textcore {

namespace {

constexpr bool IsSelectionWildcard(char16_t c) {
  return c >= sw_digits_code && c <= sw_tag_not_code;
}

// The converter row whose code c is, or -1.
int32_t RowOfCode(char16_t c) {
  for (int32_t row = 0; row < static_cast<int32_t>(std::size(tag_wildcards_converters)); ++row)
    if (tag_wildcards_converters[row][replacement_char] == c)
      return row;
  return -1;
}

// Reading converts the first quoted symbol of a row to the bare symbol, or else the first bare
// one to the row's code. So a row without a wildcard in the record needs its first literal
// symbol quoted, and every later one stays bare.
void QuoteFirstLiteral(String &start, String &end, char16_t symbol) {
  const char16_t quoted[] = {u'"', symbol, u'"'};
  if (size_t at = start.find(symbol); at != String::npos)
    start.replace(at, 1, quoted, 3);
  else if (at = end.find(symbol); at != String::npos)
    end.replace(at, 1, quoted, 3);
}

} // namespace

String TSelectTextFile_RecWToString(const TSelectTextFile_RecW &rec) {
  String start = WideArrayToString(rec.seekStart);
  String end = WideArrayToString(rec.seekEnd);
  const String codes = WideArrayToString(rec.seek_wilds);
  String symbols;
  for (char16_t c : codes)
    if (int32_t row = RowOfCode(c); row >= 0)
      symbols += tag_wildcards_converters[row][original_char];
  for (const auto &row : tag_wildcards_converters)
    if (codes.find(row[replacement_char]) == String::npos)
      QuoteFirstLiteral(start, end, row[original_char]);
  return start + symbols + end;
}

TSelectTextFile_RecW StringToTSelectTextFile_RecW(StringView s) {
  String t(s);
  TagWildcardConverted(t);
  String start, wilds, end;
  bool contains_wildcard = false;
  for (char16_t c : t) {
    if (IsSelectionWildcard(c)) {
      contains_wildcard = true;
      wilds += c;
    } else {
      (contains_wildcard ? end : start) += c;
    }
  }
  TSelectTextFile_RecW rec;
  StringToWideArray(start, rec.seekStart);
  StringToWideArray(wilds, rec.seek_wilds);
  StringToWideArray(end, rec.seekEnd);
  rec.length_of_seek = static_cast<int32_t>(WideArrayToString(rec.seekStart).size());
  rec.contains_wildcard = contains_wildcard ? 1 : 0;
  return rec;
}

text_select_type SelectAtAllTypeFromNumber(int16_t n) {
  if (n == 13)
    return excluir_and;
  if (n >= 14)
    return excluir_or;
  return n == 1 || n == 4 || n == 7 || n == 10 ? incluir_and : incluir_or;
}

text_select_type SelectWithinTypeFromNumber(int16_t n) {
  const bool even = n % 2 == 0;
  if (n > 14)
    return even ? incluir_or : incluir_and;
  return even ? excluir_or : excluir_and;
}

} // namespace textcore
