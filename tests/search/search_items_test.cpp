// The search-word item lists: adding typed lists, moving new items to the top, item access at
// the edges, and the text-file and stream forms byte for byte.
#include "search/search_item_kinds.h"

#include "platform/exceptions.h"
#include "platform/file_names.h"
#include "platform/streams.h"
#include "support/stream_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace textcore;
using testsupport::Bytes;
using testsupport::Contents;
using testsupport::Int32;
using testsupport::StreamOf;
using testsupport::operator+;

namespace {

std::vector<String> Typed(const TBaseSearchItems &items) {
  std::vector<String> typed;
  for (int32_t i = 0; i < items.Count(); ++i)
    typed.push_back(items.GetSWR(i).typed_in_text);
  return typed;
}

// The string encoding: a 32-bit count of UTF-16 units, then the units.
Bytes StringBytes(StringView s) {
  Bytes b = Int32(static_cast<int32_t>(s.size()));
  for (char16_t c : s) {
    b.push_back(static_cast<uint8_t>(c & 0xFF));
    b.push_back(static_cast<uint8_t>(c >> 8));
  }
  return b;
}

void WriteFile(const std::string &path, const Bytes &bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TBaseSearchItems Splitting() { return TBaseSearchItems({}, 0, true); }

} // namespace

TEST(SearchItems, AddingGivesReverseTypingOrderAndAddsEachItemOnce) {
  struct Case {
    const char *name;
    bool word_items; // TSearchWordItems, which refuses a text that is already one item
    std::vector<String> calls;
    std::vector<std::vector<int32_t>> indices;
    std::vector<String> items;
  };
  const Case cases[] = {
      {"split", false, {u"cat/dog"}, {{0, 1}}, {u"dog", u"cat"}},
      {"twice", false, {u"cat", u"cat"}, {{0}, {0}}, {u"cat"}},
      {"twice as words", true, {u"cat", u"cat"}, {{0}, {}}, {u"cat"}},
      {"across calls", false, {u"cat/dog", u"dog/eel"}, {{0, 1}, {2, 0}}, {u"dog", u"cat", u"eel"}},
      {"across calls as words",
       true,
       {u"cat/dog", u"dog/eel"},
       {{0, 1}, {2, 0}},
       {u"dog", u"cat", u"eel"}},
      {"within a call", false, {u"cat/cat"}, {{0, 0}}, {u"cat"}},
      {"spaces collapsed", false, {u"big   dog"}, {{0}}, {u"big dog"}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TBaseSearchItems> items =
        c.word_items ? std::make_unique<TSearchWordItems>(TIgnore_tag_type{}, 0, true)
                     : std::make_unique<TBaseSearchItems>(TIgnore_tag_type{}, 0, true);
    for (size_t k = 0; k < c.calls.size(); ++k)
      EXPECT_EQ(items->AddedSearchWords(c.calls[k]), c.indices[k]) << k;
    EXPECT_EQ(Typed(*items), c.items);
  }
}

TEST(SearchItems, AddedItemsAreStampedAndExistingOnesKeepTheirOtherSettings) {
  TBaseSearchItems items = Splitting();
  items.AddedSearchWords(u"cat", int32_t{7});
  items.SetHitsFound(0, 4);
  items.AddedSearchWords(u"cat/dog", int16_t{3});
  EXPECT_EQ(items.GetNToFind(0), 7);
  EXPECT_EQ(items.GetHitsFound(0), 4);
  EXPECT_EQ(items.GetLanguage(0), 3);
  EXPECT_EQ(items.GetLanguage(1), 3);

  TSearch_word_format_rec other_language = items.GetSWR(0);
  other_language.Langnum = 9;
  EXPECT_EQ(items.IndexOf(items.GetSWR(0)), 0);
  EXPECT_EQ(items.IndexOf(other_language), -1);
  EXPECT_EQ(items.EnsureContains(other_language), 2);
}

TEST(SearchItems, InsertAtTopPutsTheTypedItemsFirstAndKeepsTheOthersInOrder) {
  struct Case {
    std::vector<String> before;
    String text;
    std::vector<String> after;
    std::vector<int32_t> indices;
  };
  const Case cases[] = {
      {{}, u"x/y", {u"y", u"x"}, {0, 1}},
      {{u"a", u"b", u"c"}, u"x/y", {u"y", u"x", u"a", u"b", u"c"}, {0, 1}},
      {{u"a", u"b", u"c"}, u"c/z", {u"z", u"c", u"a", u"b"}, {0, 1}},
      {{u"a", u"b", u"c"}, u"b", {u"b", u"a", u"c"}, {0}},
      {{u"a", u"b", u"c"}, u"a/z", {u"z", u"a", u"b", u"c"}, {0, 1}},
      {{u"a", u"b", u"c"}, u"z/z/w", {u"w", u"z", u"a", u"b", u"c"}, {0, 1, 1}},
      {{u"a", u"b", u"c"}, u"b/a", {u"a", u"b", u"c"}, {0, 1}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.text));
    TBaseSearchItems items = Splitting();
    for (const String &s : c.before)
      items.AddedSearchWords(s);
    std::vector<int32_t> indices;
    items.InsertSearchWordsAtTop(c.text, true, indices);
    EXPECT_EQ(Typed(items), c.after);
    EXPECT_EQ(indices, c.indices);
    for (int32_t i : indices)
      EXPECT_TRUE(items.GetAutoLemmaAdded(i));
  }
}

TEST(SearchItems, AllTypedAsOneShowsTenAndEtcBeyond) {
  struct Case {
    int32_t n;
    bool limit;
    String expected;
  };
  const String ten = u"w0/w1/w2/w3/w4/w5/w6/w7/w8/w9";
  const Case cases[] = {{0, true, u""},
                        {10, true, ten},
                        {11, true, ten + u" etc."},
                        {12, true, ten + u" etc."},
                        {11, false, ten + u"/w10"}};
  for (const Case &c : cases) {
    TBaseSearchItems items;
    for (int32_t i = 0; i < c.n; ++i)
      items.AddedSearchWords(u"w" + IntToStr(i));
    EXPECT_EQ(items.AllTypedSearchWordsAsOne(c.limit), c.expected) << c.n << c.limit;
  }
}

TEST(SearchItems, IndexesOutsideTheListReadAsZeroAndCheckedSettersRaise) {
  TBaseSearchItems items;
  items.AddedSearchWords(u"cat", int32_t{5});
  for (int32_t i : {-1, 1}) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(items.GetSWR(i).typed_in_text.empty());
    EXPECT_EQ(items.GetPtr(i), nullptr);
    EXPECT_EQ(items.GetNToFind(i), 0);
    items.PutSWR(i, items.GetSWR(0));
    items.IncrementHits(i);
    items.ClearOne(i);
    EXPECT_EQ(items.Count(), 1);
    const std::function<void()> checked[] = {
        [&] { items.SetHitsFound(i, 1); }, [&] { items.SetLanguage(i, 1); },
        [&] { items.SetNToFind(i, 1); }, [&] { items.SetAutoLemmaAdded(i, true); }};
    for (const auto &set : checked)
      EXPECT_THROW(set(), EListError);
  }
  const auto records = items.ArrayOFSWItems({0, -1});
  EXPECT_EQ(records[0].typed_in_text, u"cat");
  EXPECT_TRUE(records[1].typed_in_text.empty());
  EXPECT_THROW(items.ArrayOFSWItems({1}), EListError);

