// Directory search, as the framework's FindFirst, FindNext and FindClose gave it, over POSIX.
//
// An entry carries its name, attributes, 64-bit size and its last-write and last-access times
// (local time). Attributes map as the suite relies on them: read-only is the owner's write bit
// clear (root passes every access test, so the bit is what tells), hidden is a name that begins
// with ".", directory is a folder after following a symbolic link; system and archive never
// occur, and a plain file has attributes 0. "." and ".." are never returned.
//
// The pattern's name part follows the file-name wildcard rules (platform/wildcards.h: "*" and
// "*.*" every name, "stem.*" also "stem", case ignored). Entries come back sorted by name with
// the letters A-Z folded, then by UTF-16 unit, so every file system gives the same order (ext4
// and overlayfs hand them out in hash order). A folder is read whole when the search starts.
#pragma once

#include "platform/date_time.h"
#include "platform/strings.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace textcore {

constexpr int32_t faReadOnly = 0x01;
constexpr int32_t faHidden = 0x02;
constexpr int32_t faSysFile = 0x04;
constexpr int32_t faVolumeID = 0x08;
constexpr int32_t faDirectory = 0x10;
constexpr int32_t faArchive = 0x20;
constexpr int32_t faAnyFile = 0x3F;

// What a search found: one file or folder.
struct TDirEntry {
  String Name; // the name alone, without its folder
  int32_t Attr = 0;
  int64_t Size = 0;         // 0 for a folder
  TDateTime TimeStamp = 0;  // last write, local time
  TDateTime LastAccess = 0; // last access, local time
  uint64_t Device = 0;      // the file's identity, which tells a file met twice
  uint64_t Inode = 0;
  // A regular file after following links: one that can be read whole. A FIFO, a device or a
  // dangling link is listed as a file too, but is none.
  bool Regular = false;
  // The entry is a symbolic link itself (its attributes, size and times are its target's): a
  // walk that deletes must not follow it.
  bool Link = false;
};

// The entry a search would give for path itself, without reading its folder; false when the
// path cannot be read (it does not exist, or a folder on the way cannot be entered).
bool EntryOfPath(const String &path, TDirEntry &entry);
// The attributes of a path as a search would give them; -1 when the path cannot be read.
int32_t FileGetAttr(const String &path);
// Sets the one attribute a file here carries: faReadOnly clears every write permission bit, and
// its absence gives the owner write permission back. The other bits are told by the name or the
// kind of file and cannot be set. 0 on success, else the errno value.
int32_t FileSetAttr(const String &path, int32_t attr);
// The attributes of an entry given its lstat/stat result and name.
int32_t AttributesOf(uint32_t st_mode, StringView name);

// The entries of folder whose names match pattern, sorted as above. Normal files always come;
// folders, hidden entries and the rest only when attr asks for them (faDirectory, faHidden), as
// the framework's search did. A dangling symbolic link is a file of size 0. Empty when the folder
// cannot be read; error then holds the errno value (0 on success).
std::vector<TDirEntry> ListDirectory(const String &folder, StringView pattern, int32_t attr,
                                     int &error);

// The framework's search record: FindFirst fills it with the first entry and FindNext moves on.
struct TSearchRec : TDirEntry {
  std::shared_ptr<std::vector<TDirEntry>> FindHandle;
  size_t FindNext = 0;
};

// path_pattern is a folder and a pattern ("/texts/*.txt"; "\" is taken as "/" too). 0 and the
// first entry, or an errno value: ENOENT when nothing matches or the folder does not exist.
int32_t FindFirst(const String &path_pattern, int32_t attr, TSearchRec &F);
// 0 and the next entry, or ENOENT after the last.
int32_t FindNext(TSearchRec &F);
void FindClose(TSearchRec &F);

} // namespace textcore
