// Drives and volumes over the platform's volume layer.
#include "files/drives.h"

#include "platform/file_names.h"
#include "platform/format.h"
#include "platform/volumes.h"

#include <algorithm>

namespace textcore {

namespace {

String AsDrive(const String &mount_point) { return IncludeTrailingPathDelimiter(mount_point); }

String UpperCased(StringView text) {
  String out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; });
  return out;
}

} // namespace

int32_t NumberOfDrives() { return static_cast<int32_t>(RealVolumes().size()); }

int32_t NumberOfNetworkDrives() {
  const std::vector<TVolume> volumes = RealVolumes();
  return static_cast<int32_t>(
      std::count_if(volumes.begin(), volumes.end(), [](const TVolume &v) { return v.is_network; }));
}

String AllNetworkDrives() {
  String joined;
  for (const TVolume &volume : RealVolumes())
    if (volume.is_network)
      joined += (joined.empty() ? u"" : u",") + AsDrive(volume.mount_point);
  return joined;
}

String DriveWithMostFreeSpace() {
  int64_t best = 0;
  String drive;
  for (const TVolume &volume : RealVolumes()) {
    if (volume.is_network || volume.is_removable)
      continue;
    const int64_t free = FreeSpaceOfPath(volume.mount_point);
    if (free > best) {
      best = free;
      drive = AsDrive(volume.mount_point);
    }
  }
  return drive;
}

String VolumeID(char16_t drive_letter) {
  if (drive_letter != u'c' && drive_letter != u'C')
    return u"[]";
  const std::optional<TVolume> volume = VolumeOfPath(u"/");
  return u"[" + (volume ? UpperCased(VolumeLabel(*volume)) : String()) + u"]";
}

String NetworkVolume(char16_t drive_letter) {
  if (drive_letter == u'c' || drive_letter == u'C')
    if (const std::optional<TVolume> volume = VolumeOfPath(u"/"); volume && volume->is_network)
      return UpperCased(volume->source);
  return VolumeID(drive_letter);
}

TNameAndSerialNumber DiskVolumeNameAndSerialNo(const String &root) {
  TNameAndSerialNumber result;
  const std::optional<TVolume> volume = VolumeOfPath(root);
  const std::optional<uint32_t> serial = SerialNumberOfVolume(root);
  if (!volume || !serial)
    return result;
  const String label = VolumeLabel(*volume);
  std::copy_n(label.begin(), std::min(label.size(), result.name.size() - 1), result.name.begin());
  result.number = *serial;
  return result;
}

uint32_t VolumeSerialNumber(const String &root) { return DiskVolumeNameAndSerialNo(root).number; }

String VolumeSerialNumberStr(const String &root) {
  const uint32_t serial = VolumeSerialNumber(root);
  return IntToHex(serial >> 16, 4) + u"-" + IntToHex(serial & 0xFFFF, 4);
}

} // namespace textcore
