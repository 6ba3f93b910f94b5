#include "platform/file_names.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(FileNames, PartsOfANameWithEitherSeparator) {
  struct Case {
    const char16_t *name, *ext, *path, *dir, *file;
  };
  const Case cases[] = {
      {u"/texts/a.txt", u".txt", u"/texts/", u"/texts", u"a.txt"},
      {u"c:\\corpus\\b.tar.gz", u".gz", u"c:\\corpus\\", u"c:\\corpus", u"b.tar.gz"},
      {u"/my.folder/readme", u"", u"/my.folder/", u"/my.folder", u"readme"},
      {u"/a.txt", u".txt", u"/", u"/", u"a.txt"},
      {u"name.", u".", u"", u"", u"name."},
      {u".hidden", u".hidden", u"", u"", u".hidden"},
      {u"", u"", u"", u"", u""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.name));
    EXPECT_EQ(ExtractFileExt(c.name), c.ext);
    EXPECT_EQ(ExtractFilePath(c.name), c.path);
    EXPECT_EQ(ExtractFileDir(c.name), c.dir);
    EXPECT_EQ(ExtractFileName(c.name), c.file);
  }
}

TEST(FileNames, ChangeFileExtAndTrailingDelimiters) {
  EXPECT_EQ(ChangeFileExt(u"/x.y/list.lst", u".bak"), u"/x.y/list.bak");
  EXPECT_EQ(ChangeFileExt(u"/x.y/list", u".bak"), u"/x.y/list.bak");
  EXPECT_EQ(ChangeFileExt(u"list.lst", u""), u"list");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"/a"), u"/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter(u"c:\\a\\"), u"c:\\a\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/a//"), u"/a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter(u"/"), u"/");
}

TEST(FileNames, EveryByteSequenceRoundTripsThroughAName) {
  // All single bytes, the truncated and overlong sequences, and a real U+FFFD on disk.
  std::vector<std::string> samples = {"\xEF\xBF\xBD",
                                      "caf\xC3\xA9",
                                      "\xC3",
                                      "\xC0\xAF",
                                      "\xED\xA0\x80",
                                      "a\xFF\xFE"
                                      "b",
                                      "\xF0\x9F\x98\x80"};
  for (int b = 1; b < 256; ++b)
    samples.push_back(std::string(1, static_cast<char>(b)));
  for (const std::string &bytes : samples) {
    EXPECT_EQ(FileNameToBytes(BytesToFileName(bytes)), bytes);
  }
  EXPECT_EQ(BytesToFileName("caf\xC3\xA9"), u"café");
  EXPECT_EQ(BytesToFileName("\xFF"), String(1, char16_t(0xDCFF)));
  EXPECT_EQ(FileNameToBytes(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(FileNames, ExpandFileNameResolvesDotsLexically) {
  struct Case {
    const char16_t *name, *expanded;
  } cases[] = {
      {u"/a/b/../c", u"/a/c"},
      {u"/a/./b//c/", u"/a/b/c/"},
      {u"/../..", u"/"},
      {u"\\a\\b", u"/a/b"},
      {u"/", u"/"},
      {u"/a/b/..", u"/a"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ExpandFileName(c.name), c.expanded) << StringToUTF8(c.name);
  EXPECT_EQ(ExpandFileName(u"x/../y.txt").back(), u't');
  EXPECT_EQ(ExpandFileName(u"x/../y.txt")[0], u'/');
}

} // namespace
} // namespace textcore
