#include "files/folderful.h"

#include "core/yield.h"
#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "support/stream_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace textcore {
namespace {

using testsupport::Bytes;
using testsupport::Int32;
using testsupport::operator+;

TMySearchRec Rec(const char16_t *name, TDateTime date, int32_t size, int32_t attr = 0) {
  TMySearchRec rec;
  rec.ShortName = name;
  rec.DateTime = date;
  rec.Size = size;
  rec.Attr = attr;
  return rec;
}

String Names(const TMySearchRecList &list) {
  String names;
  for (int32_t i = 0; i < list.Count(); ++i)
    names += (i > 0 ? u" " : u"") + list.GetAMySearchRec(i).ShortName;
  return names;
}

// Names fold A-Z only ("_" sorts after the letters), dates come newest first with dates that
// are no number before them all, sizes and attributes are signed.
TEST(MySearchRecList, SortsByEachKey) {
  const struct {
    TMySearchRecSort sort;
    const char16_t *names;
  } cases[] = {{sr_sort_by_name, u"a.doc b.TXT C.htm nan.x _x.Rtf"},
               {sr_sort_by_date, u"nan.x C.htm _x.Rtf a.doc b.TXT"},
               {sr_sort_by_size, u"nan.x _x.Rtf b.TXT a.doc C.htm"},
               {sr_sort_by_attr, u"C.htm a.doc _x.Rtf b.TXT nan.x"},
               {sr_sort_by_extension, u"a.doc C.htm _x.Rtf b.TXT nan.x"}};
  for (const auto &c : cases) {
    TMySearchRecList list;
    list.AddARec(Rec(u"b.TXT", 10.0, 3, 4));
    list.AddARec(Rec(u"_x.Rtf", 20.0, -5, 2));
    list.AddARec(Rec(u"a.doc", 15.0, 7, 1));
    list.AddARec(Rec(u"nan.x", std::nan(""), -9, 9));
    list.AddARec(Rec(u"C.htm", 30.0, 8, -1));
    list.SetSort(c.sort);
    EXPECT_EQ(Names(list), c.names) << int(c.sort);
    // The order again does nothing, even to an item added out of order since.
    list.AddARec(Rec(u"0", 99.0, 0));
    list.SetSort(c.sort);
    EXPECT_EQ(list.GetAMySearchRec(5).ShortName, u"0");
    list.Clear();
    EXPECT_EQ(list.CurrentSort(), sr_sort_none);
  }
}

// Equal means the same size, date and name; a binary search that meets the key of another
// record scans instead, and still finds the record.
TEST(MySearchRecList, FindsByBinarySearchOrScan) {
  TMySearchRecList list;
  for (int i = 0; i < 40; ++i)
    list.AddARec(Rec(i % 2 ? u"odd" : u"even", static_cast<double>(i / 4), i));
  int yields = 0;
  AYieldProcessProc() = [&] { ++yields; };
  EXPECT_EQ(list.Find(Rec(u"odd", 4.0, 17)), 17); // no order: the scan
  list.SetSort(sr_sort_by_date);
  for (int i : {0, 17, 39}) {
    TMySearchRec wanted = Rec(i % 2 ? u"odd" : u"even", static_cast<double>(i / 4), i);
    wanted.Attr = 77; // neither attributes nor the number take part
    wanted.Number_Within_Zip = 3;
    const int32_t at = list.Find(wanted);
    ASSERT_GE(at, 0);
    EXPECT_TRUE(SameSearchRec(list.GetAMySearchRec(at), wanted));
  }
  EXPECT_EQ(list.IndexOF(Rec(u"odd", 4.0, 18)), -1);
  EXPECT_EQ(list.IndexOF(Rec(u"odd", 100.0, 1)), -1);
  EXPECT_EQ(list.IndexOF(Rec(u"ODD", 4.0, 17)), -1);
  EXPECT_GT(yields, 0);
  AYieldProcessProc() = nullptr;
  for (int32_t i : {-1, 40})
    EXPECT_EQ(list.GetAMySearchRec(i).ShortName, u"");
}

const Bytes kEmpty = Bytes{2} + Int32(-1) + Int32(7) + Int32(3) + Int32(3) +
                     Bytes{'/', 0, 'd', 0, '/', 0} + Int32(0);
const Bytes kOne = Bytes{0} + Int32(0) + Int32(0) + Int32(0) + Int32(3) +
                   Bytes{'/', 0, 'e', 0, '/', 0} + Int32(1) + Bytes{0, 0, 0, 0, 0, 0, 0xF8, 0x3F} +
                   Int32(0x01020304) + Int32(0x20) + Bytes{2, 0, 0, 0} + Int32(1) + Bytes{'a', 0};

// Every byte of the saved form, two folderfuls one after the other in a file.
TEST(Folderful, SavesItsExactBytesAndReadsThemBack) {
  testsupport::TempFolder folder;
  const String file = UTF8ToString(folder.File("list.dat"));
  TFolderful empty(u"/d"), one(u"/e/");
  empty.SetCurrentSort(sr_sort_by_date);
  empty.SetStarts(-1), empty.SetEnds(7), empty.Setdirnum(3);
  TMySearchRec rec = Rec(u"a", 1.5, 0x01020304, 0x20);
  rec.Number_Within_Zip = 2;
  one.ListOfFiles().AddARec(rec);
  {
    TFileStream out(file, fmCreate);
    EXPECT_TRUE(empty.SaveToFile(out));
    EXPECT_TRUE(one.SaveToFile(out));
  }
  TMemoryStream saved;
  saved.LoadFromFile(file);
  EXPECT_EQ(testsupport::Contents(saved), kEmpty + kOne);
  EXPECT_EQ(kEmpty.size(), 1u + 4 + 4 + 4 + 4 + 2 * 3 + 4);
  TFileStream in(file, fmOpenRead);
  TFolderful first(u"/x/"), second(u"/x/");
  EXPECT_TRUE(first.ReadFromFile(in));
  EXPECT_TRUE(second.ReadFromFile(in));
  EXPECT_EQ(first.DirName(), u"/d/");
  EXPECT_EQ(first.CurrentSort(), sr_sort_by_date);
  EXPECT_EQ(first.ListOfFiles().CurrentSort(), sr_sort_none); // read in file order, unsorted
  EXPECT_TRUE(first.Empty());
  EXPECT_EQ(first.Starts() + first.Ends() + first.dirnum(), -1 + 7 + 3);
  EXPECT_EQ(second.fGetAFullname(0), u"/e/a");
  EXPECT_EQ(second.GetAFileSize(0), 0x01020304);
  EXPECT_TRUE(second.fGetIsZipfile(0));
  EXPECT_EQ(second.fGetASearchRec(0).Attr, 0x20);
  for (int32_t i : {-1, 1}) { // outside the list: neutral values
    EXPECT_EQ(second.fGetAShortName(i) + second.fGetAFullname(i), u"");
    EXPECT_EQ(second.fGetASearchRec(i).ShortName, u"");
    EXPECT_EQ(second.GetAFileSize(i), -1);
    EXPECT_FALSE(second.fGetIsZipfile(i));
  }
  second.FillList(nullptr);
  EXPECT_TRUE(second.Empty());
}

// A damaged stream is refused before anything is allocated from it, and changes nothing.
TEST(Folderful, RefusesDamagedStreams) {
  const auto record = [](const char16_t *name) {
    Bytes bytes =
        Bytes(20, 0) + Int32(static_cast<int32_t>(std::char_traits<char16_t>::length(name)));
    for (const char16_t *c = name; *c; ++c)
      bytes = bytes + Bytes{static_cast<uint8_t>(*c), static_cast<uint8_t>(*c >> 8)};
    return bytes;
  };
  const Bytes head = Bytes{1} + Int32(0) + Int32(0) + Int32(0) + Int32(1) + Bytes{'/', 0};
  const Bytes cases[] = {
      Bytes{6} + Bytes(kEmpty.begin() + 1, kEmpty.end()), // no such sort
      head + Int32(-1),
      head + Int32(2) + record(u"a"), // more records than bytes
      head + Int32(0x7FFFFFFF),
      head + Int32(1) + record(u""),
      head + Int32(1) + record(u"/etc/passwd"),
      head + Int32(1) + record(u"a/../../b"),
      head + Int32(1) + record(u"..\\x"),
      head + Int32(1) + record(String(5001, u'n').c_str()),
      Bytes{1} + Int32(0) + Int32(0) + Int32(0) + Int32(0) + Int32(0), // no folder name
      Bytes(kOne.begin(), kOne.end() - 1),                             // cut short
      Bytes(kOne.begin(), kOne.begin() + 11),
  };
  for (const Bytes &bytes : cases) {
    for (bool piecewise : {false, true}) {
      TFolderful folderful(u"/kept/");
      folderful.ListOfFiles().AddARec(Rec(u"k", 1, 1));
      TMemoryStream memory = testsupport::StreamOf(bytes);
      testsupport::PipeStream pipe(bytes, 3); // a size it cannot tell
      TStream &stream = piecewise ? static_cast<TStream &>(pipe) : memory;
      EXPECT_THROW(folderful.ReadFromStream(stream), EReadError) << bytes.size();
      EXPECT_EQ(folderful.fGetAFullname(0), u"/kept/k");
      EXPECT_EQ(folderful.Count(), 1);
    }
  }
  TFolderful ok(u"/x/");
  TMemoryStream fine = testsupport::StreamOf(head + Int32(1) + record(String(5000, u'n').c_str()));
  EXPECT_TRUE(ok.ReadFromStream(fine));
  EXPECT_EQ(ok.fGetAShortName(0).size(), 5000u);
}

// A rename never replaces a file, never renames a member, and never moves the file out of the
// folder the item belongs to.
TEST(Folderful, RenamesOnlyToANewNameInItsFolder) {
  testsupport::TempFolder folder;
  const String dir = UTF8ToString(folder.Path().string()) + u"/";
  for (const char *name : {"a.txt", "taken.txt", "set.zip"})
    std::ofstream(folder.File(name)) << name;
  std::filesystem::create_directory(folder.File("sub"));
  TFolderful folderful(dir);
  folderful.ListOfFiles().AddARec(Rec(u"a.txt", 1, 5));
  TMySearchRec member = Rec(u"set.zip/m.txt", 1, 5);
  member.Number_Within_Zip = 1;
  folderful.ListOfFiles().AddARec(member);
  for (const String &target : {dir + u"taken.txt", dir + u"sub/a.txt", String(u"/tmp/a.txt"), dir})
    EXPECT_THROW(folderful.fSetAFullName(0, target), Exception) << StringToUTF8(target);
  EXPECT_THROW(folderful.fSetAFullName(1, dir + u"m.txt"), Exception);
  folderful.fSetAFullName(0, dir + u"a.txt"); // its own name: nothing to do
  folderful.fSetAFullName(0, dir + u"b.txt");
  folderful.fSetAFullName(5, dir + u"c.txt");
  EXPECT_EQ(folderful.fGetAShortName(0), u"b.txt");
  EXPECT_TRUE(std::filesystem::exists(folder.File("b.txt")));
  std::ifstream taken(folder.File("taken.txt"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(taken), {}), "taken.txt");
  try {
    folderful.fSetAFullName(0, dir + u"taken.txt");
    ADD_FAILURE();
  } catch (const Exception &e) {
    EXPECT_EQ(e.Message(), u"cannot rename " + dir + u"b.txt");
  }
}

} // namespace
} // namespace textcore
