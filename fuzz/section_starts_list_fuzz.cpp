// The section-starts list reading untrusted bytes: a failed read adds nothing; whatever it
// reads saves as the very bytes it read, and reads back the same.
#include "definitions/section_starts_list.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <cstring>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<int64_t>(size));
  input.SetPosition(0);
  TSectionStartsList list;
  if (!list.ReadFromStream(input)) {
    FUZZ_CHECK(list.Count() == 0);
    return 0;
  }
  // Every entry takes at least eight bytes after the count.
  FUZZ_CHECK(static_cast<int64_t>(list.Count()) * 8 + 4 <= static_cast<int64_t>(size));

  TMemoryStream saved;
  FUZZ_CHECK(list.SaveToStream(saved));
  // The form has one spelling of each list.
  FUZZ_CHECK(saved.Size() == input.Position());
  FUZZ_CHECK(std::memcmp(saved.Memory(), data, static_cast<size_t>(saved.Size())) == 0);
  saved.SetPosition(0);
  TSectionStartsList reloaded;
  FUZZ_CHECK(reloaded.ReadFromStream(saved));
  FUZZ_CHECK(reloaded.Count() == list.Count());
  for (int32_t i = 0; i < list.Count(); ++i) {
    FUZZ_CHECK(reloaded.GetASection(i).start_byte_position ==
               list.GetASection(i).start_byte_position);
    FUZZ_CHECK(reloaded.GetASection(i).w == list.GetASection(i).w);
  }
  return 0;
}
