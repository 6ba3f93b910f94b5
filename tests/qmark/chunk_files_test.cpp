// qmark split and join end to end: round trips plain and zipped, the overwrite rules, a zipped
// set whose member names a path outside the folder, and bad usage.
#include "tools/qmark/chunk_files.h"

#include "qmark/command_runs.h"
#include "support/zip_builder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qmark {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;

Result Split(const Strings &args, const char *answer = nullptr) {
  return RunCommand(RunSplit, args, answer);
}
Result Join(const Strings &args, const char *answer = nullptr) {
  return RunCommand(RunJoin, args, answer);
}

std::string Text(size_t size) {
  std::string text;
  for (int i = 0; text.size() < size; ++i)
    text += "line " + std::to_string(i) + " of the text\n";
  return text.substr(0, size);
}

TEST(SplitAndJoin, PlainAndZippedSetsJoinBackToTheSameBytes) {
  InFolder folder;
  fs::create_directories("out");
  fs::create_directories("back");
  const std::string text = Text(250000);
  WriteFile("corpus.txt", text);
  for (const bool zip : {false, true}) {
    SCOPED_TRACE(zip);
    Strings args = {"corpus.txt", "--size", "100000", "--to", "out"};
    if (zip)
      args.push_back("--zip");
    const Result split = Split(args);
    ASSERT_EQ(split.status, 0) << split.err;
    const Strings chunks = Lines(split.out);
    ASSERT_EQ(chunks.size(), zip ? 1u : 3u);
    EXPECT_EQ(chunks.back(), zip ? "out/chunk 1 of 1.tmp" : "out/chunk 3 of 3.tmp");
    const Result join = Join({chunks.front(), "--to", "back", "--delete-chunks"});
    ASSERT_EQ(join.status, 0) << join.err;
    EXPECT_EQ(join.out, "back/corpus.txt\n");
    EXPECT_TRUE(ReadBytes("back/corpus.txt") == text);
    EXPECT_TRUE(fs::is_empty("out"));
    fs::remove("back/corpus.txt");
  }
}

TEST(SplitAndJoin, NothingIsOverwrittenUnasked) {
  InFolder folder;
  WriteFile("a.txt", Text(5000));
  ASSERT_EQ(Split({"a.txt", "--size", "2000", "--to", "."}).status, 0);
  const std::string chunk = ReadBytes("chunk 1 of 3.tmp");
  WriteFile("a.txt", Text(3500));
  // Chunks already there: refused without a terminal, and when the answer is no.
  for (const char *answer : {static_cast<const char *>(nullptr), "n"}) {
    const Result refused = Split({"a.txt", "--size", "2000"}, answer);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("holds chunk files already"), std::string::npos) << refused.err;
  }
  EXPECT_EQ(ReadBytes("chunk 1 of 3.tmp"), chunk);
  // The last chunk holds what chunk 1 (2000 bytes less its header, L + 32) left, and 8 bytes more.
  const Result tsv = Split({"a.txt", "--size", "2000", "--yes", "--format", "tsv"});
  ASSERT_EQ(tsv.status, 0) << tsv.err;
  EXPECT_EQ(Lines(tsv.out),
            (Strings{"file\tnumber\tout_of\tbytes", "./chunk 1 of 2.tmp\t1\t2\t2000",
                     "./chunk 2 of 2.tmp\t2\t2\t" +
                         std::to_string(1540 + fs::absolute("a.txt").string().size())}));

  // The joined file's name taken: kept unless the user says yes, and then backed up.
  fs::create_directories("back");
  WriteFile("back/a.txt", "mine");
  const Result kept = Join({"chunk 1 of 2.tmp", "--to", "back"});
  EXPECT_EQ(kept.status, 1);
  EXPECT_NE(kept.err.find("no terminal to ask"), std::string::npos) << kept.err;
  EXPECT_EQ(ReadBytes("back/a.txt"), "mine");
  EXPECT_EQ(Join({"chunk 1 of 2.tmp", "--to", "back"}, "y").status, 0);
  EXPECT_TRUE(ReadBytes("back/a.txt") == Text(3500));
  EXPECT_EQ(ReadBytes("back/a.bak"), "mine");
}

TEST(SplitAndJoin, AZippedMemberIsWrittenUnderTheRecordedNameOnly) {
  InFolder folder;
  fs::create_directories("deep/back");
  testsupport::WriteZip("set.zip", {{"../../evil.txt", "payload"}});
  ASSERT_EQ(Split({"set.zip"}).status, 0);
  // Mark the set as zipped: the flag follows the recorded path in the first chunk.
  std::string chunk = ReadBytes("chunk 1 of 1.tmp");
  chunk[1 + static_cast<unsigned char>(chunk[0])] = 1;
  WriteFile("chunk 1 of 1.tmp", chunk);
  const Result join = Join({"chunk 1 of 1.tmp", "--to", "deep/back"});
  ASSERT_EQ(join.status, 0) << join.err;
  EXPECT_EQ(ReadBytes("deep/back/set.zip"), "payload");
  EXPECT_FALSE(fs::exists("evil.txt"));
  EXPECT_FALSE(fs::exists("deep/evil.txt"));

  // An archive of two members is no zipped set: kept as joined.
  testsupport::WriteZip("two.zip", {{"a", "1"}, {"b", "2"}});
  fs::remove("chunk 1 of 1.tmp");
  ASSERT_EQ(Split({"two.zip"}).status, 0);
  chunk = ReadBytes("chunk 1 of 1.tmp");
  chunk[1 + static_cast<unsigned char>(chunk[0])] = 1;
  WriteFile("chunk 1 of 1.tmp", chunk);
  const Result two = Join({"chunk 1 of 1.tmp", "--to", "deep/back"});
  EXPECT_EQ(two.status, 1);
  EXPECT_NE(two.err.find("holds 2 members"), std::string::npos) << two.err;
  EXPECT_EQ(ReadBytes("deep/back/two.zip"), ReadBytes("two.zip"));
}

TEST(SplitAndJoin, BadUsageAndUnsplittableInput) {
  InFolder folder;
  WriteFile("a.txt", "abc");
  const struct {
    Strings args;
    bool split;
    int status;
    const char *message;
  } cases[] = {
      {{}, true, 2, "one file is split, 0 given"},
      {{"a.txt", "--size", "0"}, true, 2, "--size"},
      {{"a.txt", "--delete-chunks"}, true, 2, "unknown option"},
      {{"a.txt", "--zip"}, false, 2, "unknown option"},
      {{"a.txt", "--to", "missing"}, true, 1, "no folder 'missing'"},
      {{"a.txt", "--size", "20"}, true, 1, "a chunk must be larger than"},
      {{"missing.txt"}, true, 1, "there is no file"},
      {{"chunk 1 of 9.tmp"}, false, 1, "there is no file"},
      {{"a.txt"}, false, 1, "shorter than its header"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.message);
    const Result result = c.split ? Split(c.args) : Join(c.args);
    EXPECT_EQ(result.status, c.status);
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(ReadBytes("a.txt"), "abc");
  EXPECT_NE(Split({"--help"}).out.find("Usage: qmark split"), std::string::npos);
  EXPECT_NE(Join({"--help"}).out.find("Usage: qmark join"), std::string::npos);
}

} // namespace
} // namespace qmark
