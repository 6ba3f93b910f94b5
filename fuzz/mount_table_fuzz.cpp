// The mount-table parser and the volume of a path over whatever table it reads: every field comes
// from the input and escapes back into a table that reads the same, and the volume is the
// longest mount point that holds the path.
#include "fuzz/fuzz_check.h"
#include "platform/file_names.h"
#include "platform/mount_table.h"
#include "platform/volumes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace textcore;

namespace {

std::string Escaped(const std::string &field) {
  std::string out;
  for (char c : field)
    out += c == ' '    ? "\\040"
           : c == '\t' ? "\\011"
           : c == '\n' ? "\\012"
           : c == '\\' ? "\\134"
                       : std::string(1, c);
  return out;
}

bool Holds(std::string point, const std::string &path) {
  while (point.size() > 1 && point.back() == '/')
    point.pop_back();
  return point == "/" || path == point || path.starts_with(point + "/");
}

// A folder that every Debian machine has, so that the seeds' mount points around it matter.
const std::string &QueriedPath() {
  static const std::string path = [] {
    char *resolved = realpath("/usr/share", nullptr);
    std::string out = resolved ? resolved : "/";
    free(resolved);
    return out;
  }();
  return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  std::string text(reinterpret_cast<const char *>(data), size);
  std::vector<TMountEntry> table = ParseMountTable(text);

  size_t field_bytes = 0;
  std::string again;
  for (const TMountEntry &e : table) {
    for (const std::string *field : {&e.source, &e.mount_point, &e.fs_type, &e.options}) {
      FUZZ_CHECK(!field->empty());
      field_bytes += field->size();
    }
    again += Escaped(e.source) + " " + Escaped(e.mount_point) + " " + Escaped(e.fs_type) + " " +
             Escaped(e.options) + " 0 0\n";
  }
  FUZZ_CHECK(field_bytes <= size); // an escape only ever shrinks
  FUZZ_CHECK(ParseMountTable(again) == table);

  // No sysfs tree or labels: nothing outside the table is read for them.
  TScopedMountTable injected(text, "/nonexistent/sys/class/block", "/nonexistent/by-label");
  const std::string &path = QueriedPath();
  std::optional<TVolume> volume = VolumeOfPath(BytesToFileName(path));
  FUZZ_CHECK(volume.has_value());
  std::string point = FileNameToBytes(volume->mount_point);
  FUZZ_CHECK(Holds(point, path));
  FUZZ_CHECK(point == "/" || point.back() != '/');
  bool listed = point == "/";
  for (const TMountEntry &e : table) {
    if (!e.mount_point.starts_with('/') || !Holds(e.mount_point, path))
      continue;
    std::string trimmed = e.mount_point.substr(0, e.mount_point.find_last_not_of('/') + 1);
    FUZZ_CHECK(trimmed.size() <= point.size());
    listed = listed || trimmed == point;
  }
  FUZZ_CHECK(listed);
  FUZZ_CHECK(!volume->is_removable);

  std::vector<TVolume> volumes = RealVolumes();
  FUZZ_CHECK(!volumes.empty() && volumes.front().mount_point == u"/");
  for (size_t i = 1; i < volumes.size(); ++i)
    FUZZ_CHECK(FileNameToBytes(volumes[i - 1].mount_point) <
               FileNameToBytes(volumes[i].mount_point));
  return 0;
}
