// The tests a tool makes at the edges of sentences and words: whether text starts with a capital
// or a lower-case letter, whether the next word is capitalised, whether text ends in punctuation,
// whether the next visible character is punctuation. All by Unicode category; positions count
// from 1.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// s is not empty and starts with an upper-case letter (Lu).
bool FirstLetterIsCapitalised(StringView s);
// From pos (1 when below), skips characters that are not letters or digits; true when the one
// reached is an upper-case letter.
bool NextWordCapitalised(StringView s, int32_t pos);
// The first lower-case letter (Ll) of s, unless a title-case or upper-case letter, a number or a
// currency sign comes first; marks, other letters, punctuation and spaces are passed over. #0 if
// none.
char16_t FirstCharIsLowerCase(StringView s);
// From the end: true at the first letter, number or currency sign, false at the first
// punctuation; false when neither occurs.
bool LastCharIsNotPunctuation(StringView s);
// From `from` (1 when below): false at a letter or digit; control characters, spaces and other
// white space are skipped; the first other character decides by whether it is punctuation.
bool NextValidCharIsPunctuation(int32_t from, StringView s);

} // namespace textcore
