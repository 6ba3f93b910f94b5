#include "definitions/network_copy.h"

#include "platform/file_ops.h"
#include "platform/mount_table.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(NetworkCopy, ARemoteSessionOrANetworkMountMakesASharedCopy) {
  const struct {
    const char *table;
    bool remote, shared;
  } cases[] = {{"/dev/vda / ext4 rw 0 0\n", false, false},
               {"/dev/vda / ext4 rw 0 0\n", true, true},
               {"server:/export / nfs4 rw 0 0\n", false, true},
               {"//server/share / cifs rw 0 0\n", false, true}};
  for (const auto &c : cases) {
    TScopedMountTable table(c.table, "/nonexistent/block", "/nonexistent/by-label");
    EXPECT_EQ(Network_Copy({c.remote, ProgramFileName()}), c.shared) << c.table << c.remote;
  }
  EXPECT_EQ(CurrentProgramPlace().program_file, ProgramFileName());
}

} // namespace
} // namespace textcore
