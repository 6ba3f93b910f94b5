#include "files/wide_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

TEST(WideText, DoubleAnyAmpersands) {
  const std::vector<std::pair<StringView, StringView>> cases = {
      {u"a&b", u"a&&b"}, {u"a&&b", u"a&&&b"}, {u"a&", u"a&&"},    {u"a&&", u"a&&"},
      {u"&", u"&&"},     {u"&&&", u"&&&"},    {u"&x&", u"&&x&&"}, {u"", u""}};
  for (const auto &[given, expected] : cases)
    EXPECT_EQ(DoubleAnyAmpersands(given), expected) << StringToUTF8(given);
}

TEST(WideText, SwapsAndScansOfWideBuffers) {
  char16_t text[] = {0x0041, 0xFEFF, 0x00FF, 0x0000, 0x4142};
  StrSwapByteOrder(text);
  EXPECT_EQ(String(text, 5), (String{0x4100, 0xFFFE, 0xFF00, 0x0000, 0x4142})); // to the zero
  StrSwapByteOrder(nullptr);

  const char16_t scanned[] = u"ab\0cb";
  const struct {
    char16_t c;
    uint32_t max_len;
    const char16_t *expected;
  } cases[] = {{u'c', 5, scanned + 3},
               {u'c', 3, nullptr},
               {u'\0', 5, scanned + 2},
               {u'a', 0, scanned},
               {u'b', 1, nullptr}};
  for (const auto &c : cases)
    EXPECT_EQ(StrLScanW(scanned, c.c, c.max_len), c.expected) << char(c.c) << c.max_len;
  EXPECT_EQ(StrLScanW(static_cast<const char16_t *>(nullptr), u'a', 5), nullptr);
  // The whole count is scanned: taken modulo 65536, 65536 would be 0 and answer the buffer.
  std::vector<char16_t> big(70000, u'x');
  big[66000] = u'y';
  EXPECT_EQ(StrLScanW(big.data(), u'z', 65536), nullptr);
  EXPECT_EQ(StrLScanW(big.data(), u'y', 70000), big.data() + 66000);
}

TEST(WideText, TheCatalogueBooleans) {
  EXPECT_EQ(BooleanToStr(true), u"true");
  EXPECT_EQ(BooleanToStr(false), u"false");
  for (const auto &[text, value] : std::vector<std::pair<StringView, bool>>{
           {u"TRUE", true}, {u"True", true}, {u" true", false}, {u"yes", false}, {u"", false}})
    EXPECT_EQ(StrToBoolean(text), value) << StringToUTF8(text);
}

} // namespace
} // namespace textcore
