// Escaping for the output formats: the blocks of plain ASCII written at once must give what the
// characters give one at a time, wherever a character that needs escaping falls.
#include "tools/qmark/text_escapes.h"

#include <gtest/gtest.h>

#include <string>

namespace qmark {
namespace {

std::string Escaped(textcore::StringView text, Escape escape) {
  std::string out;
  AppendEscaped(out, text, escape);
  return out;
}

TEST(TextEscapes, EveryPlaceInABlockGivesWhatTheCharactersGiveAlone) {
  const char16_t odd[] = {u'\t', u'\\', u'"', u'\n', u'\x7F', u'\x1F', u'\u00E9', u'\u2028'};
  for (Escape escape : {Escape::kFlat, Escape::kTsv, Escape::kJson})
    for (char16_t c : odd)
      for (size_t length = 1; length < 40; ++length)
        for (size_t at = 0; at < length; ++at) {
          textcore::String text;
          for (size_t i = 0; i < length; ++i)
            text += static_cast<char16_t>(u'a' + i % 26);
          text[at] = c;
          const textcore::StringView view(text);
          const std::string expected = Escaped(view.substr(0, at), escape) +
                                       Escaped(view.substr(at, 1), escape) +
                                       Escaped(view.substr(at + 1), escape);
          EXPECT_EQ(Escaped(view, escape), expected) << length << " " << at;
        }
  EXPECT_EQ(Escaped(u"a\tb\\c\"d\u00E9", Escape::kTsv), "a\\tb\\\\c\"d\xC3\xA9");
  EXPECT_EQ(Escaped(u"a\tb\\c\"d\x01", Escape::kJson), "a\\tb\\\\c\\\"d\\u0001");
  EXPECT_EQ(Escaped(u"a\tb\\c\"d\n", Escape::kFlat), "a b\\c\"d ");
}

} // namespace
} // namespace qmark
