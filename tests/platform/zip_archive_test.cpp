#include "platform/zip_archive.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "platform/zip_extract_limit.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace textcore {
namespace {

using testsupport::DosDate;
using testsupport::DosTime;
using testsupport::ReadBytes;
using testsupport::WriteBytes;
using testsupport::WriteZip;

String Name(const testsupport::TempFolder &folder, const std::string &file) {
  return UTF8ToString(folder.File(file));
}

// Names in either encoding, the DOS date read back exactly, the raw external attributes, a
// folder entry and the comment.
TEST(ZipArchive, EntriesCarryTheirStoredDetails) {
  testsupport::TempFolder folder;
  const uint16_t date = DosDate(2001, 2, 3), time = DosTime(4, 5, 6);
  WriteZip(folder.File("a.zip"),
           {{.name = "plain.txt",
             .data = "hello",
             .dos_date = date,
             .dos_time = time,
             .attributes = 0x81A40000u},
            {.name = "caf\x82.txt",
             .data = "x",
             .encoding = ZIP_FL_ENC_CP437,
             .dos_date = date,
             .dos_time = time,
             .attributes = 0x20u},
            {.name = "na\xC3\xAFve/\xC3\xBC"
                     "ber.txt",
             .dos_date = date,
             .dos_time = time},
            {.name = "sub", .dos_date = date, .dos_time = time, .directory = true}},
           "a comment");
  const struct {
    const char16_t *name;
    int64_t size;
    uint32_t attributes; // 0: libzip's own
  } expected[] = {{u"plain.txt", 5, 0x81A40000u},
                  {u"café.txt", 1, 0x20u},
                  {u"naïve/über.txt", 0, 0},
                  {u"sub/", 0, 0}};
  TZipArchive archive;
  archive.OpenArchive(Name(folder, "a.zip"));
  ASSERT_EQ(archive.GetEntryCount(), 4);
  EXPECT_EQ(archive.ArchiveComment(), u"a comment");
  for (int64_t i = 0; i < 4; ++i) {
    TZipEntry entry;
    ASSERT_TRUE(archive.ReadEntry(i, entry));
    EXPECT_EQ(entry.Name, expected[i].name);
    EXPECT_EQ(entry.Size, expected[i].size);
    EXPECT_EQ(entry.IsDirectory(), i == 3);
    EXPECT_TRUE(expected[i].attributes == 0 || entry.ExternalAttributes == expected[i].attributes);
    EXPECT_EQ(entry.FileDate, (int32_t{date} << 16) | time);
    EXPECT_DOUBLE_EQ(entry.DateTime, EncodeDateTime(2001, 2, 3, 4, 5, 6, 0));
  }
  int64_t failed_at = -2;
  archive.OnMemberFailure = [&](int64_t index, const String &) { failed_at = index; };
  TZipEntry entry;
  EXPECT_FALSE(archive.ReadEntry(4, entry));
  EXPECT_EQ(failed_at, 4);
}

// By name with either separator, the exact name before one that differs in case; into a string
// or onto the end of a stream, over many blocks.
TEST(ZipArchive, ExtractsMembersByNumberOrName) {
  testsupport::TempFolder folder;
  const std::string big(300000, 'q');
  WriteZip(folder.File("a.zip"), {{.name = "Dir/Read.txt", .data = "upper"},
                                  {.name = "dir/read.txt", .data = "lower"},
                                  {.name = "other/Ünï.txt", .data = big},
                                  {.name = "e.txt", .stored = true}});
  TZipArchive archive;
  archive.OpenArchive(Name(folder, "a.zip"));
  const struct {
    const char16_t *name;
    int64_t index;
  } cases[] = {{u"dir/read.txt", 1},   {u"Dir\\Read.txt", 0}, {u"DIR/READ.TXT", 0},
               {u"OTHER\\üNÏ.TXT", 2}, {u"read.txt", -1},     {u"", -1}};
  for (const auto &c : cases)
    EXPECT_EQ(archive.FindEntry(c.name), c.index) << StringToUTF8(c.name);
  EXPECT_EQ(archive.ExtractToString(u"DIR\\READ.TXT"), "upper");
  EXPECT_EQ(archive.ExtractToString(2), big);
  EXPECT_EQ(archive.ExtractToString(3), "");
  TMemoryStream stream;
  stream.WriteBuffer("<", 1);
  archive.ExtractToStream(u"dir/read.txt", stream);
  EXPECT_EQ(std::string(reinterpret_cast<const char *>(stream.Memory()), 6), "<lower");
  for (int64_t index : {-1, 4})
    EXPECT_THROW(archive.ExtractToString(index), EZipError);
  EXPECT_THROW(archive.ExtractToString(u"missing.txt"), EZipError);
}

// Every kind of damage is an EZipError, at opening or at the member concerned, after the
// member's failure has been reported; no member is read far past the limit or its header.
TEST(ZipArchive, DamagedArchivesAndMembersRaiseZipErrors) {
  testsupport::TempFolder folder;
  SetZipExtractLimitForTests(1000);
  WriteZip(folder.File("good.zip"),
           {{.name = "a.txt", .data = std::string(500, 'a'), .stored = true}});
  WriteZip(folder.File("bomb.zip"), {{.name = "z.txt", .data = std::string(1 << 20, '\0')}});
  WriteZip(folder.File("limit.zip"), {{.name = "at.txt", .data = std::string(1000, 'l')},
                                      {.name = "above.txt", .data = std::string(1001, 'l')}});
  const std::string good = ReadBytes(folder.File("good.zip"));
  std::string crc = good;
  // A byte of the stored data, after the local header, its name and its extra field.
  crc[30 + static_cast<uint8_t>(good[26]) + static_cast<uint8_t>(good[28]) + 10] ^= 1;
  WriteBytes(folder.File("crc.zip"), crc);
  WriteBytes(folder.File("short.zip"), testsupport::WithDeclaredSize(good, 400));
  WriteBytes(folder.File("long.zip"), testsupport::WithDeclaredSize(good, 600));
  WriteBytes(folder.File("huge.zip"), testsupport::WithDeclaredSize(good, 0xFFFFFFF0u));
  WriteBytes(folder.File("bomb10.zip"),
             testsupport::WithDeclaredSize(ReadBytes(folder.File("bomb.zip")), 10));
  WriteBytes(folder.File("truncated.zip"), good.substr(0, good.size() - 10));
  WriteBytes(folder.File("text.zip"), "just some text, no archive");
  mkdir(folder.File("folder.zip").c_str(), 0700);
  mkfifo(folder.File("fifo.zip").c_str(), 0600); // refused without being opened: nothing waits
  for (const char *file : {"truncated.zip", "text.zip", "missing.zip", "folder.zip", "fifo.zip"}) {
    TZipArchive archive;
    EXPECT_THROW(archive.OpenArchive(Name(folder, file)), EZipError) << file;
    EXPECT_FALSE(archive.Active());
  }
  const struct {
    const char *file;
    int64_t index;
  } members[] = {{"crc.zip", 0},  {"short.zip", 0},  {"long.zip", 0}, {"huge.zip", 0},
                 {"bomb.zip", 0}, {"bomb10.zip", 0}, {"limit.zip", 1}};
  for (const auto &m : members) {
    TZipArchive archive;
    archive.OpenArchive(Name(folder, m.file));
    int64_t failed_at = -1;
    archive.OnMemberFailure = [&](int64_t index, const String &) { failed_at = index; };
    EXPECT_THROW(archive.ExtractToString(m.index), EZipError) << m.file;
    EXPECT_EQ(failed_at, m.index) << m.file;
    TMemoryStream stream;
    EXPECT_THROW(archive.ExtractToStream(m.index, stream), EZipError) << m.file;
    EXPECT_LE(stream.Size(), 1000) << m.file;
  }
  TZipArchive archive;
  archive.OpenArchive(Name(folder, "limit.zip"));
  EXPECT_EQ(archive.ExtractToString(0).size(), 1000u); // the limit itself is allowed
  SetZipExtractLimitForTests(-1);
}

TEST(ZipArchive, AddsFilesAndOpensArchivesHeldInMemory) {
  testsupport::TempFolder folder;
  WriteBytes(folder.File("one.txt"), "first");
  ASSERT_TRUE(
      SetFileLastWriteTime(Name(folder, "one.txt"), EncodeDateTime(2010, 6, 7, 8, 9, 11, 0)));
  TZipArchive archive;
  archive.CreateArchive(Name(folder, "new.zip"));
  archive.AddFile(Name(folder, "one.txt"), u"one.txt");
  archive.AddFile(Name(folder, "one.txt"), u"sub\\again.txt");
  int64_t failed_at = -1;
  archive.OnMemberFailure = [&](int64_t index, const String &) { failed_at = index; };
  EXPECT_THROW(archive.AddFile(Name(folder, "one.txt"), u"one.txt"), EZipError);
  EXPECT_THROW(archive.AddFile(Name(folder, "missing.txt"), u"m.txt"), EZipError);
  EXPECT_EQ(failed_at, 2);
  archive.CloseArchive();
  archive.OpenArchiveFromBytes(ReadBytes(folder.File("new.zip")));
  ASSERT_EQ(archive.GetEntryCount(), 2);
  TZipEntry entry;
  ASSERT_TRUE(archive.ReadEntry(0, entry));
  EXPECT_DOUBLE_EQ(entry.DateTime, EncodeDateTime(2010, 6, 7, 8, 9, 10, 0)); // two-second form
  EXPECT_EQ(archive.ExtractToString(u"sub/again.txt"), "first");
  EXPECT_THROW(archive.AddFile(Name(folder, "one.txt"), u"more.txt"), EZipError); // read only
  EXPECT_THROW(archive.OpenArchiveFromBytes("PK\x03\x04 and nothing after"), EZipError);
  EXPECT_EQ(archive.GetEntryCount(), 0);
}

} // namespace
} // namespace textcore
