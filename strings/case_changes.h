// Changing and ignoring case: in-place locale mapping of zero-terminated buffers (with the
// dotted and dotless i of Turkish and Azeri under their locales), title case, and searches that
// ignore case. Every mapping keeps the length, so positions in the mapped text are those of the
// original.
#pragma once

#include "platform/nls_locale_ids.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Map the zero-terminated buffer text in place, with linguistic casing for locale: UTF-16 when
// wide, else 8-bit in the locale's ANSI code page. They return text (nullptr stays nullptr).
void *WinLowerCased(LCID locale, void *text, bool wide);
void *WinUpperCased(LCID locale, void *text, bool wide);
// Upper-cases every letter of text as WinUpperCased does; returns the number of characters
// mapped, the terminator not counted (0 for nullptr or a failure).
int32_t Capitalise(LCID locale, void *text, bool wide);

// s in lower case with the first character, or (each_word) every character after one below "0"
// or one of ":;<=>?@[\]^_`", in upper case: 'o'neil-smith' becomes 'O'Neil-Smith', 'x2y' 'X2y'.
String TitleCase(StringView s, bool each_word);

// The 1-based position of sub in s ignoring case (simple Unicode upper-casing), 0 if absent.
int32_t CaseInsensitivePos(StringView sub, StringView s);
// The same with a sub already in upper case.
int32_t CaseInsensitiveUpperedPos(StringView upper_sub, StringView s);

} // namespace textcore
