// Volumes: what drive letters, drive types, free space and volume information were, told from
// the mount table.
//
// The volume of a path is the mount whose point is the longest component-wise prefix of the
// path's canonical form (a path that does not exist is taken at its nearest existing ancestor);
// of two lines with the same mount point the later one is the visible mount. "/" is the volume
// that "c:" was. A volume is networked when its file system is one of the network kinds, or a
// FUSE file system whose source names a host ("host:/dir", "//server/share"); it is removable
// when its block device is on a disk that the kernel calls removable or that hangs off a USB bus.
//
// Nothing here shows a message or raises: a failure is an empty, false or -1 result. Nothing
// touches a network mount unless the caller asked about a path on it, since a hard NFS mount
// whose server is gone hangs whoever looks. Tests feed their own table and sysfs tree through
// TScopedMountTable (mount_table.h).
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace textcore {

struct TVolume {
  String mount_point; // no trailing "/" but for "/" itself
  String source;      // the device, or the remote name of a network share
  String fs_type;
  bool is_network = false;
  bool is_removable = false;
};

// The volume that holds path; empty when no part of the path can be resolved (an empty path, a
// NUL in it, a folder that cannot be read or a mount that fails on the way).
std::optional<TVolume> VolumeOfPath(StringView path);

// The places a user keeps files, sorted by mount point: mounts of block devices and network file
// systems, and "/" always (whatever it is: a container's root is an overlay). Pseudo file
// systems, tmpfs and overlays elsewhere, and single files bind-mounted from a disk (a
// container's /etc/hosts) are left out. Looks at no network mount.
std::vector<TVolume> RealVolumes();

// Bytes free to the caller (not those kept for root) on the volume of path, or -1.
int64_t FreeSpaceOfPath(StringView path);

// The label of the volume's device, from the links in /dev/disk/by-label; empty when it has none
// or is no device.
String VolumeLabel(const TVolume &volume);

// The serial number of the volume of path: the low 32 bits of its file-system id.
std::optional<uint32_t> SerialNumberOfVolume(StringView path);

} // namespace textcore
