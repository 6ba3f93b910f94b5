// What the tools know of their environment without asking anyone: line breaks, the UTF-8
// signature, the characters of hexadecimal numbers, measurement constants, the operating
// system's version flags, the screen's work area and resolution, and the text of the last
// operating-system error.
//
// The version flags describe Windows releases that Linux has no equivalent of; they are fixed so
// that every caller takes its branch for current systems.
#pragma once

#include "files/utf8_checks.h" // TThreeBytes
#include "platform/rect.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

inline constexpr StringView CRLF = u"\r\n";
inline constexpr TThreeBytes UTF8_signature{0xEF, 0xBB, 0xBF};
inline constexpr StringView HexCharactersStr = u"0123456789ABCDEFabcdef";
// Characters that mark a number as hexadecimal.
inline constexpr StringView HexSignalStr = u"Xx$Hh";

inline constexpr float mm_to_inch = 0.03937008f; // 1 / 25.4
inline constexpr float inch_to_cm = 2.54f;
inline constexpr float inch_to_mm = 25.4f;
inline constexpr float inch_to_mm100 = 2540.0f; // hundredths of a millimetre per inch

enum TPrint_measurement_units : uint8_t { pmu_inches, pmu_centimetres, pmu_print_dots };

inline constexpr bool IsXP = false;
inline constexpr bool IsVista = false;
inline constexpr bool AtLeastVista = true;

// The desktop's work area (the screen without task bars), asked of the screen each time.
TRect Work_Area();
// Vertical pixels per logical inch of the screen; 96 without one.
int32_t PixelsPerInch();

// The system's text for the last operating-system error (errno), at most 255 characters.
String GetLastErrorString();

} // namespace textcore
