// Folder walks and whole-file reads for the qmark commands.
#include "tools/qmark/input_files.h"

#include "platform/dir_search.h"
#include "platform/file_names.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qmark {
namespace {

std::string JoinPath(const std::string &folder, const std::string &name) {
  return folder.ends_with('/') ? folder + name : folder + '/' + name;
}

using FileId = std::pair<dev_t, ino_t>;
using FolderId = FileId;

// A file found, and what it is on disk, so that a file named twice is searched once.
struct FoundFile {
  std::string path;
  FileId id;
};

// Hidden files and folders (a name that begins with ".") are passed over, as the suite's folder
// walks pass them over.
void WalkFolder(const std::string &folder, std::vector<FolderId> &on_the_way,
                const textcore::TWideMasks &masks, const ProblemReport &report,
                std::vector<FoundFile> &files) {
  int error = 0;
  const std::vector<textcore::TDirEntry> entries = textcore::ListDirectory(
      textcore::BytesToFileName(folder), u"*", textcore::faDirectory, error);
  if (error != 0) {
    report(folder, std::strerror(error));
    return;
  }
  for (const textcore::TDirEntry &entry : entries) {
    const std::string path = JoinPath(folder, textcore::FileNameToBytes(entry.Name));
    const FileId id{static_cast<dev_t>(entry.Device), static_cast<ino_t>(entry.Inode)};
    if (entry.Attr & textcore::faDirectory) {
      if (std::find(on_the_way.begin(), on_the_way.end(), id) != on_the_way.end())
        continue;
      on_the_way.push_back(id);
      WalkFolder(path, on_the_way, masks, report, files);
      on_the_way.pop_back();
    } else if (entry.Regular && textcore::WhereInAMask(entry.Name, masks) >= 0) {
      files.push_back({path, id});
    }
  }
}

} // namespace

std::vector<std::string> ListInputFiles(const std::vector<std::string> &paths,
                                        const textcore::TWideMasks &masks,
                                        const ProblemReport &report) {
  std::vector<FoundFile> found;
  for (const std::string &path : paths) {
    struct stat status {};
    if (path == kStandardInput) {
      // No file has this id: inode numbers start at 1.
      found.push_back({path, {0, 0}});
    } else if (stat(path.c_str(), &status) != 0) {
      report(path, std::strerror(errno));
    } else if (S_ISDIR(status.st_mode)) {
      std::vector<FolderId> on_the_way{{status.st_dev, status.st_ino}};
      WalkFolder(path, on_the_way, masks, report, found);
    } else {
      found.push_back({path, {status.st_dev, status.st_ino}});
    }
  }
  std::sort(found.begin(), found.end(),
            [](const FoundFile &a, const FoundFile &b) { return a.path < b.path; });
  std::vector<FileId> seen;
  std::vector<std::string> files;
  for (const FoundFile &file : found)
    if (std::find(seen.begin(), seen.end(), file.id) == seen.end()) {
      seen.push_back(file.id);
      files.push_back(file.path);
    }
  return files;
}

namespace {

// Standard input, read to its end, at most kMaxFileBytes.
bool ReadStandardInput(std::string &bytes, std::string &reason) {
  char block[1 << 16];
  while (true) {
    const ssize_t got = read(STDIN_FILENO, block, sizeof block);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0) {
      reason = std::strerror(errno);
      return false;
    }
    if (got == 0)
      return true;
    if (static_cast<int64_t>(bytes.size()) + got > kMaxFileBytes) {
      reason = "too large (more than 1 GiB)";
      return false;
    }
    bytes.append(block, static_cast<size_t>(got));
  }
}

} // namespace

bool ReadFileBytes(const std::string &path, std::string &bytes, std::string &reason) {
  bytes.clear();
  if (path == kStandardInput)
    return ReadStandardInput(bytes, reason);
  // O_NONBLOCK: a FIFO opens without waiting for a writer and is then refused; regular files
  // ignore the flag.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat status {};
  bool ok = fstat(fd, &status) == 0;
  if (!ok)
    reason = std::strerror(errno);
  else if (!S_ISREG(status.st_mode))
    reason = S_ISDIR(status.st_mode) ? "it is a folder" : "not a regular file";
  else if (status.st_size > kMaxFileBytes)
    reason = "too large (more than 1 GiB)";
  ok = ok && reason.empty();
  if (ok) {
    bytes.resize(static_cast<size_t>(status.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
      if (got < 0 && errno == EINTR)
        continue;
      if (got <= 0) {
        ok = got == 0;
        if (!ok)
          reason = std::strerror(errno);
        break;
      }
      done += static_cast<size_t>(got);
    }
    bytes.resize(done);
  }
  close(fd);
  return ok;
}

} // namespace qmark
