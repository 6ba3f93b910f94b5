// The simple code form of typed numbers: {CHR(n)} groups and decimal #-codes in a search or
// settings text, each standing for one UTF-16 unit. A lighter sibling of the readable escapes
// (strings/readable_escapes.h), which also read hexadecimal #-codes.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// U+001B: the code a "#" of a search word becomes, the wildcard for one digit.
bool IsHashSymbol(char16_t c);
// "#" or "{": a character that may start a code.
bool IsHashOrBrace(char16_t c);

// Converts s in place and returns the value of the last code converted, -1 if none.
// First every "{CHR(" (any case of its ASCII letters) with a ")}" after it: when the text between
// them is a 32-bit integer (decimal, or hexadecimal after "$" or "0x"), the whole group becomes the
// unit of the number's low 16 bits; a group that does not convert stays and the search goes on
// after its "{". Then every "#" with one or more ASCII digits after it that make a 32-bit number:
// the "#" and its digits become the unit of the number's low 16 bits. So "{chr(65)}#66" gives "AB"
// and 66. A unit that a code yields is never read as part of another code. The host's yield hook
// is called once per code looked at.
int32_t MyFormatValidNumberStr(String &s);

} // namespace textcore
