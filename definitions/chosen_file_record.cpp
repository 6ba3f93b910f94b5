// The chosen-file record on a stream.
#include "definitions/chosen_file_record.h"

#include "strings/julian_dates.h"

#include <algorithm>
#include <cstring>

namespace textcore {

namespace {

// -(folder + 1) and back, as one complement: no value overflows either way.
int32_t StoredFolder(int32_t folder) { return ~folder; }

TFileContentsSet KindFromByte(uint8_t byte) { return TFileContentsSet::FromBytes({byte}); }

void FromStored(const TChosenFile_StoredRec &stored, TChosenFile_BaseRec &Rec) {
  Rec.FolderData = StoredFolder(stored.FolderData);
  Rec.Zip_Num = stored.Zip_Num;
  Rec.Date = stored.Date;
  Rec.Size = stored.Size;
  Rec.Words = stored.Words;
  Rec.encrypted = stored.encrypted != 0;
  Rec.Wanted = stored.Wanted;
  Rec.KindOfFile = KindFromByte(stored.KindOfFile);
  Rec.version = stored.version;
  Rec.TextualDateAndTime = stored.TextualDateAndTime;
  Rec.hits = stored.hits;
}

void FromOld(const TChosenFile_OldRec &old, TChosenFile_BaseRec &Rec) {
  Rec.FolderData = old.FolderData;
  Rec.Zip_Num = old.Zip_Num;
  Rec.Date = old.Date;
  Rec.Size = old.Size;
  Rec.Words = old.Words;
  Rec.encrypted = old.encrypted != 0;
  Rec.Wanted = old.Wanted;
  Rec.KindOfFile = KindFromByte(old.KindOfFile);
}

} // namespace

bool TChosenFileRecFromStream(TStream &Stream, TChosenFile_BaseRec &Rec) {
  Rec = TChosenFile_BaseRec{};
  const int64_t start = Stream.Position();
  uint8_t bytes[sizeof(TChosenFile_OldRec)];
  if (ReadFully(Stream, bytes, sizeof bytes) != sizeof bytes) {
    Stream.SetPosition(start);
    return false;
  }
  int32_t first = 0;
  std::memcpy(&first, bytes, sizeof first);
  bool complete = true;
  if (first < 0) {
    Stream.SetPosition(start);
    TChosenFile_StoredRec stored;
    complete = ReadFully(Stream, &stored, sizeof stored) == sizeof stored;
    FromStored(stored, Rec);
  } else {
    TChosenFile_OldRec old;
    std::memcpy(&old, bytes, sizeof old);
    FromOld(old, Rec);
  }
  if (Rec.TextualDateAndTime == 0)
    Rec.TextualDateAndTime = DateTimeToJulianAddingConst(Rec.Date);
  return complete;
}

bool TChosenFileRecToStream(TStream &Stream, const TChosenFile_BaseRec &Rec) {
  TChosenFile_StoredRec stored;
  stored.FolderData = StoredFolder(std::max(Rec.FolderData, 0));
  stored.Zip_Num = Rec.Zip_Num;
  stored.Date = Rec.Date;
  stored.Size = Rec.Size;
  stored.Words = Rec.Words;
  stored.encrypted = Rec.encrypted ? 1 : 0;
  stored.Wanted = Rec.Wanted;
  stored.KindOfFile = Rec.KindOfFile.Bytes()[0];
  stored.version = Rec.version;
  stored.TextualDateAndTime = Rec.TextualDateAndTime;
  stored.hits = Rec.hits;
  return Stream.Write(&stored, sizeof stored) == sizeof stored;
}

} // namespace textcore
