// TZipArchive over libzip: reading entries and their details, bounded extraction, adding files.
#include "platform/zip_archive.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/format.h"
#include "platform/locale_strings.h"
#include "platform/zip_extract_limit.h"

#include <algorithm>
#include <memory>
#include <vector>
#include <zip.h>

namespace textcore {

namespace {

int64_t extract_limit = kZipExtractLimit;

// 1 January 1970, the date of an entry whose date the DOS form cannot hold.
constexpr TDateTime kNoDate = 25569.0;
constexpr size_t kBlockBytes = 64 * 1024;

String ZipText(const char *utf8) { return utf8 != nullptr ? UTF8ToString(utf8) : String(); }

String ErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  String text = ZipText(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

[[noreturn]] void RaiseOpenError(const String &name, const String &reason) {
  throw EZipError(Format(u"Cannot open archive \"%s\": %s", name, reason));
}

String WithSlashes(StringView name) {
  String out(name);
  std::replace(out.begin(), out.end(), u'\\', u'/');
  return out;
}

// The DOS date and time that libzip decoded into a local time_t, packed again: the time_t came
// from the DOS fields through mktime, so the local time of it gives those fields back.
void SetDate(time_t mtime, TZipEntry &entry) {
  TDateTime local = 0;
  entry.FileDate = TryTimespecToDateTime(timespec{mtime, 0}, local) ? DateTimeToFileDate(local) : 0;
  if (entry.FileDate == 0 || !TryFileDateToDateTime(entry.FileDate, entry.DateTime)) {
    entry.FileDate = 0;
    entry.DateTime = kNoDate;
  }
}

struct FileCloser {
  void operator()(zip_file_t *file) const { zip_fclose(file); }
};

} // namespace

int64_t ZipExtractLimit() { return extract_limit; }

void SetZipExtractLimitForTests(int64_t limit) {
  extract_limit = limit < 0 ? kZipExtractLimit : std::min(limit, kZipExtractLimit);
}

bool TZipEntry::IsDirectory() const { return !Name.empty() && IsPathDelimiter(Name.back()); }

TZipArchive::~TZipArchive() {
  if (fZip != nullptr)
    zip_discard(fZip);
}

void TZipArchive::Opened(zip_t *archive, const String &file_name) {
  fZip = archive;
  fFileName = file_name;
  fEntryCount = std::max<zip_int64_t>(zip_get_num_entries(archive, 0), 0);
}

void TZipArchive::OpenArchive(const String &FileName) {
  CloseArchive();
  // libzip would wait forever on a FIFO and read a device without end.
  if (!FileExists(FileName))
    RaiseOpenError(FileName, u"not an existing regular file");
  int code = 0;
  zip_t *archive = zip_open(FileNameToBytes(FileName).c_str(), ZIP_RDONLY, &code);
  if (archive == nullptr)
    RaiseOpenError(FileName, ErrorText(code));
  Opened(archive, FileName);
}

void TZipArchive::OpenArchiveFromBytes(std::string Bytes) {
  CloseArchive();
  fBytes = std::move(Bytes);
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t *source = zip_source_buffer_create(fBytes.data(), fBytes.size(), 0, &error);
  zip_t *archive = source != nullptr ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  if (archive == nullptr) {
    zip_source_free(source);
    const String reason = ZipText(zip_error_strerror(&error));
    zip_error_fini(&error);
    fBytes.clear();
    RaiseOpenError(u"(memory)", reason);
  }
  zip_error_fini(&error);
  Opened(archive, String());
}

void TZipArchive::CreateArchive(const String &FileName) {
  CloseArchive();
  int code = 0;
  zip_t *archive = zip_open(FileNameToBytes(FileName).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr)
    throw EZipError(Format(u"Cannot create archive \"%s\": %s", FileName, ErrorText(code)));
  Opened(archive, FileName);
}

void TZipArchive::CloseArchive() {
  zip_t *archive = fZip;
  fZip = nullptr;
  fEntryCount = 0;
  if (archive != nullptr && zip_close(archive) != 0) {
    const String reason = ZipText(zip_strerror(archive));
    zip_discard(archive);
    fBytes.clear();
    throw EZipError(Format(u"Cannot write archive \"%s\": %s", fFileName, reason));
  }
  fBytes.clear();
}

void TZipArchive::RequireOpen() const {
  if (fZip == nullptr)
    throw EZipError(std::string_view("No archive is open"));
}

void TZipArchive::MemberFailed(int64_t Index, const String &Reason) {
  if (OnMemberFailure)
    OnMemberFailure(Index, Reason);
  throw EZipError(
      Format(u"Archive \"%s\", entry %d: %s", fFileName, static_cast<int32_t>(Index + 1), Reason));
}

bool TZipArchive::ReadEntry(int64_t Index, TZipEntry &Entry) {
  RequireOpen();
  const auto fail = [&](const String &reason) {
    if (OnMemberFailure)
      OnMemberFailure(Index, reason);
    return false;
  };
  if (Index < 0 || Index >= fEntryCount)
    return fail(u"no such entry");
  const auto at = static_cast<zip_uint64_t>(Index);
  zip_stat_t stat;
  zip_stat_init(&stat);
  const char *name = zip_get_name(fZip, at, ZIP_FL_ENC_GUESS);
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (name == nullptr || zip_stat_index(fZip, at, 0, &stat) != 0 ||
      zip_file_get_external_attributes(fZip, at, 0, &system, &attributes) != 0)
    return fail(ZipText(zip_strerror(fZip)));
  Entry = TZipEntry{};
  Entry.Name = ZipText(name);
  Entry.Size = (stat.valid & ZIP_STAT_SIZE) != 0 ? static_cast<int64_t>(stat.size) : 0;
  Entry.ExternalAttributes = attributes;
  SetDate((stat.valid & ZIP_STAT_MTIME) != 0 ? stat.mtime : time_t(-1), Entry);
  return true;
}

String TZipArchive::ArchiveComment() const {
  RequireOpen();
  int length = 0;
  return ZipText(zip_get_archive_comment(fZip, &length, ZIP_FL_ENC_GUESS));
}

int64_t TZipArchive::FindEntry(StringView Name) const {
  RequireOpen();
  const String wanted = WithSlashes(Name);
  int64_t same_but_case = -1;
  for (int64_t i = 0; i < fEntryCount; ++i) {
    const String stored =
        WithSlashes(ZipText(zip_get_name(fZip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS)));
    if (stored == wanted)
      return i;
    if (same_but_case < 0 && !stored.empty() && AnsiSameText(stored, wanted))
      same_but_case = i;
  }
  return same_but_case;
}

int64_t TZipArchive::RequireEntry(StringView Name) {
  const int64_t index = FindEntry(Name);
  if (index < 0)
    throw EZipError(Format(u"Archive \"%s\" holds no \"%s\"", fFileName, String(Name)));
  return index;
}

// Reads the member block by block into sink, at most one byte past the smaller of the limit and
// the declared size, and checks that the data ends exactly where the header says; libzip checks
// the CRC once the data has been read to its end.
template <typename Sink> void TZipArchive::Extract(int64_t Index, Sink &&sink) {
  RequireOpen();
  if (Index < 0 || Index >= fEntryCount)
    MemberFailed(Index, u"no such entry");
  const auto at = static_cast<zip_uint64_t>(Index);
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(fZip, at, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0)
    MemberFailed(Index, ZipText(zip_strerror(fZip)));
  const uint64_t declared = stat.size;
  if (declared > static_cast<uint64_t>(ZipExtractLimit()))
    MemberFailed(Index, Format(u"larger than the %d bytes a member may hold",
                               static_cast<int64_t>(ZipExtractLimit())));
  std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(fZip, at, 0));
  if (!file)
    MemberFailed(Index, ZipText(zip_strerror(fZip)));
  std::vector<char> block(kBlockBytes);
  uint64_t total = 0;
  for (;;) {
    const uint64_t wanted = std::min<uint64_t>(block.size(), declared + 1 - total);
    const zip_int64_t got = zip_fread(file.get(), block.data(), wanted);
    if (got < 0)
      MemberFailed(Index, ZipText(zip_file_strerror(file.get())));
    if (got == 0)
      break;
    total += static_cast<uint64_t>(got);
    if (total > declared)
      MemberFailed(Index, u"the data runs past the size its header declares");
    sink(block.data(), static_cast<size_t>(got));
  }
  if (total < declared)
    MemberFailed(Index, u"the data ends before the size its header declares");
}

void TZipArchive::ExtractToStream(int64_t Index, TStream &Stream) {
  Extract(Index, [&](const char *bytes, size_t count) {
    Stream.WriteBuffer(bytes, static_cast<int64_t>(count));
  });
}

void TZipArchive::ExtractToStream(StringView Name, TStream &Stream) {
  ExtractToStream(RequireEntry(Name), Stream);
}

std::string TZipArchive::ExtractToString(int64_t Index) {
  std::string bytes;
  Extract(Index, [&](const char *data, size_t count) {
    if (bytes.empty())
      bytes.reserve(std::min(count * 16, kBlockBytes * 16)); // never from the declared size
    bytes.append(data, count);
  });
  return bytes;
}

std::string TZipArchive::ExtractToString(StringView Name) {
  return ExtractToString(RequireEntry(Name));
}

void TZipArchive::AddFile(const String &SourceFile, StringView StoredName, uint16_t Level) {
  RequireOpen();
  const int64_t index = fEntryCount;
  // libzip reads the file only when the archive is written: a missing one would fail it all
  // then, and a FIFO would hang it.
  if (!FileExists(SourceFile))
    MemberFailed(index, Format(u"\"%s\" is no file to add", SourceFile));
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t *source = zip_source_file_create(FileNameToBytes(SourceFile).c_str(), 0, -1, &error);
  if (source == nullptr) {
    const String reason = ZipText(zip_error_strerror(&error));
    zip_error_fini(&error);
    MemberFailed(index, Format(u"cannot read \"%s\": %s", SourceFile, reason));
  }
  zip_error_fini(&error);
  const std::string name = StringToUTF8(WithSlashes(StoredName));
  const zip_int64_t added = zip_file_add(fZip, name.c_str(), source, ZIP_FL_ENC_UTF_8);
  if (added < 0) {
    zip_source_free(source);
    MemberFailed(index, ZipText(zip_strerror(fZip)));
  }
  zip_set_file_compression(fZip, static_cast<zip_uint64_t>(added), ZIP_CM_DEFLATE,
                           std::min<zip_uint32_t>(Level, 9));
  fEntryCount = added + 1;
}

} // namespace textcore
