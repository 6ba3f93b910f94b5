// Folder walks and whole-file reads for the qmark commands.
#include "tools/qmark/input_files.h"

#include "filekit/file_and_dir_iterator.h"

#include "files/folderful.h"
#include "files/peruse_dir.h"
#include "files/zip_members.h"
#include "files/zip_names.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/streams.h"
#include "platform/zip_archive.h"
#include "strings/docx_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qmark {

using textcore::String;

namespace {

using FileId = std::pair<uint64_t, uint64_t>;

// A text found, what it is on disk (a member: its archive's identity), and a key telling it from
// every other.
struct Found {
  InputFile file;
  std::string key;
};

std::string IdKey(uint64_t device, uint64_t inode) {
  return std::to_string(device) + ":" + std::to_string(inode);
}

class Lister {
public:
  Lister(const WalkOptions &options, const ProblemReport &report)
      : fOptions(options), fReport(report),
        fWalker(options.mask, u"*.*", options.mask, options.exclude, String(), true, options.zips,
                options.archives_as_files, false, options.hidden) {
    fWalker.OnZipProblem = [this](textcore::TObject *) {
      fReport(String(), textcore::StringToUTF8(fWalker.LastZipProblem()));
    };
  }

  void Add(const std::string &path);
  std::vector<InputFile> Sorted();

private:
  void AddFolder(const String &folder);
  void AddFile(const String &name, const std::string &path, uint64_t device, uint64_t inode);
  void AddMembers(const String &archive);
  void AddMember(const String &name);

  const WalkOptions &fOptions;
  const ProblemReport &fReport;
  textcore::TPeruseDir fWalker;
  std::vector<Found> fFound;
};

void Lister::AddFile(const String &name, const std::string &path, uint64_t device, uint64_t inode) {
  fFound.push_back({{name, path, false}, IdKey(device, inode)});
}

void Lister::AddMember(const String &name) {
  // The member of one archive, however the archive was named.
  textcore::TDirEntry archive;
  const String zip = textcore::ZipFileFullFileName(name);
  const std::string key =
      textcore::EntryOfPath(zip, archive)
          ? IdKey(archive.Device, archive.Inode) + "/" +
                textcore::StringToUTF8(textcore::ZipFileWantedFileNameWithin(name))
          : textcore::StringToUTF8(name);
  fFound.push_back({{name, std::string(), true}, key});
}

void Lister::AddMembers(const String &archive) {
  textcore::TMySearchRecList list;
  try {
    fWalker.AddAZip(&list, textcore::ExtractFileDir(archive), textcore::ExtractFileName(archive));
  } catch (const std::exception &e) {
    fReport(archive, e.what());
    return;
  }
  for (int32_t i = 0; i < list.Count(); ++i)
    AddMember(textcore::IncludeTrailingPathDelimiter(textcore::ExtractFileDir(archive)) +
              list.GetAMySearchRec(i).ShortName);
}

void Lister::AddFolder(const String &head) {
  std::vector<String> folders{head};
  fWalker.OnFoundDir = [&folders](const String &dir) { folders.push_back(dir); };
  fWalker.ProcessAllSubDirectories(head);
  for (const String &folder : folders) {
    textcore::TFolderful listing(folder);
    listing.FillList(&fWalker);
    for (int32_t i = 0; i < listing.Count(); ++i) {
      const String name = listing.fGetAFullname(i);
      textcore::TDirEntry entry;
      if (listing.fGetIsZipfile(i))
        AddMember(name);
      else if (textcore::EntryOfPath(name, entry))
        AddFile(name, textcore::FileNameToBytes(name), entry.Device, entry.Inode);
    }
  }
}

void Lister::Add(const std::string &path) {
  if (path == kStandardInput) {
    fFound.push_back({{u"(standard input)", std::string(), false}, "-"});
    return;
  }
  const String name = textcore::BytesToFileName(path);
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) {
    const int error = errno;
    if (fOptions.zips && textcore::IsWithinAZipFile(name))
      AddMember(name);
    else
      fReport(name, std::strerror(error));
  } else if (S_ISDIR(status.st_mode)) {
    AddFolder(textcore::ExcludeTrailingPathDelimiter(name));
  } else if (fOptions.zips && S_ISREG(status.st_mode) && textcore::IsAZipFile(name)) {
    AddMembers(name);
  } else {
    AddFile(name, path, status.st_dev, status.st_ino);
  }
}

