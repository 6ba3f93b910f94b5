#include "platform/nls_code_page_tables.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_last_error.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace textcore {
namespace {

String Decode(uint32_t code_page, const std::string &bytes, uint32_t flags = 0) {
  const int32_t length = int32_t(bytes.size());
  int32_t n = MultiByteToWideChar(code_page, flags, bytes.data(), length, nullptr, 0);
  String out(size_t(n), u'\0');
  if (n > 0) {
    EXPECT_EQ(MultiByteToWideChar(code_page, flags, bytes.data(), length, out.data(), n), n);
  }
  return out;
}

std::string Encode(uint32_t code_page, const String &text, uint32_t flags = 0, bool *used = nullptr,
                   const char *def = nullptr) {
  const int32_t length = int32_t(text.size());
  int32_t n = WideCharToMultiByte(code_page, flags, text.data(), length, nullptr, 0, def, used);
  std::string out(size_t(n), '\0');
  if (n > 0) {
    EXPECT_EQ(WideCharToMultiByte(code_page, flags, text.data(), length, out.data(), n, def, used),
              n);
  }
  return out;
}

TEST(NlsCodePages, Windows1252ControlRangeMapsAsWindowsDoes) {
  std::string bytes;
  for (int b = 0x80; b <= 0x9F; ++b)
    bytes += char(b);
  const String expected = u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160"
                          u"\u2039\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022"
                          u"\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
  EXPECT_EQ(Decode(1252, bytes, MB_ERR_INVALID_CHARS), expected);
  bool used = true;
  EXPECT_EQ(Encode(1252, expected, 0, &used), bytes); // and every one of them goes back
  EXPECT_FALSE(used);
}

TEST(NlsCodePages, EveryByteOfEverySingleBytePageRoundTrips) {
  std::string bytes(256, '\0');
  for (int b = 0; b < 256; ++b)
    bytes[size_t(b)] = char(b);
  int pages = 0;
  for (uint32_t cp = CP_THREAD_ACP + 1; cp < 0x10000; ++cp) {
    if (KindOfCodePage(cp) != CodePageKind::kSingleByte)
      continue;
    SCOPED_TRACE(cp);
    ++pages;
    const String text = Decode(cp, bytes, MB_ERR_INVALID_CHARS);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text.substr(0, 0x80), String(bytes.begin(), bytes.begin() + 0x80)); // ASCII
    EXPECT_EQ(text.find(u'\uFFFD'), String::npos);
    EXPECT_EQ(std::set<char16_t>(text.begin(), text.end()).size(), 256u); // no two bytes share one
    EXPECT_EQ(String(CodePageToUnicodeTable(cp), 256), text);
    bool used = true;
    EXPECT_EQ(Encode(cp, text, WC_NO_BEST_FIT_CHARS, &used), bytes);
    EXPECT_FALSE(used);
  }
  EXPECT_GT(pages, 40);
}

TEST(NlsCodePages, BytesWithoutACharacterStandForOneOfTheirOwn) {
  const struct {
    uint32_t code_page;
    const char *bytes;
    const char16_t *text;
  } cases[] = {
      {1253, "\xAA\xD2\xFF", u"\uF8F9\uF8FA\uF8FB"}, // Windows's own private-use characters
      {874, "\xDB\xFF", u"\uF8C1\uF8C8"},
      {1255, "\xCA", u"\u05BA"}, // characters that ICU's tables lack
      {852, "\xAA", u"\u00AC"},
      {1255, "\xD9\xDF\xFB\xFC\xFF", u"\uF7D9\uF7DF\uF7FB\uF7FC\uF7FF"}, // U+F700 + byte
      {1257, "\xA1\xA5", u"\uF7A1\uF7A5"},
      {20127, "\x80\xFF", u"\uF780\uF7FF"},
      {869, "\x80\x94", u"\uF780\uF794"},
      {28596, "\xA1\xFF", u"\uF7A1\uF7FF"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.code_page << " " << std::hex << int(uint8_t(c.bytes[0])));
    EXPECT_EQ(Decode(c.code_page, c.bytes, MB_ERR_INVALID_CHARS), c.text);
    EXPECT_EQ(Encode(c.code_page, c.text, WC_NO_BEST_FIT_CHARS), c.bytes);
  }
  // A stand-in belongs to its page: another page has no byte for it.
  bool used = false;
  EXPECT_EQ(Encode(1252, u"\uF7D9", 0, &used), "?");
  EXPECT_TRUE(used);
}

