// qmark wordlist end to end: counts worked by hand, the word rules concord uses, the column
// headings of the suite's word list, and bad input.
#include "tools/qmark/wordlist.h"

#include "qmark/command_runs.h"

#include <gtest/gtest.h>

#include <string>

namespace qmark {
namespace {

Result Wordlist(const Strings &args) {
  Strings all{"--lang", "en", "--format", "tsv"};
  all.insert(all.end(), args.begin(), args.end());
  return RunCommand(RunWordlist, all);
}

TEST(Wordlist, CountsTheTypesOfTextsAsWorkedByHand) {
  InFolder folder;
  // Ten running words: the x3, cat x2, sat, on, mat, don't, well-known.
  WriteFile("a.txt", "The cat sat on the mat.\r\nThe cat: don't well-known!");
  WriteFile("b.txt", "cat <b>m</b>at 42");
  struct Case {
    Strings args;
    std::string out;
  } cases[] = {
      {{"a.txt"},
       "N\tWord\tFreq.\t%\tTexts\t%\n"
       "1\tthe\t3\t30.00\t1\t100.00\n"
       "2\tcat\t2\t20.00\t1\t100.00\n"
       "3\tdon't\t1\t10.00\t1\t100.00\n"
       "4\tmat\t1\t10.00\t1\t100.00\n"
       "5\ton\t1\t10.00\t1\t100.00\n"
       "6\tsat\t1\t10.00\t1\t100.00\n"
       "7\twell-known\t1\t10.00\t1\t100.00\n"},
      {{"--min-freq", "2", "a.txt"},
       "N\tWord\tFreq.\t%\tTexts\t%\n1\tthe\t3\t30.00\t1\t100.00\n2\tcat\t2\t20.00\t1\t100.00\n"},
      {{"--case", "--min-freq", "2", "a.txt"},
       "N\tWord\tFreq.\t%\tTexts\t%\n1\tcat\t2\t20.00\t1\t100.00\n2\tThe\t2\t20.00\t1\t100.00\n"},
      // Markup is no part of a word, and a number is a word as concord finds it.
      {{"--markup", "--sort", "alpha", "b.txt"},
       "N\tWord\tFreq.\t%\tTexts\t%\n1\t42\t1\t33.33\t1\t100.00\n2\tcat\t1\t33.33\t1\t100.00\n"
       "3\tmat\t1\t33.33\t1\t100.00\n"},
      // Two texts: thirteen running words, "cat" in both.
      {{"--markup", "--min-freq", "2", "a.txt", "b.txt"},
       "N\tWord\tFreq.\t%\tTexts\t%\n1\tcat\t3\t23.08\t2\t100.00\n2\tthe\t3\t23.08\t1\t50.00\n"
       "3\tmat\t2\t15.38\t2\t100.00\n"},
      {{"--middles", "", "--min-freq", "2", "a.txt"},
       "N\tWord\tFreq.\t%\tTexts\t%\n1\tthe\t3\t25.00\t1\t100.00\n2\tcat\t2\t16.67\t1\t100.00\n"},
  };
  for (const Case &c : cases) {
    const Result got = Wordlist(c.args);
    EXPECT_EQ(got.status, 0) << c.args[0] << got.err;
    EXPECT_EQ(got.out, c.out) << c.args[0];
  }
  EXPECT_EQ(Wordlist({"a.txt"}).err, "qmark: 10 running words, 7 types in 1 text read\n");
}

TEST(Wordlist, WordsAcrossWindowEdgesAreCountedOnce) {
  InFolder folder;
  std::string text;
  for (int i = 0; i < 400; ++i)
    text += "alpha be\xC3\xA9ta <i>gam</i>ma\r\n";
  WriteFile("t.txt", text);
  const Strings args{"--markup", "t.txt"};
  const Result whole = Wordlist(args);
  for (size_t units : {1, 7, 100}) {
    const Windowed tiny(TinyWindowing(units));
    EXPECT_EQ(Wordlist(args).out, whole.out) << units;
  }
  EXPECT_EQ(whole.out, "N\tWord\tFreq.\t%\tTexts\t%\n1\talpha\t400\t33.33\t1\t100.00\n"
                       "2\tbe\xC3\xA9ta\t400\t33.33\t1\t100.00\n3\tgamma\t400\t33.33\t1\t100.00\n");
}

TEST(Wordlist, FormatsAndBadInput) {
  InFolder folder;
  WriteFile("a.txt", "one two two");
  WriteFile("empty.txt", "");
  const Result json = RunCommand(RunWordlist, {"--lang", "en", "--format", "json", "a.txt"});
  EXPECT_EQ(json.out, "{\"columns\": [\"N\", \"Word\", \"Freq.\", \"%\", \"Texts\", \"%\"],\n"
                      "\"rows\": [\n[1, \"two\", 2, 66.67, 1, 100.00],\n"
                      "[2, \"one\", 1, 33.33, 1, 100.00]\n]}\n");
  const Result text = RunCommand(RunWordlist, {"--lang", "en", "a.txt"});
  EXPECT_EQ(text.out, "N  Word  Freq.      %  Texts       %\n"
                      "1  two       2  66.67      1  100.00\n"
                      "2  one       1  33.33      1  100.00\n");
  const Result empty = Wordlist({"empty.txt"});
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "N\tWord\tFreq.\t%\tTexts\t%\n");
  struct Bad {
    Strings args;
    int status;
    std::string err_start;
  } bad[] = {
      {{}, 2, "qmark wordlist: no path given"},
      {{"--sort", "size", "a.txt"}, 2, "qmark wordlist: --sort is freq or alpha"},
      {{"--min-freq", "0", "a.txt"}, 2, "qmark wordlist: --min-freq must be"},
      {{"--min-freq", "2x", "a.txt"}, 2, "qmark wordlist: --min-freq must be"},
      {{"--mask", ";", "."}, 2, "qmark wordlist: --mask names no file"},
      {{"missing.txt", "a.txt"}, 1, "qmark wordlist: cannot read 'missing.txt'"},
  };
  for (const Bad &b : bad) {
    const Result got = Wordlist(b.args);
    EXPECT_EQ(got.status, b.status) << got.err;
    EXPECT_EQ(got.err.substr(0, b.err_start.size()), b.err_start);
  }
}

} // namespace
} // namespace qmark