std::vector<InputFile> Lister::Sorted() {
  std::stable_sort(fFound.begin(), fFound.end(), [](const Found &a, const Found &b) {
    return textcore::FileNameToBytes(a.file.name) < textcore::FileNameToBytes(b.file.name);
  });
  std::vector<std::string> seen;
  std::vector<InputFile> files;
  for (const Found &found : fFound)
    if (std::find(seen.begin(), seen.end(), found.key) == seen.end()) {
      seen.push_back(found.key);
      files.push_back(found.file);
    }
  return files;
}

} // namespace

std::vector<InputFile> ListInputFiles(const std::vector<std::string> &paths,
                                      const WalkOptions &options, const ProblemReport &report) {
  Lister lister(options, report);
  for (const std::string &path : paths)
    lister.Add(path);
  if (!options.favourites.empty()) {
    filekit::TFileAndDirIterator saved(nullptr);
    saved.Favourites = textcore::BytesToFileName(options.favourites);
    try {
      if (!saved.ReadFavourites())
        report(saved.Favourites, "a favourites file of another tool");
    } catch (const std::exception &e) {
      report(saved.Favourites, e.what());
    }
    for (int32_t i = 0; i < saved.DirCount(); ++i)
      if (const textcore::TFolderful *folder = saved.fGetOneFolderful(i))
        for (int32_t f = 0; f < folder->Count(); ++f)
          lister.Add(textcore::FileNameToBytes(folder->fGetAFullname(f)));
  }
  return lister.Sorted();
}

namespace {

// A file descriptor opened for reading if it names a regular file; -1 with the reason otherwise.
int OpenRegularFile(const std::string &path, struct stat &status, std::string &reason) {
  // O_NONBLOCK: a FIFO opens without waiting for a writer and is then refused; regular files
  // ignore the flag.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    reason = std::strerror(errno);
    return -1;
  }
  if (fstat(fd, &status) != 0)
    reason = std::strerror(errno);
  else if (!S_ISREG(status.st_mode))
    reason = S_ISDIR(status.st_mode) ? "it is a folder" : "not a regular file";
  if (reason.empty())
    return fd;
  close(fd);
  return -1;
}

// A file stream over an open descriptor whose reads fail loudly: a text cut short by a read error
// must not pass for the whole text.
class DescriptorStream : public textcore::TFileStream {
public:
  DescriptorStream(const textcore::String &name, int fd) : TFileStream(name, TOpenHandle{fd}) {}

  int64_t Read(void *buffer, int64_t count) override {
    auto *out = static_cast<char *>(buffer);
    int64_t done = 0;
    while (done < count) {
      const ssize_t got = read(Handle(), out + done, static_cast<size_t>(count - done));
      if (got < 0 && errno == EINTR)
        continue;
      if (got < 0)
        throw textcore::EStreamError(textcore::UTF8ToString(std::strerror(errno)));
      if (got == 0)
        break;
      done += got;
    }
    return done;
  }
};

// Bytes held in memory, read as a stream.
class BytesStream : public textcore::TStream {
public:
  explicit BytesStream(std::string bytes) : fBytes(std::move(bytes)) {}

  int64_t Read(void *buffer, int64_t count) override {
    const size_t n = std::min(static_cast<size_t>(std::max<int64_t>(count, 0)),
                              fBytes.size() - std::min(fBytes.size(), fPosition));
    std::memcpy(buffer, fBytes.data() + fPosition, n);
    fPosition += n;
    return static_cast<int64_t>(n);
  }
  int64_t Write(const void *, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, textcore::TSeekOrigin origin) override {
    const int64_t base = origin == textcore::soBeginning ? 0
                         : origin == textcore::soCurrent ? static_cast<int64_t>(fPosition)
                                                         : static_cast<int64_t>(fBytes.size());
    fPosition = static_cast<size_t>(std::max<int64_t>(base + offset, 0));
    return static_cast<int64_t>(fPosition);
  }
  void SetSize(int64_t) override {}

private:
  std::string fBytes;
  size_t fPosition = 0;
};

// Standard input beyond this many bytes goes to a temporary file rather than memory.
constexpr size_t kStandardInputInMemory = size_t{16} << 20;

