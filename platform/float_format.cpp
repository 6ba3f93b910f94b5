// Floating-point text: every form is built from the double's exact decimal expansion, rounded
// once, half away from zero, so that the digits shown never depend on a second rounding.
#include "platform/float_format.h"

#include "platform/exceptions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <string>

namespace textcore {

namespace {

constexpr int kMaxPrecision = 18;
constexpr int kMaxDecimals = 18;
constexpr int kMaxExponentDigits = 4;
// A double's exact expansion: up to 309 integer digits, a point and 1074 binary places.
constexpr size_t kExpansionSize = 1400;

// A finite value as significant digits: value = 0.digits x 10^exponent. Zero has no digits.
struct Decimal {
  bool negative = false;
  std::string digits; // no leading or trailing zeros
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
  char16_t DigitAt(int index) const {
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : u'0';
  }
};

// "NAN", "INF" or "-INF" for a value that is not finite; empty otherwise.
String SpecialText(double value) {
  if (std::isnan(value))
    return u"NAN";
  if (std::isinf(value))
    return value < 0 ? u"-INF" : u"INF";
  return String();
}

// The binary places of a finite double, which is the number of decimals its exact expansion has.
int BinaryPlaces(double value) {
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  int exponent2 = -1074;
  if (biased != 0) {
    mantissa |= uint64_t{1} << 52;
    exponent2 = biased - 1075;
  }
  if (mantissa == 0 || exponent2 >= 0)
    return 0;
  return std::max(0, -exponent2 - std::countr_zero(mantissa));
}

Decimal ExactDecimal(double value) {
  Decimal d;
  if (value == 0)
    return d;
  d.negative = value < 0;
  std::array<char, kExpansionSize> text;
  const auto result = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                    std::chars_format::fixed, BinaryPlaces(value));
  const char *first = text.data();
  const char *last = result.ptr;
  const char *point = std::find(first, last, '.');
  d.digits.assign(first, point);
  if (point != last)
    d.digits.append(point + 1, last);
  // The value is not zero, so some digit is not '0'.
  const size_t leading_zeros = d.digits.find_first_not_of('0');
  d.digits.erase(0, leading_zeros);
  d.exponent = static_cast<int>(point - first) - static_cast<int>(leading_zeros);
  while (!d.digits.empty() && d.digits.back() == '0')
    d.digits.pop_back();
  return d;
}

void MakeZero(Decimal &d) {
  d.digits.clear();
  d.exponent = 0;
  d.negative = false;
}

// Keeps the first keep significant digits, rounding half away from zero on the digits dropped.
void RoundToDigits(Decimal &d, int keep) {
  if (d.IsZero() || keep >= static_cast<int>(d.digits.size()))
    return;
  if (keep < 0) {
    MakeZero(d);
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    while (!d.digits.empty() && d.digits.back() == '9')
      d.digits.pop_back();
    if (d.digits.empty()) {
      d.digits.assign(1, '1');
      ++d.exponent;
    } else {
      ++d.digits.back();
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0')
    d.digits.pop_back();
  if (d.IsZero())
    MakeZero(d);
}

void RoundToDecimals(Decimal &d, int decimals) { RoundToDigits(d, d.exponent + decimals); }

// The integer digits of d ("0" when it has none), grouped in threes when separator is not 0.
void AppendIntegerPart(String &out, const Decimal &d, char16_t separator) {
  const int count = std::max(d.exponent, 0);
  if (count == 0)
    out += u'0';
  for (int i = 0; i < count; ++i) {
    if (separator != 0 && i > 0 && (count - i) % 3 == 0)
      out += separator;
    out += d.DigitAt(i);
  }
}

void AppendFraction(String &out, const Decimal &d, int decimals, char16_t point) {
  if (decimals <= 0)
    return;
  out += point;
  for (int i = 0; i < decimals; ++i)
    out += d.DigitAt(d.exponent + i);
}

void AppendExponent(String &out, int exponent, bool always_signed, int min_digits) {
  if (exponent < 0)
    out += u'-';
  else if (always_signed)
    out += u'+';
  String digits = UIntToStr(static_cast<uint64_t>(std::abs(exponent)));
  if (static_cast<int>(digits.size()) < min_digits)
    out.append(min_digits - digits.size(), u'0');
  out += digits;
}

// d, already rounded, with exactly decimals decimals and no sign.
String UnsignedFixed(const Decimal &d, int decimals, char16_t separator,
                     const TFormatSettings &settings) {
  String out;
  AppendIntegerPart(out, d, separator);
  AppendFraction(out, d, decimals, settings.DecimalSeparator);
  return out;
}

String Signed(const Decimal &d, String text) {
  return d.negative ? u"-" + std::move(text) : std::move(text);
}

// "-d.dddE+ddd" with precision significant digits, all shown.
String ExponentText(Decimal d, int precision, int exponent_digits,
                    const TFormatSettings &settings) {
  RoundToDigits(d, precision);
  String out(1, d.DigitAt(0));
  if (precision > 1) {
    out += settings.DecimalSeparator;
    for (int i = 1; i < precision; ++i)
      out += d.DigitAt(i);
  }
  out += u'E';
  AppendExponent(out, d.IsZero() ? 0 : d.exponent - 1, true, exponent_digits);
  return Signed(d, std::move(out));
}

// The shortest of fixed and scientific text with up to precision significant digits.
String GeneralText(Decimal d, int precision, int exponent_digits, const TFormatSettings &settings) {
  RoundToDigits(d, precision);
  if (d.IsZero())
    return u"0";
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -3) {
    String out(1, d.DigitAt(0));
    if (count > 1) {
      out += settings.DecimalSeparator;
      out.append(d.digits.begin() + 1, d.digits.end());
    }
    out += u'E';
    AppendExponent(out, d.exponent - 1, false, exponent_digits);
    return Signed(d, std::move(out));
  }
  return Signed(d, UnsignedFixed(d, std::max(0, count - d.exponent), 0, settings));
}

// The currency layouts: '$' stands for the currency string and '1' for the number.
constexpr std::array<const char16_t *, 4> kPositiveCurrency = {u"$1", u"1$", u"$ 1", u"1 $"};
constexpr std::array<const char16_t *, 16> kNegativeCurrency = {
    u"($1)", u"-$1",  u"$-1",  u"$1-",  u"(1$)", u"-1$",  u"1-$",   u"1$-",
    u"-1 $", u"-$ 1", u"1 $-", u"$ 1-", u"$ -1", u"1- $", u"($ 1)", u"(1 $)"};

String CurrencyText(const Decimal &d, int decimals, const TFormatSettings &settings) {
  const String number = UnsignedFixed(d, decimals, settings.ThousandSeparator, settings);
  const char16_t *layout =
      d.negative ? kNegativeCurrency[settings.NegCurrFormat < 16 ? settings.NegCurrFormat : 0]
                 : kPositiveCurrency[settings.CurrencyFormat < 4 ? settings.CurrencyFormat : 0];
  String out;
  for (const char16_t *p = layout; *p != 0; ++p) {
    if (*p == u'$')
      out += settings.CurrencyString;
    else if (*p == u'1')
      out += number;
    else
      out += *p;
  }
  return out;
}

// Fixed, number or currency text of d rounded to decimals.
String FixedFormText(Decimal d, TFloatFormat format, int decimals,
                     const TFormatSettings &settings) {
  RoundToDecimals(d, decimals);
  if (format == ffCurrency)
    return CurrencyText(d, decimals, settings);
  const char16_t separator = format == ffNumber ? settings.ThousandSeparator : 0;
  return Signed(d, UnsignedFixed(d, decimals, separator, settings));
}

// FormatFloat patterns ----------------------------------------------------------------------------

bool IsQuote(char16_t c) { return c == u'\'' || c == u'"'; }

bool IsPlaceholder(char16_t c) { return c == u'0' || c == u'#'; }

// Whether an exponent marker ("E+", "e-" ...) starts at i.
bool IsExponentAt(StringView section, size_t i) {
  return (section[i] == u'E' || section[i] == u'e') && i + 1 < section.size() &&
         (section[i + 1] == u'+' || section[i + 1] == u'-');
}

// The index just past the quoted text that starts at i (or the end, if it never closes).
size_t SkipQuoted(StringView section, size_t i) {
  const size_t close = section.find(section[i], i + 1);
  return close == StringView::npos ? section.size() : close + 1;
}

// Up to three sections, split at semicolons outside quotes.
std::array<StringView, 3> SplitSections(StringView format, int &count) {
  std::array<StringView, 3> sections;
  count = 0;
  size_t start = 0;
  for (size_t i = 0; i <= format.size() && count < 3;) {
    if (i == format.size() || format[i] == u';') {
      sections[count++] = format.substr(start, i - start);
      start = ++i;
    } else if (IsQuote(format[i])) {
      i = SkipQuoted(format, i);
    } else {
      ++i;
    }
  }
  return sections;
}

struct PatternLayout {
  int int_placeholders = 0;
  int min_int = 0;
  int frac_placeholders = 0;
  int min_frac = 0;
  bool grouping = false;
  bool scientific = false;
  bool exponent_plus = false;
  int exponent_digits = 0;
};

PatternLayout ReadLayout(StringView section) {
  PatternLayout layout;
  int first_zero = -1;
  bool after_point = false;
  for (size_t i = 0; i < section.size();) {
    const char16_t c = section[i];
    if (IsQuote(c)) {
      i = SkipQuoted(section, i);
      continue;
    }
    if (!layout.scientific && IsExponentAt(section, i)) {
      layout.scientific = true;
      layout.exponent_plus = section[i + 1] == u'+';
      for (i += 2; i < section.size() && section[i] == u'0'; ++i)
        ++layout.exponent_digits;
      continue;
    }
    if (IsPlaceholder(c) && !after_point) {
      if (c == u'0' && first_zero < 0)
        first_zero = layout.int_placeholders;
      ++layout.int_placeholders;
    } else if (IsPlaceholder(c)) {
      ++layout.frac_placeholders;
      if (c == u'0')
        layout.min_frac = layout.frac_placeholders;
    } else if (c == u'.' && !layout.scientific) {
      after_point = true;
    } else if (c == u',' && !after_point && !layout.scientific) {
      layout.grouping = true;
    }
    ++i;
  }
  layout.min_int = first_zero < 0 ? 0 : layout.int_placeholders - first_zero;
  return layout;
}

// The digits a layout shows for a value: integer digits, fraction digits and the exponent.
struct PatternDigits {
  String integer;
  String fraction;
  int exponent = 0;
};

void RoundForLayout(Decimal &d, const PatternLayout &layout) {
  if (layout.scientific)
    RoundToDigits(d, std::max(layout.int_placeholders, 1) + layout.frac_placeholders);
  else
    RoundToDecimals(d, layout.frac_placeholders);
}

// d must already be rounded for the layout.
PatternDigits LayoutDigits(const Decimal &d, const PatternLayout &layout) {
  PatternDigits out;
  int integer_count = std::max(d.exponent, 0);
  int first_fraction = d.exponent;
  if (layout.scientific) {
    integer_count = std::max(layout.int_placeholders, 1);
    first_fraction = integer_count;
    out.exponent = d.IsZero() ? 0 : d.exponent - integer_count;
  }
  for (int i = 0; i < integer_count; ++i)
    out.integer += d.DigitAt(i);
  const int min_int =
      layout.scientific && d.IsZero() ? std::max(layout.min_int, 1) : layout.min_int;
  if (static_cast<int>(out.integer.size()) < min_int)
    out.integer.insert(0, min_int - out.integer.size(), u'0');
  for (int i = 0; i < layout.frac_placeholders; ++i)
    out.fraction += d.DigitAt(first_fraction + i);
  while (static_cast<int>(out.fraction.size()) > layout.min_frac && out.fraction.back() == u'0')
    out.fraction.pop_back();
  return out;
}

// Walks a section, putting the digits in place of its placeholders and copying the rest.
class PatternWriter {
public:
  PatternWriter(StringView section, const PatternLayout &layout, const PatternDigits &digits,
                const TFormatSettings &settings)
      : section_(section), layout_(layout), digits_(digits), settings_(settings) {}

  String Write(bool minus) {
    if (minus)
      out_ += u'-';
    for (size_t i = 0; i < section_.size();)
      i = WriteAt(i);
    FlushInteger();
    return std::move(out_);
  }

private:
  size_t WriteAt(size_t i) {
    const char16_t c = section_[i];
    if (IsQuote(c)) {
      const size_t close = section_.find(c, i + 1);
      if (close == StringView::npos) {
        out_.append(section_.substr(i + 1));
        return section_.size();
      }
      out_.append(section_.substr(i + 1, close - i - 1));
      return close + 1;
    }
    if (layout_.scientific && !exponent_done_ && IsExponentAt(section_, i))
      return WriteExponent(i);
    if (IsPlaceholder(c) && !after_point_ && !exponent_done_)
      WriteIntegerPlaceholder();
    else if (IsPlaceholder(c) && !exponent_done_)
      WriteFractionPlaceholder();
    else if (c == u'.' && !after_point_ && !exponent_done_)
      WritePoint();
    else if (c != u',')
      out_ += c;
    return i + 1;
  }

  void AppendIntegerDigit(size_t index) {
    out_ += digits_.integer[index];
    const size_t after = digits_.integer.size() - 1 - index;
    if (layout_.grouping && !layout_.scientific && after > 0 && after % 3 == 0)
      out_ += settings_.ThousandSeparator;
  }

  // Integer digits beyond the placeholders all go where the first placeholder stands.
  void WriteIntegerPlaceholder() {
    const int size = static_cast<int>(digits_.integer.size());
    const int position = size - layout_.int_placeholders + placeholder_;
    if (placeholder_++ == 0) {
      integer_written_ = true;
      for (int i = 0; i <= position && i < size; ++i)
        AppendIntegerDigit(i);
    } else if (position >= 0) {
      AppendIntegerDigit(position);
    }
  }

  // A pattern without integer placeholders still shows the integer digits, before the point.
  void FlushInteger() {
    if (integer_written_)
      return;
    integer_written_ = true;
    for (size_t i = 0; i < digits_.integer.size(); ++i)
      AppendIntegerDigit(i);
  }

  void WritePoint() {
    FlushInteger();
    after_point_ = true;
    if (!digits_.fraction.empty())
      out_ += settings_.DecimalSeparator;
  }

  void WriteFractionPlaceholder() {
    if (fraction_ < digits_.fraction.size())
      out_ += digits_.fraction[fraction_];
    ++fraction_;
  }

  size_t WriteExponent(size_t i) {
    FlushInteger();
    exponent_done_ = true;
    out_ += section_[i];
    AppendExponent(out_, digits_.exponent, layout_.exponent_plus, layout_.exponent_digits);
    for (i += 2; i < section_.size() && section_[i] == u'0'; ++i) {
    }
    return i;
  }

  StringView section_;
  const PatternLayout &layout_;
  const PatternDigits &digits_;
  const TFormatSettings &settings_;
  String out_;
  int placeholder_ = 0;
  size_t fraction_ = 0;
  bool integer_written_ = false;
  bool after_point_ = false;
  bool exponent_done_ = false;
};

// StrToFloat -----------------------------------------------------------------------------------

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Copies a run of digits into ascii; returns how many there were.
size_t CopyDigits(StringView s, size_t &i, std::string &ascii) {
  const size_t start = i;
  while (i < s.size() && IsDigit(s[i]))
    ascii.push_back(static_cast<char>(s[i++]));
  return i - start;
}

// The text as ASCII for from_chars ("-12.5e3"), or empty when it is not a number.
std::string NumberAsAscii(StringView s, char16_t decimal_separator) {
  std::string ascii;
  size_t i = 0;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
    if (s[i++] == u'-')
      ascii.push_back('-');
  size_t mantissa_digits = CopyDigits(s, i, ascii);
  if (i < s.size() && s[i] == decimal_separator) {
    ascii.push_back('.');
    ++i;
    mantissa_digits += CopyDigits(s, i, ascii);
  }
  if (mantissa_digits == 0)
    return std::string();
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
    ascii.push_back('e');
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
      ascii.push_back(static_cast<char>(s[i++]));
    if (CopyDigits(s, i, ascii) == 0)
      return std::string();
  }
  return i == s.size() ? ascii : std::string();
}

// Whether a number that from_chars found out of range is too small (rather than too large).
bool IsUnderflow(const std::string &ascii) {
  const size_t e = ascii.find('e');
  const std::string mantissa = ascii.substr(0, e);
  const size_t first = mantissa.find_first_of("123456789");
  if (first == std::string::npos)
    return true;
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  long long order = first < point ? static_cast<long long>(point - first)
                                  : -static_cast<long long>(first - point - 1);
  if (e != std::string::npos) {
    // The exponent is only needed as far as its sign and rough size.
    const std::string digits = ascii.substr(e + 1);
    const bool negative = !digits.empty() && digits[0] == '-';
    const size_t start = digits.find_first_of("0123456789");
    long long magnitude = 0;
    for (size_t i = start; i < digits.size() && magnitude < 100000; ++i)
      magnitude = magnitude * 10 + (digits[i] - '0');
    order += negative ? -magnitude : magnitude;
  }
  return order <= 0;
}

bool ReadSpecial(StringView s, double &value) {
  const String upper = UpperCase(s);
  if (upper == u"NAN")
    value = std::nan("");
  else if (upper == u"INF" || upper == u"+INF")
    value = HUGE_VAL;
  else if (upper == u"-INF")
    value = -HUGE_VAL;
  else
    return false;
  return true;
}

} // namespace

