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
using testsupport::Folder;
using testsupport::Member;
using testsupport::WriteZip;

String Name(const testsupport::TempFolder &folder, const std::string &file) {
  return UTF8ToString(folder.File(file));
}

// Restores the extraction limit when a test that lowered it ends.
struct LimitForTest {
  explicit LimitForTest(int64_t limit) { SetZipExtractLimitForTests(limit); }
  ~LimitForTest() { SetZipExtractLimitForTests(-1); }
};

// Names in either encoding, the DOS date read back exactly, the raw external attributes, a
// folder entry and the comment.
TEST(ZipArchive, EntriesCarryTheirStoredDetails) {
  testsupport::TempFolder folder;
  const uint16_t date = DosDate(2001, 2, 3), time = DosTime(4, 5, 6);
  WriteZip(folder.File("a.zip"),
           {Member("plain.txt", "hello").Dated(date, time).Attributes(0x81A40000u),
            Member("caf\x82.txt", "x").Cp437().Dated(date, time).Attributes(0x20u),
            Member("na\xC3\xAFve/\xC3\xBC"
                   "ber.txt",
                   "")
                .Dated(date, time),
            Folder("sub").Dated(date, time)},
           "a comment");
  struct Expected {
    const char16_t *name;
    int64_t size;
    std::optional<uint32_t> attributes;
    bool directory;
  } expected[] = {{u"plain.txt", 5, 0x81A40000u, false},
                  {u"café.txt", 1, 0x20u, false},
                  {u"naïve/über.txt", 0, std::nullopt, false},
                  {u"sub/", 0, std::nullopt, true}};
  TZipArchive archive;
  archive.OpenArchive(Name(folder, "a.zip"));
  ASSERT_EQ(archive.GetEntryCount(), 4);
  EXPECT_EQ(archive.ArchiveComment(), u"a comment");
  for (int64_t i = 0; i < 4; ++i) {
    TZipEntry entry;
    ASSERT_TRUE(archive.ReadEntry(i, entry));
    const Expected &e = expected[i];
    EXPECT_EQ(entry.Name, e.name);
    EXPECT_EQ(entry.Size, e.size);
    EXPECT_EQ(entry.IsDirectory(), e.directory);
    if (e.attributes) {
      EXPECT_EQ(entry.ExternalAttributes, *e.attributes);
    }
    EXPECT_EQ(entry.FileDate, (int32_t{date} << 16) | time);
    EXPECT_DOUBLE_EQ(entry.DateTime, EncodeDateTime(2001, 2, 3, 4, 5, 6, 0));
  }
  int64_t failed_at = -2;
  archive.OnMemberFailure = [&](int64_t index, const String &) { failed_at = index; };
  TZipEntry entry;
  EXPECT_FALSE(archive.ReadEntry(4, entry));
  EXPECT_EQ(failed_at, 4);
}

TEST(ZipArchive, MembersAreFoundByNameWithEitherSeparatorExactFirst) {
  testsupport::TempFolder folder;
  WriteZip(folder.File("a.zip"), {Member("Dir/Read.txt", "upper"), Member("dir/read.txt", "lower"),
                                  Member("other/Ünï.txt", "accented"), Member("x.txt", "x")});
  TZipArchive archive;
  archive.OpenArchive(Name(folder, "a.zip"));
  const struct {
    const char16_t *name;
    int64_t index;
  } cases[] = {
      {u"dir/read.txt", 1},   {u"Dir/Read.txt", 0}, {u"Dir\\Read.txt", 0}, {u"DIR/READ.TXT", 0},
      {u"OTHER\\üNÏ.TXT", 2}, {u"x.txt", 3},        {u"read.txt", -1},     {u"", -1},
      {u"x.txt/", -1}};
  for (const auto &c : cases)
    EXPECT_EQ(archive.FindEntry(c.name), c.index) << StringToUTF8(c.name);
  EXPECT_EQ(archive.ExtractToString(u"DIR\\READ.TXT"), "upper");
  EXPECT_THROW(archive.ExtractToString(u"missing.txt"), EZipError);
}

TEST(ZipArchive, ExtractsToAStringOrAStream) {
  testsupport::TempFolder folder;
  const std::string big(300000, 'q'); // more than one block of reading
  WriteZip(folder.File("a.zip"),
           {Member("empty.txt", ""), Member("big.txt", big), Member("s.txt", "stored").Stored()});
  TZipArchive archive;
  archive.OpenArchive(Name(folder, "a.zip"));
  EXPECT_EQ(archive.ExtractToString(0), "");
  EXPECT_EQ(archive.ExtractToString(1), big);
  TMemoryStream stream;
  stream.WriteBuffer("<", 1);
  archive.ExtractToStream(u"s.txt", stream);
  EXPECT_EQ(std::string(reinterpret_cast<const char *>(stream.Memory()), stream.Size()), "<stored");
  EXPECT_THROW(archive.ExtractToString(3), EZipError);
  EXPECT_THROW(archive.ExtractToString(-1), EZipError);
}

