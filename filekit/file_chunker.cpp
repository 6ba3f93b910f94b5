// TFileChunker: splitting into chunk files, joining them, and the questions between chunks.
#include "filekit/file_chunker.h"

#include "core/bare_assemb.h"
#include "core/yield.h"
#include "filekit/message_names.h"
#include "files/user_questions.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/format.h"
#include "platform/nls_code_pages.h"
#include "platform/safe_file_writer.h"
#include "platform/streams.h"
#include "platform/ui_services.h"
#include "platform/volumes.h"
#include "platform/zip_archive.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <set>
#include <vector>

namespace filekit {

using textcore::AnsiString;
using textcore::String;
using textcore::StringView;

static_assert(std::endian::native == std::endian::little, "chunk files are little-endian");

namespace {

// Besides the name: its length byte, the zip flag, the pack level, the chunk size, the
// attributes, the date and the count.
constexpr int32_t kHeaderFixedBytes = 1 + 1 + 2 + 4 + 4 + 8 + 4;
// The chunk number before the data and the checksum after it.
constexpr int32_t kChunkFraming = 4 + 4;
// The dates a TDateTime holds: 1 January 100 to 31 December 9999.
constexpr double kFirstDate = -657434.0;
constexpr double kLastDate = 2958466.0;

template <typename T> void Put(std::string &bytes, T value) {
  bytes.append(reinterpret_cast<const char *>(&value), sizeof value);
}

template <typename T> bool Take(std::string_view &bytes, T &value) {
  if (bytes.size() < sizeof value)
    return false;
  std::memcpy(&value, bytes.data(), sizeof value);
  bytes.remove_prefix(sizeof value);
  return true;
}

// The file name a stored path ends in, whichever system made it; empty when none may be written.
String SafeFileName(StringView stored) {
  const size_t cut = stored.find_last_of(u"/\\:");
  const StringView name = cut == StringView::npos ? stored : stored.substr(cut + 1);
  if (name.empty() || name == u"." || name == u"..")
    return {};
  for (char16_t c : name)
    if (c < 0x20 || c == 0x7F)
      return {};
  return String(name);
}

String WithoutTrailingDelimiter(const String &folder) {
  const String cut = textcore::ExcludeTrailingPathDelimiter(folder);
  return cut.empty() && !folder.empty() ? String(u"/") : cut;
}

String Joined(const String &folder, StringView name) {
  return folder == u"/" ? u"/" + String(name) : folder + u"/" + String(name);
}

// The nearest folder that exists at or above path, and the mount point of its volume: the "disk"
// a question names.
String DiskOf(const String &path) {
  std::optional<textcore::TVolume> volume = textcore::VolumeOfPath(path);
  return volume ? volume->mount_point : path;
}

bool RemovableVolume(const String &path) {
  std::optional<textcore::TVolume> volume = textcore::VolumeOfPath(path);
  return volume && volume->is_removable;
}

// Asks an OK / Cancel question whose default is Cancel.
bool AnsweredOK(const String &caption, const String &text, bool destroys_data) {
  textcore::TMessageBoxRequest request;
  request.caption = caption;
  request.text = text;
  request.kind = textcore::mtWarning;
  request.buttons = textcore::TMsgDlgButtons{textcore::mbOK, textcore::mbCancel};
  request.default_button = textcore::mbCancel;
  request.destroys_data = destroys_data;
  return textcore::ShowMessageBox(request) == textcore::mrOk;
}

// The archive that ZipToo splits: made in the working folder, removed when the split ends.
class TZippedSource {
public:
  TZippedSource(const String &source, const String &folder, uint16_t level) {
    try {
      if (!textcore::CreateUniqueFile(Joined(folder, u""), u".chunker-zip-", fName))
        textcore::RaiseLastOSError();
      textcore::TZipArchive archive;
      archive.CreateArchive(fName);
      archive.AddFile(source, textcore::ExtractFileName(source), level);
      archive.CloseArchive();
      archive.OpenArchive(fName);
      if (archive.GetEntryCount() < 1)
        throw textcore::Exception(String(_QMZipOperationFailed));
    } catch (const textcore::Exception &) {
      Remove();
      throw textcore::Exception(String(_QMZipOperationFailed));
    }
  }
  ~TZippedSource() { Remove(); }
  TZippedSource(const TZippedSource &) = delete;
  TZippedSource &operator=(const TZippedSource &) = delete;

