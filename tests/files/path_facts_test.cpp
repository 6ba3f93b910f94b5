#include "files/path_facts.h"

#include "platform/file_names.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace textcore {
namespace {

TEST(PathFacts, NormalisedPathIsAbsoluteAndLexicalWithoutATrailingDelimiter) {
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  const String here = IncludeTrailingPathDelimiter(BytesToFileName(cwd));
  const std::vector<std::pair<StringView, String>> cases = {
      {u"c:\\", u"c:\\"},
      {u"C:", u"C:"},
      {u"/", u"/"},
      {u"", u""},
      {u"//", u"/"},
      {u"/data/./old/../texts//", u"/data/texts"},
      {u"\\data\\texts\\", u"/data/texts"},
      {u"/a/../..", u"/"},
      {u"sub/dir/", here + u"sub/dir"},
      {u"c:\\texts", here + u"c:/texts"}, // only a drive's root stands for the root
  };
  for (const auto &[given, expected] : cases)
    EXPECT_EQ(NormalisedPath(given), expected) << StringToUTF8(given);

  maxpathwidechar buffer;
  buffer.fill(u'x');
  NormalisedPathW(u"/data/texts/", buffer);
  EXPECT_EQ(String(buffer.data()), u"/data/texts");
  EXPECT_EQ(buffer[260], u'\0'); // cleared beyond the path too
  const String longest = u"/" + String(259, u'a');
  NormalisedPathW(longest, buffer);
  EXPECT_EQ(String(buffer.data()), longest);
  NormalisedPathW(longest + u"b", buffer); // one too many: empty, not cut
  EXPECT_EQ(buffer, maxpathwidechar{});
}

TEST(PathFacts, AttributeLettersAndFolders) {
  const std::vector<std::pair<uint16_t, StringView>> attributes = {
      {0, u""}, {0x21, u"ra"}, {0x16, u"shd"}, {0x3F, u"rashd"}, {0xFFC8, u""}};
  for (const auto &[attr, letters] : attributes)
    EXPECT_EQ(AttributesToStr(attr), letters) << attr;

  testsupport::TempFolder folder;
  std::filesystem::create_directory(folder.File("sub"));
  std::filesystem::create_directory_symlink(folder.File("sub"), folder.File("link"));
  EXPECT_TRUE(sIsADirectory(UTF8ToString(folder.File("link"))));
  EXPECT_FALSE(sIsADirectory(UTF8ToString(folder.File("missing"))));
}

} // namespace
} // namespace textcore
