// Process-wide variables that the libraries and the tool programs share on the one user-interface
// thread, without a guard, and the few functions that work on them. Each takes its start value
// when textcore starts; nothing in the libraries resets it later unless said below.
//
// Variables of plain types are variables. Those that own memory (strings, format settings, a
// bound procedure) are reached through a function of the variable's name returning a reference,
// so that loading the library runs no constructor but the lifetime object's.
#pragma once

#include "core/fixed_char_arrays.h"
#include "definitions/tool_types.h"
#include "files/library_functions.h"
#include "platform/date_time.h"
#include "platform/format_settings.h"
#include "platform/object.h"
#include "platform/strings.h"
#include "search/lemma_stop_match_types.h"
#include "search/search_stats_rec.h"
#include "search/search_word_format.h"

#include <array>
#include <cstdint>

namespace textcore {

// Used inside the libraries -------------------------------------------------------------------

// The scan position lies inside a heading. The buffer matcher updates it as it passes heading
// markers, and it is kept from one search pass to the next, so a client clears it at the start
// of each new text (ClearGlobalOneTextStats does).
extern bool Global_in_heading;

// Byte offset from the buffer start at which every search pass begins; 0 means the buffer start.
// A client that wants to move the scan sets it before a pass.
extern uint32_t Global_LowestJumpTo;

// The folder of the never-show-again marker files of the message dialogs; empty at start.
String &Global_user_ReadWrite_folder();
// Set by every catalogue dialog: true when the dialog was closed by its timer.
extern bool Global_TimedOut;
// The help context of the dialog on screen, and the procedure every dialog's Help button calls
// (unassigned at start).
extern int32_t Global_MessageHelpCtx;
TNotifyEvent &Global_HelpProc();

// The fixed format in which dates typed or stored as text are read: the user's own settings,
// but day/month/year with "/" and a 24-hour "hh:nn:ss" with ":", so that '05/11/2020' is the
// 5th of November on every system.
TFormatSettings &Global_StringToDateTimeFormat();

// No markup pairs at all, to pass where none apply.
extern TIgnore_tag_type Global_Blank_ignoreTags;

// When the timing of StartTiming and ElapsedTime began.
extern TDateTime Global_StartTime;
// The statistics of the current file, summed over its chunks.
extern TSearchStatsRec GlobalOneFilesStats;

// Carried for the tools ------------------------------------------------------------------------

String &Global_FailureMessage();
extern bool Global_run_without_error_messages;
extern bool Global_FirstKeypress;
extern bool Global_ExcelOverloadNotified;
extern bool Global_Busy_Dont_Show_Data;
extern bool Global_BusySetting_Components;
extern bool GlobalShellCloseDown;
extern bool Global_tempFalse;
extern bool Global_Update_Parser;
extern bool Global_batch_mode;

// When a tool's process started and finished.
struct Tprocess_time_rec {
  TDateTime started = 0;
  TDateTime finished = 0;
};
// One timing record per tool.
extern std::array<Tprocess_time_rec, tool_type_count> Global_process_times;
// The libraries the tools have loaded, one record per tool.
extern std::array<Tlibrary_rec, tool_type_count> Global_LibraryRecs;
// Which of the lemma, match, stop and relation lists are loaded, by TLemmaMatchStopOptions.
extern TLemmaMatchStopArray Global_stopLemmaMatchLoaded;
extern std::array<uint8_t, 8> global_DetailedConsistency_files;
// Scratch buffers: 8-bit text in the system code page, and UTF-16.
extern std::array<char, 256> Global_arrchar255;
extern std::array<char16_t, 256> Global_arrchar255W;

// Switches, one byte each.
extern bool utter_bollocks;     // false at start
extern bool autosearch_confirm; // true
extern bool digraph_sorting;    // false
extern bool go_now;             // false
extern bool indexing_wordlist;  // false
extern bool mask_wanted;        // true
extern bool no_check_exit;      // false
extern bool reverse_sorting;    // false
extern bool whole_word_search;  // true

// The first character of a tag translation, and the character that marks a closing tag.
inline constexpr char16_t default_tag_translation_starter = u'&';
inline constexpr char16_t default_tag_switch_off = u'/';

// Functions ------------------------------------------------------------------------------------

// Starts timing: Global_StartTime := now.
void StartTiming();
// The days since StartTiming (a date-time difference, measured before any restart); with
// restart, timing then starts again. The wall clock is used, so a clock change shows in it.
TDateTime ElapsedTime(bool restart);

// The start of a new file: GlobalOneFilesStats zeroed and Global_in_heading false.
void ClearGlobalOneTextStats();
// Adds each of the fifteen counters of a chunk's statistics to GlobalOneFilesStats. A sum that
// passes the counters' range wraps round rather than being undefined.
void CopyAChunkTextStats(const TSearchStatsRec &chunk);

constexpr uint32_t MinCardinal(uint32_t a, uint32_t b) { return a < b ? a : b; }
constexpr uint32_t MaxCardinal(uint32_t a, uint32_t b) { return a > b ? a : b; }

} // namespace textcore
