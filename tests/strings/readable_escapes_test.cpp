#include "strings/readable_escapes.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(ReadableEscapes, CodesOfEveryFormReadBackAndMalformedOnesStayAsTyped) {
  struct Case {
    const char16_t *readable;
    String work;
  };
  const Case cases[] = {
      {u"{chr(65)}B", u"AB"},
      {u"{CHR(x41)}B", u"AB"},
      {u"{CHR(41h)}B", u"AB"},
      {u"{Chr( 65 )}", u"A"},
      {u"{CHR(-1)}", u"\uFFFF"},
      {u"{CHR(65601)}", u"A"}, // the low 16 bits
      {u"#65B", u"AB"},
      {u"#x41;B", u"AB"},
      {u"#$41;B", u"AB"},
      {u"#$41B", u"\u041B"},
      {u"#65;", u"A;"}, // only a hexadecimal code takes its ";"
      {u"#house", u"#house"},
      {u"#hello", u"\u000Ello"},
      {u"#x;", u"#x;"},
      {u"#", u"#"},
      {u"#99999999999", u"#99999999999"}, // no 32-bit number: left alone
      {u"#35#65", u"#A"},                 // a code that makes "#" is not read again
      {u"{CHR(123)}CHR(65)}", u"{CHR(65)}"},
      {u"{CHR(65)} {CHR(66", u"A {CHR(66"},
      {u"{CHR(abc)}{CHR(66)}", u"{CHR(abc)}B"},
      {u"{CHR(x{CHR(66)}", u"{CHR(xB"},
      {u"{CHR()}{CHR(66)}", u"{CHR()}{CHR(66)}"}, // an empty code ends the pass
      {u"{CHR(", u"{CHR("},
      {u"{CHR", u"{CHR"},
      {u"{CHR(0)}", String(1, u'\0')},
      {u"", u""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(QMFormattedReadableStringToWorkString(c.readable), c.work)
        << StringToUTF8(c.readable);
}

TEST(ReadableEscapes, WorkStringsRoundTripThroughTheReadableForm) {
  const String work = u"A\tB\r\n\u0001\u00E9\u05D0";
  EXPECT_EQ(QMFormattedWorkStringToReadableString(u"A\tB", 32), u"A{CHR(9)}B");
  for (int32_t below : {0, 32, 128, 0x10000}) {
    const String readable = QMFormattedWorkStringToReadableString(work, below);
    EXPECT_EQ(QMFormattedReadableStringToWorkString(readable), work) << below;
  }
  EXPECT_EQ(QMFormattedWorkStringToReadableString(u"\u00E9", 0x10000), u"{CHR(233)}");
}

TEST(ReadableEscapes, BracedNumbersBecomeTheIntegerParsersForm) {
  EXPECT_EQ(BracedNumberStrToDigitalformat(u"x41"), u"$41");
  EXPECT_EQ(BracedNumberStrToDigitalformat(u"41h"), u"$41");
  EXPECT_EQ(BracedNumberStrToDigitalformat(u"65"), u"65");
  EXPECT_EQ(BracedNumberStrToDigitalformat(u"h"), u"$");
  EXPECT_EQ(BracedNumberStrToDigitalformat(u""), u"");
}

} // namespace
} // namespace textcore
