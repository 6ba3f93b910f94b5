// Format: the framework's printf-like formatting of strings, numbers and pointers.
//
// A specifier is %[index:][-][width][.precision]type, and %% is a percent sign:
//   d  integer; precision is the minimum number of digits, zero-padded after the sign
//   u  like d, unsigned: a negative 32-bit argument prints as its 32-bit unsigned value
//   x  uppercase hexadecimal; precision is the minimum number of digits
//   e  scientific "-d.ddddE+ddd", precision significant digits (15 by default)
//   f  fixed, precision decimals (2 by default)
//   g  the shorter of fixed and scientific, precision significant digits (15 by default)
//   n  like f, with thousands separators ("%.0n" of 1234567 is "1,234,567")
//   m  money, by the settings' currency string, layouts and decimals
//   p  pointer, as 16 uppercase hexadecimal digits
//   s  string or character; precision is the maximum number of characters
// index (0-based) picks the argument, and later specifiers go on from the one after it. width
// pads with spaces on the left, or on the right after "-". "*" for index, width or precision takes
// the value from the next argument. A "." without digits is precision 0, so "%0.n" is "%.0n".
// The letter may be in either case. e f g n m accept integers as well as floating-point values.
//
// A specifier that is malformed or does not fit its argument raises EConvertError "Format '%s'
// invalid or incompatible with argument"; running out of arguments raises EConvertError "No
// argument for format '%s'" (both with the whole format string).
#pragma once

#include "platform/format_settings.h"
#include "platform/strings.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace textcore {

namespace format_detail {
template <typename T>
inline constexpr bool kIsCharacter =
    std::is_same_v<T, char> || std::is_same_v<T, char8_t> || std::is_same_v<T, char16_t> ||
    std::is_same_v<T, char32_t> || std::is_same_v<T, wchar_t>;
template <typename T>
concept Integer = std::is_integral_v<T> && !std::is_same_v<T, bool> && !kIsCharacter<T>;
template <typename T>
concept NonTextObject = !kIsCharacter<std::remove_cv_t<T>>;
} // namespace format_detail

// One argument of Format, by kind. Strings are referred to, not copied: an argument lives only
// for the call it is made for.
struct TFormatArg {
  enum Kind : uint8_t { kInt32, kInt64, kUInt64, kFloat, kString, kChar, kPointer };

  template <format_detail::Integer T> constexpr TFormatArg(T value) {
    if constexpr (std::is_signed_v<T> && sizeof(T) <= 4) {
      kind = kInt32;
      int_value = value;
    } else if constexpr (sizeof(T) <= 4 || std::is_signed_v<T>) {
      kind = kInt64; // an unsigned 32-bit value is never negative as an Int64
      int_value = static_cast<int64_t>(value);
    } else {
      kind = kUInt64;
      uint_value = value;
    }
  }
  template <typename T>
  requires std::is_enum_v<T>
  constexpr TFormatArg(T value) : TFormatArg(static_cast<std::underlying_type_t<T>>(value)) {}
  template <std::floating_point T>
  constexpr TFormatArg(T value) : kind(kFloat), float_value(static_cast<double>(value)) {}
  constexpr TFormatArg(StringView value)
      : kind(kString), text(value.data()), length(value.size()) {}
  TFormatArg(const String &value) : TFormatArg(StringView(value)) {}
  constexpr TFormatArg(const char16_t *value)
      : kind(kString), text(value), length(value ? std::char_traits<char16_t>::length(value) : 0) {}
  constexpr TFormatArg(char16_t value) : kind(kChar), char_value(value) {}
  template <format_detail::NonTextObject T>
  constexpr TFormatArg(T *value) : kind(kPointer), pointer(value) {}
  constexpr TFormatArg(std::nullptr_t) : kind(kPointer), pointer(nullptr) {}
  // Narrow text and Booleans have no specifier of their own; convert them first.
  TFormatArg(const char *) = delete;
  TFormatArg(char) = delete;
  TFormatArg(bool) = delete;

  Kind kind;
  union {
    int64_t int_value;
    uint64_t uint_value;
    double float_value;
    const void *pointer;
    char16_t char_value;
  };
  const char16_t *text = nullptr;
  size_t length = 0;
};

// The one implementation behind every Format call.
String FormatArgs(const TFormatSettings &settings, StringView format,
                  std::span<const TFormatArg> args);

template <typename... Args>
String Format(const TFormatSettings &settings, StringView format, const Args &...args) {
  const std::array<TFormatArg, sizeof...(Args)> list{TFormatArg(args)...};
  return FormatArgs(settings, format, list);
}

// Formats with the process-wide FormatSettings().
template <typename... Args> String Format(StringView format, const Args &...args) {
  const std::array<TFormatArg, sizeof...(Args)> list{TFormatArg(args)...};
  return FormatArgs(FormatSettings(), format, list);
}

} // namespace textcore
