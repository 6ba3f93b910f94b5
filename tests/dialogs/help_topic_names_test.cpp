#include "dialogs/help_topic_names.h"

#include "platform/strings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using namespace dialogkit;
using namespace textcore;

String Write(const testsupport::TempFolder &folder, const std::string &bytes) {
  const std::string path = folder.File("topics.h");
  std::ofstream(path, std::ios::binary) << bytes;
  return UTF8ToString(path);
}

TEST(NameFromNumber, FindsTheFirstLineOfTheNumberAndLeavesTheNameOtherwise) {
  testsupport::TempFolder folder;
  const String file = Write(folder, "\xEF\xBB\xBF"
                                    "  Concord_Intro = 1310\r\n"
                                    "Save=1410 ; saving\n"
                                    "Overflow = 99999999999999\n"
                                    "NoDigits = x1240\n"
                                    "Late =\t 1240\n"
                                    "Second = 1240\n"
                                    "AfterBlank = 13100\n");
  struct Row {
    int32_t number;
    const char16_t *expected;
  };
  const Row rows[] = {{1310, u"Concord_Intro"}, {1410, u"Save"}, {1240, u"Late"},
                      {13100, u"AfterBlank"},   {131, u"kept"},  {-1, u"kept"}};
  for (const Row &row : rows) {
    String name = u"kept";
    EXPECT_EQ(NameFromNumber(row.number, file, name), String(row.expected) != u"kept");
    EXPECT_EQ(name, row.expected) << row.number;
  }
  String name = u"kept";
  EXPECT_FALSE(NameFromNumber(1310, UTF8ToString(folder.File("missing.h")), name));
  EXPECT_EQ(name, u"kept");
}

} // namespace
