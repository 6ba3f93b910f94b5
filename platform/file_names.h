// File-name helpers of the host framework, and the bridge between String names and disk bytes.
//
// Names typed by users may use either "/" or "\" as the separator; names we make use "/".
// On disk a name is UTF-8 bytes; bytes that are not valid UTF-8 map to U+DC00 + byte and back,
// so every name a folder walk lists can be opened again.
#pragma once

#include "platform/strings.h"

namespace textcore {

constexpr char16_t PathDelim = u'/';

bool IsPathDelimiter(char16_t c);

// The extension with its dot (".txt"), or empty; a dot in a folder name does not count.
String ExtractFileExt(StringView file_name);
// file_name with its extension replaced by extension (which brings its own dot, or is empty).
String ChangeFileExt(StringView file_name, StringView extension);
// The folder part with its trailing separator, or empty.
String ExtractFilePath(StringView file_name);
// The folder part without its trailing separator (the root keeps its one).
String ExtractFileDir(StringView file_name);
String ExtractFileName(StringView file_name);
String IncludeTrailingPathDelimiter(StringView path);
String ExcludeTrailingPathDelimiter(StringView path);

// The absolute form of file_name: relative to the current folder when it is not absolute, "\"
// taken as "/", and ".", ".." and repeated delimiters resolved lexically (no link is followed),
// as the framework's ExpandFileName did. A trailing delimiter is kept.
String ExpandFileName(StringView file_name);

// The bytes that name file_name on disk, and back; the pair round-trips every byte sequence.
std::string FileNameToBytes(StringView file_name);
String BytesToFileName(std::string_view bytes);

} // namespace textcore
