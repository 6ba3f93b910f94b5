#include "platform/exceptions.h"
#include "platform/format_date_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace textcore {
namespace {

// German-style settings: day first, dots between the parts of a date and of a time.
TFormatSettings DottedSettings() {
  TFormatSettings settings;
  settings.DateSeparator = u'.';
  settings.TimeSeparator = u'.';
  settings.DecimalSeparator = u',';
  settings.ShortDateFormat = u"dd/mm/yyyy";
  settings.LongDateFormat = u"dddd, d. mmmm yyyy";
  settings.ShortTimeFormat = u"hh:nn";
  settings.LongTimeFormat = u"hh:nn:ss";
  settings.TimeAMString = u"vorm.";
  settings.TimePMString = u"nachm.";
  return settings;
}

TEST(FormatDateTime, PatternLettersGiveTheFrameworksText) {
  const TFormatSettings us;
  const TDateTime afternoon = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45); // a Tuesday
  struct Case {
    const char16_t *pattern, *expected;
  };
  const Case cases[] = {
      {u"yyyy-mm-dd hh:nn:ss.zzz", u"2024-03-05 14:07:09.045"},
      {u"YYYY-MM-DD HH:NN:SS", u"2024-03-05 14:07:09"},
      {u"d/m/yy", u"5/3/24"},
      {u"yyy", u"2024"},
      {u"h:m", u"14:7"},
      {u"hh:mm", u"14:07"},
      {u"hh:nn mm", u"14:07 03"},
      {u"hmm", u"1407"},
      {u"ddd dddd", u"Tue Tuesday"},
      {u"aaa aaaa", u"Tue Tuesday"},
      {u"mmm mmmm mmmmm", u"Mar March March"},
      {u"ddddd", u"3/5/2024"},
      {u"dddddd", u"Tuesday, March 5, 2024"},
      {u"c", u"3/5/2024 2:07:09 PM"},
      {u"", u"3/5/2024 2:07:09 PM"},
      {u"t|tt", u"2:07 PM|2:07:09 PM"},
      {u"h:nn am/pm", u"2:07 pm"},
      {u"h:nn AM/pm", u"2:07 pm"},
      {u"h:nn am/PM", u"2:07 PM"},
      {u"h:nn a/p", u"2:07 p"},
      {u"h:nn A/P", u"2:07 P"},
      {u"h:nn ampm", u"2:07 PM"},
      {u"h:nn 'am/pm'", u"14:07 am/pm"},
      {u"h:nn a", u"14:07 a"},
      {u"hh' o''clock'", u"14 oclock"},
      {u"\"yyyy\" yyyy", u"yyyy 2024"},
      {u"hh'unclosed", u"14unclosed"},
      {u"z zz zzz zzzz", u"45 45 045 045"},
      {u"hhh nnn sss", u"14 07 09"},
      {u"[x]-#", u"[x]-#"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.pattern));
    EXPECT_EQ(StringToUTF8(FormatDateTime(c.pattern, afternoon, us)), StringToUTF8(c.expected));
  }
}

TEST(FormatDateTime, TwelveHourClockAtMidnightAndNoon) {
  const TFormatSettings us;
  struct Case {
    uint16_t hour, min;
    const char16_t *expected;
  };
  const Case cases[] = {
      {0, 0, u"12:00 am|12:00 AM"},  {0, 30, u"12:30 am|12:30 AM"}, {11, 59, u"11:59 am|11:59 AM"},
      {12, 0, u"12:00 pm|12:00 PM"}, {13, 5, u"1:05 pm|1:05 PM"},   {23, 59, u"11:59 pm|11:59 PM"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.hour << ":" << c.min);
    EXPECT_EQ(FormatDateTime(u"h:nn am/pm|t", EncodeTime(c.hour, c.min, 0, 0), us), c.expected);
  }
}

