#include "files/locale_text.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace textcore {
namespace {

TEST(LocaleText, CaseFollowsTheLocaleOnlyWhereOneIsGiven) {
  const struct {
    LCID lcid;
    bool upper;
    StringView given, expected;
  } cases[] = {
      {1055, false, u"I\u0130STANBUL", u"\u0131istanbul"}, // tr-TR
      {1055, true, u"istanbul\u0131", u"\u0130STANBULI"},
      {1068, true, u"i", u"\u0130"}, // az-Latn-AZ
      {1033, false, u"I\u0130", u"ii"},
      {1031, true, u"stra\u00DFe", u"STRA\u00DFE"}, // the length is kept
  };
  for (const auto &c : cases) {
    EXPECT_EQ(c.upper ? Uppercase(c.lcid, c.given) : Lowercase(c.lcid, c.given), c.expected);
    String buffer(c.given);
    c.upper ? UppercaseIt(c.lcid, buffer.data()) : LowercaseIt(c.lcid, buffer.data());
    EXPECT_EQ(buffer, c.expected);
  }
  EXPECT_EQ(Lowercase(u"I\u00C9\u0391"), u"i\u00E9\u03B1"); // no locale: the i keeps its dot
}

TEST(LocaleText, CodePagesMeasurementsAndDigits) {
  EXPECT_EQ(CodePageFromLocale(1055), 1254u);
  EXPECT_EQ(CodePageFromLocale(1049), 1251u);
  EXPECT_FALSE(UserDefaultMeasurements(1033)); // en-US
  EXPECT_TRUE(UserDefaultMeasurements(2057));  // en-GB
  const std::vector<std::tuple<char16_t, bool, bool>> digits = {
      {u'0', true, true},        {u'9', true, true},       {u'a', false, false},
      {u'\u0663', false, true},  {u'\uFF15', false, true}, {u':', false, false},
      {u'\u00B2', false, false}, // superscript two: a number, no decimal digit
  };
  for (const auto &[c, ordinary, digit] : digits) {
    EXPECT_EQ(IsOrdinaryNumberChar(c), ordinary) << int(c);
    EXPECT_EQ(IsADigitChar(c), digit) << int(c);
  }
}

} // namespace
} // namespace textcore
