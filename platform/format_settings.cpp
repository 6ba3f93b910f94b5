// The process-wide format settings, the locale-independent defaults, and the settings of a
// locale read from ICU: separators, names, date and time patterns, and the currency layout.
#include "platform/format_settings.h"

#include <unicode/datefmt.h>
#include <unicode/decimfmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/smpdtfmt.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace textcore {

namespace {

String FromICU(const icu::UnicodeString &text) {
  return String(text.getBuffer(), text.getBuffer() + text.length());
}

// "de_DE.UTF-8@euro" and "de-DE" both become "de_DE"; empty for the C locale.
std::string IcuLocaleName(const String &locale_name) {
  std::string name = StringToUTF8(locale_name);
  name = name.substr(0, name.find_first_of(".@"));
  if (name == "C" || name == "POSIX")
    return std::string();
  for (char &c : name)
    if (c == '-')
      c = '_';
  return name;
}

bool IsPatternLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The framework's spelling of one run of an ICU pattern letter; empty for fields it has no
// letter for (eras, zones, quarters), which are left out.
String FieldFor(char16_t letter, size_t count, bool after_hour) {
  switch (letter) {
  case u'y':
  case u'Y':
  case u'u':
    return u"yyyy"; // two-digit years widened, as the desktop showed them
  case u'M':
  case u'L':
    return String(std::min<size_t>(count, 4), u'M');
  case u'd':
    return String(std::min<size_t>(count, 2), u'd');
  case u'E':
  case u'c':
  case u'e':
    return count >= 4 ? u"dddd" : u"ddd";
  case u'h':
  case u'H':
  case u'k':
  case u'K':
    return String(std::min<size_t>(count, 2), u'h');
  case u'm':
    // "m" straight after an hour is minutes to the framework; elsewhere it would be the month.
    return String(std::min<size_t>(count, 2), after_hour ? u'm' : u'n');
  case u's':
    return String(std::min<size_t>(count, 2), u's');
  case u'a':
  case u'b':
  case u'B':
    return u"AMPM";
  default:
    return String();
  }
}

// Quoted ICU text ('de', with '' for a quote) as the framework's double-quoted literal.
size_t CopyQuoted(const String &pattern, size_t i, String &out) {
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

// ICU puts no-break spaces before "a" ("h:mm\u202Fa"); the desktop's patterns had plain ones.
bool IsNoBreakSpace(char16_t c) { return c == 0x00A0 || c == 0x202F; }

// An ICU date or time pattern in the framework's pattern letters; no-break spaces become plain.
String TranslatePattern(const String &pattern) {
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
      after_hour = c == u'h' || c == u'H' || c == u'k' || c == u'K';
      i = end;
    } else {
      out += IsNoBreakSpace(c) ? u' ' : c;
      ++i;
    }
  }
  return Trim(out); // a dropped field at either end leaves its spacing behind
}

// The first character between two fields of a pattern ('/' in "M/d/yy"); fallback if none.
char16_t SeparatorIn(const String &pattern, char16_t fallback) {
  bool seen_field = false;
  for (char16_t c : pattern) {
    if (IsPatternLetter(c))
      seen_field = true;
    else if (seen_field && c != u' ' && c != u',' && c != u'\'' && c != 0x200F && c != 0x200E)
      return c;
  }
  return fallback;
}

String IcuPattern(icu::DateFormat *format) {
  auto *simple = dynamic_cast<icu::SimpleDateFormat *>(format);
  if (simple == nullptr)
    return String();
  icu::UnicodeString pattern;
  simple->toPattern(pattern);
  return FromICU(pattern);
}

void ReadNumberSymbols(const icu::Locale &locale, TFormatSettings &s) {
  UErrorCode status = U_ZERO_ERROR;
  icu::DecimalFormatSymbols symbols(locale, status);
  if (U_FAILURE(status))
    return;
  auto first = [&](icu::DecimalFormatSymbols::ENumberFormatSymbol which, char16_t fallback) {
    const icu::UnicodeString &text = symbols.getConstSymbol(which);
    return text.length() > 0 ? text.charAt(0) : fallback;
  };
  s.DecimalSeparator = first(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol, u'.');
  s.ThousandSeparator = first(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol, u',');
  s.ListSeparator = s.DecimalSeparator == u',' ? u';' : u',';
  s.CurrencyString = FromICU(symbols.getConstSymbol(icu::DecimalFormatSymbols::kCurrencySymbol));
}

