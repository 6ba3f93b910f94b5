#include "platform/shared_memory.h"

#include "support/child_process.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace textcore {
namespace {

using testsupport::RunInChild;

String NewName() { return UTF8ToString(testsupport::UniqueName("qmtest.shm")); }

bool AllZero(const TSharedMemory &m) {
  for (int64_t i = 0; i < m.Length(); ++i)
    if (m.Data()[i] != 0)
      return false;
  return true;
}

TEST(SharedMemory, ObjectNamesArePrivateEscapedAndShortEnough) {
  const std::string user = "/quillmark." + std::to_string(geteuid()) + ".";
  const struct {
    String name;
    std::string object;
  } cases[] = {
      {u"list", user + "list"},
      {u"a/b%c", user + "a%2Fb%25c"},
      {String(u"x\0y", 3), user + "x%00y"},
      {u"caf\u00E9", user + "caf\xC3\xA9"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(SharedMemoryObjectName(c.name), c.object);
  const std::string a = SharedMemoryObjectName(String(300, u'a'));
  const std::string b = SharedMemoryObjectName(String(299, u'a') + u"b");
  EXPECT_EQ(a.size(), 256u); // "/" and the longest name the system takes
  EXPECT_NE(a, b);           // the hash tells apart names that share their start
  EXPECT_EQ(a.substr(0, user.size()), user);
}

TEST(SharedMemory, AnotherProcessMeetsTheObjectAndCannotKeepItAlive) {
  const String name = NewName();
  TSharedMemory parent;
  bool created = false;
  ASSERT_TRUE(parent.Open(name, 8, created));
  parent.Data()[0] = 7;
  EXPECT_EQ(RunInChild([&name] {
              TSharedMemory child;
              bool made = true;
              if (!child.Open(name, 8, made) || made || child.Data()[0] != 7)
                return 1;
              child.Data()[1] = 9;
              return 0; // ends without closing, as a crashed tool would
            }),
            0);
  EXPECT_EQ(parent.Data()[1], 9);
  parent.Close();
  // The child ended holding it, the parent closed it: nobody holds it, so it starts afresh.
  EXPECT_EQ(RunInChild([&name] {
              TSharedMemory child;
              bool made = false;
              if (!child.Open(name, 8, made) || !made || child.Data()[0] != 0)
                return 1;
              return 0; // ends holding it again: left behind with nobody holding it
            }),
            0);
  ASSERT_TRUE(parent.Open(name, 8, created));
  EXPECT_TRUE(created);
  EXPECT_TRUE(AllZero(parent));
}

TEST(SharedMemory, GrowsWhileOthersHoldItAndTheViewStaysPut) {
  const String name = NewName();
  TSharedMemory small;
  bool created = false;
  ASSERT_TRUE(small.Open(name, 8, created));
  uint8_t *const base = small.Data();
  const int64_t large = 3 << 20;
  EXPECT_EQ(RunInChild([&name, large] {
              TSharedMemory other;
              bool made = true;
              if (!other.Open(name, 8, made) || made || !other.Grow(large))
                return 1;
              other.Data()[large - 1] = 5;
              return other.Grow(16) && other.Length() == large ? 0 : 2; // never shrinks
            }),
            0);
  EXPECT_EQ(small.Length(), 8);
  ASSERT_TRUE(small.Refresh());
  EXPECT_EQ(small.Length(), large);
  EXPECT_EQ(small.Data(), base);
  EXPECT_EQ(small.Data()[large - 1], 5);
  EXPECT_FALSE(small.Grow(TSharedMemory::kMaxLength + 1));
  small.Close();
  for (int64_t length : {int64_t{0}, TSharedMemory::kMaxLength + 1})
    EXPECT_FALSE(small.Open(name, length, created) || created || small.Active()) << length;
  EXPECT_FALSE(small.Grow(8) || small.Refresh());
}

} // namespace
} // namespace textcore
