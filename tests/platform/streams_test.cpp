#include "platform/safe_file_writer.h"
#include "platform/streams.h"

#include "platform/exceptions.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textcore {
namespace {

using testsupport::TempFolder;

String Name(const std::string &utf8) { return UTF8ToString(utf8); }

void WriteFile(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string &path) { return access(path.c_str(), F_OK) == 0; }

size_t EntriesIn(const TempFolder &folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                           std::filesystem::directory_iterator()));
}

// A fresh folder for each test, and the path of one file in it that the test may make.
class InAFolder : public testing::Test {
protected:
  TempFolder folder;
  const std::string path = folder.File("file");
};
using FileStream = InAFolder;
using MemoryStream = InAFolder;
using SaveBytesToFile = InAFolder; // the function is textcore::SaveBytesToFile

// The messages of failures to open and to create the file at path with the given system error.
String OpenError(const std::string &path, int code) {
  return u"Cannot open file \"" + Name(path) + u"\". " + SysErrorMessage(code);
}

String CreateError(const std::string &path, int code) {
  return u"Cannot create file \"" + Name(path) + u"\". " + SysErrorMessage(code);
}

std::string ContentsOf(TMemoryStream &stream) {
  return std::string(reinterpret_cast<const char *>(stream.Memory()),
                     static_cast<size_t>(stream.Size()));
}

template <typename E> String MessageOf(const std::function<void()> &action) {
  try {
    action();
  } catch (const E &e) {
    return e.Message();
  }
  ADD_FAILURE() << "no exception";
  return {};
}

TEST_F(FileStream, EveryOpenModeOnAnExistingAndAMissingFile) {
  struct Case {
    uint16_t mode;
    bool opens_missing, can_read, can_write, truncates;
  };
  const Case cases[] = {
      {fmOpenRead, false, true, false, false},
      {fmOpenWrite, false, false, true, false},
      {fmOpenReadWrite, false, true, true, false},
      {fmCreate, true, true, true, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.mode);
    TempFolder folder;
    std::string existing = folder.File("old.txt"), missing = folder.File("new.txt");
    WriteFile(existing, "abcdef");
    {
      TFileStream stream(Name(existing), c.mode);
      EXPECT_EQ(stream.Size(), c.truncates ? 0 : 6);
      char buffer[3] = {};
      EXPECT_EQ(stream.Read(buffer, 3), c.can_read && !c.truncates ? 3 : 0);
      EXPECT_EQ(stream.Write("XY", 2), c.can_write ? 2 : 0);
    }
    std::string expected = c.truncates   ? "XY"
                           : c.can_write ? (c.can_read ? "abcXYf" : "XYcdef")
                                         : "abcdef";
    EXPECT_EQ(ReadFile(existing), expected);
    if (c.opens_missing) {
      TFileStream stream(Name(missing), c.mode);
      EXPECT_TRUE(Exists(missing));
    } else {
      EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream stream(Name(missing), c.mode); }),
                OpenError(missing, ENOENT));
      EXPECT_FALSE(Exists(missing));
    }
  }
}