  items.SetHitsFound(0, INT32_MAX);
  items.IncrementHits(0);
  items.AddedSearchWords(u"dog");
  items.SetHitsFound(1, 5);
  EXPECT_EQ(items.TotalHits(), INT32_MAX);
}

TEST(SearchItems, StreamFormIsCountThenTypedHitsAndLanguage) {
  TBaseSearchItems items = Splitting();
  items.AddedSearchWords(u"cat/dog");
  items.SetHitsFound(0, 12);
  items.SetLanguage(1, 3);
  TMemoryStream saved;
  ASSERT_TRUE(items.SaveToStream(saved));
  EXPECT_EQ(Contents(saved), Int32(2) + StringBytes(u"dog\t12\t0") + StringBytes(u"cat\t0\t3"));

  saved.SetPosition(0);
  TBaseSearchItems reloaded = Splitting();
  ASSERT_TRUE(reloaded.ReadFromStream(saved));
  EXPECT_EQ(Typed(reloaded), Typed(items));
  EXPECT_EQ(reloaded.GetHitsFound(0), 12);
  EXPECT_EQ(reloaded.GetLanguage(1), 3);
}

TEST(SearchItems, StreamItemsWithoutNumbersKeepTheirSettings) {
  struct Case {
    String item;
    int32_t hits;
    int16_t language;
  };
  const Case cases[] = {{u"cat", 0, 0},         {u"cat\t5", 0, 0},
                        {u"cat\tx\t7", 0, 7},   {u"cat\t5\t70000", 5, 0},
                        {u"cat\t-2\t-1", 0, 0}, {u"cat\t2147483647\t32767", INT32_MAX, 32767}};
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.item));
    TBaseSearchItems items;
    TMemoryStream stream = StreamOf(Int32(1) + StringBytes(c.item));
    ASSERT_TRUE(items.ReadFromStream(stream));
    ASSERT_EQ(Typed(items), std::vector<String>{u"cat"});
    EXPECT_EQ(items.GetHitsFound(0), c.hits);
    EXPECT_EQ(items.GetLanguage(0), c.language);
  }
}

TEST(SearchItems, DamagedStreamReportsFalseAndLeavesTheListAsItWas) {
  const Bytes good = StringBytes(u"dog\t1\t1");
  const Bytes cases[] = {
      {},                          // no count
      Int32(-1),                   // negative count
      Int32(3) + good,             // more items than bytes
      Int32(2) + good + Int32(50), // the second item ends early
      Int32(2) + good + Int32(-4), // a negative length
      Int32(2) + good,             // the count promised two
      Int32(1) + Int32(INT32_MAX), // a length beyond the stream
  };
  for (const Bytes &bytes : cases) {
    SCOPED_TRACE(bytes.size());
    TBaseSearchItems items;
    items.AddedSearchWords(u"cat");
    items.SetHitsFound(0, 9);
    TMemoryStream stream = StreamOf(bytes);
    EXPECT_FALSE(items.ReadFromStream(stream));
    EXPECT_EQ(Typed(items), std::vector<String>{u"cat"});
    EXPECT_EQ(items.GetHitsFound(0), 9);
  }
}

