#include "definitions/mutual_info_settings_stream.h"

#include "definitions/mutual_info_records.h"
#include "definitions/record_bytes.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::Bytes;
using testsupport::RecordBytes;
using testsupport::StreamOf;

RecordBytes OldSettings(uint8_t first) {
  RecordBytes r(32);
  r.Put<uint8_t>(0, first).Put<uint8_t>(1, coll_stop_paragraph).Put<uint8_t>(2, 5);
  r.Put<uint8_t>(6, 1).Put<int32_t>(12, 4).Put<int32_t>(16, 3).Put<float>(20, 2.5f);
  r.Put<float>(24, 80.0f);
  return r;
}

RecordBytes CurrentSettings(uint8_t first) {
  RecordBytes r(180);
  r.Put<uint8_t>(0, first).Put<uint8_t>(7, mis_filter_both_words).Put<int32_t>(16, 6);
  r.Put<float>(28 + 4 * MI_Z, 1.5f).Put<int32_t>(96, 3).Put<uint8_t>(179, 0xEE);
  return r;
}

TEST(MutualInfoSettingsStream, TheFirstByteTellsTheLayouts) {
  struct Case {
    RecordBytes bytes;
    int64_t read;
    int32_t span, min_texts;
  };
  const Case cases[] = {{OldSettings(0), 32, 4, 1},
                        {OldSettings(5), 32, 4, 1},
                        {CurrentSettings(6), 180, 6, 3},
                        {CurrentSettings(255), 180, 6, 3}};
  for (const Case &c : cases) {
    TMemoryStream stream = StreamOf(c.bytes.bytes());
    TMutual_info_settings32 rec;
    ASSERT_TRUE(TMutual_info_settings32FromStream(stream, rec));
    EXPECT_EQ(stream.Position(), c.read);
    EXPECT_EQ(rec.MI_span, c.span);
    EXPECT_EQ(rec.MI_min_texts, c.min_texts);
    EXPECT_GE(rec.spare_stop, mutual_info_settings32_marker);
  }
}

TEST(MutualInfoSettingsStream, OldSettingsConvertBothWays) {
  TMemoryStream stream = StreamOf(OldSettings(3).bytes());
  TMutual_info_settings32 rec;
  ASSERT_TRUE(TMutual_info_settings32FromStream(stream, rec));
  EXPECT_EQ(rec.stop_at, coll_stop_paragraph);
  EXPECT_EQ(rec.omit_left_right_matches, 1);
  EXPECT_EQ(rec.two_way, 1);
  EXPECT_EQ(rec.MI_max_percent, 80.0f);
  EXPECT_EQ(rec.spare_MI_min_freq, 0);
  for (int32_t stat = 0; stat < mutual_info_stats_count; ++stat)
    EXPECT_EQ(rec.minima[stat], stat == MI_MI ? 2.5f : mutual_info_no_minimum) << stat;

  rec.spare_MI_min_freq = 3;
  const TMutual_info_settings_old back = TMutual_info_settingsOldFrom32(rec);
  // The stored 5 comes back as true, a 1.
  EXPECT_EQ(testsupport::BytesOf(back), OldSettings(0).Put<uint8_t>(2, 1).bytes());
}

TEST(MutualInfoSettingsStream, WrittenRecordsReadBackAsThemselves) {
  TMutual_info_settings32 zeroed{};
  TMutual_info_settings32 converted = TMutual_info_settings32FromOld({});
  for (const TMutual_info_settings32 &rec : {zeroed, converted}) {
    TMemoryStream stream;
    ASSERT_TRUE(TMutual_info_settings32ToStream(stream, rec));
    ASSERT_TRUE(TMutual_info_settings32ToStream(stream, rec));
    stream.SetPosition(0);
    TMutual_info_settings32 first, second;
    ASSERT_TRUE(TMutual_info_settings32FromStream(stream, first));
    ASSERT_TRUE(TMutual_info_settings32FromStream(stream, second));
    EXPECT_EQ(stream.Position(), 360);
    Bytes expected = testsupport::BytesOf(rec);
    expected[0] = mutual_info_settings32_marker;
    EXPECT_EQ(testsupport::BytesOf(second), expected);
  }
}

TEST(MutualInfoSettingsStream, ShortStreamsSayFalseAndAShortLookLeavesNothing) {
  const struct {
    RecordBytes bytes;
    size_t length;
    bool looked;
  } cases[] = {{OldSettings(0), 0, false},
               {OldSettings(0), 31, false},
               {CurrentSettings(6), 32, true},
               {CurrentSettings(6), 179, true}};
  for (const auto &c : cases) {
    TMemoryStream stream = StreamOf(c.bytes.First(c.length));
    TMutual_info_settings32 rec;
    EXPECT_FALSE(TMutual_info_settings32FromStream(stream, rec)) << c.length;
    EXPECT_EQ(stream.Position(), c.looked ? int64_t(c.length) : 0);
    EXPECT_EQ(rec.MI_span, c.looked ? 6 : 0);
  }
}

TEST(MutualInfoRecords, OldScoresBecomeTheFirstSixAndReferencesAreCleared) {
  RecordBytes r(72);
  for (int32_t i = 0; i < 5; ++i)
    r.Put<int32_t>(4 * i, 10 + i);
  r.Put<float>(20, 9.0f).Put<float>(28, 9.0f);
  for (int32_t i = 0; i < 6; ++i)
    r.Put<float>(32 + 4 * i, 1.0f + i);
  r.Put<int32_t>(56, 7).Put<int32_t>(60, 8).Put<uint32_t>(64, 0xDEAD).Put<uint32_t>(68, 0xBEEF);
  TMutualInfo_recOld old;
  std::memcpy(&old, r.bytes().data(), sizeof old);
  const Bytes bytes = testsupport::BytesOf(TMutual_info_Rec32FromOld(old));
  RecordBytes expected(100);
  for (int32_t i = 0; i < 5; ++i)
    expected.Put<int32_t>(4 * i, 10 + i);
  for (int32_t i = 0; i < 6; ++i)
    expected.Put<float>(20 + 4 * i, 1.0f + i);
  expected.Put<int32_t>(84, 7).Put<int32_t>(88, 8);
  EXPECT_EQ(bytes, expected.bytes());
}

} // namespace
} // namespace textcore
