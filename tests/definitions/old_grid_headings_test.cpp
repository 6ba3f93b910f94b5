#include "definitions/old_grid_headings.h"

#include "definitions/record_bytes.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::RecordBytes;
using testsupport::StreamOf;

RecordBytes OldHeading() {
  RecordBytes r(60);
  r.Put<uint8_t>(0, right_aligned).Put<uint8_t>(1, 0xFF).Put<uint8_t>(2, tanto_faz);
  r.Put<float>(3, 0.01f).Put<uint8_t>(7, 2).Put<int32_t>(8, 0xFF).Put<int32_t>(12, 0xFFFFFF);
  r.Put<uint8_t>(16, 1).Put<uint8_t>(18, 4).Put<uint8_t>(19, 1).Put<int16_t>(20, 3);
  r.Put<int16_t>(22, 48).Put<uint8_t>(24, title_case_output).Put<uint8_t>(25, 1);
  r.Put<uint8_t>(26, 1).Put<uint8_t>(27, 5).Put<uint8_t>(30, 1).Put<uint8_t>(31, 2);
  r.Put<int32_t>(32, 777).Put<int32_t>(36, 103);
  for (int32_t i = 0; i < 5; ++i)
    r.Put<uint32_t>(40 + 4 * i, 0xA0 + i);
  return r;
}

TEST(OldGridHeadings, BothVersionsComeBackInTheCurrentHeading) {
  for (int32_t N : {0, 1}) {
    SCOPED_TRACE(N);
    TMemoryStream stream = StreamOf(OldHeading().bytes());
    bool ok = false;
    const grid_head_type32 head = ReadOldGridHeadings(stream, N, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(stream.Position(), N == 0 ? 40 : 60);
    EXPECT_EQ(head.alignment, right_aligned);
    EXPECT_EQ(head.typeface, (typeface_set_type{normal, bold, italics, underline, strikeout}));
    EXPECT_EQ(head.editable, tanto_faz);
    EXPECT_EQ(head.minimum, 0.01f);
    EXPECT_EQ(head.decimals, 2);
    EXPECT_EQ(head.textcolour, 0xFF);
    EXPECT_EQ(head.background, 0xFFFFFF);
    EXPECT_TRUE(head.allow_case_change);
    EXPECT_FALSE(head.extra_computed);
    EXPECT_TRUE(head.numerical);
    EXPECT_TRUE(head.heading_visible);
    EXPECT_EQ(head.original_column, 3);
    EXPECT_EQ(head.pixel_width, 48);
    EXPECT_EQ(head.output_case, title_case_output);
    EXPECT_FALSE(head.SpareB4);
    EXPECT_FALSE(head.may_have_old_data_unsafe);
    EXPECT_EQ(head.previous_decimals, 5);
    EXPECT_TRUE(head.percent_data);
    EXPECT_EQ(head.version, 2);
    EXPECT_EQ(head.HelpContext, 777);
    EXPECT_EQ(head.localization_number, 103);
    for (size_t i = 0; i < head.column_data.size(); ++i)
      EXPECT_EQ(head.column_data[i], N != 0 && i < 5 ? 0xA0 + i : 0) << i;
    EXPECT_EQ(head.span, span_R51);
    EXPECT_TRUE(head.hint.empty() && head.heading.empty());
  }
}

TEST(OldGridHeadings, AHeadingCutShortIsNotTaken) {
  for (auto [N, length] : {std::pair{0, 39}, {1, 40}, {1, 59}, {1, 0}}) {
    TMemoryStream stream = StreamOf(OldHeading().First(length));
    bool ok = true;
    const grid_head_type32 head = ReadOldGridHeadings(stream, N, ok);
    EXPECT_FALSE(ok) << N << " " << length;
    EXPECT_EQ(head.pixel_width, 0);
  }
}

} // namespace
} // namespace textcore
