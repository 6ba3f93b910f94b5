#include "platform/string_list.h"

#include "platform/exceptions.h"
#include "platform/locale_strings.h"
#include "platform/streams.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <vector>

namespace textcore {
namespace {

using Lines = std::vector<String>;

Lines ItemsOf(const TStringList &list) {
  Lines items;
  for (int32_t i = 0; i < list.Count(); ++i)
    items.push_back(list.Strings(i));
  return items;
}

void Fill(TStringList &list, const Lines &items) {
  for (const String &s : items)
    list.Add(s);
}

void WriteFile(const std::string &path, const TBytes &bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

TBytes ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Puts bytes into a memory stream and rewinds it, ready for LoadFromStream.
void Put(TMemoryStream &stream, const TBytes &bytes) {
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
}

// The message of the list error that misuse raises, or a failure when it raises none.
String ListErrorOf(const std::function<void()> &misuse) {
  try {
    misuse();
  } catch (const EStringListError &e) {
    return e.Message();
  }
  ADD_FAILURE() << "no error";
  return {};
}

// An object that counts how many of its kind are alive, to see who frees it.
struct Counted : TObject {
  explicit Counted(int &alive) : fAlive(alive) { ++fAlive; }
  ~Counted() override { --fAlive; }
  int &fAlive;
};

TEST(StringList, LocaleComparisonIgnoresCaseOnlyForTextAndMapsCaseFully) {
  EXPECT_EQ(AnsiCompareText(u"apple", u"APPLE"), 0);
  EXPECT_LT(AnsiCompareText(u"apple", u"Banana"), 0);
  EXPECT_NE(AnsiCompareText(u"e", u"\u00E9"), 0);
  EXPECT_NE(AnsiCompareStr(u"apple", u"Apple"), 0);
  EXPECT_LT(AnsiCompareStr(u"apple", u"Banana"), 0);
  EXPECT_TRUE(AnsiSameText(u"\u00C9T\u00C9", u"\u00E9t\u00E9"));
  EXPECT_FALSE(AnsiSameStr(u"\u00C9t\u00E9", u"\u00E9t\u00E9"));
  EXPECT_EQ(AnsiUpperCase(u"stra\u00DFe \u00E9"), u"STRASSE \u00C9");
  EXPECT_EQ(AnsiLowerCase(u"\u00C9COLE \u0416"), u"\u00E9cole \u0436");
}

TEST(StringList, LoadFromFileHonoursTheMarkOrReadsTheDefaultCodePage) {
  const struct {
    const char *what;
    TBytes bytes;
    Lines lines;
    uint32_t code_page;
  } cases[] = {
      {"UTF-8 mark", {0xEF, 0xBB, 0xBF, 0xC3, 0xA9, 0x0D, 0x0A, 0x62}, {u"\u00E9", u"b"}, 65001},
      {"UTF-16 LE mark", {0xFF, 0xFE, 0xAC, 0x20, 0x0A, 0x00, 0x62, 0x00}, {u"\u20AC", u"b"}, 1200},
      {"UTF-16 BE mark", {0xFE, 0xFF, 0x20, 0xAC, 0x00, 0x0D}, {u"\u20AC"}, 1201},
      {"no mark", {0x80, 0xE9, 0x0D, 0x0A}, {u"\u20AC\u00E9"}, 1252},
      {"UTF-8 without a mark", {0xC3, 0xA9}, {u"\u00C3\u00A9"}, 1252},
      {"odd byte in UTF-16", {0xFF, 0xFE, 0x41, 0x00, 0x42}, {u"A\uFFFD"}, 1200},
      {"lone surrogates",
       {0xFF, 0xFE, 0x00, 0xD8, 0x0A, 0x00, 0x00, 0xDC},
       {u"\xD800", u"\xDC00"},
       1200},
      {"a mark and nothing else", {0xEF, 0xBB, 0xBF}, {}, 65001},
      {"half a mark", {0xFF}, {u"\u00FF"}, 1252},
      {"an empty file", {}, {}, 1252},
      {"embedded NUL", {0x61, 0x00, 0x62}, {String(u"a\0b", 3)}, 1252},
      {"every line break",
       {0x61, 0x0D, 0x62, 0x0A, 0x0A, 0x63, 0x0D, 0x0D, 0x0A},
       {u"a", u"b", u"", u"c", u""},
       1252},
  };
  testsupport::TempFolder folder;
  const std::string path = folder.File("list.txt");
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(path, c.bytes);
    TStringList list;
    list.Add(u"left over");
    list.LoadFromFile(UTF8ToString(path));
    EXPECT_EQ(ItemsOf(list), c.lines);
    ASSERT_NE(list.Encoding(), nullptr);
    EXPECT_EQ(list.Encoding()->CodePage(), c.code_page);
  }
}

TEST(StringList, SaveToFileWritesTheMarkAndCrLfLinesInTheEncoding) {
  const struct {
    const TEncoding *encoding;
    TBytes bytes;
  } cases[] = {
      {nullptr, {0x61, 0x80, 0x0D, 0x0A, 0x3F, 0x0D, 0x0A}},
      {TEncoding::Default(), {0x61, 0x80, 0x0D, 0x0A, 0x3F, 0x0D, 0x0A}},
      {TEncoding::GetEncoding(1251), {0x61, 0x88, 0x0D, 0x0A, 0xC6, 0x0D, 0x0A}},
      {TEncoding::UTF8(),
       {0xEF, 0xBB, 0xBF, 0x61, 0xE2, 0x82, 0xAC, 0x0D, 0x0A, 0xD0, 0x96, 0x0D, 0x0A}},
      {TEncoding::Unicode(),
       {0xFF, 0xFE, 0x61, 0, 0xAC, 0x20, 0x0D, 0, 0x0A, 0, 0x16, 0x04, 0x0D, 0, 0x0A, 0}},
      {TEncoding::BigEndianUnicode(),
       {0xFE, 0xFF, 0, 0x61, 0x20, 0xAC, 0, 0x0D, 0, 0x0A, 0x04, 0x16, 0, 0x0D, 0, 0x0A}},
  };
  testsupport::TempFolder folder;
  const std::string path = folder.File("out.txt");
  for (const auto &c : cases) {
    SCOPED_TRACE(c.encoding ? c.encoding->CodePage() : 0);
    TStringList list;
    Fill(list, {u"a\u20AC", u"\u0416"});
    list.SaveToFile(UTF8ToString(path), c.encoding);
    EXPECT_EQ(ReadFile(path), c.bytes);
  }
}

TEST(StringList, AFileSavesBackInTheEncodingItWasLoadedIn) {
  const TBytes files[] = {{0xFF, 0xFE, 0x41, 0x00, 0x0D, 0x00, 0x0A, 0x00},
                          {0xFE, 0xFF, 0x00, 0x41, 0x00, 0x0D, 0x00, 0x0A},
                          {0xEF, 0xBB, 0xBF, 0xC3, 0xA9, 0x0D, 0x0A},
                          {0xE9, 0x80, 0x0D, 0x0A},
                          {0xFF, 0xFE, 0x00, 0xD8, 0x0D, 0x00, 0x0A, 0x00}};
  testsupport::TempFolder folder;
  const std::string path = folder.File("round.txt");
  for (const TBytes &bytes : files) {
    WriteFile(path, bytes);
    TStringList list;
    list.LoadFromFile(UTF8ToString(path));
    list.SaveToFile(UTF8ToString(path));
    EXPECT_EQ(ReadFile(path), bytes);
  }
}

TEST(StringList, LoadFromStreamWithAnEncodingSkipsOnlyThatEncodingsMark) {
  const TBytes bytes = {0xEF, 0xBB, 0xBF, 0x41};
  const struct {
    const TEncoding *encoding;
    String line;
  } cases[] = {{TEncoding::UTF8(), u"A"}, {TEncoding::Default(), u"\u00EF\u00BB\u00BFA"}};
  for (const auto &c : cases) {
    TMemoryStream stream;
    Put(stream, bytes);
    TStringList list;
    list.LoadFromStream(stream, c.encoding);
    EXPECT_EQ(ItemsOf(list), Lines{c.line});
    EXPECT_EQ(list.Encoding(), c.encoding);
  }
}

TEST(StringList, LoadingAMissingFileRaisesAndKeepsTheList) {
  testsupport::TempFolder folder;
  TStringList list;
  list.Add(u"kept");
  EXPECT_THROW(list.LoadFromFile(UTF8ToString(folder.File("absent.txt"))), EFOpenError);
  EXPECT_EQ(ItemsOf(list), Lines{u"kept"});
}

TEST(StringList, SortedListsFindTheFirstOfEqualEntriesOrWhereTheyWouldGo) {
  struct Case {
    TDuplicates duplicates;
    bool case_sensitive;
    const char16_t *search;
    bool found;
    int32_t index;
  };
  // The list holds apple, banana, banana, cherry, and "Banana" after the lower-case ones when case
  // matters.
  const Case cases[] = {
      {dupAccept, false, u"banana", true, 1}, {dupAccept, false, u"BANANA", true, 1},
      {dupAccept, false, u"aaa", false, 0},   {dupAccept, false, u"blueberry", false, 3},
      {dupAccept, false, u"zebra", false, 4}, {dupAccept, true, u"Banana", true, 3},
      {dupAccept, true, u"banana", true, 1},  {dupIgnore, false, u"cherry", true, 3}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << StringToUTF8(c.search) << " " << c.case_sensitive);
    TStringList list;
    list.SetCaseSensitive(c.case_sensitive);
    list.SetDuplicates(dupAccept);
    Fill(list, {u"cherry", u"banana", u"apple", u"banana"});
    if (c.case_sensitive)
      list.Add(u"Banana");
    list.SetSorted(true);
    list.SetDuplicates(c.duplicates);
    int32_t index = -1;
    EXPECT_EQ(list.Find(c.search, index), c.found);
    EXPECT_EQ(index, c.index);
    EXPECT_EQ(list.IndexOf(c.search), c.found ? c.index : -1);
  }
}

TEST(StringList, DuplicatesAreIgnoredAcceptedOrRefused) {
  const struct {
    TDuplicates duplicates;
    int32_t added_at; // -1: refused
    Lines after;
  } cases[] = {{dupIgnore, 1, {u"a", u"B", u"c"}},
               {dupAccept, 1, {u"a", u"b", u"B", u"c"}},
               {dupError, -1, {u"a", u"B", u"c"}}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.duplicates);
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.duplicates);
    Fill(list, {u"c", u"B", u"a"});
    if (c.added_at < 0)
      EXPECT_EQ(ListErrorOf([&] { list.Add(u"b"); }), u"String list does not allow duplicates");
    else
      EXPECT_EQ(list.Add(u"b"), c.added_at);
    EXPECT_EQ(ItemsOf(list), c.after);
  }
}

