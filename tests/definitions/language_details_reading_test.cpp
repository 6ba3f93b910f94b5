#include "definitions/language_details_reading.h"

#include "colour/colour_scheme.h"
#include "core/fixed_char_array_text.h"
#include "definitions/record_bytes.h"
#include "platform/nls_code_pages.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

using testsupport::RecordBytes;
using testsupport::StreamOf;

// The scheme's colours that invisible language colours are replaced by.
class LanguageDetailsReading : public ::testing::Test {
protected:
  void SetUp() override {
    saved_ = global_colours_and_typefaces;
    global_colours_and_typefaces.cor[normalcolour] = {0x111111, 0x222222};
    global_colours_and_typefaces.cor[highlightcolour] = {0x333333, 0x444444};
  }
  void TearDown() override { global_colours_and_typefaces = saved_; }
  static constexpr TMyCanvasColourRec scheme{0x111111, 0x333333, 0x222222, 0x444444};

private:
  colour_and_typeface_rec saved_;
};

bool SameColours(const TMyCanvasColourRec &a, const TMyCanvasColourRec &b) {
  return a.default_colour == b.default_colour && a.highlight_colour == b.highlight_colour &&
         a.default_background == b.default_background &&
         a.highlight_background == b.highlight_background;
}

// The first 32-bit layout, with a case table and bytes where the current layout has fields.
RecordBytes First32BitLayout() {
  RecordBytes r(1040);
  r.Put<uint8_t>(0, 1).Put<uint8_t>(2, 1).Put<uint32_t>(4, 0x0409);
  r.Put<uint8_t>(8, 162).Put<uint8_t>(9, 11).PutShort(10, 2, "A\x80");
  r.Put<uint8_t>(43, 3).Put<uint8_t>(45, 1).Put<uint16_t>(46, 1252).Put<uint16_t>(48, 850);
  r.PutWide(50, u"'-").PutShort(72, 1, "x").Put<int32_t>(536, -1).Put<int32_t>(560, 9);
  r.PutWide(936, u"English");
  return r;
}

RecordBytes CurrentLayout() {
  RecordBytes r(1040);
  r.Put<uint8_t>(2, 1).Put<uint32_t>(4, 0x0407).Put<uint8_t>(44, 1);
  r.Put<uint8_t>(330, 1).Put<uint8_t>(331, 12).PutWide(332, u"Arial");
  r.Put<int32_t>(536, 4).Put<int32_t>(544, 1).Put<int32_t>(548, 2).Put<int32_t>(552, 3);
  r.Put<int32_t>(556, 4).Put<int32_t>(560, 17).PutWide(936, u"Deutsch");
  return r;
}

// The 16-bit layout: byte 0x80 in the font name and in the language name.
RecordBytes SixteenBitLayout() {
  RecordBytes r(632);
  r.Put<uint8_t>(1, 1).Put<uint32_t>(8, 0x040C);
  r.Put<uint8_t>(12, 0xA1).Put<uint8_t>(13, 9).PutShort(14, 3, "Ab\x80");
  r.Put<uint8_t>(47, 2).Put<uint8_t>(48, 1).Put<uint16_t>(50, 1250).Put<uint16_t>(52, 852);
  r.PutShort(75, 3, "'-\x80").PutShort(600, 4, "Caf\x80");
  return r;
}

