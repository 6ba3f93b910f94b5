// Floating-point numbers to text and back: FloatToStrF, FloatToStr, FormatFloat and StrToFloat.
//
// Every conversion works on the exact decimal expansion of the double and rounds once, half away
// from zero, at the last digit it keeps: 0.125 to two decimals is "0.13", while 2.675 (whose
// double lies just below the tie) is "2.67". A result that rounds to zero carries no minus sign,
// and neither does negative zero. NaN and the infinities print as "NAN", "INF" and "-INF".
#pragma once

#include "platform/format_settings.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

enum TFloatFormat : uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// precision is the number of significant digits (1 to 18); digits is the minimum number of
// exponent digits for ffGeneral and ffExponent (0 to 4) and the number of decimals for ffFixed,
// ffNumber and ffCurrency (0 to 18). Values outside those ranges are clamped. ffFixed and
// ffNumber fall back to the general form when the value has more integer digits than precision.
String FloatToStrF(double value, TFloatFormat format, int32_t precision, int32_t digits);
String FloatToStrF(double value, TFloatFormat format, int32_t precision, int32_t digits,
                   const TFormatSettings &settings);

// The general form with 15 significant digits: "0.1", "1E20", "1.5E-6".
String FloatToStr(double value);
String FloatToStr(double value, const TFormatSettings &settings);

// Formats by a pattern: "0" a digit always shown, "#" a digit shown when significant, the first
// "." the decimal separator, "," before it anywhere turns on thousands grouping, "E+" "E-" "e+"
// "e-" followed by "0"s a scientific exponent, text in single or double quotes literally, and up
// to three ";"-separated sections for positive, negative and zero values. An empty pattern (or
// empty positive section) gives FloatToStr.
String FormatFloat(StringView format, double value);
String FormatFloat(StringView format, double value, const TFormatSettings &settings);

// Text to double: optional blanks around an optional sign, digits with the settings' decimal
// separator, an optional exponent; "INF", "-INF" and "NAN" read back what FloatToStr writes.
// Thousands separators are not accepted. A value too large for a double fails; one too small
// becomes zero.
bool TryStrToFloat(StringView s, double &value);
bool TryStrToFloat(StringView s, double &value, const TFormatSettings &settings);
// Raises EConvertError "'%s' is not a valid floating point value".
double StrToFloat(StringView s);
double StrToFloat(StringView s, const TFormatSettings &settings);
double StrToFloatDef(StringView s, double default_value);
double StrToFloatDef(StringView s, double default_value, const TFormatSettings &settings);

// The fixed, number and currency forms rounded only at the decimals asked for, however many
// integer digits the value has (format is ffFixed, ffNumber or ffCurrency; decimals 0 to 18).
// This is what Format's %f, %n and %m print.
String FloatToTextFixed(double value, TFloatFormat format, int32_t decimals,
                        const TFormatSettings &settings);

} // namespace textcore
