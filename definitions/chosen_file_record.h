// The record of one chosen text: where it is (folder and zip member), its date, size, word count
// and kind, and the hits found in it. The tools store its first 64 bytes; older lists hold a
// 49-byte packed form. The stored forms are read and written only through the functions below,
// since the record in memory carries a list that the disk cannot.
#pragma once

#include "files/file_contents.h"
#include "lists/qm_longint_list.h"
#include "platform/date_time.h"
#include "platform/streams.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "chosen-file records are little-endian");

// Whether and how a text is wanted; the tools give the values, the library copies them.
enum TFileWantedType : uint8_t {};

struct TChosenFile_BaseRec {
  int32_t FolderData = 0; // the index of the text's folder, never negative
  int32_t Zip_Num = 0;    // the member of a zip archive
  TDateTime Date = 0;
  int64_t Size = 0;
  int32_t Words = 0;
  bool encrypted = false;
  TFileWantedType Wanted{};
  TFileContentsSet KindOfFile;
  int32_t version = 0;
  double TextualDateAndTime = 0; // the text's own date, a shifted Julian date (0: none known)
  int32_t hits = 0;
  std::unique_ptr<TQMLongintList> jump_to; // positions to jump to; memory only
};

#pragma pack(push, 1)

// The current stored form. FolderData holds -(folder + 1), which is negative, and that is how a
// reader tells this form from the old one; jump_to is a slot written as 0.
struct TChosenFile_StoredRec {
  int32_t FolderData = 0;
  int32_t Zip_Num = 0;
  double Date = 0;
  int64_t Size = 0;
  int32_t Words = 0;
  uint8_t encrypted = 0;
  std::array<uint8_t, 3> spare_B{};
  TFileWantedType Wanted{};
  uint8_t KindOfFile = 0;
  std::array<uint8_t, 2> padding34{};
  int32_t version = 0;
  double TextualDateAndTime = 0;
  int32_t hits = 0;
  std::array<uint8_t, 8> spare{};
  uint32_t jump_to = 0;
};

// The old packed form, whose folder number is never negative.
struct TChosenFile_OldRec {
  int32_t FolderData = 0;
  int16_t Zip_Num = 0;
  double Date = 0;
  int32_t Size = 0;
  int32_t Words = 0;
  uint8_t encrypted = 0;
  TFileWantedType Wanted{};
  uint8_t KindOfFile = 0;
  std::array<uint8_t, 24> ignored25{};
};

#pragma pack(pop)

static_assert(sizeof(TChosenFile_StoredRec) == 64);
static_assert(offsetof(TChosenFile_StoredRec, Date) == 8);
static_assert(offsetof(TChosenFile_StoredRec, Size) == 16);
static_assert(offsetof(TChosenFile_StoredRec, Words) == 24);
static_assert(offsetof(TChosenFile_StoredRec, encrypted) == 28);
static_assert(offsetof(TChosenFile_StoredRec, spare_B) == 29);
static_assert(offsetof(TChosenFile_StoredRec, Wanted) == 32);
static_assert(offsetof(TChosenFile_StoredRec, KindOfFile) == 33);
static_assert(offsetof(TChosenFile_StoredRec, version) == 36);
static_assert(offsetof(TChosenFile_StoredRec, TextualDateAndTime) == 40);
static_assert(offsetof(TChosenFile_StoredRec, hits) == 48);
static_assert(offsetof(TChosenFile_StoredRec, spare) == 52);
static_assert(offsetof(TChosenFile_StoredRec, jump_to) == 60);

static_assert(sizeof(TChosenFile_OldRec) == 49);
static_assert(offsetof(TChosenFile_OldRec, Zip_Num) == 4);
static_assert(offsetof(TChosenFile_OldRec, Date) == 6);
static_assert(offsetof(TChosenFile_OldRec, Size) == 14);
static_assert(offsetof(TChosenFile_OldRec, Words) == 18);
static_assert(offsetof(TChosenFile_OldRec, encrypted) == 22);
static_assert(offsetof(TChosenFile_OldRec, Wanted) == 23);
static_assert(offsetof(TChosenFile_OldRec, KindOfFile) == 24);

// Reads one record of either form: 49 bytes first, which are the old form unless the first
// value is negative; then the stream steps back and reads the 64 bytes of the current form.
// jump_to comes back empty; a TextualDateAndTime of 0 is taken from Date (0 when Date is no
// date). True when every byte read came; what did not come stays zero. A stream that ends inside
// the first 49 bytes leaves the record cleared and the stream where it was.
bool TChosenFileRecFromStream(TStream &Stream, TChosenFile_BaseRec &Rec);
// Writes the current form, 64 bytes; a negative FolderData is written as folder 0 so that the
// record keeps its form. True when all went.
bool TChosenFileRecToStream(TStream &Stream, const TChosenFile_BaseRec &Rec);

} // namespace textcore
