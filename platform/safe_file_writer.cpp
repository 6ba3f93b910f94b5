// TSafeFileWriter: a temporary sibling, renamed over the file on commit.
#include "platform/safe_file_writer.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textcore {

namespace {

// 64 bits that no other writer in this folder is likely to pick at the same moment.
uint64_t UniqueBits() {
  static std::atomic<uint64_t> counter{0};
  uint64_t bits = 0;
  if (getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits))
    bits = (static_cast<uint64_t>(getpid()) << 32) ^ static_cast<uint64_t>(time(nullptr));
  return bits ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15u);
}

// A file saved through a symbolic link replaces the file it points at, so the link survives.
std::string ResolveLink(const std::string &target) {
  struct stat st;
  if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
    return target;
  char *resolved = realpath(target.c_str(), nullptr);
  if (resolved == nullptr)
    return target; // a dangling link is replaced itself
  std::string out(resolved);
  free(resolved);
  return out;
}

// Checks what is at target now: 0 with exists false when nothing, 0 with exists true and its
// status when a file we may replace, otherwise the errno value that refuses it. A read-only
// file stays read-only even for root, as the read-only attribute did.
int CheckReplaceable(const std::string &target, bool &exists, struct stat &st) {
  exists = false;
  if (stat(target.c_str(), &st) != 0)
    return errno == ENOENT ? 0 : errno;
  if (!S_ISREG(st.st_mode))
    return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  if ((st.st_mode & S_IWUSR) == 0 || faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
    return EACCES;
  exists = true;
  return 0;
}

// Creates a fresh hidden sibling of target; -1 with errno set when it cannot.
int CreateSibling(const std::string &target, std::string &temp_path) {
  size_t slash = target.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string base = target.substr(folder.size()).substr(0, 100); // keeps the name under NAME_MAX
  for (int attempt = 0; attempt < 64; ++attempt) {
    char suffix[24];
    snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(UniqueBits()));
    temp_path = folder + "." + base + suffix;
    int fd = open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  errno = EEXIST;
  return -1;
}

// The replacement keeps the owner and permissions of the file it replaces.
void CopyOwnerAndMode(int fd, const struct stat &st) {
  struct stat own;
  if (fstat(fd, &own) == 0 && (own.st_uid != st.st_uid || own.st_gid != st.st_gid))
    (void)!fchown(fd, st.st_uid, st.st_gid); // only root may give a file away; others keep theirs
  (void)!fchmod(fd, st.st_mode & 07777);
}

void SyncFolderOf(const std::string &target) {
  size_t slash = target.rfind('/');
  std::string folder = slash == std::string::npos ? "."
                       : slash == 0               ? "/"
                                                  : target.substr(0, slash);
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd); // the rename is durable once the folder is; a failure here loses nothing
    close(fd);
  }
}

[[noreturn]] void RaiseCreateError(const String &file_name, int error_code) {
  throw EFCreateError(u"Cannot create file \"" + file_name + u"\". " + SysErrorMessage(error_code));
}

} // namespace

// Opens the sibling that will replace file_name, after checking that it may be replaced.
TSafeFileWriter::Replacement TSafeFileWriter::OpenReplacement(const String &file_name) {
  Replacement r{-1, {}, {}};
  std::string bytes = FileNameToBytes(file_name);
  if (bytes.find('\0') != std::string::npos)
    RaiseCreateError(file_name, EINVAL);
  if (bytes.empty() || bytes.back() == '/')
    RaiseCreateError(file_name, bytes.empty() ? ENOENT : EISDIR);
  r.target = ResolveLink(bytes);
  bool exists;
  struct stat st;
  if (int refused = CheckReplaceable(r.target, exists, st))
    RaiseCreateError(file_name, refused);
  r.handle = CreateSibling(r.target, r.temp_path);
  if (r.handle < 0)
    RaiseCreateError(file_name, errno);
  if (exists)
    CopyOwnerAndMode(r.handle, st);
  return r;
}

TSafeFileWriter::TSafeFileWriter(const String &file_name)
    : TSafeFileWriter(file_name, OpenReplacement(file_name)) {}

TSafeFileWriter::TSafeFileWriter(const String &file_name, Replacement replacement)
    : TFileStream(file_name, TOpenHandle{replacement.handle}),
      fTarget(std::move(replacement.target)), fTempPath(std::move(replacement.temp_path)) {}

TSafeFileWriter::~TSafeFileWriter() {
  if (!fCommitted)
    unlink(fTempPath.c_str());
}

int64_t TSafeFileWriter::Write(const void *buffer, int64_t count) {
  if (fCommitted)
    throw EWriteError(u"Cannot write to \"" + FileName() + u"\" after it was saved");
  return TFileStream::Write(buffer, count);
}

void TSafeFileWriter::Commit() {
  if (fCommitted)
    return;
  if (fsync(Handle()) != 0 || rename(fTempPath.c_str(), fTarget.c_str()) != 0)
    RaiseCreateError(FileName(), errno);
  fCommitted = true;
  SyncFolderOf(fTarget);
}

void SaveBytesToFile(const String &file_name, const void *bytes, size_t count) {
  TSafeFileWriter writer(file_name);
  errno = 0;
  try {
    writer.WriteBuffer(bytes, static_cast<int64_t>(count));
  } catch (const EWriteError &) {
    RaiseCreateError(file_name, errno != 0 ? errno : ENOSPC); // a write of nothing: a full disk
  }
  writer.Commit();
}

} // namespace textcore
