// Favourites files from untrusted bytes: a read either fails with "Cannot read: " and leaves the
// iterator empty, or holds no more folders than the bytes could describe and saves to a file
// that reads back to the same folders and files.
#include "filekit/file_and_dir_iterator.h"
#include "fuzz/fuzz_check.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using namespace textcore;

namespace {

const fs::path &Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "favourites-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      std::abort();
    return fs::path(pattern);
  }();
  return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const fs::path input = Folder() / "input", again = Folder() / "again";
  std::ofstream(input, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
  filekit::TFileAndDirIterator iterator(nullptr);
  iterator.Favourites = BytesToFileName(input.string());
  bool read = false;
  try {
    read = iterator.ReadFavourites();
  } catch (const EReadError &) {
    FUZZ_CHECK(iterator.Dirs().Count() == 0 && iterator.TotalFiles() == 0);
    return 0;
  }
  if (!read) {
    FUZZ_CHECK(iterator.Dirs().Count() == 0);
    return 0;
  }
  FUZZ_CHECK(static_cast<size_t>(iterator.DirCount()) <= size / 25);
  iterator.Favourites = BytesToFileName(again.string());
  iterator.SaveFavourites();
  filekit::TFileAndDirIterator reread(nullptr);
  reread.Favourites = iterator.Favourites;
  FUZZ_CHECK(reread.ReadFavourites());
  FUZZ_CHECK(reread.DirCount() == iterator.DirCount());
  FUZZ_CHECK(reread.TotalFiles() == iterator.TotalFiles());
  return 0;
}
