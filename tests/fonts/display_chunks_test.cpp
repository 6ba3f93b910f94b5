// Where colours change along a text, and the word chunks of a line.
#include "fonts/display_chunks.h"

#include <gtest/gtest.h>

namespace unidisplay {
namespace {

using textcore::TExtraFontList;

TEST(DisplayChunks, RunsMarkTheirCharactersOnAndTheirEndOff) {
  TExtraFontList runs;
  runs.AddOne(5, 8);
  TChangeColourList positions;
  ASSERT_TRUE(positions.MarkRuns(runs, 10, 0));
  ASSERT_EQ(positions.fpositions().size(), 11u);
  for (int i = 0; i <= 10; ++i) {
    const TSwitch_type expected = i >= 5 && i < 8 ? switch_on : i == 8 ? switch_off : no_switch;
    EXPECT_EQ(positions.fpositions()[static_cast<size_t>(i)].switch_, expected) << i;
  }
  EXPECT_EQ(positions.fpositions()[5].extrafont_num, 1);
  // The same run seen from character 6 of the line.
  ASSERT_TRUE(positions.MarkRuns(runs, 10, 6));
  EXPECT_EQ(positions.fstarts_at, 6);
  EXPECT_EQ(positions.fpositions()[0], (TChangeColourRec{switch_on, 1}));
  EXPECT_EQ(positions.fpositions()[1], (TChangeColourRec{switch_on, 1}));
  EXPECT_EQ(positions.fpositions()[2].switch_, switch_off);
  // A later run overwrites an earlier one; runs outside the text, empty or without an end mark
  // nothing.
  runs.AddOne(7, 12);
  ASSERT_TRUE(positions.MarkRuns(runs, 10, 0));
  EXPECT_EQ(positions.fpositions()[7], (TChangeColourRec{switch_on, 2}));
  EXPECT_EQ(positions.fpositions()[10], (TChangeColourRec{switch_on, 2}));
  TExtraFontList outside;
  outside.AddOne(10, 20);
  outside.AddOne(3, 3);
  outside.AddOne(2, -1);
  EXPECT_FALSE(positions.MarkRuns(outside, 10, 0));
}

TEST(DisplayChunks, WordsTakeTheSeparatorAfterThemAndNeverLoseTheirMarks) {
  const struct {
    std::u16string text;
    std::vector<TWordChunk> chunks;
  } cases[] = {
      {u"ab  cd", {{0, 2, 1}, {3, 5, 1}}},
      {u"", {}},
      {u"  ", {{0, 1, 1}}},
      {u"e\u0301t\u00E9 x", {{0, 4, 1}, {5, 5, 1}}}, // the combining accent stays in its word
      {u"\u05E9\u05DC\u05D5\u05DD 12", {{0, 4, 2}, {5, 6, 1}}},
      {u"a\U0001F600b c", {{0, 4, 1}, {5, 5, 1}}}, // a pair is never cut
  };
  for (const auto &c : cases) {
    const auto chunks = BuildAWordList(c.text, 1033);
    std::vector<TWordChunk> got;
    for (int32_t i = 0; i < chunks->Count(); ++i)
      got.push_back(chunks->Chunk(i));
    EXPECT_EQ(got, c.chunks) << textcore::StringToUTF8(c.text);
  }
}

} // namespace
} // namespace unidisplay
