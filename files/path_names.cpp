// Name and path helpers.
#include "files/path_names.h"

#include "files/folder_tests.h"
#include "platform/file_names.h"

#include <algorithm>

namespace textcore {

namespace {

constexpr StringView kNotInFileNames = u"\\/:|<>^+=?[]\"*";

} // namespace

String CleanedUpFilename(StringView file_name) {
  size_t start = 0;
  for (size_t i = file_name.size(); i > 0; --i)
    if (IsPathDelimiter(file_name[i - 1]) || file_name[i - 1] == u':') {
      start = i;
      break;
    }
  String out;
  for (char16_t c : file_name.substr(start))
    if (c >= 0x20 && kNotInFileNames.find(c) == StringView::npos)
      out.push_back(c);
  return out;
}

String RemoveDotsFromFilename(StringView text) {
  String out(text);
  std::erase(out, u'.');
  return out;
}

int32_t PathDelimiterCount(StringView text) {
  return static_cast<int32_t>(std::count_if(text.begin(), text.end(), IsPathDelimiter));
}

String NameUpToXPathDelimiters(StringView text, int32_t x) {
  int32_t seen = 0;
  for (size_t i = 0; i < text.size() && x > 0; ++i)
    if (IsPathDelimiter(text[i]) && ++seen == x)
      return String(text.substr(0, i));
  return String();
}

String NewSubFolderFrom(StringView file_name, StringView base_folder) {
  const String folder = ExtractFilePath(file_name);
  const String base = IncludeTrailingPathDelimiter(base_folder);
  // A file outside the base would give a wrong path, or one with "..", to the caller.
  const bool inside =
      folder.size() >= base.size() &&
      std::equal(base.begin(), base.end(), folder.begin(), [](char16_t a, char16_t b) {
        return a == b || (IsPathDelimiter(a) && IsPathDelimiter(b));
      });
  return inside ? folder.substr(base.size()) : String();
}

String FileFilterWithinFilterText(StringView caption) {
  StringView filter = caption;
  const size_t open = caption.find(u'(');
  if (open != StringView::npos) {
    const size_t close = caption.find(u')', open);
    if (close != StringView::npos)
      filter = caption.substr(open + 1, close - open - 1);
  }
  String trimmed = Trim(filter);
  return trimmed.empty() ? String(u"*.*") : trimmed;
}

String FormattedFNAsParameter(StringView text) {
  if (!text.empty() && DriveAndFileExist(String(text)))
    return u"\"" + String(text) + u"\"";
  return String(text);
}

String GetLongPathNameW(StringView path) { return ExpandFileName(path); }

} // namespace textcore
