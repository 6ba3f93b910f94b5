// Word-processor documents from untrusted bytes: as an archive, its document part is found and
// its text extracted within the limit, or the archive is refused with a reason; as document XML,
// the plain scan gives text no longer than the bytes it came from.
#include "fuzz/fuzz_check.h"
#include "platform/exceptions.h"
#include "platform/zip_archive.h"
#include "strings/docx_text.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace textcore;

namespace {

constexpr int64_t kLimit = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  FUZZ_CHECK(DOCXDocumentText(bytes).size() <= size);
  TZipArchive archive;
  try {
    archive.OpenArchiveFromBytes(std::string(bytes));
  } catch (const EZipError &) {
    return 0;
  }
  String text, reason;
  const bool read = DOCXArchiveText(archive, text, reason, kLimit);
  FUZZ_CHECK(read == reason.empty());
  FUZZ_CHECK(static_cast<int64_t>(text.size()) <= kLimit);
  FUZZ_CHECK(read || text.empty());
  return 0;
}
