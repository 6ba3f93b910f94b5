#include "strings/file_name_text.h"
#include "strings/simple_tags.h"
#include "strings/text_cleaning.h"
#include "strings/text_finding.h"

#include "platform/exceptions.h"
#include "platform/nls_code_pages.h"

#include <gtest/gtest.h>

#include <functional>

namespace textcore {
namespace {

TEST(TextCleaning, RewritesText) {
  using Rewrite = std::function<String(StringView)>;
  const struct {
    const char *what;
    Rewrite rewrite;
    StringView in;
    StringView out;
  } cases[] = {
      {"empty lines", RemovedEmptyLinesOf, u"a\r\n \t\r\n\r\nb\r\n\r\n ", u"a\r\nb\r\n "},
      {"line starts", StrippedSpacesAtLineStarts, u" a\r\n  b\n c\r\n", u" a\r\nb\n c\r\n"},
      {"ampersands", StrippedOfSingleAmpersands, u"&File && Save&", u"File & Save"},
      {"ampersand runs", StrippedOfSingleAmpersands, u"a&&&b", u"a&b"},
      {"commas", StrippedOfCommas, u",1,234,", u"1234"},
      {"chars", [](StringView s) { return StrippedOfChars(s, u"xy"); }, u"axbyc", u"abc"},
      {"before punctuation", StrippedSpacesBeforePunctuation, u"Yes ! No  ? a b", u"Yes! No? a b"},
      {"white space", [](StringView s) { return StripWhiteSpaceAndCRLFW(s, 100); }, u" a\r\n\t b ",
       u" a b "},
      {"white space to n", [](StringView s) { return StripWhiteSpaceAndCRLFW(s, 3); }, u"ab  cd",
       u"ab "},
      {"white space to #0", [](StringView s) { return StripWhiteSpaceAndCRLFW(s, 9); },
       StringView(u"a \0 b", 5), u"a "},
      {"white space n 0", [](StringView s) { return StripWhiteSpaceAndCRLFW(s, 0); }, u"ab", u""},
      {"line ends", [](StringView s) { return StrippedMultipleLineEnds(s); },
       u"a\r\n\r\n\n\rb\nc\r", u"a\r\nb\nc\r\n"},
      {"two line ends", [](StringView s) { return StrippedMultipleLineEnds(s, 2); },
       u"a\r\n\n\r\r\nb\r\nc", u"a\r\n\r\nb\r\nc"},
      {"backwards", BackwardsStr, u"ab\U0001F600c", u"c\U0001F600ba"},
      {"interspersed", InterspersedWithSpaces, u"ab", u"a b "},
      {"initial", [](StringView s) { return RemovedInitialChar(s, u'#'); }, u"##a", u"#a"},
      {"any of these", [](StringView s) { return ReplaceAnyOfTheseWithChar(u"ab", s, u'-'); },
       u"abcab", u"--c--"},
      {"paragraph ends", ParaDivHeadingEndToCRLF, u"a</P>b</Div></head></header>",
       u"a\r\nb\r\n\r\n</header>"},
      {"markup", [](StringView s) { return WithoutMarkup(s, u'<', u'>', 4); }, u"a<b>c<long>d<e",
       u"ac<long>d<e"},
      {"markup in a long run", [](StringView s) { return WithoutMarkup(s, u'<', u'>', 3); },
       u"<a <i>", u"<a "},
      {"first x", [](StringView s) { return FirstXCharactersOfString(s, 3, true); }, u"abcdef",
       u"abc\u2026"},
      {"first x, short", [](StringView s) { return FirstXCharactersOfString(s, 3, true); }, u"abc",
       u"abc"},
      {"first x, plain", [](StringView s) { return FirstXCharactersOfString(s, 3, false); },
       u"abcd", u"abc"},
      {"bracketed", Bracketed, u"(a", u"(a)"},
      {"bracketed empty", Bracketed, u"", u"()"},
      {"angle", Angle_Bracketed, u"a>", u"<a>"},
      {"unangle", UNAngle_Bracketed, u"<a>>", u"a>"},
      {"quotes added", DoubleQuotesAdded, u" a b ", u"\"a b\""},
      {"quotes removed", DoubleQuotesRemoved, u" \"a\" b\" ", u"a b"},
      {"chunks", [](StringView s) { return StringInNCharacterChunks(s, u"> ", u", ", 3); },
       u"a, bb, cccc, d, e", u"> a, bb, \r\n> cccc, \r\n> d, e"},
      {"chunks, sep at end",
       [](StringView s) { return StringInNCharacterChunks(s, u"#", u";", 0); }, u"a;b;",
       u"#a;\r\n#b;\r\n"},
      {"vertical tabs",
       [](StringView s) { return FromColumnedWidestringToVerticalTabbed(s, u'|'); }, u"a|b|",
       u"a\vb\v"},
      {"acceptable", AcceptableFilename, u"a<b>.txt", u"a(b)_txt"},
      {"acceptable controls", AcceptableFilename, StringView(u"a\0b\x1F:c\x7F", 7), u"a_b__c\x7F"},
      {"both slashes", BothSlashesExtractFilename, u"a\\b/c.txt", u"c.txt"},
      {"both slashes none", BothSlashesExtractFilename, u"c.txt", u"c.txt"},
      {"switched on", TagSwitchedOn, u"</s>", u"<s>"},
      {"switched off", TagSwitchedOff, u"<s>", u"</s>"},
      {"switched off empty", TagSwitchedOff, u"", u""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.rewrite(c.in), c.out) << c.what;
}

TEST(TextCleaning, ReplacesInPlace) {
  String s = u"aaa";
  Replace1With2In(u"aa", u"a", s);
  EXPECT_EQ(s, u"aa"); // what is put in is not searched again
  Replace1With2In(u"", u"x", s);
  EXPECT_EQ(s, u"aa");
  Replace2With4In(u"a", u"b", u"b", u"c", s);
  EXPECT_EQ(s, u"cc");
  AnsiString a = "x.y.z";
  Replace2With4In(".", "..", "x", "", a);
  EXPECT_EQ(a, "..y..z");
  EXPECT_EQ(AnsiStringReplace("aXbxB", "b", "X", {}), "aXXxB");
  EXPECT_EQ(AnsiStringReplace("abab", "b", "X", {rfReplaceAll}), "aXaX");
  EXPECT_EQ(AnsiStringReplace("aBab", "b", "-", {rfIgnoreCase}), "a-ab");
  EXPECT_EQ(AnsiStringReplace("aBab", "b", "-", {rfReplaceAll, rfIgnoreCase}), "a-a-");
  // Letters beyond ASCII match their other case in the system's code page.
  const AnsiString upper = StringToAnsi(u"\u00C9"), lower = StringToAnsi(u"\u00E9");
  if (upper != "?") {
    EXPECT_EQ(AnsiStringReplace("x" + upper, lower, "e", {rfIgnoreCase}), "xe");
  }
}

TEST(TextCleaning, FindsThings) {
  EXPECT_EQ(PosExNearer(u"xxbxa", u"a", u"b", 1), 3);
  EXPECT_EQ(PosExNearer(u"xxbxa", u"a", u"b", 4), 5);
  EXPECT_EQ(PosExNearer(u"xxbxa", u"c", u"", 1), 0);
  const char *text = "one two";
  EXPECT_EQ(StrPosNearerA(text, "two", "ne"), text + 1);
  EXPECT_EQ(StrPosNearerA(text, "xx", nullptr), nullptr);
  EXPECT_EQ(StrPosNearerA(nullptr, "a", "b"), nullptr);
  const char16_t *wide = u"one two";
  EXPECT_EQ(StrPosNearerW(wide, u"two", u"zz"), wide + 4);
  const struct {
    const char *buffer;
    int offset; // -1: none
  } quotes[] = {{"a,b", 1},           {"'a,b',c", 5}, {"\"a',b\",c", 6},
                {"\"a\\\",b\",c", 7}, {"'a,b", -1},   {"abc", -1}};
  for (const auto &q : quotes) {
    const char *found = FirstCharInBufferNotInQuotes(q.buffer, ',');
    EXPECT_EQ(found == nullptr ? -1 : found - q.buffer, q.offset) << q.buffer;
  }
  EXPECT_EQ(PositionOfNumberInString(u"a1b2", -5), 2);
  EXPECT_EQ(PositionOfNumberInString(u"a1b2", 3), 4);
  EXPECT_EQ(PositionOfNumberInString(u"ab", 1), -1);
  const struct {
    const char16_t *s;
    int32_t n;
  } brackets[] = {{u"x[12]y", 12}, {u"x[12", 12}, {u"x[3][4]", 3}, {u"none", 0}};
  for (const auto &b : brackets)
    EXPECT_EQ(IntegerInsideSquareBrackets(b.s), b.n);
  for (const char16_t *bad : {u"x[]", u"[a1]", u"[99999999999]"})
    EXPECT_THROW(IntegerInsideSquareBrackets(bad), EConvertError);
  EXPECT_EQ(ValueString(u"a=b=c"), u"b=c");
  EXPECT_EQ(ValueString(u"abc"), u"");
  EXPECT_EQ(StringHalvesSplitAtMark(u"::", u"a::b::c"),
            std::make_pair(String(u"a"), String(u"b::c")));
  EXPECT_EQ(StringHalvesSplitAtMark(u"::", u"abc"), std::make_pair(String(u"abc"), String()));
}

TEST(TextCleaning, RepeatedChunks) {
  const String a(120, u'a'), b(120, u'b'), c(120, u'c');
  // a comes three times (two after its first place), b twice, c once; short chunks not at all.
  const String text = a + b + a + c + b + a;
  auto repeats = RepeatedXCharChunks(120, text);
  ASSERT_EQ(repeats->Count(), 2);
  EXPECT_EQ(repeats->Strings(0), a);
  EXPECT_EQ(repeats->FreqOf(0), 3); // two from the first a, one from the second
  EXPECT_EQ(repeats->Strings(1), b);
  EXPECT_EQ(repeats->FreqOf(1), 1);
  EXPECT_EQ(RepeatedXCharChunks(50, String(500, u' '))->Count(), 0); // blank once trimmed
  for (int32_t n : {0, -3})
    EXPECT_EQ(RepeatedXCharChunks(n, text)->Count(), 0);
}

TEST(TextCleaning, TagsAndFileNames) {
  bool found = false;
  EXPECT_EQ(SimpleTagValue(u"t", u"x<t>v</t>y", found), u"v");
  EXPECT_TRUE(found);
  EXPECT_EQ(SimpleTagValue(u"t", u"x</t>v<t>y", found), u"");
  EXPECT_FALSE(found);
  EXPECT_EQ(SimpleTagValue(u"t", u"<t>v", found), u"");
  EXPECT_FALSE(found);
  EXPECT_EQ(TrimmedSimpleTagValue(u"t", u"<t> v </t>", found), u"v");
  EXPECT_TRUE(found);
  EXPECT_EQ(TagOnNumbered(u"<s>", 5), u"<s \"5\">");
  EXPECT_EQ(TagOnNumbered(u"<s", 5), u"<s");
  EXPECT_EQ(FilenameWithInsertion(u"/d.x/a.txt", u"_1", true), u"/d.x/a_1.txt");
  EXPECT_EQ(FilenameWithInsertion(u"/d.x/a", u"_1", true), u"/d.x/a_1");
  EXPECT_EQ(FilenameWithInsertion(u"a.txt", u"_1", false), u"a.txt_1");
  TStringList folders;
  folders.SetText(u"/a/one/\r\nc:\\two\r\nthree");
  EXPECT_EQ(FolderNamesAsText(folders, 1), u"one+two");
  EXPECT_EQ(FolderNamesAsText(folders, 9), u"one+two+three");
  EXPECT_EQ(FolderNamesAsText(folders, -1), u"");
}

} // namespace
} // namespace textcore
