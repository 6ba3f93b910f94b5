// The mount table: the parser of the kernel's /proc/self/mounts, and the places the volume
// functions (volumes.h) read the table and the block-device facts from, which tests replace.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace textcore {

// One line of the mount table with its fields unescaped; bytes as the kernel gives them.
struct TMountEntry {
  std::string source; // "/dev/sdb1", "server:/export", "//server/share", "proc", ...
  std::string mount_point;
  std::string fs_type;
  std::string options;

  bool operator==(const TMountEntry &) const = default;
};

// The lines of a table in the form of /proc/self/mounts, in order. Fields are separated by blanks;
// in a field \040, \011, \012 and \134 stand for space, tab, newline and backslash, and any
// other backslash is itself. A line with fewer than four fields is damaged and skipped.
std::vector<TMountEntry> ParseMountTable(std::string_view text);

struct TMountSources {
  std::string table_text;
  std::string sys_class_block;   // the folder of a link per block device, named by the kernel
  std::string dev_disk_by_label; // the folder of a link per labelled device, named by the label
};

// The sources injected by a test, or the system's: /proc/self/mounts read afresh each time
// (mounts come and go while a program runs; with_table false skips reading it),
// /sys/class/block and /dev/disk/by-label.
TMountSources CurrentMountSources(bool with_table);

// The bytes of a kernel file, at most limit of them; empty when it cannot be read.
std::string ReadKernelFile(const std::string &path, size_t limit);

// For tests: while it lives, CurrentMountSources gives these. The previous sources come back when
// it goes.
class TScopedMountTable {
public:
  TScopedMountTable(std::string table_text, std::string sys_class_block,
                    std::string dev_disk_by_label);
  ~TScopedMountTable();
  TScopedMountTable(const TScopedMountTable &) = delete;
  TScopedMountTable &operator=(const TScopedMountTable &) = delete;

  const TMountSources &Sources() const { return fSources; }

private:
  TMountSources fSources;
  const TScopedMountTable *fPrevious;
};

} // namespace textcore