String FloatToStrF(double value, TFloatFormat format, int32_t precision, int32_t digits,
                   const TFormatSettings &settings) {
  String special = SpecialText(value);
  if (!special.empty())
    return special;
  precision = std::clamp(precision, 1, kMaxPrecision);
  const Decimal d = ExactDecimal(value);
  switch (format) {
  case ffGeneral:
    return GeneralText(d, precision, std::clamp(digits, 0, kMaxExponentDigits), settings);
  case ffExponent:
    return ExponentText(d, precision, std::clamp(digits, 0, kMaxExponentDigits), settings);
  default: {
    // Digits beyond precision are shown as zeros; a value whose integer part alone needs more
    // than precision digits is shown in the general form instead.
    Decimal limited = d;
    RoundToDigits(limited, precision);
    if (format != ffCurrency && limited.exponent > precision)
      return GeneralText(d, precision, 0, settings);
    digits = std::clamp(digits, 0, kMaxDecimals);
    Decimal once = d;
    RoundToDigits(once, std::min(precision, d.exponent + digits));
    return FixedFormText(once, format, digits, settings);
  }
  }
}

String FloatToStrF(double value, TFloatFormat format, int32_t precision, int32_t digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings());
}

String FloatToStr(double value, const TFormatSettings &settings) {
  return FloatToStrF(value, ffGeneral, 15, 0, settings);
}

String FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

String FloatToTextFixed(double value, TFloatFormat format, int32_t decimals,
                        const TFormatSettings &settings) {
  String special = SpecialText(value);
  if (!special.empty())
    return special;
  return FixedFormText(ExactDecimal(value), format, std::clamp(decimals, 0, kMaxDecimals),
                       settings);
}

String FormatFloat(StringView format, double value, const TFormatSettings &settings) {
  String special = SpecialText(value);
  if (!special.empty())
    return special;
  int count = 0;
  const std::array<StringView, 3> sections = SplitSections(format, count);
  if (sections[0].empty())
    return FloatToStr(value, settings);
  const Decimal exact = ExactDecimal(value);
  int chosen = exact.negative && count >= 2 && !sections[1].empty() ? 1 : 0;
  PatternLayout layout = ReadLayout(sections[chosen]);
  Decimal rounded = exact;
  RoundForLayout(rounded, layout);
  // A negative value that its own section rounds to zero is shown by the positive section.
  if (rounded.IsZero() && chosen != 0) {
    chosen = 0;
    layout = ReadLayout(sections[0]);
    rounded = exact;
    RoundForLayout(rounded, layout);
  }
  if (rounded.IsZero() && count >= 3 && !sections[2].empty()) {
    chosen = 2;
    layout = ReadLayout(sections[chosen]);
  }
  // Only the positive section needs a sign put in front; the others carry their own.
  const bool minus = chosen == 0 && rounded.negative;
  const PatternDigits digits = LayoutDigits(rounded, layout);
  return PatternWriter(sections[chosen], layout, digits, settings).Write(minus);
}

