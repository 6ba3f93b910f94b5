// Reading a text in pieces gives what reading it whole gives, however it is cut, and reading it
// whole gives what it always gave.
#include "files/text_stream.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace textcore {
namespace {

using namespace std::string_literals;

template <typename Text> Text Repeat(const Text &piece, size_t n) {
  Text out;
  for (size_t i = 0; i < n; ++i)
    out += piece;
  return out;
}

std::string Utf16(std::u16string_view units, bool big_endian, bool mark) {
  std::string bytes = !mark ? "" : big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
  }
  return bytes;
}

struct Case {
  const char *what;
  std::string bytes;
  uint32_t code_page;
  bool binary;
  TTextEncoding encoding;
  TNotTextReason not_text;
  size_t mark_bytes;
  int64_t ill_formed, first_ill_formed;
  String text;
};

const std::vector<Case> &Cases() {
  const String ru = u"Съешь же ещё этих мягких булок \U0001F600";
  const String mixed = u"a\u20AC\U0001F600 \u041C\u043E\r\n";
  const String few_bad = u"\uFFFD \uFFFD\uFFFD \uFFFD \uFFFD\uFFFD \uFFFD\uFFFD\uFFFD "
                         u"\uFFFD\uFFFD\uFFFD\uFFFD \uFFFD\uFFFD\uFFFD \uFFFD";
  const std::string eight = Repeat("abcdefgh"s, 1 << 17); // one thorough prefix
  static const std::vector<Case> cases = {
      {"empty", "", 1252, false, te_8_bit, ntr_text, 0, 0, -1, u""},
      {"ASCII, CR LF", "one two\r\nthree\r\n", 1252, false, te_8_bit, ntr_text, 0, 0, -1,
       u"one two\r\nthree\r\n"},
      {"UTF-8",
       "caf\xC3\xA9 \xE2\x82\xAC \xD0\x9C\xD0\xBE\xD1\x81\xD1\x82 \xE6\x97\xA5\xE6\x9C\xAC", 1252,
       false, te_utf8, ntr_text, 0, 0, -1, u"café € Мост 日本"},
      {"4-byte sequences", "\xF0\x9F\x98\x80 a\xF0\x9D\x84\x9E\xF4\x8F\xBF\xBF", 1252, false,
       te_utf8, ntr_text, 0, 0, -1, u"\U0001F600 a\U0001D11E\U0010FFFF"},
      {"signature",
       "\xEF\xBB\xBF"
       "caf\xC3\xA9",
       1252, false, te_utf8, ntr_text, 3, 0, -1, u"café"},
      {"signature only", "\xEF\xBB\xBF", 1252, false, te_utf8, ntr_text, 3, 0, -1, u""},
      {"signature cut short", "\xEF\xBB", 1252, false, te_8_bit, ntr_text, 0, 0, -1, u"ï»"},
      {"a few ill-formed stretches stay UTF-8",
       Repeat("gr\xC3\xBC\xC3\x9F "s, 160) + "\xFF \x80\x80 \xE2\x82 \xC0\xAF \xED\xA0\x80 "
                                             "\xF4\x90\x80\x80 \xE0\x9F\xBF \xF0\x9F\x98",
       1252, false, te_utf8, ntr_text, 0, 17, 1120, Repeat(String(u"grüß "), 160) + few_bad},
      {"many ill-formed stretches turn 8-bit",
       "\xC3\xA9t\xE9 na\xEFve \xE0 la cr\xE8me br\xFBl\xE9"
       "e",
       1252, false, te_8_bit, ntr_text, 0, 0, -1, u"Ã©té naïve à la crème brûlée"},
      {"UTF-16 LE, mark", Utf16(mixed, false, true), 1252, false, te_utf16, ntr_text, 2, 0, -1,
       mixed},
      {"UTF-16 BE, mark", Utf16(mixed, true, true), 1252, false, te_utf16_reversed, ntr_text, 2, 0,
       -1, mixed},
      {"UTF-16 LE", Utf16(ru, false, false), 1252, false, te_utf16, ntr_text, 0, 0, -1, ru},
      {"UTF-16 BE", Utf16(ru, true, false), 1252, false, te_utf16_reversed, ntr_text, 0, 0, -1, ru},
      {"UTF-16 LE, odd length", Utf16(u"ab\U0001F600", false, true) + "x", 1252, false, te_utf16,
       ntr_text, 2, 0, -1, u"ab\U0001F600\uFFFD"},
      {"UTF-16 BE, odd length", Utf16(u"ab", true, true) + "\xD8", 1252, false, te_utf16_reversed,
       ntr_text, 2, 0, -1, u"ab\uFFFD"},
      {"UTF-16 lone surrogates",
       Utf16(u"a\xDC00"
             u"b\xD800",
             false, true),
       1252, false, te_utf16, ntr_text, 2, 0, -1,
       u"a\xDC00"
       u"b\xD800"},
      {"UTF-16 decomposed", Utf16(u"e\u0301 \u1112\u1161\u11AB", false, true), 1252, false,
       te_utf16, ntr_text, 2, 0, -1, u"é 한"},
      {"UTF-16 mark beyond the BMP reorders", Utf16(u"a\u033D\U000102E0", false, true), 1252, false,
       te_utf16, ntr_text, 2, 0, -1, u"a\U000102E0\u033D"},
      {"cp1252", "caf\xE9 \x80 \x92na\xEFve\x81", 1252, false, te_8_bit, ntr_text, 0, 0, -1,
       u"café € ’naïve\u0081"},
      {"cp932",
       "\x95\x5C\x8E\xA6: \x93\xFA\x96{\x8C\xEA\x82\xCC\xC3\xB7\xBD\xC4\x81"
       "A\x83\x5C"
       "\x83t\x83g\x81"
       "BABC\r\n",
       932, false, te_8_bit, ntr_text, 0, 0, -1, u"表示: 日本語のﾃｷｽﾄ、ソフト。ABC\r\n"},
      {"cp932 without a byte below 0x40 for long", Repeat("\x93\xFA\x96{\x8C\xEA"s, 20000), 932,
       false, te_8_bit, ntr_text, 0, 0, -1, Repeat(String(u"日本語"), 20000)},
      {"cp936",
       "\xD6\xD0\xCE\xC4\xCE\xC4\xB1\xBE\xA3\xBA\xBA\xBA\xD7\xD6\xA3\xAC"
       "ABC\r\n",
       936, false, te_8_bit, ntr_text, 0, 0, -1, u"中文文本：汉字，ABC\r\n"},
      {"cp1258 marks compose", "Ti\xEA\xECng Vi\xEA\xF2t a\xEC", 1258, false, te_8_bit, ntr_text, 0,
       0, -1, u"Tiếng Việt á"},
      {"e and U+0301", "cafe\xCC\x81 e\xCC\x81", 1252, false, te_utf8, ntr_text, 0, 0, -1,
       u"café é"},
      {"Hangul as jamo", "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB\xE1\x84\x80\xE1\x85\xB3\xE1\x86\xAF",
       1252, false, te_utf8, ntr_text, 0, 0, -1, u"한글"},
      {"long run of marks", "a"s + Repeat("\xCC\x81"s, 30) + "\xCC\xA3o\xCC\x88\xCC\x84 x", 1252,
       false, te_utf8, ntr_text, 0, 0, -1, u"ạ" + Repeat(String(u"\u0301"), 30) + u"ȫ x"},
      {"characters that come apart", "\xE0\xA5\x98 \xE2\x84\xAB", 1252, false, te_utf8, ntr_text, 0,
       0, -1, u"\u0915\u093C Å"},
      {"NUL", "text\0with a NUL"s, 1252, false, te_none, ntr_nul, 0, 0, -1, u""},
      {"NUL read as text", "text\0with a NUL"s, 1252, true, te_8_bit, ntr_nul, 0, 0, -1,
       u"text\0with a NUL"s},
      {"archive read as text is not composed", "PK\x03\x04\x14\0\0\0a\xEC"s, 1258, true, te_8_bit,
       ntr_archive, 0, 0, -1, u"PK\x03\x04\x14\0\0\0a\u0301"s},
      // Changed on purpose: a page the converter does not know used to give no text at all.
      {"unknown code page", "caf\xE9", 12345, false, te_8_bit, ntr_text, 0, 0, -1, u"caf\uFFFD"},
      {"NUL past the thorough prefix", eight + "\0z"s, 1252, false, te_none, ntr_nul, 0, 0, -1,
       u""},
      {"UTF-8 past the thorough prefix", eight + "\xD0\x9C\xD0\xBE\xD1\x81\xD1\x82 ", 1252, false,
       te_utf8, ntr_text, 0, 0, -1, Repeat(String(u"abcdefgh"), 1 << 17) + u"Мост "},
  };
  return cases;
}

