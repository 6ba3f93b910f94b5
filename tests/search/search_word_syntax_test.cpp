#include "search/search_word_flags.h"
#include "search/search_word_parser.h"
#include "search/search_word_syntax.h"

#include <gtest/gtest.h>

#include <vector>

namespace textcore {
namespace {

TIgnore_tag_type Tags(std::u16string_view opening, std::u16string_view closing) {
  TIgnore_tag_type tags{};
  for (size_t i = 0; i < opening.size(); ++i) {
    tags[i] = opening[i];
    tags[i + 6] = closing[i];
  }
  return tags;
}

std::vector<String> Items(String text, bool split) {
  auto list = SplitSWList(text, split);
  EXPECT_TRUE(text.empty());
  std::vector<String> items;
  for (int32_t i = 0; i < list->Count(); ++i)
    items.push_back(list->Strings(i));
  return items;
}

TEST(SearchWordSyntax, SplitCutsAtSlashesThatAreNeitherQuotedNorAtTheEdgesNorLineBreaks) {
  struct Case {
    String text;
    bool split;
    std::vector<String> items;
  } cases[] = {
      {u"cat/dog", true, {u"cat", u"dog"}},
      {u"cat/dog", false, {u"cat/dog"}},
      {u"\"/\"x", true, {u"\"/\"x"}},
      {u"/cat/", true, {u"/cat/"}},
      {u"a/b/c", true, {u"a", u"b", u"c"}},
      {u"x\"/\"/y", true, {u"x\"/\"/y"}},
      {u"end/\\", true, {u"end/\\"}},
      {u"a/\\/b", true, {u"a/\\", u"b"}},
      {u"", true, {}},
  };
  for (const Case &c : cases)
    EXPECT_EQ(Items(c.text, c.split), c.items) << StringToUTF8(c.text);
}

TEST(SearchWordSyntax, TranslateReplacesFirstCharacterOfEachOccurrence) {
  String text = u"a}}}}}}}b";
  EXPECT_TRUE(Parse_Translate(text, u"}}}", 0x15));
  EXPECT_EQ(text, u"a\x15}}\x15}}}b");
  EXPECT_FALSE(Parse_Translate(text, u"#", 0x1B));
}

TEST(SearchWordSyntax, EveryQuotedSymbolSurvivesRetainAndRestoreBesideItsUnquotedSelf) {
  for (int32_t i = 0; i < literal_symbol_count; ++i) {
    const String quoted(literal_symbol_table[i]);
    const String bare = LiteralSymbolBare(quoted);
    String text = bare + quoted + bare + u" " + quoted;
    Parse_Retain(text, sw_literal_base);
    const String code(1, static_cast<char16_t>(sw_literal_base + i));
    EXPECT_EQ(text.find(u'"'), String::npos) << i;
    Parse_Restore(text, sw_literal_base);
    EXPECT_EQ(text, bare + bare + bare + u" " + bare) << i;
  }
}

TEST(SearchWordSyntax, OperatorsBecomeTheirCodes) {
  String text = u"a * * b ^#*?}}}";
  TranslateAnyWordSymbols(text);
  DoMainParse_Translates(text);
  EXPECT_EQ(text, u"a \x1A \x1A b \x1E\x1B\x1D\x1C\x15}}");
}

// A symbol compared with a text held elsewhere compares characters, not addresses.
TEST(SearchWordSyntax, SymbolsCompareEqualToTheSameTextAnywhere) {
  const String typed[] = {u" * ", u"}}}", u"/\\"};
  const char16_t *held[] = {typed[0].c_str(), typed[1].c_str(), typed[2].c_str()};
  EXPECT_TRUE(held[0] == any_word_symbol_char);
  EXPECT_TRUE(held[1] == any_string_symbol_str);
  EXPECT_TRUE(held[2] == crlf_symbol_string);
  EXPECT_FALSE(held[1] == crlf_symbol_string);
}

TEST(SearchWordSyntax, PairedMarkupNeedsItsOwnOpeningAndClosing) {
  struct Case {
    String opening, closing, text, after;
    bool paired;
  } cases[] = {
      {u"<", u">", u"<i>", u"\x19i\x18", true},
      {u"<", u">", u"<i", u"\x19i", false},
      {u"<", u">", u"i>", u"i>", false},
      // An unused later pair neither spoils an earlier match nor translates its stray closer.
      {u"<[", u">]", u"<i>]", u"\x19i\x18]", true},
      {u"[<", u"]>", u"<i>]", u"\x19i\x18]", true},
      {u"<[", u">]", u"<i]", u"\x19i]", false},
      {u"||", u"||", u"|i|", u"\x19i\x19", false},
  };
  for (const Case &c : cases) {
    String text = c.text;
    EXPECT_EQ(ContainsPairedTagMarkup(Tags(c.opening, c.closing), text), c.paired)
        << StringToUTF8(c.text);
    EXPECT_EQ(text, c.after) << StringToUTF8(c.text);
  }
}

TEST(SearchWordSyntax, TagWildcardsConvertTheFirstOccurrencePerRow) {
  struct Case {
    String text, after;
  } cases[] = {
      {u"~p", u"\x1Fp"},
      {u"h*", u"h\x1D"},
      {u"h**", u"h\x1D*"},
      {u"h\"*\"*", u"h**"},
      {u"~^*?#", u"\x1F\x1E\x1D\x1C\x1B"},
  };
  for (const Case &c : cases) {
    String text = c.text;
    TagWildcardConverted(text);
    EXPECT_EQ(text, c.after) << StringToUTF8(c.text);
  }
}

TEST(SearchWordFlags, TypedMarkersBecomeFlags) {
  const TMySearchFlags both = default_sw_flags;
  struct Case {
    String typed, text;
    TMySearchFlags flags;
  } cases[] = {
      {u"", u"", both},
      {u"==Bush==", u"Bush", both + TMySearchFlags{myCaseIsSensitive}},
      {u"*", u"", {myRightBounded}},
      {u"**", u"", {}},
      {u"*~dog", u"~dog", {myRightBounded}},
      {u"~*dog*", u"*dog", {myLeftBounded, mySW_To_Avoid}},
      {u"==", u"==", both},
      {u"===", u"===", both},
      {u"====", u"", both + TMySearchFlags{myCaseIsSensitive}},
      {u"==*Bu*==", u"Bu", {myCaseIsSensitive}},
  };
  for (const Case &c : cases) {
    String text = c.typed;
    EXPECT_EQ(FlagsFromSW(text), c.flags) << StringToUTF8(c.typed);
    EXPECT_EQ(text, c.text) << StringToUTF8(c.typed);
  }
}

// Writing the markers and reading them back gives the flags that have a marker (case and the two
// boundaries) for every combination; exclusion, replace and confirm have none and are lost. A
// text that begins with "*" or "~" or ends with "*", or an empty text with one boundary, reads
// differently.
TEST(SearchWordFlags, MarkersWrittenReadBackExceptWhereTheSyntaxHasNone) {
  const TMySearchFlags marked{myCaseIsSensitive, myLeftBounded, myRightBounded};
  for (const String &text : {String(u"dog"), String(u"="), String(u"a*b")}) {
    for (int bits = 0; bits < 64; ++bits) {
      TMySearchFlags flags = TMySearchFlags::FromBytes({static_cast<uint8_t>(bits)});
      String typed = SWStringPlusFlags(text, flags);
      EXPECT_EQ(FlagsFromSW(typed), flags * marked) << bits;
      EXPECT_EQ(typed, text) << bits;
    }
  }
  struct Broken {
    String text;
    TMySearchFlags written, read;
  } broken[] = {
      {u"*x", default_sw_flags, {myRightBounded}},
      {u"x*", default_sw_flags, {myLeftBounded}},
      {u"~x", default_sw_flags, default_sw_flags + TMySearchFlags{mySW_To_Avoid}},
      {u"==x==", default_sw_flags, default_sw_flags + TMySearchFlags{myCaseIsSensitive}},
      {u"", {myLeftBounded}, {myRightBounded}},
  };
  for (const Broken &b : broken) {
    String typed = SWStringPlusFlags(b.text, b.written);
    EXPECT_EQ(FlagsFromSW(typed), b.read) << StringToUTF8(b.text);
  }
}

} // namespace
} // namespace textcore
