// The extra-font list reading untrusted bytes under any file format number (the first byte): a
// failed read adds nothing and keeps the list's version; whatever it reads saves and reads back
// to the same records.
#include "definitions/extra_font_list.h"
#include "fuzz/fuzz_check.h"
#include "platform/exceptions.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

using namespace textcore;

namespace {

bool SameRecord(const TExtraFontRec &a, const TExtraFontRec &b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0)
    return 0;
  const int32_t version = data[0];
  TMemoryStream input;
  input.WriteBuffer(data + 1, static_cast<int64_t>(size - 1));
  input.SetPosition(0);
  TExtraFontList list;
  list.SetEFVersion(-1);
  try {
    FUZZ_CHECK(list.XReadFromStream(input, version));
  } catch (const EReadError &) {
    FUZZ_CHECK(list.Count() == 0 && list.GetEFVersion() == -1);
    return 0;
  }
  // Every record takes at least 28 bytes.
  FUZZ_CHECK(static_cast<int64_t>(list.Count()) * 28 <= static_cast<int64_t>(size));
  for (int32_t i = 0; i < list.Count(); ++i)
    FUZZ_CHECK(list.GetAFontFrec(i).applies_to <= efc_unknown);

  const int32_t read_version = list.GetEFVersion();
  TMemoryStream saved;
  FUZZ_CHECK(list.XSaveToStream(saved, version));
  FUZZ_CHECK(list.GetEFVersion() == std::max(2, read_version));
  FUZZ_CHECK(saved.Size() == 8 + 72 * static_cast<int64_t>(list.Count()));
  saved.SetPosition(0);
  TExtraFontList reloaded;
  FUZZ_CHECK(reloaded.XReadFromStream(saved, 36));
  FUZZ_CHECK(saved.Position() == saved.Size());
  FUZZ_CHECK(reloaded.GetEFVersion() == list.GetEFVersion());
  FUZZ_CHECK(reloaded.Count() == list.Count());
  FUZZ_CHECK(reloaded.insert_space_between_words == list.insert_space_between_words);
  for (int32_t i = 0; i < list.Count(); ++i) {
    TExtraFontRec expected = list.GetAFontFrec(i);
    expected.basics.padding = {};
    FUZZ_CHECK(SameRecord(reloaded.GetAFontFrec(i), expected));
  }
  return 0;
}
