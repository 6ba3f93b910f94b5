#include "tools/qmark/text_reading.h"

#include <gtest/gtest.h>

namespace qmark {
namespace {

using textcore::String;

TEST(TextReading, EachEncodingDecodesToTheSameText) {
  struct Case {
    const char *what;
    std::string bytes;
    textcore::LCID lcid;
    String text;
  } cases[] = {
      {"empty", "", 1033, u""},
      {"ASCII", "a b\r\n", 1033, u"a b\r\n"},
      {"UTF-8", "caf\xC3\xA9 \xE2\x82\xAC", 1033, u"café €"},
      {"UTF-8 signature",
       "\xEF\xBB\xBF"
       "caf\xC3\xA9",
       1033, u"café"},
      {"UTF-8 signature, damaged",
       "\xEF\xBB\xBF"
       "a\xFF",
       1033, u"a\uFFFD"},
      {"UTF-8 signature only", "\xEF\xBB\xBF", 1033, u""},
      {"UTF-16 LE",
       std::string("\xFF\xFE"
                   "a\0\xAC\x20",
                   6),
       1033, u"a€"},
      {"UTF-16 BE", std::string("\xFE\xFF\0a\x20\xAC", 6), 1033, u"a€"},
      {"UTF-16 LE, odd byte left",
       std::string("\xFF\xFE"
                   "a\0b",
                   5),
       1033, u"a\uFFFD"},
      {"UTF-16 LE surrogate pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), 1033, u"\U0001F600"},
      {"cp1252 for English", "caf\xE9 \x80 \x92", 1033, u"café € \u2019"},
      {"cp1251 for Russian", "\xCC\xEE\xF1\xF2 \xB8", 0x419, u"Мост ё"},
      {"cp1253 for Greek", "\xE3\xE5\xF6\xF5\xF1\xE1", 0x408, u"γεφυρα"},
      {"lone NUL stays", std::string("a\0b", 3), 1033, String(u"a\0b", 3)},
  };
  for (const Case &c : cases)
    EXPECT_EQ(TextOfFileBytes(c.bytes, c.lcid), c.text) << c.what;
}

} // namespace
} // namespace qmark
