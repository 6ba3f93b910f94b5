#include "platform/unit_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <type_traits>

namespace textcore {
namespace {

template <typename Text> void CheckCountAndLast(const Text &text, typename Text::value_type c) {
  for (size_t from = 0; from < std::min<size_t>(text.size(), 20); ++from) {
    const auto *start = text.data() + from, *end = text.data() + text.size();
    const size_t last = text.rfind(c);
    const typename Text::value_type *found = nullptr;
    EXPECT_EQ(unit_scan::CountAndLastOf(start, end, c, found),
              static_cast<size_t>(
                  std::count(text.begin() + static_cast<ptrdiff_t>(from), text.end(), c)));
    EXPECT_EQ(found, last == Text::npos || last < from ? nullptr : text.data() + last);
  }
}

TEST(UnitScan, CountAndLastOfAgreeWithTheirPlainForms) {
  for (size_t length = 0; length < 70; ++length)
    for (size_t at : {size_t{0}, size_t{7}, size_t{15}, size_t{16}, size_t{33}, length - 1}) {
      std::u16string wide(length, u'a');
      std::string narrow(length, 'a');
      if (at < length) {
        wide[at] = wide[length / 2] = u'\n';
        narrow[at] = narrow[length / 2] = '\n';
      }
      CheckCountAndLast(wide, u'\n');
      CheckCountAndLast(narrow, '\n');
    }
  // Every unit a match, in long runs.
  const std::u16string all_wide(300001, u'\n');
  const std::string all_narrow(300001, '\n');
  const char16_t *last_wide = nullptr;
  const char *last_narrow = nullptr;
  EXPECT_EQ(unit_scan::CountAndLastOf(all_wide.data(), all_wide.data() + all_wide.size(), u'\n',
                                      last_wide),
            300001u);
  EXPECT_EQ(unit_scan::CountAndLastOf(all_narrow.data(), all_narrow.data() + all_narrow.size(),
                                      '\n', last_narrow),
            300001u);
  EXPECT_EQ(last_narrow, all_narrow.data() + 300000);
}

template <typename Unit> bool OutsideOf(Unit c, Unit low, Unit high) {
  using Unsigned = std::make_unsigned_t<Unit>;
  return static_cast<Unsigned>(c) < static_cast<Unsigned>(low) ||
         static_cast<Unsigned>(c) > static_cast<Unsigned>(high);
}

// Every start and end of short ranges, with one unit outside the bounds at each place in turn:
// the blocks and the tails must find the same unit as a plain loop, forwards and backwards.
template <typename Unit> void CheckOutside(Unit low, Unit high, std::initializer_list<Unit> odd) {
  for (const Unit other : odd)
    for (size_t length = 0; length < 40; ++length)
      for (size_t at = 0; at <= length; ++at) {
        std::basic_string<Unit> text(length, low);
        for (size_t i = 0; i < length; i += 3)
          text[i] = high;
        if (at < length)
          text[at] = other;
        for (size_t from = 0; from <= std::min<size_t>(length, 17); ++from) {
          const Unit *start = text.data() + from, *end = text.data() + text.size();
          const Unit *first = nullptr, *last = nullptr;
          for (const Unit *p = start; p < end; ++p)
            if (OutsideOf(*p, low, high)) {
              first = first ? first : p;
              last = p;
            }
          EXPECT_EQ(unit_scan::ScanForOutside(start, end, low, high), first);
          EXPECT_EQ(unit_scan::LastOutside(start, end, low, high), last);
        }
      }
}

TEST(UnitScan, OutsideScansAgreeWithAPlainLoop) {
  CheckOutside<char16_t>(u' ', u'~', {u'\x1F', u'\x7F', u'\xE9', char16_t{0xD800}, u'\0'});
  CheckOutside<char>(' ', '~', {'\x1F', '\x7F', '\xE9', '\0'});
  // Bounds at the ends of the unit's range.
  CheckOutside<char16_t>(char16_t{0}, char16_t{0x7F}, {char16_t{0x80}, char16_t{0xFFFF}});
  CheckOutside<char16_t>(char16_t{0xD800}, char16_t{0xFFFF}, {char16_t{0}, char16_t{0xD7FF}});
}

} // namespace
} // namespace textcore
