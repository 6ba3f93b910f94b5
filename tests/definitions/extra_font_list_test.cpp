// The extra-font list: its stream form byte for byte in every version, damaged and hostile
// streams, the start-point sort and the look-ups that depend on it.
#include "definitions/extra_font_list.h"

#include "definitions/record_bytes.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

using namespace testsupport;

constexpr TMyCanvasColourRec kRed{0x0000FF, 0x00FF00, 0xFFFFFF, 0x000080};

TExtraFontRec FontRun(int32_t on, int32_t off, uint8_t category = efc_tag,
                      typeface_set_type typeface = {}) {
  TExtraFontRec rec;
  rec.basics = {on, off, kRed, typeface, {}};
  rec.applies_to = category;
  return rec;
}

// Bold, both Booleans, the centre word and the spares set; padding that must not be written.
TExtraFontRec FirstRecord() {
  TExtraFontRec rec = FontRun(6, -1, efc_centre_word, {bold});
  rec.basics.padding = {0xAA, 0xBB, 0xCC};
  rec.Colouring_word_instead_of_tag = rec.is_default = 1;
  rec.spareBs = 0x5A;
  rec.spareInts[0] = 11;
  rec.spareInts[9] = -7;
  return rec;
}

// The record of the list built in the golden test, field by field at its offsets.
Bytes RecordBytesOf(int32_t on, int32_t off, bool first) {
  RecordBytes r(72);
  r.Put<int32_t>(0, on).Put<int32_t>(4, off).Put<int32_t>(8, 0x0000FF).Put<int32_t>(12, 0x00FF00);
  r.Put<int32_t>(16, 0xFFFFFF).Put<int32_t>(20, 0x000080);
  if (first) {
    r.Put<uint8_t>(24, 0x02).Put<uint8_t>(28, 1).Put<uint8_t>(29, 1).Put<uint8_t>(30, 3);
    r.Put<uint8_t>(31, 0x5A).Put<int32_t>(32, 11).Put<int32_t>(68, -7);
  }
  return r.bytes();
}

std::vector<Bytes> RecordsOf(const TExtraFontList &list) {
  std::vector<Bytes> out;
  for (int32_t i = 0; i < list.Count(); ++i)
    out.push_back(BytesOf(list.GetAFontFrec(i)));
  return out;
}

// Two records saved with fEFVersion 0 store version 2 in 4 + 4 + 144 bytes whatever format
// number is passed (none writes the form below 20), and read back appended.
TEST(ExtraFontList, SavesOneFormAndReadsItBack) {
  const Bytes golden =
      Int32(2) + Int32(2) + RecordBytesOf(6, -1, true) + RecordBytesOf(10, 20, false);
  for (int32_t version : {36, 10}) {
    SCOPED_TRACE(version);
    TExtraFontList list(kRed, {});
    list.AddOne(FirstRecord());
    list.AddOne(10, 20); // the default colours, no typeface, efc_tag
    TMemoryStream saved;
    ASSERT_TRUE(list.XSaveToStream(saved, version));
    EXPECT_EQ(Contents(saved), golden);
    EXPECT_EQ(list.GetEFVersion(), 2);

    TExtraFontList reloaded;
    reloaded.AddOne(FontRun(99, 100));
    saved.SetPosition(0);
    ASSERT_TRUE(reloaded.XReadFromStream(saved, 36));
    TExtraFontRec first = FirstRecord();
    first.basics.padding = {};
    EXPECT_EQ(RecordsOf(reloaded), (std::vector<Bytes>{BytesOf(FontRun(99, 100)), BytesOf(first),
                                                       BytesOf(FontRun(10, 20))}));
    EXPECT_TRUE(reloaded.insert_space_between_words);
  }
}

