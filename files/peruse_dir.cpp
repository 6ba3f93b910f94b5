// TPeruseDir: its masks, the tests of names, and the walk of subfolders.
#include "files/peruse_dir.h"

#include "core/yield.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"

#include <algorithm>

namespace textcore {

namespace {

String WithSlashes(StringView text) {
  String out(text);
  std::replace(out.begin(), out.end(), u'\\', u'/');
  return out;
}

bool IsAbsoluteMask(StringView mask) {
  const bool drive = mask.size() >= 2 && mask[1] == u':' &&
                     ((mask[0] >= u'a' && mask[0] <= u'z') || (mask[0] >= u'A' && mask[0] <= u'Z'));
  return (!mask.empty() && mask[0] == u'/') || drive;
}

} // namespace

TPeruseDir::TPeruseDir(const String &FileMasks, const String &DirMasks, const String &ZipMasks,
                       const String &DirExcludeMasks, const String &ExtExcludeMasks,
                       bool CheckingMACOS_files, bool ExamineZips, bool TreatZipsLikeAnyOtherFile,
                       bool AcceptSystemFiles, bool AcceptHiddenFiles)
    : fFilemaskStr(FileMasks), fCheckingMACOS_files(CheckingMACOS_files),
      fTreatZipsLikeAnyOtherFile(TreatZipsLikeAnyOtherFile), fAcceptSystemFiles(AcceptSystemFiles),
      fAcceptHiddenFiles(AcceptHiddenFiles), fExamineZips(ExamineZips) {
  BuildAMask(fFilemasks, FileMasks);
  BuildAMask(fDirmasks, DirMasks);
  BuildAMask(fZipMasks, ZipMasks);
  BuildAMask(fDirExcludeMasks, DirExcludeMasks);
  BuildAMask(fExtExcludeMasks, ExtExcludeMasks);
  // Stored paths are matched with "/" between their folders, whatever the user typed.
  for (String &mask : fZipMasks)
    mask = WithSlashes(mask);
  EnsureExcludedFoldersHavePathmarks();
}

// A relative exclusion is matched at any depth, so it gets a leading "*/"; an absolute one names
// one folder and stays as it is (prefixed, it could never match).
void TPeruseDir::EnsureExcludedFoldersHavePathmarks() {
  for (String &mask : fDirExcludeMasks) {
    mask = WithSlashes(mask);
    while (mask.size() > 1 && mask.back() == u'/')
      mask.pop_back();
    if (!mask.empty() && !IsAbsoluteMask(mask) && !mask.starts_with(u"*/"))
      mask = u"*/" + mask;
  }
}

bool TPeruseDir::IsExcludedFolder(const String &FullPath) const {
  return WhereInAMask(ExcludeTrailingPathDelimiter(ExpandFileName(FullPath)), fDirExcludeMasks) >=
         0;
}

bool TPeruseDir::HasExcludedExtension(const String &Name) const {
  const String extension = ExtractFileExt(Name);
  return !extension.empty() && WhereInAMask(extension, fExtExcludeMasks) >= 0;
}

bool TPeruseDir::IsDot_UnderscoreFile(const String &Name) const { return Name.starts_with(u"._"); }

bool TPeruseDir::fIsAZipfile(const String &Name) const {
  const size_t n = fZipExtension.size();
  return Name.size() > n &&
         LowerCase(StringView(Name).substr(Name.size() - n)) == LowerCase(fZipExtension);
}

void TPeruseDir::ProcessAllSubDirectories(const String &Dir) {
  // Saved and restored, so that an event handler may start a walk of its own.
  std::vector<FolderId> outer = std::move(fPath);
  fPath.clear();
  TDirEntry head;
  if (EntryOfPath(Dir, head))
    fPath.push_back({head.Device, head.Inode});
  for (size_t j = 0; j < fDirmasks.size() && fProcessing_Files; ++j)
    fCountAnySubDirectories(IncludeTrailingPathDelimiter(Dir) + fDirmasks[j],
                            static_cast<int32_t>(j));
  fPath = std::move(outer);
}

void TPeruseDir::fCountAnySubDirectories(const String &Pattern, int32_t MaskIndex) {
  const String &mask = fDirmasks[static_cast<size_t>(MaskIndex)];
  const String folder = ExtractFilePath(Pattern);
  MyYieldProcess();
  int error = 0;
  const std::vector<TDirEntry> entries =
      ListDirectory(folder, ExtractFileName(Pattern), faDirectory | faHidden, error);
  for (const TDirEntry &entry : entries) {
    MyYieldProcess();
    const bool subfolder = (entry.Attr & faDirectory) != 0 && !entry.Name.starts_with(u".") &&
                           (entry.Attr & faHidden) == 0 && MatchesMask(entry.Name, mask);
    const String full_path = folder + entry.Name;
    const FolderId id{entry.Device, entry.Inode};
    if (subfolder && !IsExcludedFolder(full_path) &&
        std::find(fPath.begin(), fPath.end(), id) == fPath.end()) {
      ++fsubdir_counter;
      if (OnFoundDir)
        OnFoundDir(full_path);
      MyYieldProcess();
      // A stopped walk enters no more folders.
      if (fProcessing_Files) {
        fPath.push_back(id);
        fCountAnySubDirectories(full_path + PathDelim + mask, MaskIndex);
        fPath.pop_back();
      }
    }
    if (!fProcessing_Files)
      break;
  }
}

} // namespace textcore
