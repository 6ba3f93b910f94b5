#include "definitions/conc_settings.h"

#include "core/fixed_char_array_text.h"
#include "definitions/record_bytes.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::RecordBytes;
using testsupport::StreamOf;

RecordBytes OldConcSettings(uint8_t version) {
  RecordBytes r(1368);
  r.PutWide(0, u"river").PutWide(324, u"<b>").Put<int32_t>(652, 120);
  r.Put<uint32_t>(664 + 8, 0x0409); // the language inside, which is not carried
  r.Put<int16_t>(1296, -5).Put<int16_t>(1298, 5).Put<int16_t>(1304 + 2, 3);
  r.Put<uint8_t>(1315, 7).Put<uint8_t>(1319, 1).Put<uint8_t>(1321, 1).Put<uint8_t>(1322, 0);
  r.Put<uint8_t>(1326, 1).Put<uint8_t>(1329, 2).Put<uint16_t>(1332, 500);
  r.Put<uint8_t>(1337, 4).Put<uint8_t>(1340 + 6, 1).Put<int16_t>(1350, 2).Put<int16_t>(1352, 4);
  r.Put<uint8_t>(1354, MI_Z).Put<uint8_t>(1355, version).Put<uint8_t>(1358, 0x81);
  r.Put<uint8_t>(1362, 1).Put<int32_t>(1364, 99);
  return r;
}

// Read with an N that allows the old layout, a current record is told by what stands where the
// old version number was: 3 or more.
RecordBytes CurrentConcSettings() {
  RecordBytes r(2580);
  r.Put<uint8_t>(1355, 3);
  r.PutWide(0, u"Fluss").Put<int16_t>(666, -2).Put<uint8_t>(1730, 1).Put<uint16_t>(1740, 80);
  r.Put<uint8_t>(1763, 3).Put<int32_t>(1772, 75).Put<int32_t>(1788, 4);
  return r;
}

TEST(ConcSettings, OldVersionsAreConvertedAndLaterOnesReadWhole) {
  struct Case {
    RecordBytes bytes;
    int32_t N;
    int64_t read;
    String word;
    int32_t textonly;
  };
  const Case cases[] = {
      {OldConcSettings(0), 0, 1368, u"river", 60},
      {OldConcSettings(2), 9, 1368, u"river", 60},
      {CurrentConcSettings(), 0, 2580, u"Fluss", 75},
      {CurrentConcSettings(), 5, 2580, u"Fluss", 75},
      {CurrentConcSettings(), 18, 2580, u"Fluss", 75},
  };
  for (const Case &c : cases) {
    TMemoryStream stream = StreamOf(c.bytes.bytes());
    TConcSettingsRec32 rec;
    ASSERT_TRUE(ReadInConcSettRec(stream, rec, c.N)) << c.N;
    EXPECT_EQ(stream.Position(), c.read);
    EXPECT_EQ(WideArrayToString(rec.concordance_word), c.word);
    EXPECT_EQ(rec.characters_for_textonly_display, c.textonly);
  }
}

TEST(ConcSettings, ConversionCarriesTheNamedFields) {
  TMemoryStream stream = StreamOf(OldConcSettings(2).bytes());
  TConcSettingsRec32 rec;
  ASSERT_TRUE(ReadInConcSettRec(stream, rec, 0));
  EXPECT_EQ(WideArrayToString(rec.spare_tag_context_word), u"<b>");
  EXPECT_EQ(rec.entries, 120);
  EXPECT_EQ(rec.colloc_horizons.to_left, -5);
  EXPECT_EQ(rec.colloc_horizons.to_right, 5);
  EXPECT_EQ(rec.cluster_settings.to_left, 3);
  EXPECT_EQ(rec.spare_plot_computed, 1); // a stored 7 is true
  EXPECT_EQ(rec.spare_Association_computed, 1);
  EXPECT_EQ(rec.show_percents_not_raw_numbers, 1);
  EXPECT_EQ(rec.with_collocates, 1);
  EXPECT_EQ(rec.collocates_stop_at, coll_stop_sentence);
  EXPECT_EQ(rec.characters_to_save_on_disk, 500);
  EXPECT_EQ(rec.sort[0], 4);
  EXPECT_EQ(rec.sort_features.Wanted[0], 1);
  EXPECT_EQ(rec.cluster_n_min, 2);
  EXPECT_EQ(rec.cluster_n_max, 4);
  EXPECT_EQ(rec.spare_RelationshipsProc, MI_Z);
  EXPECT_EQ(rec.saved_concrec_version_number, 2);
  EXPECT_EQ(rec.hideOptions, 0x81);
  EXPECT_EQ(rec.merge_sws_for_collocs, 1);
  // Not carried: the tag-context flag, the language, the spare integer.
  const testsupport::Bytes bytes = testsupport::BytesOf(rec);
  for (size_t at : {size_t{672 + 8}, size_t{1727}, size_t{1739}, size_t{1792}})
    EXPECT_EQ(bytes[at], 0) << at;

  RecordBytes raw = OldConcSettings(1);
  raw.Put<uint8_t>(1322, 9);
  TMemoryStream shown_raw = StreamOf(raw.bytes());
  ASSERT_TRUE(ReadInConcSettRec(shown_raw, rec, 0));
  EXPECT_EQ(rec.show_percents_not_raw_numbers, 0);
}

TEST(ConcSettings, ShortStreamsSayFalseAndAShortLookLeavesNothing) {
  struct Case {
    RecordBytes bytes;
    size_t length;
    int32_t N;
    bool looked;
  };
  const Case cases[] = {
      {OldConcSettings(0), 0, 0, false},      {OldConcSettings(0), 1367, 0, false},
      {CurrentConcSettings(), 1368, 0, true}, {CurrentConcSettings(), 2579, 0, true},
      {CurrentConcSettings(), 2579, 6, true}, {CurrentConcSettings(), 0, 6, true},
  };
  const testsupport::Bytes zeros(sizeof(TConcSettingsRec32), 0);
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.length << " bytes, N " << c.N);
    TMemoryStream stream = StreamOf(c.bytes.First(c.length));
    TConcSettingsRec32 rec;
    EXPECT_FALSE(ReadInConcSettRec(stream, rec, c.N));
    EXPECT_EQ(stream.Position(), c.looked ? int64_t(c.length) : 0);
    if (!c.looked) {
      EXPECT_EQ(testsupport::BytesOf(rec), zeros);
    }
  }
}

} // namespace
} // namespace textcore
