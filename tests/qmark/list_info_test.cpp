// qmark list-info end to end: each kind of list file told by its header or as a batch archive,
// in each format, folders walked, and the exit status.
#include "tools/qmark/list_info.h"

#include "qmark/command_runs.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace qmark {
namespace {

Result ListInfo(const Strings &args) { return RunCommand(RunListInfo, args); }

// A list header: format number, three tool fields, the text's length, the text, zeros to 57.
std::string Header(int32_t number, const std::string &text, int length = -1) {
  std::string b(16, '\0');
  std::memcpy(b.data(), &number, 4);
  b += static_cast<char>(length < 0 ? text.size() : length);
  b += text;
  b.resize(57, '\0');
  return b;
}

void WriteListFiles() {
  WriteFile("conc.cnc", Header(36, "Concordance32") + "the data");
  WriteFile("words.lst", Header(37, "Word List32") + "x");
  WriteFile("older.lst", Header(35, "Word List32") + "x");
  WriteFile("exactly57.lst", Header(37, "Word List32"));
  WriteFile("long.lst", Header(37, "Word List32", 41) + "x");
  WriteFile("old.lst", std::string("\x0BWord Lister", 12) + std::string(29, '\0') + "data");
  WriteFile("text.txt", "a text that is no list of the suite, long enough to have a header");
  testsupport::WriteZip("batch.zip",
                        {{.name = "a.cnc", .data = "1"}, {.name = "b.cnc", .data = "2"}},
                        "Qmark Batch file .CNC");
  testsupport::WriteZip("odd.zip", {{.name = "a.xyz", .data = "1"}}, "Qmark Batch file .xyz");
  testsupport::WriteZip("plain.zip", {{.name = "a.txt", .data = "1"}});
}

TEST(ListInfo, EachFileIsToldByItsHeaderOrAsABatch) {
  InFolder folder;
  WriteListFiles();
  const Result result =
      ListInfo({"--format", "tsv", "conc.cnc", "words.lst", "older.lst", "exactly57.lst",
                "long.lst", "old.lst", "text.txt", "batch.zip", "odd.zip", "plain.zip"});
  EXPECT_EQ(result.status, 0) << result.err;
  const Strings want = {
      "file\theader\tkind\tname\tformat\ttool\tentries",
      "batch.zip\tbatch\tlt_concordance_list\tConcordance list\t\t\t2",
      "conc.cnc\tcurrent\tlt_concordance_list\tConcordance list\t36\ttt_concord\t",
      "exactly57.lst\tnone\t\t\t\t\t",
      "long.lst\tnone\t\t\t\t\t",
      "odd.zip\tbatch\t\t\t\t\t",
      "old.lst\told\tlt_word_list\tWord list\t\t\t",
      "older.lst\tcurrent\tlt_word_list\tWord list\t35\t\t",
      "plain.zip\tnone\t\t\t\t\t",
      "text.txt\tnone\t\t\t\t\t",
      "words.lst\tcurrent\tlt_word_list\tWord list\t37\ttt_wordlist\t",
  };
  EXPECT_EQ(Lines(result.out), want);
}

TEST(ListInfo, FormatsAndFolders) {
  InFolder folder;
  std::filesystem::create_directories("f/sub");
  WriteFile("f/conc.cnc", Header(36, "Concordance32") + "data");
  testsupport::WriteZip("f/sub/batch.zip", {{.name = "a.lst", .data = "1"}},
                        "Qmark Batch file .lst");
  WriteFile("f/sub/notes.txt", "short");
  EXPECT_EQ(ListInfo({"f"}).out,
            "f/conc.cnc       current  lt_concordance_list  36  tt_concord  -  Concordance list\n"
            "f/sub/batch.zip  batch    lt_word_list         -   -           1  Word list\n"
            "f/sub/notes.txt  none     -                    -   -           -  -\n");
  EXPECT_EQ(ListInfo({"--mask", "*.zip", "--format", "json", "f"}).out,
            "[\n{\"file\": \"f/sub/batch.zip\", \"header\": \"batch\", \"kind\": \"lt_word_list\", "
            "\"name\": \"Word list\", \"format\": null, \"tool\": null, \"entries\": 1}\n]\n");
  EXPECT_EQ(ListInfo({"--format=json", "--mask", "*.none", "f"}).out, "[]\n");
}

TEST(ListInfo, UsageAndExitStatus) {
  InFolder folder;
  WriteFile("a.lst", "plain");
  const struct {
    Strings args;
    int status;
    const char *message;
  } cases[] = {
      {{"--help"}, 0, ""},
      {{}, 2, "no path given"},
      {{"-"}, 2, "standard input cannot be told"},
      {{"--format", "xml", "a.lst"}, 2, "--format must be"},
      {{"--nope", "a.lst"}, 2, "unknown option '--nope'"},
      {{"missing.lst", "a.lst"}, 1, "cannot read 'missing.lst'"},
      {{"--", "a.lst"}, 0, ""},
  };
  for (const auto &c : cases) {
    const Result result = ListInfo(c.args);
    EXPECT_EQ(result.status, c.status) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  }
  const Result help = ListInfo({"-h"});
  EXPECT_EQ(help.out, ListInfoHelp());
  EXPECT_NE(help.out.find("Usage: qmark list-info"), std::string::npos);
}

} // namespace
} // namespace qmark
