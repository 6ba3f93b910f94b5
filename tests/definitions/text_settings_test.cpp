#include "definitions/text_settings.h"

#include "core/fixed_char_array_text.h"
#include "definitions/record_bytes.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::RecordBytes;
using testsupport::StreamOf;

// After the language details: tag treatment, flags, two markup pairs, "auto" as the second
// marker, and the number of texts.
RecordBytes ThirtyTwoBitSettings(bool current_language) {
  RecordBytes r(3028);
  r.Put<uint8_t>(2, 1).Put<uint32_t>(4, 0x0409).PutWide(936, u"English");
  if (current_language)
    r.Put<int32_t>(560, 17);
  r.Put<uint8_t>(1040, 2).Put<uint8_t>(1041, 1).Put<uint8_t>(1045, 1);
  r.PutWide(1048, u"<[").PutWide(1060, u">]").PutWide(1276, u"auto").Put<int32_t>(2704, 33);
  return r;
}

RecordBytes SixteenBitSettings() {
  RecordBytes r(2500);
  r.Put<uint32_t>(8, 0x040C).PutShort(600, 2, "Fr");
  r.Put<uint8_t>(632, 3).Put<uint8_t>(633, 1).Put<uint8_t>(635, 1).Put<uint8_t>(637, 2);
  r.PutWide(638, u"{").PutWide(650, u"}").PutWide(866, u"auto");
  return r;
}

TEST(TextSettings, EachLayoutIsToldAndComesBackInTheCurrentOne) {
  RecordBytes with_case_table = ThirtyTwoBitSettings(false);
  with_case_table.Put<uint8_t>(72, 1).Put<uint8_t>(73, 'x');
  struct Case {
    const char *what;
    RecordBytes bytes;
    int32_t N;
    int64_t read;
    uint32_t lcid;
    String name;
    int32_t number, max_texts;
    uint8_t tag_treatment, flags;
    char16_t open, close;
  };
  const Case cases[] = {
      {"current", ThirtyTwoBitSettings(true), 6, 3028, 0x0409, u"English", 17, 33, 2, 1, u'<',
       u'>'},
      {"first 32-bit", ThirtyTwoBitSettings(true), 5, 3028, 0x0409, u"English", 0, 33, 2, 1, u'<',
       u'>'},
      {"first 32-bit found", ThirtyTwoBitSettings(false), 9, 3028, 0x0409, u"English", 0, 33, 2, 1,
       u'<', u'>'},
      // A case table in a 32-bit record makes it look like the 16-bit layout, whose fields lie
      // elsewhere.
      {"case table", with_case_table, 9, 2500, 0, u"", 0, 0, 0, 0, 0, 0},
      {"16-bit", SixteenBitSettings(), 9, 2500, 0x040C, u"Fr", 0, 0, 3, 1, u'{', u'}'},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TMemoryStream stream = StreamOf(c.bytes.bytes());
    textsett_rec32 rec;
    ASSERT_TRUE(ReadInTextSettings(stream, rec, c.N));
    EXPECT_EQ(stream.Position(), c.read);
    EXPECT_EQ(rec.language_info.lcid, c.lcid);
    EXPECT_EQ(WideArrayToString(rec.language_info.name), c.name);
    EXPECT_EQ(rec.language_info.number, c.number);
    EXPECT_EQ(rec.max_texts, c.max_texts);
    EXPECT_EQ(rec.tag_treatment, c.tag_treatment);
    EXPECT_EQ(rec.must_use_Unicode, c.flags);
    EXPECT_EQ(rec.using_SGML, c.flags);
    EXPECT_EQ(rec.ignore_tags[0], c.open);
    EXPECT_EQ(rec.ignore_tags[ignore_tag_pairs], c.close);
    EXPECT_EQ(rec.standard_markers[1].auto_process, c.flags);
  }
  TMemoryStream old = StreamOf(SixteenBitSettings().bytes());
  textsett_rec32 rec;
  ASSERT_TRUE(ReadInTextSettings(old, rec, 0));
  EXPECT_EQ(rec.numbers_included, 1);
}

TEST(TextSettings, OnlyTheSecondMarkerSpelledAutoIsProcessedAutomatically) {
  struct Case {
    size_t offset;
    String marker;
    uint8_t stored, expected;
  };
  const Case cases[] = {
      {1276, u"auto", 0, 1}, {1276, u"Auto", 1, 0}, {1276, u"autos", 1, 0}, {1072, u"auto", 0, 0}};
  for (const Case &c : cases) {
    RecordBytes r(3028);
    r.PutWide(c.offset, c.marker).Put<uint8_t>(1276 + 201, c.stored);
    TMemoryStream stream = StreamOf(r.bytes());
    textsett_rec32 rec;
    ASSERT_TRUE(ReadInTextSettings(stream, rec, 7));
    EXPECT_EQ(rec.standard_markers[1].auto_process, c.expected) << c.offset << " " << c.stored;
  }
}

TEST(TextSettings, ShortStreamsSayFalseAndAShortLookLeavesNothing) {
  struct Case {
    RecordBytes bytes;
    size_t length;
    int32_t N;
    bool looked;
  };
  const Case cases[] = {
      {SixteenBitSettings(), 0, 9, false},          {SixteenBitSettings(), 2499, 9, false},
      {ThirtyTwoBitSettings(false), 2500, 9, true}, {ThirtyTwoBitSettings(false), 3027, 9, true},
      {ThirtyTwoBitSettings(false), 3027, 5, true}, {ThirtyTwoBitSettings(false), 1039, 5, true},
      {ThirtyTwoBitSettings(true), 3027, 18, true},
  };
  const testsupport::Bytes zeros(sizeof(textsett_rec32), 0);
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.length << " bytes, N " << c.N);
    TMemoryStream stream = StreamOf(c.bytes.First(c.length));
    textsett_rec32 rec;
    EXPECT_FALSE(ReadInTextSettings(stream, rec, c.N));
    EXPECT_EQ(stream.Position(), c.looked ? int64_t(c.length) : 0);
    if (!c.looked) {
      EXPECT_EQ(testsupport::BytesOf(rec), zeros);
    }
  }
}

} // namespace
} // namespace textcore
