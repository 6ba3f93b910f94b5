#include "search/text_window.h"

#include "search/buffer_matcher_classes.h"

#include <gtest/gtest.h>

#include <string>

namespace textcore {
namespace {

// "m" under each unit with the markup bit, "w" under a middle character that joins a word.
std::string Marks(const TTextWindow &window) {
  std::string marks;
  for (size_t i = 0; i < window.Size(); ++i) {
    const uint16_t c = window.Classes()[i];
    const char16_t unit = window.Units()[i];
    marks += match_class::IsMarkup(c)                                    ? 'm'
             : (unit == u'\'' || unit == u'-') && match_class::IsWord(c) ? 'w'
                                                                         : '.';
  }
  return marks;
}

TEST(TextWindow, MarkupWithinReachAndMiddleCharactersFedWholeOrUnitByUnit) {
  struct Case {
    const char16_t *text;
    int32_t reach;
    const char *marks;
  } cases[] = {
      {u"a<bc>d", 5, ".mmmm."},
      {u"<abcdefgh>x", 5, "..........."},       // closes too far away: text
      {u"<ab<cdefg>", 5, ".........."},         // neither opening is near enough
      {u"<ab<cdefg>", 6, "...mmmmmmm"},         // the second one is
      {u"<a<b>", 5, "mmmmm"},                   // an inner opening is part of the markup
      {u"x<y", 5, "..."},                       // never closed
      {u"don't -x y- a'", 5, "...w.........."}, // only between word characters
      {u"a<b>'c", 5, ".mmmw."},                 // a middle joins across markup
      {u"a<b><c><d>'e", 5, ".mmmmmmmmm.."},     // but over no more than reach of it
  };
  TTextClassRules rules;
  rules.markup = true;
  rules.pairs = {u'<', 0, 0, 0, 0, 0, u'>', 0, 0, 0, 0, 0};
  rules.middles = u"'-";
  for (const Case &c : cases) {
    rules.reach = c.reach;
    TTextWindow whole(rules);
    whole.Units() = c.text;
    whole.Classify(true);
    EXPECT_EQ(Marks(whole), c.marks) << std::string(c.text, c.text + whole.Size());
    EXPECT_EQ(whole.FinalEnd(), whole.Size());
    TTextWindow fed(rules);
    for (const char16_t *p = c.text; *p != 0; ++p) {
      fed.Units() += *p;
      fed.Classify(false);
      EXPECT_LE(fed.FinalEnd(), fed.Size());
    }
    fed.Classify(true);
    EXPECT_EQ(Marks(fed), c.marks) << "fed unit by unit";
  }
}

} // namespace
} // namespace textcore
