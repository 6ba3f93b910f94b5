// TStringList reading text files of any encoding: whatever it reads, it saves and reads back.
#include "fuzz/fuzz_check.h"
#include "platform/encoding.h"
#include "platform/streams.h"
#include "platform/string_list.h"

#include <cstdint>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<int64_t>(size));
  input.SetPosition(0);
  TStringList list;
  list.LoadFromStream(input);

  // UTF-16 holds every string the list can hold, so a save and a load give the same lines.
  TMemoryStream saved;
  list.SaveToStream(saved, TEncoding::Unicode());
  saved.SetPosition(0);
  TStringList reloaded;
  reloaded.LoadFromStream(saved);
  FUZZ_CHECK(reloaded.Count() == list.Count());
  for (int32_t i = 0; i < list.Count(); ++i)
    FUZZ_CHECK(reloaded.Strings(i) == list.Strings(i));

  // Sorting and finding must agree on whatever the lines are.
  list.SetSorted(true);
  for (int32_t i = 0; i < list.Count(); ++i) {
    int32_t found = -1;
    FUZZ_CHECK(list.Find(list.Strings(i), found));
  }
  return 0;
}
