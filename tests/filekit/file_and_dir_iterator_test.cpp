// TFileAndDirIterator on real folder trees: numbering across folders, the hand-out and Stop, the
// look-ups, and the favourites file byte for byte, damaged and written by another tool.
#include "filekit/file_and_dir_iterator.h"

#include "definitions/list_signature.h"
#include "definitions/tool_types.h"
#include "platform/exceptions.h"
#include "platform/strings.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace filekit {
namespace {

namespace fs = std::filesystem;
using textcore::String;
using textcore::UTF8ToString;

std::string Slurp(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class FileAndDirIterator : public ::testing::Test {
protected:
  FileAndDirIterator() : root_(fs::canonical(temp_.Path())) {
    for (const char *folder : {"head/sub", "head/none"})
      fs::create_directories(root_ / folder);
    const struct {
      const char *name;
      size_t size;
    } files[] = {{"head/b.txt", 30},    {"head/A.txt", 10},    {"head/c.txt", 20},
                 {"head/x.doc", 5},     {"head/sub/d.txt", 1}, {"head/sub/e.txt", 2},
                 {"head/none/y.doc", 3}};
    for (const auto &f : files)
      std::ofstream(root_ / f.name, std::ios::binary) << std::string(f.size, 'x');
    iterator_.HeadDir = Name(root_ / "head");
    iterator_.FileMask = u"*.txt";
    iterator_.IncludeSubFolders = true;
    iterator_.Favourites = Name(root_ / "favourites");
  }

  String Name(const fs::path &path) const { return UTF8ToString(path.string()); }

  testsupport::TempFolder temp_;
  fs::path root_;
  TFileAndDirIterator iterator_{nullptr};
};

TEST_F(FileAndDirIterator, FilesAreNumberedAcrossTheSortedFolders) {
  const fs::path here = fs::current_path();
  iterator_.IterateFindingFiles();
  EXPECT_EQ(fs::current_path(), here);
  ASSERT_EQ(iterator_.DirCount(), 3);
  EXPECT_EQ(iterator_.TotalFiles(), 5);
  EXPECT_EQ(iterator_.HeadDirFiles(), 3);
  const struct {
    const char *folder;
    int32_t starts, ends;
  } ranges[] = {{"head/", 0, 2}, {"head/none/", 2147483647, -1}, {"head/sub/", 3, 4}};
  for (int32_t i = 0; i < 3; ++i) {
    const textcore::TFolderful *folderful = iterator_.fGetOneFolderful(i);
    ASSERT_NE(folderful, nullptr) << i;
    EXPECT_EQ(folderful->DirName(), Name(root_ / ranges[i].folder));
    EXPECT_EQ(folderful->Starts(), ranges[i].starts) << i;
    EXPECT_EQ(folderful->Ends(), ranges[i].ends) << i;
  }
  EXPECT_EQ(iterator_.fGetOneFolderful(3), nullptr);

  EXPECT_EQ(iterator_.FoundMatch(u"C.TXT"), Name(root_ / "head/c.txt"));
  EXPECT_EQ(iterator_.FoundMatch(u"x.doc"), u"");
  auto docs = iterator_.FoundMatchesWildcarded(u"*.doc");
  ASSERT_EQ(docs->Count(), 2);
  EXPECT_EQ(docs->Strings(1), Name(root_ / "head/none/y.doc"));
  for (const char16_t *outside : {u"../*", u"sub/*.txt", u"..\\*"})
    EXPECT_EQ(iterator_.FoundMatchesWildcarded(outside)->Count(), 0);

  iterator_.BuildDetailedList(true);
  ASSERT_EQ(iterator_.DetailedListOfAllFiles.Count(), 5);
  EXPECT_EQ(iterator_.DetailedListOfAllFiles.Strings(0), Name(root_ / "head/sub/d.txt"));
  EXPECT_EQ(iterator_.DetailedListOfAllFiles.Strings(4), Name(root_ / "head/b.txt"));
}

TEST_F(FileAndDirIterator, StopEndsTheHandOutAndAFolderGoneIsLeftOut) {
  // A folder that goes between the walk and its listing stays absent.
  iterator_.OnDoneSubFolders = [&](int32_t) { fs::remove_all(root_ / "head/none"); };
  iterator_.IterateFindingFiles();
  EXPECT_EQ(iterator_.fGetOneFolderful(1), nullptr);
  EXPECT_EQ(iterator_.TotalFiles(), 5);

  std::vector<String> handed;
  std::vector<int32_t> progress;
  iterator_.OnFilesProgress = [&](int32_t percent) { progress.push_back(percent); };
  iterator_.OnProcessingAFile = [&](const String &name, const textcore::TMySearchRec &) {
    handed.push_back(name);
    if (handed.size() == 2)
      iterator_.Stop();
  };
  iterator_.ProcessAllFilesFound();
  EXPECT_EQ(handed.size(), 2u);
  EXPECT_EQ(progress, (std::vector<int32_t>{20, 40}));
  // A new hand-out starts again, over every folder.
  handed.clear();
  iterator_.OnProcessingAFile = [&](const String &name, const textcore::TMySearchRec &) {
    handed.push_back(name);
  };
  iterator_.ProcessAllFilesFound();
  EXPECT_EQ(handed.size(), 5u);
}

TEST_F(FileAndDirIterator, ZipMembersAreListedUnderTheirArchive) {
  testsupport::WriteZip((root_ / "head/sub/set.zip").string(),
                        {{"inner/m.txt", "member"}, {"n.doc", "other"}});
  iterator_.ZipMask = u"*.txt";
  iterator_.IterateFindingFiles();
  EXPECT_EQ(iterator_.TotalFiles(), 6);
  // A member's short name is its archive's, "/" and its stored path.
  EXPECT_EQ(iterator_.FoundMatch(u"SET.zip/inner/m.txt"),
            Name(root_ / "head/sub/set.zip/inner/m.txt"));
  iterator_.ReadZipfiles = false;
  iterator_.IterateFindingFiles();
  EXPECT_EQ(iterator_.TotalFiles(), 5);
}

TEST_F(FileAndDirIterator, FavouritesRoundTripByteForByteAndRefuseDamage) {
  iterator_.IterateFindingFiles();
  iterator_.FreeAFolderFul(1); // an absent folderful is saved as an empty one
  ASSERT_TRUE(iterator_.SaveFavourites());
  const std::string saved = Slurp(root_ / "favourites");

  TFileAndDirIterator again(nullptr);
  again.Favourites = iterator_.Favourites;
  ASSERT_TRUE(again.ReadFavourites());
  EXPECT_EQ(again.DirCount(), 3);
  EXPECT_EQ(again.TotalFiles(), 5);
  EXPECT_EQ(again.HeadDir, Name(root_ / "head") + u"/");
  EXPECT_EQ(again.FileMask, u"*.txt");
  EXPECT_TRUE(again.IncludeSubFolders);
  EXPECT_EQ(again.fGetOneFolderful(1)->Count(), 0);
  ASSERT_TRUE(again.SaveFavourites());
  EXPECT_TRUE(Slurp(root_ / "favourites") == saved);

  // Where the count of folders and the total sit in the file.
  const size_t total_at = 6;
  size_t count_at = 11;
  for (int i = 0; i < 3; ++i) {
    uint32_t units = 0;
    std::memcpy(&units, saved.data() + count_at, 4);
    count_at += 4 + 2 * units;
  }
  const auto patched = [&](size_t at, int32_t value) {
    std::string bytes = saved;
    std::memcpy(bytes.data() + at, &value, 4);
    return bytes;
  };
  const struct {
    std::string bytes;
    const char *what;
  } damaged[] = {{patched(count_at, -1), "count -1"},
                 {patched(count_at, 2147483647), "count 2^31-1"},
                 {saved.substr(0, saved.size() - 3), "truncated"},
                 {std::string(saved).replace(10, 1, 1, '\x09'), "sort byte 9"}};
  for (const auto &d : damaged) {
    std::ofstream(root_ / "favourites", std::ios::binary | std::ios::trunc) << d.bytes;
    try {
      again.ReadFavourites();
      ADD_FAILURE() << d.what << " read";
    } catch (const textcore::EReadError &e) {
      EXPECT_EQ(e.Message(), u"Cannot read: " + again.Favourites) << d.what;
    }
    EXPECT_EQ(again.Dirs().Count(), 0) << d.what;
    EXPECT_EQ(again.TotalFiles(), 0) << d.what;
  }
  // A total that disagrees with the folderfuls is recomputed.
  std::ofstream(root_ / "favourites", std::ios::binary | std::ios::trunc) << patched(total_at, 999);
  ASSERT_TRUE(again.ReadFavourites());
  EXPECT_EQ(again.TotalFiles(), 5);

  // Another tool's file: false, and nothing of it kept.
  const textcore::tool_type tool = textcore::current_tool_var;
  for (int other = 0; other < textcore::tool_type_count; ++other)
    if (textcore::CurrentSignature[other] != textcore::CurrentSignature[tool])
      textcore::current_tool_var = static_cast<textcore::tool_type>(other);
  ASSERT_NE(textcore::current_tool_var, tool);
  EXPECT_FALSE(again.ReadFavourites());
  textcore::current_tool_var = tool;
  EXPECT_EQ(again.Dirs().Count(), 0);
}

} // namespace
} // namespace filekit
