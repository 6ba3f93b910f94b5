// Names, paths and attributes.
#include "files/path_facts.h"

#include "files/drive_letters.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"

#include <algorithm>

namespace textcore {

bool FileNameHasWildCards(StringView name) { return name.find_first_of(u"*?") != StringView::npos; }

bool sIsADirectory(const String &name) {
  const int32_t attr = FileGetAttr(name);
  return attr != -1 && (attr & faDirectory) != 0;
}

String NormalisedPath(StringView path) {
  if (path.empty() || IsDriveRoot(path))
    return String(path);
  return ExcludeTrailingPathDelimiter(ExpandFileName(path));
}

void NormalisedPathW(StringView path, maxpathwidechar &buffer) {
  buffer.fill(u'\0');
  const String normalised = NormalisedPath(path);
  if (normalised.size() < buffer.size())
    std::copy(normalised.begin(), normalised.end(), buffer.begin());
}

String AttributesToStr(uint16_t attr) {
  static constexpr struct {
    uint16_t bit;
    char16_t letter;
  } kLetters[] = {{faReadOnly, u'r'},
                  {faArchive, u'a'},
                  {faSysFile, u's'},
                  {faHidden, u'h'},
                  {faDirectory, u'd'}};
  String letters;
  for (const auto &each : kLetters)
    if ((attr & each.bit) != 0)
      letters += each.letter;
  return letters;
}

} // namespace textcore
