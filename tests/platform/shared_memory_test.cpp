#include "platform/shared_memory.h"

#include "support/child_process.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
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

TEST(SharedMemory, OneNameOneObjectWhileItIsHeld) {
  const String name = NewName();
  TSharedMemory first, second;
  bool created = false;
  ASSERT_TRUE(first.Open(name, 16, created));
  EXPECT_TRUE(created);
  EXPECT_EQ(first.Length(), 16);
  EXPECT_TRUE(AllZero(first));
  first.Data()[3] = 42;
  ASSERT_TRUE(second.Open(name, 100, created));
  EXPECT_FALSE(created);
  EXPECT_EQ(second.Length(), 16); // the object's length, not the one asked for
  EXPECT_EQ(second.Data()[3], 42);
  first.Close();
  EXPECT_EQ(second.Data()[3], 42); // still held by the second
  second.Close();
  ASSERT_TRUE(first.Open(name, 8, created));
  EXPECT_TRUE(created); // the last holder took it away
  EXPECT_TRUE(AllZero(first));
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
}

TEST(SharedMemory, LengthsOutsideTheRangeAreRefused) {
  TSharedMemory memory;
  bool created = true;
  for (int64_t length : {int64_t{0}, int64_t{-1}, TSharedMemory::kMaxLength + 1}) {
    EXPECT_FALSE(memory.Open(NewName(), length, created)) << length;
    EXPECT_FALSE(created);
    EXPECT_FALSE(memory.Active());
  }
  EXPECT_FALSE(memory.Grow(8));
  EXPECT_FALSE(memory.Refresh());
}

TEST(SharedMemory, AnObjectOfAnotherUserIsRefusedAndLeftAlone) {
  if (geteuid() != 0)
    GTEST_SKIP() << "making another user's object needs root";
  const String name = NewName();
  const std::string object = SharedMemoryObjectName(name);
  ASSERT_EQ(RunInChild([&object] {
              if (setgid(65534) != 0 || setuid(65534) != 0)
                return 1;
              const int fd = shm_open(object.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
              return fd >= 0 && ftruncate(fd, 8) == 0 ? 0 : 2;
            }),
            0);
  TSharedMemory memory;
  bool created = true;
  EXPECT_FALSE(memory.Open(name, 8, created));
  EXPECT_FALSE(created);
  const int fd = shm_open(object.c_str(), O_RDONLY, 0);
  EXPECT_GE(fd, 0) << "the other user's object was removed";
  if (fd >= 0)
    close(fd);
  shm_unlink(object.c_str());
}

} // namespace
} // namespace textcore
