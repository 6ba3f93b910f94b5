// The saved word list: its bytes, a round trip, and damaged files that must be refused whole.
#include "tools/qmark/saved_word_list.h"

#include "qmark/command_runs.h"
#include "tools/qmark/wordlist.h"

#include "platform/streams.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace qmark {
namespace {

bool Read(const std::string &bytes, SavedWordList &list, std::string &reason) {
  textcore::TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  return ReadWordList(stream, list, reason);
}

std::string Le32(int32_t v) { return std::string(reinterpret_cast<const char *>(&v), 4); }
std::string Le64(int64_t v) { return std::string(reinterpret_cast<const char *>(&v), 8); }

TEST(SavedWordList, IsTheWordListHeaderThenTheTotalsThenTheTypes) {
  std::string bytes, reason;
  ASSERT_TRUE(WordListBytes({3, 1, {{u"a", 2, 1}, {u"\u00E9", 1, 1}}}, bytes, reason)) << reason;
  // The header: the word-list tool's format number 37, three zero fields, the kind's signature.
  std::string header = Le32(37) + Le32(0) + Le32(0) + Le32(0) + "\x0BWord List32";
  header.resize(57, '\0');
  const std::string expected = header + Le32(2) + std::string(1, '\0') + Le64(3) + Le64(1) +
                               Le32(2) + Le32(2) + Le32(1) + Le32(1) + std::string("a\0", 2) +
                               Le32(0) + Le32(1) + Le32(1) + Le32(1) + std::string("\xE9\0", 2) +
                               Le32(0);
  EXPECT_EQ(bytes, expected);
  SavedWordList back;
  ASSERT_TRUE(Read(bytes, back, reason)) << reason;
  EXPECT_EQ(back.tokens, 3);
  EXPECT_EQ(back.texts, 1);
  ASSERT_EQ(back.types.size(), 2u);
  EXPECT_EQ(back.types[1].word, u"\u00E9");
  EXPECT_EQ(back.types[0].freq, 2);
}

TEST(SavedWordList, DamagedFilesAreRefusedWhole) {
  std::string good, reason;
  ASSERT_TRUE(WordListBytes({10, 2, {{u"the", 6, 2}, {u"cat", 4, 1}}}, good, reason));
  SavedWordList list;
  // Cut anywhere, the file is no list.
  for (size_t length = 0; length < good.size(); ++length) {
    EXPECT_FALSE(Read(good.substr(0, length), list, reason)) << length;
    EXPECT_TRUE(list.types.empty());
  }
  const size_t totals = 57, types = totals + 4 + 1 + 16;
  struct Damage {
    const char *what;
    size_t at;
    std::string bytes;
  } damages[] = {
      {"a concordance's header", 17, "Concordance32"},
      {"an earlier format", 0, Le32(36)},
      {"three totals", totals, Le32(3)},
      {"a huge count of types", types, Le32(0x7FFFFFFF)},
      {"a negative count of types", types, Le32(-1)},
      {"one type more than the bytes", types, Le32(3)},
      {"a negative frequency", types + 4, Le32(-6)},
      {"negative running words", totals + 5, Le64(-10)},
      {"a string longer than the file", types + 12, Le32(1000)},
  };
  for (const Damage &d : damages) {
    std::string bytes = good;
    bytes.replace(d.at, d.bytes.size(), d.bytes);
    EXPECT_FALSE(Read(bytes, list, reason)) << d.what;
    EXPECT_TRUE(list.types.empty()) << d.what;
    EXPECT_FALSE(reason.empty()) << d.what;
  }
  // Counts the format cannot hold are refused when saving, not written wrong.
  EXPECT_FALSE(WordListBytes({1, 1, {{u"x", int64_t{1} << 31, 1}}}, good, reason));
  EXPECT_NE(reason.find("2,147,483,647"), std::string::npos);
}

TEST(SavedWordList, WordlistSavesWhatItShows) {
  InFolder folder;
  WriteFile("a.txt", "the cat and the dog and the bird");
  const Result saved =
      RunCommand(RunWordlist, {"--lang", "en", "--min-freq", "2", "--save", "w.lst", "a.txt"});
  ASSERT_EQ(saved.status, 0) << saved.err;
  std::ifstream in("w.lst", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  SavedWordList list;
  std::string reason;
  ASSERT_TRUE(Read(bytes.str(), list, reason)) << reason;
  EXPECT_EQ(list.tokens, 8);
  EXPECT_EQ(list.texts, 1);
  ASSERT_EQ(list.types.size(), 2u);
  EXPECT_EQ(list.types[0].word, u"the");
  EXPECT_EQ(list.types[0].freq, 3);
  EXPECT_EQ(list.types[1].word, u"and");
  // A file that cannot be written is reported, and the status says so.
  const Result failed =
      RunCommand(RunWordlist, {"--lang", "en", "--save", "no/such/folder/w.lst", "a.txt"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("qmark wordlist: cannot save 'no/such/folder/w.lst'"),
            std::string::npos);
}

} // namespace
} // namespace qmark
