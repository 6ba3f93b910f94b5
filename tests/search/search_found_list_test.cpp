// The hit list: hits sort by their byte offset in the buffer, in either direction.
#include "search/search_found_list.h"

#include <gtest/gtest.h>

using namespace textcore;

TEST(SearchFoundList, SortsHitsByTheirOffsetInTheBuffer) {
  static const char16_t buffer[64] = {};
  struct Case {
    bool descending;
    std::vector<int32_t> chars, sorted;
  };
  const Case cases[] = {{false, {30, 10, 20, 10}, {10, 10, 20, 30}},
                        {true, {30, 10, 20, 40}, {40, 30, 20, 10}}};
  for (const Case &c : cases) {
    TSearchFoundList hits;
    for (int32_t at : c.chars) {
      TSearchFound_Rec rec;
      rec.start_of_memory = buffer;
      rec.where_hit_started = buffer + at;
      rec.hit_pos_in_characters = at;
      hits.AddFound(rec);
    }
    hits.SetSortToAscend(sort_first_sort, c.descending);
    hits.DoASingleSort([&hits](const void *item) { return hits.Compare(item); }, 0);
    std::vector<int32_t> order;
    for (int32_t i = 0; i < hits.Count(); ++i)
      order.push_back(hits.Holder(i)->fData.hit_pos_in_characters);
    EXPECT_EQ(order, c.sorted);
    hits.SetBase(hits.Holder(0), 0);
    EXPECT_EQ(hits.base_int, c.sorted[0] * 2); // bytes, not characters
    EXPECT_EQ(hits.Compare(hits.Holder(0)), 0);
    EXPECT_EQ(hits.Compare(hits.Holder(3)), c.descending ? 1 : -1);
  }
}
