// The reader of typed dates. It is strict on purpose: "1999-03-05" or "$7CF" is not a year, and
// a date that reads wrongly would sort and bucket a text where nobody looks for it.
#include "strings/julian_date_parsing.h"

#include "messages/message_names.h"
#include "strings/julian_dates.h"

namespace textcore {

double UserStrDateAndTimeParsed(StringView s) {
  const double no_date = YearMonthDayToJulianAddingConst(AClearYearMonthDayRec());
  const String text = Trim(s);
  const StringView unknown = _QMUnknown_date_str.Text();
  if (text.size() < 4 || text.find(u'<') != String::npos ||
      (!unknown.empty() && text.find(unknown) != String::npos))
    return no_date;

  int32_t year = 0, month = 0, day = 0;
  if (TryDecimalToInt(text, year))
    return YearMonthDayToJulianAddingConst(TYearMonthDay{year, 7, 1});

  const size_t first = text.find(u'/');
  const size_t second = first == String::npos ? String::npos : text.find(u'/', first + 1);
  if (second == String::npos)
    return no_date;
  const StringView view(text);
  if (!TryDecimalToInt(view.substr(0, first), year) ||
      !TryDecimalToInt(view.substr(first + 1, second - first - 1), month) ||
      !TryDecimalToInt(view.substr(second + 1), day))
    return no_date;
  return YearMonthDayToJulianAddingConst(TYearMonthDay{year, month, day});
}

} // namespace textcore
