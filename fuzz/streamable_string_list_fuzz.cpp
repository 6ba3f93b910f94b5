// The streamable string list reading untrusted bytes in either form: whatever it reads, it saves
// in the current form and reads back the same.
#include "definitions/streamable_string_list.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<int64_t>(size));
  input.SetPosition(0);
  TMyStreamableStringlist list;
  list.ReadFromStream(input);
  // Every string takes at least one byte of the stream.
  FUZZ_CHECK(list.Count() <= static_cast<int64_t>(size));

  TMemoryStream saved;
  FUZZ_CHECK(list.SaveToStream(saved));
  saved.SetPosition(0);
  TMyStreamableStringlist reloaded;
  FUZZ_CHECK(reloaded.ReadFromStream(saved));
  FUZZ_CHECK(saved.Position() == saved.Size());
  FUZZ_CHECK(reloaded.Count() == list.Count());
  for (int32_t i = 0; i < list.Count(); ++i)
    FUZZ_CHECK(reloaded.Strings(i) == list.Strings(i));
  return 0;
}
