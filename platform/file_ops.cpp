// File and folder operations over POSIX.
#include "platform/file_ops.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/safe_file_writer.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textcore {

namespace {

// The bytes of a name for a system call; false (errno EINVAL) for a name holding a NUL, which
// would name another file.
bool Bytes(const String &path, std::string &bytes) {
  bytes = FileNameToBytes(path);
  if (bytes.find('\0') == std::string::npos && !bytes.empty())
    return true;
  errno = bytes.empty() ? ENOENT : EINVAL;
  return false;
}

bool Status(const String &path, struct stat &st) {
  std::string bytes;
  return Bytes(path, bytes) && stat(bytes.c_str(), &st) == 0;
}

String WithSlashes(StringView text) {
  String out(text);
  for (char16_t &c : out)
    if (c == u'\\')
      c = u'/';
  return out;
}

// Copies the bytes of an open source into the writer, in blocks.
bool CopyBytes(int from, TSafeFileWriter &to) {
  char block[1 << 16];
  while (true) {
    const ssize_t got = read(from, block, sizeof block);
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      return got == 0;
    to.WriteBuffer(block, got);
  }
}

} // namespace

bool FileExists(const String &path) {
  struct stat st {};
  return Status(path, st) && S_ISREG(st.st_mode);
}

bool DirectoryExists(const String &path) {
  struct stat st {};
  return Status(path, st) && S_ISDIR(st.st_mode);
}

bool SameFile(const String &a, const String &b) {
  struct stat x {
  }, y{};
  return Status(a, x) && Status(b, y) && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

String CanonicalFileName(StringView path) {
  std::string bytes;
  if (!Bytes(WithSlashes(path), bytes))
    return String();
  char *resolved = realpath(bytes.c_str(), nullptr);
  if (resolved == nullptr)
    return String();
  const String name = BytesToFileName(resolved);
  free(resolved);
  return name;
}

bool DeleteFile(const String &path) {
  std::string bytes;
  struct stat st {};
  if (!Bytes(path, bytes) || lstat(bytes.c_str(), &st) != 0)
    return false;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return false;
  }
  return unlink(bytes.c_str()) == 0;
}

bool RemoveDir(const String &path) {
  std::string bytes;
  return Bytes(path, bytes) && rmdir(bytes.c_str()) == 0;
}

bool CreateDir(const String &path) {
  std::string bytes;
  return Bytes(path, bytes) && mkdir(bytes.c_str(), 0777) == 0;
}

bool ForceDirectories(const String &path) {
  const String folder = ExcludeTrailingPathDelimiter(WithSlashes(path));
  if (folder.empty() || DirectoryExists(folder))
    return !folder.empty();
  const size_t slash = folder.rfind(u'/');
  if (slash != String::npos && slash > 0 && !ForceDirectories(folder.substr(0, slash)))
    return false;
  return CreateDir(folder) || (errno == EEXIST && DirectoryExists(folder));
}

bool RenameFile(const String &old_name, const String &new_name) {
  std::string from, to;
  if (!Bytes(old_name, from) || !Bytes(new_name, to))
    return false;
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  if (errno != EINVAL && errno != ENOSYS)
    return false;
  // A file system without the flag: a hard link fails on an existing name, as the rename should.
  struct stat st {};
  if (lstat(from.c_str(), &st) != 0)
    return false;
  if (S_ISDIR(st.st_mode)) {
    errno = EINVAL; // a folder has no link to make; refuse rather than risk replacing
    return false;
  }
  return link(from.c_str(), to.c_str()) == 0 && unlink(from.c_str()) == 0;
}

bool CopyFileKeepingTime(const String &source, const String &destination, bool fail_if_exists) {
  std::string from;
  if (!Bytes(source, from))
    return false;
  if (SameFile(source, destination)) {
    errno = EINVAL;
    return false;
  }
  struct stat dest {};
  if (fail_if_exists && Status(destination, dest)) {
    errno = EEXIST;
    return false;
  }
  const int fd = open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0)
    return false;
  struct stat st {};
  bool ok = fstat(fd, &st) == 0;
  if (ok && !S_ISREG(st.st_mode)) {
    ok = false;
    errno = EINVAL; // a FIFO or a device would be read forever
  }
  try {
    if (ok) {
      TSafeFileWriter writer(destination);
      ok = CopyBytes(fd, writer);
      if (ok) {
        (void)!fchmod(writer.Handle(), st.st_mode & 07777);
        const timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
        ok = futimens(writer.Handle(), times) == 0;
      }
      if (ok)
        writer.Commit();
    }
  } catch (const Exception &) {
    ok = false;
    if (errno == 0)
      errno = EIO;
  }
  const int saved = errno;
  close(fd);
  errno = saved;
  return ok;
}

