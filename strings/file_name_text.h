// File names made from text: characters a file name cannot hold replaced, an insertion before
// the extension, the last element of a path written with either slash, and folder names joined.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The characters that AcceptableFilename replaces: those Windows refuses in a name (so that a
// name survives a trip there), and ".".
inline constexpr StringView InvalidFilenameChars = u"\"'*./:<>?\\|";

// s with ">" made ")", "<" made "(", and the other characters of InvalidFilenameChars and the
// control characters U+0000 to U+001F made "_" (a NUL would cut the name short at the system
// call): "a<b>.txt" gives "a(b)_txt".
String AcceptableFilename(StringView s);
// name with insertion put before its extension, or at its end when before_ext is false.
String FilenameWithInsertion(StringView name, StringView insertion, bool before_ext);
// The text after the last "/" or "\"; s when it has neither.
String BothSlashesExtractFilename(StringView s);
// The last path element of items 0 to min(n, Count - 1), joined with "+".
String FolderNamesAsText(const TStringList &list, int32_t n);

} // namespace textcore
