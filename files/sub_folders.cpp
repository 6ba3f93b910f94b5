// ListOfSubFolders.
#include "files/sub_folders.h"

#include "core/yield.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace textcore {

namespace {

using FolderIdentity = std::pair<uint64_t, uint64_t>; // device and inode

// Adds the folders below folder (which ends with "/"), each followed by its own. on_path holds
// the identities of folder and of every folder above it.
void AddFoldersBelow(const String &folder, std::vector<FolderIdentity> &on_path,
                     TStringList &list) {
  int error = 0;
  for (const TDirEntry &entry : ListDirectory(folder, u"*", faDirectory, error)) {
    MyYieldProcess();
    if ((entry.Attr & faDirectory) == 0)
      continue;
    const FolderIdentity identity{entry.Device, entry.Inode};
    if (std::find(on_path.begin(), on_path.end(), identity) != on_path.end())
      continue;
    const String sub = folder + entry.Name;
    list.Add(sub);
    on_path.push_back(identity);
    AddFoldersBelow(sub + u"/", on_path, list);
    on_path.pop_back();
  }
}

} // namespace

std::unique_ptr<TStringList> ListOfSubFolders(const String &folder, bool include_all) {
  auto list = std::make_unique<TStringList>();
  list->Add(folder);
  // No folder is no folder to search; it must not become the root.
  if (!include_all || folder.empty())
    return list;
  String base = folder;
  std::replace(base.begin(), base.end(), u'\\', u'/');
  base = IncludeTrailingPathDelimiter(base);
  std::vector<FolderIdentity> on_path;
  if (TDirEntry top; EntryOfPath(base, top))
    on_path.emplace_back(top.Device, top.Inode);
  AddFoldersBelow(base, on_path, *list);
  return list;
}

} // namespace textcore