TEST(StringList, MisuseRaisesTheListErrorAndChangesNothing) {
  TStringList sorted;
  sorted.SetSorted(true);
  Fill(sorted, {u"b", u"a"});
  TStringList plain;
  Fill(plain, {u"x", u"y"});
  struct Case {
    const char *what;
    std::function<void()> misuse;
    const char16_t *message;
  };
  const char16_t *const not_sorted = u"Operation not allowed on sorted list";
  const Case cases[] = {
      {"insert into sorted", [&] { sorted.Insert(0, u"z"); }, not_sorted},
      {"put into sorted", [&] { sorted.Put(0, u"z"); }, not_sorted},
      {"move in sorted", [&] { sorted.Move(0, 1); }, not_sorted},
      {"read past the end", [&] { plain.Strings(2); }, u"List index out of bounds (2)"},
      {"negative index", [&] { plain.Objects(-1); }, u"List index out of bounds (-1)"},
      {"delete past the end", [&] { plain.Delete(5); }, u"List index out of bounds (5)"},
      {"insert beyond the end", [&] { plain.Insert(3, u"z"); }, u"List index out of bounds (3)"},
      {"exchange", [&] { plain.Exchange(0, 2); }, u"List index out of bounds (2)"},
      {"move to nowhere", [&] { plain.Move(0, 2); }, u"List index out of bounds (2)"}};
  for (const auto &c : cases)
    EXPECT_EQ(ListErrorOf(c.misuse), c.message) << c.what;
  EXPECT_EQ(ItemsOf(sorted), (Lines{u"a", u"b"}));
  EXPECT_EQ(ItemsOf(plain), (Lines{u"x", u"y"}));
}

