#include "files/file_dates.h"
#include "files/file_lists.h"
#include "files/folder_tests.h"

#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/streams.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace textcore {
namespace {

namespace fs = std::filesystem;

class FilesIn : public ::testing::Test {
protected:
  String Path(const std::string &name) const { return UTF8ToString(folder_.File(name)); }
  void Write(const std::string &name, const std::string &bytes = "") {
    fs::create_directories(fs::path(folder_.File(name)).parent_path());
    std::ofstream(folder_.File(name), std::ios::binary) << bytes;
  }
  testsupport::TempFolder folder_;
};

TEST_F(FilesIn, FolderTestsSeeFilesFoldersAndLocks) {
  fs::create_directories(folder_.File("dots"));
  Write("dots/.only");
  Write("full/a.txt", "12345");
  Write("chk.tmp", "a user's file");
  mkfifo(folder_.File("pipe").c_str(), 0600);
  EXPECT_TRUE(FolderIsEmpty(Path("dots")));
  EXPECT_FALSE(FolderIsEmpty(Path("full")));
  EXPECT_TRUE(FolderIsEmpty(Path("missing")));
  EXPECT_TRUE(RemovedEmptyFolder(Path("missing")));
  EXPECT_TRUE(RemovedEmptyFolder(Path("full")));
  EXPECT_TRUE(DriveAndFolderExist(Path("full")));
  // Writable, without touching the "chk.tmp" that stands there.
  EXPECT_TRUE(IsDirectoryWriteable(Path("")));
  EXPECT_FALSE(IsDirectoryWriteable(Path("missing")));
  std::ifstream kept(folder_.File("chk.tmp"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "a user's file");
  EXPECT_EQ(FileSize(Path("full/a.txt")), 5);
  EXPECT_EQ(FileSize(Path("chk.tmp")), 13);
  EXPECT_EQ(FileSize(Path("missing")), -1);
  EXPECT_FALSE(DriveAndFileExist(Path("pipe"))); // no reader may wait on it
  EXPECT_FALSE(DriveAndFileExist(Path("full")));
  EXPECT_TRUE(DriveAndFileExist(Path("full/a.txt")));
  EXPECT_FALSE(FileInUse(Path("full/a.txt")));
  {
    TFileStream holder(Path("full/a.txt"), fmOpenRead | fmShareExclusive);
    EXPECT_TRUE(FileInUse(Path("full/a.txt")));
  }
  EXPECT_FALSE(FileInUse(Path("missing")));
  chmod(folder_.File("full/a.txt").c_str(), 0444);
  EXPECT_TRUE(ReadOnlyFileW(Path("full/a.txt")));
  EXPECT_FALSE(ReadOnlyFolderW(Path("full/a.txt")));
  EXPECT_FALSE(ReadOnlyFileW(Path("chk.tmp")));
  EXPECT_TRUE(FolderProposedIsOriginalFolder(Path("full/a.txt"), Path("full/../full/b.txt")));
  EXPECT_FALSE(FolderProposedIsOriginalFolder(Path("full/a.txt"), Path("dots/a.txt")));
  EXPECT_FALSE(FolderProposedIsOriginalFolder(u"", Path("dots/a.txt")));
}

TEST_F(FilesIn, ListsTakePlainFilesAndSortByNameOrByATimeReadOnce) {
  Write("b.txt");
  Write("A.txt");
  Write("a.htm");
  Write(".hidden.txt");
  fs::create_directories(folder_.File("sub.txt"));
  const String base = IncludeTrailingPathDelimiter(UTF8ToString(folder_.Path().string()));
  EXPECT_EQ(ListOfAllFilesIn(base)->CommaText(),
            base + u"a.htm," + base + u"A.txt," + base + u"b.txt");
  EXPECT_EQ(ListOfAllFilesMatchingExt(base + u"a.txt", u".*", false)->CommaText(),
            base + u"a.htm," + base + u"A.txt"); // a.txt itself is not there, A.txt is another
  EXPECT_EQ(ListOfAllFilesMatchingExt(base + u"b.txt", u".txt", false)->Count(), 0);
  EXPECT_EQ(ListOfAllFilesMatchingExt(base + u"b.txt", u".txt", true)->Count(), 1);

  TStringList list;
  for (const char16_t *name : {u"/x/b.txt", u"/y/A.txt", u"/w/a.txt", u"/z/C.txt"})
    list.Add(name);
  SortListOfFiles(list, false, true);
  EXPECT_EQ(list.CommaText(), u"/w/a.txt,/y/A.txt,/x/b.txt,/z/C.txt");
  SortListOfFiles(list, false, false);
  EXPECT_EQ(list.CommaText(), u"/z/C.txt,/x/b.txt,/y/A.txt,/w/a.txt");

  // By last access, earlier first; a file that has gone counts as time 0.
  const String old_file = base + u"b.txt", new_file = base + u"A.txt";
  const timespec times_old[2] = {{1000000000, 0}, {1000000000, 0}};
  const timespec times_new[2] = {{1600000000, 0}, {1600000000, 0}};
  utimensat(AT_FDCWD, FileNameToBytes(old_file).c_str(), times_old, 0);
  utimensat(AT_FDCWD, FileNameToBytes(new_file).c_str(), times_new, 0);
  TStringList dated;
  for (const String &name : {new_file, base + u"gone.txt", old_file})
    dated.Add(name);
  SortListOfFiles(dated, true, true);
  EXPECT_EQ(dated.CommaText(), base + u"gone.txt," + old_file + u"," + new_file);
  SortListOfFiles(dated, true, false);
  EXPECT_EQ(dated.CommaText(), new_file + u"," + old_file + u"," + base + u"gone.txt");
}

TEST_F(FilesIn, FileDatesAreSetAtNoonOfRealDatesFrom1980) {
  Write("a.txt", "x");
  const String file = Path("a.txt");
  struct Case {
    const char16_t *date;
    bool set;
  } cases[] = {
      {u"25/12/2009", true},  {u"29/02/2012", true},  {u"31/12/2106", true},
      {u"29/02/2011", false}, {u"31/04/2011", false}, {u"01/01/1979", false},
      {u"1/1/2011", false},   {u"01/01/2107", false}, {u"aa/01/2011", false},
  };
  for (const Case &c : cases)
    EXPECT_EQ(SetFileDate(file, String(c.date)), c.set) << StringToUTF8(c.date);
  ASSERT_TRUE(SetFileDate(file, 3, 2, 2001));
  TDateTime time = 0;
  ASSERT_TRUE(FileLastWriteTime(file, time));
  EXPECT_DOUBLE_EQ(time, EncodeDateTime(2001, 2, 3, 12, 0, 0, 0));
  EXPECT_FALSE(SetFileDate(Path("missing"), 3, 2, 2001));

  Write("b.txt", "y");
  EXPECT_TRUE(CopyDateOfFile(file, Path("b.txt")));
  ASSERT_TRUE(FileLastWriteTime(Path("b.txt"), time));
  EXPECT_DOUBLE_EQ(time, EncodeDateTime(2001, 2, 3, 12, 0, 0, 0));
  EXPECT_FALSE(CopyDateOfFile(file, Path("missing")));
  EXPECT_TRUE(CopyFileRetainingDate(file, Path("c.txt")));
  EXPECT_FALSE(CopyFileRetainingDate(Path("missing"), Path("d.txt")));
  CopyAFileWithBackup(file);
  EXPECT_TRUE(DriveAndFileExist(Path("a.bak")));
  Write("x.bak", "keep");
  CopyAFileWithBackup(Path("x.bak")); // its own backup: left alone, not emptied
  EXPECT_EQ(FileSize(Path("x.bak")), 4);
}

} // namespace
} // namespace textcore