  const String &Name() const { return fName; }

private:
  void Remove() {
    if (!fName.empty())
      textcore::DeleteFile(fName);
    fName.clear();
  }

  String fName;
};

} // namespace

// Chunk 1's header as read from a file.
struct TFileChunker::THeader {
  AnsiString name;
  uint8_t zip_flag = 0;
  uint16_t pack_level = 0;
  int32_t chunk_size = 0;
  int32_t attributes = 0;
  double date = 0;
  int32_t count = 0;

  // The header at the start of bytes, which then holds what follows it; false when bytes are
  // shorter than a header.
  bool Parse(std::string_view &bytes) {
    uint8_t length = 0;
    if (!Take(bytes, length) || bytes.size() < length)
      return false;
    name.assign(bytes.substr(0, length));
    bytes.remove_prefix(length);
    return Take(bytes, zip_flag) && Take(bytes, pack_level) && Take(bytes, chunk_size) &&
           Take(bytes, attributes) && Take(bytes, date) && Take(bytes, count);
  }

  bool operator==(const THeader &) const = default;
};

TFileChunker::TFileChunker(textcore::TComponent *AOwner)
    : TComponent(AOwner), fChunks(std::make_unique<textcore::TStringList>()) {
  const String here = WithoutTrailingDelimiter(textcore::ExpandFileName(u"."));
  fDirCreating = here;
  fDirRestoring = here;
  fDirWorking = here;
}

TFileChunker::~TFileChunker() = default;

void TFileChunker::Stop() {
  processing = false;
  textcore::MyYieldProcess();
}

bool TFileChunker::Refuse(String why) {
  fRefusal = std::move(why);
  return false;
}

void TFileChunker::fCheckSlashes() {
  fDirCreating = WithoutTrailingDelimiter(fDirCreating);
  fDirRestoring = WithoutTrailingDelimiter(fDirRestoring);
  fDirWorking = WithoutTrailingDelimiter(fDirWorking);
}

// What chunk k carries besides its data: the stored header is counted in bytes, as written.
int32_t TFileChunker::fComputeOverhead(int32_t k) const {
  return k == 0 ? static_cast<int32_t>(fStoredName.size()) + kHeaderFixedBytes + kChunkFraming
                : kChunkFraming;
}

String TFileChunker::fAChunkfilename(const String &folder, int32_t k, int32_t N) {
  const String name =
      Joined(folder,
             textcore::Format(u"chunk %d of %d.tmp", static_cast<int>(k + 1), static_cast<int>(N)));
  if (k == 0)
    fFirstFileInSet = name;
  return name;
}

// Plain files directly in folder, but for the source and this set's chunks: what may go to make
// room. Hidden files, links, folders and whatever is below them stay.
int32_t TFileChunker::DeleteLooseFiles(const String &folder) const {
  int error = 0;
  std::set<String> kept;
  for (int32_t k = 0; k < fOut_of; ++k)
    kept.insert(textcore::Format(u"chunk %d of %d.tmp", static_cast<int>(k + 1),
                                 static_cast<int>(fOut_of)));
  int32_t deleted = 0;
  for (const textcore::TDirEntry &entry : textcore::ListDirectory(folder, u"*", 0, error)) {
    const String path = Joined(folder, entry.Name);
    if (!entry.Regular || entry.Link || kept.count(entry.Name) != 0 ||
        textcore::SameFile(path, fSourcename))
      continue;
    if (textcore::DeleteFile(path))
      ++deleted;
  }
  return deleted;
}

// Asks for the disk that path is on when path is missing, then, with check_space, for room on it.
// True when the work may go on. Every question defaults to Cancel, and the loop ends as soon as
// an answer changed nothing, so an unattended run never spins or deletes.
bool TFileChunker::fGetNewDisk(int32_t number, int64_t needed, bool check_space,
                               const String &path) {
  if (!textcore::FileExists(path) && !textcore::DirectoryExists(path)) {
    const String text = String(_QMInsertDisk) + textcore::IntToStr(number) + String(_QMIn) +
                        DiskOf(textcore::ExtractFileDir(path));
    if (!AnsweredOK(_QMChangeDisk, text, false))
      return false;
    if (!textcore::FileExists(path) && !textcore::DirectoryExists(path))
      return false;
  }
  if (!check_space)
    return true;
  for (;;) {
    const int64_t free = textcore::FreeSpace(path);
    if (free < 0 || free >= needed)
      return true;
    if (!RemovableVolume(path))
      return false;
    const String text = String(_QMPressOKToDeleteA) + path + u"\r" + String(_QMOrFormatItYoursel);
    if (!AnsweredOK(_QMNoRoom, text, true) || DeleteLooseFiles(path) == 0)
      return false;
  }
}

int64_t TFileChunker::WriteChunk(int32_t k, textcore::TStream &data, int64_t remaining,
                                 const String &name) {
  const int64_t room = fChunksize - fComputeOverhead(k);
  const int64_t count = std::min(remaining, room);
  std::string bytes;
  if (k == 0) {
    Put(bytes, static_cast<uint8_t>(fStoredName.size()));
    bytes += fStoredName;
    Put(bytes, static_cast<uint8_t>(fZiptoo ? 1 : 0));
    Put(bytes, fPackLevel);
    Put(bytes, fChunksize);
    Put(bytes, fAttributos);
    Put(bytes, fDataArquivo);
    Put(bytes, fOut_of);
  }
  Put(bytes, k);
  {
    textcore::TFileStream out(name, textcore::fmCreate);
    out.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    std::vector<char> block(static_cast<size_t>(std::min<int64_t>(count, kBlockSize)));
    uint32_t checksum = 0;
    for (int64_t done = 0; done < count;) {
      const int32_t size = static_cast<int32_t>(std::min<int64_t>(count - done, kBlockSize));
      data.ReadBuffer(block.data(), size);
      out.WriteBuffer(block.data(), size);
      checksum = textcore::My4Checksum(block.data(), size);
      done += size;
    }
    out.WriteBuffer(&checksum, sizeof checksum);
  }
  if (fOnChunkMade)
    fOnChunkMade(name, k + 1, fOut_of);
  textcore::MyYieldProcess();
  return count;
}

int32_t TFileChunker::MakeChunkFiles() {
  processing = true;
  fRefusal.clear();
  fCheckSlashes();
  if (!textcore::FileExists(fSourcename)) {
    Refuse(textcore::Format(u"there is no file \"%s\"", fSourcename));
    return 0;
  }
  const String source = textcore::ExpandFileName(fSourcename);
  fAttributos = textcore::FileGetAttr(source);
  if (!textcore::FileLastWriteTime(source, fDataArquivo))
    fDataArquivo = 0;
  // The full path when it fits the header's 255 bytes in the system code page, else the bare
  // name, which is all a join uses.
  bool used_default = false;
  fStoredName = textcore::StringToAnsi(source, textcore::CP_ACP, &used_default);
  if (used_default || fStoredName.size() > 255) {
    fStoredName =
        textcore::StringToAnsi(textcore::ExtractFileName(source), textcore::CP_ACP, &used_default);
    if (used_default || fStoredName.size() > 255) {
      Refuse(u"the file's name cannot be stored in the system code page in 255 bytes");
      return 0;
    }
  }
  if (fChunksize <= fComputeOverhead(0)) {
    Refuse(textcore::Format(u"a chunk must be larger than %d bytes",
                            static_cast<int>(fComputeOverhead(0))));
    return 0;
  }
  std::unique_ptr<TZippedSource> zipped;
  if (fZiptoo)
    zipped = std::make_unique<TZippedSource>(source, fDirWorking, fPackLevel);
  textcore::TFileStream data(zipped ? zipped->Name() : source,
                             textcore::fmOpenRead | textcore::fmShareDenyNone);
  const int64_t size = data.Size();
  const int64_t first_room = fChunksize - fComputeOverhead(0);
  const int64_t count =
      size <= first_room
          ? 1
          : 1 + (size - first_room + fChunksize - kChunkFraming - 1) / (fChunksize - kChunkFraming);
  if (count > kMaxChunks) {
    Refuse(
        textcore::Format(u"the file would make more than %d chunks", static_cast<int>(kMaxChunks)));
    return 0;
  }
  fOut_of = static_cast<int32_t>(count);
  fChunks->Clear();
  int32_t written = 0;
  int64_t remaining = size;
  for (fthis_filenum = 0; fthis_filenum < fOut_of; ++fthis_filenum) {
    const int64_t needed =
        std::min<int64_t>(fChunksize, remaining + fComputeOverhead(fthis_filenum));
    if (fOnNewDiskNeeded && fWaitForNewDisk) {
      fOnNewDiskNeeded(fthis_filenum + 1);
    } else {
      const int64_t free = textcore::FreeSpace(fDirCreating);
      if (!textcore::DirectoryExists(fDirCreating) || (free >= 0 && free < needed))
        processing = processing && fGetNewDisk(fthis_filenum + 1, needed, true, fDirCreating);
    }
    const String name = fAChunkfilename(fDirCreating, fthis_filenum, fOut_of);
    fChunks->Add(name);
    if (!processing)
      break;
    remaining -= WriteChunk(fthis_filenum, data, remaining, name);
    ++written;
  }
  fChunks->Clear();
  if (written != fOut_of)
    throw textcore::Exception(String(_QMCopyFailure));
  return written;
}

bool TFileChunker::fFindHeaderInfo() {
  fChunks->Clear();
  fCheckSlashes();
  if (!textcore::FileExists(fSourcename))
    return Refuse(textcore::Format(u"there is no file \"%s\"", fSourcename));
  THeader header;
  {
    textcore::TFileStream chunk(fSourcename, textcore::fmOpenRead | textcore::fmShareDenyNone);
    std::string bytes(static_cast<size_t>(std::min<int64_t>(chunk.Size(), 256 + kHeaderFixedBytes)),
                      '\0');
    bytes.resize(static_cast<size_t>(
        textcore::ReadFully(chunk, bytes.data(), static_cast<int64_t>(bytes.size()))));
    std::string_view rest = bytes;
    if (!header.Parse(rest))
      return Refuse(u"the first chunk is shorter than its header");
  }
  fStoredName = header.name;
  fSafeName = SafeFileName(textcore::AnsiToString(header.name));
  if (fSafeName.empty())
    return Refuse(u"the first chunk names no file that may be written");
  if (header.zip_flag > 1 || header.count < 1 || header.count > kMaxChunks ||
      header.chunk_size <= fComputeOverhead(0) || !std::isfinite(header.date) ||
      header.date < kFirstDate || header.date >= kLastDate)
    return Refuse(u"the first chunk's header is damaged");
  fRestoredName = Joined(fDirRestoring, fSafeName);
  fZiptoo = header.zip_flag != 0;
  fPackLevel = header.pack_level;
  fChunksize = header.chunk_size;
  fAttributos = header.attributes;
  fDataArquivo = header.date;
  fOut_of = header.count;
  const String folder = WithoutTrailingDelimiter(textcore::ExtractFileDir(fSourcename));
  for (int32_t k = 0; k < fOut_of; ++k)
    fChunks->Add(fAChunkfilename(folder.empty() ? String(u".") : folder, k, fOut_of));
  return true;
}

// Appends chunk k's data to output; true when the chunk passed.
bool TFileChunker::JoinChunk(int32_t k, textcore::TStream &output) {
  const String &name = fChunks->Strings(k);
  textcore::MyYieldProcess();
  textcore::TFileStream chunk(name, textcore::fmOpenRead | textcore::fmShareDenyNone);
  const int64_t size = chunk.Size();
  if (k == 0) {
    // Read again: the disk in the drive may have been changed since the set was named.
    std::string bytes(static_cast<size_t>(std::min<int64_t>(size, 256 + kHeaderFixedBytes)), '\0');
    bytes.resize(static_cast<size_t>(
        textcore::ReadFully(chunk, bytes.data(), static_cast<int64_t>(bytes.size()))));
    std::string_view rest = bytes;
    THeader again;
    if (!again.Parse(rest) || again.name != fStoredName || again.count != fOut_of ||
        again.chunk_size != fChunksize)
      return Refuse(textcore::Format(u"\"%s\" is not the first chunk it was", name));
    fSourcename = textcore::AnsiToString(again.name);
    chunk.SetPosition(static_cast<int64_t>(bytes.size() - rest.size()));
  }
  int32_t number = -1;
  if (textcore::ReadFully(chunk, &number, sizeof number) != sizeof number)
    return Refuse(textcore::Format(u"\"%s\" is shorter than its header", name));
  const int64_t length = size - chunk.Position() - static_cast<int64_t>(sizeof(uint32_t));
  if (length < 0)
    return Refuse(textcore::Format(u"\"%s\" is shorter than its header", name));
  std::vector<char> block(static_cast<size_t>(std::min<int64_t>(length, kBlockSize)));
  uint32_t checksum = 0;
  for (int64_t done = 0; done < length;) {
    const int32_t count = static_cast<int32_t>(std::min<int64_t>(length - done, kBlockSize));
    chunk.ReadBuffer(block.data(), count);
    output.WriteBuffer(block.data(), count);
    checksum = textcore::My4Checksum(block.data(), count);
    done += count;
  }
  chunk.ReadBuffer(&ftest_CheckSum, sizeof ftest_CheckSum);
  if (ftest_CheckSum != checksum)
    return Refuse(textcore::Format(u"\"%s\" fails its checksum", name));
  if (number != k)
    return Refuse(textcore::Format(u"\"%s\" holds chunk %d", name, static_cast<int>(number) + 1));
  return true;
}

bool TFileChunker::RestoreAllChunks() {
  processing = true;
  fRefusal.clear();
  if (!fFindHeaderInfo())
    return false;
  if (!textcore::DirectoryExists(fDirRestoring))
    return Refuse(textcore::Format(u"there is no folder \"%s\"", fDirRestoring));
  const bool existed = textcore::FileExists(fRestoredName);
  if (existed) {
    for (int32_t k = 0; k < fOut_of; ++k)
      if (textcore::SameFile(fChunks->Strings(k), fRestoredName))
        return Refuse(u"the joined file would replace one of its own chunks");
    if (!textcore::OKToOverwriteWithBackup(fRestoredName))
      return Refuse(textcore::Format(u"\"%s\" is kept", fRestoredName));
  }
  int32_t passed = 0;
  {
    textcore::TSafeFileWriter output(fRestoredName);
    for (fthis_filenum = 0; fthis_filenum < fOut_of && processing; ++fthis_filenum) {
      const String &name = fChunks->Strings(fthis_filenum);
      if (fOnNewDiskNeeded && fWaitForNewDisk)
        fOnNewDiskNeeded(fthis_filenum + 1);
      else if (!fGetNewDisk(fthis_filenum + 1, fChunksize, false, name)) {
        Refuse(textcore::Format(u"there is no file \"%s\"", name));
        break;
      }
      const int64_t before = output.Position();
      const bool ok = processing && JoinChunk(fthis_filenum, output);
      if (!ok)
        output.SetSize(before); // the output holds the chunks that passed, and no more
      if (fOnRestoreOne)
        fOnRestoreOne(name, fthis_filenum + 1, fOut_of);
      if (!ok)
        break;
      ++passed;
    }
    if (passed != fOut_of && fRefusal.empty())
      Refuse(u"the join was stopped");
    // What passed is left where there was no file, never over one.
    if (passed == fOut_of || (passed > 0 && !existed))
      output.Commit();
  }
  if (passed != fOut_of)
    return false;
  if (textcore::SetFileLastWriteTime(fRestoredName, fDataArquivo))
    textcore::FileSetAttr(fRestoredName, fAttributos);
  if (fDeleteChunksAfterwards)
    for (int32_t k = 0; k < fOut_of; ++k)
      textcore::DeleteFile(fChunks->Strings(k));
  return true;
}

} // namespace filekit