TEST(FormatDateTime, SettingsSeparatorsNamesAndDatesBeforeTheEpoch) {
  TFormatSettings dotted = DottedSettings();
  dotted.LongMonthNames[11] = u"Dezember";
  dotted.LongDayNames[5] = u"Freitag";
  const TDateTime before_epoch = -1.25; // Friday 1899-12-29 06:00
  EXPECT_EQ(FormatDateTime(u"c", before_epoch, dotted), u"29.12.1899 06.00.00");
  EXPECT_EQ(FormatDateTime(u"dddddd", before_epoch, dotted), u"Freitag, 29. Dezember 1899");
  EXPECT_EQ(FormatDateTime(u"yyyy/mm/dd", EncodeDate(1, 1, 1), dotted), u"0001.01.01");
  EXPECT_EQ(FormatDateTime(u"yy", EncodeDate(2000, 6, 1), dotted), u"00");
  EXPECT_EQ(DateToStr(EncodeDate(2024, 12, 24), dotted), u"24.12.2024");
  EXPECT_EQ(TimeToStr(EncodeTime(9, 5, 3, 0), dotted), u"09.05.03");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 12, 24), dotted), u"24.12.2024");
  EXPECT_EQ(DateTimeToStr(EncodeDateTime(2024, 12, 24, 0, 0, 0, 1), dotted),
            u"24.12.2024 00.00.00");
  dotted.DateSeparator = 0;
  EXPECT_EQ(FormatDateTime(u"d/m", EncodeDate(2024, 12, 24), dotted), u"2412");
}

TEST(FormatDateTime, FormatsThatNameThemselvesStopAfterOneLevel) {
  TFormatSettings looping;
  looping.ShortDateFormat = u"ddddd<c>";
  looping.LongTimeFormat = u"tt";
  const TDateTime value = EncodeDateTime(2024, 3, 5, 14, 7, 9, 0);
  EXPECT_EQ(FormatDateTime(u"ddddd", value, looping), u"< >");
  EXPECT_EQ(FormatDateTime(u"c", value, looping), u"< > ");
  EXPECT_EQ(FormatDateTime(u"yyyy mmmm dddd", std::nan(""), looping), u"0000  ");
}

// A text that is no date (or no time) under the settings: the Try form fails and leaves the value,
// the Def form gives the default, and the plain form raises an error that names the text.
void ExpectRefused(const char16_t *text, const TFormatSettings &settings, bool date) {
  SCOPED_TRACE(StringToUTF8(text));
  TDateTime value = -7;
  EXPECT_FALSE(date ? TryStrToDate(text, value, settings) : TryStrToTime(text, value, settings));
  EXPECT_EQ(value, -7);
  EXPECT_EQ(date ? StrToDateDef(text, -7, settings) : StrToTimeDef(text, -7, settings), -7);
  try {
    date ? StrToDate(text, settings) : StrToTime(text, settings);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError &e) {
    EXPECT_EQ(e.Message(),
              u"'" + String(text) + (date ? u"' is not a valid date" : u"' is not a valid time"));
  }
}

TEST(StrToDate, ReadsDatesInTheOrderOfTheShortDateFormat) {
  const TFormatSettings dotted = DottedSettings();
  TFormatSettings iso;
  iso.DateSeparator = u'-';
  iso.ShortDateFormat = u"yyyy-mm-dd";
  const TFormatSettings us;
  struct Case {
    const TFormatSettings &settings;
    const char16_t *text;
    uint16_t year, month, day;
  };
  const Case cases[] = {
      {dotted, u"24.12.2020", 2020, 12, 24},   {dotted, u" 1 . 2 . 2020 ", 2020, 2, 1},
      {dotted, u"24.12.2020.", 2020, 12, 24},  {dotted, u"29.02.2024", 2024, 2, 29},
      {dotted, u"0024.0012.0099", 99, 12, 24}, {dotted, u"31.12.9999", 9999, 12, 31},
      {dotted, u"1.1.0001", 1, 1, 1},          {us, u"12/24/2020", 2020, 12, 24},
      {iso, u"2020-12-24", 2020, 12, 24},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.text));
    TDateTime value = -7;
    ASSERT_TRUE(TryStrToDate(c.text, value, c.settings));
    uint16_t year, month, day;
    DecodeDate(value, year, month, day);
    EXPECT_EQ(year, c.year);
    EXPECT_EQ(month, c.month);
    EXPECT_EQ(day, c.day);
    EXPECT_EQ(value, StrToDate(c.text, c.settings));
  }
  for (const char16_t *text : {u"29.02.2023", u"29.02.1900", u"31.02.2020", u"24.13.2020",
                               u"0.12.2020", u"24/12/2020", u"24.12.2020 10:00", u"24.12.20200",
                               u"12345.1.2020", u"24..2020", u"24.12.", u"-1.12.2020", u"", u"   "})
    ExpectRefused(text, dotted, true);
  ExpectRefused(u"24/12/2020", us, true);
}

