// TZipArchive: the zip archives the suite reads and writes, over libzip. It does what the suite
// asks of an archiver and no more: open an archive, count its entries, tell an entry's stored
// name, size, date and external attributes, read the archive comment, extract an entry into a
// stream or a string, add files, and report a failure on one member through an event.
//
// Stored names come back as UTF-16: a name flagged as UTF-8, or one that is legal UTF-8 (as
// archivers on Linux and macOS write them unflagged), reads as UTF-8; any other as code page 437,
// as archivers on Windows wrote them.
// The entry count is read once, when the archive is opened, and stays fixed while it is read.
//
// Extraction is bounded: a member is never read past kZipExtractLimit, nor past the size its
// header declares, whatever that header claims. A member larger than the limit, one whose data
// runs past or stops short of its declared size, a CRC mismatch or a read failure raise
// EZipError; nothing is ever allocated from a size taken from the archive. A damaged archive
// raises EZipError when it is opened, or when the entry concerned is read.
#pragma once

#include "platform/date_time.h"
#include "platform/streams.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>
#include <string>

struct zip;

namespace textcore {

// The most bytes one member is extracted to (256 MiB).
constexpr int64_t kZipExtractLimit = int64_t{256} << 20;

// What the central directory says of one entry.
struct TZipEntry {
  String Name;          // the stored path, with the separators it was stored with
  int64_t Size = 0;     // uncompressed
  int32_t FileDate = 0; // the two-second DOS date and time (local); 0 when there is none
  // FileDateToDateTime(FileDate); 1 January 1970 when the entry has no date the DOS form holds.
  TDateTime DateTime = 0;
  uint32_t ExternalAttributes = 0; // the raw 32-bit field, as stored
  // A folder of the archive: its stored name ends with a separator.
  bool IsDirectory() const;
};

// Told of each failure on one member (its 0-based index, and why); the operation then fails as
// its own description says.
using TZipMemberFailureEvent = std::function<void(int64_t Index, const String &Reason)>;

class TZipArchive {
public:
  TZipArchive() = default;
  // Closes the archive; additions not yet written by CloseArchive are dropped.
  ~TZipArchive();
  TZipArchive(const TZipArchive &) = delete;
  TZipArchive &operator=(const TZipArchive &) = delete;

  // Opens an existing archive for reading. Raises EZipError when the file is missing, is not a
  // regular file, or is no readable archive. An open archive is closed first.
  void OpenArchive(const String &FileName);
  // Opens an archive held in memory (the archive keeps its own copy of the bytes).
  void OpenArchiveFromBytes(std::string Bytes);
  // Starts a new archive, which CloseArchive writes beside the file and renames over it.
  void CreateArchive(const String &FileName);
  // Writes what was added (an archive opened for reading is simply closed). Raises EZipError
  // when the archive cannot be written; the file then stays as it was.
  void CloseArchive();
  bool Active() const { return fZip != nullptr; }
  const String &FileName() const { return fFileName; }

  // 0 when no archive is open.
  int64_t GetEntryCount() const { return fEntryCount; }
  // The entry at a 0-based index; false, after OnMemberFailure, when its details cannot be read
  // or the index is outside 0 .. GetEntryCount() - 1.
  bool ReadEntry(int64_t Index, TZipEntry &Entry);
  // The archive comment ("" when there is none), decoded as stored names are.
  String ArchiveComment() const;
  // The index of the entry stored under Name, "\" and "/" taken alike: the exact name first,
  // then the first one that differs only in case; -1 when there is none.
  int64_t FindEntry(StringView Name) const;

  // The member's uncompressed bytes, appended to Stream (what came before a failure stays
  // written) or returned. Raise EZipError as said at the top, and for an index or name that
  // names no entry.
  void ExtractToStream(int64_t Index, TStream &Stream);
  void ExtractToStream(StringView Name, TStream &Stream);
  std::string ExtractToString(int64_t Index);
  std::string ExtractToString(StringView Name);

  // Adds a file, deflated, under StoredName (UTF-8, "\" stored as "/"), keeping its last-write
  // time; the file is read when CloseArchive writes the archive. Level is deflate's 1 (fastest)
  // to 9 (smallest); 0 leaves it to the library. Raises EZipError when no archive is being
  // created, or the name is taken already.
  void AddFile(const String &SourceFile, StringView StoredName, uint16_t Level = 0);

  TZipMemberFailureEvent OnMemberFailure;

private:
  void Opened(struct zip *archive, const String &file_name);
  void RequireOpen() const;
  int64_t RequireEntry(StringView Name);
  // Raises EZipError with Reason, after telling OnMemberFailure.
  [[noreturn]] void MemberFailed(int64_t Index, const String &Reason);
  template <typename Sink> void Extract(int64_t Index, Sink &&sink);

  struct zip *fZip = nullptr;
  String fFileName;
  std::string fBytes; // what an archive opened from memory reads
  int64_t fEntryCount = 0;
};

} // namespace textcore
