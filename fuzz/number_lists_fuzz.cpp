// The number-list readers and the number codes on arbitrary text: no list grows past its limit
// however large the ranges, the readers agree with each other, a list read, written as runs and
// read again is the same list, flags keep their length, and codes never lengthen the text.
#include "fuzz/fuzz_check.h"
#include "platform/strings.h"
#include "strings/number_codes.h"
#include "strings/number_lists.h"

#include <cstdint>
#include <vector>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0)
    return 0;
  const size_t flag_count = data[0];
  const String text =
      UTF8ToString(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));

  const std::vector<int32_t> numbers = HumanAbbreviatedNumberListStringAsIntegers(text, 0);
  FUZZ_CHECK(numbers.size() <= size_t(most_numbers_in_a_list));
  String joined;
  for (const int32_t n : numbers)
    joined += (joined.empty() ? u"" : u",") + IntToStr(n);
  FUZZ_CHECK(HumanAbbreviatedNumberListStringExpanded(text) == joined);
  FUZZ_CHECK(ANumberInHumanString(text, static_cast<int32_t>(numbers.size()) + 1).empty());
  if (!numbers.empty()) {
    FUZZ_CHECK(ANumberInHumanString(text, 1) == IntToStr(numbers.front()));
    FUZZ_CHECK(ANumberInHumanString(text, static_cast<int32_t>(numbers.size())) ==
               IntToStr(numbers.back()));
  }
  if (numbers.size() <= 10000) {
    const String written = HumanAbbreviatedNumberListString(numbers, 0);
    FUZZ_CHECK(HumanAbbreviatedNumberListStringAsIntegers(written, 0) == numbers);
  }

  std::vector<bool> flags(flag_count, true);
  ConvertStringToRangeOfBoolean(text, (data[0] & 1) != 0, flags);
  FUZZ_CHECK(flags.size() == flag_count);

  String codes = text;
  MyFormatValidNumberStr(codes);
  FUZZ_CHECK(codes.size() <= text.size());
  return 0;
}
