// Start-up and clean-up of textcore's modules. The calls are made by one static object in
// textcore_lifetime.cpp; a module that needs start-up declares its entry point here so that the
// order of all of them can be read in one place.
#pragma once

namespace textcore {

// platform/format_settings.h: fills FormatSettings() from the user's locale.
void StartFormatSettings();

} // namespace textcore
