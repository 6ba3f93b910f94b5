#include "files/environment_data.h"

#include "core/logging_utilities.h"
#include "platform/bool_strings.h"
#include "platform/encoding.h"
#include "platform/textcore_lifetime.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace textcore {
namespace {

TEST(EnvironmentData, StartUpSetsTheBooleanWordsAndCleanUpSaysItIsQuitting) {
  EXPECT_EQ(TrueBoolStrs(), (std::vector<String>{u"Yes", u"true"}));
  EXPECT_EQ(FalseBoolStrs(), (std::vector<String>{u"No", u"false"}));
  EXPECT_FALSE(StrToBool(u"no"));

  testsupport::TempFolder folder;
  SetLogFilename(UTF8ToString(folder.File("quillmark.log")));
  keeping_log = true;
  FinishWingenok();
  keeping_log = false;
  SetLogFilename(String());
  EXPECT_TRUE(TrueBoolStrs().empty());
  StartWingenok();
  std::ifstream in(folder.File("quillmark.log"), std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  ASSERT_GE(bytes.size(), 2u); // after the mark
  const String text = TEncoding::Unicode()->GetString(
      ByteSpan(reinterpret_cast<const uint8_t *>(bytes.data()) + 2, bytes.size() - 2));
  const StringView quit = u"quit wingenok, ";
  ASSERT_GE(text.size(), quit.size());
  EXPECT_EQ(text.substr(text.size() - quit.size()), quit); // no line break: the next one ends it
}

} // namespace
} // namespace textcore
