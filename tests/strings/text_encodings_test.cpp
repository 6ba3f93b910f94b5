#include "strings/text_encodings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace textcore {
namespace {

TEST(TextEncodings, CodePagesBothWays) {
  const struct {
    uint32_t code_page;
    std::string bytes;
    const char16_t *text;
  } cases[] = {{1252, "caf\xE9 \x80", u"caf\u00E9 \u20AC"},
               {1251, "\xC6\xE8\xE2", u"\u0416\u0438\u0432"},
               {932, "\x93\xFA\x96\x7B a", u"\u65E5\u672C a"}};
  for (const auto &c : cases) {
    EXPECT_EQ(
        ConvertedToWideString(c.code_page, c.bytes.data(), static_cast<int32_t>(c.bytes.size())),
        c.text)
        << c.code_page;
    EXPECT_EQ(ConvertedToWideString(c.code_page, c.bytes.c_str(), -1), c.text) << c.code_page;
    EXPECT_EQ(ConvertedFromWideString(c.code_page, c.text), c.bytes) << c.code_page;
  }
  // Russian's 8-bit page is 1251; a character a page lacks becomes "?".
  EXPECT_EQ(ConvertedToWideStringOfLocale(1049, "\xC6", 1), u"\u0416");
  EXPECT_EQ(ConvertedFromWideStringOfLocale(1049, u"\u0416\u65E5"), "\xC6?");
  EXPECT_EQ(ConvertedFromWideString(1252, nullptr), "");
  EXPECT_EQ(ConvertedToWideString(1252, nullptr, 4), u"");
}

// The copies hold at most 255 units or bytes and never end inside a character.
TEST(TextEncodings, CopiesStopAt255WithoutCuttingACharacter) {
  const std::string a254(254, 'a');
  const String w254(254, u'w');
  const struct {
    std::string ansi;
    uint32_t code_page;
    size_t bytes;
  } ansi_cases[] = {{std::string(300, 'x'), 1252, 255},
                    {a254 + "\x93\xFA", 932, 254}, // the pair would end at byte 256
                    {a254 + "b\x93\xFA", 932, 255},
                    {std::string(253, 'a') + "\x93\xFA", 932, 255},
                    {a254 + "\xD0\x96", CP_UTF8, 254},
                    {a254 + "\xC6\xC6", 1251, 255}};
  for (const auto &c : ansi_cases) {
    const char *copy = GetCopyOfAnsiEncodedAsAnsi(c.ansi, c.code_page);
    EXPECT_EQ(copy, copyA.data());
    EXPECT_EQ(std::strlen(copy), c.bytes) << c.code_page;
    EXPECT_EQ(std::string(copy), c.ansi.substr(0, c.bytes));
  }
  EXPECT_EQ(std::strlen(GetCopyOfWideSTringEncodedAsAnsi(w254 + u"\u65E5", 932)), 254u);
  EXPECT_EQ(std::strlen(GetCopyOfWideSTringEncodedAsAnsi(u"\u0416\u0416", 1251)), 2u);
  EXPECT_EQ(std::string(copyA.data()), "\xC6\xC6");
  const std::pair<String, size_t> wide_cases[] = {
      {String(400, u'w'), 255}, {w254 + u"\U0001F600", 254}, {w254 + u"x\U0001F600", 255}};
  for (const auto &[text, units] : wide_cases) {
    const char16_t *copy = GetCopyOfWideSTringEncodedASUnicode(text);
    EXPECT_EQ(copy, copyW.data());
    EXPECT_EQ(StringView(copy), StringView(text).substr(0, units));
  }
  EXPECT_EQ(StringView(GetCopyOfAnsiEncodedAsUnicode(a254 + "\xC6\xC6", 1251)),
            String(254, u'a') + u"\u0416");
}

TEST(TextEncodings, LineEndsBothWays) {
  const struct {
    StringView unix_text;
    const char16_t *windows;
    int32_t added;
  } cases[] = {{u"a\nb\rc", u"a\r\nb\r\nc", 2},
               {u"\n\r\n\r", u"\r\n\r\n\r\n", 2},
               {StringView(u"a\nb\0c\n", 6), u"a\r\nb", 1}, // a #0 ends the text
               {u"", u"", 0}};
  for (const auto &c : cases) {
    int32_t added = -1;
    EXPECT_EQ(UnixStringToWindowsStringW(added, c.unix_text), c.windows);
    EXPECT_EQ(added, c.added);
  }
  int32_t added = 0;
  EXPECT_EQ(UnixStringToWindowsString(added, "x\ny\r"), "x\r\ny\r\n");
  EXPECT_EQ(added, 2);
  // LF text survives the round trip; a lone CR stays.
  EXPECT_EQ(WindowsStringToUnixStringW(UnixStringToWindowsStringW(added, u"a\n\nb\n")),
            u"a\n\nb\n");
  EXPECT_EQ(WindowsStringToUnixStringW(u"a\r\nb\rc\r"), u"a\nb\rc\r");
  EXPECT_EQ(WindowsStringToUnixString("a\r\n\r\n"), "a\n\n");
}

TEST(TextEncodings, HexCodesRoundTripAboveFF) {
  const String text = u"A\u0416\u20AC\u0001";
  EXPECT_EQ(ToHexNumStr(text), u"41,416,20AC,01,");
  EXPECT_EQ(FromHexNumStr(ToHexNumStr(text)), text);
  const std::pair<const char16_t *, const char16_t *> cases[] = {
      {u"41,42,", u"AB"}, // the old three-character groups
      {u"41,42", u"AB"},  // no final comma
      {u"0416,20ac,", u"\u0416\u20AC"},
      {u"41,,zz,10000,42,", u"AB"}, // empty, not hexadecimal, past FFFF
      {u"", u""}};
  for (const auto &[hex, text] : cases)
    EXPECT_EQ(FromHexNumStr(hex), text) << StringToUTF8(hex);
  EXPECT_EQ(WideStringFromCardinal(0x20AC), u"\u20AC");
  EXPECT_EQ(WideCharFromCardinal(0x10000), u'?');
  const uint8_t bytes[] = {1, 0, 0, 0, 2, 0, 0, 0, 9};
  EXPECT_EQ(CheckSumOfABufferful(bytes, sizeof bytes), 3u);
}

} // namespace
} // namespace textcore
