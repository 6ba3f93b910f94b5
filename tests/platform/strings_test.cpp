#include "platform/exceptions.h"
#include "platform/strings.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(Strings, PositionsAreOneBasedAndClipped) {
  struct Case {
    const char16_t *s;
    int32_t index, count;
    const char16_t *copy, *after_delete;
  };
  const Case cases[] = {
      {u"abcdef", 1, 2, u"ab", u"cdef"},          {u"abcdef", 5, 10, u"ef", u"abcd"},
      {u"abcdef", 0, 2, u"a", u"abcdef"},         {u"abcdef", -3, 5, u"a", u"abcdef"},
      {u"abcdef", 7, 1, u"", u"abcdef"},          {u"abcdef", 3, 0, u"", u"abcdef"},
      {u"abcdef", 3, -1, u"", u"abcdef"},         {u"", 1, 1, u"", u""},
      {u"abcdef", 2, 0x7FFFFFFF, u"bcdef", u"a"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << "," << c.count);
    EXPECT_EQ(Copy(c.s, c.index, c.count), c.copy);
    String s = c.s;
    Delete(s, c.index, c.count);
    EXPECT_EQ(s, c.after_delete);
  }
}

TEST(Strings, PosFindsFromOffsetAndReportsAbsenceAsZero) {
  EXPECT_EQ(Pos(u"b", u"abcb"), 2);
  EXPECT_EQ(Pos(u"b", u"abcb", 3), 4);
  EXPECT_EQ(Pos(u"b", u"abcb", 5), 0);
  EXPECT_EQ(Pos(u"", u"abc"), 0);
  EXPECT_EQ(Pos(u"x", u""), 0);
  EXPECT_EQ(Pos(u"cb", u"abcb", 0), 0);
}

TEST(Strings, InsertClampsItsPosition) {
  String s = u"ace";
  Insert(u"b", s, 2);
  EXPECT_EQ(s, u"abce");
  Insert(u"<", s, -5);
  Insert(u">", s, 99);
  EXPECT_EQ(s, u"<abce>");
}

TEST(Strings, TrimRemovesControlCharactersAndSpacesOnly) {
  EXPECT_EQ(Trim(u"\t \r\nword\x01 \x00A0"), u"word\x01 \x00A0");
  EXPECT_EQ(TrimLeft(u"  a  "), u"a  ");
  EXPECT_EQ(TrimRight(u"  a  "), u"  a");
  EXPECT_EQ(Trim(u"   "), u"");
}

TEST(Strings, CaseHelpersWithoutAnsiTouchOnlyAscii) {
  EXPECT_EQ(UpperCase(u"straße é"), u"STRAßE é");
  EXPECT_EQ(LowerCase(u"ÉCOLE"), u"École");
  EXPECT_TRUE(SameText(u"Hello", u"hELLO"));
  EXPECT_FALSE(SameText(u"é", u"É"));
  EXPECT_LT(CompareText(u"abc", u"ABD"), 0);
  EXPECT_GT(CompareStr(u"a", u"B"), 0);
  EXPECT_LT(CompareText(u"ab", u"abc"), 0);
}

TEST(Strings, StringReplaceHonoursItsFlags) {
  EXPECT_EQ(StringReplace(u"a-b-c", u"-", u"+", {}), u"a+b-c");
  EXPECT_EQ(StringReplace(u"a-b-c", u"-", u"+", {rfReplaceAll}), u"a+b+c");
  EXPECT_EQ(StringReplace(u"Ab ab AB", u"ab", u"x", {rfReplaceAll, rfIgnoreCase}), u"x x x");
  EXPECT_EQ(StringReplace(u"aaa", u"aa", u"a", {rfReplaceAll}), u"aa");
  EXPECT_EQ(StringReplace(u"abc", u"", u"x", {rfReplaceAll}), u"abc");
}

TEST(Strings, IntegerParsingRejectsOverflowAndJunk) {
  struct Case {
    const char16_t *text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {
      {u"0", true, 0},
      {u" 42 ", true, 42},
      {u"-2147483648", true, INT32_MIN},
      {u"2147483647", true, INT32_MAX},
      {u"2147483648", false, 0},
      {u"-2147483649", false, 0},
      {u"$7FFFFFFF", true, INT32_MAX},
      {u"0x1f", true, 31},
      {u"+7", true, 7},
      {u"", false, 0},
      {u"-", false, 0},
      {u"12a", false, 0},
      {u"1 2", false, 0},
      {u"99999999999999999999999", false, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.text));
    int32_t value = -1;
    EXPECT_EQ(TryStrToInt(c.text, value), c.ok);
    if (c.ok) {
      EXPECT_EQ(value, c.value);
    }
    EXPECT_EQ(StrToIntDef(c.text, -7), c.ok ? c.value : -7);
  }
  int64_t wide;
  EXPECT_TRUE(TryStrToInt64(u"-9223372036854775808", wide));
  EXPECT_EQ(wide, INT64_MIN);
  EXPECT_FALSE(TryStrToInt64(u"9223372036854775808", wide));
}

TEST(Strings, StrToIntRaisesConvertErrorNamingTheText) {
  try {
    StrToInt(u"x1");
    FAIL() << "no error";
  } catch (const EConvertError &e) {
    EXPECT_EQ(e.Message(), u"'x1' is not a valid integer value");
    EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
  }
}

TEST(Strings, IntToHexPadsButNeverTruncates) {
  EXPECT_EQ(IntToHex(255, 4), u"00FF");
  EXPECT_EQ(IntToHex(0x12345, 2), u"12345");
  EXPECT_EQ(IntToHex(0, 0), u"0");
  EXPECT_EQ(IntToStr(INT64_MIN), u"-9223372036854775808");
}

TEST(Strings, QuotingRoundTrips) {
  EXPECT_EQ(QuotedStr(u"it's"), u"'it''s'");
  EXPECT_EQ(AnsiDequotedStr(u"'it''s' rest", u'\''), u"it's");
  EXPECT_EQ(AnsiDequotedStr(u"'open", u'\''), u"'open");
  EXPECT_EQ(AnsiDequotedStr(u"bare", u'\''), u"bare");
}

} // namespace
} // namespace textcore
