// List-file headers from untrusted bytes: the kind named is one whose signature the header holds
// exactly, every check under every tool and kind agrees with it, and a header written for that
// kind reads back as it.
#include "definitions/list_signature.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <string_view>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  TCheckSignature sig;
  if (!CheckSignatureFromBytes(std::span<const uint8_t>(data, size), sig)) {
    FUZZ_CHECK(size < static_cast<size_t>(kCheckSignatureSize));
    return 0;
  }
  const list_type kind = DiskFileType(sig);
  FUZZ_CHECK(kind < list_type_count && kind != lt_sorting);
  FUZZ_CHECK(HasSignatureText(sig) || kind == lt_none_in_use);
  TMemoryStream in;
  in.WriteBuffer(data, kCheckSignatureSize);
  for (int32_t t = 0; t <= tool_type_count; ++t)
    for (int32_t k = 0; k <= list_type_count; ++k) {
      in.SetPosition(0);
      TCheckSignature read;
      const bool ok = DiskSignatureISOKForToolAndList(read, static_cast<tool_type>(t),
                                                      static_cast<list_type>(k), in, reading);
      if (!ok)
        continue;
      // A header that checks out for a kind is told as the first kind of the same signature;
      // lt_sorting's placeholder is never looked for.
      FUZZ_CHECK(t < tool_type_count && sig.signature == CurrentSignature[t]);
      FUZZ_CHECK(k == lt_sorting ? kind == lt_none_in_use
                                 : list_signature32[k] == list_signature32[kind]);
    }
  if (kind != lt_none_in_use) {
    TMemoryStream out;
    TCheckSignature written = sig;
    FUZZ_CHECK(DiskSignatureISOKForToolAndList(written, tt_concord, kind, out, writing));
    out.SetPosition(0);
    TCheckSignature back;
    FUZZ_CHECK(DiskSignatureISOKForToolAndList(back, tt_concord, kind, out, reading));
    FUZZ_CHECK(DiskFileType(back) == kind);
  }
  return 0;
}
