#include "files/current_user.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace textcore {
namespace {

TEST(CurrentUser, TheLoginAndInitials) {
  const String user = Registry_Current_User();
  ASSERT_FALSE(user.empty());
  if (const passwd *entry = getpwuid(geteuid())) {
    EXPECT_EQ(user, UTF8ToString(entry->pw_name));
  }
  EXPECT_LE(Registry_Current_User_Initials().size(), 2u); // root's are empty
  const std::vector<std::pair<StringView, StringView>> cases = {
      {u"Mike Scott", u"MS"}, {u"Anna Maria Lopez", u"AM"},     {u"root", u""},
      {u"mScott", u"S"},      {u"\u00C9mile Zola", u"\u00C9Z"}, {u"JRR Tolkien", u"JR"},
  };
  for (const auto &[name, initials] : cases)
    EXPECT_EQ(InitialsOfName(name), initials) << StringToUTF8(name);
}

} // namespace
} // namespace textcore
