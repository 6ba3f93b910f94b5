#include "strings/text_file_appends.h"

#include "platform/file_names.h"
#include "platform/nls_code_pages.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <utility>

namespace textcore {
namespace {

using namespace std::string_literals;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

TEST(TextFileAppends, UTF16MarkOnlyWhenTheFileIsNewOrEmpty) {
  testsupport::TempFolder folder;
  const std::string bom = "\xFF\xFE", appended = "x\0\xAC\x20"s;
  WriteBytes(folder.File("empty.txt"), "");
  WriteBytes(folder.File("old.txt"), bom + "a\0"s);
  const std::pair<const char *, std::string> cases[] = {{"new.txt", bom + appended},
                                                        {"empty.txt", bom + appended},
                                                        {"old.txt", bom + "a\0"s + appended}};
  for (const auto &[file, expected] : cases) {
    EXPECT_TRUE(AddToFileOfChar(UTF8ToString(folder.File(file)), u"x\u20AC")) << file;
    EXPECT_EQ(ReadBytes(folder.File(file)), expected) << file;
  }
  // A second append adds only text.
  EXPECT_TRUE(AddToFileOfChar(UTF8ToString(folder.File("new.txt")), u"y"));
  EXPECT_EQ(ReadBytes(folder.File("new.txt")), bom + appended + "y\0"s);
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
  EXPECT_EQ(ReadBytes(folder.File("u.txt")), "\xFF\xFE"s + "c\0a\0f\0\xE9\0\r\0\n\0\r\0\n\0"s);
  mkdir(folder.File("dir").c_str(), 0700);
  EXPECT_FALSE(AddToFileOfChar(UTF8ToString(folder.File("dir")), u"x"));
  EXPECT_FALSE(AnsiAppendToTextFile(UTF8ToString(folder.File("no/such/file")), lines));
}

} // namespace
} // namespace textcore
