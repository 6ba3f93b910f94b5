// Tests of folders and files: existence, emptiness, writability, use by another process, size
// and the read-only attribute. Paths may use "/" or "\".
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// A folder (after following links) exists.
bool DriveAndFolderExist(const String &path);
// A regular file exists: a folder, a FIFO or a device is none, so no reader waits on it.
bool DriveAndFileExist(const String &path);
// No entry of the folder has a name that does not begin with "."; true also when the folder
// cannot be read.
bool FolderIsEmpty(const String &folder);
// Removes the folder when it exists and is empty, with the result of the removal; true without
// doing anything otherwise.
bool RemovedEmptyFolder(const String &folder);
// Whether a new file can be made in the folder: one of a fresh name is made and removed at once,
// so no file that was there is ever touched.
bool IsDirectoryWriteable(const String &folder);
// Another holder keeps the file locked: it cannot be opened for reading and writing with an
// exclusive lock. False when the file does not exist. Only the suite's own processes take such
// locks on Linux; a program that takes none is not seen.
bool FileInUse(const String &file);
// -1 when the file does not exist; otherwise its size (0 for a folder).
int64_t FileSize(const String &file);
// The entry exists and is read-only (its owner may not write it); the folder form asks a folder.
bool ReadOnlyFileW(const String &path);
bool ReadOnlyFolderW(const String &path);
// Whether the folder parts of two file names are one folder: the same folder on disk when both
// exist, else the same absolute names (exactly: names on Linux keep their case). False when
// either name is empty.
bool FolderProposedIsOriginalFolder(const String &a, const String &b);

} // namespace textcore