// Where the currency sign stands, from the locale's currency pattern ("¤#,##0.00", "#,##0.00 ¤").
void ReadCurrencyLayout(const icu::Locale &locale, TFormatSettings &s) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::NumberFormat> format(
      icu::NumberFormat::createInstance(locale, UNUM_CURRENCY, status));
  auto *decimal = dynamic_cast<icu::DecimalFormat *>(format.get());
  if (U_FAILURE(status) || decimal == nullptr)
    return;
  icu::UnicodeString text;
  decimal->toPattern(text);
  String pattern = FromICU(text);
  pattern = pattern.substr(0, pattern.find(u';'));
  const size_t sign = pattern.find(u'\u00A4');
  const size_t number = pattern.find_first_of(u"#0");
  if (sign == String::npos || number == String::npos)
    return;
  const bool before = sign < number;
  const size_t last_digit = pattern.find_last_of(u"#0");
  // Any space (ICU writes a no-break one) between the sign and the number.
  const bool spaced = before ? number - sign > 1 : sign - last_digit > 1;
  s.CurrencyFormat = static_cast<uint8_t>((before ? 0 : 1) + (spaced ? 2 : 0));
  // The minus sign goes in front of the whole amount: "-$1", "-1$", "-$ 1", "-1 $".
  static constexpr uint8_t kNegative[4] = {1, 5, 9, 8};
  s.NegCurrFormat = kNegative[s.CurrencyFormat];
  s.CurrencyDecimals = static_cast<uint8_t>(decimal->getMaximumFractionDigits());
}

// names holds count entries, the first one at offset.
template <size_t N>
void CopyNames(const icu::UnicodeString *names, int32_t count, int32_t offset,
               std::array<String, N> &out) {
  if (names == nullptr || count < static_cast<int32_t>(N) + offset)
    return;
  for (size_t i = 0; i < N; ++i)
    out[i] = FromICU(names[i + offset]);
}

void ReadNames(const icu::Locale &locale, TFormatSettings &s) {
  UErrorCode status = U_ZERO_ERROR;
  icu::DateFormatSymbols symbols(locale, status);
  if (U_FAILURE(status))
    return;
  using Symbols = icu::DateFormatSymbols;
  int32_t count = 0;
  const icu::UnicodeString *names = symbols.getMonths(count, Symbols::FORMAT, Symbols::ABBREVIATED);
  CopyNames(names, count, 0, s.ShortMonthNames);
  names = symbols.getMonths(count, Symbols::FORMAT, Symbols::WIDE);
  CopyNames(names, count, 0, s.LongMonthNames);
  // ICU's weekday arrays start at index 1, with Sunday.
  names = symbols.getWeekdays(count, Symbols::FORMAT, Symbols::ABBREVIATED);
  CopyNames(names, count, 1, s.ShortDayNames);
  names = symbols.getWeekdays(count, Symbols::FORMAT, Symbols::WIDE);
  CopyNames(names, count, 1, s.LongDayNames);
  const icu::UnicodeString *am_pm = symbols.getAmPmStrings(count);
  if (am_pm != nullptr && count >= 2) {
    s.TimeAMString = FromICU(am_pm[0]);
    s.TimePMString = FromICU(am_pm[1]);
  }
}

String DatePattern(icu::DateFormat::EStyle date, icu::DateFormat::EStyle time,
                   const icu::Locale &locale) {
  std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createDateTimeInstance(date, time, locale));
  return format ? IcuPattern(format.get()) : String();
}

void ReadPatterns(const icu::Locale &locale, TFormatSettings &s) {
  using Format = icu::DateFormat;
  const String short_date = DatePattern(Format::kShort, Format::kNone, locale);
  const String long_date = DatePattern(Format::kFull, Format::kNone, locale);
  const String short_time = DatePattern(Format::kNone, Format::kShort, locale);
  const String long_time = DatePattern(Format::kNone, Format::kMedium, locale);
  if (!short_date.empty()) {
    s.ShortDateFormat = TranslatePattern(short_date);
    s.DateSeparator = SeparatorIn(short_date, s.DateSeparator);
  }
  if (!long_date.empty())
    s.LongDateFormat = TranslatePattern(long_date);
  if (!short_time.empty()) {
    s.ShortTimeFormat = TranslatePattern(short_time);
    s.TimeSeparator = SeparatorIn(short_time, s.TimeSeparator);
  }
  if (!long_time.empty())
    s.LongTimeFormat = TranslatePattern(long_time);
}

bool IsKnownLanguage(const icu::Locale &locale) {
  int32_t count = 0;
  const icu::Locale *available = icu::Locale::getAvailableLocales(count);
  for (int32_t i = 0; i < count; ++i)
    if (std::strcmp(available[i].getLanguage(), locale.getLanguage()) == 0)
      return true;
  return false;
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
  const std::string name = IcuLocaleName(locale_name);
  if (name.empty())
    return settings;
  icu::Locale locale(name.c_str());
  if (locale.isBogus())
    return settings;
  // ICU would fill an unknown language from the process's default locale, which differs from
  // machine to machine; the root locale gives the same answer everywhere.
  if (!IsKnownLanguage(locale))
    locale = icu::Locale::getRoot();
  ReadNumberSymbols(locale, settings);
  ReadCurrencyLayout(locale, settings);
  ReadNames(locale, settings);
  ReadPatterns(locale, settings);
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
