// The search-word item lists reading untrusted bytes: the stream form (first byte even) or a
// search-word text file (odd). Bits 1 to 3 of the first byte choose splitting at slashes, literal
// items and the search-word list proper. Whatever loads saves again and reloads to the same
// items; a load that fails leaves the list as it was.
#include "fuzz/fuzz_check.h"
#include "platform/file_names.h"
#include "platform/streams.h"
#include "search/search_item_kinds.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

using namespace textcore;

namespace {

struct TItemState {
  String typed;
  int32_t hits;
  int16_t language;
  int32_t n_to_find;
  bool operator==(const TItemState &) const = default;
};

std::vector<TItemState> State(const TBaseSearchItems &items) {
  std::vector<TItemState> state;
  for (int32_t i = 0; i < items.Count(); ++i) {
    const TSearch_word_format_rec rec = items.GetSWR(i);
    state.push_back({rec.typed_in_text, rec.hits_found, rec.Langnum, rec.n_to_find});
  }
  return state;
}

std::unique_ptr<TBaseSearchItems> NewList(uint8_t choice) {
  const bool split = (choice & 2) != 0;
  std::unique_ptr<TBaseSearchItems> items;
  if ((choice & 8) != 0)
    items =
        std::make_unique<TSearchWordItems>(TIgnore_tag_type{u'<', 0, 0, 0, 0, 0, u'>'}, 0, split);
  else
    items =
        std::make_unique<TBaseSearchItems>(TIgnore_tag_type{u'<', 0, 0, 0, 0, 0, u'>'}, 0, split);
  items->SetFormatPreChecked((choice & 4) != 0);
  return items;
}

// A folder of this process's own for the files, made once and removed at exit. Its name is a
// plain array, which is still there when the exit handler runs.
char folder_name[] = "/tmp/sw-items-fuzz-XXXXXX";

void RemoveFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_name, ignored);
}

std::string Folder() {
  static const bool made = [] {
    FUZZ_CHECK(mkdtemp(folder_name) != nullptr);
    std::atexit(RemoveFolder);
    return true;
  }();
  (void)made;
  return folder_name;
}

void CheckStream(uint8_t choice, const uint8_t *data, size_t size) {
  auto items = NewList(choice);
  items->AddedSearchWords(u"keep", int16_t{1});
  items->SetHitsFound(0, 3);
  const auto before = State(*items);
  TMemoryStream input;
  input.WriteBuffer(data, static_cast<int64_t>(size));
  input.SetPosition(0);
  if (!items->ReadFromStream(input)) {
    FUZZ_CHECK(State(*items) == before);
    return;
  }
  TMemoryStream saved;
  FUZZ_CHECK(items->SaveToStream(saved));
  saved.SetPosition(0);
  auto reloaded = NewList(choice);
  FUZZ_CHECK(reloaded->ReadFromStream(saved));
  FUZZ_CHECK(saved.Position() == saved.Size());
  FUZZ_CHECK(State(*reloaded) == State(*items));
}

void CheckFile(uint8_t choice, const uint8_t *data, size_t size) {
  const std::string in = Folder() + "/in.txt", out = Folder() + "/out.txt";
  std::ofstream(in, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
  auto items = NewList(choice);
  items->AddedSearchWords(u"keep", int32_t{5});
  const auto before = State(*items);
  if (!items->LoadFromFile(BytesToFileName(in), 2)) {
    FUZZ_CHECK(State(*items) == before);
    FUZZ_CHECK(!items->FromAFile());
    return;
  }
  FUZZ_CHECK(items->FromAFile() && items->Count() > 0);
  FUZZ_CHECK(items->SaveToFile(BytesToFileName(out)));
  auto reloaded = NewList(choice);
  FUZZ_CHECK(reloaded->LoadFromFile(BytesToFileName(out), 2));
  FUZZ_CHECK(State(*reloaded) == State(*items));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0)
    return 0;
  if ((data[0] & 1) == 0)
    CheckStream(data[0], data + 1, size - 1);
  else
    CheckFile(data[0], data + 1, size - 1);
  return 0;
}
