#include "platform/nls_code_pages.h"
#include "platform/nls_locale_ids.h"
#include "platform/nls_locale_info.h"

#include <gtest/gtest.h>
#include <unicode/uloc.h>

#include <cstdlib>
#include <map>
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

// ICU's tag for an LCID of its table; "" for an LCID that ICU only knows through another one.
std::string IcuTagOfLcid(LCID lcid) {
  char id[ULOC_FULLNAME_CAPACITY], tag[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  if (uloc_getLocaleForLCID(lcid, id, sizeof id, &status) <= 0 || U_FAILURE(status) ||
      uloc_getLCID(id) != lcid)
    return "";
  int32_t length = uloc_toLanguageTag(id, tag, sizeof tag, false, &status);
  return U_SUCCESS(status) && length > 0 ? std::string(tag, size_t(length)) : "";
}

TEST(NlsLocaleIds, EveryLcidOfIcusTableHasItsWindowsNameBothWays) {
  // Where Windows's name is not ICU's tag.
  const std::map<LCID, String> windows_names = {
      {0x0404, u"zh-TW"},         {0x0C04, u"zh-HK"},
      {0x1004, u"zh-SG"},         {0x1404, u"zh-MO"},
      {0x040A, u"es-ES_tradnl"},  {0x10407, u"de-DE_phoneb"},
      {0x20804, u"zh-CN_stroke"}, {0x008C, u"prs"},
      {0x048C, u"prs-AF"},        {0x0092, u"ku"},
      {0x0492, u"ku-Arab-IQ"},    {0x7C92, u"ku-Arab"},
      {0x006B, u"quz"},           {0x046B, u"quz-BO"},
      {0x086B, u"quz-EC"},        {0x0C6B, u"quz-PE"},
      {0x0086, u"quc"},           {0x0486, u"quc-Latn-GT"},
      {0x0460, u"ks-Arab"},
  };
  // ICU's second LCID for K'iche', not Windows's: its name is that of Windows's LCID.
  const std::map<LCID, LCID> named_as = {{0x0093, 0x0086}};
  size_t lcids = 0;
  // ICU's table, and Dari's neutral LCID, which ICU knows only through Dari in Afghanistan.
  for (LCID lcid = 0; lcid <= 0xFFFFF; ++lcid) {
    const std::string tag = IcuTagOfLcid(lcid);
    const auto windows = windows_names.find(lcid);
    // A neutral language stands for the user's locale, and the invariant locale has no name.
    if ((tag.empty() && windows == windows_names.end()) ||
        PRIMARYLANGID(LANGIDFROMLCID(lcid)) == LANG_NEUTRAL || lcid == LOCALE_INVARIANT)
      continue;
    SCOPED_TRACE(testing::Message() << std::hex << lcid << " " << tag);
    ++lcids;
    const String name = LCIDToLocaleName(lcid);
    EXPECT_EQ(name,
              windows != windows_names.end() ? windows->second : String(tag.begin(), tag.end()));
    const auto other = named_as.find(lcid);
    EXPECT_EQ(LocaleNameToLCID(name), other != named_as.end() ? other->second : lcid);
    char16_t info[85] = {};
    EXPECT_EQ(GetLocaleInfoW(lcid, LOCALE_SNAME, info, 85), int32_t(name.size() + 1));
    EXPECT_EQ(String(info), name);
  }
  EXPECT_GT(lcids, 400u);
}

TEST(NlsLocaleIds, NamesTakenBesideTheOnesGiven) {
  const struct {
    const char16_t *name;
    LCID lcid;
  } cases[] = {
      {u"zh-CHS", 0x0004},
      {u"zh-CHT", 0x7C04}, // legacy Windows names
      {u"ZH-tw", 0x0404},
      {u"es-es_TRADNL", 0x040A}, // any case
      {u"zh-Hant-TW", 0x0404},
      {u"es-ES-u-co-trad", 0x040A}, // ICU's tags
      {u"de-DE-u-co-phonebk", 0x10407},
      {u"fa-AF", 0x048C},
      {u"ckb", 0x0092},
      {u"qu-PE", 0x0C6B},
      {u"qut-GT", 0x0486},
      {u"ks-Arab-IN", 0x0460},
      {u"zh_TW.UTF-8", 0x0404},
      {u"es-ES_tradnlx", 0}, // no prefix match
      {u"zh-TW_stroke", 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.name));
    EXPECT_EQ(LocaleNameToLCID(c.name), c.lcid);
  }
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
      {nullptr, nullptr, "zh_TW.UTF-8", 1028, 950, 950},
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
    EXPECT_EQ(LCIDToLocaleName(LOCALE_USER_DEFAULT), LCIDToLocaleName(c.user));
    EXPECT_EQ(GetACP(), c.acp);
    EXPECT_EQ(GetOEMCP(), c.oemcp);
  }
}

} // namespace
} // namespace textcore
