// Folderfuls read from untrusted bytes: whatever reads saves again to the same bytes, sorts by
// every order without leaving the list, and finds each of its records again.
#include "files/folderful.h"
#include "fuzz/fuzz_check.h"
#include "platform/exceptions.h"

#include <cstdint>
#include <cstring>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<int64_t>(size));
  input.SetPosition(0);
  TFolderful folderful(u"/unchanged/");
  try {
    folderful.ReadFromStream(input);
  } catch (const EReadError &) {
    FUZZ_CHECK(folderful.DirName() == u"/unchanged/" && folderful.Empty());
    return 0;
  }
  // Each record takes at least 24 bytes.
  FUZZ_CHECK(folderful.Count() <= static_cast<int64_t>(size) / 24);
  TMemoryStream saved;
  FUZZ_CHECK(folderful.SaveToStream(saved));
  const int64_t read = input.Position();
  // The bytes read come back, but for the padding and a delimiter added to the folder's name.
  FUZZ_CHECK(saved.Size() == read || saved.Size() == read + 2);
  saved.SetPosition(0);
  TFolderful again(u"/");
  FUZZ_CHECK(again.ReadFromStream(saved));
  FUZZ_CHECK(again.Count() == folderful.Count() && again.DirName() == folderful.DirName());
  for (uint8_t sort = sr_sort_none; sort <= kLastMySearchRecSort; ++sort) {
    folderful.SetCurrentSort(static_cast<TMySearchRecSort>(sort));
    for (int32_t i = 0; i < folderful.Count(); ++i) {
      const TMySearchRec rec = folderful.fGetASearchRec(i);
      if (rec.DateTime == rec.DateTime) // a date that is no number equals nothing, itself included
        FUZZ_CHECK(folderful.ListOfFiles().Find(rec) >= 0);
    }
  }
  return 0;
}
