#include "strings/file_name_text.h"

#include "platform/file_names.h"

#include <algorithm>

namespace textcore {

String AcceptableFilename(StringView s) {
  String out(s);
  for (char16_t &c : out) {
    if (c == u'>')
      c = u')';
    else if (c == u'<')
      c = u'(';
    else if (c < u' ' || InvalidFilenameChars.find(c) != StringView::npos)
      c = u'_';
  }
  return out;
}

String FilenameWithInsertion(StringView name, StringView insertion, bool before_ext) {
  if (!before_ext)
    return String(name) + String(insertion);
  const String ext = ExtractFileExt(name);
  return ChangeFileExt(name, u"") + String(insertion) + ext;
}

String BothSlashesExtractFilename(StringView s) {
  const size_t slash = s.find_last_of(u"/\\");
  return String(slash == StringView::npos ? s : s.substr(slash + 1));
}

String FolderNamesAsText(const TStringList &list, int32_t n) {
  String out;
  const int32_t last = std::min(n, list.Count() - 1);
  for (int32_t i = 0; i <= last; ++i) {
    if (i > 0)
      out.push_back(u'+');
    out += BothSlashesExtractFilename(ExcludeTrailingPathDelimiter(list.Strings(i)));
  }
  return out;
}

} // namespace textcore
