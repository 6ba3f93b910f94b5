// File and folder operations of the framework over POSIX, with the Windows promises kept: a
// rename never replaces a file, a copy never truncates the file it reads, a copy keeps the last-
// write time, and a file named by a user is a regular file. Names are UTF-16 (see file_names.h);
// functions taking text a user typed or a stored name accept "\" as a delimiter too.
#pragma once

#include "platform/date_time.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Whether path is a regular file (after following links): a FIFO, a device or a folder is not.
bool FileExists(const String &path);
bool DirectoryExists(const String &path);
// Whether two names are one file on disk (the same device and inode); false when either is
// missing.
bool SameFile(const String &a, const String &b);

// The canonical name of an existing path: absolute, every link resolved, no "." or "..", no
// trailing delimiter (but "/" itself); "" when the path cannot be resolved.
String CanonicalFileName(StringView path);

// Removes a file (never a folder); false with errno set when it cannot.
bool DeleteFile(const String &path);
// Removes an empty folder.
bool RemoveDir(const String &path);
bool CreateDir(const String &path);
// Creates the folder and every missing folder above it.
bool ForceDirectories(const String &path);

// Renames without replacing: false (errno EEXIST) when new_name exists, as on Windows.
bool RenameFile(const String &old_name, const String &new_name);

// Copies source to destination, which is written beside and renamed over (never left half
// written), with source's permissions and last-write time. Refused (false, errno EINVAL) when
// both name one file, which a copy would truncate; with fail_if_exists, false (EEXIST) when
// destination exists.
bool CopyFileKeepingTime(const String &source, const String &destination, bool fail_if_exists);

// Creates a new, empty file of a fresh name in folder, "stem" followed by six characters,
// readable and writable by the user only, and gives its full name. False with errno set when
// the folder takes no new file.
bool CreateUniqueFile(const String &folder, StringView stem, String &created);

// Last-write and last-access times in local time; false when the file cannot be read.
bool FileLastWriteTime(const String &path, TDateTime &time);
bool FileLastAccessTime(const String &path, TDateTime &time);
// Sets the last-write time (local time), leaving the last-access time as it is.
bool SetFileLastWriteTime(const String &path, TDateTime time);

// The two-second date and time of DOS (the date in the high 16 bits, the time in the low),
// local time. Dates before 1980 or after 2107 cannot be held: 0. Odd seconds become the even
// second below.
int32_t DateTimeToFileDate(TDateTime time);
// False for fields that name no date or time (month 13, hour 25 and the like).
bool TryFileDateToDateTime(int32_t file_date, TDateTime &time);
// Raises EConvertError where the Try form fails.
TDateTime FileDateToDateTime(int32_t file_date);

// The running program: its full path, its folder (with a trailing "/") and its last-write time.
String ProgramFileName();
String ProgramFolder();
TDateTime ProgramFileTime();

// The suite's private temporary folder: $TMPDIR (or /tmp) + "/quillmark-<uid>", made with mode
// 0700 when missing, with a trailing "/". Refused, so that nobody else can plant a file or a
// link in it, when it is a symbolic link, not a folder, not the user's own or open to others:
// the Try form then gives false and the reason; the other raises EFCreateError.
bool TrySuiteTempFolder(String &folder, String &reason);
String SuiteTempFolder();

} // namespace textcore
