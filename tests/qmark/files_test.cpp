// qmark files end to end: a walk listed and saved as favourites, the favourites searched by
// concord, the overwrite rule, and bad usage.
#include "tools/qmark/files.h"

#include "qmark/command_runs.h"
#include "tools/qmark/concord.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qmark {
namespace {

namespace fs = std::filesystem;

TEST(Files, AWalkIsListedSavedAndSearchedAgain) {
  InFolder folder;
  fs::create_directories("texts/sub");
  WriteFile("texts/a.txt", "the river runs\n");
  WriteFile("texts/sub/b.txt", "a river town\n");
  WriteFile("texts/c.doc", "river\n");
  const std::string here = fs::current_path().string();
  const Result listed = RunCommand(RunFiles, {"texts", "--subfolders", "--save", "saved.fav"});
  ASSERT_EQ(listed.status, 0) << listed.err;
  EXPECT_EQ(listed.out, here + "/texts/a.txt\n" + here + "/texts/sub/b.txt\n");
  EXPECT_EQ(listed.err, "2 files in 2 folders\n");
  EXPECT_EQ(RunCommand(RunFiles, {"texts", "--format", "tsv"}).out,
            "file\tbytes\n" + here + "/texts/a.txt\t15\n");

  // The saved set is searched as if its files were named, wherever the texts are asked from.
  const Result hits = RunCommand(RunConcord, {"river", "--favourites", "saved.fav"});
  ASSERT_EQ(hits.status, 0) << hits.err;
  EXPECT_EQ(Lines(hits.out).size(), 2u) << hits.out;

  // An existing favourites file is replaced only when the user says so.
  const Result kept = RunCommand(RunFiles, {"texts", "--save", "saved.fav"});
  EXPECT_EQ(kept.status, 1);
  EXPECT_NE(kept.err.find("no terminal to ask"), std::string::npos) << kept.err;
  EXPECT_EQ(RunCommand(RunFiles, {"texts", "--save", "saved.fav", "--yes"}).status, 0);
  EXPECT_EQ(Lines(RunCommand(RunConcord, {"river", "--favourites", "saved.fav"}).out).size(), 1u);

  const Result damaged = (WriteFile("bad.fav", "nonsense"),
                          RunCommand(RunConcord, {"river", "--favourites", "bad.fav"}));
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.err.find("cannot read 'bad.fav': a favourites file of another tool"),
            std::string::npos)
      << damaged.err;
}

TEST(Files, BadUsageAndAMissingFolder) {
  InFolder folder;
  EXPECT_EQ(RunCommand(RunFiles, {}).status, 2);
  EXPECT_EQ(RunCommand(RunFiles, {"a", "b"}).status, 2);
  EXPECT_EQ(RunCommand(RunFiles, {".", "--sort"}).status, 2);
  const Result missing = RunCommand(RunFiles, {"missing"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "qmark files: no folder 'missing'\n");
  EXPECT_NE(RunCommand(RunFiles, {"--help"}).out.find("Usage: qmark files"), std::string::npos);
}

} // namespace
} // namespace qmark