int ByLengthThenNothing(TStringList *list, int32_t a, int32_t b) {
  return static_cast<int>(list->Strings(a).size()) - static_cast<int>(list->Strings(b).size());
}

TEST(StringList, CustomSortOrdersLikeAReferenceSortAndCarriesObjects) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    TStringList list;
    std::vector<TObject> objects(200);
    for (size_t i = 0; i < objects.size(); ++i)
      list.AddObject(String(random() % 9, u'x') + IntToStr(static_cast<int64_t>(i)), &objects[i]);
    std::vector<std::pair<String, TObject *>> before;
    for (int32_t i = 0; i < list.Count(); ++i)
      before.emplace_back(list.Strings(i), list.Objects(i));
    list.CustomSort(ByLengthThenNothing);
    auto after = before;
    for (int32_t i = 0; i < list.Count(); ++i)
      after[static_cast<size_t>(i)] = {list.Strings(i), list.Objects(i)};
    EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), before.begin()));
    EXPECT_TRUE(std::is_sorted(after.begin(), after.end(),
                               [](auto &a, auto &b) { return a.first.size() < b.first.size(); }));
  }
}

int AlwaysBefore(TStringList *, int32_t, int32_t) { return -1; }
int AlwaysAfter(TStringList *, int32_t, int32_t) { return 1; }
int ByCoinToss(TStringList *, int32_t, int32_t) {
  static std::mt19937 toss(3);
  return static_cast<int>(toss() % 3) - 1;
}

