#include "platform/dir_search.h"

#include "platform/file_names.h"
#include "platform/streams.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace textcore {
namespace {

void Touch(const std::string &path, const std::string &bytes = "") {
  std::ofstream(path, std::ios::binary) << bytes;
}

String Names(const std::vector<TDirEntry> &entries) {
  String names;
  for (const TDirEntry &entry : entries)
    names += (names.empty() ? u"" : u" ") + entry.Name;
  return names;
}

// The Windows wildcard rules over one folder, and one order on every file system: A-Z folded to
// upper case, so "_" (after "Z") sorts after the letters.
TEST(DirSearch, PatternsFollowTheWildcardRulesAndNamesComeSorted) {
  testsupport::TempFolder folder;
  for (const char *name : {"b.txt", "A.TXT", "readme", "read.me", "c.tar.gz", "a.txt.bak", "_x"})
    Touch(folder.File(name));
  mkdir(folder.File("sub").c_str(), 0700);
  mkdir(folder.File("dir.d").c_str(), 0700);
  Touch(folder.File(".hidden"));
  struct Case {
    const char16_t *pattern;
    int32_t attr;
    const char16_t *names;
  } cases[] = {
      {u"*", 0, u"A.TXT a.txt.bak b.txt c.tar.gz read.me readme _x"},
      {u"*.*", 0, u"A.TXT a.txt.bak b.txt c.tar.gz read.me readme _x"},
      {u"*.*.*", 0, u"A.TXT a.txt.bak b.txt c.tar.gz read.me readme _x"},
      {u"*.txt", 0, u"A.TXT b.txt"},
      {u"read.*", 0, u"read.me"},
      {u"readme.*", 0, u"readme"}, // a trailing ".*" also matches the bare name
      {u"?.txt", 0, u"A.TXT b.txt"},
      {u"*.gz", 0, u"c.tar.gz"},
      {u"*", faDirectory, u"A.TXT a.txt.bak b.txt c.tar.gz dir.d read.me readme sub _x"},
      {u"*.*", faDirectory | faHidden,
       u".hidden A.TXT a.txt.bak b.txt c.tar.gz dir.d read.me readme sub _x"},
      {u"nothing*", faAnyFile, u""},
  };
  for (const Case &c : cases) {
    int error = -1;
    const auto entries =
        ListDirectory(UTF8ToString(folder.Path().string()), c.pattern, c.attr, error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(Names(entries), c.names) << StringToUTF8(c.pattern) << " " << c.attr;
  }
}

TEST(DirSearch, EntriesCarryAttributesSizesAndTimes) {
  testsupport::TempFolder folder;
  Touch(folder.File("data.txt"), "12345");
  Touch(folder.File("locked.txt"));
  chmod(folder.File("locked.txt").c_str(), 0444);
  mkdir(folder.File("sub").c_str(), 0700);
  mkfifo(folder.File("pipe").c_str(), 0600); // listed without being opened, so nothing waits
  symlink("missing", folder.File("dangling").c_str());
  TSearchRec F;
  std::vector<std::pair<String, int32_t>> seen;
  for (int32_t r = FindFirst(UTF8ToString(folder.File("*")), faAnyFile, F); r == 0; r = FindNext(F))
    seen.push_back({F.Name + u" " + IntToStr(F.Size) + (F.Regular ? u" file" : u""), F.Attr});
  FindClose(F);
  const std::vector<std::pair<String, int32_t>> expected = {{u"dangling 0", 0},
                                                            {u"data.txt 5 file", 0},
                                                            {u"locked.txt 0 file", faReadOnly},
                                                            {u"pipe 0", 0},
                                                            {u"sub 0", faDirectory}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(FindFirst(UTF8ToString(folder.File("none*")), faAnyFile, F), ENOENT);
  EXPECT_EQ(FindFirst(UTF8ToString(folder.File("missing/*")), faAnyFile, F), ENOENT);
  EXPECT_EQ(FileGetAttr(UTF8ToString(folder.File("sub"))), faDirectory);
  EXPECT_EQ(FileGetAttr(UTF8ToString(folder.File("missing"))), -1);
  // A backslash stands for the delimiter in a pattern a user typed.
  EXPECT_EQ(FindFirst(UTF8ToString(folder.Path().string()) + u"\\data.*", 0, F), 0);
  EXPECT_EQ(F.Name, u"data.txt");
}

// A name that is not valid UTF-8 is listed losslessly and opens again under that name.
TEST(DirSearch, ANameWithAnInvalidByteIsListedAndReopened) {
  testsupport::TempFolder folder;
  Touch(folder.File("caf\xE9.txt"), "bytes");
  int error = 0;
  const auto entries = ListDirectory(UTF8ToString(folder.Path().string()), u"*.txt", 0, error);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, String(u"caf") + char16_t(0xDCE9) + u".txt");
  TFileStream stream(IncludeTrailingPathDelimiter(UTF8ToString(folder.Path().string())) +
                         entries[0].Name,
                     fmOpenRead);
  EXPECT_EQ(stream.Size(), 5);
}

} // namespace
} // namespace textcore
