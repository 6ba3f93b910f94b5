// Directory search over opendir, readdir and fstatat.
#include "platform/dir_search.h"

#include "platform/file_names.h"
#include "platform/wildcards.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textcore {

namespace {

char16_t FoldAToZ(char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; }

bool NameBefore(const TDirEntry &a, const TDirEntry &b) {
  const String &x = a.Name, &y = b.Name;
  const size_t n = std::min(x.size(), y.size());
  for (size_t i = 0; i < n; ++i)
    if (FoldAToZ(x[i]) != FoldAToZ(y[i]))
      return FoldAToZ(x[i]) < FoldAToZ(y[i]);
  return x.size() != y.size() ? x.size() < y.size() : x < y;
}

TDateTime LocalTime(const timespec &time) {
  TDateTime value = 0;
  return TryTimespecToDateTime(time, value) ? value : 0;
}

// The entry of name in the open folder: the link's target when it has one, the link itself when
// it dangles.
bool Described(int folder, const std::string &name, TDirEntry &entry) {
  struct stat st {};
  if (fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
    return false;
  entry.Link = S_ISLNK(st.st_mode);
  if (entry.Link)
    fstatat(folder, name.c_str(), &st, 0); // a dangling link keeps its own status
  entry.Attr = AttributesOf(st.st_mode, entry.Name);
  entry.Size = S_ISDIR(st.st_mode) || S_ISLNK(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size);
  entry.TimeStamp = LocalTime(st.st_mtim);
  entry.LastAccess = LocalTime(st.st_atim);
  entry.Device = static_cast<uint64_t>(st.st_dev);
  entry.Inode = static_cast<uint64_t>(st.st_ino);
  entry.Regular = S_ISREG(st.st_mode);
  return true;
}

bool Wanted(int32_t entry_attr, int32_t attr) {
  const int32_t special = entry_attr & (faHidden | faSysFile | faDirectory);
  return (special & ~attr) == 0;
}

String WithSlashes(StringView text) {
  String out(text);
  std::replace(out.begin(), out.end(), u'\\', u'/');
  return out;
}

} // namespace

int32_t AttributesOf(uint32_t st_mode, StringView name) {
  int32_t attr = 0;
  if ((st_mode & S_IWUSR) == 0)
    attr |= faReadOnly;
  if (!name.empty() && name[0] == u'.')
    attr |= faHidden;
  if (S_ISDIR(st_mode))
    attr |= faDirectory;
  return attr;
}

bool EntryOfPath(const String &path, TDirEntry &entry) {
  const std::string bytes = FileNameToBytes(ExcludeTrailingPathDelimiter(path));
  if (bytes.empty() || bytes.find('\0') != std::string::npos)
    return false;
  entry = TDirEntry{};
  entry.Name = ExtractFileName(ExcludeTrailingPathDelimiter(path));
  return Described(AT_FDCWD, bytes, entry);
}

int32_t FileGetAttr(const String &path) {
  TDirEntry entry;
  return EntryOfPath(path, entry) ? entry.Attr : -1;
}

int32_t FileSetAttr(const String &path, int32_t attr) {
  const std::string bytes = FileNameToBytes(path);
  struct stat st {};
  if (bytes.empty() || bytes.find('\0') != std::string::npos)
    return EINVAL;
  if (stat(bytes.c_str(), &st) != 0)
    return errno;
  const mode_t mode =
      (attr & faReadOnly) != 0 ? st.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH) : st.st_mode | S_IWUSR;
  if ((mode & 07777) != (st.st_mode & 07777) && chmod(bytes.c_str(), mode & 07777) != 0)
    return errno;
  return 0;
}

std::vector<TDirEntry> ListDirectory(const String &folder, StringView pattern, int32_t attr,
                                     int &error) {
  std::vector<TDirEntry> entries;
  error = 0;
  std::string bytes = FileNameToBytes(folder.empty() ? String(u".") : folder);
  if (bytes.find('\0') != std::string::npos) {
    error = EINVAL;
    return entries;
  }
  const int fd = open(bytes.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR *dir = fd < 0 ? nullptr : fdopendir(fd);
  if (dir == nullptr) {
    error = errno;
    if (fd >= 0)
      close(fd);
    return entries;
  }
  while (const dirent *d = readdir(dir)) {
    const std::string name = d->d_name;
    if (name == "." || name == "..")
      continue;
    TDirEntry entry;
    entry.Name = BytesToFileName(name);
    if (!MatchesWildcard(entry.Name, pattern))
      continue;
    // An entry gone since the listing is passed over.
    if (Described(dirfd(dir), name, entry) && Wanted(entry.Attr, attr))
      entries.push_back(std::move(entry));
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(), NameBefore);
  return entries;
}

int32_t FindFirst(const String &path_pattern, int32_t attr, TSearchRec &F) {
  FindClose(F);
  const String path = WithSlashes(path_pattern);
  const size_t slash = path.rfind(u'/');
  const String folder = slash == String::npos ? String(u".")
                        : slash == 0          ? String(u"/")
                                              : path.substr(0, slash);
  const StringView pattern = StringView(path).substr(slash == String::npos ? 0 : slash + 1);
  int error = 0;
  auto entries =
      std::make_shared<std::vector<TDirEntry>>(ListDirectory(folder, pattern, attr, error));
  if (error != 0)
    return error;
  F.FindHandle = std::move(entries);
  F.FindNext = 0;
  return FindNext(F);
}

int32_t FindNext(TSearchRec &F) {
  if (!F.FindHandle || F.FindNext >= F.FindHandle->size())
    return ENOENT;
  static_cast<TDirEntry &>(F) = (*F.FindHandle)[F.FindNext++];
  return 0;
}

void FindClose(TSearchRec &F) {
  F.FindHandle.reset();
  F.FindNext = 0;
}

} // namespace textcore