TEST(StringList, AComparisonThatContradictsItselfStaysInsideTheList) {
  for (const TStringListSortCompare compare : {AlwaysBefore, AlwaysAfter, ByCoinToss}) {
    for (int32_t count : {2, 3, 17, 500}) {
      TStringList list;
      for (int32_t i = 0; i < count; ++i)
        list.Add(IntToStr(i));
      const Lines before = ItemsOf(list);
      list.CustomSort(compare);
      Lines after = ItemsOf(list);
      EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), before.begin())) << count;
    }
  }
}

TEST(StringList, SortingIsLocaleAwareAndSortedAddKeepsOrder) {
  TStringList list;
  Fill(list, {u"\u00E9t\u00E9", u"zoo", u"Apple", u"eta", u"apple", u"\u00C9cole"});
  list.Sort();
  const Lines sorted = ItemsOf(list);
  EXPECT_EQ(sorted[0], u"Apple");
  EXPECT_EQ(sorted[1], u"apple"); // equal ignoring case: order is the sort's own
  EXPECT_EQ(Lines(sorted.begin() + 2, sorted.end()),
            (Lines{u"\u00C9cole", u"eta", u"\u00E9t\u00E9", u"zoo"}));
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  list.Add(u"Etage");
  EXPECT_EQ(list.IndexOf(u"ETAGE"), 4);
}

TEST(StringList, CommaTextQuotesWhatWouldNotReadBackAndRoundTrips) {
  const struct {
    Lines items;
    const char16_t *comma_text;
  } cases[] = {{{}, u""},
               {{u""}, u"\"\""},
               {{u"", u""}, u","},
               {{u"a", u"b"}, u"a,b"},
               {{u"b c", u"d,e", u"f\"g", u""}, u"\"b c\",\"d,e\",\"f\"\"g\","},
               {{u" lead", u"tab\there"}, u"\" lead\",\"tab\there\""},
               {{u"\"", u"\u00E9"}, u"\"\"\"\",\u00E9"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.comma_text));
    TStringList list;
    Fill(list, c.items);
    EXPECT_EQ(list.CommaText(), c.comma_text);
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(ItemsOf(back), c.items);
  }
}

TEST(StringList, DelimitedTextReadsLooseInputAsTheFrameworkDid) {
  const struct {
    const char16_t *text;
    char16_t delimiter;
    bool strict;
    Lines items;
  } cases[] = {{u"a b", u',', false, {u"a", u"b"}},
               {u"  a , b  ", u',', false, {u"a", u"b"}},
               {u"a,", u',', false, {u"a", u""}},
               {u",a", u',', false, {u"", u"a"}},
               {u"\"a\"b,c", u',', false, {u"a", u"b", u"c"}},
               {u"\"never closed", u',', false, {u"never closed"}},
               {u"\"x,\"\"y\"\"\"", u',', false, {u"x,\"y\""}},
               {u"a b;c ", u';', true, {u"a b", u"c "}},
               {u" ;", u';', true, {u" ", u""}},
               {u"   ", u',', false, {}}};
  for (const auto &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.text));
    TStringList list;
    list.SetDelimiter(c.delimiter);
    list.SetStrictDelimiter(c.strict);
    list.SetDelimitedText(c.text);
    EXPECT_EQ(ItemsOf(list), c.items);
  }
}

