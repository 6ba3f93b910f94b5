// TFileChunker: one file cut into numbered chunk files of a fixed size, so that it can be carried
// on small removable disks, and such a set joined back into the file with its read-only attribute
// and last-write time.
//
// Chunk k (0-based) of a set of N in folder F is the file "F/chunk k+1 of N.tmp". Every chunk file
// but the last is exactly ChunkSize bytes. Layout, little-endian:
//
//   chunk 1 only: u8 L, L bytes of the source's full path (8-bit, system code page), u8 zip flag,
//                 u16 pack level, i32 chunk size, i32 attributes, f64 last-write time (days since
//                 30 December 1899, local), i32 N
//   every chunk:  i32 chunk number k, the data, u32 checksum
//
// So chunk 1 carries L + 32 bytes besides its data and every other chunk 8. The checksum is
// My4Checksum of the last block of the data alone, the data being taken in blocks of 61,440
// bytes from its start, so 1 to 3 trailing bytes of that block and every earlier block go
// unchecked (0 for empty data). That is the format sets were made with, and it is kept.
//
// Safety, since a chunk set comes from outside:
// - the joined file takes the last component of the stored path (after '/', '\' or ':', so sets
//   made on Windows join); an empty, ".", ".." or control-character name fails the set;
// - no folder is ever created, on either side;
// - a header's count must be 1 to kMaxChunks and its chunk size larger than its own header,
//   and its date a finite date, before anything is named or written;
// - a chunk's data length is its file size less its header and checksum;
// - the joined file is written beside its name and renamed over it only when every chunk passed;
//   a failed join keeps a file that was there before (the chunks that passed stay only where
//   there was none), and DeleteAfterRestore deletes the chunks only after all of them passed;
// - short of space, the only files ever deleted to make room are plain files directly in
//   DirCreating, never the source and never this set's chunks, and only on a removable volume,
//   after a question whose default is Cancel.
#pragma once

#include "platform/component.h"
#include "platform/date_time.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace textcore {
class TStream;
}

namespace filekit {

// After a chunk file was written: its name, its 1-based number and the number of chunks.
using TOnChunkFileMadeEvent =
    std::function<void(const textcore::String &filename, int32_t number, int32_t out_of)>;
// After a chunk file was read while joining (whether it passed or not).
using TOnRestoreFileEvent =
    std::function<void(const textcore::String &filename, int32_t number, int32_t out_of)>;
// Before a chunk is handled, when WaitForNewDisk: the 1-based number of that chunk.
using TOnNewDiskNeededEvent = std::function<void(int32_t num_done)>;

class TFileChunker : public textcore::TComponent {
public:
  static constexpr int32_t kDefaultChunkSize = 1400000;
  // Data is copied, and the checksum taken, in blocks of this many bytes.
  static constexpr int32_t kBlockSize = 61440;
  // The most chunks a set may have, made or joined: 140 GB at the default chunk size. A header
  // claiming more is damaged, and is refused before any name is made.
  static constexpr int32_t kMaxChunks = 100000;

  // The three folders are the current folder.
  explicit TFileChunker(textcore::TComponent *AOwner);
  ~TFileChunker() override;

  // Splitting: the file to split. Joining: chunk 1 of the set; after a join it holds the source's
  // path as the header stored it.
  const textcore::String &Sourcename() const { return fSourcename; }
  void SetSourcename(const textcore::String &Value) { fSourcename = Value; }
  int32_t ChunkSize() const { return fChunksize; }
  void SetChunkSize(int32_t Value) { fChunksize = Value; }
  // Compress the source (deflate, one member under its bare name) and split the archive.
  // Joining reads the header's flag into it and writes the archive as it was: the caller
  // unpacks it.
  bool ZipToo() const { return fZiptoo; }
  void SetZipToo(bool Value) { fZiptoo = Value; }
  uint16_t PackLevel() const { return fPackLevel; }
  // Before every chunk, the first included, call OnNewDiskNeeded instead of checking free space.
  bool WaitForNewDisk() const { return fWaitForNewDisk; }
  void SetWaitForNewDisk(bool Value) { fWaitForNewDisk = Value; }
  // Delete the chunk files once the whole set was joined and verified.
  bool DeleteAfterRestore() const { return fDeleteChunksAfterwards; }
  void SetDeleteAfterRestore(bool Value) { fDeleteChunksAfterwards = Value; }
  // Kept without a trailing delimiter ("/" stays "/").
  const textcore::String &DirCreating() const { return fDirCreating; }
  void SetDirCreating(const textcore::String &Value) { fDirCreating = Value; }
  const textcore::String &DirRestoring() const { return fDirRestoring; }
  void SetDirRestoring(const textcore::String &Value) { fDirRestoring = Value; }
  // Where the archive of ZipToo is made and then removed.
  const textcore::String &DirWorking() const { return fDirWorking; }
  void SetDirWorking(const textcore::String &Value) { fDirWorking = Value; }
  // Joining: the full name of the file being rebuilt.
  const textcore::String &RestoredName() const { return fRestoredName; }
  // The name of chunk 1 of the last set named.
  const textcore::String &FirstFileInSet() const { return fFirstFileInSet; }
  // The chunk names of the set: empty after a split, the whole set after a join.
  const textcore::TStringList &ChunkerFilenames() const { return *fChunks; }
  // What the header of the last set joined said of its source.
  int32_t SourceAttributes() const { return fAttributos; }
  textcore::TDateTime SourceDate() const { return fDataArquivo; }
  int32_t ChunkCount() const { return fOut_of; }
  // Why the last MakeChunkFiles gave 0 or the last RestoreAllChunks false ("" after success).
  const textcore::String &Refusal() const { return fRefusal; }