TEST(SearchItems, SearchWordFileIsUtf16WithMarkAndReadsAnyMarkedEncoding) {
  testsupport::TempFolder folder;
  const String name = BytesToFileName(folder.File("words.txt"));
  TBaseSearchItems items = Splitting();
  items.AddedSearchWords(u"caf\u00e9/dog");
  ASSERT_TRUE(items.SaveToFile(name));
  EXPECT_EQ(ReadFile(folder.File("words.txt")),
            (Bytes{0xFF, 0xFE, 'd', 0, 'o', 0, 'g',  0, '\r', 0, '\n', 0,
                   'c',  0,    'a', 0, 'f', 0, 0xE9, 0, '\r', 0, '\n', 0}));

  struct Case {
    const char *name;
    Bytes bytes;
  };
  const Case files[] = {
      {"utf-16", ReadFile(folder.File("words.txt"))},
      {"utf-8",
       {0xEF, 0xBB, 0xBF, 'd', 'o', 'g', '\r', '\n', '\r', '\n', 'c', 'a', 'f', 0xC3, 0xA9}},
  };
  for (const Case &f : files) {
    SCOPED_TRACE(f.name);
    WriteFile(folder.File("in.txt"), f.bytes);
    TBaseSearchItems loaded = Splitting();
    loaded.AddedSearchWords(u"old");
    ASSERT_TRUE(loaded.LoadFromFile(BytesToFileName(folder.File("in.txt")), 4));
    EXPECT_TRUE(loaded.FromAFile());
    EXPECT_EQ(Typed(loaded), (std::vector<String>{u"dog", u"caf\u00e9"}));
    EXPECT_EQ(loaded.GetNToFind(1), 4);
  }

  WriteFile(folder.File("blank.txt"), {0xFF, 0xFE, '\r', 0, '\n', 0, '*', 0});
  TBaseSearchItems kept = Splitting();
  kept.AddedSearchWords(u"old");
  for (const char *file : {"missing.txt", "blank.txt"}) {
    EXPECT_FALSE(kept.LoadFromFile(BytesToFileName(folder.File(file)), 1)) << file;
    EXPECT_EQ(Typed(kept), std::vector<String>{u"old"}) << file;
  }
  EXPECT_FALSE(kept.SaveToFile(BytesToFileName(folder.File("no/such/folder.txt"))));
}

TEST(SearchItems, PlainSearchWordsReadTheMarkersAsFlags) {
  TBaseSearchItems items = Splitting();
  items.SetFormatPreChecked(true);
  items.AddedSearchWords(u"*ing/walk");
  const TSimpleSearchlist *plain = items.PlainSearchWordsComputed();
  ASSERT_EQ(plain->Count(), 2);
  EXPECT_EQ(plain->GetAValue(0).seek, u"walk");
  EXPECT_EQ(plain->GetAValue(1).seek, u"ing");
  EXPECT_FALSE(plain->GetAValue(1).flags.Contains(myLeftBounded));
  EXPECT_EQ(plain->GetAValue(1).n_wanted, 1);
}

TEST(SearchItems, AnItemWithItsOwnContextWordBringsTheContextWordList) {
  const TIgnore_tag_type tags{u'<', 0, 0, 0, 0, 0, u'>'};
  TSearchWordItems items(tags, 2057, false);
  items.AddedSearchWords(u"cat");
  EXPECT_EQ(items.TempCWItems(), nullptr);
  EXPECT_EQ(items.TempEngine(), nullptr);
  items.AddedSearchWords(u"x context:=y");
  items.MoveToTop(1);
  EXPECT_EQ(items.TempCWItems(), nullptr) << "item 0 had no context word when x was added";
  items.AddedSearchWords(u"dog");
  ASSERT_NE(items.TempCWItems(), nullptr);
  EXPECT_EQ(items.TempCWItems()->ignore_tags, tags);
  EXPECT_EQ(items.TempCWItems()->TheLCID(), 2057u);
  EXPECT_TRUE(items.TempCWItems()->SplittingAtSlashes());
  ASSERT_NE(items.TempEngine(), nullptr);
  EXPECT_FALSE(items.TempEngine()->BufferInUnicode());
  EXPECT_TRUE(items.TempEngine()->SearchWordsInUnicode());
  EXPECT_EQ(items.TempEngine()->TheLCID(), 2057u);
  EXPECT_FALSE(items.TempEngine()->PreAssigned());

  EXPECT_FALSE(items.GetHasContextWord(1));
  EXPECT_FALSE(items.HasAnyContextWords);
  EXPECT_FALSE(items.GetHasContextWord(99));
  EXPECT_TRUE(items.GetHasContextWord(0));
  EXPECT_TRUE(items.HasAnyContextWords);
}
