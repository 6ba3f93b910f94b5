#include "strings/file_name_text.h"
#include "strings/simple_tags.h"
#include "strings/text_cleaning.h"
#include "strings/text_finding.h"

#include "platform/exceptions.h"
#include "platform/nls_code_pages.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

namespace textcore {
namespace {

TEST(TextCleaning, RewritesText) {
  const std::pair<String, StringView> cases[] = {
      {RemovedEmptyLinesOf(u"a\r\n \t\r\n\r\nb\r\n\r\n "), u"a\r\nb\r\n "},
      {StrippedSpacesAtLineStarts(u" a\r\n  b\n c\r\n"), u" a\r\nb\n c\r\n"},
      {StrippedOfSingleAmpersands(u"&File && Save&"), u"File & Save"},
      {StrippedOfSingleAmpersands(u"a&&&b"), u"a&b"},
      {StrippedOfCommas(u",1,234,"), u"1234"},
      {StrippedOfChars(u"axbyc", u"xy"), u"abc"},
      {StrippedSpacesBeforePunctuation(u"Yes ! No  ? a b"), u"Yes! No? a b"},
      {StripWhiteSpaceAndCRLFW(u" a\r\n\t b ", 100), u" a b "},
      {StripWhiteSpaceAndCRLFW(u"ab  cd", 3), u"ab "},
      {StripWhiteSpaceAndCRLFW(StringView(u"a \0 b", 5), 9), u"a "}, // to the #0
      {StripWhiteSpaceAndCRLFW(u"ab", 0), u""},
      {StrippedMultipleLineEnds(u"a\r\n\r\n\n\rb\nc\r"), u"a\r\nb\nc\r\n"},
      {StrippedMultipleLineEnds(u"a\r\n\n\r\r\nb\r\nc", 2), u"a\r\n\r\nb\r\nc"},
      {BackwardsStr(u"ab\U0001F600c"), u"c\U0001F600ba"},
      {InterspersedWithSpaces(u"ab"), u"a b "},
      {RemovedInitialChar(u"##a", u'#'), u"#a"},
      {ReplaceAnyOfTheseWithChar(u"ab", u"abcab", u'-'), u"--c--"},
      {ParaDivHeadingEndToCRLF(u"a</P>b</Div></head></header>"), u"a\r\nb\r\n\r\n</header>"},
      {WithoutMarkup(u"a<b>c<long>d<e", u'<', u'>', 4), u"ac<long>d<e"},
      {WithoutMarkup(u"<a <i>", u'<', u'>', 3), u"<a "}, // markup in a long run
      {FirstXCharactersOfString(u"abcdef", 3, true), u"abc\u2026"},
      {FirstXCharactersOfString(u"abc", 3, true), u"abc"},
      {FirstXCharactersOfString(u"abcd", 3, false), u"abc"},
      {Bracketed(u"(a"), u"(a)"},
      {Bracketed(u""), u"()"},
      {Angle_Bracketed(u"a>"), u"<a>"},
      {UNAngle_Bracketed(u"<a>>"), u"a>"},
      {DoubleQuotesAdded(u" a b "), u"\"a b\""},
      {DoubleQuotesRemoved(u" \"a\" b\" "), u"a b"},
      {StringInNCharacterChunks(u"a, bb, cccc, d, e", u"> ", u", ", 3),
       u"> a, bb, \r\n> cccc, \r\n> d, e"},
      {StringInNCharacterChunks(u"a;b;", u"#", u";", 0), u"#a;\r\n#b;\r\n"}, // sep at the end
      {FromColumnedWidestringToVerticalTabbed(u"a|b|", u'|'), u"a\vb\v"},
      {AcceptableFilename(u"a<b>.txt"), u"a(b)_txt"},
      {AcceptableFilename(StringView(u"a\0b\x1F:c\x7F", 7)), u"a_b__c\x7F"}, // controls
      {BothSlashesExtractFilename(u"a\\b/c.txt"), u"c.txt"},
      {BothSlashesExtractFilename(u"c.txt"), u"c.txt"},
      {TagSwitchedOn(u"</s>"), u"<s>"},
      {TagSwitchedOff(u"<s>"), u"</s>"},
      {TagSwitchedOff(u""), u""},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].first, cases[i].second) << "row " << i;
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
  // Each buffer with the offset of its first comma outside quotes, -1 for none.
  const std::pair<const char *, int> quotes[] = {{"a,b", 1},        {"'a,b',c", 5},
                                                 {"\"a',b\",c", 6}, {"\"a\\\",b\",c", 7},
                                                 {"'a,b", -1},      {"abc", -1}};
  for (const auto &[buffer, offset] : quotes) {
    const char *found = FirstCharInBufferNotInQuotes(buffer, ',');
    EXPECT_EQ(found == nullptr ? -1 : found - buffer, offset) << buffer;
  }
  EXPECT_EQ(PositionOfNumberInString(u"a1b2", -5), 2);
  EXPECT_EQ(PositionOfNumberInString(u"a1b2", 3), 4);
  EXPECT_EQ(PositionOfNumberInString(u"ab", 1), -1);
  const std::pair<const char16_t *, int32_t> brackets[] = {
      {u"x[12]y", 12}, {u"x[12", 12}, {u"x[3][4]", 3}, {u"none", 0}};
  for (const auto &[s, n] : brackets)
    EXPECT_EQ(IntegerInsideSquareBrackets(s), n);
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
