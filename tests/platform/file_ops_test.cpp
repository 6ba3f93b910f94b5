#include "platform/file_ops.h"

#include "platform/exceptions.h"
#include "platform/safe_file_writer.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace textcore {
namespace {

void WriteFile(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

String U(const std::string &path) { return UTF8ToString(path); }

size_t EntriesIn(const testsupport::TempFolder &folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                           std::filesystem::directory_iterator()));
}

TEST(FileOps, RenameNeverReplacesAndCopyNeverTruncatesItsSource) {
  testsupport::TempFolder folder;
  const std::string a = folder.File("a.txt"), b = folder.File("b.txt"), c = folder.File("c.txt");
  WriteFile(a, "first");
  WriteFile(b, "second");
  EXPECT_FALSE(RenameFile(U(a), U(b)));
  EXPECT_EQ(errno, EEXIST);
  EXPECT_EQ(ReadFile(b), "second");
  EXPECT_TRUE(RenameFile(U(a), U(c)));
  EXPECT_FALSE(FileExists(U(a)));

  // A copy onto itself, under another spelling of its name, would empty it.
  EXPECT_FALSE(CopyFileKeepingTime(U(c), U(folder.File("./c.txt")), false));
  EXPECT_EQ(errno, EINVAL);
  EXPECT_EQ(ReadFile(c), "first");
  EXPECT_FALSE(CopyFileKeepingTime(U(c), U(b), true));
  EXPECT_EQ(ReadFile(b), "second");
  EXPECT_TRUE(CopyFileKeepingTime(U(c), U(b), false));
  EXPECT_EQ(ReadFile(b), "first");
  mkfifo(folder.File("pipe").c_str(), 0600);
  EXPECT_FALSE(CopyFileKeepingTime(U(folder.File("pipe")), U(folder.File("p.txt")), false));
  EXPECT_FALSE(FileExists(U(folder.File("pipe")))); // a FIFO is no file
  EXPECT_TRUE(DirectoryExists(U(folder.Path().string())));
}

TEST(FileOps, ACopyKeepsTheLastWriteTimeAndTimesSetLeaveAccessAlone) {
  testsupport::TempFolder folder;
  const String a = U(folder.File("a.txt")), b = U(folder.File("b.txt"));
  WriteFile(folder.File("a.txt"), "x");
  const TDateTime noon = EncodeDateTime(2011, 3, 1, 12, 0, 0, 0);
  ASSERT_TRUE(SetFileLastWriteTime(a, noon));
  ASSERT_TRUE(CopyFileKeepingTime(a, b, false));
  TDateTime time = 0;
  ASSERT_TRUE(FileLastWriteTime(b, time));
  EXPECT_DOUBLE_EQ(time, noon);
  EXPECT_FALSE(SetFileLastWriteTime(U(folder.File("missing")), noon));
  EXPECT_FALSE(FileLastWriteTime(U(folder.File("missing")), time));
}

TEST(FileOps, DosDatesHoldTwoSecondStepsFrom1980To2107) {
  const TDateTime morning = EncodeDateTime(2001, 2, 3, 4, 5, 6, 0);
  struct Case {
    TDateTime time;
    int32_t file_date; // 0: cannot be held
    TDateTime back;
  } cases[] = {
      {morning, 0x2A4320A3, morning},
      {EncodeDateTime(2001, 2, 3, 4, 5, 7, 999), 0x2A4320A3, morning}, // odd seconds go down
      {EncodeDateTime(1980, 1, 1, 0, 0, 0, 0), 0x00210000, EncodeDate(1980, 1, 1)},
      {EncodeDateTime(2107, 12, 31, 23, 59, 58, 0), static_cast<int32_t>(0xFF9FBF7D),
       EncodeDateTime(2107, 12, 31, 23, 59, 58, 0)},
      {EncodeDateTime(1979, 12, 31, 23, 59, 59, 0), 0, 0},
      {EncodeDate(2108, 1, 1), 0, 0},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(DateTimeToFileDate(c.time), c.file_date) << c.time;
    TDateTime back = -1;
    if (c.file_date != 0) {
      EXPECT_TRUE(TryFileDateToDateTime(c.file_date, back));
      EXPECT_DOUBLE_EQ(back, c.back);
    }
  }
  // Fields that name no date or time: month 13 and 0, day 0, 30 February, hour 24, minute 60,
  // second 60.
  for (uint32_t bad : {0x2BA30000u, 0x2A030000u, 0x2A400000u, 0x2A5E0000u, 0x2A43C000u, 0x2A432780u,
                       0x2A4320BEu}) {
    TDateTime ignored = 0;
    EXPECT_FALSE(TryFileDateToDateTime(static_cast<int32_t>(bad), ignored)) << std::hex << bad;
    EXPECT_THROW(FileDateToDateTime(static_cast<int32_t>(bad)), EConvertError);
  }
}