TEST_F(LanguageDetailsReading, EachGenerationComesBackInTheCurrentLayout) {
  const String euro_name = u"Caf" + AnsiToString("\x80", CP_ACP);
  ASSERT_NE(euro_name, u"Caf\u0080") << "the system code page must differ from Latin-1 at 0x80";
  struct Case {
    const char *what;
    RecordBytes bytes;
    int32_t N;
    uint32_t lcid;
    String font, middles, name;
    int32_t number;
    bool repaired;
  };
  const Case cases[] = {
      {"first 32-bit by N", First32BitLayout(), 5, 0x0409, u"A\u0080", u"'-", u"English", 0, true},
      {"first 32-bit found", First32BitLayout(), 0, 0x0409, u"A\u0080", u"'-", u"English", 0, true},
      {"16-bit found", SixteenBitLayout(), 9, 0x040C, u"Ab\u0080", u"'-\u0080", euro_name, 0, true},
      {"current by 6", CurrentLayout(), 6, 0x0407, u"Arial", u"", u"Deutsch", 17, false},
      {"current by 7", CurrentLayout(), 7, 0x0407, u"Arial", u"", u"Deutsch", 17, false},
      {"current by 18", CurrentLayout(), 18, 0x0407, u"Arial", u"", u"Deutsch", 17, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TMemoryStream stream = StreamOf(c.bytes.bytes());
    fixed_lang_details_rec32 rec;
    ASSERT_TRUE(Readfixed_lang_details_rec(stream, rec, c.N));
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_EQ(rec.lcid, c.lcid);
    EXPECT_EQ(WideArrayToString(rec.new_win_font.fontname), c.font);
    EXPECT_EQ(WideArrayToString(rec.allowable_middle_letters), c.middles);
    EXPECT_EQ(WideArrayToString(rec.name), c.name);
    EXPECT_EQ(rec.number, c.number);
    EXPECT_EQ(SameColours(rec.cores, scheme), c.repaired);
  }
}

TEST_F(LanguageDetailsReading, ConversionsCarryTheirFieldsAndDropTheRest) {
  fixed_lang_details_rec32 rec;
  TMemoryStream first = StreamOf(First32BitLayout().bytes());
  ASSERT_TRUE(Readfixed_lang_details_rec(first, rec, 5));
  EXPECT_EQ(rec.allow_middles_at_right, 1);
  EXPECT_EQ(rec.is_32_version, 1);
  EXPECT_EQ(rec.preference, a_preferida);
  EXPECT_EQ(rec.hyphen_breaks_word, 1);
  EXPECT_EQ(rec.win_codepage, 1252);
  EXPECT_EQ(rec.dos_codepage, 850);
  EXPECT_EQ(rec.new_win_font.charset, 162);
  EXPECT_EQ(rec.new_win_font.fontsize, 11);
  EXPECT_EQ(rec.old_win_font.fontname_old[0], 0);
  EXPECT_EQ(rec.spare_ANSI_lowers.length, 0);
  EXPECT_EQ(rec.custom_sort_string_number, 0);

  TMemoryStream old = StreamOf(SixteenBitLayout().bytes());
  ASSERT_TRUE(Readfixed_lang_details_rec(old, rec, 0));
  EXPECT_EQ(rec.allow_middles_at_left, 1);
  EXPECT_EQ(rec.preference, rank_2);
  EXPECT_EQ(rec.custom_language, 1);
  EXPECT_EQ(rec.win_codepage, 1250);
  EXPECT_EQ(rec.dos_codepage, 852);
  EXPECT_EQ(rec.new_win_font.charset, 0xA1);
  EXPECT_EQ(rec.old_win_font.fontname_old[0], 3); // the 16-bit font itself is kept
}

TEST_F(LanguageDetailsReading, DamagedOldTextStaysInsideItsFields) {
  RecordBytes r = SixteenBitLayout();
  r.PutShort(14, 255, std::string(32, 'f'));  // the name field holds 32
  r.PutShort(75, 'a', "bcdefghijk");          // eleven letters above the space
  r.PutShort(600, 200, std::string(31, 'n')); // the name field holds 31
  fixed_lang_details_rec_old old;
  std::memcpy(&old, r.bytes().data(), sizeof old);
  fixed_lang_details_rec32 rec;
  LangDetNewFromOld(old, rec);
  EXPECT_EQ(WideArrayToString(rec.new_win_font.fontname), String(32, u'f'));
  EXPECT_EQ(WideArrayToString(rec.allowable_middle_letters), u"abcdefghij");
  EXPECT_EQ(rec.allowable_middle_letters[10], 0);
  EXPECT_EQ(WideArrayToString(rec.name), String(31, u'n'));
}

TEST_F(LanguageDetailsReading, InvisibleColoursTakeTheSchemesAndOthersStay) {
  for (int32_t text : {0, 7}) {
    RecordBytes r = CurrentLayout();
    r.Put<int32_t>(544, text).Put<int32_t>(552, 7);
    TMemoryStream stream = StreamOf(r.bytes());
    fixed_lang_details_rec32 rec;
    ASSERT_TRUE(Readfixed_lang_details_rec(stream, rec, 6));
    EXPECT_EQ(SameColours(rec.cores, scheme), text == 7) << text;
    EXPECT_EQ(rec.cores.highlight_colour, text == 7 ? 0x333333 : 2);
  }
}

TEST_F(LanguageDetailsReading, ShortStreamsSayFalseAndAShortPeekLeavesNothing) {
  struct Case {
    RecordBytes bytes;
    size_t length;
    int32_t N;
    bool looked;
  };
  const Case cases[] = {
      {SixteenBitLayout(), 0, 0, false},   {SixteenBitLayout(), 2, 0, false},
      {SixteenBitLayout(), 3, 0, true},    {SixteenBitLayout(), 631, 0, true},
      {First32BitLayout(), 1039, 0, true}, {First32BitLayout(), 1039, 5, true},
      {CurrentLayout(), 1039, 6, true},
  };
  const testsupport::Bytes zeros(sizeof(fixed_lang_details_rec32), 0);
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.length << " bytes, N " << c.N);
    TMemoryStream stream = StreamOf(c.bytes.First(c.length));
    fixed_lang_details_rec32 rec = {};
    rec.number = 5;
    EXPECT_FALSE(Readfixed_lang_details_rec(stream, rec, c.N));
    EXPECT_EQ(stream.Position(), c.looked ? int64_t(c.length) : 0);
    if (!c.looked) {
      EXPECT_EQ(testsupport::BytesOf(rec), zeros);
    }
  }
}

} // namespace
} // namespace textcore