String FormatFloat(StringView format, double value) {
  return FormatFloat(format, value, FormatSettings());
}

bool TryStrToFloat(StringView s, double &value, const TFormatSettings &settings) {
  const String text = Trim(s);
  if (ReadSpecial(text, value))
    return true;
  const std::string ascii = NumberAsAscii(text, settings.DecimalSeparator);
  if (ascii.empty())
    return false;
  double parsed = 0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
  if (result.ec == std::errc::result_out_of_range && IsUnderflow(ascii))
    parsed = ascii[0] == '-' ? -0.0 : 0.0;
  else if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size())
    return false;
  value = parsed;
  return true;
}

bool TryStrToFloat(StringView s, double &value) {
  return TryStrToFloat(s, value, FormatSettings());
}

double StrToFloat(StringView s, const TFormatSettings &settings) {
  double value = 0;
  if (!TryStrToFloat(s, value, settings))
    throw EConvertError(u"'" + String(s) + u"' is not a valid floating point value");
  return value;
}

double StrToFloat(StringView s) { return StrToFloat(s, FormatSettings()); }

double StrToFloatDef(StringView s, double default_value, const TFormatSettings &settings) {
  double value = 0;
  return TryStrToFloat(s, value, settings) ? value : default_value;
}

double StrToFloatDef(StringView s, double default_value) {
  return StrToFloatDef(s, default_value, FormatSettings());
}

} // namespace textcore
