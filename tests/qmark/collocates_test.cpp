// qmark collocates end to end: the neighbours of a node and their scores worked by hand, spans
// that end at a text's edge, thresholds, window edges, and bad usage.
#include "tools/qmark/collocates.h"

#include "qmark/command_runs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

namespace qmark {
namespace {

Result Collocates(const Strings &args) {
  Strings all{"--lang", "en", "--format", "tsv", "--min-freq", "1"};
  all.insert(all.end(), args.begin(), args.end());
  return RunCommand(RunCollocates, all);
}

constexpr std::string_view kHeadings = "N\tWord\tWith\tDice\tMI\tMI3\tZ\tLog_L\tT\tLog_R\tTexts\t"
                                       "Total\tTotal Left\tTotal Right";

// Two texts, eight running words, three hits of "cat", one word each side. By hand, with f1 = 3
// hits, n = 8 and a span of 2:
//   y: left of the first cat and of the cat of b.txt (the span stops at a text's edge, so it is
//      not right of a.txt's last cat): joint 2, f2 2. Dice 2x2/5 = 0.80; MI log2(2x8/6) = 1.42;
//      MI3 log2(8x8/6) = 3.42; Z with p = 2/5, E = 2.4: -0.4/sqrt(0.6x2.4) = -0.33; Log_L of
//      the table (2, 0, 4, 5) = 2.79; T (2 - 6/8)/sqrt 2 = 0.88; Log_R log2(3/2) = 0.58.
//   z: between a.txt's two cats, so at R1 of one and L1 of the other: Total 2 but joint 1, f2 1.
//      Dice 0.50; MI = MI3 = log2(8/3) = 1.42; Z -0.2/sqrt(0.8x1.2) = -0.20; Log_L of (1, 0, 5,
//      5) = 1.30; T 1 - 3/8 = 0.62 (0.625 in single precision); Log_R log2 3 = 1.58.
//   q: right of the last cat once: the scores of z, Total 1.
constexpr std::string_view kY = "y\tcat\t0.80\t1.42\t3.42\t-0.33\t2.79\t0.88\t0.58\t2\t2\t2\t0";
constexpr std::string_view kZ = "z\tcat\t0.50\t1.42\t1.42\t-0.20\t1.30\t0.62\t1.58\t1\t2\t1\t1";
constexpr std::string_view kQ = "q\tcat\t0.50\t1.42\t1.42\t-0.20\t1.30\t0.62\t1.58\t1\t1\t0\t1";

std::string Rows(std::initializer_list<std::string_view> rows, std::string_view extra = "") {
  std::string out = std::string(kHeadings) + std::string(extra) + "\n";
  int n = 0;
  for (std::string_view row : rows)
    out += std::to_string(++n) + "\t" + std::string(row) + "\n";
  return out;
}

TEST(Collocates, CountsAndScoresNeighboursWorkedByHand) {
  InFolder folder;
  WriteFile("a.txt", "x y cat z cat");
  WriteFile("b.txt", "y Cat q");
  const Strings texts{"a.txt", "b.txt"};
  const auto with = [&](Strings args) {
    args.insert(args.end(), texts.begin(), texts.end());
    return args;
  };
  const std::pair<Strings, std::string> cases[] = {
      {with({"--span", "L1,R1", "--measure", "dice", "cat"}), Rows({kY, kZ, kQ})},
      // Ordered by the log ratio, then by Total, then alphabetically.
      {with({"--span", "1", "--measure", "lr", "cat"}), Rows({kZ, kQ, kY})},
      // Every threshold must be met, unless any one may be.
      {with({"--span", "1", "--measure", "dice", "--min-score", "dice=0.8", "cat"}), Rows({kY})},
      {with({"--span", "1", "--min-score", "dice=0.8", "--min-score", "lr=1", "cat"}), Rows({})},
      {with({"--span", "1", "--measure", "dice", "--min-score", "dice=0.8", "--min-score", "lr=1",
             "--any-score", "cat"}),
       Rows({kY, kZ, kQ})},
      {with({"--span", "1", "--measure", "dice", "--min-freq", "2", "cat"}), Rows({kY, kZ})},
      {with({"--span", "L1,R1", "--measure", "dice", "--positions", "cat"}),
       Rows({std::string(kY) + "\t2\t0", std::string(kZ) + "\t1\t1", std::string(kQ) + "\t0\t1"},
            "\tL1\tR1")},
      // Case kept: the node no longer finds "Cat" (two hits), and "y" is near one of them only
      // (joint 1, f2 2): Dice 0.50, MI 1.00, Z -0.35, Log_L 0.10, T 0.50, Log_R 0.
      {with({"--span", "1", "--case", "--measure", "dice", "cat"}),
       Rows({"z\tcat\t0.67\t2.00\t2.00\t0.45\t2.00\t0.75\t1.00\t1\t2\t1\t1",
             "y\tcat\t0.50\t1.00\t1.00\t-0.35\t0.10\t0.50\t0.00\t1\t1\t1\t0"})},
  };
  for (const auto &[args, out] : cases) {
    const Result got = Collocates(args);
    EXPECT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(got.out, out) << args[2];
  }
}

TEST(Collocates, NodeHitsNearEachOtherAndSpansAcrossWindowEdges) {
  InFolder folder;
  // Each "cat" is the other's neighbour: both occurrences are near a hit, so joint = f2 = 2. The
  // Z score cannot be had (p = f2 / (n - f1) is 2 and 1): it shows blank.
  WriteFile("cats.txt", "cat cat x");
  const Result cats = Collocates({"--span", "1", "--measure", "dice", "cat", "cats.txt"});
  EXPECT_EQ(cats.out, "N\tWord\tWith\tDice\tMI\tMI3\tZ\tLog_L\tT\tLog_R\tTexts\tTotal\t"
                      "Total Left\tTotal Right\n"
                      "1\tcat\tcat\t1.00\t0.58\t2.58\t\t1.18\t0.47\t0.00\t1\t2\t1\t1\n"
                      "2\tx\tcat\t0.67\t0.58\t0.58\t\t0.51\t0.33\t1.00\t1\t1\t0\t1\n");
  // A span stops at a text's edge on both sides: "left" and "cat" end one text, and the next
  // text's words are neither right of that hit nor left of its own.
  WriteFile("one.txt", "left cat");
  WriteFile("two.txt", "cat right right right right");
  const Result edges = Collocates({"--span", "3", "cat", "one.txt", "two.txt"});
  std::string totals; // Word and Total, Total Left, Total Right of each row
  for (const std::string &row : Lines(edges.out.substr(edges.out.find('\n') + 1))) {
    std::istringstream in(row);
    Strings cells;
    for (std::string cell; std::getline(in, cell, '\t');)
      cells.push_back(cell);
    ASSERT_EQ(cells.size(), 14u) << row;
    totals += cells[1] + " " + cells[11] + " " + cells[12] + " " + cells[13] + "\n";
  }
  EXPECT_EQ(totals, "left 1 1 0\nright 3 0 3\n") << edges.out;
  // Long text, small windows: a span that crosses every kind of window edge counts the same.
  std::string text;
  for (int i = 0; i < 300; ++i)
    text += "alpha be\xC3\xA9ta <i>g</i>amma node delta ";
  WriteFile("long.txt", text);
  const Strings args{"--span", "L3,R2", "--positions", "--markup", "node", "long.txt"};
  const Result whole = Collocates(args);
  EXPECT_EQ(whole.status, 0) << whole.err;
  EXPECT_NE(whole.out.find("\tgamma\tnode\t"), std::string::npos) << whole.out;
  for (size_t units : {1, 7, 100}) {
    const Windowed tiny(TinyWindowing(units));
    EXPECT_EQ(Collocates(args).out, whole.out) << units;
  }
}

TEST(Collocates, BadUsageAndInput) {
  InFolder folder;
  WriteFile("a.txt", "one two one");
  WriteFile("empty.txt", "");
  const Result none = Collocates({"three", "a.txt"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, std::string(kHeadings) + "\n");
  EXPECT_EQ(none.err, "qmark: 0 collocates of 0 hits in 3 running words of 1 text\n");
  struct Bad {
    Strings args;
    int status;
    std::string err_start;
  } bad[] = {
      {{"--span", "L26,R5", "one", "a.txt"}, 2, "qmark collocates: --span reaches at most 25"},
      {{"--span", "99999999999", "one", "a.txt"}, 2, "qmark collocates: --span reaches at most"},
      {{"--span", "L0,R0", "one", "a.txt"}, 2, "qmark collocates: --span must take in"},
      {{"--span", "L5,L2", "one", "a.txt"}, 2, "qmark collocates: --span is LN,RM"},
      {{"--span", "L5,", "one", "a.txt"}, 2, "qmark collocates: --span is LN,RM"},
      {{"--span", "L-1", "one", "a.txt"}, 2, "qmark collocates: --span is LN,RM"},
      {{"--measure", "chi", "one", "a.txt"}, 2, "qmark collocates: the measures are"},
      {{"--min-score", "mi", "one", "a.txt"}, 2, "qmark collocates: --min-score is M=X"},
      {{"--min-score", "mi=high", "one", "a.txt"}, 2, "qmark collocates: --min-score needs"},
      {{"one"}, 2, "qmark collocates: no path given"},
      {{"", "a.txt"}, 2, "qmark collocates: no search word given"},
      {{"one", "empty.txt"}, 1, "qmark collocates: the texts have no words"},
      {{"one", "missing.txt"}, 1, "qmark collocates: cannot read 'missing.txt'"},
  };
  for (const Bad &b : bad) {
    const Result got = Collocates(b.args);
    EXPECT_EQ(got.status, b.status) << b.args[0] << " " << b.args[1];
    EXPECT_EQ(got.err.substr(0, b.err_start.size()), b.err_start) << got.err;
  }
}

} // namespace
} // namespace qmark