  const TOnChunkFileMadeEvent &OnChunkMade() const { return fOnChunkMade; }
  void SetOnChunkMade(TOnChunkFileMadeEvent Value) { fOnChunkMade = std::move(Value); }
  const TOnRestoreFileEvent &OnRestoreOne() const { return fOnRestoreOne; }
  void SetOnRestoreOne(TOnRestoreFileEvent Value) { fOnRestoreOne = std::move(Value); }
  const TOnNewDiskNeededEvent &OnNewDiskNeeded() const { return fOnNewDiskNeeded; }
  void SetOnNewDiskNeeded(TOnNewDiskNeededEvent Value) { fOnNewDiskNeeded = std::move(Value); }

  // Splits Sourcename into chunk files in DirCreating (existing chunk files of the same names
  // are overwritten) and returns how many were written. 0, with nothing written and Refusal
  // saying why, when the source is missing, its path fits no header, the chunk size is not
  // larger than chunk 1's header, or the set would pass kMaxChunks. Raises "Copy failure" when
  // fewer chunks were written than counted (a stop, a disk refused) and "Zip operation failed"
  // when ZipToo could not compress; errors while reading or writing pass to the caller.
  int32_t MakeChunkFiles();
  // Joins the set whose chunk 1 is Sourcename into DirRestoring; true when every chunk passed
  // its number, checksum and name checks. Asks before replacing a file (keeping a backup);
  // false with Refusal saying why on a refusal, a damaged header, a missing folder or a chunk
  // that fails. Errors while reading chunks pass to the caller.
  bool RestoreAllChunks();
  // Ends the run at its next chunk.
  void Stop();

private:
  struct THeader;
  void fCheckSlashes();
  int32_t fComputeOverhead(int32_t k) const;
  textcore::String fAChunkfilename(const textcore::String &folder, int32_t k, int32_t N);
  bool fGetNewDisk(int32_t number, int64_t needed, bool check_space, const textcore::String &path);
  bool fFindHeaderInfo();
  bool Refuse(textcore::String why);
  int32_t DeleteLooseFiles(const textcore::String &folder) const;
  int64_t WriteChunk(int32_t k, textcore::TStream &data, int64_t remaining,
                     const textcore::String &name);
  bool JoinChunk(int32_t k, textcore::TStream &output);

  textcore::String fSourcename;
  int32_t fChunksize = kDefaultChunkSize;
  bool fZiptoo = false;
  uint16_t fPackLevel = 9;
  bool fWaitForNewDisk = false;
  bool fDeleteChunksAfterwards = false;
  textcore::String fDirCreating;
  textcore::String fDirRestoring;
  textcore::String fDirWorking;
  textcore::String fRestoredName;
  textcore::String fFirstFileInSet;
  std::unique_ptr<textcore::TStringList> fChunks;
  int32_t fAttributos = 0;
  textcore::TDateTime fDataArquivo = 0;
  int32_t fOut_of = 0;
  int32_t fthis_filenum = 0;
  uint32_t ftest_CheckSum = 0;
  bool processing = false;
  // The source's path as chunk 1 stores it, and the name the join writes under.
  textcore::AnsiString fStoredName;
  textcore::String fSafeName;
  textcore::String fRefusal;
  TOnChunkFileMadeEvent fOnChunkMade;
  TOnRestoreFileEvent fOnRestoreOne;
  TOnNewDiskNeededEvent fOnNewDiskNeeded;
};

} // namespace filekit