// Piece lengths that cut bytes: every length from 1 to 17 (long texts: a few larger ones), then
// a few random cuttings.
std::vector<std::vector<size_t>> Cuttings(size_t size) {
  std::vector<std::vector<size_t>> cuttings;
  const std::vector<size_t> lengths =
      size > 4096 ? std::vector<size_t>{4093, 65536, 1 << 19}
                  : std::vector<size_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
  for (size_t length : lengths)
    cuttings.push_back(std::vector<size_t>(size / length + 1, length));
  std::mt19937 random(static_cast<uint32_t>(size));
  for (int k = 0; k < 4; ++k) {
    std::vector<size_t> pieces;
    for (size_t at = 0; at < size;) {
      pieces.push_back(random() % (size > 4096 ? 100000 : 9)); // empty pieces too
      at += pieces.back();
    }
    pieces.push_back(0);
    cuttings.push_back(pieces);
  }
  return cuttings;
}

template <typename Feed>
void InPieces(std::string_view bytes, const std::vector<size_t> &pieces, Feed feed) {
  for (size_t k = 0; k < pieces.size(); ++k) {
    const std::string_view piece = bytes.substr(0, std::min(pieces[k], bytes.size()));
    bytes.remove_prefix(piece.size());
    feed(piece, k + 1 == pieces.size());
  }
}