std::unique_ptr<textcore::TStream> StandardInputStream(std::string &reason) {
  std::string bytes;
  std::string block(size_t{1} << 16, '\0');
  int spool = -1;
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, block.data(), block.size());
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      reason = std::strerror(errno);
    if (got <= 0)
      break;
    bytes.append(block.data(), static_cast<size_t>(got));
    if (bytes.size() < kStandardInputInMemory)
      continue;
    if (spool < 0) {
      std::string name = textcore::StringToUTF8(
                             textcore::IncludeTrailingPathDelimiter(textcore::SuiteTempFolder())) +
                         "qmark-input-XXXXXX";
      spool = mkostemp(name.data(), O_CLOEXEC);
      if (spool < 0) {
        reason = std::string("no temporary file for standard input: ") + std::strerror(errno);
        break;
      }
      unlink(name.c_str()); // gone with the descriptor
    }
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t put = write(spool, bytes.data() + done, bytes.size() - done);
      if (put < 0 && errno == EINTR)
        continue;
      if (put <= 0) {
        reason = std::string("cannot keep standard input: ") + std::strerror(errno);
        break;
      }
      done += static_cast<size_t>(put);
    }
    bytes.clear();
    if (!reason.empty())
      break;
  }
  if (!reason.empty()) {
    if (spool >= 0)
      close(spool);
    return nullptr;
  }
  if (spool < 0)
    return std::make_unique<BytesStream>(std::move(bytes));
  auto stream = std::make_unique<DescriptorStream>(u"(standard input)", spool);
  stream->Seek(0, textcore::soEnd);
  stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return stream;
}

} // namespace

namespace {

// The bytes of the file as they stand on disk or in the archive.
std::unique_ptr<textcore::TStream> OpenRawStream(const InputFile &file, std::string &reason) {
  if (file.member) {
    try {
      return std::make_unique<BytesStream>(textcore::BytesOfFileWithinZipFile(file.name));
    } catch (const std::exception &e) {
      reason = e.what();
      return nullptr;
    }
  }
  if (file.path.empty())
    return StandardInputStream(reason);
  struct stat status {};
  const int fd = OpenRegularFile(file.path, status, reason);
  return fd < 0 ? nullptr : std::make_unique<DescriptorStream>(file.name, fd);
}

// The document text of a .docx (a file or a member) as UTF-16 with its byte-order mark, which
// the text reader takes as it takes any UTF-16 text.
std::unique_ptr<textcore::TStream> OpenDOCXText(const InputFile &file, std::string &reason) {
  textcore::String text, why;
  try {
    textcore::TZipArchive archive;
    if (file.member)
      archive.OpenArchiveFromBytes(textcore::BytesOfFileWithinZipFile(file.name));
    else
      archive.OpenArchive(file.name);
    if (textcore::DOCXArchiveText(archive, text, why)) {
      std::string bytes("\xFF\xFE", 2);
      bytes.append(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(char16_t));
      return std::make_unique<BytesStream>(std::move(bytes));
    }
  } catch (const std::exception &e) {
    why = textcore::UTF8ToString(e.what());
  }
  reason = "not a readable .docx document: " + textcore::StringToUTF8(why);
  return nullptr;
}

} // namespace

bool IsDOCXName(const textcore::String &name) {
  return textcore::SameText(textcore::ExtractFileExt(name), u".docx");
}

std::unique_ptr<textcore::TStream> OpenInputStream(const InputFile &file, std::string &reason) {
  if (!file.path.empty() || file.member)
    if (IsDOCXName(file.name))
      return OpenDOCXText(file, reason);
  return OpenRawStream(file, reason);
}

bool ReadInputBytes(const InputFile &file, std::string &bytes, std::string &reason) {
  bytes.clear();
  const std::unique_ptr<textcore::TStream> stream = OpenRawStream(file, reason);
  if (!stream)
    return false;
  try {
    const int64_t size = stream->Size();
    if (size > kMaxFileBytes) {
      reason = "too large (more than 1 GiB)";
      return false;
    }
    stream->Seek(0, textcore::soBeginning);
    bytes.resize(static_cast<size_t>(size));
    // A file that shrinks while it is read gives what was there.
    bytes.resize(static_cast<size_t>(stream->Read(bytes.data(), size)));
    return true;
  } catch (const std::exception &e) {
    reason = e.what();
    return false;
  }
}

} // namespace qmark
