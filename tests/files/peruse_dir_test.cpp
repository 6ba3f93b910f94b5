#include "files/peruse_dir.h"

#include "core/yield.h"
#include "files/folderful.h"
#include "files/zip_members.h"
#include "platform/dir_search.h"
#include "platform/file_names.h"
#include "platform/file_ops.h"
#include "support/temp_folder.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace textcore {
namespace {

using testsupport::DosDate;
using testsupport::DosTime;
using testsupport::WriteZip;
namespace fs = std::filesystem;

class PeruseDir : public ::testing::Test {
protected:
  void File(const std::string &name, const std::string &bytes = "text") {
    fs::create_directories(fs::path(folder_.File(name)).parent_path());
    testsupport::WriteBytes(folder_.File(name), bytes);
  }
  void Dir(const std::string &name) { fs::create_directories(folder_.File(name)); }
  String Path(const std::string &name = "") const {
    return UTF8ToString(name.empty() ? folder_.Path().string() : folder_.File(name));
  }
  // The short names HandleAllFilesIn lists, and its result.
  String Listed(TPeruseDir &walker, bool *result = nullptr) {
    TFolderful folderful(Path());
    const bool any = walker.HandleAllFilesIn(Path(), &folderful.ListOfFiles());
    if (result != nullptr)
      *result = any;
    String names;
    for (int32_t i = 0; i < folderful.Count(); ++i)
      names += (i > 0 ? u" " : u"") + folderful.fGetAShortName(i);
    return names;
  }
  // The folders a walk reports, below the head folder.
  String Walked(TPeruseDir &walker) {
    String found;
    walker.OnFoundDir = [&](const String &dir) {
      found += (found.empty() ? u"" : u" ") + dir.substr(Path().size() + 1);
    };
    walker.ProcessAllSubDirectories(Path());
    return found;
  }
  testsupport::TempFolder folder_;
};

struct Switches {
  const char16_t *masks;
  const char16_t *ext_excluded;
  bool macos, zips, zips_as_files, hidden;
};

TPeruseDir Walker(const Switches &s, const char16_t *dir_excluded = u"") {
  return TPeruseDir(s.masks, u"*.*", u"*.txt", dir_excluded, s.ext_excluded, s.macos, s.zips,
                    s.zips_as_files, false, s.hidden);
}

// Masks in order (a file matching two is listed twice), hidden and "._" files, excluded
// extensions, archives as files, and nothing that is not a regular file.
TEST_F(PeruseDir, ListsTheFilesThatPassEveryTest) {
  for (const char *name :
       {"a.txt", "B.TXT", "c.doc", "d.bak", ".h.txt", "._notes.txt", "caf\xE9.txt", "set.zip"})
    File(name);
  Dir("sub.txt");
  mkfifo(folder_.File("pipe.txt").c_str(), 0600);
  const String odd = String(u"caf") + char16_t(0xDCE9) + u".txt";
  const struct {
    Switches switches;
    String names;
  } cases[] = {
      {{u"*.txt", u"", false, false, false, false}, u"a.txt B.TXT " + odd},
      {{u"*.txt;*.TXT", u"", false, false, false, false},
       u"a.txt B.TXT " + odd + u" a.txt B.TXT " + odd},
      {{u"*.txt", u"", false, false, false, true}, u".h.txt ._notes.txt a.txt B.TXT " + odd},
      {{u"*.txt", u"", true, false, false, true}, u".h.txt a.txt B.TXT " + odd},
      {{u"*.*", u".bak;*.doc;*.TXT", false, false, true, false}, u"set.zip"},
      {{u"*.*", u"*.txt;.zip", false, false, true, false}, u"c.doc d.bak"},
      {{u"*.*", u"*.txt;.bak;.doc", false, true, false, false}, u""},
  };
  for (const auto &c : cases) {
    TPeruseDir walker = Walker(c.switches);
    EXPECT_EQ(Listed(walker), c.names) << StringToUTF8(c.switches.masks);
  }
  TPeruseDir walker = Walker({u"*.doc", u"", false, false, false, false});
  TMySearchRecList list;
  EXPECT_TRUE(walker.HandleAllFilesIn(Path(), nullptr)); // no list: the result alone
  EXPECT_TRUE(fs::exists(folder_.File("caf\xE9.txt")));  // the odd name names the file
  EXPECT_TRUE(FileExists(Path() + u"/" + odd));
}

// Sizes saturate, dates take the two-second form, and a date the form cannot hold is 1970.
TEST_F(PeruseDir, RecordsCarrySizeAttributesAndTwoSecondDates) {
  const struct {
    const char *name;
    int64_t size;
    TDateTime written;
    int32_t record_size;
    TDateTime record_date;
  } cases[] = {
      {"odd.txt", 3, EncodeDateTime(2003, 4, 5, 6, 7, 9, 500), 3,
       EncodeDateTime(2003, 4, 5, 6, 7, 8, 0)},
      {"old.txt", 0, EncodeDateTime(1979, 12, 31, 12, 0, 0, 0), 0, 25569.0},
      {"big.txt", (int64_t{4} << 30) + 1, EncodeDateTime(2020, 1, 1, 0, 0, 0, 0), INT32_MAX,
       EncodeDateTime(2020, 1, 1, 0, 0, 0, 0)},
  };
  for (const auto &c : cases) {
    File(c.name, "");
    ASSERT_EQ(truncate(folder_.File(c.name).c_str(), c.size), 0); // sparse: no disk is used
    ASSERT_TRUE(SetFileLastWriteTime(Path(c.name), c.written));
  }
  chmod(folder_.File("old.txt").c_str(), 0444);
  TPeruseDir walker = Walker({u"*.txt", u"", false, false, false, false});
  TMySearchRecList list;
  walker.HandleAllFilesIn(Path(), &list);
  ASSERT_EQ(list.Count(), 3);
  list.SetSort(sr_sort_by_size);
  for (int32_t i = 0; i < 3; ++i) {
    const TMySearchRec rec = list.GetAMySearchRec(i);
    const auto &c = *std::find_if(std::begin(cases), std::end(cases), [&](const auto &k) {
      return UTF8ToString(k.name) == rec.ShortName;
    });
    EXPECT_EQ(rec.Size, c.record_size) << c.name;
    EXPECT_DOUBLE_EQ(rec.DateTime, c.record_date) << c.name;
    EXPECT_EQ(rec.Attr, std::string(c.name) == "old.txt" ? faReadOnly : 0) << c.name;
    EXPECT_EQ(rec.Number_Within_Zip, 0);
  }
}

// Members come first, archive by archive, under the archive's name and their stored paths; a
// damaged archive is reported and passed over, and the texts beside it are still listed.
TEST_F(PeruseDir, ListsTheMembersOfArchivesBeforeTheFiles) {
  WriteZip(folder_.File("set.zip"), {{.name = "a.txt",
                                      .data = "alpha",
                                      .dos_date = DosDate(2001, 2, 3),
                                      .dos_time = DosTime(4, 5, 6),
                                      .attributes = 0x81A40000u},
                                     {.name = "docs", .directory = true},
                                     {.name = "docs/b.txt", .data = "beta"},
                                     {.name = "c.doc"},
                                     {.name = "caf\x82.txt", .encoding = ZIP_FL_ENC_CP437},
                                     {.name = "../evil.txt"}});
  WriteZip(folder_.File("SET2.ZIP"), {{.name = "Z.TXT"}});
  File("bad.zip", "PK\x03\x04 and then nothing of an archive");
  File("t1.txt");
  Dir("folder.zip");
  TPeruseDir walker = Walker({u"*.txt", u"", false, true, false, false});
  int problems = 0;
  String events;
  walker.OnZipProblem = [&](TObject *sender) {
    problems += sender == &walker;
    EXPECT_NE(walker.LastZipProblem().find(u"bad.zip"), String::npos);
  };
  walker.OnZipStartReading = [&](const String &zip) { events += u"[" + ExtractFileName(zip); };
  walker.OnZipReading = [&](int32_t i, int32_t n) { events += IntToStr(i) + u"/" + IntToStr(n); };
  walker.OnDoneZipReading = [&](int32_t done) { events += u"]" + IntToStr(done); };
  walker.OnCheckFileAcceptable = [](const TMySearchRec &rec, bool in_zip) {
    return rec.ShortName != u"SET2.ZIP/Z.TXT" || !in_zip;
  };
  bool any = false;
  EXPECT_EQ(Listed(walker, &any), u"set.zip/a.txt set.zip/docs/b.txt set.zip/café.txt t1.txt");
  EXPECT_TRUE(any);
  EXPECT_EQ(problems, 1);
  EXPECT_EQ(events, u"[set.zip0/61/62/63/64/65/6]1[SET2.ZIP0/1]2");
  EXPECT_EQ(walker.ZipsExamined(), 2);
  EXPECT_EQ(walker.TotalFilesInZips(), 4); // counted before the event refused one

  TFolderful folderful(Path());
  folderful.FillList(&walker);
  const TMySearchRec a = folderful.fGetASearchRec(0);
  EXPECT_EQ(a.Number_Within_Zip, 1);
  EXPECT_EQ(folderful.fGetASearchRec(2).Number_Within_Zip, 5);
  EXPECT_EQ(a.Size, 5);
  EXPECT_EQ(static_cast<uint32_t>(a.Attr), 0x81A40000u);
  EXPECT_DOUBLE_EQ(a.DateTime, EncodeDateTime(2001, 2, 3, 4, 5, 6, 0));
  EXPECT_EQ(ContentsOfFileWithinZipFile(folderful.fGetAFullname(1)), u"beta");
  EXPECT_TRUE(folderful.fGetIsZipfile(0));

  TPeruseDir files_too = Walker({u"*.*", u".doc", false, true, true, false});
  EXPECT_EQ(Listed(files_too), u"set.zip/a.txt set.zip/docs/b.txt set.zip/café.txt SET2.ZIP/Z.TXT "
                               u"bad.zip set.zip SET2.ZIP t1.txt");
  TPeruseDir no_zips = Walker({u"*.*", u"", false, false, false, false});
  EXPECT_EQ(Listed(no_zips), u"t1.txt");
}

// Exclusions relative (at any depth) and absolute (that folder), folder masks walked one after
// the other, hidden folders never entered, and links back up the path not followed.
TEST_F(PeruseDir, WalksTheSubfoldersDepthFirst) {
  for (const char *dir : {"a/a1/deep", "b", ".hid/x", "old/o", "x/old/y", "x/older"})
    Dir(dir);
  fs::create_directory_symlink("..", folder_.File("a/back"));
  fs::create_directory_symlink(".", folder_.File("a/a1/self"));
  const struct {
    const char16_t *masks;
    String excluded;
    const char16_t *found;
  } cases[] = {
      {u"*.*", u"old", u"a a/a1 a/a1/deep b x x/older"},
      {u"*", u"*\\old/", u"a a/a1 a/a1/deep b x x/older"},
      {u"*.*", u"x/old", u"a a/a1 a/a1/deep b old old/o x x/older"},
      {u"*.*", Path("x"), u"a a/a1 a/a1/deep b old old/o"},
      {u"a*;o*", u"", u"a a/a1 old old/o"},
  };
  for (const auto &c : cases) {
    TPeruseDir walker(u"*.txt", c.masks, u"*.*", c.excluded, u"", false, false, false, false, true);
    EXPECT_EQ(Walked(walker), c.found) << StringToUTF8(c.excluded);
    EXPECT_EQ(
        walker.SubDirsFound(),
        static_cast<int32_t>(
            std::count(c.found, c.found + std::char_traits<char16_t>::length(c.found), u' ') + 1));
  }
}

// A stop from an event or from the yield hook ends the walk and the listing after the current
// entry; a listing started later still takes its first entry.
TEST_F(PeruseDir, StopsFromAnEventOrTheYieldHook) {
  for (const char *dir : {"a/a1", "b/b1", "c"})
    Dir(dir);
  for (const char *file : {"1.txt", "2.txt", "3.txt"})
    File(file);
  TPeruseDir walker(u"*.txt", u"*.*", u"*.*", u"", u"", false, false, false, false, false);
  String found;
  walker.OnFoundDir = [&](const String &dir) {
    found += ExtractFileName(dir);
    walker.Stop();
  };
  walker.ProcessAllSubDirectories(Path());
  EXPECT_EQ(found, u"a");
  EXPECT_EQ(Listed(walker), u"1.txt");
  walker.SetProcessing_Files(true);
  int yields = 0;
  AYieldProcessProc() = [&] {
    if (++yields == 2)
      walker.SetProcessing_Files(false);
  };
  EXPECT_EQ(Listed(walker), u"1.txt 2.txt");
  AYieldProcessProc() = nullptr;
}

} // namespace
} // namespace textcore
