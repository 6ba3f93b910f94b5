// Format's one implementation: parses each specifier, converts its argument and pads it.
#include "platform/format.h"

#include "platform/exceptions.h"
#include "platform/float_format.h"
#include "platform/utf.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace textcore {

namespace {

// Widths and digit counts past this are a caller's mistake, not a request for megabytes of
// padding.
constexpr int32_t kMaxPadding = 1 << 20;

struct Spec {
  bool left = false;
  int32_t width = 0;
  std::optional<int32_t> precision;
  char16_t type = 0;
};

// The decimal digits of value, last first; returns how many.
int ReversedDigits(uint64_t value, char16_t (&buffer)[20]) {
  int count = 0;
  do {
    buffer[count++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  return count;
}

// Decimal digits of a magnitude, at least min_digits of them.
void AppendDecimal(String &out, uint64_t value, int32_t min_digits) {
  char16_t buffer[20];
  int count = ReversedDigits(value, buffer);
  if (count < min_digits)
    out.append(static_cast<size_t>(min_digits - count), u'0');
  while (count > 0)
    out += buffer[--count];
}

// Decimal digits of a magnitude grouped in threes.
void AppendGrouped(String &out, uint64_t value, char16_t separator) {
  char16_t buffer[20];
  int count = ReversedDigits(value, buffer);
  while (count > 0) {
    out += buffer[--count];
    if (count > 0 && count % 3 == 0)
      out += separator;
  }
}

void AppendHex(String &out, uint64_t value, int32_t min_digits) {
  char16_t buffer[16];
  int count = 0;
  do {
    buffer[count++] = u"0123456789ABCDEF"[value & 15];
    value >>= 4;
  } while (value != 0);
  if (count < min_digits)
    out.append(static_cast<size_t>(min_digits - count), u'0');
  while (count > 0)
    out += buffer[--count];
}

uint64_t Magnitude(int64_t value) {
  return value < 0 ? ~static_cast<uint64_t>(value) + 1 : static_cast<uint64_t>(value);
}

bool IsInteger(const TFormatArg &arg) {
  return arg.kind == TFormatArg::kInt32 || arg.kind == TFormatArg::kInt64 ||
         arg.kind == TFormatArg::kUInt64;
}

bool IsNegative(const TFormatArg &arg) {
  return arg.kind != TFormatArg::kUInt64 && arg.int_value < 0;
}

// The bits an integer argument had: a negative 32-bit value reads as its 32-bit unsigned value.
uint64_t UnsignedBits(const TFormatArg &arg) {
  if (arg.kind == TFormatArg::kInt32)
    return static_cast<uint32_t>(arg.int_value);
  return arg.kind == TFormatArg::kUInt64 ? arg.uint_value : static_cast<uint64_t>(arg.int_value);
}

double AsDouble(const TFormatArg &arg) {
  if (arg.kind == TFormatArg::kFloat)
    return arg.float_value;
  if (arg.kind == TFormatArg::kUInt64)
    return static_cast<double>(arg.uint_value);
  return static_cast<double>(arg.int_value);
}

class Formatter {
public:
  Formatter(const TFormatSettings &settings, StringView format, std::span<const TFormatArg> args)
      : settings_(settings), format_(format), args_(args) {}

  String Run() {
    out_.reserve(format_.size() + 16 * args_.size());
    size_t i = 0;
    while (i < format_.size()) {
      const size_t percent = format_.find(u'%', i);
      if (percent == StringView::npos) {
        out_.append(format_.substr(i));
        break;
      }
      out_.append(format_.substr(i, percent - i));
      pos_ = percent + 1;
      if (pos_ < format_.size() && format_[pos_] == u'%') {
        out_ += u'%';
        ++pos_;
      } else {
        WriteSpecifier(ReadSpec());
      }
      i = pos_;
    }
    return std::move(out_);
  }

private:
  [[noreturn]] void Invalid() const {
    throw EConvertError(u"Format '" + String(format_) + u"' invalid or incompatible with argument");
  }

  const TFormatArg &NextArg() {
    if (next_arg_ >= args_.size())
      throw EConvertError(u"No argument for format '" + String(format_) + u"'");
    return args_[next_arg_++];
  }

  // A run of digits, or "*" for the next argument (which must be an integer); none gives nullopt.
  std::optional<int64_t> ReadCount() {
    if (pos_ < format_.size() && format_[pos_] == u'*') {
      ++pos_;
      const TFormatArg &arg = NextArg();
      if (arg.kind != TFormatArg::kInt32 && arg.kind != TFormatArg::kInt64)
        Invalid();
      return arg.int_value;
    }
    const size_t start = pos_;
    int64_t value = 0;
    for (; pos_ < format_.size() && format_[pos_] >= u'0' && format_[pos_] <= u'9'; ++pos_)
      value = std::min<int64_t>(value * 10 + (format_[pos_] - u'0'), kMaxPadding + 1);
    return pos_ == start ? std::nullopt : std::optional<int64_t>(value);
  }

  bool Take(char16_t c) {
    if (pos_ < format_.size() && format_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  void SetWidth(Spec &spec, int64_t width) {
    if (width < 0) { // a negative "*" width left-justifies, as in C
      spec.left = true;
      width = -width;
    }
    if (width > kMaxPadding)
      Invalid();
    spec.width = static_cast<int32_t>(width);
  }

  Spec ReadSpec() {
    Spec spec;
    std::optional<int64_t> first = ReadCount();
    if (Take(u':')) {
      const int64_t index = first.value_or(0);
      if (index < 0)
        Invalid();
      next_arg_ = static_cast<size_t>(std::min<int64_t>(index, kMaxPadding));
      first.reset();
    }
    if (!first) {
      spec.left = Take(u'-');
      first = ReadCount();
    }
    if (first)
      SetWidth(spec, *first);
    if (Take(u'.')) {
      const int64_t precision = ReadCount().value_or(0);
      if (precision >= 0) // a negative "*" precision means none was given
        spec.precision = static_cast<int32_t>(std::min<int64_t>(precision, kMaxPadding + 1));
    }
    if (pos_ >= format_.size())
      Invalid();
    const char16_t type = format_[pos_++];
    spec.type = type >= u'A' && type <= u'Z' ? type + 32 : type;
    return spec;
  }

  int32_t MinDigits(const Spec &spec) const {
    const int32_t digits = spec.precision.value_or(0);
    if (digits > kMaxPadding)
      Invalid();
    return digits;
  }

  // The converters below append their text to out_; WriteSpecifier pads it afterwards.
  void Integer(const Spec &spec, const TFormatArg &arg) {
    if (!IsInteger(arg))
      Invalid();
    if (spec.type == u'd') {
      if (IsNegative(arg))
        out_ += u'-';
      AppendDecimal(out_,
                    arg.kind == TFormatArg::kUInt64 ? arg.uint_value : Magnitude(arg.int_value),
                    MinDigits(spec));
    } else if (spec.type == u'u') {
      AppendDecimal(out_, UnsignedBits(arg), MinDigits(spec));
    } else {
      AppendHex(out_, UnsignedBits(arg), MinDigits(spec));
    }
  }

  // An integer given to %f or %n prints exactly, however large, with zero decimals added.
  void IntegerAsFixed(const Spec &spec, const TFormatArg &arg, int32_t decimals) {
    const uint64_t magnitude =
        arg.kind == TFormatArg::kUInt64 ? arg.uint_value : Magnitude(arg.int_value);
    if (IsNegative(arg))
      out_ += u'-';
    if (spec.type == u'n')
      AppendGrouped(out_, magnitude, settings_.ThousandSeparator);
    else
      AppendDecimal(out_, magnitude, 1);
    if (decimals > 0) {
      out_ += settings_.DecimalSeparator;
      out_.append(static_cast<size_t>(decimals), u'0');
    }
  }

  void Float(const Spec &spec, const TFormatArg &arg) {
    if (!IsInteger(arg) && arg.kind != TFormatArg::kFloat)
      Invalid();
    const double value = AsDouble(arg);
    switch (spec.type) {
    case u'e':
      out_ += FloatToStrF(value, ffExponent, spec.precision.value_or(15), 3, settings_);
      break;
    case u'g':
      out_ += FloatToStrF(value, ffGeneral, spec.precision.value_or(15), 0, settings_);
      break;
    case u'm':
      out_ += FloatToTextFixed(value, ffCurrency,
                               spec.precision.value_or(settings_.CurrencyDecimals), settings_);
      break;
    default: {
      const int32_t decimals = std::min(spec.precision.value_or(2), 18);
      if (IsInteger(arg))
        IntegerAsFixed(spec, arg, decimals);
      else
        out_ +=
            FloatToTextFixed(value, spec.type == u'n' ? ffNumber : ffFixed, decimals, settings_);
    }
    }
  }

  void Pointer(const TFormatArg &arg) {
    if (arg.kind != TFormatArg::kPointer)
      Invalid();
    AppendHex(out_, reinterpret_cast<uintptr_t>(arg.pointer), 16);
  }

  // At most precision characters, never ending inside a surrogate pair.
  void Text(const Spec &spec, const TFormatArg &arg) {
    StringView text;
    if (arg.kind == TFormatArg::kString)
      text = StringView(arg.text, arg.length);
    else if (arg.kind == TFormatArg::kChar)
      text = StringView(&arg.char_value, 1);
    else
      Invalid();
    if (spec.precision && text.size() > static_cast<size_t>(*spec.precision)) {
      size_t keep = static_cast<size_t>(*spec.precision);
      if (keep > 0 && IsHighSurrogate(text[keep - 1]))
        --keep;
      text = text.substr(0, keep);
    }
    out_.append(text);
  }

  // Pads what was written since start to the width, on the left or (with "-") on the right.
  void Pad(const Spec &spec, size_t start) {
    const size_t length = out_.size() - start;
    if (length >= static_cast<size_t>(spec.width))
      return;
    const size_t padding = spec.width - length;
    if (spec.left)
      out_.append(padding, u' ');
    else
      out_.insert(start, padding, u' ');
  }

  void WriteSpecifier(const Spec &spec) {
    const size_t start = out_.size();
    switch (spec.type) {
    case u'd':
    case u'u':
    case u'x':
      Integer(spec, NextArg());
      break;
    case u'e':
    case u'f':
    case u'g':
    case u'n':
    case u'm':
      Float(spec, NextArg());
      break;
    case u'p':
      Pointer(NextArg());
      break;
    case u's':
      Text(spec, NextArg());
      break;
    default:
      Invalid();
    }
    Pad(spec, start);
  }

  const TFormatSettings &settings_;
  StringView format_;
  std::span<const TFormatArg> args_;
  String out_;
  size_t pos_ = 0;
  size_t next_arg_ = 0;
};

} // namespace

String FormatArgs(const TFormatSettings &settings, StringView format,
                  std::span<const TFormatArg> args) {
  return Formatter(settings, format, args).Run();
}

} // namespace textcore
