// TPeruseDir: the folder walker. It walks the subfolders of a folder under folder masks and
// exclusions, and lists the accepted files of one folder, the members of the zip archives in it
// included, into a TMySearchRecList.
//
// Masks are lists in the form BuildAMask takes ("*.txt;*.htm", or one a line). A folder
// exclusion that is a relative name ("old", "drafts/old") leaves out every folder of that name
// at any depth, and everything below it; one that is an absolute path ("/data/old") leaves out
// that folder alone. An extension exclusion is matched against a name's extension with its dot,
// so ".bak" and "*.bak" both leave out "a.bak". Hidden (dot) folders are never entered; hidden
// files and archives are left out unless AcceptHiddenFiles, and "._" files (and archives)
// whenever CheckingMACOSFiles; nothing but regular files is ever listed or opened. A folder
// already on the path being walked (a loop of symbolic links) is not entered again.
//
// Zip members are listed under the archive's file name, "/" and the stored path, so that a
// folderful's DirName followed by ShortName is the member's composite name (files/zip_names.h).
// Folders inside archives are not listed; nor is a member whose number or name a saved list
// could not hold (beyond 32,767, or a name above kMaxShortNameLength or not safe to follow a
// folder), which is logged instead. An archive that cannot be read is reported to OnZipProblem
// and logged, and the listing goes on with the rest of the folder.
//
// Every loop yields once a round (core/yield.h). Clearing Processing_Files (Stop) from an event
// or the yield hook ends every listing in progress after its current entry, and the walk enters
// no further folder; a listing started later still takes its first entry, and the members of an
// archive already opened are all examined. Only the owner sets the flag again. The counters
// only grow.
#pragma once

#include "files/my_search_rec_list.h"
#include "platform/object.h"
#include "platform/strings.h"
#include "search/wide_masks.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace textcore {

class TZipArchive;

using TFoundDirEvent = std::function<void(const String &DirName)>;
using TCheckFileAcceptableEvent = std::function<bool(const TMySearchRec &SR, bool InAZip)>;
using TZipStartReadingEvent = std::function<void(const String &zipfilename)>;
using TZipReadingEvent = std::function<void(int32_t num, int32_t out_of)>;
using TZipDoneReadingEvent = std::function<void(int32_t zips_handled)>;
// For the file-and-folder iterator, which reports its own progress with them.
using TProcessingAFileEvent =
    std::function<void(const String &FullFileName, const TMySearchRec &SR)>;
using TAllFilesProgressEvent = std::function<void(int32_t percent)>;
using TMyDirProgressEvent = std::function<void(int32_t dirnum)>;

class TPeruseDir : public TObject {
public:
  TPeruseDir(const String &FileMasks, const String &DirMasks, const String &ZipMasks,
             const String &DirExcludeMasks, const String &ExtExcludeMasks, bool CheckingMACOS_files,
             bool ExamineZips, bool TreatZipsLikeAnyOtherFile, bool AcceptSystemFiles,
             bool AcceptHiddenFiles);

  // Reports each accepted subfolder below Dir (not Dir itself) through OnFoundDir, depth first
  // and before its own subfolders, once for each folder mask in turn.
  void ProcessAllSubDirectories(const String &Dir);
  // Appends the accepted files of Dir to List (which may be null): zip members first, archive
  // by archive, then the files mask by mask, a file matching two masks twice. True when an
  // ordinary file was accepted; any failure ends the listing with false and goes no further.
  bool HandleAllFilesIn(const String &Dir, TMySearchRecList *List);

  void Stop() { fProcessing_Files = false; }
  bool Processing_Files() const { return fProcessing_Files; }
  void SetProcessing_Files(bool Value) { fProcessing_Files = Value; }
  const String &ZipExtension() const { return fZipExtension; }
  void SetZipExtension(const String &Value) { fZipExtension = Value; }
  bool CheckingMACOSFiles() const { return fCheckingMACOS_files; }
  void SetCheckingMACOSFiles(bool Value) { fCheckingMACOS_files = Value; }
  int32_t TotalFilesInZips() const { return ftotal_files_in_zips; }
  int32_t ZipsExamined() const { return fzips_examined; }
  int32_t SubDirsFound() const { return fsubdir_counter; }
  // What went wrong, for an OnZipProblem handler: the archive (and member) and the reason.
  const String &LastZipProblem() const { return fLastZipProblem; }

  TFoundDirEvent OnFoundDir;
  TCheckFileAcceptableEvent OnCheckFileAcceptable;
  TZipStartReadingEvent OnZipStartReading;
  TZipReadingEvent OnZipReading;
  TZipDoneReadingEvent OnDoneZipReading;
  TNotifyEvent OnZipProblem;

  // The steps the walk and the listing are made of.
  void AddAZip(TMySearchRecList *List, const String &Folder, const String &ZipFileName);
  bool IsExcludedFolder(const String &FullPath) const;
  bool HasExcludedExtension(const String &Name) const;
  bool IsDot_UnderscoreFile(const String &Name) const;
  bool fIsAZipfile(const String &Name) const;

private:
  struct FolderId {
    uint64_t device, inode;
    bool operator==(const FolderId &) const = default;
  };

  void EnsureExcludedFoldersHavePathmarks();
  void fCountAnySubDirectories(const String &Pattern, int32_t MaskIndex);
  void ZipSkipped(const String &Problem);
  void ZipPass(const String &Folder, TMySearchRecList *List);
  bool MaskPass(const String &Folder, TMySearchRecList *List);
  void AddMembers(TZipArchive &Archive, TMySearchRecList *List, const String &ZipFileName);
  bool Accepts(const TMySearchRec &SR, bool InAZip);

  String fFilemaskStr;
  String fZipExtension = u".zip";
  TWideMasks fZipMasks, fDirExcludeMasks, fExtExcludeMasks, fDirmasks, fFilemasks;
  int32_t ftotal_files_in_zips = 0;
  int32_t fzips_examined = 0;
  int32_t fsubdir_counter = 0;
  bool fCheckingMACOS_files;
  bool fTreatZipsLikeAnyOtherFile;
  bool fAcceptSystemFiles;
  bool fAcceptHiddenFiles;
  bool fProcessing_Files = true;
  bool fExamineZips;
  std::vector<FolderId> fPath; // the folders of the walk in progress, its head first
  String fLastZipProblem;
};

} // namespace textcore
