// Start-up and clean-up of textcore's modules. The calls are made by one static object in
// textcore_lifetime.cpp; a module that needs start-up declares its entry point here so that the
// order of all of them can be read in one place.
#pragma once

namespace textcore {

// platform/format_settings.h: fills FormatSettings() from the user's locale.
void StartFormatSettings();

// colour/colour_scheme.cpp: the shared colour scheme set to its defaults from the system colours
// (headless ones, this early).
void StartColours();

// definitions/process_variables.cpp: every process-wide variable of the definitions set to its
// start value; the fixed date format is built from the format settings, so it comes after them.
// Tests call it again to put the variables back.
void StartWdef();

// strings/julian_date_labels.cpp: the names of the time-line period sizes taken from the
// message catalogue.
void StartJuliandateroutines();

// core/logging_utilities.cpp: the pending-line list and the file name emptied, headless message
// boxes routed to the log; at clean-up pending text is written and the file name forgotten.
void StartLogging() noexcept;
void FinishLogging() noexcept;

// core/yield.cpp: the stop flags cleared and the yield hook made empty; at clean-up the hook is
// cleared and, when logging, the module says it is quitting.
void StartMykpsmall() noexcept;
void FinishMykpsmall() noexcept;

// files/environment_data.cpp: the framework's words for true and false made the catalogue's
// "Yes" and "true", "No" and "false"; at clean-up, when logging, the module says it is quitting
// and the words are forgotten.
void StartWingenok();
void FinishWingenok() noexcept;

// strings/text_extent.cpp: the process-wide extended text-extent query set to the platform's; at
// clean-up it is cleared, so that a late caller sees none rather than a query of an unloaded
// library.
void StartMyunicodenew() noexcept;
void FinishMyunicodenew() noexcept;

// platform/ui_services.cpp: back to headless message boxes with no log sink, and to the headless
// screen, system colours and device contexts.
void ResetUIServices() noexcept;

} // namespace textcore
