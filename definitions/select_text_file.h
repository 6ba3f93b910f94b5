// The text-selection pattern with which a tool picks the texts that contain a stretch of text
// between two markers: a start text, the wildcards between, an end text, and whether the texts
// that match are included or excluded. Saved whole in the tools' settings (496 bytes).
#pragma once

#include "core/fixed_char_arrays.h"
#include "platform/strings.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "selection patterns are little-endian");

// Whether matching texts are kept or left out, and whether all patterns or any must match.
enum text_select_type : uint8_t { incluir_and, incluir_or, excluir_and, excluir_or };

#pragma pack(push, 1)
struct TSelectTextFile_RecW {
  eightywidechar seekStart{};
  eightywidechar seek_wilds{}; // work codes of the tag wildcards
  eightywidechar seekEnd{};
  std::array<uint8_t, 2> padding486{};
  int32_t length_of_seek = 0; // the characters in seekStart
  text_select_type ato_necessario = incluir_and;
  uint8_t contains_wildcard = 0;
  std::array<uint8_t, 2> padding494{};
};
#pragma pack(pop)

static_assert(sizeof(TSelectTextFile_RecW) == 496);
static_assert(offsetof(TSelectTextFile_RecW, seek_wilds) == 162);
static_assert(offsetof(TSelectTextFile_RecW, seekEnd) == 324);
static_assert(offsetof(TSelectTextFile_RecW, length_of_seek) == 488);
static_assert(offsetof(TSelectTextFile_RecW, ato_necessario) == 492);
static_assert(offsetof(TSelectTextFile_RecW, contains_wildcard) == 493);

// The pattern as typed: the start text, each wildcard code as its symbol (codes of no wildcard
// are dropped), the end text. Where a start or end text holds a wildcard symbol as a literal and
// the record has no wildcard of that symbol, the first such symbol is quoted ('"*"'), so that
// reading the text back gives the same record. That holds for patterns whose quotation marks stand
// only round a literal symbol, once per symbol; quotation marks elsewhere can make a record that
// no text produces.
String TSelectTextFile_RecWToString(const TSelectTextFile_RecW &rec);

// The record of a typed pattern. Its tag wildcards are converted as a search word's are
// (TagWildcardConverted); the codes U+001B to U+001F are the wildcards, and every other
// character (line breaks and tabs among them) is text: of the start text until the first
// wildcard, of the end text after it. Each text is cut to 80 characters without splitting a
// surrogate pair; length_of_seek counts the start text after the cut. ato_necessario stays
// incluir_and for the caller to set.
//
// The record holds one run of wildcards, so wildcards after the end text has begun join that
// run: 'a*b?c' reads as 'a', "*?", 'bc', and is written back as 'a*?bc'.
TSelectTextFile_RecW StringToTSelectTextFile_RecW(StringView s);

// The tools' choice numbers. At all: 13 excludes texts matching all patterns, 14 and above any;
// below 13, 1, 4, 7 and 10 include texts matching all, the others any.
text_select_type SelectAtAllTypeFromNumber(int16_t n);
// Within: above 14 include (any for an even n, all for an odd one); 14 and below exclude (any
// for an even n, all for an odd one).
text_select_type SelectWithinTypeFromNumber(int16_t n);

} // namespace textcore
