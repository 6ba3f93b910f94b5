#include "search/simple_search.h"

#include "platform/file_names.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace textcore {
namespace {

TEST(SimpleSearch, LoadReadsWordCountLinesAndSkipsLinesWithoutAWord) {
  testsupport::TempFolder folder;
  const std::string path = folder.File("words.txt");
  // UTF-8 with its mark: the upper case reaches beyond ASCII.
  std::ofstream(path, std::ios::binary)
      << "\xEF\xBB\xBFhouse=3\r\n*house=2\r\nhouse\r\nwalk*=x\r\n  caf\xC3\xA9 = 0\r\n=5\r\n*=4"
         "\r\n~dog=1\r\n\r\na=b=7\n";
  TSimpleSearchlist list(DefaultSimpleSearchSettings());
  list.AddOne({u"stale", 1, {}});
  ASSERT_TRUE(list.LoadFromFile(BytesToFileName(path)));
  struct Want {
    String seek;
    int32_t n_wanted;
    TMySearchFlags flags;
  } want[] = {
      {u"HOUSE", 3, {myLeftBounded, myRightBounded}},
      {u"HOUSE", 2, {myRightBounded}},
      {u"WALK", 1, {myLeftBounded}},
      {u"CAF\u00C9", 1, {myLeftBounded, myRightBounded}},
      {u"DOG", 1, {myLeftBounded, myRightBounded, mySW_To_Avoid}},
      {u"A", 1, {myLeftBounded, myRightBounded}},
  };
  ASSERT_EQ(list.Count(), int32_t(std::size(want)));
  for (int32_t i = 0; i < list.Count(); ++i) {
    TSimpleSearch_rec rec = list.GetAValue(i);
    EXPECT_EQ(rec.seek, want[i].seek) << i;
    EXPECT_EQ(rec.n_wanted, want[i].n_wanted) << i;
    EXPECT_EQ(rec.flags, want[i].flags) << i;
  }
  EXPECT_EQ(list.GetATypedInSW(1), u"*HOUSE");
  EXPECT_EQ(list.AsText(u", "), u"HOUSE, HOUSE, WALK, CAF\u00C9, DOG, A");
}

TEST(SimpleSearch, LoadOfAMissingFileOrAFolderGivesFalseAndAnEmptyList) {
  testsupport::TempFolder folder;
  TSimpleSearchlist list(DefaultSimpleSearchSettings());
  list.AddOne({u"X", 1, {}});
  EXPECT_FALSE(list.LoadFromFile(BytesToFileName(folder.File("missing.txt"))));
  EXPECT_EQ(list.Count(), 0);
  list.AddOne({u"X", 1, {}});
  EXPECT_FALSE(list.LoadFromFile(BytesToFileName(folder.Path().string())));
  EXPECT_EQ(list.Count(), 0);
}

TEST(SimpleSearch, AddAllCopiesSettingsAndRecordsEvenFromItself) {
  TSimpleSearchlist a({7, 8}), b(DefaultSimpleSearchSettings());
  a.AddOne({u"ONE", 1, {}});
  a.AddOne({u"TWO", 2, {}});
  b.AddOne({u"ZERO", 1, {}});
  EXPECT_EQ(b.AddAll(a), 1 + 2);
  EXPECT_EQ(b.Settings().wordcount_multiplier, 7);
  EXPECT_EQ(b.AddAll(b), 3 + 4 + 5);
  EXPECT_EQ(b.AsText(u"/"), u"ZERO/ONE/TWO/ZERO/ONE/TWO");
  EXPECT_EQ(b.GetAValue(6).n_wanted, 0);
  EXPECT_EQ(b.GetATypedInSW(-1), u"");
}

} // namespace
} // namespace textcore
