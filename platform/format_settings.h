// TFormatSettings: the separators, names and patterns that number and date formatting use.
#pragma once

#include "platform/strings.h"

#include <array>
#include <cstdint>

namespace textcore {

struct TFormatSettings {
  uint8_t CurrencyFormat = 0; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  uint8_t NegCurrFormat = 0;  // the framework's 16 negative-currency layouts
  char16_t ThousandSeparator = u',';
  char16_t DecimalSeparator = u'.';
  uint8_t CurrencyDecimals = 2;
  char16_t DateSeparator = u'/';
  char16_t TimeSeparator = u':';
  char16_t ListSeparator = u',';
  String CurrencyString = u"$";
  String ShortDateFormat = u"M/d/yyyy";
  String LongDateFormat = u"dddd, MMMM d, yyyy";
  String TimeAMString = u"AM";
  String TimePMString = u"PM";
  String ShortTimeFormat = u"h:mm AMPM";
  String LongTimeFormat = u"h:mm:ss AMPM";
  std::array<String, 12> ShortMonthNames{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                         u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
  std::array<String, 12> LongMonthNames{u"January",   u"February", u"March",    u"April",
                                        u"May",       u"June",     u"July",     u"August",
                                        u"September", u"October",  u"November", u"December"};
  // Sunday first, as the framework counted days of the week.
  std::array<String, 7> ShortDayNames{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
  std::array<String, 7> LongDayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                     u"Thursday", u"Friday", u"Saturday"};
  uint16_t TwoDigitYearCenturyWindow = 50;

  // The settings of a locale given by its POSIX or BCP 47 name ("de_DE.UTF-8", "fr-FR"); an
  // unknown name gives those of the root locale. The defaults above are en-US.
  static TFormatSettings Create(const String &locale_name);
  // The settings that do not depend on any locale (en-US separators and names).
  static TFormatSettings Invariant();
};

// The process-wide settings, read from the user's locale (LC_ALL, LC_NUMERIC/LC_TIME or LANG) at
// start-up. Callers that format for the user read them; only start-up and tests write them. A
// function rather than a variable, so that loading the library runs no constructor but the
// lifetime object's.
TFormatSettings &FormatSettings();
// The same settings under the name the environment helpers export them by: those of the user's
// default locale, read once at start-up. There is one set, not a copy.
inline TFormatSettings &UserDefaultFormatSettings() { return FormatSettings(); }

// Fills FormatSettings from the user's locale; run by textcore's lifetime object.
void StartFormatSettings();

} // namespace textcore
