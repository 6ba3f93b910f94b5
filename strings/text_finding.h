// Finding things in text: the nearer of two strings, a character outside quotes, the first
// number, a number in square brackets, the value after "=", the halves either side of a mark, and
// long stretches of text that repeat.
#pragma once

#include "lists/string_lists_with_values.h"
#include "platform/strings.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace textcore {

// The nearer of the 1-based positions of a and of b in s at or after from; the one found when
// only one is; 0 when neither is.
int32_t PosExNearer(StringView s, StringView a, StringView b, int32_t from);
// The same on zero-terminated buffers: a pointer to the nearer find; nullptr when neither is
// found (an empty or null a or b is never found) or p is nullptr.
const char *StrPosNearerA(const char *p, const char *a, const char *b);
const char16_t *StrPosNearerW(const char16_t *p, const char16_t *a, const char16_t *b);
// The first c in the zero-terminated buffer that stands outside single and double quotes. Only
// a quote of the opening kind closes, and not when a backslash comes before it. nullptr when
// there is none, or a quote is still open where the text ends.
const char *FirstCharInBufferNotInQuotes(const char *p, char c);
// The 1-based position of the first digit 0 to 9 at or after max(from, 1); -1 when none.
int32_t PositionOfNumberInString(StringView s, int32_t from);
// The digits straight after the first "[" as an integer, whether a "]" ends them or not; 0 when
// s has no "[". A "[" without a digit after it, or a number past the integers, raises
// EConvertError.
int32_t IntegerInsideSquareBrackets(StringView s);
// The text after the first "="; "" when s has none.
String ValueString(StringView s);
// (the text before the first mark, the text after it); (s, "") when s has no mark.
std::pair<String, String> StringHalvesSplitAtMark(StringView mark, StringView s);
// s cut into consecutive n-character chunks; each chunk longer than 100 characters once trimmed
// is sought again after its own end, and every later occurrence counts one in the list (a chunk
// comes in with 1 when first seen). Sorted by frequency, highest first, when two or more came.
// An empty list for n below 1. Yields once per occurrence found.
std::unique_ptr<TStringListWithFreqPointers> RepeatedXCharChunks(int32_t n, StringView s);

} // namespace textcore
