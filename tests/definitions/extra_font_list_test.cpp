// The extra-font list: its stream form byte for byte in every version, damaged and hostile
// streams, the start-point sort and the look-ups that depend on it.
#include "definitions/extra_font_list.h"

#include "definitions/record_bytes.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace textcore {
namespace {

using testsupport::Bytes;
using testsupport::Contents;
using testsupport::Int32;
using testsupport::operator+;
using testsupport::PipeStream;
using testsupport::RecordBytes;
using testsupport::StreamOf;

constexpr TMyCanvasColourRec kRed{0x0000FF, 0x00FF00, 0xFFFFFF, 0x000080};

TExtraFontRec FontRun(int32_t on, int32_t off, uint8_t category = efc_tag,
                      typeface_set_type typeface = {}) {
  TExtraFontRec rec;
  rec.basics.switch_on_at_char = on;
  rec.basics.switch_off_at_char = off;
  rec.basics.colour_rec = kRed;
  rec.basics.typeface = typeface;
  rec.applies_to = category;
  return rec;
}

// The 72 stored bytes of the first golden record, field by field at its offsets.
RecordBytes FirstRecordBytes() {
  RecordBytes r(72);
  r.Put<int32_t>(0, 6).Put<int32_t>(4, -1);
  r.Put<int32_t>(8, 0x0000FF).Put<int32_t>(12, 0x00FF00).Put<int32_t>(16, 0xFFFFFF);
  r.Put<int32_t>(20, 0x000080).Put<uint8_t>(24, 0x02); // bold
  r.Put<uint8_t>(28, 1).Put<uint8_t>(29, 1).Put<uint8_t>(30, efc_centre_word);
  r.Put<uint8_t>(31, 0x5A).Put<int32_t>(32, 11).Put<int32_t>(68, -7);
  return r;
}

TExtraFontRec FirstRecord() {
  TExtraFontRec rec = FontRun(6, -1, efc_centre_word, {bold});
  rec.basics.padding = {0xAA, 0xBB, 0xCC}; // never reaches the stream
  rec.Colouring_word_instead_of_tag = 1;
  rec.is_default = 1;
  rec.spareBs = 0x5A;
  rec.spareInts[0] = 11;
  rec.spareInts[9] = -7;
  return rec;
}

Bytes RecordOf(const TExtraFontRec &rec, size_t size = sizeof(TExtraFontRec)) {
  Bytes b(size);
  std::memcpy(b.data(), &rec, size);
  return b;
}

Bytes GoldenStream() {
  RecordBytes second(72);
  second.Put<int32_t>(0, 10).Put<int32_t>(4, 20).Put<int32_t>(8, 0x0000FF);
  second.Put<int32_t>(12, 0x00FF00).Put<int32_t>(16, 0xFFFFFF).Put<int32_t>(20, 0x000080);
  return Int32(2) + Int32(2) + FirstRecordBytes().bytes() + second.bytes();
}

std::vector<Bytes> RecordsOf(const TExtraFontList &list) {
  std::vector<Bytes> out;
  for (int32_t i = 0; i < list.Count(); ++i)
    out.push_back(RecordOf(list.GetAFontFrec(i)));
  return out;
}

// Two records saved with fEFVersion 0 store version 2 and 4 + 4 + 144 bytes, whatever format
// number is passed: none writes the form of the formats below 20.
TEST(ExtraFontList, SavesTheCurrentFormWhateverTheFormatNumber) {
  for (int32_t version : {36, 20, 10, 0}) {
    SCOPED_TRACE(version);
    TExtraFontList list(kRed, {});
    list.AddOne(FirstRecord());
    list.AddOne(10, 20);
    TMemoryStream saved;
    ASSERT_TRUE(list.XSaveToStream(saved, version));
    EXPECT_EQ(Contents(saved), GoldenStream());
    EXPECT_EQ(list.GetEFVersion(), 2);
  }
  TExtraFontList later;
  later.SetEFVersion(5);
  TMemoryStream saved;
  ASSERT_TRUE(later.XSaveToStream(saved, 36));
  EXPECT_EQ(Contents(saved), Int32(0) + Int32(5));
}

TEST(ExtraFontList, SavingToAFullStreamSaysSo) {
  TExtraFontList list;
  list.AddOne(1, 2);
  PipeStream full(Bytes{}); // takes no bytes
  EXPECT_FALSE(list.XSaveToStream(full, 36));
}

// What each version of the stream reads as: the records (72 bytes each as held) and fEFVersion.
TEST(ExtraFontList, ReadsEveryStreamVersion) {
  const Bytes old_record = RecordOf(FontRun(3, 8, efc_tag, {italics}), 28);
  TExtraFontRec old_read = FontRun(3, 8, efc_tag, {italics}); // the fields past 28 are zero
  const Bytes golden = GoldenStream();
  const TExtraFontRec second = FontRun(10, 20);
  TExtraFontRec first_read = FirstRecord();
  first_read.basics.padding = {};
  struct Case {
    const char *what;
    int32_t version;
    Bytes bytes;
    std::vector<Bytes> records;
    int32_t ef_version;
  };
  const std::vector<Case> cases = {
      {"current form", 36, golden, {RecordOf(first_read), RecordOf(second)}, 2},
      {"oldest form, count only", 19, Int32(1) + old_record, {RecordOf(old_read)}, 0},
      {"versioned format with version 0 records",
       20,
       Int32(1) + Int32(0) + old_record,
       {RecordOf(old_read)},
       0},
      {"any version but 0 has 72-byte records",
       36,
       Int32(1) + Int32(1) + FirstRecordBytes().bytes(),
       {RecordOf(first_read)},
       1},
      {"negative count",
       36,
       Int32(-3) + Int32(2) + RecordOf(second) + RecordOf(second) + RecordOf(second),
       {RecordOf(second), RecordOf(second), RecordOf(second)},
       2},
      {"empty", 36, Int32(0) + Int32(3), {}, 3},
      {"empty oldest", 0, Int32(0), {}, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TExtraFontList list;
    list.SetEFVersion(9);
    TMemoryStream stream = StreamOf(c.bytes);
    ASSERT_TRUE(list.XReadFromStream(stream, c.version));
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_EQ(RecordsOf(list), c.records);
    EXPECT_EQ(list.GetEFVersion(), c.ef_version);
  }
}

TEST(ExtraFontList, ReadingAppendsAndSavedListsReadBack) {
  TExtraFontList list(kRed, {});
  list.AddOne(FontRun(1, 2, efc_sort1));
  list.AddOne(FirstRecord());
  list.AddOne(FontRun(INT32_MIN, INT32_MAX, efc_unknown, {strikeout}));
  TMemoryStream saved;
  ASSERT_TRUE(list.XSaveToStream(saved, 36));

  TExtraFontList reloaded;
  reloaded.AddOne(FontRun(99, 100));
  saved.SetPosition(0);
  ASSERT_TRUE(reloaded.XReadFromStream(saved, 36));
  std::vector<Bytes> expected = RecordsOf(list);
  expected[1] = RecordOf([] {
    TExtraFontRec r = FirstRecord();
    r.basics.padding = {};
    return r;
  }());
  expected.insert(expected.begin(), RecordOf(FontRun(99, 100)));
  EXPECT_EQ(RecordsOf(reloaded), expected);
  EXPECT_TRUE(reloaded.insert_space_between_words);
}

// Whatever fails, the list keeps what it held, fEFVersion included, and raises the read error.
TEST(ExtraFontList, DamagedAndHostileStreamsRaiseAndAddNothing) {
  const Bytes record = RecordOf(FontRun(1, 2));
  struct Case {
    const char *what;
    int32_t version;
    Bytes bytes;
    bool pipe;
  };
  const std::vector<Case> cases = {
      {"most negative count", 36, Int32(INT32_MIN) + Int32(2) + record, false},
      {"most negative count, unsized stream", 36, Int32(INT32_MIN) + Int32(2) + record, true},
      {"huge count on a short stream", 36, Int32(INT32_MAX) + Int32(2) + record, false},
      {"huge count, unsized stream", 36, Int32(INT32_MAX) + Int32(2) + record, true},
      {"huge old count", 19, Int32(1000000) + Bytes(28, 0), false},
      {"count one more than the records", 36, Int32(2) + Int32(2) + record, false},
      {"count one more, unsized stream", 36, Int32(2) + Int32(2) + record, true},
      {"negative count in the oldest form", 19, Int32(-1) + Bytes(28, 0), false},
      {"72-byte records counted as 28", 36, Int32(3) + Int32(1) + Bytes(3 * 28, 0), false},
      {"version cut short", 36, Int32(0) + Bytes{2, 0}, false},
      {"nothing", 36, Bytes{}, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TExtraFontList list;
    list.AddOne(FontRun(7, 8));
    list.SetEFVersion(4);
    TMemoryStream memory = StreamOf(c.bytes);
    PipeStream pipe(c.bytes, 5);
    TStream &stream = c.pipe ? static_cast<TStream &>(pipe) : memory;
    EXPECT_THROW(list.XReadFromStream(stream, c.version), EReadError);
    EXPECT_EQ(RecordsOf(list), std::vector<Bytes>{RecordOf(FontRun(7, 8))});
    EXPECT_EQ(list.GetEFVersion(), 4);
  }
}

TEST(ExtraFontList, TruncationAtEveryByteRaisesAndAddsNothing) {
  const Bytes golden = GoldenStream();
  const Bytes oldest = Int32(2) + Bytes(56, 1);
  for (const auto &[bytes, version] : {std::pair{golden, 36}, std::pair{oldest, 0}}) {
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
      SCOPED_TRACE(cut);
      TExtraFontList list;
      TMemoryStream stream = StreamOf(Bytes(bytes.begin(), bytes.begin() + cut));
      EXPECT_THROW(list.XReadFromStream(stream, version), EReadError);
      EXPECT_EQ(list.Count(), 0);
      EXPECT_EQ(list.GetEFVersion(), 0);
    }
  }
}

// Bytes from disk that no writer gives: they read as values the code knows, and what is read
// saves the same.
TEST(ExtraFontList, StoredBytesBeyondTheirTypesReadSafely) {
  struct Case {
    uint8_t typeface, colouring, category;
    typeface_set_type read_typeface;
    uint8_t read_category;
    bool space;
  };
  const std::vector<Case> cases = {
      {0xFF, 2, 9, {normal, bold, italics, underline, strikeout}, efc_unknown, true},
      {0xE1, 0xFF, 255, {normal}, efc_unknown, false},
      {0x01, 1, efc_unknown, {normal}, efc_unknown, false},
      {0x10, 0, efc_sort3, {strikeout}, efc_sort3, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.category);
    RecordBytes r(72);
    r.Put<uint8_t>(24, c.typeface).Put<uint8_t>(28, c.colouring).Put<uint8_t>(30, c.category);
    TExtraFontList list;
    TMemoryStream stream = StreamOf(Int32(1) + Int32(2) + r.bytes());
    ASSERT_TRUE(list.XReadFromStream(stream, 36));
    const TExtraFontRec rec = list.GetAFontFrec(0);
    EXPECT_EQ(rec.basics.typeface, c.read_typeface);
    EXPECT_EQ(rec.Colouring_word_instead_of_tag, c.colouring);
    EXPECT_EQ(rec.applies_to, c.read_category);
    EXPECT_EQ(ExtraFontCategory(rec), c.read_category);
    EXPECT_EQ(list.insert_space_between_words, c.space);
  }
}

// Only a member other than normal counts as a typeface that needs room between words.
TEST(ExtraFontList, TypefacesDecideTheSpaceBetweenWords) {
  EXPECT_FALSE(TExtraFontList(kRed, {}).insert_space_between_words);
  EXPECT_FALSE(TExtraFontList(kRed, {normal}).insert_space_between_words);
  EXPECT_TRUE(TExtraFontList(kRed, {normal, underline}).insert_space_between_words);

  TExtraFontList list(kRed, {});
  list.AddOne(FontRun(1, 2, efc_tag, {normal}));
  EXPECT_FALSE(list.insert_space_between_words);
  list.SetAFontFrec(0, FontRun(1, 2, efc_tag, {italics}));
  EXPECT_TRUE(list.insert_space_between_words);

  const TMyCanvasColourRec blue{0xFF0000, 0, 0, 0};
  list.AddOne(FontRun(3, 4));
  list.UpdateColoursAndTypeFace(blue, {normal});
  EXPECT_FALSE(list.insert_space_between_words);
  for (int32_t i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.GetAFontFrec(i).basics.colour_rec.default_colour, 0xFF0000);
    EXPECT_EQ(list.GetAFontFrec(i).basics.typeface, typeface_set_type{normal});
  }
  list.UpdateColoursAndTypeFace(blue, {bold});
  EXPECT_TRUE(list.insert_space_between_words);
  EXPECT_EQ(list.ftypeface, typeface_set_type{bold});
}

TEST(ExtraFontList, AddingARunTakesTheDefaultColours) {
  TExtraFontList list(kRed, {bold});
  EXPECT_EQ(list.AddOne(10, 20), 0);
  EXPECT_EQ(RecordOf(list.GetAFontFrec(0)), RecordOf(FontRun(10, 20)));
}

TEST(ExtraFontList, IndicesOutsideTheListAreRefusedOrEmpty) {
  TExtraFontList list;
  list.AddOne(FontRun(1, 2));
  for (int32_t index : {-1, 1, INT32_MIN, INT32_MAX}) {
    SCOPED_TRACE(index);
    EXPECT_THROW(list.Delete(index), EListError);
    EXPECT_EQ(RecordOf(list.GetAFontFrec(index)), RecordOf(TExtraFontRec{}));
    list.SetAFontFrec(index, FontRun(5, 6));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetAFontFrec(0).basics.switch_on_at_char, 1);
  }
  list.Delete(0);
  EXPECT_EQ(list.Count(), 0);
}

