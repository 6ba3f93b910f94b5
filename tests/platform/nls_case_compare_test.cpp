#include "platform/nls_case.h"
#include "platform/nls_compare.h"
#include "platform/nls_fold.h"
#include "platform/nls_last_error.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

constexpr uint32_t kUpper = LCMAP_UPPERCASE;
constexpr uint32_t kLower = LCMAP_LOWERCASE;
constexpr uint32_t kLinguistic = LCMAP_LINGUISTIC_CASING;

TEST(NlsCase, LinguisticCasingAndLengthKeeping) {
  struct Case {
    LCID lcid;
    uint32_t flags;
    const char16_t *text, *mapped;
  };
  const Case cases[] = {
      {1033, kUpper, u"straße", u"STRAßE"}, // no "SS": lengths hold
      {1033, kUpper, u"\uFB01x", u"\uFB01X"},
      {1033, kUpper, u"i\u0131", u"II"},
      {1033, kLower, u"I\u0130", u"ii"},
      {1055, kUpper, u"i\u0131", u"II"}, // plain casing ignores the locale
      {1055, kUpper | kLinguistic, u"i\u0131", u"\u0130I"},
      {1055, kLower | kLinguistic, u"I\u0130", u"\u0131i"},
      {1068, kUpper | kLinguistic, u"i", u"\u0130"}, // Azeri
      {1031, kUpper | kLinguistic, u"i", u"I"},
      {1049, kUpper, u"\u0451\u0436", u"\u0401\u0416"},
      {1032, kLower, u"\u03A3\u039F\u03A3", u"\u03C3\u03BF\u03C3"}, // no final-sigma rule
      {1033, kUpper, u"\U00010428", u"\U00010400"},                 // Deseret pair
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.lcid << " " << c.flags);
    EXPECT_EQ(LCMapCase(c.lcid, c.text, c.flags), c.mapped);
    String buffer(c.text);
    int32_t n = LCMapStringW(c.lcid, c.flags, buffer.data(), int32_t(buffer.size()), buffer.data(),
                             int32_t(buffer.size())); // in place
    EXPECT_EQ(n, int32_t(buffer.size()));
    EXPECT_EQ(buffer, c.mapped);
  }
}

