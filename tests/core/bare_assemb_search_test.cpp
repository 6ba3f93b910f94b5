#include "core/bare_assemb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace textcore {
namespace {

using namespace std::string_literals;

// A text long enough to cross every block boundary of the scans, ending in the given tail.
std::u16string Padded(const std::u16string &tail, size_t filler = 100) {
  return std::u16string(filler, u'x') + tail;
}

struct PosCase {
  std::u16string text;
  int32_t length;
  std::u16string pattern;
  int32_t expected; // offset of the hit, or -1
};

TEST(BareAssembSearch, FastStrPosFindsOnlyWholeOccurrencesInsideTheRange) {
  const std::vector<PosCase> cases = {
      {u"abcabc", 6, u"cab", 2},
      {u"abcabc", 4, u"cab", -1}, // the occurrence would end outside the range
      {u"abcabc", 6, u"", -1},
      {u"abc", 0, u"a", -1},
      {u"a", 1, u"a", 0},
      {u"a", 1, u"ab", -1},
      {u"xxab", 4, u"ab", 2}, // ends on the last character
      {u"aaab", 4, u"aab", 1},
      {u"a\0bc"s, 4, u"bc", 2}, // NUL inside the length is text
      {u"ab\0ab"s, 5, u"ab", 0},
      {Padded(u"needle"), 106, u"needle", 100},
      {Padded(u"needle"), 105, u"needle", -1},
      {Padded(u"n") + u"eedl" + u"needle", 111, u"needle", 105},
  };
  for (const auto &c : cases) {
    const char16_t *hit = FastStrPosW(c.text.data(), c.pattern.c_str(), c.length);
    EXPECT_EQ(hit == nullptr ? -1 : hit - c.text.data(), c.expected)
        << "pattern " << c.pattern.size() << " length " << c.length;
    // The 8-bit form agrees on the same ASCII cases.
    const std::string text(c.text.begin(), c.text.end());
    const std::string pattern(c.pattern.begin(), c.pattern.end());
    const char *hit8 = FastStrPos(text.data(), pattern.c_str(), c.length);
    EXPECT_EQ(hit8 == nullptr ? -1 : hit8 - text.data(), c.expected);
  }
  EXPECT_EQ(FastStrPosW(static_cast<const char16_t *>(nullptr), u"a", 5), nullptr);
  EXPECT_EQ(FastStrPosW(u"abc", nullptr, 3), nullptr);
  EXPECT_EQ(FastStrPosW(u"abc", u"a", -1), nullptr);
}

// The plain search every fast path must agree with: the first start whose whole pattern lies
// inside the range, each unit matching either variant.
int32_t PlainSearch(const std::u16string &text, int32_t length, const std::u16string &v1,
                    const std::u16string &v2) {
  const int32_t n = static_cast<int32_t>(v1.size());
  if (n == 0 || n != static_cast<int32_t>(v2.size()))
    return -1;
  for (int32_t i = 0; i + n <= length; ++i) {
    int32_t k = 0;
    while (k < n && (text[i + k] == v1[k] || text[i + k] == v2[k]))
      ++k;
    if (k == n)
      return i;
  }
  return -1;
}

TEST(BareAssembSearch, SearchesAgreeWithAPlainSearchOverDenseFalseStarts) {
  // A two-letter alphabet makes nearly every position a candidate, in every lane of a block.
  uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (int round = 0; round < 3000; ++round) {
    std::u16string text(static_cast<size_t>(next() % 80), u'a');
    for (auto &c : text)
      c = next() % 3 == 0 ? u'b' : u'a';
    std::u16string pattern(static_cast<size_t>(1 + next() % 5), u'a');
    for (auto &c : pattern)
      c = next() % 3 == 0 ? u'b' : u'a';
    std::u16string upper = pattern;
    for (auto &c : upper)
      c = static_cast<char16_t>(c - 32);
    std::u16string mixed = text; // upper-cases about half of the letters
    for (auto &c : mixed)
      if (next() % 2)
        c = static_cast<char16_t>(c - 32);
    const int32_t length = text.empty() ? 0 : static_cast<int32_t>(next() % (text.size() + 1));
    const std::u16string padded = text + u"\0", padded_mixed = mixed + u"\0";
    const char16_t *hit = FastStrPosW(padded.data(), pattern.c_str(), length);
    EXPECT_EQ(hit == nullptr ? -1 : hit - padded.data(),
              PlainSearch(text, length, pattern, pattern));
    const char16_t *ihit =
        FastStrIPosW(padded_mixed.data(), pattern.c_str(), upper.c_str(), length);
    EXPECT_EQ(ihit == nullptr ? -1 : ihit - padded_mixed.data(),
              PlainSearch(mixed, length, pattern, upper));
    const std::string narrow(mixed.begin(), mixed.end()), p8(pattern.begin(), pattern.end()),
        u8(upper.begin(), upper.end());
    const char *hit8 = FastStrIPos(narrow.c_str(), p8.c_str(), u8.c_str(), length);
    EXPECT_EQ(hit8 == nullptr ? -1 : hit8 - narrow.c_str(),
              PlainSearch(mixed, length, pattern, upper));
    const char *phit8 = FastStrPos(narrow.c_str(), p8.c_str(), length);
    EXPECT_EQ(phit8 == nullptr ? -1 : phit8 - narrow.c_str(),
              PlainSearch(mixed, length, pattern, pattern));
  }
}

struct IPosCase {
  std::u16string text;
  int32_t length;
  std::u16string v1, v2;
  int32_t expected;
};

TEST(BareAssembSearch, FastStrIPosAcceptsEitherVariantAtEachPosition) {
  const std::vector<IPosCase> cases = {
      {u"xaB", 3, u"ab", u"AB", 1},
      {u"xAb", 3, u"ab", u"AB", 1},
      {u"AB", 2, u"ab", u"AB", 0}, // a pattern exactly as long as the range
      {u"xxA", 3, u"a", u"A", 2},  // one character, on the last position
      {u"xxA", 2, u"a", u"A", -1},
      {u"ab", 2, u"ab", u"A", -1}, // variants of different lengths
      {u"ab", 2, u"", u"", -1},
      {u"ab", 0, u"a", u"A", -1},
      {Padded(u"Needle"), 106, u"needle", u"NEEDLE", 100},
      {Padded(u"nEEDLe"), 106, u"needle", u"NEEDLE", 100},
      {Padded(u"nEEDLe"), 105, u"needle", u"NEEDLE", -1},
  };
  for (const auto &c : cases) {
    const char16_t *hit = FastStrIPosW(c.text.data(), c.v1.c_str(), c.v2.c_str(), c.length);
    EXPECT_EQ(hit == nullptr ? -1 : hit - c.text.data(), c.expected) << c.length;
    const std::string text(c.text.begin(), c.text.end());
    const std::string v1(c.v1.begin(), c.v1.end()), v2(c.v2.begin(), c.v2.end());
    const char *hit8 = FastStrIPos(text.data(), v1.c_str(), v2.c_str(), c.length);
    EXPECT_EQ(hit8 == nullptr ? -1 : hit8 - text.data(), c.expected);
  }
  EXPECT_EQ(FastStrIPosW(u"ab", u"a", nullptr, 2), nullptr);
}

TEST(BareAssembSearch, FastStrScanStopsAtTheLength) {
  const std::u16string text = Padded(u"q") + u"z";
  for (int32_t length : {0, 1, 100, 101, 102}) {
    const char16_t *hit = FastStrScanW(text.data(), u'q', length);
    EXPECT_EQ(hit == nullptr ? -1 : hit - text.data(), length > 100 ? 100 : -1) << length;
    const std::string text8(text.begin(), text.end());
    const char *hit8 = FastStrScan(text8.data(), 'q', length);
    EXPECT_EQ(hit8 == nullptr ? -1 : hit8 - text8.data(), length > 100 ? 100 : -1);
  }
  const std::u16string with_nul = u"ab\0c"s;
  EXPECT_EQ(FastStrScanW(with_nul.data(), u'\0', 4), with_nul.data() + 2);
}

struct HowFarCase {
  std::string a, b;
  int32_t count;
  int32_t expected;
  bool equal;
};

TEST(BareAssembSearch, HowFarEqualContentsCountsWhatIsLeftAfterTheFirstDifference) {
  const std::string long_a(64, 'k');
  std::string long_b = long_a;
  long_b[40] = 'X';
  const std::vector<HowFarCase> cases = {
      {"abcd", "abXd", 4, 1, false}, {"abcd", "abcd", 4, 0, true},    {"abcd", "abcX", 4, 0, false},
      {"abcd", "Xbcd", 4, 3, false}, {"abcd", "Xbcd", 0, 0, true},    {"a", "b", 1, 0, false},
      {"abcd", "abcX", 3, 0, true},  {long_a, long_b, 64, 23, false}, {long_a, long_b, 40, 0, true},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(HowFarEqualContentsA(c.a.data(), c.b.data(), c.count), c.expected) << c.a;
    EXPECT_EQ(EqualContentsA(c.a.data(), c.b.data(), c.count), c.equal) << c.a;
    const std::u16string wa(c.a.begin(), c.a.end()), wb(c.b.begin(), c.b.end());
    EXPECT_EQ(HowFarEqualContentsW(wa.data(), wb.data(), c.count), c.expected) << c.a;
    EXPECT_EQ(EqualContentsW(wa.data(), wb.data(), c.count), c.equal) << c.a;
  }
}

TEST(BareAssembSearch, ChecksumsAreWrapAroundSumsOfLittleEndianWords) {
  const uint8_t wraps16[] = {0x01, 0x00, 0xFF, 0xFF};
  EXPECT_EQ(My2Checksum(wraps16, 2), 0);
  EXPECT_EQ(My2Checksum(wraps16, 1), 1);
  EXPECT_EQ(My2Checksum(wraps16, 0), 0);
  const uint8_t seven[] = {0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(My4Checksum(seven, 7), 0x04030201u);
  EXPECT_EQ(My4Checksum(seven, 3), 0u);
  // Long enough for the block loop, with sums that wrap; checked against a byte-wise sum.
  std::vector<uint8_t> bytes(4 * 1000 + 3);
  for (size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<uint8_t>(i * 37 + 200);
  for (int32_t count : {4, 31, 32, 33, 4003}) {
    uint32_t expected = 0;
    uint16_t expected16 = 0;
    for (int32_t w = 0; w < count / 4; ++w)
      expected += bytes[4 * w] | bytes[4 * w + 1] << 8 | bytes[4 * w + 2] << 16 |
                  static_cast<uint32_t>(bytes[4 * w + 3]) << 24;
    for (int32_t w = 0; w < count / 2; ++w)
      expected16 = static_cast<uint16_t>(expected16 + (bytes[2 * w] | bytes[2 * w + 1] << 8));
    EXPECT_EQ(My4Checksum(bytes.data(), count), expected) << count;
    EXPECT_EQ(My2Checksum(bytes.data(), count / 2), expected16) << count;
  }
}

TEST(BareAssembSearch, ByteOrderMarksOfEitherOrder) {
  struct Case {
    std::vector<uint8_t> bytes;
    bool is_signed, reversed;
  };
  const std::vector<Case> cases = {{{0xFF, 0xFE}, true, false},
                                   {{0xFE, 0xFF}, true, true},
                                   {{0xEF, 0xBB, 0xBF}, false, false},
                                   {{0xFF, 0xFF}, false, false},
                                   {{0x00, 0x00}, false, false}};
  for (const auto &c : cases) {
    EXPECT_EQ(UnicodeSigned(c.bytes.data()), c.is_signed);
    EXPECT_EQ(UnicodeByteReversed(c.bytes.data()), c.reversed);
  }
}

} // namespace
} // namespace textcore
