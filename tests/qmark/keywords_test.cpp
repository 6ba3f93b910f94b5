// qmark keywords end to end: a key word whose 2x2 table gives a known log-likelihood, negative
// key words, saved word lists on either side, and bad input.
#include "tools/qmark/keywords.h"

#include "definitions/list_signature.h"
#include "platform/streams.h"
#include "qmark/command_runs.h"
#include "tools/qmark/saved_word_list.h"

#include <gtest/gtest.h>

#include <string>

namespace qmark {
namespace {

void WriteWordList(const std::string &path, const SavedWordList &list) {
  std::string bytes, reason;
  ASSERT_TRUE(WordListBytes(list, bytes, reason)) << reason;
  WriteFile(path, bytes);
}

std::string Repeated(const std::string &word, int n) {
  std::string text;
  for (int i = 0; i < n; ++i)
    text += word + " ";
  return text;
}

Result Keywords(const Strings &args) {
  Strings all{"--lang", "en", "--format", "tsv"};
  all.insert(all.end(), args.begin(), args.end());
  return RunCommand(RunKeywords, all);
}

TEST(Keywords, ScoresAgainstTextsOrSavedLists) {
  InFolder folder;
  // 100 running words, "zed" 50 of them; the reference has it 10 times in a million. By hand:
  // expected 100 x 60 / 1,000,100 and 1,000,000 x 60 / 1,000,100, so
  // LL = 2 (50 ln(50 / 0.0059994) + 10 ln(10 / 59.994)) = 866.99.
  std::string text = Repeated("zed", 50);
  for (int i = 0; i < 50; ++i)
    text += "w" + std::to_string(i) + " ";
  WriteFile("text.txt", text);
  WriteWordList("million.lst", {1000000, 10, {{u"zed", 10, 3}, {u"the", 60000, 10}}});
  const Result got = Keywords({"text.txt", "million.lst"});
  EXPECT_EQ(got.status, 0) << got.err;
  EXPECT_EQ(got.out, "N\tKey word\tFreq.\t%\tTexts\tRC. Freq.\tRC. %\tLog_L\tLog_R\tP\n"
                     "1\tzed\t50\t50.00\t1\t10\t\t866.98\t15.61\t0.0000000000\n");
  // The texts' word list saved first gives the same.
  WriteWordList("text.lst", {100, 1, {{u"zed", 50, 1}}});
  EXPECT_EQ(Keywords({"text.lst", "million.lst"}).out, got.out);
  // A word rarer than the reference leads one to expect is a negative key word, listed last:
  // "the" 3 in 100 against 6 in 100 gives LL = -1.84 and a log ratio of -1, likely by chance
  // (P 0.18), so only a lax --p lets it through.
  WriteFile("the.txt", Repeated("zed", 97) + "the the the");
  const Result negative = Keywords({"--p", "0.5", "the.txt", "million.lst"});
  EXPECT_EQ(negative.out, "N\tKey word\tFreq.\t%\tTexts\tRC. Freq.\tRC. %\tLog_L\tLog_R\tP\n"
                          "1\tzed\t97\t97.00\t1\t10\t\t1720.39\t16.57\t0.0000000000\n"
                          "2\tthe\t3\t3.00\t1\t60000\t6.00\t-1.84\t-1.00\t0.1748376558\n");
}

TEST(Keywords, BadInputAndUsage) {
  InFolder folder;
  WriteFile("text.txt", Repeated("zed", 5));
  WriteFile("empty.txt", "");
  // A list of another kind is no reference.
  textcore::TMemoryStream stream;
  textcore::TCheckSignature header;
  ASSERT_TRUE(textcore::DiskSignatureISOKForToolAndList(
      header, textcore::tt_concord, textcore::lt_concordance_list, stream, textcore::writing));
  stream.Write("more", 4);
  WriteFile("kwic.cnc",
            std::string(reinterpret_cast<const char *>(stream.Memory()), stream.Size()));
  WriteFile("damaged.lst", std::string(reinterpret_cast<const char *>(stream.Memory()), 17) +
                               std::string("\x0BWord List32", 12) + std::string(40, '\0'));
  struct Bad {
    Strings args;
    int status;
    std::string err_start;
  } bad[] = {
      {{"text.txt"}, 2, "qmark keywords: no reference given"},
      {{"--p", "0", "text.txt", "text.txt"}, 2, "qmark keywords: --p must be"},
      {{"--measure", "chi", "text.txt", "text.txt"}, 2, "qmark keywords: --measure is ll or lr"},
      {{"text.txt", "kwic.cnc"}, 1, "qmark keywords: 'kwic.cnc': a Concordance list, not a"},
      {{"text.txt", "damaged.lst"}, 1, "qmark keywords: 'damaged.lst': "},
      {{"empty.txt", "text.txt"}, 1, "qmark keywords: the texts have no words"},
      {{"text.txt", "missing"}, 1, "qmark keywords: cannot read 'missing'"},
  };
  for (const Bad &b : bad) {
    const Result got = Keywords(b.args);
    EXPECT_EQ(got.status, b.status) << b.args.back() << got.err;
    EXPECT_EQ(got.err.substr(0, b.err_start.size()), b.err_start) << b.args.back();
  }
}

} // namespace
} // namespace qmark