TEST(NlsCodePages, ConsolePagesKeepAsciiAndShowGlyphsOnRequest) {
  EXPECT_EQ(Decode(437, "\x1A\x1C\x7F\x81"), u"\u001A\u001C\u007F\u00FC");
  EXPECT_EQ(Decode(437, "\x01\x1A\x7F", MB_USEGLYPHCHARS), u"\u263A\u2192\u2302");
  EXPECT_EQ(Decode(866, "\x80\xAF"), u"\u0410\u043F");
  EXPECT_EQ(Decode(850, "\x9B"), u"\u00F8");
}

TEST(NlsCodePages, Utf8InvalidOverlongAndSurrogateSequences) {
  struct Case {
    const char *bytes;
    const char16_t *text;
  };
  const Case cases[] = {
      {"a\xC3\xA9z", u"a\u00E9z"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"a\xFFz", u"a\uFFFDz"},                 // a byte that never occurs
      {"\xC0\xAF", u"\uFFFD\uFFFD"},           // overlong slash
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"}, // encoded lone surrogate
      {"\xE2\x82", u"\uFFFD"},                 // truncated sequence
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Decode(CP_UTF8, c.bytes), c.text);
    const bool valid = String(c.text).find(u'\uFFFD') == String::npos;
    char16_t out[8];
    int32_t n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, c.bytes,
                                    int32_t(std::strlen(c.bytes)), out, 8);
    EXPECT_EQ(n != 0, valid);
    if (!valid) {
      EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
    }
  }
  // A lone surrogate in UTF-16 becomes U+FFFD's bytes, or fails under the strict flag.
  const char16_t lone[] = {u'a', char16_t(0xD800), u'b'};
  EXPECT_EQ(Encode(CP_UTF8, String(lone, 3)), "a\xEF\xBF\xBD"
                                              "b");
  char out[8];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 3, out, 8, nullptr, nullptr),
            0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
}

TEST(NlsCodePages, SizeQueriesAndTooSmallBuffers) {
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "abc", -1, nullptr, 0), 4); // terminator counted
  char16_t wide[3] = {u'x', u'x', u'x'};
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "abcd", 4, wide, 3), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xC3\xA9\xC3\xA9", 4, nullptr, 0), 2);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xC3\xA9\xC3\xA9", 4, wide, 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"\u00E9\u00E9", 2, nullptr, 0, nullptr, nullptr), 4);
  char narrow[3];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"\u00E9\u00E9", 2, narrow, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u65E5\u672C", 2, nullptr, 0, nullptr, nullptr), 4);
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u65E5\u672C", 2, narrow, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST(NlsCodePages, BadArgumentsFailWithTheirReason) {
  struct Case {
    uint32_t code_page, flags;
    const char *source;
    int32_t length, target_length;
    uint32_t error;
  };
  const Case cases[] = {
      {1252, 0, nullptr, 3, 0, ERROR_INVALID_PARAMETER},
      {1252, 0, "abc", 0, 0, ERROR_INVALID_PARAMETER},
      {1252, 0, "abc", -2, 0, ERROR_INVALID_PARAMETER},
      {1252, 0, "abc", 3, -1, ERROR_INVALID_PARAMETER},
      {12345, 0, "abc", 3, 0, ERROR_INVALID_PARAMETER},
      {CP_UTF8, MB_PRECOMPOSED, "abc", 3, 0, ERROR_INVALID_FLAGS},
      {1252, MB_PRECOMPOSED | MB_COMPOSITE, "abc", 3, 0, ERROR_INVALID_FLAGS},
      {1252, 0x100, "abc", 3, 0, ERROR_INVALID_FLAGS},
  };
  for (const Case &c : cases) {
    SetLastError(0);
    EXPECT_EQ(
        MultiByteToWideChar(c.code_page, c.flags, c.source, c.length, nullptr, c.target_length), 0);
    EXPECT_EQ(GetLastError(), c.error);
  }
  bool used = false;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a", 1, nullptr, 0, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"a", 1, nullptr, 0, "?", nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(WideCharToMultiByte(1252, WC_DISCARDNS | WC_SEPCHARS | WC_COMPOSITECHECK, u"a", 1,
                                nullptr, 0, nullptr, nullptr),
            0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

