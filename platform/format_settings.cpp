// The process-wide format settings, the locale-independent defaults, and the settings of a
// locale, read through GetLocaleInfo and turned into the framework's pattern letters.
#include "platform/format_settings.h"

#include "platform/nls_locale_info.h"

#include <algorithm>
#include <cstdlib>

namespace textcore {

namespace {

bool IsPatternLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The framework's spelling of one run of a Windows pattern letter. The framework has one hour
// letter (the clock follows from AMPM), writes minutes as "n" except straight after an hour, and
// says AM/PM as "AMPM"; it has no era, which is left out.
String FieldFor(char16_t letter, size_t count, bool after_hour) {
  switch (letter) {
  case u'h':
  case u'H':
    return String(std::min<size_t>(count, 2), u'h');
  case u'm':
    return String(std::min<size_t>(count, 2), after_hour ? u'm' : u'n');
  case u't':
    return u"AMPM";
  case u'g':
    return String();
  default:
    return String(count, letter);
  }
}

// Quoted Windows text ('de', with '' for a quote) as the framework's double-quoted literal.
size_t CopyQuoted(StringView pattern, size_t i, String &out) {
  if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
    out += u'\'';
    return i + 2;
  }
  String literal;
  for (++i; i < pattern.size(); ++i) {
    if (pattern[i] != u'\'') {
      literal += pattern[i];
    } else if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
      literal += u'\'';
      ++i;
    } else {
      ++i;
      break;
    }
  }
  out += u'"' + literal + u'"';
  return i;
}

// A date or time pattern of the locale service in the framework's pattern letters.
String TranslatePattern(StringView pattern) {
  String out;
  bool after_hour = false;
  size_t i = 0;
  while (i < pattern.size()) {
    const char16_t c = pattern[i];
    if (c == u'\'') {
      i = CopyQuoted(pattern, i, out);
    } else if (IsPatternLetter(c)) {
      size_t end = i;
      while (end < pattern.size() && pattern[end] == c)
        ++end;
      out += FieldFor(c, end - i, after_hour);
      after_hour = c == u'h' || c == u'H';
      i = end;
    } else {
      out += c;
      ++i;
    }
  }
  return Trim(out); // a dropped field at either end leaves its spacing behind
}

char16_t FirstOf(const String &text, char16_t fallback) {
  return text.empty() ? fallback : text[0];
}

void ReadNumbers(LCID lcid, TFormatSettings &s) {
  s.DecimalSeparator = FirstOf(GetLocaleInfoString(lcid, LOCALE_SDECIMAL), u'.');
  s.ThousandSeparator = FirstOf(GetLocaleInfoString(lcid, LOCALE_STHOUSAND), u',');
  s.ListSeparator = FirstOf(GetLocaleInfoString(lcid, LOCALE_SLIST), u',');
  s.CurrencyString = GetLocaleInfoString(lcid, LOCALE_SCURRENCY);
  s.CurrencyFormat =
      static_cast<uint8_t>(StrToIntDef(GetLocaleInfoString(lcid, LOCALE_ICURRENCY), 0));
  s.NegCurrFormat =
      static_cast<uint8_t>(StrToIntDef(GetLocaleInfoString(lcid, LOCALE_INEGCURR), 1));
  s.CurrencyDecimals =
      static_cast<uint8_t>(StrToIntDef(GetLocaleInfoString(lcid, LOCALE_ICURRDIGITS), 2));
}

// The locale service counts days from Monday; the framework's arrays start on Sunday.
void ReadNames(LCID lcid, TFormatSettings &s) {
  for (uint32_t m = 0; m < 12; ++m) {
    s.ShortMonthNames[m] = GetLocaleInfoString(lcid, LOCALE_SABBREVMONTHNAME1 + m);
    s.LongMonthNames[m] = GetLocaleInfoString(lcid, LOCALE_SMONTHNAME1 + m);
  }
  for (uint32_t d = 0; d < 7; ++d) {
    uint32_t from_monday = (d + 6) % 7;
    s.ShortDayNames[d] = GetLocaleInfoString(lcid, LOCALE_SABBREVDAYNAME1 + from_monday);
    s.LongDayNames[d] = GetLocaleInfoString(lcid, LOCALE_SDAYNAME1 + from_monday);
  }
  s.TimeAMString = GetLocaleInfoString(lcid, LOCALE_S1159);
  s.TimePMString = GetLocaleInfoString(lcid, LOCALE_S2359);
}

void ReadPatterns(LCID lcid, TFormatSettings &s) {
  s.ShortDateFormat = TranslatePattern(GetLocaleInfoString(lcid, LOCALE_SSHORTDATE));
  s.LongDateFormat = TranslatePattern(GetLocaleInfoString(lcid, LOCALE_SLONGDATE));
  s.ShortTimeFormat = TranslatePattern(GetLocaleInfoString(lcid, LOCALE_SSHORTTIME));
  s.LongTimeFormat = TranslatePattern(GetLocaleInfoString(lcid, LOCALE_STIMEFORMAT));
  s.DateSeparator = FirstOf(GetLocaleInfoString(lcid, LOCALE_SDATE), s.DateSeparator);
  s.TimeSeparator = FirstOf(GetLocaleInfoString(lcid, LOCALE_STIME), s.TimeSeparator);
}

// The first of the variables that is set and not empty.
const char *LocaleFromEnvironment() {
  for (const char *name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char *value = std::getenv(name);
    if (value != nullptr && *value != 0)
      return value;
  }
  return "";
}

} // namespace

TFormatSettings TFormatSettings::Invariant() { return TFormatSettings(); }

TFormatSettings TFormatSettings::Create(const String &locale_name) {
  TFormatSettings settings;
  // The C locale and names no locale answers to keep the defaults, the same on every machine.
  const LCID lcid = LocaleNameToLCID(locale_name);
  if (lcid == 0)
    return settings;
  ReadNumbers(lcid, settings);
  ReadNames(lcid, settings);
  ReadPatterns(lcid, settings);
  return settings;
}

TFormatSettings &FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

void StartFormatSettings() {
  FormatSettings() = TFormatSettings::Create(UTF8ToString(LocaleFromEnvironment()));
}

} // namespace textcore