TEST(TextStream, PiecesOfAnySizeReadAsTheWholeDoes) {
  for (const Case &c : Cases()) {
    String whole;
    const TTextDecision d = ReadTextOfBytes(c.bytes, c.code_page, c.binary, whole);
    EXPECT_EQ(d.encoding, c.encoding) << c.what;
    EXPECT_EQ(d.not_text, c.not_text) << c.what;
    EXPECT_EQ(d.mark_bytes, c.mark_bytes) << c.what;
    EXPECT_EQ(d.ill_formed, c.ill_formed) << c.what;
    EXPECT_EQ(d.first_ill_formed, c.first_ill_formed) << c.what;
    EXPECT_TRUE(whole == c.text) << c.what;
    for (const std::vector<size_t> &pieces : Cuttings(c.bytes.size())) {
      const std::string cut =
          std::string(c.what).append(", first piece ").append(std::to_string(pieces[0]));
      TTextDecider decider(c.code_page, c.binary);
      InPieces(c.bytes, pieces, [&](std::string_view piece, bool) { decider.Feed(piece); });
      const TTextDecision p = decider.Finish();
      EXPECT_EQ(p.contents, d.contents) << cut;
      EXPECT_EQ(p.encoding, d.encoding) << cut;
      EXPECT_EQ(p.not_text, d.not_text) << cut;
      EXPECT_EQ(p.mark_bytes, d.mark_bytes) << cut;
      EXPECT_EQ(p.ill_formed, d.ill_formed) << cut;
      EXPECT_EQ(p.first_ill_formed, d.first_ill_formed) << cut;
      TTextDecoder decoder(d, c.code_page);
      String text = u"kept";
      InPieces(std::string_view(c.bytes).substr(d.mark_bytes), pieces,
               [&](std::string_view piece, bool last) { decoder.Decode(piece, last, text); });
      EXPECT_TRUE(text == u"kept" + whole) << cut;
    }
  }
}

} // namespace
} // namespace textcore
