// The $userdir and $user_drive placeholders.
#include "files/app_placeholders.h"

#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/volumes.h"

namespace textcore {

namespace {

// The volume's mount point as a drive: "" for "/", so that drive + "/rest" is the path.
String DriveOf(StringView path) {
  const std::optional<TVolume> volume = VolumeOfPath(path);
  if (!volume || volume->mount_point == u"/")
    return String();
  return volume->mount_point;
}

} // namespace

String ConvertedFilenameFromUserDirFName(const String &folder, const String &name) {
  const size_t at = name.find(user_dir_const);
  if (at == String::npos)
    return name;
  String rest = name.substr(at + user_dir_const.size());
  if (!rest.empty() && IsPathDelimiter(rest[0]))
    rest.erase(0, 1);
  // A stored Windows name keeps its "\" between the folders below the program's.
  for (char16_t &c : rest)
    if (c == u'\\')
      c = u'/';
  return IncludeTrailingPathDelimiter(folder) + rest;
}

String ConvertedUserFolderInFilename(const String &folder, const String &name,
                                     bool to_placeholder) {
  if (!to_placeholder)
    return ConvertedFilenameFromUserDirFName(folder, name);
  if (folder.empty() || name == folder || !name.starts_with(folder))
    return name;
  // From the folder's final delimiter on.
  return String(user_dir_const) + name.substr(folder.size() - 1);
}

String ConvertedAppFolderInFilename(const String &name, bool to_placeholder) {
  return ConvertedUserFolderInFilename(ProgramFolder(), name, to_placeholder);
}

String ProgramDrive() { return DriveOf(ProgramFolder()); }

String ConvertedFilenameIfUserDrive(const String &name, bool to_placeholder) {
  if (!to_placeholder) {
    if (!name.starts_with(user_drive_const))
      return name;
    return ProgramDrive() + name.substr(user_drive_const.size());
  }
  if (name.empty() || name[0] != u'/')
    return name; // no drive: a relative name, or a placeholder already
  const String drive = ProgramDrive();
  if (DriveOf(name) != drive || !name.starts_with(drive))
    return name;
  return String(user_drive_const) + name.substr(drive.size());
}

void CheckUserDirConstFolder(TStringList &list, bool to_placeholder) {
  for (int32_t i = 0; i < list.Count(); ++i) {
    const String converted = ConvertedAppFolderInFilename(list.Strings(i), to_placeholder);
    if (converted != list.Strings(i))
      list.Put(i, converted);
  }
}

} // namespace textcore
