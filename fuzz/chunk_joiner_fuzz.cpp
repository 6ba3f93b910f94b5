// Chunk sets from untrusted bytes: the input, cut at each "|#|", is the chunk files of a set in
// order. Whatever they hold, a join writes nothing but the one file it names, directly in the
// folder it was given, never changes a chunk, and a join that passes holds exactly the data of
// every chunk.
#include "filekit/file_chunker.h"
#include "fuzz/fuzz_check.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;
using namespace textcore;

namespace {

const fs::path &Root() {
  static const fs::path root = [] {
    std::string pattern = (fs::temp_directory_path() / "chunk-joiner-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      std::abort();
    fs::create_directories(fs::path(pattern) / "set");
    fs::create_directories(fs::path(pattern) / "back");
    return fs::path(pattern);
  }();
  return root;
}

std::string Slurp(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string_view input(reinterpret_cast<const char *>(data), size);
  std::vector<std::string> parts;
  for (size_t start = 0; parts.size() < 4;) {
    const size_t cut = input.find("|#|", start);
    parts.emplace_back(input.substr(start, cut == std::string_view::npos ? cut : cut - start));
    if (cut == std::string_view::npos)
      break;
    start = cut + 3;
  }
  const fs::path set = Root() / "set", back = Root() / "back";
  fs::remove_all(set);
  fs::remove_all(back);
  fs::create_directories(set);
  fs::create_directories(back);
  const std::string count = std::to_string(parts.size());
  std::vector<fs::path> names;
  for (size_t k = 0; k < parts.size(); ++k) {
    names.push_back(set / ("chunk " + std::to_string(k + 1) + " of " + count + ".tmp"));
    std::ofstream(names.back(), std::ios::binary) << parts[k];
  }

  filekit::TFileChunker chunker(nullptr);
  chunker.SetSourcename(BytesToFileName(names.front().string()));
  chunker.SetDirRestoring(BytesToFileName(back.string()));
  bool joined = false;
  try {
    joined = chunker.RestoreAllChunks();
  } catch (const EStreamError &) {
  }
  FUZZ_CHECK(joined == chunker.Refusal().empty());
  for (size_t k = 0; k < parts.size(); ++k)
    FUZZ_CHECK(Slurp(names[k]) == parts[k]);
  FUZZ_CHECK(std::distance(fs::directory_iterator(set), {}) == static_cast<long>(parts.size()));
  std::vector<fs::path> written;
  for (const auto &entry : fs::directory_iterator(back))
    written.push_back(entry.path());
  FUZZ_CHECK(written.size() <= 1);
  if (!written.empty()) {
    FUZZ_CHECK(fs::is_regular_file(written[0]));
    FUZZ_CHECK(BytesToFileName(written[0].string()) == chunker.RestoredName());
    fs::permissions(written[0], fs::perms::owner_write, fs::perm_options::add);
  }
  if (joined) {
    // Every chunk of the set was read whole: its bytes less its header and checksum.
    int64_t expected = 0;
    for (int32_t k = 0; k < chunker.ChunkCount(); ++k)
      expected += static_cast<int64_t>(parts[static_cast<size_t>(k)].size()) -
                  (k == 0 ? static_cast<int64_t>(static_cast<uint8_t>(parts[0][0])) + 32 : 8);
    FUZZ_CHECK(static_cast<int64_t>(fs::file_size(written.at(0))) == expected);
  }
  return 0;
}
