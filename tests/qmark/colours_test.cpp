// qmark colours end to end: the default scheme as settings text, a scheme read back, colours on a
// terminal, and bad scheme files.
#include "tools/qmark/colours.h"

#include "qmark/command_runs.h"

#include <gtest/gtest.h>

#include <string>

namespace qmark {
namespace {

TEST(Colours, PrintsTheSchemeAndReadsItBack) {
  InFolder folder;
  const Result defaults = RunCommand(RunColours, {});
  EXPECT_EQ(defaults.status, 0) << defaults.err;
  const Strings lines = Lines(defaults.out);
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[0], "[Colours]");
  EXPECT_EQ(lines[1], "normal text=Black on White; typeface:");
  EXPECT_EQ(lines[2], "highlighted=White on Highlight Bar; typeface:");
  EXPECT_EQ(lines[8], "deleted=109,109,109 on White; typeface:strikeout");
  EXPECT_EQ(lines[20], "word-cloud word=Black on White; typeface:");

  // What is printed reads back as it was, and edits to it are taken, whatever the case of the
  // names and the line ends; roles not named keep their defaults.
  WriteFile("same.ini", defaults.out);
  EXPECT_EQ(RunCommand(RunColours, {"--scheme", "same.ini"}).out, defaults.out);
  WriteFile("edited.ini", "; mine\r\n[colours]\r\nSEARCH WORD = Red on Cream; typeface:bold\r\n"
                          "deleted=navy; typeface:\r\n");
  const Result edited = RunCommand(RunColours, {"--scheme", "edited.ini"});
  EXPECT_EQ(edited.status, 0) << edited.err;
  Strings want = lines;
  want[4] = "search word=Red on Cream; typeface:bold";
  want[8] = "deleted=Navy on White; typeface:";
  EXPECT_EQ(Lines(edited.out), want);

  // On a terminal each role's line is drawn in its colours; the terminal keeps its own where a
  // role has the window's colours.
  const Result shown = RunCommand(RunColours, {"--scheme", "edited.ini", "--colour", "always"});
  const Strings drawn = Lines(shown.out);
  ASSERT_EQ(drawn.size(), 21u);
  EXPECT_EQ(drawn[1], "\x1b[0mnormal text=Black on White; typeface:\x1b[0m");
  EXPECT_EQ(drawn[4], "\x1b[0;1;38;2;255;0;0;48;2;255;251;240msearch word=Red on Cream; "
                      "typeface:bold\x1b[0m");
  EXPECT_EQ(RunCommand(RunColours, {"--colour", "auto"}).out, defaults.out); // not a terminal

  WriteFile("nosection.ini", "search word=Red on White\n");
  WriteFile("unknown.ini", "[Colours]\nsearch word=Red on White\nsearch words=Red\n");
  struct Bad {
    Strings args;
    int status;
    std::string err;
  } bad[] = {
      {{"--scheme", "missing.ini"}, 1, "qmark colours: cannot read 'missing.ini': no such file\n"},
      {{"--scheme", "."}, 1, "qmark colours: cannot read '.': no such file\n"},
      {{"--scheme", "nosection.ini"},
       1,
       "qmark colours: 'nosection.ini' has no [Colours] section\n"},
      {{"--scheme", "unknown.ini"},
       1,
       "qmark colours: 'unknown.ini': no display role is called 'search words'\n"},
      {{"--colour", "sometimes"}, 2, "qmark colours: --colour is auto, always or never"},
      {{"extra"}, 2, "qmark colours: unexpected argument 'extra'"},
  };
  for (const Bad &b : bad) {
    const Result got = RunCommand(RunColours, b.args);
    EXPECT_EQ(got.status, b.status) << b.args[0];
    EXPECT_EQ(got.err.substr(0, b.err.size()), b.err);
    EXPECT_EQ(got.out, "");
  }
}

} // namespace
} // namespace qmark
