// Text under a locale: the locale's 8-bit code page and measurement system, case mapping with
// the locale's linguistic rules (the dotted and dotless i of Turkish and Azeri), and digits.
//
// Every case mapping keeps the length, unit for unit, so positions in the mapped text are those
// of the original.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The locale's default ANSI code page, or the system's when the locale has none (the
// platform's LCIDToCodePage, under the name the tools also know it by).
uint32_t CodePageFromLocale(LCID lcid);

// False when the locale measures in U.S. units, true (metric) otherwise.
bool UserDefaultMeasurements(LCID lcid);

// The locale's linguistic lower- or upper-case mapping.
String Lowercase(LCID lcid, StringView s);
String Uppercase(LCID lcid, StringView s);
// The same in place on a zero-terminated buffer (nullptr is left alone).
void LowercaseIt(LCID lcid, char16_t *p);
void UppercaseIt(LCID lcid, char16_t *p);
// Unicode case mapping that no locale changes.
String Lowercase(StringView s);
String Uppercase(StringView s);

// "0" to "9" only.
bool IsOrdinaryNumberChar(char16_t c);
// Any Unicode decimal digit (Arabic-Indic, Devanagari, full-width...); not superscripts.
bool IsADigitChar(char16_t c);

} // namespace textcore
