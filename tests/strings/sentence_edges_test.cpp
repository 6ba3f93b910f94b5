#include "strings/character_types.h"
#include "strings/sentence_edges.h"
#include "strings/white_space.h"

#include "platform/nls_char_types.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(SentenceEdges, CapitalAndLowerCaseStartsByCategory) {
  EXPECT_TRUE(FirstLetterIsCapitalised(u"\u0394\u03B5"));
  EXPECT_FALSE(FirstLetterIsCapitalised(u"\"The"));
  EXPECT_FALSE(FirstLetterIsCapitalised(u""));
  EXPECT_TRUE(NextWordCapitalised(u"end. \u00BB Der", 4));
  EXPECT_FALSE(NextWordCapitalised(u"end. \u00BB der", 4));
  EXPECT_TRUE(NextWordCapitalised(u"Der", -3));
  EXPECT_FALSE(NextWordCapitalised(u"Der", 9));
  EXPECT_FALSE(NextWordCapitalised(u"... ", 1));

  EXPECT_EQ(FirstCharIsLowerCase(u"\u00AB \u0301\u05D0 word"), u'w'); // marks, Lo passed over
  EXPECT_EQ(FirstCharIsLowerCase(u"(\u00E9t\u00E9)"), u'\u00E9');
  EXPECT_EQ(FirstCharIsLowerCase(u"\u20AC5 word"), 0); // a currency sign stops the search
  EXPECT_EQ(FirstCharIsLowerCase(u"3 words"), 0);
  EXPECT_EQ(FirstCharIsLowerCase(u"\u2026"), 0);
}

TEST(SentenceEdges, PunctuationAtTheEndAndNext) {
  EXPECT_TRUE(LastCharIsNotPunctuation(u"costs 5\u20AC \u2192"));
  EXPECT_FALSE(LastCharIsNotPunctuation(u"Fin.\u00BB "));
  EXPECT_FALSE(LastCharIsNotPunctuation(u"\u2192 +"));
  EXPECT_FALSE(LastCharIsNotPunctuation(u""));
  EXPECT_TRUE(NextValidCharIsPunctuation(1, u" \t\u00A0\u2003\u00BF"));
  EXPECT_FALSE(NextValidCharIsPunctuation(1, u"  +"));
  EXPECT_FALSE(NextValidCharIsPunctuation(1, u"  x."));
  EXPECT_TRUE(NextValidCharIsPunctuation(-2, u".x"));
  EXPECT_FALSE(NextValidCharIsPunctuation(5, u"a."));
}

TEST(SentenceEdges, WhiteSpaceHelpers) {
  EXPECT_EQ(WideTrimSpaceOnly(u"\u3000\t a b\u2029\u0085 "), u"a b");
  EXPECT_EQ(WideTrimSpaceOnly(u" \u00A0 "), u"");
  EXPECT_EQ(WideTrimSpaceOnly(u"\u200Bx"), u"\u200Bx"); // zero width space is no White_Space
  EXPECT_EQ(StrippedDoubleSpaces(u"  a   b\t\t c "), u" a b\t\t c ");
  EXPECT_EQ(FirstCharPosAboveSpace(u" \t\u0001x"), 4);
  EXPECT_EQ(FirstCharPosAboveSpace(u" \r\n"), -1);
  EXPECT_EQ(AddToListWithSeparatorIfNeeded(u"", u"a", u", "), u"a");
  EXPECT_EQ(AddToListWithSeparatorIfNeeded(u"a", u"b", u", "), u"a, b");
}

TEST(SentenceEdges, CharacterTypeQuerySizesItsArray) {
  std::vector<uint16_t> types(99, 7);
  ASSERT_TRUE(GetStringTypeExNT2000(true, 1033, CT_CTYPE1, u"a1 .", 4, types));
  EXPECT_EQ(types, (std::vector<uint16_t>{CType1Table()[u'a'], CType1Table()[u'1'],
                                          CType1Table()[u' '], CType1Table()[u'.']}));
  ASSERT_TRUE(GetStringTypeExNT2000(true, 1033, CT_CTYPE1, u"ab", -1, types));
  EXPECT_EQ(types.size(), 3u); // the terminator too
  ASSERT_TRUE(GetStringTypeExNT2000(false, 1049, CT_CTYPE1, "\xE0", 1, types)); // cp1251
  EXPECT_EQ(types[0] & (C1_ALPHA | C1_LOWER), C1_ALPHA | C1_LOWER);
  EXPECT_FALSE(GetStringTypeExNT2000(true, 1033, CT_CTYPE1, u"a", 0, types));
  EXPECT_TRUE(types.empty());
  EXPECT_FALSE(GetStringTypeExNT2000(true, 1033, 4, u"a", 1, types));
  EXPECT_FALSE(GetStringTypeExNT2000(true, 1033, CT_CTYPE1, nullptr, 1, types));
}

} // namespace
} // namespace textcore
