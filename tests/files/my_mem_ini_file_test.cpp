#include "files/my_mem_ini_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace textcore {
namespace {

std::string Read(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(MyMemIniFile, SavesUtf16WithItsMarkWhateverItWasReadIn) {
  testsupport::TempFolder folder;
  const std::string path = folder.File("tool.ini");
  std::ofstream(path, std::ios::binary) << "[View]\r\nwide=1\r\n"; // 8-bit, no mark
  TMyMemIniFile ini(UTF8ToString(path));
  ini.WriteBool(u"View", u"wide", true);
  ini.WriteBool(u"View", u"narrow", false);
  ini.WriteString(u"View", u"name", u"\u00E9\u20AC");
  ini.UpdateFile();
  std::string expected = "\xFF\xFE";
  for (char c : std::string("[View]\r\nwide=YES\r\nnarrow=NO\r\nname=**\r\n"))
    expected += c == '*' ? std::string() : std::string{c, '\0'};
  expected.insert(expected.size() - 4, std::string("\xE9\x00\xAC\x20", 4));
  EXPECT_EQ(Read(path), expected);
  // Read back through the base class: the words are still the file's own.
  std::unique_ptr<TMemIniFile> again = std::make_unique<TMyMemIniFile>(UTF8ToString(path));
  EXPECT_TRUE(again->ReadBool(u"View", u"wide", false));
  EXPECT_FALSE(again->ReadBool(u"View", u"narrow", true));
}

TEST(MyMemIniFile, ReadBoolLooksAtTheFirstLetterOnly) {
  TMyMemIniFile ini(u"");
  const struct {
    const char16_t *value; // nullptr: no such key
    bool default_true, default_false;
  } cases[] = {{nullptr, true, false}, {u"YES", true, true},    {u"NO", false, false},
               {u"yes", false, true},  {u"Nope", false, false}, {u"", false, false},
               {u"1", false, true}};
  for (const auto &c : cases) {
    ini.Clear();
    if (c.value != nullptr)
      ini.WriteString(u"S", u"K", c.value);
    EXPECT_EQ(ini.ReadBool(u"S", u"K", true), c.default_true) << (c.value ? "" : "(missing)");
    EXPECT_EQ(ini.ReadBool(u"S", u"K", false), c.default_false) << (c.value ? "" : "(missing)");
  }
}

TEST(MyMemIniFile, SaveABackupSaysWhatReallyHappened) {
  testsupport::TempFolder folder;
  auto name = [&](const char *file) { return UTF8ToString(folder.File(file)); };
  EXPECT_FALSE(TMyMemIniFile(u"").SaveABackup());
  EXPECT_FALSE(TMyMemIniFile(name("missing.ini")).SaveABackup());
  std::ofstream(folder.File("tool.ini"), std::ios::binary) << "[A]\r\nk=v\r\n";
  EXPECT_TRUE(TMyMemIniFile(name("tool.ini")).SaveABackup());
  EXPECT_EQ(Read(folder.File("tool.BAK")), "[A]\r\nk=v\r\n");
  // The copy fails, and says so, where a folder stands in the backup's place.
  std::ofstream(folder.File("other.ini"), std::ios::binary) << "x";
  std::filesystem::create_directory(folder.File("other.BAK"));
  EXPECT_FALSE(TMyMemIniFile(name("other.ini")).SaveABackup());
}

} // namespace
} // namespace textcore
