#include "definitions/process_variables.h"

#include "definitions/process_tables.h"
#include "platform/format_date_time.h"
#include "platform/textcore_lifetime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <type_traits>

namespace textcore {
namespace {

bool StatsZero(const TSearchStatsRec &s) {
  const TSearchStatsRec zero;
  return s.number == zero.number && s.position == zero.position && s.out_of == zero.out_of;
}

// Each variable: a value other than its start value, and the test of the start value.
struct StartValue {
  const char *name;
  std::function<void()> disturb;
  std::function<bool()> at_start;
};

template <typename V> StartValue Flag(const char *name, V &variable, V start, V other) {
  return {name, [&variable, other] { variable = other; },
          [&variable, start] { return variable == start; }};
}

// A variable of plain bytes that starts as all zeros.
template <typename V> StartValue Zeroed(const char *name, V &variable) {
  static_assert(std::is_trivially_copyable_v<V>);
  return {name, [&variable] { reinterpret_cast<uint8_t *>(&variable)[sizeof(V) - 1] = 1; },
          [&variable] {
            const V zero{};
            return std::memcmp(&variable, &zero, sizeof(V)) == 0;
          }};
}

std::vector<StartValue> StartValues() {
  std::vector<StartValue> rows = {
      Flag("Global_in_heading", Global_in_heading, false, true),
      Flag("Global_LowestJumpTo", Global_LowestJumpTo, 0u, 9u),
      Flag("Global_TimedOut", Global_TimedOut, false, true),
      Flag("Global_MessageHelpCtx", Global_MessageHelpCtx, 0, 1410),
      Flag("Global_StartTime", Global_StartTime, 0.0, 44000.5),
      Flag("Global_run_without_error_messages", Global_run_without_error_messages, false, true),
      Flag("Global_FirstKeypress", Global_FirstKeypress, false, true),
      Flag("Global_ExcelOverloadNotified", Global_ExcelOverloadNotified, false, true),
      Flag("Global_Busy_Dont_Show_Data", Global_Busy_Dont_Show_Data, false, true),
      Flag("Global_BusySetting_Components", Global_BusySetting_Components, false, true),
      Flag("GlobalShellCloseDown", GlobalShellCloseDown, false, true),
      Flag("Global_tempFalse", Global_tempFalse, false, true),
      Flag("Global_Update_Parser", Global_Update_Parser, false, true),
      Flag("Global_batch_mode", Global_batch_mode, false, true),
      Flag("utter_bollocks", utter_bollocks, false, true),
      Flag("autosearch_confirm", autosearch_confirm, true, false),
      Flag("digraph_sorting", digraph_sorting, false, true),
      Flag("go_now", go_now, false, true),
      Flag("indexing_wordlist", indexing_wordlist, false, true),
      Flag("mask_wanted", mask_wanted, true, false),
      Flag("no_check_exit", no_check_exit, false, true),
      Flag("reverse_sorting", reverse_sorting, false, true),
      Flag("whole_word_search", whole_word_search, true, false),
      {"Global_user_ReadWrite_folder", [] { Global_user_ReadWrite_folder() = u"/x"; },
       [] { return Global_user_ReadWrite_folder().empty(); }},
      {"Global_FailureMessage", [] { Global_FailureMessage() = u"failed"; },
       [] { return Global_FailureMessage().empty(); }},
      {"Global_HelpProc", [] { Global_HelpProc() = [](TObject *) {}; },
       [] { return !Global_HelpProc(); }},
      Zeroed("Global_Blank_ignoreTags", Global_Blank_ignoreTags),
      Zeroed("GlobalOneFilesStats", GlobalOneFilesStats),
      Zeroed("Global_process_times", Global_process_times),
      Zeroed("Global_LibraryRecs", Global_LibraryRecs),
      Zeroed("Global_stopLemmaMatchLoaded", Global_stopLemmaMatchLoaded),
      Zeroed("global_DetailedConsistency_files", global_DetailedConsistency_files),
      Zeroed("Global_arrchar255", Global_arrchar255),
      Zeroed("Global_arrchar255W", Global_arrchar255W),
  };
  return rows;
}

TEST(ProcessVariables, EveryVariableTakesItsStartValue) {
  EXPECT_EQ(sizeof(Global_stopLemmaMatchLoaded), 4u);
  EXPECT_EQ(sizeof(global_DetailedConsistency_files), 8u);
  EXPECT_EQ(Global_LibraryRecs.size(), static_cast<size_t>(tool_type_count));
  EXPECT_EQ(default_tag_translation_starter, u'&');
  EXPECT_EQ(default_tag_switch_off, u'/');
  const std::vector<StartValue> rows = StartValues();
  StartWdef();
  for (const StartValue &row : rows)
    EXPECT_TRUE(row.at_start()) << row.name << " at start";
  for (const StartValue &row : rows) {
    row.disturb();
    EXPECT_FALSE(row.at_start()) << row.name << " disturbed";
  }
  StartWdef();
  for (const StartValue &row : rows)
    EXPECT_TRUE(row.at_start()) << row.name << " after StartWdef";
}

TEST(ProcessVariables, TypedDatesReadDayFirstWhateverTheUsersOrder) {
  const TFormatSettings saved = FormatSettings();
  for (const char16_t *locale : {u"en_US", u"de_DE", u"ja_JP", u"C"}) {
    FormatSettings() = TFormatSettings::Create(locale);
    StartWdef();
    const TFormatSettings &fixed = Global_StringToDateTimeFormat();
    EXPECT_EQ(StrToDate(u"05/11/2020", fixed), EncodeDate(2020, 11, 5)) << StringToUTF8(locale);
    EXPECT_EQ(fixed.DecimalSeparator, FormatSettings().DecimalSeparator); // the user's own
    EXPECT_EQ(fixed.LongTimeFormat, u"hh:nn:ss");
    EXPECT_EQ(FormatDateTime(u"tt", EncodeTime(14, 5, 9, 0), fixed), u"14:05:09");
  }
  FormatSettings() = saved;
  StartWdef();
}

TEST(ProcessVariables, ChunkStatisticsSumAndWrap) {
  StartWdef();
  Global_in_heading = true;
  GlobalOneFilesStats.number[0] = 77;
  ClearGlobalOneTextStats();
  EXPECT_TRUE(StatsZero(GlobalOneFilesStats));
  EXPECT_FALSE(Global_in_heading);
  TSearchStatsRec chunk;
  for (int32_t i = 0; i < stats_units; ++i) {
    chunk.number[i] = i + 1;
    chunk.position[i] = 10 * (i + 1);
    chunk.out_of[i] = 100 * (i + 1);
  }
  CopyAChunkTextStats(chunk);
  CopyAChunkTextStats(chunk);
  for (int32_t i = 0; i < stats_units; ++i) {
    EXPECT_EQ(GlobalOneFilesStats.number[i], 2 * (i + 1));
    EXPECT_EQ(GlobalOneFilesStats.position[i], 20 * (i + 1));
    EXPECT_EQ(GlobalOneFilesStats.out_of[i], 200 * (i + 1));
  }
  TSearchStatsRec huge;
  huge.number[0] = INT32_MAX;
  huge.out_of[4] = INT32_MIN;
  GlobalOneFilesStats = {};
  GlobalOneFilesStats.number[0] = 1;
  GlobalOneFilesStats.out_of[4] = -1;
  CopyAChunkTextStats(huge);
  EXPECT_EQ(GlobalOneFilesStats.number[0], INT32_MIN);
  EXPECT_EQ(GlobalOneFilesStats.out_of[4], INT32_MAX);
  StartWdef();
}

TEST(ProcessVariables, TimingAndCardinals) {
  Global_StartTime = Now() - 0.5;
  const TDateTime elapsed = ElapsedTime(false);
  EXPECT_NEAR(elapsed, 0.5, 0.001);
  EXPECT_NEAR(ElapsedTime(true), 0.5, 0.001); // measured before the restart
  EXPECT_NEAR(Global_StartTime, Now(), 0.001);
  StartTiming();
  EXPECT_NEAR(ElapsedTime(false), 0, 0.001);
  static_assert(MinCardinal(0, 0xFFFFFFFFu) == 0 && MaxCardinal(0, 0xFFFFFFFFu) == 0xFFFFFFFFu);
  static_assert(MinCardinal(7, 7) == 7 && MaxCardinal(0x80000000u, 1) == 0x80000000u);
  StartWdef();
}

TEST(ProcessTables, TablesHoldTheirValues) {
  EXPECT_EQ(maths_functions.front(), u"(pi)");
  EXPECT_EQ(maths_functions.back(), u"Abs");
  // The table follows the enumeration: the choice names its own code page.
  EXPECT_EQ(win_codepages[nao_precisa], 0u);
  EXPECT_EQ(win_codepages[_874_Thai], 874u);
  EXPECT_EQ(win_codepages[_1252_Latin1], 1252u);
  EXPECT_EQ(win_codepages[_950TradChineseBig5], 950u);

  const int32_t N = kNoProgressThreshold;
  const int32_t thresholds[list_type_count] = {
      80000, 10000, 2000, 10000, 10000, 10000, 80000, 80000, 80000, 1000, 2000,
      8000,  8000,  8000, 8000,  8000,  8000,  8000,  8000,  8000,  2000, 2000,
      2000,  80000, 2000, N,     N,     N,     1000,  2000,  2000,  N,    N,
      80000, N,     N,    N,     N,     N,     N,     N,     N,     N};
  for (int32_t i = 0; i < list_type_count; ++i)
    EXPECT_EQ(progress_show_in_Shell_thresholds[i], thresholds[i]) << i;
  EXPECT_EQ(N, 2147483647);

  EXPECT_EQ(TMenuItemNumbers::kBytes, 28u);
  const int checked[] = {46, 55, 77, 80, 81, 87, 100, 101, 112, 117, 176, 177, 178, 181, 185, 196};
  for (int item = 0; item < 256; ++item)
    EXPECT_EQ(CheckableMenuItems.Contains(static_cast<TMenuItemNumber>(item)),
              std::find(std::begin(checked), std::end(checked), item) != std::end(checked))
        << item;
}

} // namespace
} // namespace textcore
