// FormatDateTime's pattern writer and the readers of typed dates and times.
#include "platform/format_date_time.h"

#include "platform/exceptions.h"

#include <algorithm>

namespace textcore {
namespace {

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

bool IsAsciiLetter(char16_t c) {
  const char16_t upper = AsciiUpper(c);
  return upper >= u'A' && upper <= u'Z';
}

// value in decimal, zero-padded to at least digits.
void AppendNumber(String &out, uint32_t value, int32_t digits) {
  char16_t reversed[10];
  int32_t count = 0;
  do {
    reversed[count++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (int32_t i = count; i < digits; ++i)
    out += u'0';
  while (count > 0)
    out += reversed[--count];
}

bool HasTextAt(StringView s, size_t at, StringView word) {
  return at + word.size() <= s.size() && SameText(s.substr(at, word.size()), word);
}

// How many times starter repeats from at onwards, plus the one already read; at moves past them.
int32_t RunLength(StringView format, size_t &at, char16_t starter) {
  int32_t count = 1;
  for (; at < format.size() && format[at] == starter; ++at)
    ++count;
  return count;
}

bool IsAmPmAt(StringView format, size_t at) {
  return HasTextAt(format, at, u"am/pm") || HasTextAt(format, at, u"a/p") ||
         HasTextAt(format, at, u"ampm");
}

// Whether an am/pm specifier follows an hour before the next hour or the next other "a" outside
// quotes. Only what follows counts, as the framework looked.
bool TwelveHourClockFollows(StringView format, size_t from) {
  bool quoted = false;
  for (size_t i = from; i < format.size(); ++i) {
    const char16_t c = format[i];
    if ((c == u'a' || c == u'A') && !quoted)
      return IsAmPmAt(format, i);
    if (c == u'h' || c == u'H')
      return false;
    if (c == u'\'' || c == u'"')
      quoted = !quoted;
  }
  return false;
}

class DateTimeWriter {
public:
  DateTimeWriter(TDateTime value, const TFormatSettings &settings) : fSettings(settings) {
    DecodeDateTime(value, fYear, fMonth, fDay, fHour, fMin, fSec, fMSec);
    fDayOfWeek = DayOfWeek(value);
  }

  String Write(StringView format) {
    Append(format.empty() ? StringView(u"c") : format, 0);
    return std::move(fResult);
  }

private:
  // The settings' formats may name each other; one level of that is expanded, no more, so a
  // format that names itself cannot recurse without end.
  void Append(StringView format, int32_t depth);
  void AppendSpecifier(StringView format, size_t &at, char16_t starter, char16_t token,
                       int32_t depth);
  void AppendMonth(int32_t count);
  void AppendDay(int32_t count, int32_t depth);
  void AppendHour(StringView format, size_t &at, char16_t starter);
  size_t AppendLetterA(StringView format, size_t at);
  void AppendQuoted(StringView format, size_t &at, char16_t quote);
  void AppendDayName(const std::array<String, 7> &names) {
    if (fDayOfWeek >= 1 && fDayOfWeek <= 7)
      fResult += names[fDayOfWeek - 1];
  }
  void AppendMonthName(const std::array<String, 12> &names) {
    if (fMonth >= 1 && fMonth <= 12)
      fResult += names[fMonth - 1];
  }
  bool IsMidnight() const { return fHour == 0 && fMin == 0 && fSec == 0 && fMSec == 0; }

  const TFormatSettings &fSettings;
  String fResult;
  uint16_t fYear, fMonth, fDay, fHour, fMin, fSec, fMSec, fDayOfWeek;
  bool fUse12HourClock = false;
};

void DateTimeWriter::Append(StringView format, int32_t depth) {
  if (depth > 1)
    return;
  char16_t last_token = u' ';
  size_t at = 0;
  while (at < format.size()) {
    const char16_t starter = format[at++];
    char16_t token = AsciiUpper(starter);
    if (IsAsciiLetter(token)) {
      if (token == u'M' && last_token == u'H')
        token = u'N';
      last_token = token;
    }
    AppendSpecifier(format, at, starter, token, depth);
  }
}

void DateTimeWriter::AppendSpecifier(StringView format, size_t &at, char16_t starter,
                                     char16_t token, int32_t depth) {
  switch (token) {
  case u'Y':
    if (RunLength(format, at, starter) <= 2)
      AppendNumber(fResult, fYear % 100, 2);
    else
      AppendNumber(fResult, fYear, 4);
    break;
  case u'M':
    AppendMonth(RunLength(format, at, starter));
    break;
  case u'D':
    AppendDay(RunLength(format, at, starter), depth);
    break;
  case u'H':
    AppendHour(format, at, starter);
    break;
  case u'N':
    AppendNumber(fResult, fMin, std::min(RunLength(format, at, starter), 2));
    break;
  case u'S':
    AppendNumber(fResult, fSec, std::min(RunLength(format, at, starter), 2));
    break;
  case u'Z':
    AppendNumber(fResult, fMSec, std::min(RunLength(format, at, starter), 3));
    break;
  case u'T':
    if (RunLength(format, at, starter) == 1)
      Append(fSettings.ShortTimeFormat, depth + 1);
    else
      Append(fSettings.LongTimeFormat, depth + 1);
    break;
  case u'A':
    at += AppendLetterA(format, at - 1) - 1;
    break;
  case u'C':
    RunLength(format, at, starter);
    Append(fSettings.ShortDateFormat, depth + 1);
    if (!IsMidnight()) {
      fResult += u' ';
      Append(fSettings.LongTimeFormat, depth + 1);
    }
    break;
  case u'/':
    if (fSettings.DateSeparator != 0)
      fResult += fSettings.DateSeparator;
    break;
  case u':':
    if (fSettings.TimeSeparator != 0)
      fResult += fSettings.TimeSeparator;
    break;
  case u'\'':
  case u'"':
    AppendQuoted(format, at, starter);
    break;
  default:
    fResult += starter;
  }
}

void DateTimeWriter::AppendMonth(int32_t count) {
  if (count <= 2)
    AppendNumber(fResult, fMonth, count);
  else if (count == 3)
    AppendMonthName(fSettings.ShortMonthNames);
  else
    AppendMonthName(fSettings.LongMonthNames);
}

void DateTimeWriter::AppendDay(int32_t count, int32_t depth) {
  if (count <= 2)
    AppendNumber(fResult, fDay, count);
  else if (count == 3)
    AppendDayName(fSettings.ShortDayNames);
  else if (count == 4)
    AppendDayName(fSettings.LongDayNames);
  else if (count == 5)
    Append(fSettings.ShortDateFormat, depth + 1);
  else
    Append(fSettings.LongDateFormat, depth + 1);
}

void DateTimeWriter::AppendHour(StringView format, size_t &at, char16_t starter) {
  const int32_t count = RunLength(format, at, starter);
  if (TwelveHourClockFollows(format, at))
    fUse12HourClock = true;
  uint32_t hour = fHour;
  if (fUse12HourClock) {
    if (hour == 0)
      hour = 12;
    else if (hour > 12)
      hour -= 12;
  }
  AppendNumber(fResult, hour, std::min(count, 2));
}

// An "a" at at: am/pm, a/p, ampm, aaaa or aaa, or the letter itself. Returns how many characters
// of the format it took.
size_t DateTimeWriter::AppendLetterA(StringView format, size_t at) {
  const bool afternoon = fHour >= 12;
  if (HasTextAt(format, at, u"am/pm")) {
    fResult += format.substr(at + (afternoon ? 3 : 0), 2); // in the case the format wrote it
    fUse12HourClock = true;
    return 5;
  }
  if (HasTextAt(format, at, u"a/p")) {
    fResult += format[at + (afternoon ? 2 : 0)];
    fUse12HourClock = true;
    return 3;
  }
  if (HasTextAt(format, at, u"ampm")) {
    fResult += afternoon ? fSettings.TimePMString : fSettings.TimeAMString;
    fUse12HourClock = true;
    return 4;
  }
  if (HasTextAt(format, at, u"aaaa")) {
    AppendDayName(fSettings.LongDayNames);
    return 4;
  }
  if (HasTextAt(format, at, u"aaa")) {
    AppendDayName(fSettings.ShortDayNames);
    return 3;
  }
  fResult += format[at];
  return 1;
}

// Text up to the matching quote, or to the end when it never closes.
void DateTimeWriter::AppendQuoted(StringView format, size_t &at, char16_t quote) {
  const size_t close = std::min(format.find(quote, at), format.size());
  fResult += format.substr(at, close - at);
  at = std::min(close + 1, format.size());
}

// Typed dates and times ---------------------------------------------------------------------------

// Reads the parts of typed text, skipping the spaces before each, as the framework did.
class Scanner {
public:
  explicit Scanner(StringView text) : fText(text) {}

  void SkipBlanks() {
    while (fAt < fText.size() && fText[fAt] == u' ')
      ++fAt;
  }
  bool AtEnd() const { return fAt == fText.size(); }

  // Up to four digits: reading stops once the value reaches 1000, so "12345" leaves the "5".
  bool Number(uint16_t &value, int32_t &digits) {
    SkipBlanks();
    const size_t start = fAt;
    uint32_t number = 0;
    while (fAt < fText.size() && fText[fAt] >= u'0' && fText[fAt] <= u'9' && number < 1000)
      number = number * 10 + (fText[fAt++] - u'0');
    digits = static_cast<int32_t>(fAt - start);
    value = static_cast<uint16_t>(number);
    return digits > 0;
  }

  bool Char(char16_t c) {
    SkipBlanks();
    if (fAt >= fText.size() || fText[fAt] != c)
      return false;
    ++fAt;
    return true;
  }

  bool Text(StringView word) {
    if (word.empty())
      return false;
    SkipBlanks();
    if (!HasTextAt(fText, fAt, word))
      return false;
    fAt += word.size();
    return true;
  }

private:
  StringView fText;
  size_t fAt = 0;
};

enum class DateOrder { MDY, DMY, YMD };

// The first of day, month and year (or era) that the short date format names.
DateOrder GetDateOrder(StringView format) {
  for (char16_t c : format) {
    switch (AsciiUpper(c)) {
    case u'E':
    case u'Y':
      return DateOrder::YMD;
    case u'M':
      return DateOrder::MDY;
    case u'D':
      return DateOrder::DMY;
    default:
      break;
    }
  }
  return DateOrder::MDY;
}

int32_t CurrentYear() {
  uint16_t year, month, day;
  DecodeDate(Date(), year, month, day);
  return year;
}

struct TypedDate {
  int32_t year = 0, month = 0, day = 0, year_digits = 4;
};

TypedDate OrderThree(DateOrder order, uint16_t n1, int32_t l1, uint16_t n2, uint16_t n3,
                     int32_t l3) {
  switch (order) {
  case DateOrder::MDY:
    return {n3, n1, n2, l3};
  case DateOrder::DMY:
    return {n3, n2, n1, l3};
  case DateOrder::YMD:
    break;
  }
  return {n1, n2, n3, l1};
}

bool ScanDate(Scanner &scan, const TFormatSettings &settings, TDateTime &value) {
  const char16_t separator = settings.DateSeparator;
  uint16_t n1, n2, n3;
  int32_t l1, l2, l3;
  if (!scan.Number(n1, l1) || !scan.Char(separator) || !scan.Number(n2, l2))
    return false;
  const DateOrder order = GetDateOrder(settings.ShortDateFormat);
  TypedDate date;
  if (scan.Char(separator)) {
    if (!scan.Number(n3, l3))
      return false;
    date = OrderThree(order, n1, l1, n2, n3, l3);
    if (date.year_digits <= 2)
      date.year = ExpandTwoDigitYear(date.year, CurrentYear(), settings.TwoDigitYearCenturyWindow);
  } else {
    date.year = CurrentYear();
    date.day = order == DateOrder::DMY ? n1 : n2;
    date.month = order == DateOrder::DMY ? n2 : n1;
  }
  scan.Char(separator); // "24.12.2020." is written that way in some languages
  scan.SkipBlanks();
  return date.year >= 1 && date.year <= 9999 &&
         TryEncodeDate(static_cast<uint16_t>(date.year), static_cast<uint16_t>(date.month),
                       static_cast<uint16_t>(date.day), value);
}

// 0 before noon, 12 after it, -1 when neither marker is there.
int32_t ScanAmPm(Scanner &scan, const TFormatSettings &settings) {
  if (scan.Text(settings.TimeAMString) || scan.Text(u"AM"))
    return 0;
  if (scan.Text(settings.TimePMString) || scan.Text(u"PM"))
    return 12;
  return -1;
}

bool ScanTimeParts(Scanner &scan, const TFormatSettings &settings, uint16_t &hour, uint16_t &min,
                   uint16_t &sec, uint16_t &msec) {
  int32_t digits;
  min = sec = msec = 0;
  if (!scan.Number(hour, digits))
    return false;
  if (!scan.Char(settings.TimeSeparator))
    return true;
  if (!scan.Number(min, digits))
    return false;
  if (!scan.Char(settings.TimeSeparator))
    return true;
  if (!scan.Number(sec, digits))
    return false;
  return !scan.Char(settings.DecimalSeparator) || scan.Number(msec, digits);
}

bool ScanTime(Scanner &scan, const TFormatSettings &settings, TDateTime &value) {
  int32_t base_hour = ScanAmPm(scan, settings);
  uint16_t hour, min, sec, msec;
  if (!ScanTimeParts(scan, settings, hour, min, sec, msec))
    return false;
  if (base_hour < 0)
    base_hour = ScanAmPm(scan, settings);
  if (base_hour >= 0) {
    if (hour == 0 || hour > 12)
      return false;
    hour = static_cast<uint16_t>(hour % 12 + base_hour);
  }
  scan.SkipBlanks();
  return TryEncodeTime(hour, min, sec, msec, value);
}

[[noreturn]] void RaiseNotValid(StringView s, StringView what) {
  throw EConvertError(u"'" + String(s) + u"' is not a valid " + String(what));
}

} // namespace

String FormatDateTime(StringView format, TDateTime value, const TFormatSettings &settings) {
  return DateTimeWriter(value, settings).Write(format);
}

String FormatDateTime(StringView format, TDateTime value) {
  return FormatDateTime(format, value, FormatSettings());
}

String DateToStr(TDateTime value, const TFormatSettings &settings) {
  return FormatDateTime(settings.ShortDateFormat, value, settings);
}

String DateToStr(TDateTime value) { return DateToStr(value, FormatSettings()); }

String TimeToStr(TDateTime value, const TFormatSettings &settings) {
  return FormatDateTime(settings.LongTimeFormat, value, settings);
}

String TimeToStr(TDateTime value) { return TimeToStr(value, FormatSettings()); }

String DateTimeToStr(TDateTime value, const TFormatSettings &settings) {
  return FormatDateTime(u"c", value, settings);
}

String DateTimeToStr(TDateTime value) { return DateTimeToStr(value, FormatSettings()); }

bool TryStrToDate(StringView s, TDateTime &value, const TFormatSettings &settings) {
  Scanner scan(s);
  TDateTime date;
  if (!ScanDate(scan, settings, date) || !scan.AtEnd())
    return false;
  value = date;
  return true;
}

bool TryStrToDate(StringView s, TDateTime &value) {
  return TryStrToDate(s, value, FormatSettings());
}

TDateTime StrToDate(StringView s, const TFormatSettings &settings) {
  TDateTime value;
  if (!TryStrToDate(s, value, settings))
    RaiseNotValid(s, u"date");
  return value;
}

TDateTime StrToDate(StringView s) { return StrToDate(s, FormatSettings()); }

TDateTime StrToDateDef(StringView s, TDateTime default_value, const TFormatSettings &settings) {
  TDateTime value;
  return TryStrToDate(s, value, settings) ? value : default_value;
}

TDateTime StrToDateDef(StringView s, TDateTime default_value) {
  return StrToDateDef(s, default_value, FormatSettings());
}

bool TryStrToTime(StringView s, TDateTime &value, const TFormatSettings &settings) {
  Scanner scan(s);
  TDateTime time;
  if (!ScanTime(scan, settings, time) || !scan.AtEnd())
    return false;
  value = time;
  return true;
}

bool TryStrToTime(StringView s, TDateTime &value) {
  return TryStrToTime(s, value, FormatSettings());
}

TDateTime StrToTime(StringView s, const TFormatSettings &settings) {
  TDateTime value;
  if (!TryStrToTime(s, value, settings))
    RaiseNotValid(s, u"time");
  return value;
}

TDateTime StrToTime(StringView s) { return StrToTime(s, FormatSettings()); }

TDateTime StrToTimeDef(StringView s, TDateTime default_value, const TFormatSettings &settings) {
  TDateTime value;
  return TryStrToTime(s, value, settings) ? value : default_value;
}

TDateTime StrToTimeDef(StringView s, TDateTime default_value) {
  return StrToTimeDef(s, default_value, FormatSettings());
}

bool TryStrToDateTime(StringView s, TDateTime &value, const TFormatSettings &settings) {
  if (TryStrToDate(s, value, settings) || TryStrToTime(s, value, settings))
    return true;
  const String text = Trim(s);
  const size_t blank = text.find(u' ');
  if (blank == String::npos)
    return false;
  TDateTime date = 0, time = 0;
  if (!TryStrToDate(StringView(text).substr(0, blank), date, settings) ||
      !TryStrToTime(TrimLeft(StringView(text).substr(blank)), time, settings))
    return false;
  value = date < 0 ? date - time : date + time;
  return true;
}

bool TryStrToDateTime(StringView s, TDateTime &value) {
  return TryStrToDateTime(s, value, FormatSettings());
}

int32_t ExpandTwoDigitYear(int32_t year, int32_t current_year, int32_t window) {
  const int32_t century_base = current_year - window;
  year += century_base / 100 * 100;
  if (window > 0 && year < century_base)
    year += 100;
  return year;
}

} // namespace textcore
