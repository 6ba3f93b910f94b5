// TFolderful: one folder's listing: its name, the files found in it (a TMySearchRecList), and
// three numbers that belong to its owner; saved and read as one unit, several to a file.
//
// Saved form (little-endian, no signature or version):
//   1 byte    the sort order (a TMySearchRecSort, 0 to 5)
//   4 bytes   Starts, then 4 bytes Ends, then 4 bytes dirnum, all signed
//   string    DirName: 4-byte count N of UTF-16 units, then 2N bytes
//   then the list in TMySearchRecList's stream form.
// Reading rejects a sort byte above 5 and an empty folder name or one above kMaxShortNameLength,
// as well as everything the list's reading rejects, with EReadError; a failed read changes
// nothing. A folder name read without its trailing delimiter gets one.
#pragma once

#include "files/my_search_rec_list.h"
#include "platform/streams.h"
#include "platform/strings.h"

#include <cstdint>
#include <memory>

namespace textcore {

class TPeruseDir;

class TFolderful {
public:
  // DirName gets a trailing delimiter when it has none.
  explicit TFolderful(const String &DirName);

  // With a walker, appends the accepted files of DirName (the result is not asked); without
  // one, empties the list.
  void FillList(TPeruseDir *PeruseDir);

  // Errors of the stream reach the caller; true when they return. The file forms take a file
  // stream already open and do what the stream forms do.
  bool SaveToStream(TStream &Stream) const;
  bool ReadFromStream(TStream &Stream);
  bool SaveToFile(TFileStream &Stream) const { return SaveToStream(Stream); }
  bool ReadFromFile(TFileStream &Stream) { return ReadFromStream(Stream); }

  // Outside 0 .. Count() - 1: "", "", the zero record, -1 and false.
  String fGetAShortName(int32_t Index) const;
  String fGetAFullname(int32_t Index) const;
  TMySearchRec fGetASearchRec(int32_t Index) const;
  int32_t GetAFileSize(int32_t Index) const;
  bool fGetIsZipfile(int32_t Index) const;

  // Renames the item's file to NewFullName, which must be a new name in this same folder, and
  // takes its file-name part as the item's ShortName. An existing file is never replaced, and
  // a zip member is never renamed: those and every failed rename raise Exception "cannot rename
  // %s" with the old full name. An index outside the list, or the item's own name, does
  // nothing.
  void fSetAFullName(int32_t Index, const String &NewFullName);

  int32_t Count() const { return fThisList->Count(); }
  int32_t Files() const { return Count(); }
  bool Empty() const { return Count() == 0; }
  TMySearchRecSort CurrentSort() const { return fSort; }
  // Sorts the list by Sort and records it.
  void SetCurrentSort(TMySearchRecSort Sort);
  const String &DirName() const { return fDirname; }
  // Adds a trailing delimiter when Value has none.
  void SetDirName(const String &Value);
  int32_t dirnum() const { return fdirnum; }
  void Setdirnum(int32_t Value) { fdirnum = Value; }
  int32_t Starts() const { return fstarts; }
  void SetStarts(int32_t Value) { fstarts = Value; }
  int32_t Ends() const { return fends; }
  void SetEnds(int32_t Value) { fends = Value; }
  TMySearchRecList &ListOfFiles() const { return *fThisList; }

private:
  bool InRange(int32_t Index) const { return Index >= 0 && Index < Count(); }

  TMySearchRecSort fSort = sr_sort_none;
  int32_t fdirnum = 0;
  int32_t fstarts = 0;
  int32_t fends = 0;
  std::unique_ptr<TMySearchRecList> fThisList;
  String fDirname;
};

} // namespace textcore
