// The typed lists and TMySaveStringList loading untrusted bytes: whatever loads saves again and
// reloads to the same records (the same saved bytes). The first byte picks the kind; the rest is
// the stream.
#include "fuzz/fuzz_check.h"
#include "lists/cardinal_and_freq_list.h"
#include "lists/cardinal_list.h"
#include "lists/double_longint_list.h"
#include "lists/double_pointer_list.h"
#include "lists/integer_and_3_cardinals_list.h"
#include "lists/integer_and_single_list.h"
#include "lists/my_save_string_list.h"
#include "lists/qm_int64_list.h"
#include "lists/qm_longint_list.h"
#include "lists/string_column_and_colour_list.h"
#include "lists/two_strings_and_two_integers_list.h"
#include "lists/word_freq_and_source_num_list.h"
#include "platform/exceptions.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

using namespace textcore;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Saved(TUsefulBaseList &list) {
  TMemoryStream saved;
  FUZZ_CHECK(list.SaveToStream(saved));
  return Bytes(saved.Memory(), saved.Memory() + saved.Size());
}

template <typename List> std::unique_ptr<TUsefulBaseList> New() { return std::make_unique<List>(); }

const std::vector<std::function<std::unique_ptr<TUsefulBaseList>()>> &Kinds() {
  static const std::vector<std::function<std::unique_ptr<TUsefulBaseList>()>> kinds = {
      New<TQMLongintList>,
      New<TCardinalList>,
      New<TQMInt64List>,
      New<TIntegerAndSingleList>,
      New<TCardinalAndFreqList>,
      New<TDoubleLongIntList>,
      New<TWordFreqAndSourceNumList>,
      New<TIntegerAnd3CardinalsList>,
      New<T2StringsAnd2IntegersList>,
      New<TStringColumnAndColourList>,
      New<TDoublePointerList>,
  };
  return kinds;
}

void CheckTypedList(size_t kind, TMemoryStream &input, size_t size) {
  auto list = Kinds()[kind]();
  try {
    list->ReadFromStream(input);
  } catch (const EReadError &) {
    // a string length was damaged; what was appended stays
  }
  const Bytes saved = Saved(*list);
  // Records without bytes (a saved list of count and sorted byte alone) have their own bound.
  const int64_t bound = saved.size() <= 5
                            ? TDoublePointerList::kMaxBlankRecords
                            : static_cast<int64_t>(size) + TUsefulBaseList::kUnbackedRecords;
  FUZZ_CHECK(list->Count() <= bound);
  TMemoryStream again;
  again.WriteBuffer(saved.data(), static_cast<int64_t>(saved.size()));
  again.SetPosition(0);
  auto reloaded = Kinds()[kind]();
  FUZZ_CHECK(reloaded->ReadFromStream(again));
  FUZZ_CHECK(again.Position() == again.Size());
  FUZZ_CHECK(Saved(*reloaded) == saved);

  // Sorted and searched, every value is found again.
  if (auto *longints = dynamic_cast<TQMLongintList *>(reloaded.get())) {
    longints->SortAscendingDefault();
    for (int32_t i = 0; i < longints->Count(); ++i)
      FUZZ_CHECK(longints->GetAValue(longints->Find(longints->GetAValue(i))) ==
                 longints->GetAValue(i));
  }
}

void CheckSaveStringList(bool objects, TMemoryStream &input) {
  TMySaveStringList list(objects);
  try {
    list.LoadFromStream(input);
  } catch (const EReadError &) {
    FUZZ_CHECK(list.Count() == 0); // a damaged stream adds nothing
    return;
  }
  TMemoryStream saved;
  list.SaveToStream(saved);
  saved.SetPosition(0);
  TMySaveStringList reloaded(objects);
  reloaded.LoadFromStream(saved);
  FUZZ_CHECK(saved.Position() == saved.Size());
  FUZZ_CHECK(reloaded.Count() == list.Count());
  for (int32_t i = 0; i < list.Count(); ++i) {
    FUZZ_CHECK(reloaded.Strings(i) == list.Strings(i));
    FUZZ_CHECK(reloaded.Objects(i) == list.Objects(i));
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0)
    return 0;
  const size_t kind = data[0] % (Kinds().size() + 2);
  TMemoryStream input;
  input.WriteBuffer(data + 1, static_cast<int64_t>(size - 1));
  input.SetPosition(0);
  if (kind < Kinds().size())
    CheckTypedList(kind, input, size);
  else
    CheckSaveStringList(kind == Kinds().size(), input);
  return 0;
}
