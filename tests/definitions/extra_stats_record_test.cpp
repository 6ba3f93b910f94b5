#include "definitions/extra_stats_record.h"

#include "definitions/record_bytes.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::RecordBytes;
using testsupport::StreamOf;

RecordBytes ExtraStats(int32_t fourth) {
  RecordBytes r(40);
  r.Put<int32_t>(0, -3).Put<int32_t>(4, 1).Put<int32_t>(8, 12).Put<int32_t>(12, fourth);
  return r;
}

TEST(ExtraStatsRecord, TheFourthValueTellsTheLayouts) {
  struct Case {
    int32_t fourth;
    int64_t read, total_bytes;
    int32_t zips, version;
  };
  const Case cases[] = {{1, 16, -3, 1, 12},
                        {INT32_MIN, 16, -3, 1, 12},
                        {2, 40, (int64_t{2} << 32) - 3, 12, 2},
                        {INT32_MAX, 40, (int64_t{2} << 32) - 3, 12, INT32_MAX}};
  for (const Case &c : cases) {
    TMemoryStream stream = StreamOf(ExtraStats(c.fourth).bytes());
    TFileInfoExtraStatsRec rec;
    ASSERT_TRUE(ExtraStatsRecFromStream(stream, rec)) << c.fourth;
    EXPECT_EQ(stream.Position(), c.read);
    EXPECT_EQ(rec.total_bytes, c.total_bytes);
    EXPECT_EQ(rec.zips_added, c.zips);
    EXPECT_EQ(rec.version, c.version);
  }
}

TEST(ExtraStatsRecord, WrittenRecordsReadBackAsThemselves) {
  TMemoryStream old = StreamOf(ExtraStats(0).bytes());
  TFileInfoExtraStatsRec converted;
  ASSERT_TRUE(ExtraStatsRecFromStream(old, converted));
  converted.version = 1;
  for (const TFileInfoExtraStatsRec &rec : {TFileInfoExtraStatsRec{}, converted}) {
    TMemoryStream stream;
    ASSERT_TRUE(ExtraStatsRecToStream(stream, rec));
    ASSERT_TRUE(ExtraStatsRecToStream(stream, rec));
    stream.SetPosition(0);
    TFileInfoExtraStatsRec first, second;
    ASSERT_TRUE(ExtraStatsRecFromStream(stream, first));
    ASSERT_TRUE(ExtraStatsRecFromStream(stream, second));
    EXPECT_EQ(stream.Position(), 80);
    EXPECT_EQ(second.total_bytes, rec.total_bytes);
    EXPECT_EQ(second.version, extra_stats_current_version);
  }
}

TEST(ExtraStatsRecord, ShortStreamsSayFalseAndAShortLookLeavesNothing) {
  for (size_t length : {0, 15, 16, 39}) {
    TMemoryStream stream = StreamOf(ExtraStats(2).First(length));
    TFileInfoExtraStatsRec rec;
    EXPECT_FALSE(ExtraStatsRecFromStream(stream, rec)) << length;
    const bool looked = length >= 16;
    EXPECT_EQ(stream.Position(), looked ? int64_t(length) : 0);
    EXPECT_EQ(rec.version, looked ? 2 : 0);
  }
}

} // namespace
} // namespace textcore
