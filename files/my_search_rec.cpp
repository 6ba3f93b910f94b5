// The comparisons and checks of found-file records.
#include "files/my_search_rec.h"

#include "platform/file_names.h"

#include <cmath>

namespace textcore {

namespace {

template <typename T> int32_t Ordered(T a, T b) { return a < b ? -1 : (b < a ? 1 : 0); }

int32_t NewestFirst(TDateTime a, TDateTime b) {
  if (std::isnan(a) || std::isnan(b))
    return std::isnan(a) == std::isnan(b) ? 0 : (std::isnan(a) ? -1 : 1);
  return Ordered(b, a);
}

} // namespace

bool SameSearchRec(const TMySearchRec &a, const TMySearchRec &b) {
  return a.Size == b.Size && a.DateTime == b.DateTime && a.ShortName == b.ShortName;
}

int32_t CompareSearchRecs(TMySearchRecSort sort, const TMySearchRec &a, const TMySearchRec &b) {
  switch (sort) {
  case sr_sort_by_name:
    return CompareText(a.ShortName, b.ShortName);
  case sr_sort_by_date:
    return NewestFirst(a.DateTime, b.DateTime);
  case sr_sort_by_size:
    return Ordered(a.Size, b.Size);
  case sr_sort_by_attr:
    return Ordered(a.Attr, b.Attr);
  case sr_sort_by_extension:
    return CompareText(ExtractFileExt(a.ShortName), ExtractFileExt(b.ShortName));
  default:
    return 0;
  }
}

bool IsSafeShortName(StringView name) {
  if (name.empty() || IsPathDelimiter(name[0]) || name.find(u'\0') != StringView::npos)
    return false;
  size_t start = 0;
  for (size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || IsPathDelimiter(name[i])) {
      if (name.substr(start, i - start) == u"..")
        return false;
      start = i + 1;
    }
  }
  return true;
}

} // namespace textcore
