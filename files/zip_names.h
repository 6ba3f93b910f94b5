// Names of zip archives, and of the members inside them. A member is addressed as the archive's
// path, a delimiter and the member's stored path ("/texts/set.zip/a/b.txt"); either "/" or "\"
// may follow the archive's name, and ".zip" is recognised in any case.
//
// Where a folder is itself named "x.zip", a name may hold ".zip" and a delimiter more than once:
// the archive is the first such prefix that is an existing regular file, so a file inside a
// folder "x.zip" is no member.
#pragma once

#include "platform/strings.h"

namespace textcore {

// Ext, lower-cased, is ".zip".
bool IsZipExtension(StringView Ext);
// The extension of Name, lower-cased, is ".zip".
bool IsAZipFile(StringView Name);
// No file Name exists, and a prefix of it ending in ".zip" and followed by a delimiter is an
// existing regular file.
bool IsWithinAZipFile(const String &Name);
// The archive's part of a member's name, up to and including its ".zip"; "" when Name names
// no member of an existing archive.
String ZipFileFullFileName(const String &Name);
// The member's stored path: what follows the archive's part and its delimiter; "" likewise.
String ZipFileWantedFileNameWithin(const String &Name);

} // namespace textcore
