#include "strings/precomposed.h"
#include "strings/word_frequency_list.h"
#include "strings/word_positions.h"
#include "strings/word_rules.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

TEST(WordRules, WordsAreRunsOfLettersAndDigitsInEveryScript) {
  struct Case {
    const char16_t *text;
    int32_t words;
  };
  const Case cases[] = {
      {u"", 0},
      {u"  ", 0},
      {u"don't", 2},
      {u"e-mail", 2},
      {u"A4", 1},
      {u"a.b", 2},
      {u"Straße und Brücke", 3},
      {u"река, мост!", 2},
      {u"η γέφυρα", 2},
      {u"מכתב מהנהר", 2},
      {u"\u0968\u0966\u0968\u0966 \u0935\u0930\u094D\u0937", 3}, // Devanagari digits, then a
                                                                 // word split by its signs
      {u"re\u0301sume\u0301", 2}, // a separate combining accent breaks the word
  };
  for (const Case &c : cases)
    EXPECT_EQ(BasicWordCount(c.text), c.words) << StringToUTF8(c.text);
  EXPECT_EQ(BasicWordCount(EnsurePrecomposed(u"re\u0301sume\u0301")), 1);
  EXPECT_FALSE(ContainsAlphanumCharacter(u"-- ... \u0301"));
  EXPECT_TRUE(ContainsAlphanumCharacter(u"-- \u05D0"));
}

TEST(WordRules, NumbersAreIntegersOrDigitsWithPercentCommaAndDot) {
  struct Case {
    const char16_t *text;
    bool number;
  };
  const Case cases[] = {
      {u"", true},     {u"12", true},           {u"$1F", true},     {u"0x1f", true},
      {u" -7 ", true}, {u"1,000.5", true},      {u"1.234,5", true}, {u"50%", true},
      {u"...", true},  {u"\u0661\u0662", true}, {u"-3.5", false},   {u"12a", false},
      {u"$1G", false}, {u"\u00B2", false}, // superscript two is No, not Nd
  };
  for (const Case &c : cases)
    EXPECT_EQ(IsANumber(c.text), c.number) << StringToUTF8(c.text);
}

TEST(WordRules, BoundsLookJustOutsideTheWordAndNeverOutsideTheText) {
  EXPECT_TRUE(BoundedAtRight(u"cat.", 1, 3));
  EXPECT_FALSE(BoundedAtRight(u"cats", 1, 3));
  EXPECT_TRUE(BoundedAtRight(u"cat", 1, 3));
  EXPECT_FALSE(BoundedAtRight(u"cat", 1, 4));
  EXPECT_FALSE(BoundedAtRight(u"cat", 1, -2));
  EXPECT_TRUE(BoundedAtLeft(u"a cat", 3, 5));
  EXPECT_FALSE(BoundedAtLeft(u"acat", 2, 4));
  EXPECT_FALSE(BoundedAtLeft(u"cat", 0, 3));
  EXPECT_FALSE(BoundedAtLeft(u"cat", 9, 3));
  EXPECT_TRUE(BoundedWholeWord(u"(cat)", 2, 4));
  EXPECT_FALSE(IsWholeWord(u"cats", 1, 4));
  EXPECT_TRUE(IsWholeWord(u"cat", 1, 4));
  EXPECT_TRUE(IsWholeWord(u"cat", 1, 99));
  EXPECT_TRUE(IsWholeWord(u"cat", -5, -5));
  EXPECT_FALSE(IsWholeWord(u"xcat", 2, 5));
}

TEST(WordRules, WordSearchHonoursEachBoundOnItsOwn) {
  const TMySearchFlags both{myLeftBounded, myRightBounded};
  const TMySearchFlags left{myLeftBounded}, right{myRightBounded}, none;
  EXPECT_EQ(PosWordFoundIn(u"cat", u"concat cat", both), 8);
  EXPECT_EQ(PosWordFoundIn(u"cat", u"concat cat", none), 4);
  EXPECT_EQ(PosWordFoundIn(u"cat", u"concat cat", left), 8);
  EXPECT_EQ(PosWordFoundIn(u"cat", u"cats concat", right), 9);
  EXPECT_EQ(PosWordFoundIn(u"aa", u"aaa aa", both), 5); // overlapping matches are tried
  EXPECT_EQ(PosWordFoundIn(u"Cat", u"concat cat", none), -1);
  EXPECT_EQ(PosWordFoundIn(u"", u"cat", none), -1);
  EXPECT_EQ(PosWordFoundIn(u"cat", u"", none), -1);

  // Every passing occurrence, overlapping ones included, in text order.
  const auto all = PositionsWordFoundIn(u"aa", u"aaa aa aaaa", none);
  std::vector<int32_t> found;
  for (int32_t i = 0; i < all->Count(); ++i)
    found.push_back(all->GetAValue(i));
  EXPECT_EQ(found, (std::vector<int32_t>{1, 2, 5, 8, 9, 10}));
  EXPECT_EQ(PositionsWordFoundIn(u"aa", u"aaa aa aaaa", both)->Count(), 1);
  EXPECT_EQ(PositionsWordFoundIn(u"", u"aa", none)->Count(), 0);
}

TEST(WordRules, WordListCountsByTheListsCaseRuleCommonestFirst) {
  TStringList list;
  SimpleWordListDescendingFreqOrder(u"the cat, The dog; a cat THE end", list, 2);
  ASSERT_EQ(list.Count(), 4); // "a" is too short; the list ignores case
  EXPECT_FALSE(list.Sorted());
  EXPECT_TRUE(SameText(list.Strings(0), u"the"));
  EXPECT_EQ(WordFrequencyOf(list, 0), 3);
  EXPECT_EQ(list.Strings(1), u"cat");
  EXPECT_EQ(WordFrequencyOf(list, 1), 2);
  EXPECT_EQ(WordFrequencyOf(list, 3), 1);

  TStringList owning(true);
  EXPECT_THROW(SimpleWordListDescendingFreqOrder(u"a b", owning, 1), EStringListError);
  EXPECT_EQ(owning.Count(), 0);
}

} // namespace
} // namespace textcore
