// qmark detect end to end: what each kind of file is found to hold, the encoding it is read in,
// its size and checksum, in each format, and the exit status.
#include "tools/qmark/detect.h"

#include "files/file_contents.h"
#include "qmark/command_runs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qmark {
namespace {

Result Detect(const Strings &args, const char *answer = nullptr) {
  return RunCommand(RunDetect, args, answer);
}

Strings Rows(const std::string &out) { return Lines(out); }

TEST(Detect, EachKindOfFileIsToldWithTheEncodingItIsReadIn) {
  InFolder folder;
  std::string german;
  for (int i = 0; i < 50; ++i)
    german += "f\xC3\xBCr Br\xC3\xBC"
              "cken ";
  WriteFile("a_utf8.txt", german + "\xFF");
  WriteFile("b_cp1251.txt", "\xCC\xEE\xF1\xF2 \xE8 \xF0\xE5\xEA\xE0");
  WriteFile("c_be.txt", std::string("\0c\0a\0t\0 \0d\0o\0g\0 \0a\0n\0d\0 \0c\0a\0t", 30));
  WriteFile("d.zip", std::string("PK\x03\x04\x14\0\0\0", 8));
  WriteFile("e_tiny.txt", "ab");
  const Result result = Detect({"--format", "tsv", "--lang", "ru", "a_utf8.txt", "b_cp1251.txt",
                                "c_be.txt", "d.zip", "e_tiny.txt"});
  EXPECT_EQ(result.status, 0) << result.err;
  const Strings rows = Rows(result.out);
  ASSERT_EQ(rows.size(), 6u) << result.out;
  EXPECT_EQ(rows[0], "file\tcontents\tencoding\tbytes\tchecksum\till_formed\tfirst_ill_formed");
  const Strings want = {"a_utf8.txt\tUTF-8\tUTF-8\t701\t", "b_cp1251.txt\t8-bit\tcp1251\t11\t",
                        "c_be.txt\tUTF-16BE\tUTF-16BE\t30\t", "d.zip\tzip\tnone\t8\t",
                        "e_tiny.txt\tunknown\tcp1251\t2\t"};
  for (size_t i = 0; i < want.size(); ++i)
    EXPECT_EQ(rows[i + 1].substr(0, want[i].size()), want[i]) << rows[i + 1];
  EXPECT_TRUE(rows[1].ends_with("\t1\t700")); // the stray byte, where it stands
  const std::string checksum = rows[2].substr(want[1].size(), 8);
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08X", textcore::CheckSumOfAFile(u"b_cp1251.txt"));
  EXPECT_EQ(checksum, hex);
}

TEST(Detect, FormatsAndExitStatus) {
  InFolder folder;
  WriteFile("a.txt", "plain");
  // The checksum sums little-endian words: "plai" is 0x69616C70; the "n" after it is no whole word.
  EXPECT_EQ(Detect({"--lang", "en-US", "a.txt"}).out, "a.txt  8-bit  cp1252  5bytes  69616C70\n");
  EXPECT_EQ(
      Detect({"--lang", "en-US", "--format", "json", "a.txt"}).out,
      "[\n{\"file\": \"a.txt\", \"contents\": \"8-bit\", \"encoding\": \"cp1252\", \"bytes\": "
      "5, \"checksum\": \"69616C70\", \"ill_formed\": 0, \"first_ill_formed\": -1}\n]\n");
  struct Case {
    Strings args;
    int status;
    const char *message;
  } cases[] = {
      {{"--help"}, 0, ""},
      {{}, 2, "no path given"},
      {{"--format", "xml", "a.txt"}, 2, "--format must be"},
      {{"--nope", "a.txt"}, 2, "unknown option '--nope'"},
      {{"missing.txt", "a.txt"}, 1, "cannot read 'missing.txt'"},
  };
  for (const Case &c : cases) {
    const Result result = Detect(c.args);
    EXPECT_EQ(result.status, c.status) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  }
}

// The text column gives sizes for people, in the largest unit past its threshold, right-aligned;
// tsv keeps the exact count.
TEST(Detect, TextSizesAreForPeopleAndTsvKeepsTheBytes) {
  InFolder folder;
  WriteFile("big.txt", std::string((1 << 20) + 1, 'a'));
  WriteFile("small.txt", "abcdefghij");
  const Result text = Detect({"--lang", "en-US", "big.txt", "small.txt"});
  EXPECT_EQ(text.status, 0) << text.err;
  const Strings rows = Rows(text.out);
  ASSERT_EQ(rows.size(), 2u) << text.out;
  EXPECT_EQ(rows[0].substr(0, 35), "big.txt    8-bit  cp1252   1024Kb  ");
  EXPECT_EQ(rows[1].substr(0, 35), "small.txt  8-bit  cp1252  10bytes  ");
  const Strings tsv = Rows(Detect({"--format", "tsv", "--lang", "en-US", "big.txt"}).out);
  ASSERT_EQ(tsv.size(), 2u);
  EXPECT_NE(tsv[1].find("\t1048577\t"), std::string::npos) << tsv[1];
}

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// An 8-bit text becomes UTF-16 only after a yes, from the terminal or from --yes; the old file
// stays as the backup. Nobody to ask means nothing is overwritten.
TEST(Detect, ConvertRewritesAnEightBitTextOnlyAfterAYes) {
  struct Case {
    Strings args;
    const char *answer; // null: no terminal
    bool converted;
    const char *message;
  } cases[] = {
      {{"--convert"}, nullptr, false, "not converted (no terminal to ask: --yes answers yes)"},
      {{"--convert"}, "n", false, "Overwrite a.txt (with backup)? [y/N] "},
      {{"--convert"}, "y", true, "converted to UTF-16; the old file is 'a.bak'"},
      {{"--convert", "--yes"}, nullptr, true, "converted to UTF-16"},
  };
  const std::string latin1 = "caf\xE9\nna\xEFve";
  for (const Case &c : cases) {
    InFolder folder;
    WriteFile("a.txt", latin1);
    WriteFile("u.txt", "caf\xC3\xA9"); // UTF-8: never converted
    Strings args = c.args;
    args.insert(args.end(), {"--lang", "en-US", "a.txt", "u.txt"});
    const Result result = Detect(args, c.answer);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(ReadFile("u.txt"), "caf\xC3\xA9");
    if (c.converted) {
      EXPECT_EQ(ReadFile("a.txt"), std::string("\xFF\xFE"
                                               "c\0a\0f\0\xE9\0\r\0\n\0n\0a\0\xEF\0v\0e\0"
                                               "\r\0\n\0",
                                               28));
      EXPECT_EQ(ReadFile("a.bak"), latin1);
    } else {
      EXPECT_EQ(ReadFile("a.txt"), latin1);
      EXPECT_FALSE(std::filesystem::exists("a.bak"));
    }
  }
}

} // namespace
} // namespace qmark
