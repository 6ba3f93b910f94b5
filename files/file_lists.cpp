// File lists over the platform's directory search.
#include "files/file_lists.h"

#include "core/yield.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"

#include <algorithm>
#include <vector>

namespace textcore {

namespace {

std::unique_ptr<TStringList> FilesMatching(const String &folder, StringView pattern,
                                           const String &left_out) {
  auto list = std::make_unique<TStringList>();
  const String base = IncludeTrailingPathDelimiter(folder.empty() ? String(u".") : folder);
  int error = 0;
  for (const TDirEntry &entry : ListDirectory(base, pattern, 0, error)) {
    const String path = base + entry.Name;
    if (path == left_out)
      continue;
    list->Add(path);
    MyYieldProcess();
  }
  return list;
}

char16_t FoldAToZ(char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; }

int CompareFoldingAToZ(StringView a, StringView b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i)
    if (FoldAToZ(a[i]) != FoldAToZ(b[i]))
      return FoldAToZ(a[i]) < FoldAToZ(b[i]) ? -1 : 1;
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

struct Item {
  String path;
  TObject *object;
  TDateTime time;
};

} // namespace

std::unique_ptr<TStringList> ListOfAllFilesIn(const String &folder) {
  return FilesMatching(folder, u"*.*", String());
}

std::unique_ptr<TStringList> ListOfAllFilesMatchingExt(const String &file_name,
                                                       StringView extension, bool include_self) {
  // Normalised first, so that "./x.txt" finds itself among the full paths it is compared with.
  const String name = ExpandFileName(file_name);
  return FilesMatching(ExtractFileDir(name), ExtractFileName(ChangeFileExt(name, extension)),
                       include_self ? String() : name);
}

void SortListOfFiles(TStringList &list, bool by_date, bool ascending) {
  if (list.Sorted())
    return; // a sorted list keeps its own order, as its custom sort would
  std::vector<Item> items;
  items.reserve(static_cast<size_t>(list.Count()));
  for (int32_t i = 0; i < list.Count(); ++i) {
    Item item{list.Strings(i), list.Objects(i), 0};
    // Read once: a time read at each comparison may change, or vanish, in the middle of a sort,
    // and an inconsistent order is no order at all.
    if (by_date && !FileLastAccessTime(item.path, item.time))
      item.time = 0;
    items.push_back(std::move(item));
  }
  const auto before = [by_date, ascending](const Item &a, const Item &b) {
    int order = 0;
    if (by_date) {
      order = a.time < b.time ? -1 : a.time > b.time ? 1 : 0;
    } else {
      order = CompareFoldingAToZ(ExtractFileName(a.path), ExtractFileName(b.path));
      if (order == 0)
        order = CompareFoldingAToZ(a.path, b.path);
    }
    return ascending ? order < 0 : order > 0;
  };
  std::stable_sort(items.begin(), items.end(), before);
  // Written back in place: a list that owns its objects must not free them on the way.
  list.BeginUpdate();
  for (size_t i = 0; i < items.size(); ++i) {
    list.Put(static_cast<int32_t>(i), items[i].path);
    list.PutObject(static_cast<int32_t>(i), items[i].object);
  }
  list.EndUpdate();
}

} // namespace textcore
