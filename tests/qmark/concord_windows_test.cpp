// qmark concord over texts cut into tiny windows: every line, context, sort and count must come
// out exactly as from the text in one window, whatever falls on a window's edge.
#include "tools/qmark/concord.h"

#include "platform/strings.h"
#include "qmark/command_runs.h"

#include <gtest/gtest.h>

#include <string>

namespace qmark {
namespace {

Result ConcordWith(const ConcordWindowing &windowing, const Strings &args) {
  const Windowed scope(windowing);
  return RunCommand(RunConcord, args);
}

std::string Utf16(const std::u16string &text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

// A text with a hit in every few characters, pairs, marks and line ends of both kinds.
std::u16string Busy() {
  std::u16string text;
  for (int i = 0; i < 8; ++i)
    text += u"the cat\r\nsaw \U0001F600the dog's tail-end the\u2019s cafe\u0301 the\n";
  return text + u"at the end: the";
}

TEST(ConcordWindows, EveryWindowingGivesTheWholeTextsOutput) {
  const std::string busy = textcore::StringToUTF8(Busy());
  struct Case {
    const char *what;
    std::string bytes;
    Strings options;
  } cases[] = {
      {"UTF-8", busy, {}},
      {"UTF-8 sorted on the right", busy, {"--sort", "R1,L2"}},
      {"UTF-8 as JSON", busy, {"--format", "json", "--width", "6"}},
      {"UTF-16", Utf16(Busy(), false), {"--format", "tsv"}},
      {"UTF-16 big-endian", Utf16(Busy(), true), {"--sort", "L1"}},
      {"8-bit", "caf\xE9 the \xE9t\xE9 the\r\nthe\x92s end the", {}},
      {"UTF-8 with a stray byte",
       "the caf\xC3\xA9 na\xC3\xAFve the \xFF the \xC3\xA9t\xC3\xA9 the \xC3\xA0 la the",
       {}},
      {"markup",
       "<p>the <b>ca</b>t the<br/>the</p> <a href=\"x\">the</a> c<i>a</i>t\n<p>the end the",
       {"--markup"}},
      {"several markup pairs",
       "[x] the {y} the [z the] the {",
       {"--markup", "--markup-pairs", "[]{}"}},
      {"words that need not start or end a word", busy, {}},
      {"counts", busy, {"--count"}},
  };
  const Strings words_for[] = {{"the/cat"}, {"*he/th*"}};
  for (const Case &c : cases) {
    InFolder folder;
    WriteFile("a.txt", c.bytes);
    for (const Strings &words : words_for) {
      Strings args = c.options;
      args.insert(args.end(), words.begin(), words.end());
      args.push_back("a.txt");
      ConcordWindowing whole;
      whole.reach = 24;
      whole.longest_hit = 24;
      whole.plain = false; // every window classified
      const Result expected = ConcordWith(whole, args);
      ASSERT_EQ(expected.status, 0) << c.what << expected.err;
      ASSERT_NE(expected.out, "") << c.what;
      for (size_t units : {1, 3, 50}) {
        for (size_t bytes : {1, 5, 64}) {
          ConcordWindowing tiny = whole;
          tiny.plain = units != 3; // plain words sought where they stand, and by a whole pass
          tiny.window_units = units;
          tiny.read_bytes = bytes;
          const Result got = ConcordWith(tiny, args);
          EXPECT_EQ(got.out, expected.out) << c.what << ", " << words[0] << ", windows of " << units
                                           << " units, " << bytes << " bytes read";
          EXPECT_EQ(got.err, expected.err) << c.what;
        }
      }
    }
  }
}

TEST(ConcordWindows, ATextOfManyWindowsHasItsHitsInEveryOne) {
  InFolder folder;
  std::string text;
  for (int i = 0; i < 5000; ++i)
    text += "line " + std::to_string(i) + " of the text\n";
  WriteFile("big.txt", text);
  const Strings args{"--format", "tsv", "the", "big.txt"};
  ConcordWindowing small;
  small.window_units = 4096; // some 27 windows
  const Result got = ConcordWith(small, args);
  const Result whole = RunCommand(RunConcord, args);
  EXPECT_EQ(got.out, whole.out);
  small.plain = false; // every window classified as it is read
  EXPECT_EQ(ConcordWith(small, args).out, whole.out);
  const Strings rows = Lines(got.out);
  ASSERT_EQ(rows.size(), 5001u);
  EXPECT_EQ(rows[1],
            "big.txt\t1:11\tline 0 of \tthe\t text\\nline 1 of the text\\nline 2 of the t\tthe");
  EXPECT_EQ(rows[5000],
            "big.txt\t5000:14\ttext\\nline 4998 of the text\\nline 4999 of \tthe\t text\\n\tthe");
}

// Long runs of plain ASCII with the words bunched in a few places, and stretches that are no
// ASCII, so that runs far from every hit are passed over unread.
std::string Sparse(const std::string &accented) {
  std::string filler;
  for (int i = 0; i < 12; ++i)
    filler += "a long line of filler " + std::to_string(i) + "\r\nand more\n";
  return "The first line holds the word\n" + filler + "here the cat, the " + accented + " cat\n" +
         filler + filler + accented + " " + filler + "a cat at the very end: the";
}

TEST(ConcordWindows, RunsFarFromPlainWordsArePassedOverUnchanged) {
  struct Case {
    const char *what;
    std::string bytes;
    Strings options;
  } cases[] = {
      {"UTF-8", Sparse("caf\xC3\xA9 \xF0\x9F\x98\x80"), {}},
      {"UTF-8 as JSON", Sparse("cafe\xCC\x81"), {"--format", "json"}},
      {"UTF-8 sorted", Sparse("na\xC3\xAFve"), {"--sort", "R1,L2"}},
      {"8-bit", Sparse("caf\xE9"), {"--format", "tsv"}},
      {"UTF-16", Utf16(textcore::UTF8ToString(Sparse("caf\xC3\xA9")), false), {}},
  };
  for (const Case &c : cases) {
    InFolder folder;
    WriteFile("a.txt", c.bytes);
    for (const char *words : {"the", "the/cat", "cat/~the"}) {
      Strings args = c.options;
      args.push_back(words);
      args.push_back("a.txt");
      ConcordWindowing read_all;
      read_all.reach = 24;
      read_all.skip = false;
      const Result expected = ConcordWith(read_all, args);
      ASSERT_EQ(expected.status, 0) << c.what << expected.err;
      ASSERT_NE(expected.out, "") << c.what;
      for (size_t units : {1, 50, 4096}) {
        ConcordWindowing skipping = read_all;
        skipping.skip = true;
        skipping.window_units = units;
        skipping.read_bytes = 7;
        EXPECT_EQ(ConcordWith(skipping, args).out, expected.out)
            << c.what << ", " << words << ", windows of " << units;
        skipping.kept_bytes = 0; // read twice: nothing passed over
        EXPECT_EQ(ConcordWith(skipping, args).out, expected.out) << c.what << ", not kept";
      }
    }
  }
}

// Files read two at a time come out in their order, with their notes and problems between their
// lines, also once a common word leaves one reader to read the rest.
TEST(ConcordWindows, FilesReadAtOnceComeOutInOrder) {
  InFolder folder;
  std::string common;
  for (int i = 0; i < 300; ++i)
    common += "the cat and the dog\n";
  WriteFile("a1.txt", common);
  WriteFile("a2.txt", Sparse("caf\xE9"));
  WriteFile("a3.txt", std::string("PK\x03\x04 the", 8));
  WriteFile("a4.txt", "na\xC3\xAFve \xFF the");
  WriteFile("a5.txt", Sparse("na\xC3\xAFve"));
  WriteFile("a6.txt", common);
  for (const char *words : {"the", "cat", "*he"}) {
    const Strings args{"--format", "tsv",    words,    "a1.txt",      "a2.txt",
                       "a3.txt",   "a4.txt", "a5.txt", "missing.txt", "a6.txt"};
    ConcordWindowing each;
    each.reach = 24;
    each.plain = false; // both readers throughout
    const Result expected = ConcordWith(each, args);
    ASSERT_EQ(expected.status, 1) << expected.err; // the missing file
    for (size_t units : {7, 1000}) {
      ConcordWindowing plain = each;
      plain.plain = true;
      plain.window_units = units;
      const Result got = ConcordWith(plain, args);
      EXPECT_EQ(got.out, expected.out) << words << ", windows of " << units;
      EXPECT_EQ(got.err, expected.err) << words;
    }
  }
}

} // namespace
} // namespace qmark
