#include "files/zip_members.h"

#include "files/zip_names.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/zip_extract_limit.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace textcore {
namespace {

// An archive named in any case is one; a folder named "x.zip" is none, and a file in it is no
// member, while an archive inside that folder is.
TEST(ZipNames, SplitAtTheFirstPrefixThatIsAnArchive) {
  testsupport::TempFolder folder;
  std::filesystem::create_directories(folder.File("x.zip/sub"));
  testsupport::WriteZip(folder.File("Set.ZIP"), {{.name = "a/b.txt"}});
  testsupport::WriteZip(folder.File("x.zip/in.zip"), {{.name = "m.txt"}});
  const String d = UTF8ToString(folder.Path().string());
  const struct {
    String name;
    bool within;
    String archive, member;
  } cases[] = {
      {d + u"/Set.ZIP/a/b.txt", true, d + u"/Set.ZIP", u"a/b.txt"},
      {d + u"/Set.ZIP\\a\\b.txt", true, d + u"/Set.ZIP", u"a\\b.txt"},
      {d + u"/x.zip/in.zip/m.txt", true, d + u"/x.zip/in.zip", u"m.txt"},
      {d + u"/x.zip/sub/t.txt", false, u"", u""},
      {d + u"/Set.ZIP", false, u"", u""},
      {d + u"/a.txt", false, u"", u""},
      {d + u"/gone.zip/a.txt", false, u"", u""},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(IsWithinAZipFile(c.name), c.within) << StringToUTF8(c.name);
    EXPECT_EQ(ZipFileFullFileName(c.name), c.archive) << StringToUTF8(c.name);
    EXPECT_EQ(ZipFileWantedFileNameWithin(c.name), c.member) << StringToUTF8(c.name);
  }
  EXPECT_TRUE(IsZipExtension(u".ZiP"));
  EXPECT_FALSE(IsZipExtension(u"zip"));
  EXPECT_TRUE(IsAZipFile(u"/t/SET.ZIP"));
  EXPECT_FALSE(IsAZipFile(u"/t.zip/set"));
}

// A member's text is decoded as a file's is; its bytes are there too.
TEST(ZipMembers, ReadTheTextOfAMember) {
  testsupport::TempFolder folder;
  const std::string archive_path = folder.File("t.zip");
  testsupport::WriteZip(archive_path,
                        {{.name = "utf8.txt", .data = "caf\xC3\xA9"},
                         {.name = "dir/utf16.txt", .data = std::string("\xFF\xFEh\0i\0", 6)},
                         {.name = "big.txt", .data = std::string(2000, 'b')}});
  const String archive = UTF8ToString(archive_path);
  EXPECT_EQ(ContentsOfFileWithinZipFile(archive, 1), u"café");
  EXPECT_EQ(ContentsOfFileWithinZipFile(archive + u"\\DIR\\utf16.txt"), u"hi");
  EXPECT_EQ(BytesOfFileWithinZipFile(archive + u"/utf8.txt"), "caf\xC3\xA9");
  for (int32_t n : {0, 4})
    EXPECT_THROW(ContentsOfFileWithinZipFile(archive, n), EZipError) << n;
  EXPECT_THROW(ContentsOfFileWithinZipFile(archive + u"/none.txt"), EZipError);
  EXPECT_THROW(ContentsOfFileWithinZipFile(UTF8ToString(folder.File("no.zip/a.txt"))), EZipError);
  SetZipExtractLimitForTests(1999);
  EXPECT_THROW(ContentsOfFileWithinZipFile(archive, 3), EZipError);
  SetZipExtractLimitForTests(-1);
}

// The temporary copy is written in the private temporary folder, UTF-16 with its mark, and only
// for a member that exists.
TEST(ZipMembers, OpenedAZipFileToTempDirWritesOnlyAnExistingMember) {
  testsupport::TempFolder folder;
  const char *saved = std::getenv("TMPDIR");
  const std::string keep = saved != nullptr ? saved : "";
  setenv("TMPDIR", folder.Path().c_str(), 1);
  testsupport::WriteZip(folder.File("t.zip"), {{.name = "a.txt", .data = "one\ntwo"}});
  const String archive = UTF8ToString(folder.File("t.zip"));
  const String expected = SuiteTempFolder() + u"tempzip.txt";
  for (int32_t n : {0, 2})
    EXPECT_EQ(OpenedAZipFileToTempDir(archive, n), expected);
  EXPECT_FALSE(FileExists(expected));
  EXPECT_EQ(OpenedAZipFileToTempDir(archive, 1), expected);
  EXPECT_EQ(testsupport::ReadBytes(StringToUTF8(expected)),
            std::string("\xFF\xFEo\0n\0e\0\r\0\n\0t\0w\0o\0\r\0\n\0", 22));
  if (saved != nullptr)
    setenv("TMPDIR", keep.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

} // namespace
} // namespace textcore
