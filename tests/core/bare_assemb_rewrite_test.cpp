#include "core/bare_assemb.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace textcore {
namespace {

using namespace std::string_literals;

// Every buffer carries '#' sentinels past the length, so a write beyond the terminator slot
// (or a terminator where none is due) shows in the expected bytes.
struct WideCase {
  const char *name;
  std::function<int32_t(char16_t *, int32_t)> run;
  std::u16string input; // the text, length = its size
  std::u16string after; // the whole buffer afterwards, sentinels included
  int32_t result;
};

TEST(BareAssembRewrite, WideRoutinesRewriteExactlyTheirRangeAndTerminator) {
  auto remove_spaces = [](char16_t *t, int32_t n) { return RemoveRedundantSpaceW(t, n); };
  auto cut_crlfs = [](char16_t *t, int32_t n) { return CutDoubleCRLFsW(t, n); };
  auto controls = [](char16_t *t, int32_t n) { return ReplaceControlCharsBySpaceW(t, n), 0; };
  auto crs = [](char16_t *t, int32_t n) { return ReplaceCarriageReturnsBySpaceW(t, n), 0; };
  auto swap3 = [](char16_t *t, int32_t n) { return Swap2Strings(t, 3, n - 3), 0; };
  auto swap2 = [](char16_t *t, int32_t n) { return Swap2Strings(t, 2, n - 2), 0; };
  auto replace_aa = [](char16_t *t, int32_t n) {
    return SearchAndReplaceFastW(t, u"aa", u"bb", n, 2), 0;
  };
  auto replace_longer = [](char16_t *t, int32_t n) {
    return SearchAndReplaceFastW(t, u"aa", u"bbb", n, 2), 0;
  };
  auto replace_short_search = [](char16_t *t, int32_t n) {
    return SearchAndReplaceFastW(t, u"a", u"bb", n, 2), 0;
  };
  const std::u16string spaces_long = std::u16string(20, u'w') + u"   " + std::u16string(20, u'v');
  const std::vector<WideCase> cases = {
      {"spaces", remove_spaces, u"a  b", u"a b\0##"s, 3},
      {"spaces trailing", remove_spaces, u"a   ", u"a \0 ##"s, 2},
      {"spaces none", remove_spaces, u"ab", u"ab\0#"s, 2},
      {"spaces one", remove_spaces, u" ", u" \0#"s, 1},
      {"spaces across NUL", remove_spaces, u"  \0  x"s, u" \0 x\0x##"s, 4},
      {"spaces long", remove_spaces, spaces_long,
       std::u16string(20, u'w') + u" " + std::u16string(20, u'v') + u'\0' + u"v##", 41},
      {"crlfs", cut_crlfs, u"\r\n\r\n\r\nx", u"\r\nx\0\r\nx##"s, 3},
      {"crlfs none", cut_crlfs, u"a\r\nb", u"a\r\nb##", 4},
      {"crlfs cr cr lf", cut_crlfs, u"\r\r\n\r\n", u"\r\r\n\0\n##"s, 3},
      {"controls", controls, u"a\tb\0\x1f "s, u"a b   ##", 0},
      {"crs", crs, u"a\r\nb\nc\r\r\n", u"a  b\nc   ##", 0},
      {"swap", swap3, u"abcXY", u"XYabc##", 0},
      {"swap shared cycles", swap2, u"abcdef", u"cdefab##", 0},
      {"swap nul first", swap2, u"\0bcdef"s, u"\0bcdef##"s, 0},
      {"replace all", replace_aa, u"aaaxaa", u"bbaxbb##", 0},
      {"replace other length", replace_longer, u"aaaxaa", u"aaaxaa##", 0},
      {"replace short search", replace_short_search, u"aaaxaa", u"aaaxaa##", 0},
  };
  for (const auto &c : cases) {
    std::u16string buffer = c.input + u"##";
    EXPECT_EQ(c.run(buffer.data(), static_cast<int32_t>(c.input.size())), c.result) << c.name;
    EXPECT_EQ(buffer, c.after) << c.name;
    // A length of zero touches nothing.
    std::u16string untouched = c.input + u"##";
    c.run(untouched.data(), 0);
    EXPECT_EQ(untouched, c.input + u"##") << c.name;
  }
}

struct AnsiCase {
  const char *name;
  std::function<int32_t(char *, int32_t)> run;
  std::string input;
  std::string after;
  int32_t result;
};

ANSILower_or_upperStr_type Table(const std::string &letters) {
  ANSILower_or_upperStr_type table;
  table.length = static_cast<uint8_t>(letters.size());
  letters.copy(table.chars.data(), letters.size());
  return table;
}

TEST(BareAssembRewrite, AnsiRoutinesRewriteExactlyTheirRangeAndTerminator) {
  const auto lowers = Table("\xE9\xE0"), uppers = Table("\xC9\xC0");
  auto clear = [](char *t, int32_t n) { return ClearBetweenChars(t, '<', '>', n); };
  auto clear_same = [](char *t, int32_t n) { return ClearBetweenChars(t, '|', '|', n); };
  auto clean = [](bool remove, int32_t reach) {
    return [=](char *t, int32_t n) { return CleanBetweenChars(t, '<', '>', n, reach, remove); };
  };
  auto capitalise = [&](char *t, int32_t n) { return CapitaliseABuffer(t, lowers, uppers, n), 0; };
  auto cut = [&](char *t, int32_t n) { return CutLowercaseWords(t, lowers, uppers, n), 0; };
  auto unix = [](char *t, int32_t n) { return LengthConvertedToUnix(t, n); };
  auto tabs = [](char *t, int32_t n) { return ReplaceTabsBySpace(t, n), 0; };
  auto crs = [](char *t, int32_t n) { return ReplaceCarriageReturnsBySpaceA(t, n), 0; };
  const std::vector<AnsiCase> cases = {
      {"clear", clear, "x<b>y<z", "xyz\0y<z##"s, 3},
      {"clear nothing", clear, "abc", "abc\0#"s, 3},
      {"clear unmatched run", clear, "<<<a", "a\0<a##"s, 1},
      {"clear same", clear_same, "a|b|c", "abc\0c##"s, 3},
      {"clean out of reach", clean(true, 3), "a<bc>d", "abc>d\0##"s, 5},
      {"clean reach inclusive", clean(true, 4), "a<bc>d", "ad\0c>d##"s, 2},
      {"clean blank", clean(false, 4), "a<bc>d", "a    d\0#"s, 6},
      {"clean blank unmatched", clean(false, 4), "<ab<c>", "ab   \0##"s, 5},
      {"clean no reach", clean(false, 0), "<>", ">\0##"s, 1},
      {"capitalise", capitalise, "caf\xE9 z{\xE0\xE1", "CAF\xC9 Z{\xC0\xE1##", 0},
      {"cut", cut, "the Cat sat", "    Cat    ##", 0},
      {"cut table letters", cut, "\xE9t\xC9 \xE9", "  \xC9  ##", 0},
      {"cut digits keep flag", cut, "A1b x9", "A1b  9##", 0},
      {"unix", unix, "a\r\nb\n\n", "a\rbb\n\n##", 3},
      {"unix none", unix, "ab", "ab##", 2},
      {"tabs", tabs, "\ta\t", " a ##", 0},
      {"crs", crs, "a\r\n\nb", "a  \nb##", 0},
  };
  for (const auto &c : cases) {
    std::string buffer = c.input + "##";
    EXPECT_EQ(c.run(buffer.data(), static_cast<int32_t>(c.input.size())), c.result) << c.name;
    EXPECT_EQ(buffer, c.after) << c.name;
    std::string untouched = c.input + "##";
    c.run(untouched.data(), 0);
    EXPECT_EQ(untouched, c.input + "##") << c.name;
  }
}

TEST(BareAssembRewrite, DamagedCaseTableLengthStaysInsideTheTable) {
  ANSILower_or_upperStr_type lowers = Table("\xE9"), uppers = Table("\xC9");
  lowers.length = 255; // as a damaged settings record might hold
  uppers.length = 255;
  std::string text = "\xE9\xFF";
  CapitaliseABuffer(text.data(), lowers, uppers, 2);
  EXPECT_EQ(text, "\xC9\xFF");
  CutLowercaseWords(text.data(), lowers, uppers, 2);
  EXPECT_EQ(text, "\xC9\xFF");
}

TEST(BareAssembRewrite, FillsAndZeroWidthMarks) {
  std::u16string wide = u"abcd";
  BlankOutSomeBytesW(wide.data(), 2);
  EXPECT_EQ(wide, u"  cd");
  ZeroSomeBytesW(wide.data(), 3);
  EXPECT_EQ(wide, u"\0\0\0d"s);
  ZeroSomeBytesW(wide.data(), -1);
  std::string narrow = "abc";
  BlankOutSomeBytesA(narrow.data(), 1);
  ReplaceCharacterBySpace(narrow.data(), 'c', 3);
  EXPECT_EQ(narrow, " b ");
  std::u16string marks = u"a\u200Db\u200Cc";
  ReplaceCharacterBySpaceW(marks.data(), u'c', 4); // the c lies outside the length
  EXPECT_EQ(marks.back(), u'c');
  std::vector<uint16_t> types(5, 0x0100);
  SetZeroWidthJoinersToDefined(marks.data(), types.data(), 5);
  SetZeroWidthNonJoinersToDefinedAlpha(marks.data(), types.data(), 5);
  EXPECT_EQ(types, (std::vector<uint16_t>{0x0100, 0x0200, 0x0100, 0x0300, 0x0100}));
}

} // namespace
} // namespace textcore
