// OKToDeleteFile and DeleteAllFilesOn.
#include "files/delete_files.h"

#include "core/yield.h"
#include "files/folder_tests.h"
#include "messages/message_names.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/format.h"
#include "platform/ui_services.h"
#include "platform/volumes.h"

#include <algorithm>
#include <vector>

namespace textcore {

namespace {

bool Confirmed(const String &caption, const String &text) {
  TMessageBoxRequest request;
  request.caption = caption;
  request.text = text;
  request.kind = mtConfirmation;
  request.buttons = TMsgDlgButtons{mbOK, mbCancel};
  request.default_button = mbCancel;
  request.destroys_data = true;
  return ShowMessageBox(request) == mrOk;
}

// A mask with a ".." component reaches outside the folder it is applied to.
bool ReachesOutside(StringView mask) {
  size_t start = 0;
  while (start <= mask.size()) {
    size_t end = start;
    while (end < mask.size() && !IsPathDelimiter(mask[end]))
      ++end;
    if (mask.substr(start, end - start) == u"..")
      return true;
    start = end + 1;
  }
  return false;
}

// Whether folder is a volume's mount point ("/" included) that is not removable: emptying it
// would wipe a disk. The folder is taken canonically, so "/tmp/..", "//" or a link to "/" are
// seen for what they are.
bool IsFixedVolumeRoot(const String &folder, String &root) {
  const String canonical = CanonicalFileName(folder);
  const std::optional<TVolume> volume = VolumeOfPath(canonical.empty() ? folder : canonical);
  if (!volume)
    return false;
  root = IncludeTrailingPathDelimiter(volume->mount_point);
  return !canonical.empty() && ExcludeTrailingPathDelimiter(canonical) == volume->mount_point &&
         !volume->is_removable;
}

// Every folder below folder, each with a trailing delimiter, deepest first (post-order). Hidden
// folders are not visited, nor folders reached through a link.
void AddSubfolders(const String &folder, std::vector<String> &folders) {
  int error = 0;
  for (const TDirEntry &entry : ListDirectory(folder, u"*", faDirectory, error)) {
    MyYieldProcess();
    if ((entry.Attr & faDirectory) == 0 || entry.Link)
      continue;
    const String sub = folder + entry.Name + u"/";
    AddSubfolders(sub, folders);
    folders.push_back(sub);
  }
}

// The folder that a (sub-path) mask searches in, and the pattern it searches with.
void SearchOf(const String &folder, StringView mask, bool sub_path, String &where,
              String &pattern) {
  if (sub_path) {
    const String full = folder + String(mask.substr(1)); // folder ends with its delimiter
    where = ExtractFilePath(full);
    pattern = ExtractFileName(full);
  } else {
    where = folder;
    pattern = u"*." + String(mask);
  }
}

bool HoldsAFile(const String &folder) {
  int error = 0;
  for (const TDirEntry &entry : ListDirectory(folder, u"*", faAnyFile, error))
    if ((entry.Attr & faDirectory) == 0 && entry.Name[0] != u'.')
      return true;
  return false;
}

} // namespace

bool OKToDeleteFile(const String &file) {
  if (!DriveAndFileExist(file))
    return true;
  if (!Confirmed(_QMConfirmation, Format(_QMDeleteXQ, file)))
    return false;
  // Reported as done only when it is: a file that is still there was not deleted.
  return DeleteFile(file) || !DriveAndFileExist(file);
}

int32_t DeleteAllFilesOn(const String &folder, const String &mask, const String &move_to, bool move,
                         bool include_subfolders, bool remove_emptied_subfolders) {
  String m = mask;
  if (!m.empty() && m[0] == u'.')
    m.erase(0, 1);
  const bool sub_path = !m.empty() && IsPathDelimiter(m[0]);
  if (ReachesOutside(m))
    return 0;
  String root;
  if (IsFixedVolumeRoot(folder, root)) {
    TMessageBoxRequest refusal;
    refusal.caption = u"No Way!";
    refusal.text = u"Won't delete all files on " + root;
    refusal.kind = mtWarning;
    ShowMessageBox(refusal);
    return 0;
  }

  std::vector<String> folders{IncludeTrailingPathDelimiter(folder)};
  if (include_subfolders)
    AddSubfolders(folders[0], folders);
  std::vector<String> files;
  for (const String &each : folders) {
    String where, pattern;
    SearchOf(each, m, sub_path, where, pattern);
    int error = 0;
    for (const TDirEntry &entry : ListDirectory(where, pattern, 0, error)) {
      MyYieldProcess();
      files.push_back(IncludeTrailingPathDelimiter(where) + entry.Name);
      MyYieldProcess();
    }
  }
  if (files.empty())
    return 0;

  const String what = u"." + m;
  const String question =
      String(_QMFileAlreadyExists.Text()) + u"\r" +
      (files.size() == 1
           ? Format(_QMDeleteThe1XFileInY, what, folder)
           : Format(_QMDeleteAllXFilesInY, static_cast<int32_t>(files.size()), what, folder));
  if (!Confirmed(_QMSureQ, question))
    return 0;

  int32_t count = 0;
  std::vector<String> written; // destinations of this run's moves
  const String destination_folder = IncludeTrailingPathDelimiter(move_to);
  for (const String &file : files) {
    MyYieldProcess();
    if (!move) {
      if (!DeleteFile(file))
        RaiseLastOSError();
      ++count;
      continue;
    }
    // Two files of one name from two folders meet in the move-to folder: the second would
    // overwrite the first after its source was deleted. A move onto itself would empty it.
    const String destination = destination_folder + ExtractFileName(file);
    if (std::find(written.begin(), written.end(), destination) != written.end() ||
        SameFile(file, destination))
      continue;
    if (CopyFileKeepingTime(file, destination, false)) {
      written.push_back(destination);
      if (DeleteFile(file))
        ++count;
    }
  }

  if (remove_emptied_subfolders)
    for (size_t i = 1; i < folders.size(); ++i) {
      String tested = folders[i];
      if (sub_path) {
        String pattern;
        SearchOf(folders[i], m, true, tested, pattern);
      }
      if (!HoldsAFile(tested))
        RemoveDir(tested);
    }
  return count;
}

int32_t DeleteAllFilesOn(const String &folder, const String &mask) {
  return DeleteAllFilesOn(folder, mask, String(), false, true, true);
}

} // namespace textcore
