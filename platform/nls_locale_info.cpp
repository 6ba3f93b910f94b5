// GetLocaleInfo over ICU's locale data.
#include "platform/nls_locale_info.h"

#include "platform/nls_buffers.h"
#include "platform/nls_code_pages.h"
#include "platform/nls_date_patterns.h"
#include "platform/nls_last_error.h"

#include <unicode/ucal.h>
#include <unicode/udat.h>
#include <unicode/uloc.h>
#include <unicode/ulocdata.h>
#include <unicode/unum.h>

#include <cstring>
#include <memory>
#include <string>

namespace textcore {

namespace {

constexpr LCTYPE kModifiers = LOCALE_NOUSEROVERRIDE | LOCALE_USE_CP_ACP | LOCALE_RETURN_NUMBER;
constexpr int32_t kCapacity = 256;

String Ascii(const std::string &s) { return String(s.begin(), s.end()); }

// Runs an ICU call that fills a UChar buffer; "" when it fails.
template <typename Call> String IcuText(Call call) {
  UChar buffer[kCapacity];
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = call(buffer, kCapacity, &status);
  if (U_FAILURE(status) || n <= 0 || n > kCapacity)
    return String();
  return String(buffer, buffer + n);
}

template <typename Call> std::string IcuChars(Call call) {
  char buffer[kCapacity];
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = call(buffer, kCapacity, &status);
  if (U_FAILURE(status) || n <= 0 || n >= kCapacity)
    return std::string();
  return std::string(buffer, size_t(n));
}

struct NumberFormatCloser {
  void operator()(UNumberFormat *f) const { unum_close(f); }
};
using NumberFormatPtr = std::unique_ptr<UNumberFormat, NumberFormatCloser>;

NumberFormatPtr OpenNumberFormat(const std::string &id, UNumberFormatStyle style) {
  UErrorCode status = U_ZERO_ERROR;
  NumberFormatPtr f(unum_open(style, nullptr, 0, id.c_str(), nullptr, &status));
  return U_SUCCESS(status) ? std::move(f) : nullptr;
}

String NumberSymbol(const std::string &id, UNumberFormatStyle style, UNumberFormatSymbol which) {
  NumberFormatPtr f = OpenNumberFormat(id, style);
  if (!f)
    return String();
  return IcuText(
      [&](UChar *b, int32_t n, UErrorCode *s) { return unum_getSymbol(f.get(), which, b, n, s); });
}

String Grouping(const std::string &id) {
  NumberFormatPtr f = OpenNumberFormat(id, UNUM_DECIMAL);
  if (!f)
    return u"3;0";
  int32_t primary = unum_getAttribute(f.get(), UNUM_GROUPING_SIZE);
  int32_t secondary = unum_getAttribute(f.get(), UNUM_SECONDARY_GROUPING_SIZE);
  String out = IntToStr(primary > 0 ? primary : 3);
  if (secondary > 0 && secondary != primary)
    out += u";" + IntToStr(secondary);
  return out + u";0";
}

// Where the currency symbol stands in the locale's currency pattern: 0 "$1", 1 "1$", 2 "$ 1",
// 3 "1 $".
int32_t CurrencyPlacement(const std::string &id) {
  NumberFormatPtr f = OpenNumberFormat(id, UNUM_CURRENCY);
  if (!f)
    return 0;
  String pattern = IcuText(
      [&](UChar *b, int32_t n, UErrorCode *s) { return unum_toPattern(f.get(), false, b, n, s); });
  pattern = pattern.substr(0, pattern.find(u';'));
  size_t symbol = pattern.find(u'\u00A4');
  if (symbol == String::npos)
    return 0;
  bool before = symbol == 0 || pattern.find_first_of(u"#0") > symbol;
  auto is_space = [](char16_t c) { return c == u' ' || c == u'\u00A0' || c == u'\u202F'; };
  bool spaced = before ? symbol + 1 < pattern.size() && is_space(pattern[symbol + 1])
                       : symbol > 0 && is_space(pattern[symbol - 1]);
  return (before ? 0 : 1) + (spaced ? 2 : 0);
}

int32_t CurrencyDigits(const std::string &id) {
  NumberFormatPtr f = OpenNumberFormat(id, UNUM_CURRENCY);
  return f ? unum_getAttribute(f.get(), UNUM_MAX_FRACTION_DIGITS) : 2;
}

struct DateFormatCloser {
  void operator()(UDateFormat *f) const { udat_close(f); }
};
using DateFormatPtr = std::unique_ptr<UDateFormat, DateFormatCloser>;

DateFormatPtr OpenDateFormat(const std::string &id, UDateFormatStyle time, UDateFormatStyle date) {
  UErrorCode status = U_ZERO_ERROR;
  static const UChar kUtc[] = u"UTC";
  DateFormatPtr f(udat_open(time, date, id.c_str(), kUtc, 3, nullptr, 0, &status));
  return U_SUCCESS(status) ? std::move(f) : nullptr;
}

String IcuPattern(const std::string &id, UDateFormatStyle time, UDateFormatStyle date) {
  DateFormatPtr f = OpenDateFormat(id, time, date);
  if (!f)
    return String();
  return IcuText(
      [&](UChar *b, int32_t n, UErrorCode *s) { return udat_toPattern(f.get(), false, b, n, s); });
}

String DateSymbol(const std::string &id, UDateFormatSymbolType type, int32_t index) {
  DateFormatPtr f = OpenDateFormat(id, UDAT_NONE, UDAT_SHORT);
  if (!f)
    return String();
  return IcuText([&](UChar *b, int32_t n, UErrorCode *s) {
    return udat_getSymbols(f.get(), type, index, b, n, s);
  });
}

String ShortDate(const std::string &id) {
  return WindowsDatePattern(IcuPattern(id, UDAT_NONE, UDAT_SHORT), DatePatternUse::kShortDate);
}
String LongTime(const std::string &id) {
  return WindowsDatePattern(IcuPattern(id, UDAT_MEDIUM, UDAT_NONE), DatePatternUse::kTime);
}

int32_t FirstDayOfWeek(const std::string &id) {
  UErrorCode status = U_ZERO_ERROR;
  UCalendar *cal = ucal_open(nullptr, 0, id.c_str(), UCAL_GREGORIAN, &status);
  if (U_FAILURE(status))
    return 6;
  int32_t first = ucal_getAttribute(cal, UCAL_FIRST_DAY_OF_WEEK); // 1 Sunday ... 7 Saturday
  ucal_close(cal);
  return (first + 5) % 7;
}

String MeasurementSystem(const std::string &id) {
  UErrorCode status = U_ZERO_ERROR;
  UMeasurementSystem system = ulocdata_getMeasurementSystem(id.c_str(), &status);
  return U_SUCCESS(status) && system == UMS_US ? u"1" : u"0";
}

uint32_t MacCodePageOf(uint32_t ansi) {
  switch (ansi) {
  case 1250:
  case 1257:
    return 10029;
  case 1251:
    return 10007;
  case 1252:
    return 10000;
  case 1253:
    return 10006;
  case 1254:
    return 10081;
  case 1255:
    return 10005;
  case 1256:
    return 10004;
  case 874:
    return 10021;
  case 932:
    return 10001;
  case 936:
    return 10008;
  case 949:
    return 10003;
  case 950:
    return 10002;
  default:
    return 2;
  }
}

String LanguageName(const std::string &id, const char *in) {
  return IcuText([&](UChar *b, int32_t n, UErrorCode *s) {
    return uloc_getDisplayLanguage(id.c_str(), in, b, n, s);
  });
}
String CountryName(const std::string &id, const char *in) {
  return IcuText([&](UChar *b, int32_t n, UErrorCode *s) {
    return uloc_getDisplayCountry(id.c_str(), in, b, n, s);
  });
}
String DisplayName(const std::string &id, const char *in) {
  return IcuText([&](UChar *b, int32_t n, UErrorCode *s) {
    return uloc_getDisplayName(id.c_str(), in, b, n, s);
  });
}

String CodesAndNames(LCID lcid, const std::string &id, LCTYPE type, bool &known) {
  // The invariant locale formats as English but names itself.
  if (ResolvedLCID(lcid) == LOCALE_INVARIANT) {
    if (type == LOCALE_SENGLANGUAGE || type == LOCALE_SNATIVELANGNAME)
      return u"Invariant Language";
    if (type == LOCALE_SENGCOUNTRY || type == LOCALE_SNATIVECTRYNAME || type == LOCALE_SCOUNTRY)
      return u"Invariant Country";
    if (type == LOCALE_SLANGUAGE || type == LOCALE_SENGLISHDISPLAYNAME ||
        type == LOCALE_SNATIVEDISPLAYNAME)
      return u"Invariant Language (Invariant Country)";
  }
  switch (type) {
  case LOCALE_ILANGUAGE:
    return IntToHex(LANGIDFROMLCID(ResolvedLCID(lcid)), 4);
  case LOCALE_SLANGUAGE:
  case LOCALE_SENGLISHDISPLAYNAME:
    return DisplayName(id, "en");
  case LOCALE_SNATIVEDISPLAYNAME:
    return DisplayName(id, id.c_str());
  case LOCALE_SENGLANGUAGE:
    return LanguageName(id, "en");
  case LOCALE_SNATIVELANGNAME:
    return LanguageName(id, id.c_str());
  case LOCALE_SCOUNTRY:
  case LOCALE_SENGCOUNTRY:
    return CountryName(id, "en");
  case LOCALE_SNATIVECTRYNAME:
    return CountryName(id, id.c_str());
  case LOCALE_SISO639LANGNAME:
    return Ascii(IcuChars(
        [&](char *b, int32_t n, UErrorCode *s) { return uloc_getLanguage(id.c_str(), b, n, s); }));
  case LOCALE_SISO3166CTRYNAME:
    return Ascii(IcuChars(
        [&](char *b, int32_t n, UErrorCode *s) { return uloc_getCountry(id.c_str(), b, n, s); }));
  case LOCALE_SISO639LANGNAME2:
    return Ascii(uloc_getISO3Language(id.c_str()));
  case LOCALE_SISO3166CTRYNAME2:
    return Ascii(uloc_getISO3Country(id.c_str()));
  case LOCALE_SNAME:
    return LCIDToLocaleName(lcid);
  case LOCALE_IDEFAULTANSICODEPAGE:
    return UIntToStr(DefaultAnsiCodePageOf(lcid));
  case LOCALE_IDEFAULTCODEPAGE: {
    uint32_t oem = DefaultOemCodePageOf(lcid);
    return UIntToStr(oem != 0 ? oem : 1); // CP_OEMCP: the locale has no console page of its own
  }
  case LOCALE_IDEFAULTMACCODEPAGE:
    return UIntToStr(MacCodePageOf(DefaultAnsiCodePageOf(lcid)));
  case LOCALE_IMEASURE:
    return MeasurementSystem(id);
  case LOCALE_IFIRSTDAYOFWEEK:
    return IntToStr(FirstDayOfWeek(id));
  default:
    known = false;
    return String();
  }
}

String Numbers(const std::string &id, LCTYPE type, bool &known) {
  switch (type) {
  case LOCALE_SDECIMAL:
    return NumberSymbol(id, UNUM_DECIMAL, UNUM_DECIMAL_SEPARATOR_SYMBOL);
  case LOCALE_STHOUSAND:
    return NumberSymbol(id, UNUM_DECIMAL, UNUM_GROUPING_SEPARATOR_SYMBOL);
  case LOCALE_SGROUPING:
    return Grouping(id);
  case LOCALE_SLIST: // a comma cannot separate list items where it is the decimal separator
    return NumberSymbol(id, UNUM_DECIMAL, UNUM_DECIMAL_SEPARATOR_SYMBOL) == u"," ? u";" : u",";
  case LOCALE_IDIGITS:
    return u"2";
  case LOCALE_ILZERO:
    return u"1";
  case LOCALE_SNEGATIVESIGN:
    return NumberSymbol(id, UNUM_DECIMAL, UNUM_MINUS_SIGN_SYMBOL);
  case LOCALE_SPOSITIVESIGN:
    return String(); // Windows writes no sign before positive numbers
  case LOCALE_SCURRENCY:
    return NumberSymbol(id, UNUM_CURRENCY, UNUM_CURRENCY_SYMBOL);
  case LOCALE_SINTLSYMBOL:
    return NumberSymbol(id, UNUM_CURRENCY, UNUM_INTL_CURRENCY_SYMBOL);
  case LOCALE_ICURRDIGITS:
    return IntToStr(CurrencyDigits(id));
  case LOCALE_ICURRENCY:
    return IntToStr(CurrencyPlacement(id));
  case LOCALE_INEGCURR: { // a minus before the positive layout: "-$1", "-1$", "-$ 1", "-1 $"
    static constexpr int32_t kNegative[] = {1, 5, 9, 8};
    return IntToStr(kNegative[CurrencyPlacement(id)]);
  }
  default:
    known = false;
    return String();
  }
}

String Dates(const std::string &id, LCTYPE type, bool &known) {
  if (type >= LOCALE_SDAYNAME1 && type < LOCALE_SDAYNAME1 + 7) // Monday first; ICU: Sunday = 1
    return DateSymbol(id, UDAT_STANDALONE_WEEKDAYS, int32_t(type - LOCALE_SDAYNAME1 + 1) % 7 + 1);
  if (type >= LOCALE_SABBREVDAYNAME1 && type < LOCALE_SABBREVDAYNAME1 + 7)
    return DateSymbol(id, UDAT_STANDALONE_SHORT_WEEKDAYS,
                      int32_t(type - LOCALE_SABBREVDAYNAME1 + 1) % 7 + 1);
  if (type >= LOCALE_SMONTHNAME1 && type < LOCALE_SMONTHNAME1 + 12)
    return DateSymbol(id, UDAT_STANDALONE_MONTHS, int32_t(type - LOCALE_SMONTHNAME1));
  if (type >= LOCALE_SABBREVMONTHNAME1 && type < LOCALE_SABBREVMONTHNAME1 + 12)
    return DateSymbol(id, UDAT_STANDALONE_SHORT_MONTHS, int32_t(type - LOCALE_SABBREVMONTHNAME1));
  switch (type) {
  case LOCALE_SSHORTDATE:
    return ShortDate(id);
  case LOCALE_SLONGDATE:
    return WindowsDatePattern(IcuPattern(id, UDAT_NONE, UDAT_FULL), DatePatternUse::kLongDate);
  case LOCALE_STIMEFORMAT:
    return LongTime(id);
  case LOCALE_SSHORTTIME:
    return WindowsDatePattern(IcuPattern(id, UDAT_SHORT, UDAT_NONE), DatePatternUse::kTime);
  case LOCALE_SDATE:
    return PatternSeparator(ShortDate(id));
  case LOCALE_STIME:
    return PatternSeparator(LongTime(id));
  case LOCALE_S1159:
    return DateSymbol(id, UDAT_AM_PMS, 0);
  case LOCALE_S2359:
    return DateSymbol(id, UDAT_AM_PMS, 1);
  default:
    known = false;
    return String();
  }
}

bool IsNumeric(LCTYPE type) {
  switch (type) {
  case LOCALE_ILANGUAGE:
  case LOCALE_IDEFAULTCODEPAGE:
  case LOCALE_IDEFAULTANSICODEPAGE:
  case LOCALE_IDEFAULTMACCODEPAGE:
  case LOCALE_IMEASURE:
  case LOCALE_IDIGITS:
  case LOCALE_ILZERO:
  case LOCALE_ICURRDIGITS:
  case LOCALE_ICURRENCY:
  case LOCALE_INEGCURR:
  case LOCALE_IFIRSTDAYOFWEEK:
    return true;
  default:
    return false;
  }
}

// The value of a query; false when the type is not served.
bool LocaleValue(LCID lcid, const std::string &id, LCTYPE type, String &value) {
  bool known = true;
  value = CodesAndNames(lcid, id, type, known);
  if (!known) {
    known = true;
    value = Numbers(id, type, known);
  }
  if (!known) {
    known = true;
    value = Dates(id, type, known);
  }
  return known;
}

int32_t DeliverNumber(LCTYPE type, const String &value, char16_t *data, int32_t data_length) {
  uint32_t number = 0;
  bool hex = type == LOCALE_ILANGUAGE;
  for (char16_t c : value) {
    uint32_t digit = c >= u'0' && c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10;
    number = number * (hex ? 16 : 10) + digit;
  }
  if (data_length == 0)
    return 2;
  if (data_length < 2)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  data[0] = static_cast<char16_t>(number & 0xFFFF);
  data[1] = static_cast<char16_t>(number >> 16);
  return 2;
}

} // namespace

int32_t GetLocaleInfoW(LCID locale, LCTYPE type, char16_t *data, int32_t data_length) {
  if (data_length < 0 || (data_length > 0 && data == nullptr))
    return Fail(ERROR_INVALID_PARAMETER);
  std::string id = IcuLocaleOfLCID(locale);
  if (id.empty())
    return Fail(ERROR_INVALID_PARAMETER);
  const LCTYPE base = type & ~kModifiers;
  String value;
  if (!LocaleValue(locale, id, base, value))
    return Fail(ERROR_INVALID_FLAGS);
  if (type & LOCALE_RETURN_NUMBER)
    return IsNumeric(base) ? DeliverNumber(base, value, data, data_length)
                           : Fail(ERROR_INVALID_FLAGS);
  const int32_t needed = static_cast<int32_t>(value.size()) + 1;
  if (data_length == 0)
    return needed;
  if (data_length < needed)
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(data, value.c_str(), sizeof(char16_t) * size_t(needed));
  return needed;
}

String GetLocaleInfoString(LCID locale, LCTYPE type) {
  std::string id = IcuLocaleOfLCID(locale);
  String value;
  if (id.empty() || !LocaleValue(locale, id, type & ~kModifiers, value))
    return String();
  return value;
}

} // namespace textcore
