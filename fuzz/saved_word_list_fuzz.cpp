// Reading a saved word list from any bytes: it is refused or read whole, never half; what is read
// saves again to bytes that read back to the same list.
#include "fuzz/fuzz_check.h"
#include "platform/streams.h"
#include "tools/qmark/saved_word_list.h"

#include <cstdint>
#include <string>

namespace {

bool Read(const std::string &bytes, qmark::SavedWordList &list) {
  textcore::TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  std::string reason;
  const bool ok = qmark::ReadWordList(stream, list, reason);
  FUZZ_CHECK(ok == reason.empty());
  return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  qmark::SavedWordList list;
  if (!Read(std::string(reinterpret_cast<const char *>(data), size), list)) {
    FUZZ_CHECK(list.types.empty() && list.tokens == 0 && list.texts == 0);
    return 0;
  }
  std::string again, reason;
  FUZZ_CHECK(qmark::WordListBytes(list, again, reason));
  qmark::SavedWordList back;
  FUZZ_CHECK(Read(again, back));
  FUZZ_CHECK(back.tokens == list.tokens && back.texts == list.texts &&
             back.types.size() == list.types.size());
  for (size_t i = 0; i < list.types.size(); ++i)
    FUZZ_CHECK(back.types[i].word == list.types[i].word &&
               back.types[i].freq == list.types[i].freq &&
               back.types[i].texts == list.types[i].texts);
  return 0;
}
