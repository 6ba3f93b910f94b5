// The streamable string list's current form byte for byte, both forms read back, and damaged
// streams.
#include "core/stream_codec.h"
#include "definitions/streamable_string_list.h"

#include "support/stream_bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace textcore;
using namespace testsupport;

std::vector<String> StringsOf(const TMyStreamableStringlist &list) {
  std::vector<String> out;
  for (int32_t i = 0; i < list.Count(); ++i)
    out.push_back(list.Strings(i));
  return out;
}

TEST(StreamableStringList, WritesTheCurrentFormAndReadsItBack) {
  struct Case {
    std::vector<String> strings;
    Bytes expected;
  };
  const std::vector<Case> cases = {
      {{}, Int32(0)},
      {{u"a", u"b"}, Bytes{0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0x61, 0, 1, 0, 0, 0, 0x62, 0}},
  };
  for (const Case &c : cases) {
    TMyStreamableStringlist list;
    for (const String &s : c.strings)
      list.Add(s);
    TMemoryStream saved;
    ASSERT_TRUE(list.SaveToStream(saved));
    EXPECT_EQ(Bytes(saved.Memory(), saved.Memory() + saved.Size()), c.expected);

    TMyStreamableStringlist reloaded;
    saved.SetPosition(0);
    EXPECT_TRUE(reloaded.ReadFromStream(saved));
    EXPECT_EQ(StringsOf(reloaded), c.strings);
  }
}

// Each read replaces what the list held; a failure keeps the strings read before it.
TEST(StreamableStringList, ReadsBothFormsAndStopsCleanlyOnDamage) {
  const int32_t limit = global_string_safety_limit;
  struct Case {
    const char *what;
    Bytes bytes;
    bool result;
    std::vector<String> strings;
  };
  const std::vector<Case> cases = {
      {"older form", Int32(2) + Bytes{2, 'a', 'b', 1, 'c'}, true, {u"ab", u"c"}},
      {"older form in the 8-bit code page",
       Int32(1) + Bytes{2, 0xE9, 0x80},
       true,
       {u"\u00e9\u20ac"}},
      {"empty", Int32(0), true, {}},
      {"ends inside the second of three",
       Int32(-3) + Int32(1) + Bytes{'x', 0} + Int32(2) + Bytes{'y', 0},
       false,
       {u"x"}},
      {"older form ends early", Int32(3) + Bytes{1, 'p', 4, 'q'}, false, {u"p"}},
      {"string over the limit",
       Int32(-1) + Int32(limit + 1) + Bytes(2 * (limit + 1), 'z'),
       false,
       {}},
      {"count cut short", Bytes{0xFF, 0xFF}, false, {}},
      {"hostile negative count", Int32(INT32_MIN) + Int32(0), false, {u""}},
      {"hostile count", Int32(INT32_MAX) + Bytes{0}, false, {u""}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    TMyStreamableStringlist list;
    list.Add(u"held before");
    TMemoryStream stream = StreamOf(c.bytes);
    EXPECT_EQ(list.ReadFromStream(stream), c.result);
    EXPECT_EQ(StringsOf(list), c.strings);
  }
}

TEST(StreamableStringList, SavingAStringOverTheLimitSaysItWillNotReadBack) {
  TMyStreamableStringlist list;
  list.Add(String(static_cast<size_t>(global_string_safety_limit) + 1, u'w'));
  TMemoryStream saved;
  EXPECT_FALSE(list.SaveToStream(saved));
  EXPECT_EQ(saved.Size(), 8 + 2 * (global_string_safety_limit + 1)); // written whole
}

} // namespace
