// Folder and file tests on the platform's file layer.
#include "files/folder_tests.h"

#include "platform/dir_search.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace textcore {

bool DriveAndFolderExist(const String &path) { return DirectoryExists(path); }

bool DriveAndFileExist(const String &path) { return FileExists(path); }

bool FolderIsEmpty(const String &folder) {
  int error = 0;
  for (const TDirEntry &entry : ListDirectory(folder, u"*", faAnyFile, error))
    if (entry.Name[0] != u'.')
      return false;
  return true;
}

bool RemovedEmptyFolder(const String &folder) {
  if (!DriveAndFolderExist(folder) || !FolderIsEmpty(folder))
    return true;
  return RemoveDir(folder);
}

bool IsDirectoryWriteable(const String &folder) {
  String probe;
  if (!CreateUniqueFile(folder, u"chk.", probe))
    return false;
  DeleteFile(probe);
  return true;
}

bool FileInUse(const String &file) {
  if (!DriveAndFileExist(file))
    return false;
  const std::string bytes = FileNameToBytes(file);
  const int fd = open(bytes.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0)
    return true;
  const bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0;
  close(fd);
  return locked;
}

int64_t FileSize(const String &file) {
  TDirEntry entry;
  return EntryOfPath(file, entry) ? entry.Size : -1;
}

bool ReadOnlyFileW(const String &path) {
  const int32_t attr = FileGetAttr(path);
  return attr >= 0 && (attr & faReadOnly) != 0;
}

bool ReadOnlyFolderW(const String &path) {
  const int32_t attr = FileGetAttr(path);
  return attr >= 0 && (attr & faReadOnly) != 0 && (attr & faDirectory) != 0;
}

bool FolderProposedIsOriginalFolder(const String &a, const String &b) {
  if (a.empty() || b.empty())
    return false;
  const String folder_a = ExtractFileDir(ExpandFileName(a));
  const String folder_b = ExtractFileDir(ExpandFileName(b));
  if (DirectoryExists(folder_a) && DirectoryExists(folder_b))
    return SameFile(folder_a, folder_b);
  return folder_a == folder_b;
}

} // namespace textcore
