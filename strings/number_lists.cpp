// Number lists; see number_lists.h.
#include "strings/number_lists.h"

#include "core/yield.h"
#include "platform/format.h"

#include <algorithm>
#include <optional>

namespace textcore {

namespace {

// Writes numbers one by one, closing runs of consecutive ones.
class TRunWriter {
public:
  void Add(int64_t value, StringView text) {
    if (fPrevious && value == *fPrevious + 1) {
      if (fRunLength == 0) {
        fResult += u'-';
        fRunLength = 1;
      }
      ++fRunLength;
    } else {
      CloseRun();
      Write(text);
    }
    fPrevious = value;
    fPreviousText.assign(text);
  }

  String Finish() {
    CloseRun();
    return std::move(fResult);
  }

private:
  void Write(StringView text) {
    if (!fResult.empty() && fResult.back() >= u'0' && fResult.back() <= u'9')
      fResult += u',';
    fResult.append(text);
  }

  void CloseRun() {
    if (fRunLength == 0)
      return;
    if (fRunLength == 2)
      fResult.back() = u','; // two numbers are no range
    Write(fPreviousText);
    fRunLength = 0;
  }

  String fResult;
  std::optional<int64_t> fPrevious;
  String fPreviousText;
  int32_t fRunLength = 0; // numbers in the open run; 0 when none is open
};

// A run of ASCII digits, blanks around it ignored, that fits a 32-bit integer.
std::optional<int32_t> DigitsOf(StringView text) {
  const String trimmed = Trim(text);
  if (trimmed.empty() || trimmed.size() > 10)
    return std::nullopt;
  int64_t value = 0;
  for (const char16_t c : trimmed) {
    if (c < u'0' || c > u'9')
      return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  if (value > INT32_MAX)
    return std::nullopt;
  return static_cast<int32_t>(value);
}

// One item of a list: a number, or the two ends of a range. An end that does not read is empty.
struct TListItem {
  bool range = false;
  bool first_blank = false; // a range with nothing before its "-"
  std::optional<int32_t> first, last;
};

TListItem ItemOf(StringView item) {
  TListItem parsed;
  const size_t dash = item.find(u'-');
  if (dash == StringView::npos) {
    parsed.first = parsed.last = DigitsOf(item);
    return parsed;
  }
  parsed.range = true;
  parsed.first = DigitsOf(item.substr(0, dash));
  parsed.first_blank = Trim(item.substr(0, dash)).empty();
  parsed.last = DigitsOf(item.substr(dash + 1));
  return parsed;
}

// Calls take(item) for each ","-separated item of s.
template <typename Take> void ForEachItem(StringView s, Take take) {
  size_t start = 0;
  for (;;) {
    const size_t comma = s.find(u',', start);
    take(ItemOf(s.substr(start, comma == StringView::npos ? StringView::npos : comma - start)));
    if (comma == StringView::npos)
      return;
    start = comma + 1;
  }
}

std::vector<int32_t> NumbersOf(StringView s) {
  std::vector<int32_t> numbers;
  ForEachItem(s, [&numbers](const TListItem &item) {
    if (!item.last)
      return;
    const int64_t first = item.range ? item.first.value_or(0) : *item.first;
    const int64_t count = int64_t{*item.last} - first + 1;
    if (count <= 0 || count > most_numbers_in_a_list - static_cast<int64_t>(numbers.size()))
      return;
    for (int64_t n = first; n <= *item.last; ++n)
      numbers.push_back(static_cast<int32_t>(n));
  });
  return numbers;
}

} // namespace

String HumanAbbreviatedNumberListString(const TStringList &list) {
  TRunWriter writer;
  for (int32_t i = 0; i < list.Count(); ++i) {
    int32_t value = 0;
    if (TryDecimalToInt(list.Strings(i), value))
      writer.Add(value, list.Strings(i));
  }
  return writer.Finish();
}

String HumanAbbreviatedNumberListString(const std::vector<int32_t> &values, int32_t offset) {
  TRunWriter writer;
  for (const int32_t value : values) {
    const int64_t shifted = int64_t{value} + offset;
    writer.Add(shifted, IntToStr(shifted));
  }
  return writer.Finish();
}

String HumanAbbreviatedNumberListStringExpanded(StringView s) {
  String result;
  for (const int32_t n : NumbersOf(s)) {
    if (!result.empty())
      result += u',';
    result += IntToStr(n);
  }
  return result;
}

std::vector<int32_t> HumanAbbreviatedNumberListStringAsIntegers(StringView s, int32_t offset) {
  std::vector<int32_t> numbers = NumbersOf(s);
  for (int32_t &n : numbers)
    n = static_cast<int32_t>(int64_t{n} - offset); // wraps as the 32-bit arithmetic did
  return numbers;
}

String ANumberInHumanString(StringView s, int32_t n) {
  const std::vector<int32_t> numbers = NumbersOf(s);
  if (n < 1 || static_cast<size_t>(n) > numbers.size())
    return String();
  return IntToStr(numbers[static_cast<size_t>(n) - 1]);
}

String HumanAbbreviatedNumberListStringToMonths(StringView s) {
  return HumanAbbreviatedNumberListStringToMonths(s, UserDefaultFormatSettings());
}

String HumanAbbreviatedNumberListStringToMonths(StringView s, const TFormatSettings &settings) {
  String result(s);
  for (int32_t month = 1; month <= 12; ++month) {
    const String digits = Format(settings, u"%.2d", month);
    const size_t at = result.find(digits);
    if (at != String::npos)
      result.replace(at, digits.size(), settings.ShortMonthNames[static_cast<size_t>(month) - 1]);
  }
  return result;
}

void ConvertStringToRangeOfBoolean(StringView s, bool zero_based, std::vector<bool> &flags) {
  std::fill(flags.begin(), flags.end(), false);
  const int64_t last_index = static_cast<int64_t>(flags.size()) - 1;
  const auto index_of = [&](int32_t n) {
    return std::clamp<int64_t>(zero_based ? n : int64_t{n} - 1, 0, last_index);
  };
  ForEachItem(s, [&](const TListItem &item) {
    MyYieldProcess();
    if (flags.empty() || !item.last || (!item.first && !item.first_blank))
      return;
    const int64_t from = index_of(item.first.value_or(1)), to = index_of(*item.last);
    for (int64_t i = from; i <= to; ++i)
      flags[static_cast<size_t>(i)] = true;
  });
}

} // namespace textcore
