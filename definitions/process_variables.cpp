// The shared process-wide variables; see process_variables.h.
#include "definitions/process_variables.h"

#include "platform/textcore_lifetime.h"

namespace textcore {

bool Global_in_heading = false;
uint32_t Global_LowestJumpTo = 0;
bool Global_TimedOut = false;
int32_t Global_MessageHelpCtx = 0;
TIgnore_tag_type Global_Blank_ignoreTags{};
TDateTime Global_StartTime = 0;
TSearchStatsRec GlobalOneFilesStats{};

bool Global_run_without_error_messages = false;
bool Global_FirstKeypress = false;
bool Global_ExcelOverloadNotified = false;
bool Global_Busy_Dont_Show_Data = false;
bool Global_BusySetting_Components = false;
bool GlobalShellCloseDown = false;
bool Global_tempFalse = false;
bool Global_Update_Parser = false;
bool Global_batch_mode = false;
std::array<Tprocess_time_rec, tool_type_count> Global_process_times{};
std::array<Tlibrary_rec, tool_type_count> Global_LibraryRecs{};
TLemmaMatchStopArray Global_stopLemmaMatchLoaded{};
std::array<uint8_t, 8> global_DetailedConsistency_files{};
std::array<char, 256> Global_arrchar255{};
std::array<char16_t, 256> Global_arrchar255W{};

bool utter_bollocks = false;
bool autosearch_confirm = true;
bool digraph_sorting = false;
bool go_now = false;
bool indexing_wordlist = false;
bool mask_wanted = true;
bool no_check_exit = false;
bool reverse_sorting = false;
bool whole_word_search = true;

String &Global_user_ReadWrite_folder() {
  static String folder;
  return folder;
}

String &Global_FailureMessage() {
  static String message;
  return message;
}

TNotifyEvent &Global_HelpProc() {
  static TNotifyEvent help;
  return help;
}

TFormatSettings &Global_StringToDateTimeFormat() {
  static TFormatSettings settings;
  return settings;
}

void StartWdef() {
  Global_in_heading = false;
  Global_LowestJumpTo = 0;
  Global_user_ReadWrite_folder().clear();
  Global_TimedOut = false;
  Global_MessageHelpCtx = 0;
  Global_HelpProc() = nullptr;
  // Built from the user's settings, which must be read first.
  TFormatSettings &format = Global_StringToDateTimeFormat();
  format = UserDefaultFormatSettings();
  format.DateSeparator = u'/';
  format.ShortDateFormat = u"dd/mm/yyyy";
  format.TimeSeparator = u':';
  format.LongTimeFormat = u"hh:nn:ss";
  Global_Blank_ignoreTags = {};
  Global_StartTime = 0;
  GlobalOneFilesStats = {};

  Global_FailureMessage().clear();
  for (bool *flag :
       {&Global_run_without_error_messages, &Global_FirstKeypress, &Global_ExcelOverloadNotified,
        &Global_Busy_Dont_Show_Data, &Global_BusySetting_Components, &GlobalShellCloseDown,
        &Global_tempFalse, &Global_Update_Parser, &Global_batch_mode})
    *flag = false;
  Global_process_times = {};
  Global_LibraryRecs = {};
  Global_stopLemmaMatchLoaded = {};
  global_DetailedConsistency_files = {};
  Global_arrchar255 = {};
  Global_arrchar255W = {};

  for (bool *flag : {&utter_bollocks, &digraph_sorting, &go_now, &indexing_wordlist, &no_check_exit,
                     &reverse_sorting})
    *flag = false;
  autosearch_confirm = true;
  mask_wanted = true;
  whole_word_search = true;
}

void StartTiming() { Global_StartTime = Now(); }

TDateTime ElapsedTime(bool restart) {
  const TDateTime elapsed = Now() - Global_StartTime;
  if (restart)
    StartTiming();
  return elapsed;
}

void ClearGlobalOneTextStats() {
  GlobalOneFilesStats = {};
  Global_in_heading = false;
}

namespace {

// Summed as unsigned numbers, whose overflow wraps, and brought back: the counters of a huge
// file wrap round instead of being undefined.
void AddCounters(std::array<int32_t, stats_units> &total,
                 const std::array<int32_t, stats_units> &chunk) {
  for (int32_t i = 0; i < stats_units; ++i)
    total[i] =
        static_cast<int32_t>(static_cast<uint32_t>(total[i]) + static_cast<uint32_t>(chunk[i]));
}

} // namespace

void CopyAChunkTextStats(const TSearchStatsRec &chunk) {
  AddCounters(GlobalOneFilesStats.number, chunk.number);
  AddCounters(GlobalOneFilesStats.position, chunk.position);
  AddCounters(GlobalOneFilesStats.out_of, chunk.out_of);
}

} // namespace textcore
