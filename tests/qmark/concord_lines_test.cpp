#include "tools/qmark/concord_lines.h"

#include "files/text_windows.h"

#include "search/buffer_matcher_classes.h"

#include <gtest/gtest.h>

namespace qmark {
namespace {

using textcore::String;

// Classes as the search builds them, enough for these texts: letters are words, "<...>" markup.
std::vector<uint16_t> ClassesOf(const String &text) {
  std::vector<uint16_t> classes(text.size() + 2, 0);
  bool in_tag = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    in_tag = in_tag || c == u'<';
    const bool letter = (c >= u'a' && c <= u'z') || (c >= 0xD800 && c <= 0xDFFF);
    classes[i] = letter ? textcore::match_class::kAlpha : uint16_t{0x0010};
    if (in_tag)
      classes[i] |= textcore::match_class::kMarkup;
    in_tag = in_tag && c != u'>';
  }
  return classes;
}

TEST(ConcordContext, WidthCountsDisplayCellsAndNeverSplitsACharacter) {
  const String pair = u"\U0001F600";
  struct Case {
    const char *what;
    String text;
    int32_t position, length, width;
    bool markup;
    String left, hit, right;
  } cases[] = {
      {"plain", u"ab cat de", 3, 3, 2, false, u"b ", u"cat", u" d"},
      {"at the text's edges", u"cat", 0, 3, 5, false, u"", u"cat", u""},
      {"a wide pair fits", pair + u"x cat y" + pair, 4, 3, 4, false, pair + u"x ", u"cat",
       u" y" + pair},
      {"a wide pair does not fit", pair + u"x cat y" + pair, 4, 3, 3, false, u"x ", u"cat", u" y"},
      {"CJK takes two cells", u"\u4E2D\u6587 cat \u662F\u7684", 3, 3, 4, false, u"\u6587 ", u"cat",
       u" \u662F"},
      {"a mark comes with its letter", u"xe\u0301 cat e\u0301x", 4, 3, 2, false, u"e\u0301 ",
       u"cat", u" e\u0301"},
      {"a mark cut from its letter is left out", u"xe\u0301 cat", 4, 3, 1, false, u" ", u"cat",
       u""},
      {"markup left out", u"a<b>x</b>cat<i>y", 9, 3, 2, true, u"ax", u"cat", u"y"},
      {"markup in the hit", u"c<b>a</b>t z", 0, 10, 2, true, u"", u"cat", u" z"},
  };
  for (const Case &c : cases) {
    const std::vector<uint16_t> classes = ClassesOf(c.text);
    const ConcordContext context(c.text, classes.data(), c.markup, c.width, 1000);
    ConcordPieces pieces;
    context.Pieces({c.position, c.length, 0}, pieces);
    EXPECT_EQ(pieces.left, c.left) << c.what;
    EXPECT_EQ(pieces.hit, c.hit) << c.what;
    EXPECT_EQ(pieces.right, c.right) << c.what;
  }
}

TEST(ConcordContext, WordsAroundTheHitSkipPunctuationAndMarkup) {
  const String text = u"one, <b>two</b> three cat four. five";
  const std::vector<uint16_t> classes = ClassesOf(text);
  const ConcordContext context(text, classes.data(), true, 10, 1000);
  const int32_t hit = static_cast<int32_t>(text.find(u"cat"));
  EXPECT_EQ(context.WordBefore(hit, 1), u"three");
  EXPECT_EQ(context.WordBefore(hit, 2), u"two");
  EXPECT_EQ(context.WordBefore(hit, 3), u"one");
  EXPECT_EQ(context.WordBefore(hit, 4), u"");
  EXPECT_EQ(context.WordAfter(hit + 3, 1), u"four");
  EXPECT_EQ(context.WordAfter(hit + 3, 2), u"five");
  EXPECT_EQ(context.WordAfter(hit + 3, 3), u"");
}

TEST(LineCounter, CountsLinesAtLineFeedsAndColumnsInCharacters) {
  const String text = u"ab\r\n\U0001F600c\n\nxyz";
  struct Step {
    size_t position;
    int64_t line, column;
  } steps[] = {{0, 1, 1}, {1, 1, 2},  {4, 2, 1},  {6, 2, 2}, {8, 3, 1},
               {9, 4, 1}, {11, 4, 3}, {11, 4, 3}, {12, 4, 4}};
  textcore::TLineCounter counter;
  size_t at = 0;
  for (const Step &step : steps) {
    counter.Pass(textcore::StringView(text).substr(at, step.position - at));
    at = step.position;
    EXPECT_EQ(counter.Line(), step.line) << step.position;
    EXPECT_EQ(counter.Column(), step.column) << step.position;
  }
}

} // namespace
} // namespace qmark
