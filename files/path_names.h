// Names and paths: cleaning a name a user typed into a file name, counting and cutting at path
// delimiters, the part of a path below a base folder, the filter of a file-dialog caption, a name
// quoted as a command-line parameter, and the long form of a path.
//
// Every function here takes "/" and "\" alike as path delimiters, so stored Windows names work
// too; a Linux name that holds a "\" is therefore split there.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The name after the last delimiter or drive colon, keeping each character from U+0020 on that
// is none of \ / : | < > ^ + = ? [ ] " *.
String CleanedUpFilename(StringView file_name);
// The text with every "." removed, the folder part's included.
String RemoveDotsFromFilename(StringView text);
int32_t PathDelimiterCount(StringView text);
// The text before the x-th delimiter; empty when there are fewer.
String NameUpToXPathDelimiters(StringView text, int32_t x);
// The folder of file_name below base_folder, with its trailing delimiter ("sub/" for the file
// /base/sub/x.txt and the base /base); "" for a file that is not inside the base folder, and for
// one directly in it.
String NewSubFolderFrom(StringView file_name, StringView base_folder);
// The filter of a caption: the text between "(" and the first ")" after it, else the whole text,
// trimmed; "*.*" when that is empty. "Text files (*.txt)" gives "*.txt".
String FileFilterWithinFilterText(StringView caption);
// The text in double quotes when it names an existing file, else unchanged.
String FormattedFNAsParameter(StringView text);
// The absolute path with each component as stored on disk. Linux keeps no short names, so the
// components are the ones given.
String GetLongPathNameW(StringView path);

} // namespace textcore
