// The buffer matcher on wide and narrow text: every pattern operator at the edges of words,
// markup and structure markers, and the unit counts kept over calls resumed past each hit.
#include "search/buffer_matcher.h"
#include "search/buffer_matcher_sections.h"

#include "platform/nls_char_types.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace textcore {
namespace {

// A text and its class array, each allocated to its exact size so that AddressSanitizer stops any
// read past them. In the text, U+E000 + k stands for a structure marker with code k, and
// everything from "<" to ">" (or from U+0019 to U+0018) is markup.
struct Buffer {
  int32_t n = 0;
  std::unique_ptr<char16_t[]> wide;
  std::unique_ptr<uint8_t[]> narrow;
  std::unique_ptr<uint16_t[]> classes;
  int32_t class_count = 0;

  // with_end_entry: the class array has the entry past the text that callers give it.
  Buffer(std::u16string_view text, bool with_end_entry) : n(static_cast<int32_t>(text.size())) {
    const uint16_t *table = CType1Table();
    class_count = n + (with_end_entry ? 1 : 0);
    wide.reset(new char16_t[n]);
    narrow.reset(new uint8_t[n]);
    classes.reset(new uint16_t[class_count]);
    bool markup = false;
    for (int32_t i = 0; i < n; ++i) {
      const char16_t c = text[i];
      wide[i] = c;
      narrow[i] = c >= 0xE000 ? 1 : static_cast<uint8_t>(c);
      if (c == u'<' || c == 0x19)
        markup = true;
      uint16_t cls = table[c];
      if (c >= 0xE000 && c <= 0xE0FF)
        cls = static_cast<uint16_t>(0x8000 | (c - 0xE000));
      else if (c == 0x200D)
        cls = 0x0200; // a joiner, as the callers set it
      else if (markup)
        cls |= 0x0800;
      classes[i] = cls;
      if (c == u'>' || c == 0x18)
        markup = false;
    }
    if (with_end_entry)
      classes[n] = table[0];
  }
};

struct Found {
  int32_t start = -1, hit = 0, exact = 0;
  bool operator==(const Found &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Found &f) {
  return os << "{" << f.start << ", " << f.hit << ", " << f.exact << "}";
}

// Flags: L left-bounded, R right-bounded, C case-sensitive, P punctuation is space.
Found Find(const Buffer &b, int32_t from, const String &pattern, std::string_view flags, bool wide,
           TSearchStatsRec &stats, bool &in_heading, uint16_t pattern_length = 0xFFFF,
           bool ignore_optional = false) {
  const auto has = [&](char f) { return flags.find(f) != std::string_view::npos; };
  const String lower = LowerCase(pattern), upper = UpperCase(pattern);
  const String title = upper.empty() ? upper : upper.substr(0, 1) + lower.substr(1);
  uint16_t hit = 1, exact = 1;
  const void *text = wide ? static_cast<const void *>(b.wide.get() + from)
                          : static_cast<const void *>(b.narrow.get() + from);
  const void *at = NewFindWantedInBuffer(
      text, b.n - from, b.classes.get() + from, b.classes.get(), b.classes.get() + b.class_count,
      upper, has('C') ? pattern : lower, title,
      std::min<uint16_t>(pattern_length, static_cast<uint16_t>(pattern.size())), has('C'), has('L'),
      has('R'), wide, has('P'), false, hit, exact, stats, in_heading, ignore_optional,
      ignore_optional, ignore_optional, ignore_optional);
  if (at == nullptr) {
    EXPECT_EQ(hit, 0);
    EXPECT_EQ(exact, 0);
    return {};
  }
  const int32_t start =
      wide ? static_cast<int32_t>(static_cast<const char16_t *>(at) - b.wide.get())
           : static_cast<int32_t>(static_cast<const uint8_t *>(at) - b.narrow.get());
  return {start, hit, exact};
}

TEST(BufferMatcher, FindsEachOperatorAtEveryEdgeInWideAndNarrowText) {
  struct Case {
    String pattern, text;
    std::string_view flags;
    Found expected;
  } cases[] = {
      {u"cat", u"The Cat sat", "LR", {4, 3, 3}},
      {u"cat", u"concatenate", "LR", {}},
      {u"cat", u"concat", "R", {3, 3, 3}},
      {u"cat", u"cats", "L", {0, 4, 3}},
      {u"cat", u"cats", "LR", {}},
      {u"Cat", u"cat Cat", "LRC", {4, 3, 3}},
      {u"dogs", u"dog", "LR", {}},
      {u"ab", u"ab\u200Dcd e", "L", {0, 5, 2}},
      // "*" inside a word: at least one character, never a space, backs off to find the rest.
      {u"a\u001Db", u"axxb", "LR", {0, 4, 4}},
      {u"a\u001Db", u"ab", "LR", {}},
      {u"a\u001Db", u"a b", "LR", {}},
      {u"a\u001Db", u"ax b", "LR", {}},
      {u"a\u001Db", u"a\rb", "LR", {}},
      {u"a\u001Db", u"axbb", "LR", {0, 4, 4}},
      {u"a\u001Dbc", u"axbbc!", "LR", {0, 5, 5}},
      {u"a\u001D", u"a abc", "LR", {2, 3, 3}},
      {u"ca\u001D dog", u"ca dog", "LR", {0, 6, 6}},
      {u"ca\u001D dog", u"cats, dog", "LRP", {0, 9, 9}},
      // One word, one letter, one character, digits.
      {u"big \u001A dog", u"big red dog", "LR", {0, 11, 11}},
      {u"big \u001A dog", u"a big   red dog", "LR", {2, 13, 13}},
      {u"big \u001A dog", u"big, red dog", "LR", {}},
      {u"\u001A", u"  word  ", "LR", {2, 4, 4}},
      {u"\u001Eat", u"9at hat", "LR", {4, 3, 3}},
      {u"cat\u001E dog", u"cat dog", "LR", {0, 7, 7}},
      {u"cat\u001E dog", u"cats dog", "LR", {0, 8, 8}},
      {u"colo\u001Cr", u"color colour", "LR", {6, 6, 6}},
      {u"\u001C", u", x", "LR", {0, 1, 1}},
      // "?" never takes a white character, so no hit starts, ends or crosses a word edge by it.
      {u"l\u001Cd", u"l d lid", "LR", {4, 3, 3}},
      {u"\u001Cat", u"x, at", "LR", {}},
      {u"ca\u001C", u"ca\n", "LR", {}},
      {u"\u001C\u0442\u043E", u"\n\u0422\u043E", "LR", {}},
      {u"\u001B", u"in 1998.", "LR", {3, 4, 4}},
      {u"\u001B", u"in 1998", "LR", {3, 4, 4}},
      {u"\u001B", u"ab12", "LR", {}},
      {u"\u001B", u"ab12", "R", {2, 2, 2}},
      {u"x\u001B", u"x12y", "L", {0, 4, 3}},
      // A space: white runs, single punctuation, separator runs only when punctuation is space.
      {u"big dog", u"big,dog", "LR", {0, 7, 7}},
      {u"big dog", u"big\r\ndog", "LR", {0, 8, 8}},
      {u"big dog", u"big, dog", "LR", {}},
      {u"big dog", u"big, dog", "LRP", {0, 8, 8}},
      {u"big dog", u"big ,dog", "LR", {}},
      {u"big dog", u"big. Dog", "LRP", {0, 8, 8}},
      // Markup: never a start outside tag mode, skipped and counted inside a hit.
      {u"big dog", u"<b>big</b> dog", "LR", {3, 11, 11}},
      {u"big dog", u"big <i> dog", "LR", {0, 11, 11}},
      {u"big", u"<big>", "LR", {}},
      {u"dog", u"big<i>dog</i>", "LR", {6, 3, 3}},
      {u"\u0019b\u0018big", u"\u0019b\u0018big", "LR", {0, 6, 6}},
      // Far enough in for the block scan, which looks at three letters at once.
      {u"dog", u"a big cat, do<i>g</i> end", "LR", {11, 6, 6}},
      {u"dog", u"a big cat, d<i>og</i> end", "LR", {11, 6, 6}},
      {u"dog", u"a big cat, dox doe dog end", "LR", {19, 3, 3}},
      {u"dog", u"a big cat, d<i>o</i>x dog", "LR", {22, 3, 3}},
      // Structure markers stand between words and end a phrase.
      {u"dog", u"big \uE00F dog", "LR", {6, 3, 3}},
      {u"big", u"big\uE00Fdog", "LR", {0, 3, 3}},
      {u"dog", u"big\uE00Fdog", "LR", {4, 3, 3}},
      {u"big", u"big\uE00Fdog", "L", {0, 3, 3}},
      {u"big dog", u"big \uE00F dog", "LR", {}},
      {u"\u001A", u"\uE00F", "LR", {}},
  };
  for (const Case &c : cases) {
    for (int variant = 0; variant < 3; ++variant) {
      const bool wide = variant != 2, with_end_entry = variant != 1;
      if (!wide && c.text.find(u'\u200D') != String::npos)
        continue;
      Buffer b(c.text, with_end_entry);
      TSearchStatsRec stats;
      bool in_heading = false;
      EXPECT_EQ(Find(b, 0, c.pattern, c.flags, wide, stats, in_heading), c.expected)
          << StringToUTF8(c.text) << " / " << StringToUTF8(c.pattern) << " " << c.flags
          << " variant " << variant;
    }
  }
}

TEST(BufferMatcher, UsesOnlyThePatternLengthAndSafeAlternatives) {
  Buffer b(u"walking walk", true);
  TSearchStatsRec stats;
  bool in_heading = false;
  uint16_t hit = 0, exact = 0;
  const String pattern = u"walk\u001D";
  const auto find = [&](const String &upper, uint16_t length) {
    return NewFindWantedInBuffer(b.wide.get(), b.n, b.classes.get(), b.classes.get(),
                                 b.classes.get() + b.n + 1, upper, pattern, u"", length, false,
                                 true, true, true, false, false, hit, exact, stats, in_heading,
                                 false, false, false, false);
  };
  // The trailing star is left out by the length; the short alternatives are not used.
  EXPECT_EQ(find(u"W", 4), b.wide.get() + 8);
  EXPECT_EQ(find(u"", 0), nullptr);
}

std::vector<std::pair<int32_t, int32_t>> &Calls() {
  static std::vector<std::pair<int32_t, int32_t>> calls;
  return calls;
}
void Record(int32_t unit, int32_t number, int32_t ends_at) {
  Calls().push_back({unit * 1000 + number, ends_at});
}

TEST(BufferMatcher, CountsUnitsOnceOverCallsResumedPastEachHit) {
  HandleSentenceEndProc = [](int32_t n, int32_t at) { Record(1, n, at); };
  HandleParagraphEndProc = [](int32_t n, int32_t at) { Record(2, n, at); };
  HandleHeadingEndProc = [](int32_t n, int32_t at) { Record(3, n, at); };
  HandleSectionEndProc = [](int32_t n, int32_t at) { Record(4, n, at); };
  using Array = std::array<int32_t, 5>;
  struct Counted {
    int32_t hits;
    Array number, position;
    bool in_heading;
    std::vector<std::pair<int32_t, int32_t>> calls; // unit * 1000 + number, and where it ends
  };
  const struct Case {
    String text;
    bool ignore_optional;
    Counted want;
  } cases[] = {
      {u"x y\uE00F x y\uE011 x",
       false,
       {3, {4, 1, 1, 0, 0}, {0, 4, 2, 0, 4}, false, {{1000, 1}, {2000, 3}}}},
      {u"x y\uE00E x y\uE010 x", true, {3, {4, 0, 0, 0, 0}, {0, 4, 4, 0, 4}, false, {}}},
      {u"x\uE014 y\uE015x",
       false,
       {2, {1, 0, 0, 0, 2}, {0, 1, 1, 0, 1}, false, {{4000, 0}, {4001, 2}}}},
      {u"\uE012x y\uE013 x",
       false,
       {2, {2, 0, 0, 2, 0}, {0, 2, 2, 1, 2}, false, {{3000, 0}, {3001, 2}}}},
      {u"\uE012x y\uE013 x", true, {2, {2, 0, 0, 1, 0}, {0, 2, 2, 1, 2}, false, {{3000, 1}}}},
      {u"x aaaa bbbb cccc dddd\uE00F eeee ffff gggg x hhhh",
       false,
       {2, {9, 1, 0, 0, 0}, {0, 6, 9, 0, 9}, false, {{1000, 4}}}},
      {u"\uE012x y", false, {1, {1, 0, 0, 1, 0}, {0, 1, 1, 2, 1}, true, {{3000, 0}}}},
  };
  for (const Case &c : cases) {
    for (const bool wide : {true, false}) {
      Calls().clear();
      Buffer b(c.text, true);
      TSearchStatsRec stats;
      bool in_heading = false;
      int32_t hits = 0;
      for (int32_t from = 0;;) {
        const Found f =
            Find(b, from, u"x", "LR", wide, stats, in_heading, 0xFFFF, c.ignore_optional);
        EXPECT_EQ(stats.out_of, stats.position);
        if (f.start < 0)
          break;
        ++hits;
        from = f.start + 1;
      }
      const std::string name = StringToUTF8(c.text);
      EXPECT_EQ(hits, c.want.hits) << name;
      EXPECT_EQ(stats.number, c.want.number) << name;
      EXPECT_EQ(stats.position, c.want.position) << name;
      EXPECT_EQ(in_heading, c.want.in_heading) << name;
      EXPECT_EQ(Calls(), c.want.calls) << name;
    }
  }
  HandleSentenceEndProc = HandleParagraphEndProc = HandleHeadingEndProc = HandleSectionEndProc =
      DoNothingAtTextSectionEnd;
}

} // namespace
} // namespace textcore
