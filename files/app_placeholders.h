// Placeholders for the running program's folder and drive inside stored file names, so that a
// suite's settings survive when it is run from another folder or disk.
//
// The program's folder is the folder of the running program, with its trailing "/"; its drive is
// the mount point of the volume that holds it ("" for "/", so that the placeholder then stands
// for the root). Names are compared exactly: Linux names keep their case. The placeholders
// themselves are recognised case-sensitively.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

namespace textcore {

inline constexpr StringView user_dir_const = u"$userdir";
inline constexpr StringView user_drive_const = u"$user_drive";
// "The same file", for the tool programs; nothing here reads it.
inline constexpr StringView same_file_const = u"$SAME_FILE";

// The name with user_dir_const and the one delimiter after it replaced by folder (which gets a
// trailing delimiter); whatever stood before the placeholder is dropped. Unchanged without one.
String ConvertedFilenameFromUserDirFName(const String &folder, const String &name);
// To the placeholder (to_placeholder true): a name inside folder (which ends with a delimiter)
// becomes user_dir_const followed by the rest of the name from folder's final delimiter on;
// folder itself and other names are unchanged. The other way: ConvertedFilenameFromUserDirFName.
String ConvertedUserFolderInFilename(const String &folder, const String &name, bool to_placeholder);
// The same with the program's folder.
String ConvertedAppFolderInFilename(const String &name, bool to_placeholder);
// To the placeholder: an absolute name on the program's volume gets user_drive_const in place of
// that volume's mount point. The other way: a name beginning with user_drive_const gets the
// program's drive back. Any other name is unchanged.
String ConvertedFilenameIfUserDrive(const String &name, bool to_placeholder);
// ConvertedAppFolderInFilename on every line; a line is written back only when it changed.
void CheckUserDirConstFolder(TStringList &list, bool to_placeholder);

// The program's drive as the placeholders use it: the mount point of its volume, "" for "/".
String ProgramDrive();

} // namespace textcore