// A writer dropped without a commit leaves the old file and nothing else; a commit replaces it.
TEST(FileOps, ASafeWriterReplacesTheFileOnlyWhenCommitted) {
  testsupport::TempFolder folder;
  const std::string path = folder.File("list.txt");
  WriteFile(path, "old");
  {
    TSafeFileWriter writer(U(path));
    writer.WriteBuffer("new", 3);
  }
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(EntriesIn(folder), 1u);
  {
    TSafeFileWriter writer(U(path));
    writer.WriteBuffer("newer", 5);
    writer.Commit();
    EXPECT_THROW(writer.WriteBuffer("!", 1), EWriteError);
  }
  EXPECT_EQ(ReadFile(path), "newer");
  EXPECT_EQ(EntriesIn(folder), 1u);
  mkdir(folder.File("sub").c_str(), 0700);
  EXPECT_THROW(TSafeFileWriter(U(folder.File("sub"))), EFCreateError);
}

TEST(FileOps, UniqueFilesAndFoldersAreMadeFresh) {
  testsupport::TempFolder folder;
  const String base = U(folder.Path().string());
  String first, second;
  ASSERT_TRUE(CreateUniqueFile(base, u"chk.", first));
  ASSERT_TRUE(CreateUniqueFile(base + u"/", u"chk.", second));
  EXPECT_NE(first, second);
  EXPECT_TRUE(FileExists(first) && FileExists(second));
  EXPECT_FALSE(CreateUniqueFile(base + u"/missing", u"chk.", first));
  EXPECT_TRUE(ForceDirectories(base + u"/a/b/c"));
  EXPECT_TRUE(ForceDirectories(base + u"\\a\\b")); // already there, named with backslashes
  EXPECT_FALSE(RemoveDir(base + u"/a"));           // not empty
  EXPECT_TRUE(RemoveDir(base + u"/a/b/c"));
  EXPECT_FALSE(DeleteFile(base + u"/a/b")); // a folder is no file
  EXPECT_TRUE(DeleteFile(second));
  EXPECT_FALSE(DeleteFile(second));
}

// The suite's private folder is refused when someone else could plant a file or a link in it.
TEST(FileOps, TheTemporaryFolderIsRefusedUnlessItIsPrivate) {
  testsupport::TempFolder folder;
  const char *saved = std::getenv("TMPDIR");
  const std::string keep = saved != nullptr ? saved : "";
  setenv("TMPDIR", folder.Path().c_str(), 1);
  const std::string own = folder.File("quillmark-" + std::to_string(geteuid()));
  String path, reason;
  EXPECT_TRUE(TrySuiteTempFolder(path, reason)) << StringToUTF8(reason);
  EXPECT_EQ(path, U(own) + u"/");
  struct stat st {};
  ASSERT_EQ(stat(own.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  chmod(own.c_str(), 0777);
  EXPECT_FALSE(TrySuiteTempFolder(path, reason));
  rmdir(own.c_str());
  symlink(folder.Path().c_str(), own.c_str());
  EXPECT_FALSE(TrySuiteTempFolder(path, reason));
  EXPECT_THROW(SuiteTempFolder(), EFCreateError);
  if (saved != nullptr)
    setenv("TMPDIR", keep.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

TEST(FileOps, TheProgramKnowsItsOwnPath) {
  EXPECT_TRUE(FileExists(ProgramFileName()));
  EXPECT_EQ(ProgramFolder().back(), u'/');
  EXPECT_GT(ProgramFileTime(), 0);
}

} // namespace
} // namespace textcore