TEST(NlsCodePages, DefaultCharacterBestFitAndUsedDefault) {
  struct Case {
    const char16_t *text;
    uint32_t flags;
    const char *expected;
    bool used;
  };
  const Case cases[] = {
      {u"caf\u00E9", 0, "caf\xE9", false},
      {u"\u0100\uFF21", 0, "AA", false},              // best fits
      {u"\u0100", WC_NO_BEST_FIT_CHARS, "#", true},   // refused best fit
      {u"\u05D0", 0, "#", true},                      // Hebrew in a Latin page
      {u"\U0001F600", 0, "#", true},                  // one default for the pair
      {u"e\u0301", WC_COMPOSITECHECK, "\xE9", false}, // joined
      {u"q\u0301", WC_COMPOSITECHECK | WC_DISCARDNS, "q", false},
      {u"q\u0301", WC_COMPOSITECHECK | WC_DEFAULTCHAR, "#", true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.flags << " " << c.expected);
    bool used = !c.used;
    EXPECT_EQ(Encode(1252, c.text, c.flags, &used, "#"), c.expected);
    EXPECT_EQ(used, c.used);
  }
  EXPECT_EQ(Encode(1252, u"\u05D0"), "?"); // no default given
  bool used = false;
  EXPECT_EQ(Encode(932, u"a\u05D0", 0, &used), "a?");
  EXPECT_TRUE(used);
}

TEST(NlsCodePages, DoubleBytePagesRoundTrip) {
  struct Case {
    uint32_t code_page;
    const char *bytes;
    const char16_t *text;
  };
  const Case cases[] = {
      {932, "\x93\xFA\x96\x7B\x5C", u"\u65E5\u672C\\"}, // 0x5C stays a backslash
      {936, "\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"},
      {949, "\xC7\xD1\xB1\xDB", u"\uD55C\uAE00"},
      {950, "\xA4\xA4\xA4\xE5", u"\u4E2D\u6587"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.code_page);
    EXPECT_EQ(Decode(c.code_page, c.bytes), c.text);
    EXPECT_EQ(Encode(c.code_page, c.text), c.bytes);
  }
  EXPECT_EQ(Decode(932, "a\x93"), u"a\uFFFD"); // a lead byte with nothing after it
  char16_t out[4];
  EXPECT_EQ(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, "a\x93", 2, out, 4), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
}

TEST(NlsCodePages, CompositeOutputAndStringWrappers) {
  EXPECT_EQ(Decode(1252, "\xE9", MB_COMPOSITE), u"e\u0301");
  EXPECT_EQ(AnsiToString("caf\xE9", 1252), u"caf\u00E9");
  EXPECT_EQ(AnsiToString("", 1252), u"");
  bool used = true;
  EXPECT_EQ(StringToAnsi(u"\u0391\u03B2", 1253, &used), "\xC1\xE2");
  EXPECT_FALSE(used);
  EXPECT_EQ(StringToAnsi(u"\u0391", 1252, &used), "?");
  EXPECT_TRUE(used);
  EXPECT_EQ(StringToAnsi(u"\u00E9", CP_UTF8), "\xC3\xA9");
}

} // namespace
} // namespace textcore
