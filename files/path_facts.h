// Facts about names and paths: wildcards, folders, the normalised form of a path, and the
// letters of a file's attributes.
#pragma once

#include "core/fixed_char_arrays.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The name holds "*" or "?".
bool FileNameHasWildCards(StringView name);
// The name exists and is a folder (after following a link).
bool sIsADirectory(const String &name);

// The absolute path, with ".", ".." and repeated delimiters resolved lexically (no link is
// followed) and no trailing delimiter. A root is left as it is: "/", and a drive root of a
// stored Windows name ("c:", "c:\"). An empty path stays empty. "\" counts as a delimiter.
String NormalisedPath(StringView path);
// The same into buffer, which is cleared first; a path longer than 260 characters is not cut
// (it would name another file): the buffer is then left empty.
void NormalisedPathW(StringView path, maxpathwidechar &buffer);

// One letter per attribute present, in this order: "r" read-only, "a" archive, "s" system,
// "h" hidden, "d" directory.
String AttributesToStr(uint16_t attr);

} // namespace textcore
