// Drive letters over the volume layer.
#include "files/drive_letters.h"

#include "platform/file_names.h"
#include "platform/nls_case.h"
#include "platform/volumes.h"

#include <optional>

namespace textcore {

namespace {

constexpr uint32_t kDriveC = 1u << 2;

} // namespace

uint32_t DriveBits = kDriveC;

bool IsDriveRoot(StringView path) {
  const char16_t letter = path.empty() ? u'\0' : UpperCaseOfUnit(path[0]);
  return letter >= u'A' && letter <= u'Z' && path.size() >= 2 && path[1] == u':' &&
         (path.size() == 2 || (path.size() == 3 && IsPathDelimiter(path[2])));
}

bool ValidDriveW(char16_t letter) {
  DriveBits = kDriveC;
  return UpperCaseOfUnit(letter) == u'C' && FreeSpaceOfPath(u"/") >= 0;
}

bool ValidDrive(char letter) { return ValidDriveW(static_cast<char16_t>(letter)); }

bool Fixed_Drive(const String &path) {
  if (IsDriveRoot(path))
    return UpperCaseOfUnit(path[0]) == u'C' && Fixed_Drive(u"/");
  const std::optional<TVolume> volume = VolumeOfPath(path);
  return volume && !volume->is_removable && !volume->is_network;
}

} // namespace textcore
