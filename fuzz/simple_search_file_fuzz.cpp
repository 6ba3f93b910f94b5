// The simple-search list reading a file of "word=count" lines: whatever the bytes, every record it
// keeps has a word and wants at least one hit, and its typed form reads back to the same record
// wherever the syntax can say it.
#include "fuzz/fuzz_check.h"
#include "platform/streams.h"
#include "search/search_word_flags.h"
#include "search/simple_search.h"

#include <cstdint>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<int64_t>(size));
  input.SetPosition(0);
  TSimpleSearchlist list(DefaultSimpleSearchSettings());
  list.LoadFromStream(input);
  for (int32_t i = 0; i < list.Count(); ++i) {
    TSimpleSearch_rec rec = list.GetAValue(i);
    FUZZ_CHECK(!rec.seek.empty());
    FUZZ_CHECK(rec.n_wanted >= 1);
    FUZZ_CHECK(rec.seek.find(u'=') == String::npos);
    // Exclusion has no written marker; the rest comes back, unless the word itself starts with a
    // marker character while its left boundary is kept ("~~x" keeps "~X" as the word).
    if (rec.flags.Contains(myLeftBounded) && (rec.seek[0] == u'*' || rec.seek[0] == u'~'))
      continue;
    String typed = list.GetATypedInSW(i);
    TMySearchFlags flags = FlagsFromSW(typed);
    FUZZ_CHECK(flags == rec.flags - TMySearchFlags{mySW_To_Avoid});
    FUZZ_CHECK(typed == rec.seek);
  }
  FUZZ_CHECK(list.GetAValue(list.Count()).seek.empty());
  return 0;
}
