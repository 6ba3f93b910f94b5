#include "strings/case_changes.h"
#include "strings/precomposed.h"

#include <gtest/gtest.h>

#include <string>

namespace textcore {
namespace {

constexpr LCID kEnglish = 1033, kTurkish = 1055;

TEST(CaseChanges, TitleCaseStartsWordsAfterPunctuationNotAfterDigits) {
  struct Case {
    const char16_t *text;
    bool each_word;
    const char16_t *titled;
  };
  const Case cases[] = {
      {u"HELLO WORLD", false, u"Hello world"},
      {u"HELLO WORLD", true, u"Hello World"},
      {u"o'neil-smith", true, u"O'Neil-Smith"},
      {u"x2y", true, u"X2y"},
      {u"mary\u2019s dog", true, u"Mary\u2019s Dog"}, // a curly apostrophe is no word start
      {u"\u00C9COLE_NORMALE", true, u"\u00C9cole_Normale"},
      {u"\u041C\u041E\u0421\u041A\u0412\u0410-\u0420\u0415\u041A\u0410", true,
       u"\u041C\u043E\u0441\u043A\u0432\u0430-\u0420\u0435\u043A\u0430"},
      {u"a{b|c", true, u"A{b|c"},
      {u"", true, u""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(TitleCase(c.text, c.each_word), c.titled) << StringToUTF8(c.text);
}

TEST(CaseChanges, LocaleCasingMapsTheTurkishIOnlyUnderTurkish) {
  String text = u"istanbul \u0131l\u0131k";
  EXPECT_EQ(Capitalise(kTurkish, text.data(), true), 13);
  EXPECT_EQ(text, u"\u0130STANBUL ILIK");
  WinLowerCased(kTurkish, text.data(), true);
  EXPECT_EQ(text, u"istanbul \u0131l\u0131k");

  String english = u"istanbul";
  WinUpperCased(kEnglish, english.data(), true);
  EXPECT_EQ(english, u"ISTANBUL");

  // 8-bit text is in the locale's code page: 1254 for Turkish, where 0xDD is the dotted capital.
  std::string bytes = "i\xFD";
  EXPECT_EQ(WinUpperCased(kTurkish, bytes.data(), false), bytes.data());
  EXPECT_EQ(bytes, "\xDDI");
  EXPECT_EQ(Capitalise(kTurkish, nullptr, true), 0);
  EXPECT_EQ(WinLowerCased(kTurkish, nullptr, false), nullptr);
}

TEST(CaseChanges, CaseInsensitivePositionsKeepTheTextsPositions) {
  EXPECT_EQ(CaseInsensitivePos(u"br\u00FCcke", u"Die BR\u00DCCKE"), 5);
  EXPECT_EQ(CaseInsensitivePos(u"\u043C\u043E\u0441\u0442", u"\u041C\u041E\u0421\u0422"), 1);
  EXPECT_EQ(CaseInsensitiveUpperedPos(u"STRA\u00DFE", u"die Stra\u00DFe"), 5);
  EXPECT_EQ(CaseInsensitivePos(u"", u"abc"), 0);
  EXPECT_EQ(CaseInsensitivePos(u"x", u"abc"), 0);
}

TEST(CaseChanges, PrecomposingJoinsMarksAndMayLengthen) {
  struct Case {
    const char16_t *text;
    const char16_t *composed;
  };
  const Case cases[] = {
      {u"", u""},
      {u"cafe\u0301", u"caf\u00E9"},
      {u"A\u030Angstr\u00F6m", u"\u00C5ngstr\u00F6m"},
      {u"\u0395\u0301\u03BB\u03BB\u03B7", u"\u0388\u03BB\u03BB\u03B7"},
      {u"\u1100\u1161", u"\uAC00"},
      {u"\u0958", u"\u0915\u093C"}, // never kept precomposed: it comes apart
      {u"x\u0301\u0302", u"x\u0301\u0302"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(EnsurePrecomposed(c.text), c.composed) << StringToUTF8(c.text);
}

} // namespace
} // namespace textcore
