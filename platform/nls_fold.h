// FoldString: folding to precomposed or composite (decomposed) forms, and the other Windows
// foldings of compatibility characters, digits and ligatures.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

constexpr uint32_t MAP_FOLDCZONE = 0x0010;
constexpr uint32_t MAP_PRECOMPOSED = 0x0020;
constexpr uint32_t MAP_COMPOSITE = 0x0040;
constexpr uint32_t MAP_FOLDDIGITS = 0x0080;
constexpr uint32_t MAP_EXPAND_LIGATURES = 0x2000;

// Folds source under the convention of the code-page calls (zero target_length: size query;
// -1 source_length: zero-terminated, terminator included; 0 with ERROR_INSUFFICIENT_BUFFER,
// ERROR_INVALID_PARAMETER or ERROR_INVALID_FLAGS on failure). MAP_PRECOMPOSED composes each
// letter with its combining marks where Unicode has a precomposed character (canonical
// composition); MAP_COMPOSITE decomposes them; MAP_FOLDCZONE turns the compatibility characters
// of U+F900-U+FFEF (full-width and half-width forms, presentation forms) into their plain forms;
// MAP_FOLDDIGITS writes every digit, of any script, as 0-9; MAP_EXPAND_LIGATURES spells out
// ligatures (ß as "ss", æ as "ae"). The two normal forms exclude each other, and
// MAP_EXPAND_LIGATURES excludes both.
int32_t FoldStringW(uint32_t flags, const char16_t *source, int32_t source_length, char16_t *target,
                    int32_t target_length);

// The whole-string form; text comes back unchanged when the flags are invalid.
String FoldString(uint32_t flags, StringView text);

// How many units at the start of text are surely in precomposed form already, so that folding
// with MAP_PRECOMPOSED leaves them as they are: a scan of the normaliser's tables, no copy. All of
// text for almost every text a user has.
size_t PrecomposedPrefix(StringView text);

// Whether composition never reaches back across the start of c: text cut just before c composes
// in two parts exactly as it does whole. True of every character below U+0300.
bool HasPrecomposedBoundaryBefore(char32_t c);

} // namespace textcore
