#include "platform/nls_code_pages.h"
#include "platform/nls_locale_ids.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace textcore {
namespace {

TEST(NlsLocaleIds, KnownLcidsRoundTripThroughTheirNames) {
  struct Case {
    LCID lcid;
    const char16_t *name;
  };
  const Case cases[] = {
      {1033, u"en-US"}, {2057, u"en-GB"},      {1031, u"de-DE"},      {1036, u"fr-FR"},
      {1049, u"ru-RU"}, {1032, u"el-GR"},      {1037, u"he-IL"},      {1025, u"ar-SA"},
      {1041, u"ja-JP"}, {2052, u"zh-CN"},      {1042, u"ko-KR"},      {1054, u"th-TH"},
      {1055, u"tr-TR"}, {3098, u"sr-Cyrl-CS"}, {2074, u"sr-Latn-CS"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.lcid);
    EXPECT_EQ(LCIDToLocaleName(c.lcid), c.name);
    EXPECT_EQ(LocaleNameToLCID(c.name), c.lcid);
  }
  EXPECT_EQ(LocaleNameToLCID(u"zh-TW"), 1028u);
  EXPECT_EQ(LocaleNameToLCID(LCIDToLocaleName(1028)), 1028u);
}

TEST(NlsLocaleIds, PosixSpellingsAndNonsense) {
  EXPECT_EQ(LocaleNameToLCID(u"de_DE.UTF-8"), 1031u);
  EXPECT_EQ(LocaleNameToLCID(u"de_DE.ISO-8859-15@euro"), 1031u);
  EXPECT_EQ(LocaleNameToLCID(u"tr_TR"), 1055u);
  EXPECT_EQ(LocaleNameToLCID(u"xx-YY"), 0u);
  EXPECT_EQ(LocaleNameToLCID(u"C"), 0u);
  EXPECT_EQ(LocaleNameToLCID(u""), 0u);
  EXPECT_EQ(LocaleNameToLCID(u"en-\u00E9"), 0u);
  EXPECT_EQ(LCIDToLocaleName(0x7FFF), u"");
  EXPECT_FALSE(IsValidLCID(0x7FFF));
}

// Sets the locale variables for one test and puts them back after it.
class LocaleEnvironment {
public:
  LocaleEnvironment() {
    for (int i = 0; i < 3; ++i)
      if (const char *v = std::getenv(kNames[i]))
        saved_[i] = v;
  }
  ~LocaleEnvironment() {
    for (int i = 0; i < 3; ++i)
      if (saved_[i])
        setenv(kNames[i], saved_[i]->c_str(), 1);
      else
        unsetenv(kNames[i]);
  }
  void Set(const char *all, const char *ctype, const char *lang) {
    const char *values[3] = {all, ctype, lang};
    for (int i = 0; i < 3; ++i)
      if (values[i])
        setenv(kNames[i], values[i], 1);
      else
        unsetenv(kNames[i]);
  }

private:
  static constexpr const char *kNames[3] = {"LC_ALL", "LC_CTYPE", "LANG"};
  std::optional<std::string> saved_[3];
};

TEST(NlsLocaleIds, UserLocaleAndCodePagesFollowTheEnvironment) {
  LocaleEnvironment env;
  struct Case {
    const char *all, *ctype, *lang;
    LCID user;
    uint32_t acp, oemcp;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, 1033, 1252, 850},
      {"C", nullptr, "de_DE.UTF-8", 1033, 1252, 850}, // LC_ALL wins
      {"POSIX", nullptr, nullptr, 1033, 1252, 850},
      {"", "", "de_DE.UTF-8", 1031, 1252, 850}, // empty values are skipped
      {nullptr, "ru_RU.UTF-8", "de_DE", 1049, 1251, 866},
      {nullptr, nullptr, "en_US.UTF-8", 1033, 1252, 437},
      {nullptr, nullptr, "el_GR.UTF-8", 1032, 1253, 737},
      {nullptr, nullptr, "tr_TR.UTF-8", 1055, 1254, 857},
      {nullptr, nullptr, "ja_JP.UTF-8", 1041, 932, 932},
      {nullptr, nullptr, "hi_IN.UTF-8", 1081, 1252, 850}, // no 8-bit code page of its own
      {nullptr, nullptr, "xx_YY", 1033, 1252, 850},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << (c.all ? c.all : "-") << " " << (c.lang ? c.lang : "-"));
    env.Set(c.all, c.ctype, c.lang);
    EXPECT_EQ(GetUserDefaultLCID(), c.user);
    EXPECT_EQ(ResolvedLCID(LOCALE_USER_DEFAULT), c.user);
    EXPECT_EQ(ResolvedLCID(LOCALE_SYSTEM_DEFAULT), c.user);
    EXPECT_EQ(ResolvedLCID(LANG_NEUTRAL), c.user);
    EXPECT_EQ(GetACP(), c.acp);
    EXPECT_EQ(GetOEMCP(), c.oemcp);
  }
}

} // namespace
} // namespace textcore
