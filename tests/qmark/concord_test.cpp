// qmark concord end to end: the output formats byte for byte, the encodings, the sort keys, the
// search-word options, folder walks, and the exit status that tells bad usage from bad input.
#include "tools/qmark/concord.h"

#include "platform/display_cells.h"
#include "platform/strings.h"
#include "qmark/command_runs.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace qmark {
namespace {

Result Concord(const Strings &args) { return RunCommand(RunConcord, args); }

Result ConcordTsv(Strings args) {
  args.insert(args.begin(), {"--format", "tsv"});
  return Concord(args);
}

// The given columns of every TSV row (the header left out), joined by a space.
Strings TsvColumns(const std::string &out, std::initializer_list<size_t> columns) {
  Strings joined, rows = Lines(out);
  for (size_t i = 1; i < rows.size(); ++i) {
    Strings cells;
    std::istringstream row(rows[i]);
    for (std::string cell; std::getline(row, cell, '\t');)
      cells.push_back(cell);
    std::string line;
    for (size_t c : columns)
      line += " " + (c < cells.size() ? cells[c] : std::string());
    joined.push_back(line.substr(1));
  }
  return joined;
}

TEST(Concord, TextLinesAlignTheHitsAndFlattenLineEnds) {
  InFolder folder;
  WriteFile("a.txt", "The cat sat.\nA cat ran\n");
  const Result result = Concord({"--lang", "en-US", "--width", "6", "cat", "a.txt"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(Lines(result.out), (Strings{
                                   "a.txt:1:5            The  cat  sat.",
                                   "a.txt:2:3          at. A  cat  ran",
                               }));
  EXPECT_EQ(result.err, "qmark: 2 hits in 1 file searched: \"cat\" 2\n");
}

TEST(Concord, ColoursDrawTheHitAndTheContextInTheSchemesRoles) {
  InFolder folder;
  WriteFile("a.txt", "The cat sat.\nA cat ran\n");
  WriteFile("scheme.ini", "[Colours]\nnormal text=Navy on Cream; typeface:italics\n"
                          "search word highlighted=Red on White; typeface:bold\n");
  WriteFile("bad.ini", "[Colours]\nno such role=Red\n");
  const Strings base{"--lang", "en-US", "--width", "6"};
  const auto with = [&](Strings more) {
    more.insert(more.begin(), base.begin(), base.end());
    more.insert(more.end(), {"cat", "a.txt"});
    return Concord(more);
  };
  // The default scheme: the context in the terminal's own colours (the system's window colours),
  // the hit in the highlight's; each line's escapes end in a reset, after the trailing blanks go.
  const std::string hit = "\x1b[0;38;2;255;255;255;48;2;0;120;215mcat";
  EXPECT_EQ(Lines(with({"--colour", "always"}).out),
            (Strings{"a.txt:1:5            \x1b[0mThe  " + hit + "\x1b[0m  sat.\x1b[0m",
                     "a.txt:2:3          \x1b[0mat. A  " + hit + "\x1b[0m  ran\x1b[0m"}));
  // A scheme read back: the context's colours and typeface around a bold red hit, whatever the
  // order of the lines.
  const std::string context = "\x1b[0;3;38;2;0;0;128;48;2;255;251;240m";
  EXPECT_EQ(Lines(with({"--colour", "always", "--scheme", "scheme.ini", "--sort", "R1"}).out),
            (Strings{"a.txt:2:3          " + context + "at. A  \x1b[0;1;38;2;255;0;0mcat" +
                         context + "  ran\x1b[0m",
                     "a.txt:1:5            " + context + "The  \x1b[0;1;38;2;255;0;0mcat" +
                         context + "  sat.\x1b[0m"}));
  // No colours unless asked for on a terminal, nor in the other formats.
  const std::string plain = with({}).out;
  EXPECT_EQ(plain.find('\x1b'), std::string::npos);
  EXPECT_EQ(with({"--colour", "auto", "--scheme", "scheme.ini"}).out, plain);
  EXPECT_EQ(with({"--colour", "never"}).out, plain);
  EXPECT_EQ(with({"--colour", "always", "--format", "tsv"}).out.find('\x1b'), std::string::npos);
  const Result bad = with({"--scheme", "bad.ini"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "qmark concord: 'bad.ini': no display role is called 'no such role'\n");
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(with({"--colour", "yes"}).status, 2);
}

TEST(Concord, TsvAndJsonEscapeWhatTheirSyntaxNeeds) {
  InFolder folder;
  WriteFile("a.txt", "say \"cat\"\tor\\cat\n");
  Strings args{"--lang", "en-US", "--width", "5", "cat", "a.txt"};
  EXPECT_EQ(ConcordTsv(args).out, "file\tposition\tleft\thit\tright\tword\n"
                                  "a.txt\t1:6\tsay \"\tcat\t\"\\tor\\\\\tcat\n"
                                  "a.txt\t1:14\t\"\\tor\\\\\tcat\t\\n\tcat\n");
  args.insert(args.begin(), {"--format", "json"});
  EXPECT_EQ(Concord(args).out,
            "[\n"
            "{\"file\": \"a.txt\", \"line\": 1, \"column\": 6, \"offset\": 5, \"word\": \"cat\", "
            "\"left\": \"say \\\"\", \"hit\": \"cat\", \"right\": \"\\\"\\tor\\\\\"},\n"
            "{\"file\": \"a.txt\", \"line\": 1, \"column\": 14, \"offset\": 13, \"word\": \"cat\", "
            "\"left\": \"\\\"\\tor\\\\\", \"hit\": \"cat\", \"right\": \"\\n\"}\n"
            "]\n");
  args.back() = "missing.txt";
  EXPECT_EQ(Concord(args).out, "[]\n");
}

TEST(Concord, EveryEncodingGivesTheSameLine) {
  struct Case {
    const char *what;
    std::string bytes;
    const char *lang;
    const char *word;
    const char *row; // left, hit and right
  } cases[] = {
      {"UTF-8", "die Br\u00FCcke steht", "de", "Brücke", "die \tBrücke\t ste"},
      {"UTF-8 signature", "\uFEFFdie Br\u00FCcke steht", "de", "brücke", "die \tBrücke\t ste"},
      {"UTF-16 LE",
       std::string("\xFF\xFE"
                   "a\0 \0\xFC\0"
                   "b\0 \0"
                   "c\0",
                   14),
       "de", "üb", "a \tüb\t c"},
      {"UTF-16 BE",
       std::string("\xFE\xFF\0a\0 \0\xFC\0"
                   "b\0 \0"
                   "c",
                   14),
       "de", "üb", "a \tüb\t c"},
      {"cp1252",
       "die Br\xFC"
       "cke steht",
       "de-DE", "Brücke", "die \tBrücke\t ste"},
      {"cp1251", "\xed\xe0 \xf0\xfb\xed\xee\xea \xe8\xe4\xf3", "ru", "рынок", "на \tрынок\t иду"},
      {"cp1251 by LCID", "\xed\xe0 \xf0\xfb\xed\xee\xea \xe8\xe4\xf3", "0x419", "РЫНОК",
       "на \tрынок\t иду"},
  };
  for (const Case &c : cases) {
    InFolder folder;
    WriteFile("t.txt", c.bytes);
    const Result result = ConcordTsv({"--width", "4", "--lang", c.lang, c.word, "t.txt"});
    const Strings rows = Lines(result.out);
    ASSERT_EQ(rows.size(), 2u) << c.what << "\n" << result.out << result.err;
    EXPECT_EQ(rows[1].substr(rows[1].find('\t', 6) + 1), c.row + std::string("\t") + c.word)
        << c.what;
  }
}

TEST(Concord, EachSortKeyOrdersTheLines) {
  InFolder folder;
  WriteFile("a.txt", "b x cat y a\nc w cab x d\na v car z c\n");
  struct Case {
    const char *sort;
    Strings lines;
  } cases[] = {
      {"file", {"1", "2", "3"}},
      {"position", {"1", "2", "3"}},
      {"position:desc", {"3", "2", "1"}},
      {"hit", {"2", "3", "1"}},
      {"hit:desc", {"1", "3", "2"}},
      {"L1", {"3", "2", "1"}},
      {"L2", {"3", "1", "2"}},
      {"L3", {"1", "2", "3"}}, // line 1 has no third word to its left: it sorts first
      {"L3:desc", {"3", "2", "1"}},
      {"R1", {"2", "1", "3"}},
      {"R2", {"1", "3", "2"}},
      {"R3", {"3", "2", "1"}},
      {"R5", {"3", "1", "2"}}, // line 3 has no fifth word to its right
      {"file,hit:desc", {"1", "3", "2"}},
      {"file:desc,L5,R1:desc", {"1", "3", "2"}},
  };
  for (const Case &c : cases) {
    const Result result = ConcordTsv({"--sort", c.sort, "ca*", "a.txt"});
    Strings lines;
    for (const std::string &position : TsvColumns(result.out, {1}))
      lines.push_back(position.substr(0, position.find(':')));
    EXPECT_EQ(lines, c.lines) << c.sort << "\n" << result.err;
  }
}

TEST(Concord, WordsSortAsTheLanguageCollatesThemIgnoringCase) {
  InFolder folder;
  WriteFile("a.txt", "x Zebra\nx apple\nx \xC3\x84pfel\nx Apple\n");
  const Result result =
      ConcordTsv({"--width", "6", "--lang", "de-DE", "--sort", "R1", "x", "a.txt"});
  EXPECT_EQ(TsvColumns(result.out, {4}), (Strings{" Äpfel", " apple", " Apple", " Zebra"}));
}

TEST(Concord, LinesFromSeveralFilesSortTogetherAndLaterKeysBreakTies) {
  InFolder folder;
  WriteFile("a.txt", "cat b\ncat a\n");
  WriteFile("b.txt", "cat a\n");
  struct Case {
    const char *sort;
    Strings lines;
  } cases[] = {
      {"file", {"a.txt 1:1", "a.txt 2:1", "b.txt 1:1"}},
      {"R1", {"a.txt 2:1", "b.txt 1:1", "a.txt 1:1"}},
      {"R1,file:desc", {"b.txt 1:1", "a.txt 2:1", "a.txt 1:1"}},
      {"hit,R1:desc,position", {"a.txt 1:1", "b.txt 1:1", "a.txt 2:1"}},
  };
  for (const Case &c : cases) {
    const Result result = ConcordTsv({"--sort", c.sort, "cat", "a.txt", "b.txt"});
    EXPECT_EQ(TsvColumns(result.out, {0, 1}), c.lines) << c.sort;
  }
}

TEST(Concord, SearchWordOptionsDecideWhatIsAHit) {
  struct Case {
    const char *what;
    std::string text;
    Strings args;
    Strings hits; // position and hit
  } cases[] = {
      {"tags are text", "<the> the cat", {"the"}, {"1:2 the", "1:7 the"}},
      {"markup is skipped", "<the> the cat", {"--markup", "the"}, {"1:7 the"}},
      {"markup in context is left out", "<b>x</b> the", {"--markup", "x"}, {"1:4 x"}},
      {"markup pairs of one's own",
       "[b] b <b> {b}",
       {"--markup-pairs", "[*],{*}", "b"},
       {"1:5 b", "1:8 b"}},
      {"every pair named", "[b] b <b>", {"--markup-pairs", "<*>, [*]", "b"}, {"1:5 b"}},
      {"case ignored", "The the THE", {"the"}, {"1:1 The", "1:5 the", "1:9 THE"}},
      {"case matched", "The the THE", {"--case", "the"}, {"1:5 the"}},
      {"case marked on one word", "The the THE", {"==THE==/x"}, {"1:9 THE"}},
      {"wildcards that find the same words give one line each",
       "the there",
       {"th*/*e/the"},
       {"1:1 the", "1:5 there"}},
      {"middles join words", "don't don", {"don"}, {"1:7 don"}},
      {"a middle at a word's end is punctuation", "well- known", {"well"}, {"1:1 well"}},
      {"no middles", "don't", {"--middles", "", "don"}, {"1:1 don"}},
      {"exclusion word", "the then there", {"th*/~then"}, {"1:1 the", "1:10 there"}},
      {"surrogate pairs count once", "\xF0\x9F\x98\x80 cat", {"cat"}, {"1:3 cat"}},
  };
  for (const Case &c : cases) {
    InFolder folder;
    WriteFile("a.txt", c.text);
    Strings args{"--lang", "en-US"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.push_back("a.txt");
    const Result result = ConcordTsv(args);
    EXPECT_EQ(TsvColumns(result.out, {1, 3}), c.hits) << c.what << "\n" << result.err;
  }
}

// What a linguist expects of a hit: "?" stays inside a word, a word open at its start is shown
// whole, and one stretch of text is one line, credited to the first search word that found it.
TEST(Concord, AHitIsAWholeWordShownOnce) {
  struct Case {
    const char *what;
    std::string text;
    const char *words;
    Strings hits; // position, hit and search word
    const char *summary;
  } cases[] = {
      {"? is never white",
       "that, at cat\nat l d lid",
       "?at/l?d",
       {"1:10 cat ?at", "2:8 lid l?d"},
       "\"?at\" 1, \"l?d\" 1\n"},
      {"? before a space may match nothing",
       "cat dog cats dog",
       "cat? dog",
       {"1:1 cat dog cat? dog", "1:9 cats dog cat? dog"},
       "\"cat? dog\" 2\n"},
      {"a word open at its start is shown whole",
       "darkness ness",
       "*ness",
       {"1:1 darkness *ness", "1:10 ness *ness"},
       "\"*ness\" 2\n"},
      {"one word gives one line",
       "Mississippi",
       "*s*",
       {"1:1 Mississippi *s*"},
       "\"*s*\" 1 (3 hits on text already found counted once, for the first search word that "
       "found it)\n"},
      {"words that find the same text",
       "love lovely",
       "lov*/love",
       {"1:1 love lov*", "1:6 lovely lov*"},
       "\"lov*\" 2, \"love\" 0 (1 hit on"},
      {"a word typed in two cases",
       "the Lamb",
       "lamb/Lamb",
       {"1:5 Lamb lamb"},
       "\"lamb\" 1, \"Lamb\" 0 (1 hit on"},
  };
  for (const Case &c : cases) {
    InFolder folder;
    WriteFile("a.txt", c.text);
    const Result result = ConcordTsv({"--lang", "en-US", c.words, "a.txt"});
    EXPECT_EQ(TsvColumns(result.out, {1, 3, 5}), c.hits) << c.what << "\n" << result.err;
    EXPECT_NE(result.err.find(c.summary), std::string::npos) << c.what << "\n" << result.err;
  }
}

// The hits line up on screen: East Asian wide characters take two columns, combining marks none.
TEST(Concord, TextLinesAlignTheHitsByDisplayWidth) {
  InFolder folder;
  WriteFile("a.txt", "\xE4\xB8\xAD\xE6\x96\x87\xE7\x9A\x84 cat x\n" // CJK
                     "e\xCC\x81"
                     "e\xCC\x81"
                     " cat y\n" // decomposed accents
                     "plain words cat z\n");
  const Result result = Concord({"--lang", "en-US", "--width", "6", "cat", "a.txt"});
  const Strings lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 3u) << result.out;
  const auto hit_column = [](const std::string &line) {
    return textcore::DisplayCells(textcore::UTF8ToString(line.substr(0, line.find(" cat "))));
  };
  for (const std::string &line : lines)
    EXPECT_EQ(hit_column(line), hit_column(lines[2])) << line;
}

TEST(Concord, CountGivesTheHitsPerFileAndWordInEachFormat) {
  InFolder folder;
  WriteFile("a.txt", "cat dog cat\n");
  WriteFile("b.txt", "dog\n");
  WriteFile("c.txt", "none\n");
  struct Case {
    const char *format;
    std::string out;
  } cases[] = {
      {"text", "a.txt  cat  2\na.txt  dog  1\nb.txt  dog  1\n"},
      {"tsv", "file\tword\thits\na.txt\tcat\t2\na.txt\tdog\t1\nb.txt\tdog\t1\n"},
      {"json", "[\n{\"file\": \"a.txt\", \"word\": \"cat\", \"hits\": 2},\n"
               "{\"file\": \"a.txt\", \"word\": \"dog\", \"hits\": 1},\n"
               "{\"file\": \"b.txt\", \"word\": \"dog\", \"hits\": 1}\n]\n"},
  };
  for (const Case &c : cases) {
    const Result result =
        Concord({"--count", "--format", c.format, "cat/dog", "a.txt", "b.txt", "c.txt"});
    EXPECT_EQ(result.out, c.out) << c.format;
    EXPECT_EQ(result.err, "qmark: 4 hits in 3 files searched: \"cat\" 2, \"dog\" 2\n");
  }
}

// What a user saw go wrong: one stray byte must not turn a UTF-8 text into 8-bit mojibake, an
// archive is no text, and a decomposed accent is the same letter.
TEST(Concord, TextsAreReadAsTheirBytesSayWithANoteWhereTheyAreOdd) {
  std::string german;
  for (int i = 0; i < 100; ++i)
    german += "die Br\xC3\xBC"
              "cke f\xC3\xBCr alle\n";
  struct Case {
    const char *what;
    std::string bytes;
    Strings args;
    size_t hits;
    const char *note; // in the standard error, "" for none
  } cases[] = {
      {"UTF-8 but for a stray byte",
       german + "\xE9",
       {"f\xC3\xBCr"},
       100,
       "'t.txt': read as UTF-8 with 1 byte that is not UTF-8 (shown as U+FFFD), at byte 2200"},
      {"an archive",
       std::string("PK\x03\x04 the cat", 12),
       {"cat"},
       0,
       "'t.txt': a zip archive, not a text, passed over (--binary reads it as text)"},
      {"an archive searched as text",
       std::string("PK\x03\x04 the cat", 12),
       {"--binary", "cat"},
       1,
       ""},
      {"NUL bytes", std::string("the\0cat", 7), {"cat"}, 0, "not a text (it holds NUL bytes)"},
      {"decomposed accents", "un cafe\xCC\x81 noir", {"caf\xC3\xA9"}, 1, ""},
      {"UTF-16 without a mark", std::string("c\0a\0t\0 \0\x1F\x04", 10), {"cat"}, 1, ""},
  };
  for (const Case &c : cases) {
    InFolder folder;
    WriteFile("t.txt", c.bytes);
    Strings args{"--lang", "de-DE"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.push_back("t.txt");
    const Result result = ConcordTsv(args);
    EXPECT_EQ(result.status, 0) << c.what;
    EXPECT_EQ(TsvColumns(result.out, {3}).size(), c.hits) << c.what << "\n" << result.err;
    EXPECT_NE(result.err.find(c.note), std::string::npos) << c.what << "\n" << result.err;
  }
}

// "-" reads standard input, its encoding found as a file's.
TEST(Concord, ADashReadsStandardInput) {
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  const std::string bytes("\xFF\xFE"
                          "c\0a\0t\0",
                          8);
  ASSERT_EQ(write(pipe_ends[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  close(pipe_ends[1]);
  const int saved = dup(STDIN_FILENO);
  dup2(pipe_ends[0], STDIN_FILENO);
  close(pipe_ends[0]);
  const Result result = ConcordTsv({"cat", "-", "-"});
  dup2(saved, STDIN_FILENO);
  close(saved);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(TsvColumns(result.out, {0, 1, 3}), Strings{"(standard input) 1:1 cat"});
}

TEST(Concord, MarkupStaysOutOfTheContext) {
  InFolder folder;
  WriteFile("a.txt", "<p>a <b>x</b> b</p>");
  const Result result = ConcordTsv({"--markup", "x", "a.txt"});
  EXPECT_EQ(TsvColumns(result.out, {2}), Strings{"a "});
  EXPECT_EQ(TsvColumns(result.out, {4}), Strings{" b"});
}

TEST(Concord, FoldersAreWalkedForTheMaskInPathOrder) {
  InFolder folder;
  std::filesystem::create_directories("f/sub");
  std::filesystem::create_directories("f/.git"); // hidden: passed over with what it holds
  mkfifo("f/fifo.txt", 0600);                    // no file: passed over without a word
  for (const char *name :
       {"f/b.txt", "f/a.TXT", "f/sub/c.txt", "f/sub/d.htm", "f/e.dat", "f/.git/x.txt", "f/.h.txt"})
    WriteFile(name, "cat\n");
  struct Case {
    Strings args;
    Strings files;
  } cases[] = {
      {{"cat", "f"}, {"f/a.TXT", "f/b.txt", "f/sub/c.txt"}},
      {{"cat", "f/"}, {"f/a.TXT", "f/b.txt", "f/sub/c.txt"}},
      {{"cat", "--mask", "*.htm; *.dat", "f"}, {"f/e.dat", "f/sub/d.htm"}},
      {{"cat", "f/sub/d.htm", "f/sub"}, {"f/sub/c.txt", "f/sub/d.htm"}},
      {{"cat", "f/sub", "f"}, {"f/a.TXT", "f/b.txt", "f/sub/c.txt"}},
      // A file named twice, or also found in a folder, is searched once, under its first name.
      {{"cat", "f/b.txt", "./f/b.txt", "f"}, {"./f/b.txt", "f/a.TXT", "f/sub/c.txt"}},
  };
  for (const Case &c : cases) {
    const Result result = ConcordTsv(c.args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(TsvColumns(result.out, {0}), c.files) << c.args.back();
  }
}

// Zip members are texts like any other, under their archive's name; walks leave out the folders
// and files the user excludes.
TEST(Concord, FolderWalksTakeZipMembersAndLeaveOutWhatIsExcluded) {
  InFolder folder;
  std::filesystem::create_directories("f/old");
  std::filesystem::create_directories("f/new/old");
  for (const char *name : {"f/a.txt", "f/old/b.txt", "f/new/old/c.txt", "f/new/d.txt", "f/.e.txt"})
    WriteFile(name, "cat\n");
  testsupport::WriteZip("f/set.zip", {{.name = "m.txt", .data = "the cat"},
                                      {.name = "x/n.txt", .data = "cat"},
                                      {.name = "m.htm", .data = "cat"}});
  WriteFile("f/bad.zip", "PK\x03\x04 not an archive");
  const std::string here = std::filesystem::current_path().string();
  struct Case {
    Strings args;
    Strings files;
    int status;
  } cases[] = {
      {{"cat", "f"},
       {"f/a.txt", "f/new/d.txt", "f/new/old/c.txt", "f/old/b.txt", "f/set.zip/m.txt",
        "f/set.zip/x/n.txt"},
       1}, // bad.zip is reported
      {{"--no-zips", "cat", "f"}, {"f/a.txt", "f/new/d.txt", "f/new/old/c.txt", "f/old/b.txt"}, 0},
      {{"--no-zips", "--exclude", "old", "cat", "f"}, {"f/a.txt", "f/new/d.txt"}, 0},
      {{"--no-zips", "--exclude", here + "/f/old", "cat", "f"},
       {"f/a.txt", "f/new/d.txt", "f/new/old/c.txt"},
       0}, // an absolute path: that folder alone
      {{"--no-zips", "--hidden", "--exclude", "old", "cat", "f"},
       {"f/.e.txt", "f/a.txt", "f/new/d.txt"},
       0},
      {{"cat", "f/set.zip", "f/set.zip/m.txt"}, {"f/set.zip/m.txt", "f/set.zip/x/n.txt"}, 0},
      {{"cat", "f/set.zip/x/n.txt"}, {"f/set.zip/x/n.txt"}, 0},
  };
  for (const Case &c : cases) {
    const Result result = ConcordTsv(c.args);
    EXPECT_EQ(TsvColumns(result.out, {0}), c.files) << c.args[c.args.size() - 2] << result.err;
    EXPECT_EQ(result.status, c.status) << result.err;
  }
  const Result result = Concord({"--width", "4", "cat", "f/set.zip/m.txt"});
  EXPECT_EQ(result.out, "f/set.zip/m.txt:1:5          the  cat\n");
  EXPECT_NE(Concord({"cat", "f"}).err.find("f/bad.zip\": Not a zip archive"), std::string::npos);
}

TEST(Concord, ExitStatusTellsBadUsageFromBadInput) {
  InFolder folder;
  WriteFile("a.txt", "cat\n");
  mkfifo("pipe.txt", 0600);
  struct Case {
    Strings args;
    int status;
    const char *message; // in the standard error
  } cases[] = {
      {{"--help"}, 0, ""},
      {{"dog", "a.txt"}, 0, "0 hits in 1 file searched: \"dog\" 0"},
      {{"--no-such-option", "cat", "a.txt"}, 2, "unknown option '--no-such-option'"},
      {{"--width", "0", "cat", "a.txt"}, 2, "--width must be"},
      {{"--width", "1001", "cat", "a.txt"}, 2, "--width must be"},
      {{"--width", "x", "cat", "a.txt"}, 2, "--width must be"},
      {{"--width"}, 2, "option --width needs a value"},
      {{"--case=yes", "cat", "a.txt"}, 2, "takes no value"},
      {{"--lang", "xx-Nowhere", "cat", "a.txt"}, 2, "unknown language 'xx-Nowhere'"},
      {{"--lang", "0", "cat", "a.txt"}, 2, "unknown language '0'"},
      {{"--sort", "L6", "cat", "a.txt"}, 2, "bad sort key 'L6'"},
      {{"--sort", "R1:up", "cat", "a.txt"}, 2, "bad sort key 'R1:up'"},
      {{"--sort", "L1,L2,L3,L4", "cat", "a.txt"}, 2, "at most three keys"},
      {{"--format", "xml", "cat", "a.txt"}, 2, "--format must be"},
      {{"--markup-pairs", "***", "cat", "a.txt"}, 2, "--markup-pairs names no pair"},
      {{"--mask", ";", "cat", "."}, 2, "--mask names no file"},
      {{"cat"}, 2, "no path given"},
      {{}, 2, "no search words"},
      {{"", "a.txt"}, 2, "no search word"},
      {{"cat/ /dog", "a.txt"}, 2, "search word ' ' has nothing to find"},
      {{"*", "a.txt"}, 2, "search word '*' has nothing to find"},
      {{"~cat", "a.txt"}, 2, "only exclusion words"},
      {{"cat", "missing.txt", "a.txt"}, 1, "cannot read 'missing.txt': No such file"},
      {{"cat", "pipe.txt", "a.txt"}, 1, "cannot read 'pipe.txt': not a regular file"},
      {{"cat/", "a.txt"}, 0, "warning: search word 'cat/' is searched with its \"/\" as a"},
      {{"/cat", "a.txt"}, 0, "warning: search word '/cat'"},
      {{"dog//cat", "a.txt"}, 0, "warning: search word '/cat'"},
  };
  for (const Case &c : cases) {
    const Result result = Concord(c.args);
    EXPECT_EQ(result.status, c.status) << c.message << "\n" << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    if (c.status == 1) { // the readable file is still searched and printed
      EXPECT_NE(result.out.find("a.txt:1:1"), std::string::npos) << result.out;
    }
  }
}

// A missing file and a FIFO are in the exit-status table; this is the permission failure.
TEST(Concord, AnUnreadableFileIsReportedAndTheOthersSearched) {
  if (geteuid() == 0)
    GTEST_SKIP() << "root reads every file, so a permission failure cannot be made";
  InFolder folder;
  WriteFile("a.txt", "cat\n");
  WriteFile("b.txt", "cat\n");
  chmod("a.txt", 0);
  const Result result = Concord({"cat", "."});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("cannot read './a.txt': Permission denied"), std::string::npos);
  EXPECT_NE(result.out.find("./b.txt:1:1"), std::string::npos);
}

TEST(Concord, TheSampleOfEachLanguageAndEncodingIsFound) {
  const char *samples = std::getenv("QUILLMARK_SAMPLES");
  if (samples == nullptr)
    GTEST_SKIP() << "QUILLMARK_SAMPLES is not set";
  struct Case {
    const char *file, *lang, *word;
  } cases[] = {
      {"en_river_letter_utf8.txt", "en-GB", "Anna"},
      {"en_bridge_news_utf8bom.txt", "en-GB", "Anna"},
      {"en_fish_soup_recipe_utf16le.txt", "en-GB", "Anna"},
      {"en_ferry_dialogue_utf16be.txt", "en-GB", "Anna"},
      {"de_market_news_cp1252.txt", "de-DE", "Markt"},
      {"fr_river_town_cp1252.txt", "fr-FR", "rivière"},
      {"ru_market_cp1251.txt", "ru-RU", "Анна"},
      {"ru_river_letter_utf8bom.txt", "ru-RU", "Анна"},
      {"el_harbour_town_utf16be.txt", "el-GR", "Άννα"},
      {"he_river_letter_utf8.txt", "he-IL", "אנה"},
  };
  for (const Case &c : cases) {
    const Result result = Concord({"--lang", c.lang, c.word, std::string(samples) + "/" + c.file});
    EXPECT_EQ(result.status, 0) << c.file << "\n" << result.err;
    EXPECT_FALSE(result.out.empty()) << c.file << ": no hit of " << c.word;
  }
}

} // namespace
} // namespace qmark
