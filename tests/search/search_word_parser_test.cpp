#include "search/search_word_flags.h"
#include "search/search_word_parser.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

const TMySearchFlags both = default_sw_flags;

TIgnore_tag_type Tags(std::u16string_view opening, std::u16string_view closing) {
  TIgnore_tag_type tags{};
  for (size_t i = 0; i < opening.size(); ++i) {
    tags[i] = opening[i];
    tags[i + 6] = closing[i];
  }
  return tags;
}

TEST(SearchWordParser, TypedFormsBecomeWorkStrings) {
  struct Case {
    String typed, search_text;
    TMySearchFlags flags;
    bool ambiguous = true, tag = false;
  } cases[] = {
      {u"dog", u"dog", both, false},
      {u"*ing", u"ing", {myRightBounded}},
      {u"walk*", u"walk", {myLeftBounded}},
      {u"==Bush==", u"Bush", both + TMySearchFlags{myCaseIsSensitive}},
      {u"~dog", u"dog", both + TMySearchFlags{mySW_To_Avoid}},
      {u"*", u"", {myRightBounded}},
      {u"big * dog", u"big \x1A dog", both},
      {u"a * * b", u"a \x1A \x1A b", both},
      {u"colo?r", u"colo\x1Cr", both},
      {u"\"?\"", u"?", both},
      {u"^#*?x}}}", u"\x1E\x1B\x1D\x1Cx\x15}}", both},
      {u"end/\\", u"end\x13", both},
      {u"/\\start", u"\x10start", both},
      {u"/\\line/\\", u"\x10line\x13", both},
      {u"a/\\b", u"a/\\b", both, false},
      {u"/\\", u"\x13", both},
      {u"end\"/\\\"", u"end/\\", both},
      {u"<i>", u"\x19i\x18", both, true, true},
      {u"<i", u"\x19i", both, true, false},
      {u"\"<\"i\">\"", u"<i>", both, true, false},
      {u"{CHR(65)}b", u"Ab", both},
      {u"  dog  ", u"dog", both},
      {u"\ue002x", u"\ue002x", both, false},
      // Every quoted symbol next to the same symbol unquoted: only the unquoted one operates.
      {u"\"^\"^", u"^\x1E", both},
      {u"\"*\"*", u"*", {myLeftBounded}},
      {u"*\"*\"", u"*", {myRightBounded}},
      {u"x\"*\"*x", u"x*\x1Dx", both},
      {u"\"?\"?", u"?\x1C", both},
      {u"\"#\"#65",
       u"#\x1B"
       u"65",
       both},
      {u"\"#\"65", u"#65", both},
      {u"\"}}}\"}}}", u"}}}\x15}}", both},
      {u"\"==\"==", u"====", both},
      {u"\":\\\":\\", u":\\:\\", both},
      {u"x \"*\" * y", u"x * \x1A y", both},
      {u"\"/\\\"/\\", u"/\\\x13", both},
  };
  for (const Case &c : cases) {
    TSearch_word_format_rec rec;
    rec.n_to_find = 5;
    Parsed_SearchWord(Tags(u"<", u">"), c.typed, rec);
    const std::string typed = StringToUTF8(c.typed);
    EXPECT_EQ(rec.typed_in_text, c.typed) << typed;
    EXPECT_EQ(rec.search_text, c.search_text) << typed;
    EXPECT_EQ(rec.flags, c.flags) << typed;
    EXPECT_EQ(rec.ambiguous, c.ambiguous) << typed;
    EXPECT_EQ(rec.contains_a_tag, c.tag) << typed;
    EXPECT_EQ(rec.n_to_find, 0) << typed;
    EXPECT_EQ(rec.copies[lower_copy].size(), rec.search_text.size()) << typed;
  }
}

TEST(SearchWordParser, ContextMarkerCutsTheItemAndNeedsAWordAfterIt) {
  struct Case {
    String typed, search_text, context;
    bool has_context;
  } cases[] = {
      {u"x context:=y", u"x", u"y", true},
      {u"x context:=", u"x", u"", false},
      {u"x context:=  ", u"x", u"", false},
      {u"x context:=a context:=b", u"x", u"a context:=b", true},
      {u"xcontext:=y", u"xcontext:=y", u"", false},
  };
  for (const Case &c : cases) {
    TSearch_word_format_rec rec;
    Parsed_SearchWord(TIgnore_tag_type{}, c.typed, rec);
    EXPECT_EQ(rec.search_text, c.search_text) << StringToUTF8(c.typed);
    EXPECT_EQ(rec.sw_context_needed, c.context) << StringToUTF8(c.typed);
    EXPECT_EQ(rec.has_file_based_context_word, c.has_context) << StringToUTF8(c.typed);
  }
}

TEST(SearchWordParser, UnparsedItemReadsOnlyItsMarkersAndKeepsCopiesAligned) {
  TSearch_word_format_rec rec;
  rec.hits_found = 9;
  UnParsed_SearchWord(u"*Stra\u00DFe?", rec);
  EXPECT_EQ(rec.search_text, u"Stra\u00DFe?");
  EXPECT_EQ(rec.flags, TMySearchFlags{myRightBounded});
  EXPECT_TRUE(rec.ambiguous);
  EXPECT_EQ(rec.hits_found, 0);
  EXPECT_EQ(rec.copies[upper_copy], u"STRA\u00DFE?");
  EXPECT_EQ(rec.copies[lower_copy], u"stra\u00DFe?");
  EXPECT_EQ(rec.copies[title_copy], u"Stra\u00DFe?");

  // A supplementary first letter is title-cased whole (Deseret).
  UnParsed_SearchWord(u"\U00010428\U00010428", rec);
  EXPECT_FALSE(rec.ambiguous);
  EXPECT_EQ(rec.copies[title_copy], u"\U00010400\U00010428");
  UnParsed_SearchWord(u"", rec);
  EXPECT_TRUE(rec.copies[title_copy].empty());
}

} // namespace
} // namespace textcore