TEST_F(FileStream, CreateHonoursTheUmask) {
  mode_t old = umask(027);
  { TFileStream stream(Name(path), fmCreate); }
  umask(old);
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(FileStream, ShareModesConflictWithinOneProcessAndAConflictNeverTruncates) {
  struct Case {
    uint16_t first, second;
    bool conflicts;
  };
  const Case cases[] = {
      {fmOpenRead | fmShareDenyWrite, fmOpenRead | fmShareDenyWrite, false},
      {fmOpenRead | fmShareDenyWrite, fmOpenReadWrite | fmShareExclusive, true},
      {fmOpenRead | fmShareExclusive, fmOpenRead | fmShareDenyWrite, true},
      {fmOpenRead | fmShareDenyRead, fmOpenRead | fmShareDenyWrite, true},
      {fmOpenRead | fmShareExclusive, fmOpenRead | fmShareDenyNone, false},
      {fmOpenRead | fmShareExclusive, fmOpenRead | fmShareCompat, false},
      {fmOpenRead | fmShareDenyNone, fmOpenRead | fmShareExclusive, false},
      {fmCreate, fmOpenRead | fmShareDenyWrite, true},
      {fmCreate | fmShareDenyNone, fmOpenRead | fmShareExclusive, false},
      {fmCreate | fmShareDenyWrite, fmOpenRead | fmShareDenyWrite, false},
      {fmOpenRead | fmShareDenyWrite, fmCreate, true},
      {fmOpenRead | fmShareDenyWrite, fmCreate | fmShareDenyNone, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " then " + std::to_string(c.second));
    WriteFile(path, "keep");
    TFileStream first(Name(path), c.first);
    const std::string before = ReadFile(path);
    bool second_is_create = (c.second & fmCreate) == fmCreate;
    try {
      TFileStream second(Name(path), c.second);
      EXPECT_FALSE(c.conflicts);
    } catch (const EFOpenError &e) {
      EXPECT_TRUE(c.conflicts && !second_is_create);
      EXPECT_EQ(e.Message(), OpenError(path, EWOULDBLOCK));
    } catch (const EFCreateError &e) {
      EXPECT_TRUE(c.conflicts && second_is_create);
      EXPECT_EQ(e.Message(), CreateError(path, EWOULDBLOCK));
    }
    if (c.conflicts) { // not even a create truncates a file it may not have
      EXPECT_EQ(ReadFile(path), before);
    }
  }
}

TEST_F(FileStream, RefusesFoldersFifosWithoutBlockingAndNamesWithANul) {
  std::string fifo = folder.File("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string sub = folder.File("sub");
  ASSERT_EQ(mkdir(sub.c_str(), 0700), 0);
  for (uint16_t mode : {fmOpenRead, fmOpenWrite, fmOpenReadWrite}) {
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream s(Name(fifo), mode); }),
              OpenError(fifo, mode == fmOpenWrite ? ENXIO : EINVAL)); // ENXIO: no reader
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream s(Name(sub), mode); }),
              OpenError(sub, EISDIR));
  }
  EXPECT_THROW(TFileStream(Name(fifo), fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(Name(sub), fmCreate), EFCreateError);
  TMemoryStream memory;
  EXPECT_THROW(memory.LoadFromFile(Name(fifo)), EFOpenError);
  WriteFile(folder.File("a"), "x"); // a name cut short at a NUL would open it
  EXPECT_THROW(TFileStream(Name(folder.File("a")) + String(1, u'\0') + u"b", fmOpenRead),
               EFOpenError);
}

TEST_F(FileStream, ReadBufferPastTheEndRaisesReadError) {
  WriteFile(path, "12345");
  TFileStream stream(Name(path), fmOpenRead);
  char buffer[8];
  EXPECT_EQ(MessageOf<EReadError>([&] { stream.ReadBuffer(buffer, 6); }), u"Stream read error");
  stream.SetPosition(0);
  stream.ReadBuffer(buffer, 5);
  EXPECT_EQ(std::string(buffer, 5), "12345");
  EXPECT_THROW(stream.WriteBuffer("x", 1), EWriteError); // opened for reading only
}

TEST_F(FileStream, SeekAndSetSize) {
  TFileStream stream(Name(path), fmCreate);
  stream.WriteBuffer("0123456789", 10);
  EXPECT_EQ(stream.Seek(-3, soEnd), 7);
  EXPECT_EQ(stream.Seek(1, soCurrent), 8);
  EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);
  EXPECT_THROW(stream.Seek(-11, soEnd), EStreamError);
  EXPECT_EQ(stream.Position(), 8);
  stream.SetSize(4);
  EXPECT_EQ(stream.Position(), 4);
  EXPECT_EQ(stream.Size(), 4);
  stream.SetSize(6);
  EXPECT_EQ(stream.Position(), 4);
  EXPECT_EQ(ReadFile(path), std::string("0123\0\0", 6));
  EXPECT_THROW(stream.SetSize(-1), EStreamError);
}

TEST_F(MemoryStream, SeekPastTheEndThenWriteZeroFills) {
  TMemoryStream stream;
  stream.WriteBuffer("ab", 2);
  EXPECT_EQ(stream.Seek(3, soCurrent), 5);
  EXPECT_EQ(stream.Size(), 2);
  char buffer[4];
  EXPECT_EQ(stream.Read(buffer, 4), 0);
  stream.WriteBuffer("z", 1);
  ASSERT_EQ(stream.Size(), 6);
  EXPECT_EQ(ContentsOf(stream), std::string("ab\0\0\0z", 6));
  EXPECT_THROW(stream.Seek(-7, soEnd), EStreamError);
  EXPECT_EQ(stream.Position(), 6);
}

TEST_F(MemoryStream, SizesBeyondMemoryAreRefused) {
  TMemoryStream stream;
  EXPECT_THROW(stream.SetSize(-1), EStreamError);
  EXPECT_THROW(stream.SetSize(INT64_MAX), EStreamError);
  stream.SetPosition(INT64_MAX - 1);
  EXPECT_THROW(stream.Write("abc", 3), EStreamError);
  EXPECT_EQ(stream.Size(), 0);
  stream.SetSize(3);
  stream.SetPosition(2);
  stream.SetSize(1);
  EXPECT_EQ(stream.Position(), 1);
}

