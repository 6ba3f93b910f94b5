// The process-wide format settings and the locale-independent defaults.
#include "platform/format_settings.h"

namespace textcore {

TFormatSettings TFormatSettings::Invariant() { return TFormatSettings(); }

TFormatSettings TFormatSettings::Create(const String &) { return Invariant(); }

TFormatSettings &FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

void StartFormatSettings() {}

} // namespace textcore
