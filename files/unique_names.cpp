// ForcedToBeNewFile and its counter.
#include "files/unique_names.h"

#include "core/yield.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"

#include <algorithm>
#include <limits>

namespace textcore {

namespace {

int32_t batch_file_counter = 0;

bool NameIsTaken(const String &name) {
  if (name.empty())
    return false;
  TDirEntry entry;
  if (EntryOfPath(name, entry))
    return true;
  // A name that ends in dots named, on Windows, the file without them: "readme_001." stays taken
  // while "readme_001" exists, so a name is never handed out beside the file it meant.
  const size_t last = name.find_last_not_of(u'.');
  return last != String::npos && last + 1 < name.size() && !IsPathDelimiter(name[last]) &&
         EntryOfPath(name.substr(0, last + 1), entry);
}

int32_t NextCounterValue() {
  batch_file_counter =
      batch_file_counter == std::numeric_limits<int32_t>::max() ? 1 : batch_file_counter + 1;
  return batch_file_counter;
}

String ThreeDigitsAtLeast(int32_t n) {
  String digits = IntToStr(n);
  if (digits.size() < 3)
    digits.insert(0, 3 - digits.size(), u'0');
  return digits;
}

} // namespace

bool ForcedToBeNewFile(String &name) {
  if (!NameIsTaken(name))
    return true;
  const String folder = ExtractFilePath(name);
  String file = name.substr(folder.size());
  if (file.find(u'.') == String::npos)
    file += u'.';
  const String extension = file.substr(file.rfind(u'.'));
  String candidate = folder + file;
  while (NameIsTaken(candidate)) {
    MyYieldProcess();
    file.erase(file.rfind(u'.'));
    file += u"_" + ThreeDigitsAtLeast(NextCounterValue()) + extension;
    candidate = folder + file;
  }
  name = candidate;
  return true;
}

int32_t GetBatchFileStartNumber() { return batch_file_counter; }

void SetBatchFileStartNumberTo(int32_t n) { batch_file_counter = std::max(n, 0); }

} // namespace textcore
