// Character classes of text (GetStringTypeEx), as the Windows character-type service gives
// them, from one table of all 65,536 UTF-16 units built once from ICU's character database.
//
// The classes of a UTF-16 unit do not depend on the locale (the Windows service ignores it for
// wide text too); the locale matters for 8-bit text, which is classified through its ANSI code
// page. Units are classified one by one: each half of a surrogate pair is "defined" and nothing
// else, so a supplementary character neither makes nor breaks a word of its own.
#pragma once

#include "platform/nls_locale_ids.h"

#include <cstdint>

namespace textcore {

constexpr uint32_t CT_CTYPE1 = 0x0001;
constexpr uint32_t CT_CTYPE2 = 0x0002;

constexpr uint16_t C1_UPPER = 0x0001;
constexpr uint16_t C1_LOWER = 0x0002;
constexpr uint16_t C1_DIGIT = 0x0004;
constexpr uint16_t C1_SPACE = 0x0008;
constexpr uint16_t C1_PUNCT = 0x0010;
constexpr uint16_t C1_CNTRL = 0x0020;
constexpr uint16_t C1_BLANK = 0x0040;
constexpr uint16_t C1_XDIGIT = 0x0080;
constexpr uint16_t C1_ALPHA = 0x0100;
constexpr uint16_t C1_DEFINED = 0x0200;

// Bidirectional classes (CT_CTYPE2).
constexpr uint16_t C2_LEFTTORIGHT = 1;
constexpr uint16_t C2_RIGHTTOLEFT = 2;
constexpr uint16_t C2_EUROPENUMBER = 3;
constexpr uint16_t C2_EUROPESEPARATOR = 4;
constexpr uint16_t C2_EUROPETERMINATOR = 5;
constexpr uint16_t C2_ARABICNUMBER = 6;
constexpr uint16_t C2_COMMONSEPARATOR = 7;
constexpr uint16_t C2_BLOCKSEPARATOR = 8;
constexpr uint16_t C2_SEGMENTSEPARATOR = 9;
constexpr uint16_t C2_WHITESPACE = 10;
constexpr uint16_t C2_OTHERNEUTRAL = 11;
constexpr uint16_t C2_NOTAPPLICABLE = 0;

// The CT_CTYPE1 classes of every UTF-16 unit, indexed by the unit. Built on first use; the
// pointer stays valid for the life of the process. The locale is accepted for callers that
// keep one per locale; every locale gets the same table.
const uint16_t *CType1Table(LCID lcid = LOCALE_USER_DEFAULT);
// The CT_CTYPE1 classes of the 256 bytes of an 8-bit code page, each byte classified as the
// character it stands for; bytes with no character get 0. nullptr for an unknown code page.
const uint16_t *CType1TableOfCodePage(uint32_t code_page);

// Fills types[0..count) with the classes of text[0..count) for info_type CT_CTYPE1 or
// CT_CTYPE2. count -1 means text is zero-terminated and the terminator is classified too.
// False with ERROR_INVALID_FLAGS for another info_type, ERROR_INVALID_PARAMETER for a missing
// buffer, a count below -1 or types overlapping text.
bool GetStringTypeExW(LCID locale, uint32_t info_type, const char16_t *text, int32_t count,
                      uint16_t *types);
// The same for 8-bit text in the ANSI code page of the locale.
bool GetStringTypeExA(LCID locale, uint32_t info_type, const char *text, int32_t count,
                      uint16_t *types);

// Unicode general categories, numbered as the character database numbers them, for the text
// functions that decide by category (letter-or-digit, decimal digit, punctuation) rather than by
// the Windows classes above, which differ on purpose (marks are alphabetic there, symbols are
// punctuation).
enum TUnicodeCategory : uint8_t {
  ucCn, // unassigned
  ucLu,
  ucLl,
  ucLt,
  ucLm,
  ucLo,
  ucMn,
  ucMe,
  ucMc,
  ucNd,
  ucNl,
  ucNo,
  ucZs,
  ucZl,
  ucZp,
  ucCc,
  ucCf,
  ucCo,
  ucCs,
  ucPd,
  ucPs,
  ucPe,
  ucPc,
  ucPo,
  ucSm,
  ucSc,
  ucSk,
  ucSo,
  ucPi,
  ucPf,
};

constexpr uint8_t kUnicodeCategoryMask = 0x1F;
constexpr uint8_t kUnicodeWhiteSpace = 0x80;

// One byte for every UTF-16 unit: its general category in the low five bits, and
// kUnicodeWhiteSpace for the White_Space characters. Built once on first use; a surrogate half is
// ucCs. Loops over long texts fetch the pointer once.
const uint8_t *UnicodePropertyTable();

inline TUnicodeCategory UnicodeCategoryOf(char16_t c) {
  return static_cast<TUnicodeCategory>(UnicodePropertyTable()[c] & kUnicodeCategoryMask);
}
// Letters of every kind and decimal digits; not marks, letter numbers or other numbers.
constexpr bool IsLetterOrDigitCategory(uint8_t category) {
  return (category >= ucLu && category <= ucLo) || category == ucNd;
}
// The seven punctuation categories.
constexpr bool IsPunctuationCategory(uint8_t category) {
  return (category >= ucPd && category <= ucPo) || category == ucPi || category == ucPf;
}
inline bool IsUnicodeLetterOrDigit(char16_t c) {
  return IsLetterOrDigitCategory(UnicodePropertyTable()[c] & kUnicodeCategoryMask);
}
inline bool IsUnicodeWhiteSpace(char16_t c) {
  return (UnicodePropertyTable()[c] & kUnicodeWhiteSpace) != 0;
}

} // namespace textcore