bool CreateUniqueFile(const String &folder, StringView stem, String &created) {
  std::string pattern =
      FileNameToBytes(IncludeTrailingPathDelimiter(WithSlashes(folder)) + String(stem)) + "XXXXXX";
  if (pattern.find('\0') != std::string::npos) {
    errno = EINVAL;
    return false;
  }
  const int fd = mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0)
    return false;
  close(fd);
  created = BytesToFileName(pattern);
  return true;
}

bool FileLastWriteTime(const String &path, TDateTime &time) {
  struct stat st {};
  return Status(path, st) && TryTimespecToDateTime(st.st_mtim, time);
}

bool FileLastAccessTime(const String &path, TDateTime &time) {
  struct stat st {};
  return Status(path, st) && TryTimespecToDateTime(st.st_atim, time);
}

bool SetFileLastWriteTime(const String &path, TDateTime time) {
  std::string bytes;
  if (!Bytes(path, bytes))
    return false;
  try {
    const timespec times[2] = {{0, UTIME_OMIT}, DateTimeToTimespec(time)};
    return utimensat(AT_FDCWD, bytes.c_str(), times, 0) == 0;
  } catch (const EConvertError &) {
    errno = EINVAL;
    return false;
  }
}

// DOS dates -------------------------------------------------------------------------------------

int32_t DateTimeToFileDate(TDateTime time) {
  uint16_t year, month, day, hour, minute, second, msec;
  DecodeDateTime(time, year, month, day, hour, minute, second, msec);
  if (year < 1980 || year > 2107)
    return 0;
  const uint32_t date = (static_cast<uint32_t>(year - 1980) << 9) | (month << 5) | day;
  const uint32_t clock = (static_cast<uint32_t>(hour) << 11) | (minute << 5) | (second / 2);
  return static_cast<int32_t>((date << 16) | clock);
}

bool TryFileDateToDateTime(int32_t file_date, TDateTime &time) {
  const auto bits = static_cast<uint32_t>(file_date);
  const uint16_t date = static_cast<uint16_t>(bits >> 16), clock = static_cast<uint16_t>(bits);
  TDateTime day = 0, at = 0;
  if (!TryEncodeDate(static_cast<uint16_t>((date >> 9) + 1980), (date >> 5) & 0x0F, date & 0x1F,
                     day) ||
      !TryEncodeTime(clock >> 11, (clock >> 5) & 0x3F, (clock & 0x1F) * 2, 0, at))
    return false;
  time = day + at;
  return true;
}

TDateTime FileDateToDateTime(int32_t file_date) {
  TDateTime time = 0;
  if (!TryFileDateToDateTime(file_date, time))
    throw EConvertError(u"Invalid DOS date and time: $" +
                        IntToHex(static_cast<uint32_t>(file_date), 8));
  return time;
}

// The program and the temporary folder ------------------------------------------------------

String ProgramFileName() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? BytesToFileName(std::string_view(path, static_cast<size_t>(n))) : String();
}

String ProgramFolder() { return ExtractFilePath(ProgramFileName()); }

TDateTime ProgramFileTime() {
  TDateTime time = 0;
  return FileLastWriteTime(ProgramFileName(), time) ? time : 0;
}

bool TrySuiteTempFolder(String &folder, String &reason) {
  const char *base = std::getenv("TMPDIR");
  std::string path = base != nullptr && base[0] == '/' ? base : "/tmp";
  while (path.size() > 1 && path.back() == '/')
    path.pop_back();
  path += (path == "/" ? "" : "/") + std::string("quillmark-") + std::to_string(geteuid());
  folder = BytesToFileName(path) + u"/";
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    reason = SysErrorMessage(errno);
    return false;
  }
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0)
    reason = SysErrorMessage(errno);
  else if (S_ISLNK(st.st_mode) || !S_ISDIR(st.st_mode))
    reason = u"it is not a folder of its own (a link or a file stands there)";
  else if (st.st_uid != geteuid())
    reason = u"it belongs to another user";
  else if ((st.st_mode & 077) != 0)
    reason = u"others may read or write in it";
  return reason.empty();
}

String SuiteTempFolder() {
  String folder, reason;
  if (!TrySuiteTempFolder(folder, reason))
    throw EFCreateError(u"Cannot use the temporary folder \"" + folder + u"\". " + reason);
  return folder;
}

} // namespace textcore
