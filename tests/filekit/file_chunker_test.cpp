// TFileChunker on real files: the chunk layout byte for byte, round trips at the size boundaries,
// damaged and hostile sets, the overwrite question, and the disk and free-space questions.
#include "filekit/file_chunker.h"

#include "core/bare_assemb.h"
#include "files/user_questions.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/file_ops.h"
#include "platform/mount_table.h"
#include "platform/ui_services.h"
#include "platform/zip_archive.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <string>

namespace filekit {
namespace {

namespace fs = std::filesystem;
using textcore::String;
using textcore::UTF8ToString;

std::string Noise(size_t size, uint32_t state = 7) {
  std::string bytes(size, '\0');
  for (char &c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::string Slurp(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Spit(const fs::path &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every file below root with its contents, to tell what a run changed.
std::map<std::string, std::string> Tree(const fs::path &root) {
  std::map<std::string, std::string> files;
  for (const auto &entry : fs::recursive_directory_iterator(root))
    files[entry.path().string()] = entry.is_regular_file() ? Slurp(entry.path()) : "<folder>";
  return files;
}

// The wrap-around sum of the little-endian words of the last 61,440-byte block of data.
uint32_t LastBlockSum(const std::string &data) {
  const size_t start = data.empty() ? 0 : (data.size() - 1) / 61440 * 61440;
  uint32_t sum = 0;
  for (size_t i = start; i + 4 <= data.size(); i += 4) {
    uint32_t word = 0;
    std::memcpy(&word, data.data() + i, 4);
    sum += word;
  }
  return sum;
}

class FileChunker : public ::testing::Test {
protected:
  FileChunker() : root_(fs::canonical(temp_.Path())) {
    fs::create_directories(root_ / "out");
    fs::create_directories(root_ / "back");
  }

  String Name(const fs::path &path) const { return UTF8ToString(path.string()); }

  int32_t Split(const fs::path &source, int32_t chunk_size = TFileChunker::kDefaultChunkSize) {
    TFileChunker chunker(nullptr);
    chunker.SetSourcename(Name(source));
    chunker.SetChunkSize(chunk_size);
    chunker.SetDirCreating(Name(root_ / "out") + u"/");
    return chunker.MakeChunkFiles();
  }

  bool Join(int32_t count, TFileChunker *chunker_out = nullptr) {
    TFileChunker chunker(nullptr);
    chunker.SetSourcename(Name(Chunk(1, count)));
    chunker.SetDirRestoring(Name(root_ / "back"));
    const bool joined = chunker.RestoreAllChunks();
    refusal_ = chunker.Refusal();
    if (chunker_out != nullptr) {
      chunker_out->SetSourcename(chunker.Sourcename());
      chunker_out->SetZipToo(chunker.ZipToo());
    }
    return joined;
  }

  fs::path Chunk(int k, int n) const {
    return root_ / "out" / ("chunk " + std::to_string(k) + " of " + std::to_string(n) + ".tmp");
  }

  testsupport::TempFolder temp_;
  fs::path root_;
  String refusal_;
};

TEST_F(FileChunker, ThreeMillionBytesMakeTheDocumentedChunksAndJoinBack) {
  // A source whose full path is 30 characters.
  const std::string folder = root_.string() + "/";
  ASSERT_LE(folder.size(), 25u) << "TMPDIR too long for the 30-character path";
  const fs::path source = folder + std::string(30 - folder.size() - 4, 's') + ".txt";
  const std::string data = Noise(3000000);
  Spit(source, data);
  ASSERT_TRUE(textcore::SetFileLastWriteTime(Name(source), 45000.5));
  ASSERT_EQ(textcore::FileSetAttr(Name(source), textcore::faReadOnly), 0);

  ASSERT_EQ(Split(source), 3);
  const std::string chunks[] = {Slurp(Chunk(1, 3)), Slurp(Chunk(2, 3)), Slurp(Chunk(3, 3))};
  EXPECT_EQ(chunks[0].size(), 1400000u);
  EXPECT_EQ(chunks[1].size(), 1400000u);
  EXPECT_EQ(chunks[2].size(), 200070u + 8);
  std::string header = "\x1E" + source.string();
  header += std::string("\x00\x09\x00\xC0\x5C\x15\x00\x01\x00\x00\x00", 11);
  header += std::string("\x00\x00\x00\x00\x10\xF9\xE5\x40\x03\x00\x00\x00\x00\x00\x00\x00", 16);
  EXPECT_EQ(chunks[0].substr(0, 58), header);
  EXPECT_EQ(chunks[1].substr(0, 4), std::string("\x01\x00\x00\x00", 4));
  const size_t sizes[] = {1399938, 1399992, 200070};
  size_t at = 0;
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const size_t start = k == 0 ? 58 : 4;
    const std::string part = data.substr(at, sizes[k]);
    EXPECT_TRUE(chunks[k].substr(start, sizes[k]) == part);
    uint32_t stored = 0;
    std::memcpy(&stored, chunks[k].data() + chunks[k].size() - 4, 4);
    EXPECT_EQ(stored, LastBlockSum(part));
    at += sizes[k];
  }

  TFileChunker joined(nullptr);
  ASSERT_TRUE(Join(3, &joined)) << textcore::StringToUTF8(refusal_);
  EXPECT_EQ(joined.Sourcename(), Name(source));
  const fs::path back = root_ / "back" / source.filename();
  EXPECT_TRUE(Slurp(back) == data);
  EXPECT_EQ(textcore::FileGetAttr(Name(back)) & textcore::faReadOnly, textcore::faReadOnly);
  textcore::TDateTime time = 0;
  ASSERT_TRUE(textcore::FileLastWriteTime(Name(back), time));
  EXPECT_NEAR(time, 45000.5, 1e-9);
  fs::permissions(source, fs::perms::owner_write, fs::perm_options::add);
  fs::permissions(back, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(FileChunker, SizesAtTheBoundariesRoundTrip) {
  // Chunk size 1000 with a source name of known length: chunk 1 holds 1000 - (L + 32) bytes.
  const fs::path source = root_ / "src.bin";
  const int32_t room = 1000 - static_cast<int32_t>(source.string().size()) - 32;
  const struct {
    int64_t size;
    int32_t chunk_size, chunks;
  } cases[] = {
      {0, 1000, 1},                // an empty source still makes one chunk
      {room, 1000, 1},             // exactly fills chunk 1
      {room + 1, 1000, 2},         // one byte more
      {room + 992, 1000, 2},       // exactly fills chunk 2
      {room + 993, 1000, 3},       //
      {61440 * 2, 1000000, 1},     // data of whole checksum blocks
      {61440 * 2 + 3, 1000000, 1}, // trailing bytes the checksum does not see
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.size);
    fs::remove_all(root_ / "out");
    fs::create_directories(root_ / "out");
    const std::string data = Noise(static_cast<size_t>(c.size));
    Spit(source, data);
    ASSERT_EQ(Split(source, c.chunk_size), c.chunks);
    ASSERT_TRUE(Join(c.chunks)) << textcore::StringToUTF8(refusal_);
    EXPECT_TRUE(Slurp(root_ / "back" / "src.bin") == data);
    fs::remove(root_ / "back" / "src.bin");
  }
}

TEST_F(FileChunker, SplitRefusesWhatItCannotStoreAndWritesNothing) {
  const fs::path source = root_ / "src.bin";
  Spit(source, "");
  fs::resize_file(source, 8000000);
  const int32_t header = static_cast<int32_t>(source.string().size()) + 32;
  EXPECT_EQ(Split(root_ / "missing.bin"), 0);
  EXPECT_EQ(Split(source, header), 0); // no room for data in chunk 1
  EXPECT_EQ(Split(source, -1), 0);
  EXPECT_EQ(Split(source, header + 1), 0); // more than the most chunks a set may have
  EXPECT_TRUE(fs::is_empty(root_ / "out"));
}

TEST_F(FileChunker, ADamagedChunkFailsTheJoinAndKeepsWhatWasThere) {
  const fs::path source = root_ / "src.bin";
  const std::string data = Noise(300000);
  Spit(source, data);
  ASSERT_EQ(Split(source, 150000), 3);
  const std::string last = Slurp(Chunk(3, 3));

  // The first data byte of the small last chunk: caught; the output holds the chunks before it.
  Spit(Chunk(3, 3), std::string(last).replace(4, 1, 1, static_cast<char>(last[4] ^ 1)));
  EXPECT_FALSE(Join(3));
  const size_t passed = 2 * 150000 - 40 - source.string().size();
  EXPECT_TRUE(Slurp(root_ / "back" / "src.bin") == data.substr(0, passed));
  // The same over a file that was there before: it stays as it was, and no chunk is deleted.
  Spit(root_ / "back" / "src.bin", "mine");
  textcore::TScriptedMessageBoxes boxes;
  boxes.Answer(textcore::mrYes);
  TFileChunker chunker(nullptr);
  chunker.SetSourcename(Name(Chunk(1, 3)));
  chunker.SetDirRestoring(Name(root_ / "back"));
  chunker.SetDeleteAfterRestore(true);
  EXPECT_FALSE(chunker.RestoreAllChunks());
  EXPECT_EQ(Slurp(root_ / "back" / "src.bin"), "mine");
  EXPECT_TRUE(fs::exists(Chunk(1, 3)));

  // A change in an early block of a large chunk goes unseen: the checksum covers the last block.
  Spit(Chunk(3, 3), last);
  std::string first = Slurp(Chunk(1, 3));
  first[100] = static_cast<char>(first[100] ^ 1);
  Spit(Chunk(1, 3), first);
  boxes.Answer(textcore::mrNo); // and a refused overwrite leaves the file alone
  EXPECT_FALSE(Join(3));
  EXPECT_EQ(Slurp(root_ / "back" / "src.bin"), "mine");
  fs::remove(root_ / "back" / "src.bin");
  EXPECT_TRUE(Join(3));
}

TEST_F(FileChunker, HostileFirstChunksWriteNothingAnywhere) {
  const auto chunk1 = [](const std::string &name, int32_t count, int32_t size, double date,
                         const std::string &data) {
    std::string bytes(1, static_cast<char>(name.size()));
    bytes += name;
    bytes += std::string("\x00\x09\x00", 3);
    bytes.append(reinterpret_cast<const char *>(&size), 4);
    bytes += std::string(4, '\0');
    bytes.append(reinterpret_cast<const char *>(&date), 8);
    bytes.append(reinterpret_cast<const char *>(&count), 4);
    bytes += std::string(4, '\0') + data;
    const uint32_t sum = LastBlockSum(data);
    bytes.append(reinterpret_cast<const char *>(&sum), 4);
    return bytes;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    std::string bytes;
    const char *written; // the one file a sound set may write, or nothing
  } cases[] = {
      {chunk1("../x", 1, 1000, 45000, "abc"), "x"},
      {chunk1("a/../../b", 1, 1000, 45000, "abc"), "b"},
      {chunk1("C:\\d\\big.txt", 1, 1000, 45000, "abc"), "big.txt"},
      {chunk1("..", 1, 1000, 45000, "abc"), nullptr},
      {chunk1("", 1, 1000, 45000, "abc"), nullptr},
      {chunk1("d/", 1, 1000, 45000, "abc"), nullptr},
      {chunk1("bell\a", 1, 1000, 45000, "abc"), nullptr},
      {chunk1("x", 0, 1000, 45000, "abc"), nullptr},
      {chunk1("x", 2147483647, 1000, 45000, "abc"), nullptr},
      {chunk1("x", 1, -1, 45000, "abc"), nullptr},
      {chunk1("x", 1, 33, 45000, "abc"), nullptr}, // no larger than its own header
      {chunk1("x", 1, 1000, nan, "abc"), nullptr},
      {chunk1("x", 1, 1000, 1e300, "abc"), nullptr},
      {chunk1("x", 1, 1000, 45000, "abc").substr(0, 20), nullptr},
      {chunk1("x", 1, 1000, 45000, "").substr(0, 30), nullptr}, // ends inside its number
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.bytes.substr(1, 12));
    fs::remove_all(root_ / "back");
    fs::create_directories(root_ / "back");
    Spit(Chunk(1, 1), c.bytes);
    const auto before = Tree(root_);
    EXPECT_EQ(Join(1), c.written != nullptr);
    auto after = Tree(root_);
    if (c.written != nullptr) {
      EXPECT_EQ(after[(root_ / "back" / c.written).string()], "abc");
      after.erase((root_ / "back" / c.written).string());
    }
    EXPECT_EQ(after, before);
  }
}

TEST_F(FileChunker, ZipTooSplitsTheArchiveOfTheSource) {
  const fs::path source = root_ / "words.txt";
  const std::string data = std::string(200000, 'a') + Noise(1000);
  Spit(source, data);
  TFileChunker chunker(nullptr);
  chunker.SetSourcename(Name(source));
  chunker.SetChunkSize(20000);
  chunker.SetZipToo(true);
  chunker.SetDirCreating(Name(root_ / "out"));
  chunker.SetDirWorking(Name(root_ / "out"));
  const int32_t count = chunker.MakeChunkFiles();
  ASSERT_GE(count, 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "out"), {}), count); // no archive left
  TFileChunker joined(nullptr);
  ASSERT_TRUE(Join(count, &joined));
  EXPECT_TRUE(joined.ZipToo());
  textcore::TZipArchive archive;
  archive.OpenArchive(Name(root_ / "back" / "words.txt"));
  ASSERT_EQ(archive.GetEntryCount(), 1);
  EXPECT_TRUE(archive.ExtractToString(u"words.txt") == data);
}

TEST_F(FileChunker, DiskQuestionsDefaultToCancelAndDeleteOnlyLooseFiles) {
  const fs::path source = root_ / "out" / "src.bin";
  Spit(source, Noise(5000));
  // Between chunks the host is asked for a disk, and free space is never asked.
  {
    const textcore::TFreeSpaceSource previous = textcore::SetFreeSpaceSource([](auto) -> int64_t {
      ADD_FAILURE() << "free space asked";
      return -1;
    });
    TFileChunker chunker(nullptr);
    std::vector<int32_t> asked;
    chunker.SetSourcename(Name(source));
    chunker.SetChunkSize(2000);
    chunker.SetDirCreating(Name(root_ / "out"));
    chunker.SetWaitForNewDisk(true);
    chunker.SetOnNewDiskNeeded([&](int32_t number) { asked.push_back(number); });
    EXPECT_EQ(chunker.MakeChunkFiles(), 3);
    EXPECT_EQ(asked, (std::vector<int32_t>{1, 2, 3}));
    textcore::SetFreeSpaceSource(previous);
    for (int k = 1; k <= 3; ++k)
      fs::remove(Chunk(k, 3));
  }
  // Short of space on a removable volume: only plain files directly in the folder may go.
  const fs::path sys = root_ / "sys";
  fs::create_directories(sys / "disk" / "sdb1");
  Spit(sys / "disk" / "removable", "1\n");
  Spit(sys / "disk" / "sdb1" / "partition", "1\n");
  fs::create_directories(sys / "class");
  fs::create_directory_symlink(sys / "disk", sys / "class" / "sdb");
  fs::create_directory_symlink(sys / "disk" / "sdb1", sys / "class" / "sdb1");
  textcore::TScopedMountTable table("/dev/sdb1 " + (root_ / "out").string() + " vfat rw 0 0\n",
                                    (sys / "class").string(), "/nonexistent");
  fs::create_directories(root_ / "out" / "sub");
  Spit(root_ / "out" / "sub" / "keep", "k");
  Spit(root_ / "out" / ".hidden", "h");
  Spit(root_ / "out" / "old.txt", "o");
  Spit(root_ / "beside.txt", "b");
  int64_t free = 0;
  const textcore::TFreeSpaceSource previous =
      textcore::SetFreeSpaceSource([&](auto) { return free; });
  const struct {
    std::vector<int32_t> answers;
    bool deletes;
    size_t asked;
  } cases[] = {{{}, false, 1}, {{textcore::mrCancel}, false, 1}, {{textcore::mrOk}, true, 2}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.answers.size());
    Spit(root_ / "out" / "old.txt", "o");
    auto expected = Tree(root_);
    if (c.deletes)
      expected.erase((root_ / "out" / "old.txt").string());
    textcore::TScriptedMessageBoxes boxes;
    for (int32_t answer : c.answers)
      boxes.Answer(answer);
    TFileChunker chunker(nullptr);
    chunker.SetSourcename(Name(source));
    chunker.SetDirCreating(Name(root_ / "out"));
    // Deleting frees nothing here: asked again, the headless answer Cancel ends the run.
    EXPECT_THROW(chunker.MakeChunkFiles(), textcore::Exception);
    ASSERT_EQ(boxes.Shown().size(), c.asked);
    EXPECT_EQ(boxes.Shown()[0].caption, u"No room");
    EXPECT_EQ(boxes.Shown()[0].default_button, textcore::mbCancel);
    EXPECT_EQ(Tree(root_), expected);
  }
  // Once room is made the split goes on.
  {
    Spit(root_ / "out" / "old.txt", "o");
    textcore::TScriptedMessageBoxes boxes;
    boxes.Answer(textcore::mrOk);
    textcore::SetFreeSpaceSource([&](auto) {
      return fs::exists(root_ / "out" / "old.txt") ? int64_t{10} : int64_t{1} << 40;
    });
    TFileChunker chunker(nullptr);
    chunker.SetSourcename(Name(source));
    chunker.SetDirCreating(Name(root_ / "out"));
    EXPECT_EQ(chunker.MakeChunkFiles(), 1);
    EXPECT_FALSE(fs::exists(root_ / "out" / "old.txt"));
    for (const char *kept : {"chunk 1 of 1.tmp", "src.bin", ".hidden", "sub/keep"})
      EXPECT_TRUE(fs::exists(root_ / "out" / kept)) << kept;
  }
  textcore::SetFreeSpaceSource(previous);
}

} // namespace
} // namespace filekit
