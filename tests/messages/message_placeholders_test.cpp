// The placeholder reader that guards translated texts on their way to Format.
#include "messages/message_placeholders.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace textcore;

struct PatternCase {
  const char16_t *pattern;
  bool valid;
  std::vector<TPlaceholderKind> kinds;
};

TEST(MessagePlaceholders, ReadsEachArgumentsKind) {
  const PatternCase cases[] = {
      {u"no placeholders", true, {}},
      {u"100%% sure", true, {}},
      {u"%s", true, {pkString}},
      {u"%d of %d", true, {pkInteger, pkInteger}},
      {u"%.0n files", true, {pkFloat}},
      {u"%0.n entries", true, {pkFloat}},
      {u"%1.3f %%", true, {pkFloat}},
      {u"%-10s|%4.1f|%x|%u|%p|%e|%g|%m",
       true,
       {pkString, pkFloat, pkInteger, pkInteger, pkPointer, pkFloat, pkFloat, pkFloat}},
      {u"%S %D", true, {pkString, pkInteger}},
      {u"%1:s before %0:s", true, {pkString, pkString}},
      {u"%2:s only", true, {pkUnused, pkUnused, pkString}},
      {u"%*d", true, {pkInteger, pkInteger}},
      {u"%.*s", true, {pkInteger, pkString}},
      {u"%0:s and %0:s again", true, {pkString}},
      {u"%", false, {}},
      {u"50% off", false, {}},
      {u"%q", false, {}},
      {u"%5", false, {}},
      {u"%1234d", false, {}},
      {u"%.1000f", false, {}},
      {u"%1000:s", false, {}},
      {u"%0:s and %0:d", false, {}},
      {u"%*:s", false, {}},
  };
  for (const PatternCase &c : cases) {
    std::vector<TPlaceholderKind> kinds;
    EXPECT_EQ(ReadPlaceholders(c.pattern, kinds), c.valid) << StringToUTF8(c.pattern);
    if (c.valid) {
      EXPECT_EQ(kinds, c.kinds) << StringToUTF8(c.pattern);
    }
  }
}

struct PairCase {
  const char16_t *builtin;
  const char16_t *translated;
  bool same;
};

TEST(MessagePlaceholders, SameMeansSameArgumentsAsSameKinds) {
  const PairCase cases[] = {
      {u"Delete %s?", u"%s l\u00F6schen?", true},
      {u"Join %s to %s?", u"%1:s mit %0:s verbinden?", true},
      {u"%d of %d", u"%5d / %-3d", true},
      {u"%.0n files", u"%.2n fichiers", true},
      {u"%d of %d", u"%u of %x", true},
      {u"plain", u"simple", true},
      {u"Delete %s?", u"Delete?", false},
      {u"Delete %s?", u"Delete %s %s?", false},
      {u"%.0n files", u"%d files", false},
      {u"%d files", u"%s files", false},
      {u"%s", u"%1:s", false},
      {u"%s", u"%s 100%", false},
      {u"%d%%", u"%d%", false},
  };
  for (const PairCase &c : cases)
    EXPECT_EQ(SamePlaceholders(c.builtin, c.translated), c.same)
        << StringToUTF8(c.builtin) << " / " << StringToUTF8(c.translated);
}

} // namespace