TEST(NlsCase, ConventionAndEightBitText) {
  EXPECT_EQ(LCMapStringW(1033, kUpper, u"abc", -1, nullptr, 0), 4);
  char16_t small[2];
  EXPECT_EQ(LCMapStringW(1033, kUpper, u"abc", 3, small, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(LCMapStringW(1033, kUpper | kLower, u"abc", 3, nullptr, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  char out[8];
  // 1252: é to É, ÿ to Ÿ at 0x9F; µ's capital is not in the page, so it stays.
  ASSERT_EQ(LCMapStringA(1033, kUpper, "\xE9\xFF\xB5z", 4, out, 8), 4);
  EXPECT_EQ(std::string(out, 4), "\xC9\x9F\xB5Z");
  // 1254 with linguistic casing: i to İ (0xDD).
  ASSERT_EQ(LCMapStringA(1055, kUpper | kLinguistic, "i", 1, out, 8), 1);
  EXPECT_EQ(out[0], '\xDD');
  // Shift-JIS: the second byte of a kanji ("\x88\x61") is never taken for a letter.
  ASSERT_EQ(LCMapStringA(1041, kUpper,
                         "\x88\x61"
                         "a",
                         3, out, 8),
            3);
  EXPECT_EQ(std::string(out, 3), "\x88\x61"
                                 "A");
}

TEST(NlsCompare, FlagsDecideWhatCounts) {
  struct Case {
    LCID lcid;
    uint32_t flags;
    const char16_t *a, *b;
    int32_t result;
  };
  const Case cases[] = {
      {1033, 0, u"apple", u"Banana", CSTR_LESS_THAN},
      {1033, 0, u"a", u"A", CSTR_LESS_THAN},
      {1033, NORM_IGNORECASE, u"abc", u"ABC", CSTR_EQUAL},
      {1033, 0, u"r\u00E9sum\u00E9", u"resume", CSTR_GREATER_THAN},
      {1033, NORM_IGNORENONSPACE, u"r\u00E9sum\u00E9", u"resume", CSTR_EQUAL},
      {1033, NORM_IGNORENONSPACE, u"R\u00E9sum\u00E9", u"resume", CSTR_GREATER_THAN},
      {1033, NORM_IGNORENONSPACE | NORM_IGNORECASE, u"R\u00E9sum\u00E9", u"resume", CSTR_EQUAL},
      {1033, NORM_IGNORESYMBOLS, u"a.b,c!", u"abc", CSTR_EQUAL},
      {1033, NORM_IGNORESYMBOLS, u"a b", u"ab", CSTR_EQUAL},
      {1033, 0, u"e\u0301", u"\u00E9", CSTR_EQUAL}, // canonically equal
      {1033, 0, u"coop", u"co-op", CSTR_LESS_THAN}, // word sort: hyphen weighs little
      {1033, 0, u"co-op", u"coopa", CSTR_LESS_THAN},
      {1033, SORT_STRINGSORT, u"co-op", u"coop", CSTR_LESS_THAN},
      {1033, SORT_STRINGSORT, u"co-op", u"coa", CSTR_LESS_THAN}, // punctuation before letters
      {1033, 0, u"a10", u"a2", CSTR_LESS_THAN},
      {1033, SORT_DIGITSASNUMBERS, u"a10", u"a2", CSTR_GREATER_THAN},
      {1053, 0, u"\u00F6", u"z", CSTR_GREATER_THAN}, // Swedish ö after z
      {1031, 0, u"\u00F6", u"z", CSTR_LESS_THAN},    // German ö with o
      {1033, 0, u"", u"a", CSTR_LESS_THAN},
      {1033, 0, u"", u"", CSTR_EQUAL},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.lcid << " " << c.flags << " " << StringToUTF8(c.a) << " "
                                    << StringToUTF8(c.b));
    EXPECT_EQ(CompareStringW(c.lcid, c.flags, c.a, -1, c.b, -1), c.result);
    int32_t reverse = 4 - c.result;
    EXPECT_EQ(CompareStrings(c.lcid, c.flags, c.b, c.a), reverse);
  }
}

TEST(NlsCompare, LengthsFailuresAndEightBitText) {
  EXPECT_EQ(CompareStringW(1033, 0, u"abcX", 3, u"abcY", 3), CSTR_EQUAL);
  EXPECT_EQ(CompareStringW(1033, 0, nullptr, 0, u"a", 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(CompareStringW(1033, 0, u"a", -2, u"a", 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(CompareStringW(1033, 0x40000000, u"a", 1, u"a", 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_EQ(CompareStringW(0x7FFF, 0, u"a", 1, u"a", 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(CompareStringA(1032, NORM_IGNORECASE, "\xE1", 1, "\xC1", 1), CSTR_EQUAL); // Greek α/Α
  EXPECT_EQ(CompareStringA(1033, 0, "\xE9", 1, "f", 1), CSTR_LESS_THAN);
}

TEST(NlsFold, PrecomposedCompositeAndTheOtherFoldings) {
  struct Case {
    uint32_t flags;
    const char16_t *text, *folded;
  };
  const Case cases[] = {
      {MAP_PRECOMPOSED, u"e\u0301te\u0301", u"\u00E9t\u00E9"},
      {MAP_PRECOMPOSED, u"q\u0301", u"q\u0301"}, // nothing to compose with
      {MAP_COMPOSITE, u"\u00E9", u"e\u0301"},
      {MAP_FOLDDIGITS, u"\u0661\u0662x\u00B2", u"12x2"},
      {MAP_FOLDCZONE, u"\uFF21\uFF42", u"Ab"},
      {MAP_EXPAND_LIGATURES, u"\u00DF\u00E6\uFB01", u"ssaefi"},
      {MAP_PRECOMPOSED | MAP_FOLDCZONE, u"\uFF45\u0301", u"\u00E9"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.flags);
    EXPECT_EQ(FoldString(c.flags, c.text), c.folded);
    const int32_t n = FoldStringW(c.flags, c.text, -1, nullptr, 0);
    EXPECT_EQ(n, int32_t(String(c.folded).size()) + 1);
  }
  char16_t out[2];
  EXPECT_EQ(FoldStringW(MAP_COMPOSITE, u"\u00E9\u00E9", 2, out, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(FoldStringW(MAP_COMPOSITE | MAP_PRECOMPOSED, u"a", 1, out, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_EQ(FoldStringW(0, u"a", 1, out, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

} // namespace
} // namespace textcore
