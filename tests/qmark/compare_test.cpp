// qmark compare end to end: the verdict and the exit status for matching, differing and line-end
// variants, each format, unreadable files and bad usage.
#include "tools/qmark/compare.h"

#include "qmark/command_runs.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace qmark {
namespace {

Result Compare(const Strings &args) { return RunCommand(RunCompare, args); }

TEST(Compare, TheVerdictAndTheExitStatusFollowTheContents) {
  InFolder folder;
  WriteFile("crlf.txt", "one\r\ntwo\r\n");
  WriteFile("lf.txt", "one\ntwo\n");
  WriteFile("copy.txt", "one\r\ntwo\r\n");
  WriteFile("last.txt", "one\r\ntwo\r\r");
  WriteFile("empty.txt", "");
  struct Case {
    Strings args;
    int status;
    std::string percent, contents, sizes, line_ends;
  };
  const Case cases[] = {
      {{"crlf.txt", "copy.txt"}, 0, "100", "match", "match", "compared"},
      // The first difference at byte 3 of 8: 4 bytes counted as matched.
      {{"crlf.txt", "lf.txt"}, 1, "50", "differ", "differ", "compared"},
      {{"--ignore-crlf", "crlf.txt", "lf.txt"}, 0, "100", "match", "differ", "ignored"},
      // Only the last byte differs: never 100.
      {{"crlf.txt", "last.txt"}, 1, "90", "differ", "match", "compared"},
      {{"empty.txt", "empty.txt"}, 0, "100", "match", "match", "compared"},
      {{"--ignore-crlf", "empty.txt", "lf.txt"}, 1, "0", "differ", "differ", "ignored"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args[1]);
    const Result result = Compare(c.args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.err, "");
    const Strings lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 6u) << result.out;
    EXPECT_EQ(lines[0], "percent     " + c.percent);
    EXPECT_EQ(lines[1], "contents    " + c.contents);
    EXPECT_EQ(lines[2], "sizes       " + c.sizes);
    EXPECT_EQ(lines[5], "line ends   " + c.line_ends);
  }
}

TEST(Compare, TsvAndJsonCarryTheFilesAndEveryFlag) {
  InFolder folder;
  WriteFile("a\tb.txt", "text\r\n");
  WriteFile("b.txt", "text\n");
  const timespec times[2] = {{0, UTIME_OMIT}, {1700000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, "a\tb.txt", times, 0), 0);
  ASSERT_EQ(utimensat(AT_FDCWD, "b.txt", times, 0), 0);
  Result result = Compare({"--format", "tsv", "--ignore-crlf", "a\tb.txt", "b.txt"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "file1\tfile2\tpercent\tcontents\tsizes\tdates\tattributes\tline_ends\n"
                        "a\\tb.txt\tb.txt\t100\ttrue\tfalse\ttrue\ttrue\ttrue\n");
  result = Compare({"--format=json", "a\tb.txt", "b.txt"});
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(result.out, "{\"file1\": \"a\\tb.txt\", \"file2\": \"b.txt\", \"percent\": 80, "
                        "\"contents_match\": false, \"sizes_match\": false, \"dates_match\": true, "
                        "\"attributes_match\": true, \"line_ends_ignored\": false}\n");
}

TEST(Compare, AFileThatCannotBeReadIsBadInputAndSaysWhy) {
  InFolder folder;
  WriteFile("a.txt", "text");
  ASSERT_EQ(mkdir("folder", 0700), 0);
  ASSERT_EQ(mkfifo("fifo", 0600), 0);
  std::vector<std::pair<Strings, std::string>> cases = {
      {{"a.txt", "missing.txt"}, "qmark compare: cannot read 'missing.txt': no such file\n"},
      {{"folder", "a.txt"}, "qmark compare: cannot read 'folder': a folder, not a file\n"},
      {{"a.txt", "fifo"}, "qmark compare: cannot read 'fifo': not a regular file\n"},
  };
  if (geteuid() != 0) {
    WriteFile("locked.txt", "text");
    chmod("locked.txt", 0);
    cases.push_back({{"a.txt", "locked.txt"},
                     "qmark compare: cannot read: Cannot open file \"locked.txt\". Permission "
                     "denied\n"});
  }
  for (const auto &[args, message] : cases) {
    const Result result = Compare(args);
    EXPECT_EQ(result.status, 1) << message;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, message);
  }
}

TEST(Compare, BadUsageIsRefusedWithAPointerToTheHelp) {
  InFolder folder;
  WriteFile("a.txt", "text");
  const Strings bad[] = {{},
                         {"a.txt"},
                         {"a.txt", "a.txt", "a.txt"},
                         {"-", "a.txt"},
                         {"--format", "xml", "a.txt", "a.txt"},
                         {"--ignore-crlf=yes", "a.txt", "a.txt"},
                         {"--no-such-option", "a.txt", "a.txt"}};
  for (const Strings &args : bad) {
    const Result result = Compare(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Run 'qmark compare --help'"), std::string::npos) << result.err;
  }
  const Result help = Compare({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out, CompareHelp());
}

} // namespace
} // namespace qmark