TEST(StringList, TextEndsEveryLineWithCrLfAndSplitsAtAnyBreak) {
  const struct {
    const char16_t *text;
    Lines lines;
    const char16_t *text_back;
  } cases[] = {{u"", {}, u""},
               {u"a", {u"a"}, u"a\r\n"},
               {u"a\r\n", {u"a"}, u"a\r\n"},
               {u"a\nb\rc\r\nd", {u"a", u"b", u"c", u"d"}, u"a\r\nb\r\nc\r\nd\r\n"},
               {u"a\r\r\nb", {u"a", u"", u"b"}, u"a\r\n\r\nb\r\n"},
               {u"\n\n", {u"", u""}, u"\r\n\r\n"}};
  for (const auto &c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(ItemsOf(list), c.lines);
    EXPECT_EQ(list.Text(), c.text_back);
  }
}

TEST(StringList, NameValueEntriesAreFoundIgnoringCaseAndRemovedByAnEmptyValue) {
  for (bool sorted : {false, true}) {
    SCOPED_TRACE(sorted);
    TStringList list;
    Fill(list, {u"colour=red", u"size=10", u"plain line", u"empty="});
    list.SetSorted(sorted);
    EXPECT_EQ(list.Values(u"COLOUR"), u"red");
    EXPECT_EQ(list.Values(u"empty"), u"");
    EXPECT_EQ(list.Values(u"plain line"), u"");
    list.SetValues(u"size", u"12");
    list.SetValues(u"colour", u"");
    list.SetValues(u"added", u"yes");
    EXPECT_EQ(list.IndexOfName(u"colour"), -1);
    EXPECT_EQ(list.Values(u"size"), u"12");
    EXPECT_EQ(list.Values(u"added"), u"yes");
    EXPECT_EQ(list.Count(), 4);
    const int32_t added = list.IndexOfName(u"added");
    EXPECT_EQ(list.Names(added), u"added");
    EXPECT_EQ(list.ValueFromIndex(added), u"yes");
  }
}

TEST(StringList, NotificationsFireAroundChangesAndOncePerBatch) {
  TStringList list;
  std::string events;
  list.OnChanging = [&](TObject *sender) {
    EXPECT_EQ(sender, &list);
    events += '<';
  };
  list.OnChange = [&](TObject *) { events += '>'; };
  list.Add(u"a");
  list.BeginUpdate();
  list.Add(u"b");
  list.Delete(0);
  list.EndUpdate();
  list.SetText(u"x\ny\nz");
  list.Clear();
  list.Clear(); // nothing to clear: no events
  EXPECT_EQ(events, "<><><><>");
}

TEST(StringList, OwnedObjectsAreFreedByDeleteClearAndTheList) {
  int alive = 0;
  {
    TStringList list(true);
    for (int i = 0; i < 4; ++i)
      list.AddObject(IntToStr(i), new Counted(alive));
    list.Delete(1);
    EXPECT_EQ(alive, 3);
    list.Move(0, 2); // a move is not a delete
    EXPECT_EQ(alive, 3);
    list.SetValues(u"3", u""); // nor a name that is not an entry
    EXPECT_EQ(alive, 3);
  }
  EXPECT_EQ(alive, 0);
  Counted kept(alive);
  {
    TStringList list;
    list.AddObject(u"x", &kept);
    list.Clear();
  }
  EXPECT_EQ(alive, 1);
}

TEST(StringList, AssignCopiesItemsAndSettings) {
  TStringList source;
  source.SetCaseSensitive(true);
  source.SetDuplicates(dupAccept);
  source.SetSorted(true);
  Fill(source, {u"b", u"a", u"B"});
  TStringList copy;
  copy.Add(u"old");
  copy.Assign(source);
  EXPECT_EQ(ItemsOf(copy), ItemsOf(source));
  EXPECT_TRUE(copy.Sorted());
  EXPECT_TRUE(copy.CaseSensitive());
  EXPECT_EQ(copy.Duplicates(), dupAccept);
  copy.AddStrings(copy);
  EXPECT_EQ(copy.Count(), 6);
}

// A descendant that replaces the text setter sees the decoded file.
class UpperCaseLines : public TStringList {
protected:
  void SetTextStr(const String &Value) override { TStringList::SetTextStr(AnsiUpperCase(Value)); }
};

TEST(StringList, LoadFromStreamHandsTheTextToTheDescendantsSetter) {
  TMemoryStream stream;
  Put(stream, {0x61, 0xDF, 0x0A});
  UpperCaseLines list;
  list.LoadFromStream(stream);
  EXPECT_EQ(ItemsOf(list), Lines{u"ASS"});
}

} // namespace
} // namespace textcore
