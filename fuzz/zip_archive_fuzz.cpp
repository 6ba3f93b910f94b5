// Zip archives from untrusted bytes: opening, listing every entry, finding each by its name and
// extracting it either fail with EZipError or give what the archive holds, within the limit.
#include "fuzz/fuzz_check.h"
#include "platform/exceptions.h"
#include "platform/zip_archive.h"
#include "platform/zip_extract_limit.h"

#include <cstdint>
#include <string>

using namespace textcore;

namespace {

// Enough to see every kind of entry without spending the run on one long directory.
constexpr int64_t kEntriesExamined = 64;
constexpr int64_t kLimit = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  SetZipExtractLimitForTests(kLimit);
  TZipArchive archive;
  try {
    archive.OpenArchiveFromBytes(std::string(reinterpret_cast<const char *>(data), size));
  } catch (const EZipError &) {
    FUZZ_CHECK(!archive.Active());
    return 0;
  }
  archive.ArchiveComment();
  for (int64_t i = 0; i < archive.GetEntryCount() && i < kEntriesExamined; ++i) {
    TZipEntry entry;
    if (!archive.ReadEntry(i, entry))
      continue;
    FUZZ_CHECK(entry.Size >= 0);
    if (!entry.Name.empty()) {
      const int64_t found = archive.FindEntry(entry.Name);
      FUZZ_CHECK(found >= 0 && found <= i);
    }
    try {
      const std::string bytes = archive.ExtractToString(i);
      FUZZ_CHECK(static_cast<int64_t>(bytes.size()) == entry.Size);
      FUZZ_CHECK(entry.Size <= kLimit);
    } catch (const EZipError &) {
    }
  }
  return 0;
}
