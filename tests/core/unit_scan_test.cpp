#include "core/unit_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace textcore {
namespace {

template <typename Text> void CheckCountAndLast(const Text &text, typename Text::value_type c) {
  for (size_t from = 0; from < std::min<size_t>(text.size(), 20); ++from) {
    const auto *start = text.data() + from, *end = text.data() + text.size();
    EXPECT_EQ(unit_scan::CountOf(start, end, c),
              static_cast<size_t>(
                  std::count(text.begin() + static_cast<ptrdiff_t>(from), text.end(), c)));
    const size_t last = text.rfind(c);
    const auto *found = unit_scan::LastOf(start, end, c);
    EXPECT_EQ(found, last == Text::npos || last < from ? nullptr : text.data() + last);
  }
}

TEST(UnitScan, CountOfAndLastOfAgreeWithTheirPlainForms) {
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
  // More matches than a lane can count before it is summed.
  const std::u16string all_wide(300001, u'\n');
  const std::string all_narrow(300001, '\n');
  EXPECT_EQ(unit_scan::CountOf(all_wide.data(), all_wide.data() + all_wide.size(), u'\n'), 300001u);
  EXPECT_EQ(unit_scan::CountOf(all_narrow.data(), all_narrow.data() + all_narrow.size(), '\n'),
            300001u);
}

} // namespace
} // namespace textcore
