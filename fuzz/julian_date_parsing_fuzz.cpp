// Dates typed by users, read as shifted Julian dates and labelled again.
#include "fuzz/fuzz_check.h"
#include "strings/julian_date_labels.h"
#include "strings/julian_date_parsing.h"
#include "strings/julian_dates.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  String text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  const TFormatSettings settings = TFormatSettings::Invariant();

  const double jd = UserStrDateAndTimeParsed(text);
  // Nothing, the empty date, or a day at 00:00 that reads back as the same stored date.
  if (jd != 0) {
    FUZZ_CHECK(jd - std::floor(jd) == 0.5);
    TYearMonthDay r;
    FUZZ_CHECK(TryJulianDateToYearMonthDayRemovingConst(jd, r));
    FUZZ_CHECK(r.year >= first_storable_year && r.year <= last_storable_year);
    FUZZ_CHECK(YearMonthDayToJulianAddingConst(r) == jd);
  }
  for (int32_t basis = 0; basis < time_line_plotbase_count; ++basis)
    for (const bool abbreviated : {false, true})
      FUZZ_CHECK(!JulianToStringRemovingConst(jd, static_cast<TTimeLinePlotbase>(basis),
                                              abbreviated, settings)
                      .empty());
  return 0;
}
