#include "strings/julian_date_labels.h"

#include "platform/date_time.h"
#include "strings/julian_dates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace textcore {
namespace {

using YMD = TYearMonthDay;

// Settings unlike the defaults, so that every separator and name is seen to come from them.
TFormatSettings LabelSettings() {
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.DateSeparator = u'-';
  settings.TimeSeparator = u'.';
  settings.ShortMonthNames[1] = u"Feb.";
  settings.ShortMonthNames[2] = u"Mrz";
  return settings;
}

TEST(JulianDateLabels, EveryBasisHasItsNamePatternAndLabels) {
  const TFormatSettings settings = LabelSettings();
  struct Case {
    const char16_t *name, *pattern, *full, *abbreviated;
  };
  const Case cases[] = {
      {u"unknown", u"yyyy/mmm/dd hh:nn", u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {u"millennia", u"yyyy", u"1999", u"1999"},
      {u"centuries", u"yyyy", u"1999", u"1999"},
      {u"decades", u"yyyy", u"1999", u"1999"},
      {u"years", u"yyyy", u"1999", u"99"},
      {u"months", u"yyyy/mmm", u"1999-Mrz", u"Mrz"},
      {u"days", u"yyyy/mmm/dd", u"1999-Mrz-05", u"5"},
      {u"hours", u"yyyy/mmm/dd hh", u"1999-Mrz-05 00", u"0"},
      {u"data", u"yyyy/mmm/dd hh:nn", u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {u"custom", u"yyyy/mmm/dd hh:nn", u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {u"spare", u"yyyy/mmm/dd hh:nn", u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {u"", u"yyyy/mmm/dd hh:nn", u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"}, // no such basis
  };
  for (int32_t i = 0; i <= time_line_plotbase_count; ++i) {
    const auto basis = static_cast<TTimeLinePlotbase>(i);
    if (i < time_line_plotbase_count) {
      EXPECT_EQ(TimeLinePlotbaseStr()[i], cases[i].name);
    }
    EXPECT_EQ(TimeLineBasisFormatString(basis), cases[i].pattern) << i;
    EXPECT_EQ(YearMonthDayAsString({1999, 3, 5}, basis, settings), cases[i].full) << i;
    EXPECT_EQ(AbbreviatedYearMonthDayAsString({1999, 3, 5}, basis, settings), cases[i].abbreviated)
        << i;
  }
}

TEST(JulianDateLabels, YearsOfAnySizeAndSignAndDaysTheCalendarLacks) {
  const TFormatSettings settings = LabelSettings();
  struct Case {
    YMD r;
    TTimeLinePlotbase basis;
    const char16_t *full, *abbreviated;
  };
  const Case cases[] = {
      {{-44, 3, 15}, tlpb_days, u"-0044-Mrz-15", u"15"},
      {{-44, 3, 15}, tlpb_unknown, u"-0044-Mrz-15 00.00", u"-44-Mrz-15 00.00"},
      {{-4499, 1, 1}, tlpb_years, u"-4499", u"-99"},
      {{0, 1, 1}, tlpb_years, u"0000", u"00"},
      {{12345, 1, 1}, tlpb_years, u"12345", u"45"},
      {{-2147483647 - 1, 1, 1}, tlpb_years, u"-2147483648", u"-48"},
      {{1999, 2, 29}, tlpb_days, u"1999-Feb.-29", u"29"}, // any year has it
      {{1999, 13, 1}, tlpb_days, u"??", u"??"},
      {{1999, 65539, 1}, tlpb_days, u"??", u"??"},
      {{1999, 2, 30}, tlpb_hours, u"??", u"??"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(YearMonthDayAsString(c.r, c.basis, settings), c.full) << c.r.year;
    EXPECT_EQ(AbbreviatedYearMonthDayAsString(c.r, c.basis, settings), c.abbreviated) << c.r.year;
  }
}

TEST(JulianDateLabels, StoredDatesAreLabelledAndNoDateNeverShowsAsToday) {
  const TFrozenClock clock(EncodeDate(2024, 5, 17) + 0.5);
  const TFormatSettings settings = LabelSettings();
  const double march_5 = YearMonthDayToJulianAddingConst({1999, 3, 5});
  struct Case {
    double jd;
    const char16_t *full, *abbreviated;
  };
  const Case cases[] = {
      {march_5, u"1999-Mrz-05", u"5"},
      {march_5 + 0.99, u"1999-Mrz-05", u"5"},
      {march_5 + 1, u"1999-Mrz-06", u"6"},
      // Before 1899-12-30 once shifted, where the platform's day is counted toward zero.
      {YearMonthDayToJulianAddingConst({-3000, 6, 15}) + 0.75, u"-3000-Jun-15", u"15"},
      {1903316.5, u"??", u"??"}, // the empty date
      {0, u"??", u"??"},
      {1e300, u"??", u"??"},
      {std::nan(""), u"??", u"??"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(JulianToStringRemovingConst(c.jd, tlpb_days, false, settings), c.full) << c.jd;
    EXPECT_EQ(JulianToStringRemovingConst(c.jd, tlpb_days, true, settings), c.abbreviated);
  }
}

} // namespace
} // namespace textcore
