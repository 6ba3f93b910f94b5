// Volumes from the mount table; see volumes.h.
#include "platform/volumes.h"

#include "platform/file_names.h"
#include "platform/mount_table.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace textcore {

namespace {

// The canonical form of path, or empty with errno as realpath left it.
std::string RealPath(const std::string &path) {
  std::unique_ptr<char, decltype(&free)> resolved(realpath(path.c_str(), nullptr), &free);
  return resolved ? std::string(resolved.get()) : std::string();
}

bool Exists(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// The path one component up: "a/b" gives "a", "a" gives ".", and "/" or "." give "".
std::string ParentPath(const std::string &path) {
  size_t end = path.find_last_not_of('/');
  if (end == std::string::npos)
    return std::string();
  size_t slash = path.rfind('/', end);
  if (slash == std::string::npos)
    return path == "." ? std::string() : std::string(".");
  size_t keep = path.find_last_not_of('/', slash);
  return keep == std::string::npos ? std::string("/") : path.substr(0, keep + 1);
}

// The canonical path of path, or of its nearest ancestor that exists; empty when there is none.
// Only a missing part sends us up: a folder we may not read or a failing mount would otherwise
// answer for the volume above it.
std::string NearestExistingCanonical(StringView path) {
  std::string bytes = FileNameToBytes(path);
  if (bytes.find('\0') != std::string::npos)
    return std::string(); // would name another file
  while (!bytes.empty()) {
    std::string resolved = RealPath(bytes);
    if (!resolved.empty())
      return resolved;
    if (errno != ENOENT && errno != ENOTDIR)
      break;
    bytes = ParentPath(bytes);
  }
  return std::string();
}

std::string_view WithoutTrailingSlashes(std::string_view point) {
  while (point.size() > 1 && point.back() == '/')
    point.remove_suffix(1);
  return point;
}

// "/mnt/a" holds "/mnt/a" and "/mnt/a/x", never "/mnt/ab".
bool HoldsPath(std::string_view point, std::string_view path) {
  if (point == "/")
    return path.starts_with('/');
  return path.starts_with(point) && (path.size() == point.size() || path[point.size()] == '/');
}

bool IsNetworkMount(const TMountEntry &entry) {
  static constexpr std::string_view kNetworkTypes[] = {"nfs", "nfs4", "cifs",      "smb3", "smbfs",
                                                       "9p",  "ceph", "glusterfs", "afs"};
  if (std::find(std::begin(kNetworkTypes), std::end(kNetworkTypes), entry.fs_type) !=
      std::end(kNetworkTypes))
    return true;
  if (!entry.fs_type.starts_with("fuse."))
    return false;
  // sshfs and its kind name "host:dir" or "user@host:dir"; a local FUSE source has no host part.
  size_t colon = entry.source.find(':');
  bool names_host = colon != std::string::npos && colon > 0 && entry.source.find('/') > colon;
  return names_host || entry.source.starts_with("//");
}

// The kernel's name of the block device behind a "/dev/..." source ("/dev/mapper/x" resolves to
// "dm-0"), or empty. One component only, so that no table line can lead us elsewhere in sysfs.
std::string BlockDeviceName(const std::string &source) {
  if (!source.starts_with("/dev/"))
    return std::string();
  std::string resolved = RealPath(source);
  std::string_view device = resolved.starts_with("/dev/") ? resolved : source;
  std::string_view name = device.substr(5);
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos)
    return std::string();
  return std::string(name);
}

// Whether the device's disk is removable or on a USB bus. A partition's sysfs folder sits inside
// its disk's; telling a partition by its "partition" file rather than by the digits of its name
// keeps whole disks like loop0, md127 and sr0 whole.
bool IsRemovableDevice(const std::string &name, const std::string &sys_class_block) {
  std::string disk = RealPath(sys_class_block + "/" + name);
  if (disk.empty())
    return false;
  if (Exists(disk + "/partition"))
    disk = ParentPath(disk);
  std::string removable = ReadKernelFile(disk + "/removable", 16);
  return removable.substr(0, removable.find_last_not_of(" \n") + 1) == "1" ||
         disk.find("/usb") != std::string::npos;
}

TVolume MakeVolume(const TMountEntry &entry, std::string_view point,
                   const std::string &sys_class_block) {
  TVolume volume;
  volume.mount_point = BytesToFileName(point);
  volume.source = BytesToFileName(entry.source);
  volume.fs_type = BytesToFileName(entry.fs_type);
  volume.is_network = IsNetworkMount(entry);
  std::string device = volume.is_network ? std::string() : BlockDeviceName(entry.source);
  volume.is_removable = !device.empty() && IsRemovableDevice(device, sys_class_block);
  return volume;
}

// Stands in for a table that lacks "/" (an injected one, or a chroot's).
TVolume RootStandIn() {
  TVolume root;
  root.mount_point.push_back(u'/');
  return root;
}

// The visible mount at each mount point, keyed by the point: a later line hides an earlier one.
std::map<std::string_view, const TMountEntry *>
VisibleMounts(const std::vector<TMountEntry> &table) {
  std::map<std::string_view, const TMountEntry *> mounts;
  for (const TMountEntry &entry : table)
    if (entry.mount_point.starts_with('/'))
      mounts[WithoutTrailingSlashes(entry.mount_point)] = &entry;
  return mounts;
}

// A single file bind-mounted from a disk is no place to keep files. Only a local mount point is
// looked at, and none below a network mount, whose lookup could hang.
bool IsFileMount(std::string_view point, const std::vector<std::string_view> &network_points) {
  for (std::string_view network : network_points)
    if (HoldsPath(network, point))
      return false;
  struct stat st;
  return stat(std::string(point).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// A label's link name writes unsafe bytes as \xHH ("My\x20Disk").
std::string DecodeLabel(std::string_view name) {
  auto hex = [](char c) {
    if (c >= '0' && c <= '9')
      return c - '0';
    c = static_cast<char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
  };
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && hex(name[i + 2]) >= 0 &&
        hex(name[i + 3]) >= 0) {
      out.push_back(static_cast<char>(hex(name[i + 2]) * 16 + hex(name[i + 3])));
      i += 3;
    } else {
      out.push_back(name[i]);
    }
  }
  return out;
}

bool StatVolume(StringView path, struct statvfs &st) {
  std::string existing = NearestExistingCanonical(path);
  return !existing.empty() && statvfs(existing.c_str(), &st) == 0;
}

} // namespace

