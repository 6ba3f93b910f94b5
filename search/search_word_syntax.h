// The operators of the typed search-word syntax and their translation into a work string.
//
// A work string is the typed text with every operator replaced by one code point below U+0020,
// which is all the matcher ever sees. A symbol written between double quotation marks ("*", "?",
// "/\" ...) stands for itself; these helpers protect such literals while the operators around them
// are translated, and put them back afterwards.
#pragma once

#include "search/search_word_format.h"
#include "search/work_string_codes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace textcore {

// The typed symbols. Views, so that comparing one with a text compares the characters.
inline constexpr StringView any_word_symbol_char = u" * ";
inline constexpr StringView any_string_symbol_str = u"}}}";
inline constexpr StringView crlf_symbol_string = u"/\\";

// Quoted literals become base + their index in literal_symbol_table while operators are parsed.
constexpr char16_t sw_literal_base = 0xE000;

// Wildcards of a tag pattern, and the codes they become.
enum tag_wildcards_type : uint8_t {
  not_type,
  any_letter_type,
  asterisk_type,
  question_type,
  hash_type
};
enum tag_conversion_type : uint8_t { original_char, replacement_char };
inline constexpr char16_t tag_wildcards_converters[5][2] = {{u'~', sw_tag_not_code},
                                                            {u'^', sw_any_letter_code},
                                                            {u'*', sw_asterisk_code},
                                                            {u'?', sw_question_code},
                                                            {u'#', sw_digits_code}};

// The symbols that may be written literally, each between double quotation marks, in the order
// their protection codes are given out.
constexpr int32_t literal_symbol_count = 11;
inline constexpr std::array<StringView, literal_symbol_count> literal_symbol_table = {
    u"\"^\"", u"\"/\"", u"\"*\"", u"\"==\"",  u"\"?\"",  u"\":\\\"",
    u"\"<\"", u"\">\"", u"\"#\"", u"\"}}}\"", u"\"/\\\""};
// The symbol a literal stands for: the entry trimmed, its quotation marks removed.
String LiteralSymbolBare(StringView literal);

// Replaces the first character of every occurrence of symbol (left to right, occurrences not
// overlapping) by code; true when at least one was replaced.
bool Parse_Translate(String &text, StringView symbol, char16_t code);
// Every occurrence of literal becomes the one character code, and back again.
void Parse_RetainOne(String &text, char16_t code, StringView literal);
void Parse_RestoreOne(String &text, char16_t code, StringView literal);
// The whole table: entry i becomes base + i, and back.
void Parse_Retain(String &text, char16_t base);
void Parse_Restore(String &text, char16_t base);

// Every asterisk standing alone as a word (a space on each side) becomes the any-word code.
// Neighbouring lone asterisks share their spaces: in "a * * b" both become the code.
void TranslateAnyWordSymbols(String &text);
// "^", "#", "*", "?" and the first character of every "}}}", in that order.
void DoMainParse_Translates(String &text);

// Markup pairs: an opening character that occurs becomes the tag-open code, and its own closing
// character the tag-close code, but only when that opening character occurred. True when at least
// one pair had both characters in the text. A pair whose opening and closing characters are the
// same character is opened only (there is no telling which occurrence closes).
bool ContainsPairedTagMarkup(const TIgnore_tag_type &tags, String &text);
// The same over several pieces of one text, as if they were joined.
bool ContainsPairedTagMarkup(const TIgnore_tag_type &tags, const std::vector<String *> &pieces);

// Wildcards of a tag pattern: per converter row, the first quoted form becomes the bare
// character, or else the first bare character becomes the row's code. Later occurrences stay.
void TagWildcardConverted(String &text);

} // namespace textcore
