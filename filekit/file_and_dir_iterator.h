// TFileAndDirIterator: the files that match a user's masks in a head folder (and, if asked, in all
// its subfolders, zip members included), kept one folderful per folder and numbered across the
// folders, then handed to the host one by one with progress; looked up by name, listed flat with
// their sizes, and saved and restored as a favourites file.
//
// Favourites file (little-endian; strings as a 4-byte count of UTF-16 units and the units):
//   i32 the running tool's list signature, u8 read zips, u8 subfolders, i32 total files,
//   u8 sort order (0 to 5), string head folder, string folder mask, string file mask,
//   i32 count C, then C times: string folder name, the folder's folderful (files/folderful.h).
// Reading checks C against the bytes left (each entry takes at least 25), recomputes a total
// that disagrees with the folderfuls, and on any damage raises "Cannot read: " with the file
// name, leaving the iterator empty. Writing goes beside the file and replaces it only when all is
// written; an absent folderful is written as an empty one, so readers stay in step.
//
// The walk never changes the process's current folder: a folder that cannot be entered is skipped.
#pragma once

#include "files/folderful.h"
#include "files/my_search_rec.h"
#include "files/peruse_dir.h"
#include "platform/component.h"
#include "platform/string_list.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace filekit {

using textcore::TAllFilesProgressEvent;
using textcore::TFoundDirEvent;
using textcore::TMyDirProgressEvent;

using TOnDoneSubFoldersEvent = std::function<void(int32_t folders)>;
using TProcessingAFolderEvent = std::function<void(const textcore::String &DirName, int32_t n,
                                                   int32_t out_of, int32_t valid_files_within)>;
using TOnDoneFileIteratingEvent = std::function<void(int32_t zips_examined)>;
using TProcessingAFileEvent =
    std::function<void(const textcore::String &FullFileName, const textcore::TMySearchRec &SR)>;
// One folderful per folder; an absent entry for a folder that could not be listed.
using TFolderfulArray = std::vector<std::unique_ptr<textcore::TFolderful>>;

class TFileAndDirIterator : public textcore::TComponent {
public:
  explicit TFileAndDirIterator(textcore::TComponent *AOwner);
  ~TFileAndDirIterator() override;

  bool ProcessingFiles() const { return fprocessing_files; }
  bool ReadZipfiles = true;
  bool TreatZipsLikeAnyOtherFile = false;
  bool IncludeSubFolders = false;
  bool AcceptSystemFiles = false;
  bool AcceptHiddenFiles = false;
  bool ExcludingMACOS_files = false;
  textcore::String FileMask = u"*.*";
  textcore::String DirMask = u"*.*";
  textcore::String ZipMask = u"*.*";
  const textcore::String &ExcludedFoldersMask() const { return fExcluded_dirs_mask; }
  void SetExcludedDirs(const textcore::String &Value) { fExcluded_dirs_mask = Value; }
  const textcore::String &ExcludedExtensions() const { return fExcludedExts; }
  void SetExcludedExtensions(const textcore::String &Value) { fExcludedExts = Value; }
  // Kept with a trailing delimiter once a walk or a read has used it.
  textcore::String HeadDir;
  textcore::String Favourites;
  textcore::TMySearchRecSort SortOrder = textcore::sr_sort_by_name;

  const textcore::TStringList &Dirs() const { return *fDirs; }
  int32_t HeadDirFiles() const { return fHeadDirFiles; }
  int32_t DirCount() const { return fDircount; }
  int32_t folders() const { return fDircount; }
  int32_t TotalFiles() const { return fTotal; }
  // Filled by BuildDetailedList: every full name with its size in the object slot.
  textcore::TStringList DetailedListOfAllFiles;

  TFoundDirEvent OnFoundDir;
  TOnDoneSubFoldersEvent OnDoneSubFolders;
  TProcessingAFolderEvent OnDirExamining;
  TMyDirProgressEvent OnDirProgress;
  TOnDoneFileIteratingEvent OnDoneFileIterating;
  TProcessingAFolderEvent OnProcessingAFolder;
  TProcessingAFileEvent OnProcessingAFile;
  TAllFilesProgressEvent OnFilesProgress;
  TFoundDirEvent OnBuildingDetailedList;
  textcore::TCheckFileAcceptableEvent OnCheckFileAcceptable;
  textcore::TZipReadingEvent OnZipReading;
  textcore::TZipStartReadingEvent OnZipStartReading;
  textcore::TNotifyEvent OnZipProblem;

  // Finds the folders and lists their files.
  void IterateFindingFiles();
  // Hands every listed file to OnProcessingAFile, folder by folder, until Stop.
  void ProcessAllFilesFound();
  void Stop();
  // Forgets the folders and their files (DirCount stays).
  void Clear();
  void AddADir(const textcore::String &DirName);
  // The folderful of folder Index; null for one that could not be listed or is beyond the list.
  textcore::TFolderful *fGetOneFolderful(int32_t Index) const;
  void FreeAFolderFul(int32_t Index);
  // The full name of the first file listed whose short name equals ShortName ignoring case; ""
  // when there is none.
  textcore::String FoundMatch(textcore::StringView ShortName);
  // Every entry of each folder matching the pattern ShortName, as folder + name. A pattern with a
  // delimiter or "..", which would search outside the folders, finds nothing; "." and ".." are
  // never listed.
  std::unique_ptr<textcore::TStringList> FoundMatchesWildcarded(textcore::StringView ShortName);
  void BuildDetailedList(bool SortedBySize);
  // Raise "Cannot write to: " / "Cannot read: " and the file name on failure. ReadFavourites is
  // false, with the iterator empty, for a file that another tool wrote.
  bool SaveFavourites();
  bool ReadFavourites();

private:
  bool fprocessing_files = false;
  textcore::String fExcluded_dirs_mask;
  textcore::String fExcludedExts;
  std::unique_ptr<textcore::TStringList> fDirs;
  TFolderfulArray fFolders;
  textcore::TPeruseDir *fPeruseDir = nullptr;
  int32_t fHeadDirFiles = 0;
  int32_t fDircount = 0;
  int32_t fTotal = 0;
};

} // namespace filekit