TEST(ExtraFontList, ReadsEveryStreamVersion) {
  const TExtraFontRec old = FontRun(3, 8, efc_tag, {italics}); // nothing past byte 28
  const Bytes old_all = BytesOf(old), old_bytes(old_all.begin(), old_all.begin() + 28);
  const Bytes run = BytesOf(FontRun(1, 2, efc_sort2));
  struct Case {
    const char *what;
    int32_t version;
    Bytes bytes;
    std::vector<Bytes> records;
    int32_t ef_version;
  } cases[] = {
      {"oldest form, count only", 19, Int32(1) + old_bytes, {BytesOf(old)}, 0},
      {"version 0 has 28-byte records", 20, Int32(1) + Int32(0) + old_bytes, {BytesOf(old)}, 0},
      {"any other version 72", 36, Int32(1) + Int32(1) + run, {run}, 1},
      {"-3 reads 3", 36, Int32(-3) + Int32(2) + run + run + run, {run, run, run}, 2},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TExtraFontList list;
    TMemoryStream stream = StreamOf(c.bytes);
    ASSERT_TRUE(list.XReadFromStream(stream, c.version));
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_EQ(RecordsOf(list), c.records);
    EXPECT_EQ(list.GetEFVersion(), c.ef_version);
  }
}

// Whatever fails raises the read error and leaves the list as it was, fEFVersion included.
TEST(ExtraFontList, DamagedHostileAndTruncatedStreamsAddNothing) {
  const Bytes run = BytesOf(FontRun(1, 2));
  std::vector<std::pair<int32_t, Bytes>> cases = {
      {36, Int32(INT32_MIN) + Int32(2) + run},      {36, Int32(INT32_MAX) + Int32(2) + run},
      {19, Int32(1000000) + Bytes(28, 0)},          {19, Int32(-1) + Bytes(28, 0)},
      {36, Int32(3) + Int32(1) + Bytes(3 * 28, 0)}, {36, Int32(0) + Bytes{2, 0}},
  };
  const Bytes whole = Int32(2) + Int32(2) + run + run, oldest = Int32(2) + Bytes(56, 1);
  for (size_t cut = 0; cut < whole.size(); ++cut)
    cases.emplace_back(36, Bytes(whole.begin(), whole.begin() + cut));
  for (size_t cut = 0; cut < oldest.size(); ++cut)
    cases.emplace_back(0, Bytes(oldest.begin(), oldest.begin() + cut));
  for (const auto &[version, bytes] : cases) {
    for (bool unsized : {false, true}) {
      SCOPED_TRACE(testing::Message() << version << " " << bytes.size() << " " << unsized);
      TExtraFontList list;
      list.AddOne(FontRun(7, 8));
      list.SetEFVersion(4);
      TMemoryStream memory = StreamOf(bytes);
      PipeStream pipe(bytes, 5);
      EXPECT_THROW(list.XReadFromStream(unsized ? static_cast<TStream &>(pipe) : memory, version),
                   EReadError);
      EXPECT_EQ(RecordsOf(list), std::vector<Bytes>{BytesOf(FontRun(7, 8))});
      EXPECT_EQ(list.GetEFVersion(), 4);
    }
  }
}

// Bytes no writer gives read as values the code knows; Booleans stay the bytes they were.
TEST(ExtraFontList, StoredBytesBeyondTheirTypesReadSafely) {
  RecordBytes r(72);
  r.Put<uint8_t>(24, 0xE1).Put<uint8_t>(28, 2).Put<uint8_t>(30, 9); // {normal} and bits 5-7
  TExtraFontList list;
  TMemoryStream stream = StreamOf(Int32(1) + Int32(2) + r.bytes());
  ASSERT_TRUE(list.XReadFromStream(stream, 36));
  const TExtraFontRec rec = list.GetAFontFrec(0);
  EXPECT_EQ(rec.basics.typeface, typeface_set_type{normal});
  EXPECT_EQ(rec.Colouring_word_instead_of_tag, 2);
  EXPECT_EQ(rec.applies_to, efc_unknown);
  EXPECT_FALSE(list.insert_space_between_words);
}

