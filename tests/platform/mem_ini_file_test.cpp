#include "platform/mem_ini_file.h"

#include "platform/date_time.h"
#include "platform/exceptions.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace textcore {
namespace {

void WriteFile(const std::string &path, const std::string &bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// ASCII text as UTF-16 LE bytes with the mark.
std::string AsUTF16LE(const std::string &ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

const std::string kUserFile = "; written by hand\r\n"
                              "top=not an entry\r\n"
                              "\r\n"
                              "[Display]\r\n"
                              "  Font =  Courier  \r\n"
                              "# a note\r\n"
                              "junk line\r\n"
                              "Size=10\r\n"
                              "\r\n"
                              "[Empty]\r\n";

TEST(MemIniFile, UpdateFileKeepsWhatTheUserWroteAndTheFilesEncoding) {
  struct Case {
    const char *what;
    std::string before, after;
  };
  const std::string edited = "; written by hand\r\n"
                             "top=not an entry\r\n"
                             "\r\n"
                             "[Display]\r\n"
                             "  Font =  Courier  \r\n"
                             "# a note\r\n"
                             "junk line\r\n"
                             "Size=12\r\n"
                             "Colour=1\r\n"
                             "\r\n"
                             "[Empty]\r\n"
                             "\r\n"
                             "[New]\r\n"
                             "Key=\r\n";
  const Case cases[] = {
      {"8-bit", kUserFile, edited},
      {"UTF-8 with a mark", "\xEF\xBB\xBF" + kUserFile, "\xEF\xBB\xBF" + edited},
      {"UTF-16 LE", AsUTF16LE(kUserFile), AsUTF16LE(edited)},
  };
  testsupport::TempFolder folder;
  const std::string path = folder.File("settings.ini");
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(path, c.before);
    TMemIniFile ini(UTF8ToString(path));
    // The line is trimmed, and so are both sides of "=".
    EXPECT_EQ(ini.ReadString(u"display", u"FONT", u"?"), u"Courier");
    ini.WriteInteger(u"Display", u"Size", 12);
    ini.WriteBool(u"Display", u"Colour", true);
    ini.WriteString(u"Display", u"font", u"Courier"); // unchanged: the line stays as written
    ini.WriteString(u"New", u"Key", u"");
    ini.UpdateFile();
    EXPECT_EQ(ReadFile(path), c.after);
  }
}

TEST(MemIniFile, OnlyEntriesInsideSectionsCanBeRead) {
  testsupport::TempFolder folder;
  const std::string path = folder.File("settings.ini");
  WriteFile(path, kUserFile);
  TMemIniFile ini(UTF8ToString(path));
  struct Case {
    const char16_t *section, *ident, *value;
  };
  const Case cases[] = {
      {u"", u"top", u"-"},
      {u"Display", u"junk line", u"-"},
      {u"Display", u"# a note", u"-"},
      {u"DISPLAY", u"size", u"10"},
      {u"Empty", u"Size", u"-"},
      {u"Missing", u"Size", u"-"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ini.ReadString(c.section, c.ident, u"-"), c.value) << StringToUTF8(c.ident);
  TStringList list;
  ini.ReadSection(u"Display", list);
  EXPECT_EQ(list.CommaText(), u"Font,Size");
  ini.ReadSectionValues(u"display", list);
  EXPECT_EQ(list.CommaText(), u"Font=Courier,Size=10");
  ini.ReadSections(list);
  EXPECT_EQ(list.CommaText(), u"Display,Empty");
  EXPECT_TRUE(ini.SectionExists(u"empty"));
  EXPECT_FALSE(ini.SectionExists(u"top"));
  EXPECT_TRUE(ini.ValueExists(u"Display", u"FONT"));
}

TEST(MemIniFile, NamesMatchIgnoringCaseUnlessCaseSensitive) {
  struct Case {
    bool case_sensitive;
    const char16_t *section, *ident;
    bool found;
  };
  const Case cases[] = {
      {false, u"\u00C9t\u00E9", u"Cl\u00C9", true},
      {false, u"\u00E9t\u00E9", u"cl\u00E9", true},
      {false, u"ete", u"cle", false},
      {true, u"\u00C9t\u00E9", u"Cl\u00E9", true},
      {true, u"\u00E9t\u00E9", u"Cl\u00E9", false},
      {true, u"\u00C9t\u00E9", u"CL\u00C9", false},
  };
  for (const Case &c : cases) {
    TMemIniFile ini(u"");
    ini.WriteString(u"\u00C9t\u00E9", u"Cl\u00E9", u"v");
    ini.SetCaseSensitive(c.case_sensitive);
    EXPECT_EQ(ini.ValueExists(c.section, c.ident), c.found)
        << StringToUTF8(c.section) << "/" << StringToUTF8(c.ident);
  }
}

TEST(MemIniFile, EraseSectionAndDeleteKeyRemoveEveryCopy) {
  TStringList lines;
  lines.SetText(u"[a]\nk=1\nK=2\nj=3\n\n[b]\nk=4\n[A]\nk=5\n");
  TMemIniFile ini(u"");
  ini.SetStrings(lines);
  ini.DeleteKey(u"A", u"k");
  EXPECT_FALSE(ini.ValueExists(u"a", u"k"));
  EXPECT_EQ(ini.ReadString(u"b", u"k", u""), u"4");
  ini.EraseSection(u"a");
  EXPECT_FALSE(ini.SectionExists(u"a"));
  ini.DeleteKey(u"missing", u"k");
  ini.GetStrings(lines);
  EXPECT_EQ(lines.Text(), u"[b]\r\nk=4\r\n");
  ini.Clear();
  ini.GetStrings(lines);
  EXPECT_EQ(lines.Count(), 0);
}

TEST(MemIniFile, NumbersAndBooleansFallBackToTheDefaultOnJunk) {
  TStringList lines;
  lines.SetText(u"[n]\nhex=0x1F\ndollar=$10\nbad=12a\nbig=99999999999\nyes=1\nno=0\nneg=-3\n");
  TMemIniFile ini(u"");
  ini.SetStrings(lines);
  struct Case {
    const char16_t *ident;
    int32_t integer;
    bool boolean;
  };
  const Case cases[] = {
      {u"hex", 31, true}, {u"dollar", 16, true}, {u"bad", -7, true}, {u"big", -7, true},
      {u"yes", 1, true},  {u"no", 0, false},     {u"neg", -3, true}, {u"absent", -7, true},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(ini.ReadInteger(u"n", c.ident, -7), c.integer) << StringToUTF8(c.ident);
    EXPECT_EQ(ini.ReadBool(u"n", c.ident, true), c.boolean) << StringToUTF8(c.ident);
  }
}

TEST(MemIniFile, FloatsAndDatesReadBackWhatWasWrittenAndJunkGivesTheDefault) {
  TMemIniFile ini(u"");
  const TDateTime moment = EncodeDate(2026, 12, 7) + EncodeTime(15, 4, 5, 0);
  const TDateTime before_epoch = -1.25; // 1899-12-29 06:00
  ini.WriteFloat(u"v", u"third", 1.0 / 3);
  ini.WriteFloat(u"v", u"big", -1.5e300);
  ini.WriteDate(u"v", u"day", EncodeDate(1900, 2, 28));
  ini.WriteTime(u"v", u"noon", 0.5);
  ini.WriteDateTime(u"v", u"moment", moment);
  ini.WriteDateTime(u"v", u"early", before_epoch);
  ini.WriteDateTime(u"v", u"midnight", EncodeDate(2000, 2, 29));
  ini.WriteString(u"v", u"junk", u"12/x/2000");
  EXPECT_NEAR(ini.ReadFloat(u"v", u"third", 0), 1.0 / 3, 1e-15);
  EXPECT_EQ(ini.ReadFloat(u"v", u"big", 0), -1.5e300);
  EXPECT_EQ(ini.ReadDate(u"v", u"day", 0), EncodeDate(1900, 2, 28));
  EXPECT_EQ(ini.ReadTime(u"v", u"noon", 0), 0.5);
  EXPECT_NEAR(ini.ReadDateTime(u"v", u"moment", 0), moment, 1e-9);
  EXPECT_NEAR(ini.ReadDateTime(u"v", u"early", 0), before_epoch, 1e-9);
  EXPECT_EQ(ini.ReadDateTime(u"v", u"midnight", 0), EncodeDate(2000, 2, 29));
  EXPECT_EQ(ini.ReadFloat(u"v", u"junk", 2.5), 2.5);
  EXPECT_EQ(ini.ReadDate(u"v", u"junk", 7), 7);
  EXPECT_EQ(ini.ReadDateTime(u"v", u"absent", 9), 9);
}

TEST(MemIniFile, ANamedEncodingWinsAndAMissingFileStartsEmpty) {
  testsupport::TempFolder folder;
  const std::string path = folder.File("new.ini");
  {
    TMemIniFile ini(UTF8ToString(path));
    EXPECT_EQ(ini.Encoding(), TEncoding::Default());
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.Count(), 0);
    ini.WriteString(u"s", u"k", u"\u00E9");
    ini.UpdateFile();
    EXPECT_EQ(ReadFile(path), "[s]\r\nk=\xE9\r\n");
  }
  {
    // A file without a mark read as UTF-8 because the caller said so, and written back so.
    WriteFile(path, "[s]\r\nk=\xC3\xA9\r\n");
    TMemIniFile ini(UTF8ToString(path), TEncoding::UTF8());
    EXPECT_EQ(ini.ReadString(u"s", u"k", u""), u"\u00E9");
    ini.UpdateFile();
    EXPECT_EQ(ReadFile(path), "\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\r\n");
  }
  {
    TMemIniFile ini(UTF8ToString(path));
    EXPECT_EQ(ini.Encoding(), TEncoding::UTF8());
    ini.Rename(UTF8ToString(folder.File("other.ini")), true);
    EXPECT_FALSE(ini.SectionExists(u"s"));
    EXPECT_EQ(ini.Encoding(), TEncoding::Default());
  }
}

TEST(MemIniFile, AFolderOrFifoIsRefusedNotReadForever) {
  testsupport::TempFolder folder;
  const std::string fifo = folder.File("pipe.ini");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THROW(TMemIniFile(UTF8ToString(fifo)), EFOpenError);
  EXPECT_THROW(TMemIniFile(UTF8ToString(folder.Path().string())), EFOpenError);
}

} // namespace
} // namespace textcore