// Every kind of damage is an EZipError, at opening or at the member concerned, after the
// member's failure has been reported.
TEST(ZipArchive, DamagedArchivesAndMembersRaiseZipErrors) {
  testsupport::TempFolder folder;
  const LimitForTest limit(1000);
  const std::string deflated_zeros(1 << 20, '\0');
  WriteZip(folder.File("good.zip"), {Member("a.txt", std::string(500, 'a')).Stored()});
  WriteZip(folder.File("bomb.zip"), {Member("z.txt", deflated_zeros)});
  WriteZip(folder.File("limit.zip"),
           {Member("at.txt", std::string(1000, 'l')), Member("above.txt", std::string(1001, 'l'))});
  const std::string good = testsupport::ReadBytes(folder.File("good.zip"));
  std::string crc = good;
  // A byte of the stored data, after the local header, its name and its extra field.
  crc[30 + static_cast<uint8_t>(good[26]) + static_cast<uint8_t>(good[28]) + 10] ^= 1;
  testsupport::WriteBytes(folder.File("crc.zip"), crc);
  testsupport::WriteBytes(folder.File("short.zip"), testsupport::WithDeclaredSize(good, 400));
  testsupport::WriteBytes(folder.File("long.zip"), testsupport::WithDeclaredSize(good, 600));
  testsupport::WriteBytes(folder.File("huge.zip"),
                          testsupport::WithDeclaredSize(good, 0xFFFFFFF0u));
  testsupport::WriteBytes(folder.File("truncated.zip"), good.substr(0, good.size() - 10));
  testsupport::WriteBytes(folder.File("text.zip"), "just some text, no archive");
  testsupport::WriteBytes(
      folder.File("bomb10.zip"),
      testsupport::WithDeclaredSize(testsupport::ReadBytes(folder.File("bomb.zip")), 10));
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
}

TEST(ZipArchive, AddedFilesReadBackWithTheirTimes) {
  testsupport::TempFolder folder;
  testsupport::WriteBytes(folder.File("one.txt"), "first");
  testsupport::WriteBytes(folder.File("two.txt"), std::string(10000, '2'));
  const TDateTime when = EncodeDateTime(2010, 6, 7, 8, 9, 11, 0);
  ASSERT_TRUE(SetFileLastWriteTime(Name(folder, "one.txt"), when));
  {
    TZipArchive archive;
    archive.CreateArchive(Name(folder, "new.zip"));
    archive.AddFile(Name(folder, "one.txt"), u"one.txt");
    archive.AddFile(Name(folder, "two.txt"), u"sub\\zwei.txt");
    EXPECT_THROW(archive.AddFile(Name(folder, "two.txt"), u"one.txt"), EZipError);
    int64_t failed_at = -1;
    archive.OnMemberFailure = [&](int64_t index, const String &) { failed_at = index; };
    EXPECT_THROW(archive.AddFile(Name(folder, "missing.txt"), u"m.txt"), EZipError);
    EXPECT_EQ(failed_at, 2);
    archive.CloseArchive();
  }
  TZipArchive archive;
  archive.OpenArchive(Name(folder, "new.zip"));
  ASSERT_EQ(archive.GetEntryCount(), 2);
  TZipEntry entry;
  ASSERT_TRUE(archive.ReadEntry(0, entry));
  EXPECT_DOUBLE_EQ(entry.DateTime, EncodeDateTime(2010, 6, 7, 8, 9, 10, 0)); // two-second form
  EXPECT_EQ(archive.ExtractToString(u"one.txt"), "first");
  EXPECT_EQ(archive.ExtractToString(u"sub/zwei.txt"), std::string(10000, '2'));
  EXPECT_THROW(archive.AddFile(Name(folder, "one.txt"), u"more.txt"), EZipError); // read only
}

TEST(ZipArchive, OpensAnArchiveHeldInMemory) {
  testsupport::TempFolder folder;
  WriteZip(folder.File("a.zip"), {Member("m.txt", "in memory")});
  TZipArchive archive;
  archive.OpenArchiveFromBytes(testsupport::ReadBytes(folder.File("a.zip")));
  EXPECT_EQ(archive.ExtractToString(u"m.txt"), "in memory");
  EXPECT_THROW(archive.OpenArchiveFromBytes("PK\x03\x04 but nothing after"), EZipError);
  EXPECT_FALSE(archive.Active());
  EXPECT_EQ(archive.GetEntryCount(), 0);
}

} // namespace
} // namespace textcore