// Only a member other than normal is a typeface that needs room between words.
TEST(ExtraFontList, TypefacesDecideTheSpaceBetweenWords) {
  EXPECT_FALSE(TExtraFontList(kRed, {normal}).insert_space_between_words);
  TExtraFontList list(kRed, {});
  list.AddOne(FontRun(1, 2, efc_tag, {normal}));
  EXPECT_FALSE(list.insert_space_between_words);
  list.SetAFontFrec(0, FontRun(1, 2, efc_tag, {italics}));
  EXPECT_TRUE(list.insert_space_between_words);
  list.UpdateColoursAndTypeFace(kRed, {normal});
  EXPECT_FALSE(list.insert_space_between_words);
}

TEST(ExtraFontList, IndicesOutsideTheListAreRefusedOrEmpty) {
  TExtraFontList list;
  list.AddOne(FontRun(1, 2));
  for (int32_t index : {-1, 1, INT32_MIN, INT32_MAX}) {
    SCOPED_TRACE(index);
    EXPECT_THROW(list.Delete(index), EListError);
    EXPECT_EQ(BytesOf(list.GetAFontFrec(index)), Bytes(72, 0));
    list.SetAFontFrec(index, FontRun(5, 6));
    EXPECT_EQ(list.GetAFontFrec(0).basics.switch_on_at_char, 1);
  }
  list.Delete(0);
  EXPECT_EQ(list.Count(), 0);
}

// Runs come out by start, then by category, whatever directions the list had; a run added or
// replaced afterwards unsorts the list, or IndexOfStart's early stop would miss it.
TEST(ExtraFontList, SortOnStartpointsAndIndexOfStart) {
  for (bool descending : {false, true}) {
    TExtraFontList list;
    list.SetAscending(descending, descending, descending);
    for (const auto &[start, category] : {std::pair{5, 2}, {3, 1}, {5, 0}, {INT32_MIN, 7}})
      list.AddOne(FontRun(start, -1, static_cast<uint8_t>(category)));
    list.SortOnStartpoints();
    std::vector<std::pair<int32_t, int32_t>> got;
    for (int32_t i = 0; i < list.Count(); ++i)
      got.emplace_back(list.GetAFontFrec(i).basics.switch_on_at_char,
                       list.GetAFontFrec(i).applies_to);
    EXPECT_EQ(got,
              (std::vector<std::pair<int32_t, int32_t>>{{INT32_MIN, 7}, {3, 1}, {5, 0}, {5, 2}}));
  }
  TExtraFontList list;
  for (int32_t start : {8, 2, 5})
    list.AddOne(FontRun(start, -1));
  list.SortOnStartpoints();
  EXPECT_EQ(list.IndexOfStart(5), 1);
  EXPECT_EQ(list.IndexOfStart(4), -1);
  list.AddOne(FontRun(3, -1));
  EXPECT_EQ(list.IndexOfStart(3), 3);
  list.SortOnStartpoints();
  list.SetAFontFrec(0, FontRun(9, -1));
  EXPECT_EQ(list.IndexOfStart(9), 0);
}

TEST(ExtraFontList, IndexOfStartAndEndNeedsTheWholeRunInside) {
  const std::pair<std::vector<std::pair<int32_t, int32_t>>, int32_t> cases[] = {
      {{{6, 12}, {6, -1}, {6, 9}}, 1},
      {{{6, 12}, {6, 9}}, 1},
      {{{6, 12}, {4, 8}, {10, -1}}, -1},
      {{{9, 9}}, 0},
  };
  for (const auto &[runs, found] : cases) {
    TExtraFontList list;
    for (const auto &[on, off] : runs)
      list.AddOne(FontRun(on, off));
    EXPECT_EQ(list.IndexOfStartAndEnd(5, 9), found);
  }
}

} // namespace
} // namespace textcore
