#include "strings/sentences.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

std::vector<String> Sentences(StringView paragraph, StringView separator = u"",
                              int32_t max_tag = 10) {
  const auto list = SentencesFromParagraph(paragraph, separator, 1033, max_tag);
  std::vector<String> out;
  for (int32_t i = 0; i < list->Count(); ++i)
    out.push_back(list->Strings(i));
  return out;
}

TEST(Sentences, PotentialTerminatorsAreLatinAndOtherScriptsEnds) {
  for (char16_t c : {u'.', u'!', u'?', char16_t(0x0589), char16_t(0x061F), char16_t(0x0964),
                     char16_t(0x3002), char16_t(0xFF61)})
    EXPECT_TRUE(IsPotentialSentenceTerminator(c)) << std::hex << int(c);
  for (char16_t c : {u' ', u',', u';', u'@', u'}', u'~', char16_t(0x00BF), char16_t(0x037E),
                     char16_t(0x3001), char16_t(0xFF0C)})
    EXPECT_FALSE(IsPotentialSentenceTerminator(c)) << std::hex << int(c);
}

TEST(Sentences, EndOfSentenceNeedsAWordBeforeAndNoWordRightAfter) {
  struct Case {
    int32_t from;
    const char16_t *text;
    int32_t end;
  };
  const Case cases[] = {
      {1, u"Version 3.5 is out. Now", 19},
      {1, u"Mr. Smith", 3},
      {1, u"e.g", -1},
      {1, u"... ok", -1},
      {1, u"Done.", 5},
      {-4, u"Done.", 5},
      {5, u"Done.", -1}, // from the dot itself no word comes before it
      {9, u"Done.", -1},
      {1, u"\u4E0B\u96E8\u3002 \u6674", 3},
      {1, u"\u4E0B\u96E8\u3002\u6674", -1}, // a letter right after it, as after "3."
  };
  for (const Case &c : cases)
    EXPECT_EQ(EndOfSentence(c.from, c.text), c.end) << StringToUTF8(c.text) << " from " << c.from;
}

TEST(Sentences, ParagraphsSplitWhereTheNextWordIsNotLowerCase) {
  struct Case {
    const char16_t *paragraph;
    std::vector<String> sentences;
  };
  const Case cases[] = {
      {u"It rained. Then it stopped.", {u"It rained.", u"Then it stopped."}},
      {u"It rained. then it stopped.", {u"It rained. then it stopped."}},
      {u"He said \u2018No.\u2019 and left.", {u"He said \u2018No.\u2019 and left."}},
      {u"\"Stop!\" She ran.", {u"\"Stop!\"", u"She ran."}},
      {u"Wait... What?! Yes.", {u"Wait...", u"What?!", u"Yes."}},
      {u"It costs 1,000.5 euros, or $1F. Fine.", {u"It costs 1,000.5 euros, or $1F.", u"Fine."}},
      {u"See \u00A7 5 now", {u"See \u00A7", u"5 now"}},
      {u"Es regnete. Dann nicht mehr.", {u"Es regnete.", u"Dann nicht mehr."}},
      {u"Il pleut\u00A0! Alors\u2026", {u"Il pleut\u00A0!", u"Alors\u2026"}},
      {u"\u0420\u0435\u043A\u0430 \u0442\u0435\u0447\u0451\u0442. \u041C\u043E\u0441\u0442.",
       {u"\u0420\u0435\u043A\u0430 \u0442\u0435\u0447\u0451\u0442.", u"\u041C\u043E\u0441\u0442."}},
      {u"\u0420\u0435\u043A\u0430. \u043C\u043E\u0441\u0442.",
       {u"\u0420\u0435\u043A\u0430. \u043C\u043E\u0441\u0442."}},
      // Greek: the question mark U+037E never ends a sentence; the full stop does.
      {u"\u03A0\u03BF\u03CD \u03C0\u03B1\u03C2\u037E \u0395\u03B4\u03CE. \u0397 "
       u"\u03C0\u03CC\u03BB\u03B7.",
       {u"\u03A0\u03BF\u03CD \u03C0\u03B1\u03C2\u037E \u0395\u03B4\u03CE.",
        u"\u0397 \u03C0\u03CC\u03BB\u03B7."}},
      // Hebrew has no case: every full stop before a word ends a sentence.
      {u"\u05D4\u05E1\u05E4\u05D9\u05E0\u05D4 \u05D9\u05E6\u05D0\u05D4. \u05D4\u05E2\u05D9\u05E8.",
       {u"\u05D4\u05E1\u05E4\u05D9\u05E0\u05D4 \u05D9\u05E6\u05D0\u05D4.",
        u"\u05D4\u05E2\u05D9\u05E8."}},
      {u"\u4ECA\u5929\u4E0B\u96E8\u3002\u660E\u5929\u6674\u3002",
       {u"\u4ECA\u5929\u4E0B\u96E8\u3002", u"\u660E\u5929\u6674\u3002"}},
      {u"\u0647\u0644 \u0623\u0646\u062A\u061F \u0646\u0639\u0645.",
       {u"\u0647\u0644 \u0623\u0646\u062A\u061F", u"\u0646\u0639\u0645."}},
      {u"\u0918\u0930 \u091C\u093E\u0913\u0964 \u0906\u0913\u0964",
       {u"\u0918\u0930 \u091C\u093E\u0913\u0964", u"\u0906\u0913\u0964"}},
      {u"\u3001\u3002", {u"\u3001\u3002"}}, // the first character never ends a sentence
      {u"  \r\n ", {}},
      {u"", {}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Sentences(c.paragraph), c.sentences) << StringToUTF8(c.paragraph);
}

TEST(Sentences, ShortTagsArePunctuationLongOnesKeepTheirLetters) {
  EXPECT_EQ(Sentences(u"<p>Hi.</p> Yes.", u"", 10), (std::vector<String>{u"<p>Hi.</p>", u"Yes."}));
  // Unmarked, the lower-case tag name after the full stop keeps the sentence open.
  EXPECT_EQ(Sentences(u"<p>Hi.</p> Yes.", u"", 1), (std::vector<String>{u"<p>Hi.</p> Yes."}));
  EXPECT_EQ(Sentences(u"Go.<br> Now. <i", u"", 5),
            (std::vector<String>{u"Go.<br>", u"Now.", u"<i"}));
  EXPECT_EQ(Sentences(u"a < b. Then <<<x>.", u"", 3),
            (std::vector<String>{u"a < b.", u"Then <<<x>."}));
}

TEST(Sentences, ASeparatorCutsAtEveryOccurrenceAndDropsEmptyPieces) {
  EXPECT_EQ(Sentences(u" a. b||c|| \t||d", u"||"), (std::vector<String>{u"a. b", u"c", u"d"}));
  EXPECT_EQ(Sentences(u"||", u"||"), std::vector<String>{});
}

} // namespace
} // namespace textcore
