// The mount-table parser and the sources of the volume functions; see mount_table.h.
#include "platform/mount_table.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace textcore {

namespace {

// Tables this large hold tens of thousands of mounts; what lies beyond is dropped whole lines
// at a time, never cut inside one.
constexpr size_t kMountTableLimit = 16u << 20;

std::mutex gSourcesLock;
const TScopedMountTable *gInjected = nullptr;

// The four escapes the kernel writes into mount-table fields.
std::string UnescapeField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    std::string_view code = field[i] == '\\' ? field.substr(i + 1, 3) : std::string_view();
    char c = code == "040"   ? ' '
             : code == "011" ? '\t'
             : code == "012" ? '\n'
             : code == "134" ? '\\'
                             : 0;
    if (c != 0)
      i += 3;
    out.push_back(c != 0 ? c : field[i]);
  }
  return out;
}

} // namespace

std::vector<TMountEntry> ParseMountTable(std::string_view text) {
  std::vector<TMountEntry> table;
  while (!text.empty()) {
    size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    std::string fields[4];
    size_t count = 0;
    for (size_t start = line.find_first_not_of(" \t"); start != std::string_view::npos && count < 4;
         start = line.find_first_not_of(" \t", start)) {
      size_t stop = std::min(line.find_first_of(" \t", start), line.size());
      fields[count++] = UnescapeField(line.substr(start, stop - start));
      start = stop;
    }
    if (count == 4)
      table.push_back(
          {std::move(fields[0]), std::move(fields[1]), std::move(fields[2]), std::move(fields[3])});
  }
  return table;
}

// procfs and sysfs report no size, so a file is read to its end. O_NONBLOCK keeps a FIFO planted
// in an injected tree from waiting for a writer.
std::string ReadKernelFile(const std::string &path, size_t limit) {
  std::string out;
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0)
    return out;
  char buffer[16384];
  while (out.size() < limit) {
    ssize_t n = read(fd, buffer, std::min(sizeof buffer, limit - out.size()));
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    out.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return out;
}

TMountSources CurrentMountSources(bool with_table) {
  {
    std::lock_guard<std::mutex> lock(gSourcesLock);
    if (gInjected != nullptr) {
      TMountSources sources = gInjected->Sources();
      if (!with_table)
        sources.table_text.clear();
      return sources;
    }
  }
  std::string table;
  if (with_table) {
    table = ReadKernelFile("/proc/self/mounts", kMountTableLimit);
    if (table.size() == kMountTableLimit)
      table.erase(table.rfind('\n') + 1); // npos + 1 is 0: not one whole line
  }
  return {std::move(table), "/sys/class/block", "/dev/disk/by-label"};
}

TScopedMountTable::TScopedMountTable(std::string table_text, std::string sys_class_block,
                                     std::string dev_disk_by_label)
    : fSources{std::move(table_text), std::move(sys_class_block), std::move(dev_disk_by_label)} {
  std::lock_guard<std::mutex> lock(gSourcesLock);
  fPrevious = gInjected;
  gInjected = this;
}

TScopedMountTable::~TScopedMountTable() {
  std::lock_guard<std::mutex> lock(gSourcesLock);
  gInjected = fPrevious;
}

} // namespace textcore