// Runs come out by start point, then by category, whatever directions the list had.
TEST(ExtraFontList, SortOnStartpointsOrdersByStartThenCategory) {
  struct Case {
    std::vector<std::pair<int32_t, uint8_t>> runs, sorted;
  };
  const std::vector<Case> cases = {
      {{{5, 2}, {3, 1}, {5, 0}}, {{3, 1}, {5, 0}, {5, 2}}},
      {{{9, 0}, {-4, 7}, {9, 3}, {0, 1}, {9, 1}}, {{-4, 7}, {0, 1}, {9, 0}, {9, 1}, {9, 3}}},
      {{{INT32_MAX, 0}, {INT32_MIN, 0}}, {{INT32_MIN, 0}, {INT32_MAX, 0}}},
  };
  for (bool descending : {false, true}) {
    for (const Case &c : cases) {
      TExtraFontList list;
      list.SetAscending(descending, descending, descending);
      for (const auto &[start, category] : c.runs)
        list.AddOne(FontRun(start, -1, category));
      list.SortOnStartpoints();
      std::vector<std::pair<int32_t, uint8_t>> got;
      for (int32_t i = 0; i < list.Count(); ++i)
        got.emplace_back(list.GetAFontFrec(i).basics.switch_on_at_char,
                         list.GetAFontFrec(i).applies_to);
      EXPECT_EQ(got, c.sorted);
      EXPECT_TRUE(list.sorted);
    }
  }
}