TEST_F(MemoryStream, LoadsAndSavesFilesByteForByte) {
  std::string all;
  for (int i = 0; i < 70000; ++i)
    all.push_back(static_cast<char>(i * 7));
  WriteFile(path, all);
  TMemoryStream stream;
  stream.LoadFromFile(Name(path));
  EXPECT_EQ(ContentsOf(stream), all);
  std::string copy = folder.File("copy.bin");
  stream.SaveToFile(Name(copy));
  EXPECT_EQ(ReadFile(copy), all);
  EXPECT_EQ(EntriesIn(folder), 2u); // no temporary left behind
}

TEST_F(MemoryStream, LoadFromFileRefusesAFileLargerThanMemory) {
  WriteFile(path, "");
  // Sparse: twice the machine's memory costs no disk space.
  int64_t twice_memory = int64_t{2} * sysconf(_SC_PHYS_PAGES) * sysconf(_SC_PAGESIZE);
  if (truncate(path.c_str(), twice_memory) != 0)
    GTEST_SKIP() << "the file system refuses a sparse file that large";
  TMemoryStream stream;
  stream.WriteBuffer("kept", 4);
  EXPECT_THROW(stream.LoadFromFile(Name(path)), EStreamError);
  EXPECT_EQ(stream.Size(), 4);
}

TEST_F(SaveBytesToFile, ReplacesTheFileAndKeepsItsMode) {
  WriteFile(path, "old contents, longer than the new");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  textcore::SaveBytesToFile(Name(path), "new", 3);
  EXPECT_EQ(ReadFile(path), "new");
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST_F(SaveBytesToFile, SavingThroughALinkReplacesItsTarget) {
  std::string target = folder.File("real.txt"), link = folder.File("link.txt");
  WriteFile(target, "old");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  textcore::SaveBytesToFile(Name(link), "new", 3);
  EXPECT_EQ(ReadFile(target), "new");
  struct stat st;
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(SaveBytesToFile, FailuresLeaveTheOriginalAndNoTemporary) {
  std::string folder_target = folder.File("is_a_folder");
  ASSERT_EQ(mkdir(folder_target.c_str(), 0700), 0);
  std::string read_only = folder.File("read_only.txt");
  WriteFile(read_only, "keep me");
  ASSERT_EQ(chmod(read_only.c_str(), 0444), 0);
  std::string fifo = folder.File("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string path;
    int error_code;
  } cases[] = {
      {folder_target, EISDIR},
      {read_only, EACCES},
      {fifo, EINVAL},
      {folder.File("missing/x.txt"), ENOENT},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.path);
    TMemoryStream stream;
    stream.WriteBuffer("new", 3);
    EXPECT_EQ(MessageOf<EFCreateError>([&] { stream.SaveToFile(Name(c.path)); }),
              CreateError(c.path, c.error_code));
  }
  EXPECT_EQ(ReadFile(read_only), "keep me");
  EXPECT_EQ(EntriesIn(folder), 3u);
}

TEST_F(SaveBytesToFile, AWriteThatFailsHalfWayKeepsTheOriginal) {
  // A file-size limit makes the write fail after the temporary exists, even for root.
  WriteFile(path, "old");
  std::string big(64 * 1024, 'x');
  rlimit old_limit;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 4096;
  auto old_handler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  String message = MessageOf<EFCreateError>(
      [&] { textcore::SaveBytesToFile(Name(path), big.data(), big.size()); });
  setrlimit(RLIMIT_FSIZE, &old_limit);
  signal(SIGXFSZ, old_handler);
  EXPECT_EQ(message, CreateError(path, EFBIG));
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST_F(SaveBytesToFile, AnUnwritableFolderKeepsTheOriginal) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root writes into any folder";
  WriteFile(path, "old");
  ASSERT_EQ(chmod(folder.Path().c_str(), 0500), 0);
  EXPECT_THROW(textcore::SaveBytesToFile(Name(path), "new", 3), EFCreateError);
  chmod(folder.Path().c_str(), 0700);
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(Stream, CopyFrom) {
  std::string all;
  for (int i = 0; i < 200000; ++i)
    all.push_back(static_cast<char>(i % 251));
  TMemoryStream source;
  source.WriteBuffer(all.data(), static_cast<int64_t>(all.size()));

  TMemoryStream whole; // count 0: all of the source from its start, wherever it stood
  source.SetPosition(12345);
  EXPECT_EQ(whole.CopyFrom(source, 0), 200000);
  EXPECT_EQ(ContentsOf(whole), all);

  TMemoryStream part; // a count: from the current position on
  source.SetPosition(100);
  EXPECT_EQ(part.CopyFrom(source, 150000), 150000);
  EXPECT_EQ(ContentsOf(part), all.substr(100, 150000));
  EXPECT_EQ(source.Position(), 150100);

  TMemoryStream too_much;
  source.SetPosition(199999);
  EXPECT_THROW(too_much.CopyFrom(source, 2), EReadError);
}

} // namespace
} // namespace textcore
