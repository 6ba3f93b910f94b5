// {CHR(n)} groups and #-codes converted in place, with the value of the last one.
#include "strings/number_codes.h"

#include "core/yield.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(NumberCodes, GroupsThenHashCodesBecomeUnits) {
  struct Case {
    const char16_t *text;
    String result;
    int32_t last;
  } cases[] = {
      {u"{chr(65)}#66", u"AB", 66},
      {u"{CHR(x)}", u"{CHR(x)}", -1},
      {u"\u00DF{chr(65)}", u"\u00DFA", 65}, // no upper-casing that changes the length
      {u"{CHR($41)}{CHR(0x42)}", u"AB", 0x42},
      {u"{CHR(-1)}", u"\uFFFF", -1}, // a code of -1 is told only by the text
      {u"{CHR(x{CHR(66)}", u"{CHR(xB", 66},
      {u"{CHR()}{CHR(67)}", u"{CHR()}C", 67},     // an empty group does not end the pass
      {u"{CHR(123)}CHR(65)}", u"{CHR(65)}", 123}, // what a code yields is not read again
      {u"#35#65", u"#A", 65},
      {u"##49x", u"#1x", 49},
      {u"#x", u"#x", -1},
      {u"#99999999999", u"#99999999999", -1}, // too large: left alone
      {u"#0", String(1, u'\0'), 0},
      {u"", u"", -1},
  };
  for (const Case &c : cases) {
    String s = c.text;
    EXPECT_EQ(MyFormatValidNumberStr(s), c.last) << StringToUTF8(c.text);
    EXPECT_EQ(s, c.result) << StringToUTF8(c.text);
  }
}

TEST(NumberCodes, ALongTextOfCodesYieldsOncePerCode) {
  String s;
  for (int i = 0; i < 1000; ++i)
    s += u"{CHR(97)}#98";
  int32_t yields = 0;
  AYieldProcessProc() = [&yields] { ++yields; };
  EXPECT_EQ(MyFormatValidNumberStr(s), 98);
  AYieldProcessProc() = nullptr;
  EXPECT_EQ(s.size(), 2000u);
  EXPECT_EQ(yields, 2000);
}

} // namespace
} // namespace textcore
