#include "strings/julian_date_labels.h"

#include "platform/date_time.h"
#include "strings/julian_dates.h"
#include "support/year_month_day.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace textcore {
namespace {

using testsupport::YMD;

// Settings unlike the defaults, so that every separator and name is seen to come from them.
TFormatSettings LabelSettings() {
  TFormatSettings settings = TFormatSettings::Invariant();
  settings.DateSeparator = u'-';
  settings.TimeSeparator = u'.';
  settings.ShortMonthNames[1] = u"Feb.";
  settings.ShortMonthNames[2] = u"Mrz";
  settings.LongMonthNames[2] = u"Maerz";
  return settings;
}

TTimeLinePlotbase Basis(int32_t ordinal) { return static_cast<TTimeLinePlotbase>(ordinal); }

TEST(JulianDateLabels, PeriodSizesHaveTheirCatalogueNamesAndPatterns) {
  struct Case {
    const char16_t *name, *full, *abbreviated;
  };
  const Case cases[time_line_plotbase_count] = {
      {u"unknown", u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"},
      {u"millennia", u"yyyy", u"yyyy"},
      {u"centuries", u"yyyy", u"yyyy"},
      {u"decades", u"yyyy", u"yyyy"},
      {u"years", u"yyyy", u"yy"},
      {u"months", u"yyyy/mmm", u"mmm"},
      {u"days", u"yyyy/mmm/dd", u"d"},
      {u"hours", u"yyyy/mmm/dd hh", u"h"},
      {u"data", u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"},
      {u"custom", u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"},
      {u"spare", u"yyyy/mmm/dd hh:nn", u"yy/mmm/dd hh:nn"},
  };
  for (int32_t i = 0; i < time_line_plotbase_count; ++i) {
    EXPECT_EQ(TimeLinePlotbaseStr()[i], cases[i].name) << i;
    EXPECT_EQ(TimeLineBasisFormatString(Basis(i)), cases[i].full) << i;
    EXPECT_EQ(AbbreviatedTimeLineBasisFormatString(Basis(i)), cases[i].abbreviated) << i;
  }
  EXPECT_EQ(TimeLineBasisFormatString(Basis(200)), u"yyyy/mmm/dd hh:nn");
}

TEST(JulianDateLabels, EveryBasisLabelsARecordFullAndShort) {
  const TFormatSettings settings = LabelSettings();
  struct Case {
    TTimeLinePlotbase basis;
    const char16_t *full, *abbreviated;
  };
  const Case cases[] = {
      {tlpb_unknown, u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {tlpb_millennia, u"1999", u"1999"},
      {tlpb_centuries, u"1999", u"1999"},
      {tlpb_decades, u"1999", u"1999"},
      {tlpb_years, u"1999", u"99"},
      {tlpb_months, u"1999-Mrz", u"Mrz"},
      {tlpb_days, u"1999-Mrz-05", u"5"},
      {tlpb_hours, u"1999-Mrz-05 00", u"0"},
      {tlpb_datafield, u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {tlpb_custom, u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {tlpb_spare, u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
      {Basis(200), u"1999-Mrz-05 00.00", u"99-Mrz-05 00.00"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(YearMonthDayAsString(YMD(1999, 3, 5), c.basis, settings), c.full) << c.basis;
    EXPECT_EQ(AbbreviatedYearMonthDayAsString(YMD(1999, 3, 5), c.basis, settings), c.abbreviated)
        << c.basis;
  }
}

TEST(JulianDateLabels, YearsOfAnySizeAndSign) {
  const TFormatSettings settings = LabelSettings();
  struct Case {
    TYearMonthDay r;
    TTimeLinePlotbase basis;
    const char16_t *full, *abbreviated;
  };
  const Case cases[] = {
      {YMD(-44, 3, 15), tlpb_days, u"-0044-Mrz-15", u"15"},
      {YMD(-44, 3, 15), tlpb_years, u"-0044", u"-44"},
      {YMD(-44, 3, 15), tlpb_unknown, u"-0044-Mrz-15 00.00", u"-44-Mrz-15 00.00"},
      {YMD(-4499, 1, 1), tlpb_years, u"-4499", u"-99"},
      {YMD(-5, 1, 1), tlpb_years, u"-0005", u"-05"},
      {YMD(0, 1, 1), tlpb_years, u"0000", u"00"},
      {YMD(5, 1, 1), tlpb_decades, u"0005", u"0005"},
      {YMD(12345, 1, 1), tlpb_years, u"12345", u"45"},
      {YMD(-123456, 1, 1), tlpb_centuries, u"-123456", u"-123456"},
      {YMD(std::numeric_limits<int32_t>::min(), 1, 1), tlpb_years, u"-2147483648", u"-48"},
      {YMD(2001, 1, 1), tlpb_years, u"2001", u"01"},
      // Every day a month can have, in any year.
      {YMD(1999, 2, 29), tlpb_days, u"1999-Feb.-29", u"29"},
      {YMD(2000, 12, 31), tlpb_months, u"2000-Dec", u"Dec"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(YearMonthDayAsString(c.r, c.basis, settings), c.full) << c.r.year;
    EXPECT_EQ(AbbreviatedYearMonthDayAsString(c.r, c.basis, settings), c.abbreviated) << c.r.year;
  }
}

TEST(JulianDateLabels, MonthsAndDaysTheCalendarLacksGiveQuestionMarks) {
  const TFormatSettings settings = LabelSettings();
  const TYearMonthDay bad[] = {YMD(1999, 0, 1),  YMD(1999, 13, 1),   YMD(1999, -1, 1),
                               YMD(1999, 4, 31), YMD(1999, 2, 30),   YMD(1999, 1, 0),
                               YMD(1999, 1, 32), YMD(1999, 65539, 1)};
  for (const TYearMonthDay &r : bad)
    for (const TTimeLinePlotbase basis : {tlpb_years, tlpb_days, tlpb_hours}) {
      EXPECT_EQ(YearMonthDayAsString(r, basis, settings), u"??") << r.month << "/" << r.day;
      EXPECT_EQ(AbbreviatedYearMonthDayAsString(r, basis, settings), u"??") << r.month;
    }
}

TEST(JulianDateLabels, StoredDatesAreLabelledAndNoDateNeverShowsAsToday) {
  const TFrozenClock clock(EncodeDate(2024, 5, 17) + 0.5);
  const TFormatSettings settings = LabelSettings();
  const double march_5 = YearMonthDayToJulianAddingConst(YMD(1999, 3, 5));
  const double ides = YearMonthDayToJulianAddingConst(YMD(-3000, 6, 15));
  struct Case {
    const char *what;
    double jd;
    const char16_t *full, *abbreviated;
  };
  const Case cases[] = {
      {"midnight", march_5, u"1999-Mrz-05", u"5"},
      {"late evening", march_5 + 0.99, u"1999-Mrz-05", u"5"},
      {"next midnight", march_5 + 1, u"1999-Mrz-06", u"6"},
      // Stored before 1899-12-30, where the platform's day is counted toward zero.
      {"afternoon in -3000", ides + 0.75, u"-3000-Jun-15", u"15"},
      {"the empty date", 1903316.5, u"??", u"??"},
      {"nothing stored", 0, u"??", u"??"},
      {"negative", -1, u"??", u"??"},
      {"past the calendar", 1e300, u"??", u"??"},
      {"not a number", std::nan(""), u"??", u"??"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(JulianToStringRemovingConst(c.jd, tlpb_days, false, settings), c.full) << c.what;
    EXPECT_EQ(JulianToStringRemovingConst(c.jd, tlpb_days, true, settings), c.abbreviated)
        << c.what;
  }
}

} // namespace
} // namespace textcore
