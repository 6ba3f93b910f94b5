// What a word is: maximal runs of letters and decimal digits (Unicode categories L* and Nd).
// Marks are not part of a word here, so a letter followed by a separate combining accent is two
// words unless the text went through EnsurePrecomposed first. Positions count from 1; a position
// outside the text has no character there, which is never a letter or digit.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The number of maximal runs of letters and digits: "don't" is 2, "A4" is 1.
int32_t BasicWordCount(StringView s);
bool ContainsAlphanumCharacter(StringView s);

// Whether the word at first..last (last is its final character) has no letter or digit just
// before it, just after it, or on both sides. BoundedAtLeft is false when first < 1 or first is
// more than one past the end; BoundedAtRight when last < 0 or last is past the end.
bool BoundedAtLeft(StringView s, int32_t first, int32_t last);
bool BoundedAtRight(StringView s, int32_t first, int32_t last);
bool BoundedWholeWord(StringView s, int32_t first, int32_t last);
// The same test with after, the position just past the word.
bool IsWholeWord(StringView s, int32_t first, int32_t after);

// True when s is a 32-bit integer to StrToInt (sign, blanks, "$" and "0x" hexadecimal), or when
// every character is a decimal digit of any script or one of "%,.": so '' and '1,000.5' are
// numbers, '-3.5' is not.
bool IsANumber(StringView s);

} // namespace textcore
