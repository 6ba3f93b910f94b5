// Preparing a class array for the buffer matcher: the middle characters of a language
// (apostrophes, hyphens and the like) join the letters or digits around them, and a separator
// between two digits joins the number ("1,000", "3.5").
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Each occurrence in text of one of the first allowed_count characters of allowed becomes a letter
// ($0302), or a digit ($0204) when a neighbour it joins is a digit. Unless may_start_word, the
// previous character (markup passed over) must be a word character inside the buffer; unless
// may_end_word, so must the next one. Occurrences inside markup, and structure markers, are left
// alone. In 8-bit text only allowed characters up to U+00FF are sought, as the byte of that value;
// the caller converts others to its code page first (U+2019 is not byte 0x19).
void HandleMiddleChars(const void *text, uint16_t *classes, const String &allowed,
                       uint16_t allowed_count, int32_t length, bool wide, bool may_end_word,
                       bool may_start_word);

// HandleMiddleChars in 16-bit text, for a text read in windows: only the occurrences at
// [from, to) are marked, each joining only words on both sides (may_start_word and may_end_word
// false), and a neighbour is sought at most reach units away (markup passed over) within
// [0, length): one further away counts as none. The result at k depends on nothing beyond
// reach + 1 units either side, so a window that holds that much around [from, to) marks exactly
// what the whole text would.
void HandleMiddleCharsWithin(const char16_t *text, uint16_t *classes, StringView allowed,
                             int32_t length, int32_t from, int32_t to, int32_t reach);

// A middle dot, "." or "," (and a space when space_allowed) standing between two digits
// becomes a digit ($0204).
void HandleMiddleCharsInNumbers(bool wide, bool space_allowed, const void *text, uint16_t *classes,
                                int32_t length);

} // namespace textcore