std::optional<TVolume> VolumeOfPath(StringView path) {
  std::string canonical = NearestExistingCanonical(path);
  if (canonical.empty())
    return std::nullopt;
  TMountSources sources = CurrentMountSources(true);
  std::vector<TMountEntry> table = ParseMountTable(sources.table_text);
  std::string_view best_point;
  const TMountEntry *best = nullptr;
  for (const auto &[point, entry] : VisibleMounts(table))
    if (HoldsPath(point, canonical) && point.size() > best_point.size()) {
      best_point = point;
      best = entry;
    }
  if (best == nullptr)
    return RootStandIn();
  return MakeVolume(*best, best_point, sources.sys_class_block);
}

std::vector<TVolume> RealVolumes() {
  TMountSources sources = CurrentMountSources(true);
  std::vector<TMountEntry> table = ParseMountTable(sources.table_text);
  auto mounts = VisibleMounts(table);
  std::vector<std::string_view> network_points;
  for (const auto &[point, entry] : mounts)
    if (IsNetworkMount(*entry))
      network_points.push_back(point);
  std::vector<TVolume> volumes;
  if (!mounts.contains("/"))
    volumes.push_back(RootStandIn());
  for (const auto &[point, entry] : mounts) {
    bool on_device = entry->source.starts_with("/dev/") && !IsFileMount(point, network_points);
    if (point == "/" || on_device || IsNetworkMount(*entry))
      volumes.push_back(MakeVolume(*entry, point, sources.sys_class_block));
  }
  return volumes;
}

int64_t FreeSpaceOfPath(StringView path) {
  struct statvfs st;
  if (!StatVolume(path, st))
    return -1;
  uint64_t unit = st.f_frsize != 0 ? st.f_frsize : st.f_bsize;
  uint64_t bytes;
  if (__builtin_mul_overflow(static_cast<uint64_t>(st.f_bavail), unit, &bytes) ||
      bytes > static_cast<uint64_t>(INT64_MAX))
    return INT64_MAX;
  return static_cast<int64_t>(bytes);
}

String VolumeLabel(const TVolume &volume) {
  std::string source = FileNameToBytes(volume.source);
  if (!source.starts_with("/dev/") || source.find('\0') != std::string::npos)
    return String();
  std::string device = RealPath(source);
  if (device.empty())
    return String();
  std::string folder = CurrentMountSources(false).dev_disk_by_label;
  struct CloseDir {
    void operator()(DIR *dir) const { closedir(dir); }
  };
  std::unique_ptr<DIR, CloseDir> dir(opendir(folder.c_str()));
  if (!dir)
    return String();
  while (const dirent *link = readdir(dir.get())) {
    std::string name = link->d_name;
    if (name != "." && name != ".." && RealPath(folder + "/" + name) == device)
      return BytesToFileName(DecodeLabel(name));
  }
  return String();
}

std::optional<uint32_t> SerialNumberOfVolume(StringView path) {
  struct statvfs st;
  if (!StatVolume(path, st))
    return std::nullopt;
  return static_cast<uint32_t>(st.f_fsid & 0xFFFFFFFFu);
}

} // namespace textcore