TEST(StrToDate, TwoNumbersMeanThisYearAndShortYearsFallInTheWindow) {
  const TFormatSettings dotted = DottedSettings();
  uint16_t this_year, month, day;
  DecodeDate(Date(), this_year, month, day);
  EXPECT_EQ(StrToDate(u"24.12", dotted), EncodeDate(this_year, 12, 24));
  for (const char16_t *text : {u"1.1.0", u"1.1.30", u"1.1.99"}) {
    uint16_t year;
    DecodeDate(StrToDate(text, dotted), year, month, day);
    EXPECT_GE(year, this_year - dotted.TwoDigitYearCenturyWindow);
    EXPECT_LT(year, this_year - dotted.TwoDigitYearCenturyWindow + 100);
  }
  struct Case {
    int32_t year, current_year, window, expected;
  };
  const Case cases[] = {
      {30, 2025, 50, 2030}, {80, 2025, 50, 1980}, {75, 2025, 50, 1975}, {74, 2025, 50, 2074},
      {5, 2025, 0, 2005},   {99, 2025, 0, 2099},  {0, 2000, 50, 2000},  {49, 2000, 50, 2049},
      {50, 2000, 50, 1950}, {99, 9999, 0, 9999},  {5, 9999, 1, 10005},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ExpandTwoDigitYear(c.year, c.current_year, c.window), c.expected)
        << c.year << " " << c.current_year << " " << c.window;
}

TEST(StrToTime, ReadsHoursMinutesSecondsAndTheMarkers) {
  const TFormatSettings us;
  const TFormatSettings dotted = DottedSettings();
  struct Case {
    const TFormatSettings &settings;
    const char16_t *text;
    uint16_t hour, min, sec, msec;
  };
  const Case cases[] = {
      {us, u"14:07", 14, 7, 0, 0},
      {us, u"10", 10, 0, 0, 0},
      {us, u" 1 : 2 : 3.4 ", 1, 2, 3, 4},
      {us, u"23:59:59.999", 23, 59, 59, 999},
      {us, u"2:07 PM", 14, 7, 0, 0},
      {us, u"2:07pm", 14, 7, 0, 0},
      {us, u"pm 2:07", 14, 7, 0, 0},
      {us, u"12:00 AM", 0, 0, 0, 0},
      {us, u"12:00 pm", 12, 0, 0, 0},
      {us, u"11:59:59 PM", 23, 59, 59, 0},
      {dotted, u"09.30.15,250", 9, 30, 15, 250},
      {dotted, u"9.30 nachm.", 21, 30, 0, 0},
      {dotted, u"VORM. 9.30", 9, 30, 0, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(StringToUTF8(c.text));
    TDateTime value = -7;
    EXPECT_TRUE(TryStrToTime(c.text, value, c.settings));
    EXPECT_EQ(value, EncodeTime(c.hour, c.min, c.sec, c.msec));
  }
  for (const char16_t *text : {u"0:00 AM", u"13:00 PM", u"24:00", u"10:60", u"10:00:00.1000",
                               u"10:", u"10:00 xyz", u"AM PM 10", u""})
    ExpectRefused(text, us, false);
  ExpectRefused(u"9:30", dotted, false);
  ExpectRefused(u"25:00", dotted, false);
}

TEST(StrToDate, WhatDateToStrWritesReadsBack) {
  const TFormatSettings dotted = DottedSettings();
  const TFormatSettings us;
  for (TDateTime date = EncodeDate(1, 1, 1); date <= MaxDateTime; date += 997.0) {
    ASSERT_EQ(StrToDate(DateToStr(date, dotted), dotted), date);
    ASSERT_EQ(StrToDate(DateToStr(date, us), us), date);
  }
  for (int32_t sec = 0; sec < SecsPerDay; sec += 61) {
    const TDateTime time = sec / static_cast<double>(SecsPerDay);
    const TDateTime reread = StrToTime(TimeToStr(time, us), us);
    ASSERT_EQ(SecondsBetween(reread, time), 0) << sec;
    ASSERT_EQ(StrToTime(TimeToStr(time, dotted), dotted), reread) << sec;
  }
}

} // namespace
} // namespace textcore
