// The readable form of search strings: a character that cannot be typed or seen is written as
// {CHR(n)}, n in decimal or in hexadecimal as x41 or 41h, and a search string may also hold
// #-codes: #65, or #x41; / #$41; / #h41; in hexadecimal. Conversions that fail leave the text as
// typed.
#pragma once

#include "platform/strings.h"

#include <cstddef>
#include <cstdint>

namespace textcore {

// s with every character whose code is below `below` written as "{CHR(" code ")}".
String QMFormattedWorkStringToReadableString(StringView s, int32_t below);

// The working string of a readable one. First the {CHR(n)} codes, found in any case: a code whose
// middle is a 32-bit integer (after BracedNumberStrToDigitalformat) becomes the UTF-16 unit of its
// low 16 bits; one with nothing between its brackets ends this pass, and a "{CHR(" without a
// ")}" after it too. Then the #-codes: "#", one or more of "Xx$Hh" and hexadecimal digits with
// an optional ";" after them, or "#" and decimal digits, become the unit of the number's low 16
// bits. So '{chr(65)}B', '#x41;B' and '#65B' are all 'AB'; '#house' stays; '#hello' is U+000E
// and 'llo'. The host's yield hook is called once per {CHR( code.
String QMFormattedReadableStringToWorkString(StringView s);

// The index of the first "{CHR(" at or after from, its letters in any case, npos if none. Case is
// folded unit by unit, so the index is one in s (full upper-casing would make "ß" two letters).
size_t FindBracedCodeOpening(StringView s, size_t from);

// The number inside {CHR(...)} in the integer parser's terms: upper-cased, a leading "X" made
// "$", a trailing "H" dropped for a leading "$". 'x41' and '41h' give '$41'.
String BracedNumberStrToDigitalformat(StringView s);

} // namespace textcore
