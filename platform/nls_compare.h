// Locale-aware comparison of strings (CompareString) over ICU's collation, one collator per
// locale and set of flags, made on first use and kept.
//
// Without SORT_STRINGSORT the comparison is a word sort, as on Windows: the hyphen and the
// apostrophe weigh almost nothing, so "co-op" sorts beside "coop" (just after it) rather than
// among the strings that have punctuation at that place. With SORT_STRINGSORT they are ordinary
// punctuation, ordered before digits and letters.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

constexpr uint32_t NORM_IGNORECASE = 0x00000001;
constexpr uint32_t NORM_IGNORENONSPACE = 0x00000002;
constexpr uint32_t NORM_IGNORESYMBOLS = 0x00000004;
constexpr uint32_t SORT_DIGITSASNUMBERS = 0x00000008;
constexpr uint32_t SORT_STRINGSORT = 0x00001000;
constexpr uint32_t NORM_IGNOREKANATYPE = 0x00010000;
constexpr uint32_t NORM_IGNOREWIDTH = 0x00020000;
constexpr uint32_t NORM_LINGUISTIC_CASING = 0x08000000;

constexpr int32_t CSTR_LESS_THAN = 1;
constexpr int32_t CSTR_EQUAL = 2;
constexpr int32_t CSTR_GREATER_THAN = 3;

// Compares a[0..a_length) with b[0..b_length) (a length of -1: zero-terminated, terminator not
// compared). Returns CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN; 0 on failure, with
// ERROR_INVALID_PARAMETER (missing string, length below -1, unknown locale) or
// ERROR_INVALID_FLAGS. Flags: NORM_IGNORECASE, NORM_IGNORENONSPACE (accents), NORM_IGNORESYMBOLS
// (punctuation, symbols and spaces), SORT_STRINGSORT, SORT_DIGITSASNUMBERS ("a2" before "a10").
// NORM_IGNOREWIDTH and NORM_IGNOREKANATYPE are accepted; their differences weigh no more than
// case, so they vanish together with NORM_IGNORECASE. NORM_LINGUISTIC_CASING is accepted and
// changes nothing: collation is always linguistic.
int32_t CompareStringW(LCID locale, uint32_t flags, const char16_t *a, int32_t a_length,
                       const char16_t *b, int32_t b_length);
// The same for 8-bit strings in the locale's ANSI code page.
int32_t CompareStringA(LCID locale, uint32_t flags, const char *a, int32_t a_length, const char *b,
                       int32_t b_length);

// String forms.
int32_t CompareStrings(LCID locale, uint32_t flags, StringView a, StringView b);

} // namespace textcore
