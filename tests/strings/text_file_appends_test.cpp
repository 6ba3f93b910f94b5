#include "strings/text_file_appends.h"

#include "platform/file_names.h"
#include "platform/nls_code_pages.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace textcore {
namespace {

using testsupport::ReadBytes;
using testsupport::WriteBytes;

TEST(TextFileAppends, UTF16MarkOnlyWhenTheFileIsNewOrEmpty) {
  testsupport::TempFolder folder;
  WriteBytes(folder.File("empty.txt"), "");
  WriteBytes(folder.File("old.txt"), std::string("\xFF\xFE"
                                                 "a\0",
                                                 4));
  const struct {
    const char *file;
    std::string expected;
  } cases[] = {{"new.txt", std::string("\xFF\xFE"
                                       "x\0\xAC\x20",
                                       6)},
               {"empty.txt", std::string("\xFF\xFE"
                                         "x\0\xAC\x20",
                                         6)},
               {"old.txt", std::string("\xFF\xFE"
                                       "a\0x\0\xAC\x20",
                                       8)}};
  for (const auto &c : cases) {
    EXPECT_TRUE(AddToFileOfChar(UTF8ToString(folder.File(c.file)), u"x\u20AC")) << c.file;
    EXPECT_EQ(ReadBytes(folder.File(c.file)), c.expected) << c.file;
  }
  // A second append adds only text.
  EXPECT_TRUE(AddToFileOfChar(UTF8ToString(folder.File("new.txt")), u"y"));
  EXPECT_EQ(ReadBytes(folder.File("new.txt")), std::string("\xFF\xFE"
                                                           "x\0\xAC\x20y\0",
                                                           8));
}

TEST(TextFileAppends, ListsAsTextAndFailuresAsFalse) {
  testsupport::TempFolder folder;
  TStringList lines;
  lines.Add(u"caf\u00E9");
  lines.Add(u"");
  const String ansi = UTF8ToString(folder.File("ansi.txt"));
  WriteBytes(folder.File("ansi.txt"), "old\r\n");
  EXPECT_TRUE(AnsiAppendToTextFile(ansi, lines));
  EXPECT_EQ(ReadBytes(folder.File("ansi.txt")),
            "old\r\n" + StringToAnsi(u"caf\u00E9") + "\r\n\r\n");
  EXPECT_TRUE(UnicodeAppendToTextFile(UTF8ToString(folder.File("u.txt")), lines));
  EXPECT_EQ(ReadBytes(folder.File("u.txt")), std::string("\xFF\xFE"
                                                         "c\0a\0f\0\xE9\0\r\0\n\0\r\0\n\0",
                                                         18));
  mkdir(folder.File("dir").c_str(), 0700);
  EXPECT_FALSE(AddToFileOfChar(UTF8ToString(folder.File("dir")), u"x"));
  EXPECT_FALSE(AnsiAppendToTextFile(UTF8ToString(folder.File("no/such/file")), lines));
}

} // namespace
} // namespace textcore
