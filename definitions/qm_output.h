// Where a display is going: the screen (or a test of it), the clipboard, a printer or its preview.
// Printing may be monochrome, so displays that colour runs ask IsPrinting.
#pragma once

#include <cstdint>

namespace textcore {

enum TQMoutput : uint8_t {
  pra_screen,
  pra_screen_test,
  pra_clipboard,
  pra_printer,
  pra_print_preview
};

constexpr bool IsPrinting(TQMoutput output) {
  return output == pra_printer || output == pra_print_preview;
}

} // namespace textcore
