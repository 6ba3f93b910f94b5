// Pre-32-bit list headers from untrusted bytes: only the first 41 are read, and a kind is named
// only when its old signature stands whole after the length byte.
#include "definitions/old_list_signature.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  // A copy of exactly the bytes given, so that a read past them is a fault the sanitizer sees.
  const std::vector<uint8_t> bytes(data, data + size);
  list_type kind = lt_sorting;
  const bool found = ListTypeFromOldHeader(bytes, kind);
  if (!found) {
    FUZZ_CHECK(kind == lt_sorting);
    return 0;
  }
  FUZZ_CHECK(size >= static_cast<size_t>(kOldHeaderSize) && kind < lt_kw_cluster_list);
  const std::string_view signature = old_list_signatures[kind];
  const size_t start = bytes[1] == 0 ? 2 : 1;
  FUZZ_CHECK(bytes[0] == signature.size());
  FUZZ_CHECK(std::memcmp(bytes.data() + start, signature.data(), signature.size()) == 0);
  // What follows the first 41 bytes never matters.
  list_type again = lt_sorting;
  FUZZ_CHECK(ListTypeFromOldHeader(std::span<const uint8_t>(bytes.data(), kOldHeaderSize), again));
  FUZZ_CHECK(again == kind);
  return 0;
}
