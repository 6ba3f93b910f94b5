#include "search/sentence_terminators.h"

#include "platform/nls_char_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace textcore {
namespace {

template <size_t N> bool StrictlyAscending(const std::array<char16_t, N> &table) {
  return std::adjacent_find(table.begin(), table.end(), std::greater_equal<char16_t>()) ==
         table.end();
}

TEST(SentenceTerminators, TablesHaveTheirSizesAndAscendStrictly) {
  EXPECT_EQ(basic_sent_terminators.size(), 3u);
  EXPECT_EQ(other_sent_terminators.size(), 63u);
  EXPECT_EQ(punct_not_ending_sent.size(), 276u);
  EXPECT_TRUE(StrictlyAscending(basic_sent_terminators));
  EXPECT_TRUE(StrictlyAscending(other_sent_terminators));
  EXPECT_TRUE(StrictlyAscending(punct_not_ending_sent));
  EXPECT_EQ(other_sent_terminators.front(), 0x0589);
  EXPECT_EQ(other_sent_terminators.back(), 0xFF61);
  EXPECT_EQ(punct_not_ending_sent.front(), 0x037E);
  EXPECT_EQ(punct_not_ending_sent.back(), 0xFF65);
}

TEST(SentenceTerminators, NoUnitBothEndsAndNeverEndsASentence) {
  std::vector<char16_t> both;
  std::set_intersection(other_sent_terminators.begin(), other_sent_terminators.end(),
                        punct_not_ending_sent.begin(), punct_not_ending_sent.end(),
                        std::back_inserter(both));
  EXPECT_TRUE(both.empty());
  // Every entry is punctuation to the character classes; a typo would land on a letter.
  for (char16_t c : other_sent_terminators)
    EXPECT_TRUE(IsPunctuationCategory(UnicodeCategoryOf(c))) << std::hex << int(c);
  for (char16_t c : {char16_t(0x3002), char16_t(0x0964), char16_t(0xFF01)})
    EXPECT_TRUE(InSentenceTable(other_sent_terminators, c));
  for (char16_t c : {char16_t(0x3001), char16_t(0xFF0C), char16_t(0x2E2F)})
    EXPECT_FALSE(InSentenceTable(other_sent_terminators, c));
}

} // namespace
} // namespace textcore
