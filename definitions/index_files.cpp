// Deleting and backing up the files of an index; see index_files.h.
#include "definitions/index_files.h"

#include "core/logging_utilities.h"
#include "files/folder_tests.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/format.h"

namespace textcore {

void TryToDeleteIndexFiles(const String &FileName) {
  for (StringView ext : index_file_extensions) {
    const String name = ChangeFileExt(FileName, ext);
    if (!DriveAndFileExist(name))
      continue;
    if (keeping_log)
      AddToLogFile(Format(u"Trying to delete %s", name), true);
    DeleteFile(name);
  }
}

void TryToBackupIndexFiles(const String &FileName) {
  if (keeping_log)
    AddToLogFile(Format(u"Trying to backup index files for %s", FileName), true);
  for (StringView ext : index_file_extensions) {
    const String name = ChangeFileExt(FileName, ext);
    if (!DriveAndFileExist(name))
      continue;
    const String backup = name + u"_bak";
    if (keeping_log)
      AddToLogFile(Format(u"Trying to copy %s to %s", name, backup), true);
    CopyFileKeepingTime(name, backup, false);
  }
}

} // namespace textcore
