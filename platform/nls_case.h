// Case mapping of whole strings (LCMapString with LCMAP_UPPERCASE or LCMAP_LOWERCASE), plain or
// with linguistic casing.
//
// Every mapping keeps the length, unit for unit, because callers index mapped text by the
// positions of the original: a character whose full mapping is longer (German sharp s to "SS",
// the ligature "ﬁ" to "FI") keeps its one-character mapping or, having none, stays itself, as
// with the Windows service. Plain casing is the same for every locale; linguistic casing adds
// the dotted and dotless i of Turkish and Azeri (i and I pair with U+0130 and U+0131).
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

constexpr uint32_t LCMAP_LOWERCASE = 0x00000100;
constexpr uint32_t LCMAP_UPPERCASE = 0x00000200;
constexpr uint32_t LCMAP_LINGUISTIC_CASING = 0x01000000;

// Maps source[0..source_length) into target under the convention of the code-page calls (a zero
// target_length asks for the size; -1 source_length means zero-terminated, terminator included).
// target may be source itself. Exactly one of LCMAP_UPPERCASE and LCMAP_LOWERCASE, optionally
// with LCMAP_LINGUISTIC_CASING; anything else fails with ERROR_INVALID_FLAGS.
int32_t LCMapStringW(LCID locale, uint32_t flags, const char16_t *source, int32_t source_length,
                     char16_t *target, int32_t target_length);
// The same for 8-bit text in the locale's ANSI code page: a byte whose mapped character the code
// page lacks stays as it is.
int32_t LCMapStringA(LCID locale, uint32_t flags, const char *source, int32_t source_length,
                     char *target, int32_t target_length);

// Whole-string and in-place forms; flags as for LCMapStringW (invalid flags leave text as is).
String LCMapCase(LCID locale, StringView text, uint32_t flags);
void LCMapCaseInPlace(LCID locale, uint32_t flags, char16_t *text, size_t length);

// Full case mapping under the locale's rules, which may change the length ("ß" to "SS", "ﬁ" to
// "FI"): for callers that make new text rather than index the old, such as AnsiUpperCase.
String FullUpperCase(LCID locale, StringView text);
String FullLowerCase(LCID locale, StringView text);

// Locale-independent simple case of one UTF-16 unit (units of surrogate pairs map to themselves).
char16_t UpperCaseOfUnit(char16_t c);
char16_t LowerCaseOfUnit(char16_t c);

} // namespace textcore