// A sorted list's look-up stops at the first later start, so a run added or replaced after the
// sort must unsort the list, or the look-up misses it.
TEST(ExtraFontList, IndexOfStartFindsRunsChangedAfterASort) {
  TExtraFontList list;
  for (int32_t start : {8, 2, 5})
    list.AddOne(FontRun(start, -1));
  list.SortOnStartpoints();
  EXPECT_EQ(list.IndexOfStart(5), 1);
  EXPECT_EQ(list.IndexOfStart(4), -1);

  list.AddOne(FontRun(3, -1));
  EXPECT_FALSE(list.sorted);
  EXPECT_EQ(list.IndexOfStart(3), 3);

  list.SortOnStartpoints();
  list.SetAFontFrec(0, FontRun(9, -1));
  EXPECT_FALSE(list.sorted);
  EXPECT_EQ(list.IndexOfStart(9), 0);
  list.Clear();
  EXPECT_FALSE(list.sorted);
  EXPECT_EQ(list.IndexOfStart(9), -1);
}

TEST(ExtraFontList, IndexOfStartAndEndNeedsTheWholeRunInside) {
  struct Case {
    std::vector<std::pair<int32_t, int32_t>> runs;
    int32_t found;
  };
  const std::vector<Case> cases = {
      {{{6, 12}, {6, -1}, {6, 9}}, 1},
      {{{6, 12}, {6, 9}, {6, -1}}, 1},
      {{{6, 12}}, -1},
      {{{4, 8}, {10, -1}}, -1},
      {{{5, 5}}, 0},
      {{{9, 9}}, 0},
      {{{9, 10}, {5, INT32_MIN}}, 1},
  };
  for (const Case &c : cases) {
    TExtraFontList list;
    for (const auto &[on, off] : c.runs)
      list.AddOne(FontRun(on, off));
    EXPECT_EQ(list.IndexOfStartAndEnd(5, 9), c.found);
  }
}

} // namespace
} // namespace textcore
