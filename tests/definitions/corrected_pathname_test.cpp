#include "definitions/corrected_pathname.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

TEST(CorrectedPathname, DriveNamesGetTheirBackslashAndOthersAreTrimmed) {
  const struct {
    String typed, corrected;
  } cases[] = {{u"  c:", u"c:\\"},
               {u"c:data", u"c:\\data"},
               {u"c:\\data", u"c:\\data"},
               {u"c:/data", u"c:/data"},
               {u"\tD:\r\n", u"D:\\"},
               {u"1:data", u"1:data"},
               {u" /home/me ", u"/home/me"},
               {u"c", u"c"},
               {u"", u""},
               {u":", u":"},
               {u"cd:", u"cd:"}};
  for (const auto &c : cases)
    EXPECT_EQ(CorrectedPathname(c.typed), c.corrected) << StringToUTF8(c.typed);
}

} // namespace
} // namespace textcore
