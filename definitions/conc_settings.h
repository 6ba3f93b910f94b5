// The concordance settings that the tools save whole: the search, exclusion and context words,
// horizons, cluster and collocate settings, sorts and display choices. Two layouts exist: the
// current one (2580 bytes) and the old one (1368 bytes), which carried the language details
// inside.
//
// Booleans are one byte, non-zero meaning true. Records start as all zeros.
#pragma once

#include "definitions/collocation_window.h"
#include "definitions/mutual_info_stats.h"
#include "lists/sort_settings.h"
#include "platform/streams.h"
#include "search/language_details.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "concordance settings are little-endian");

// A search word in saved settings: 80 characters and a terminator.
using search_word_type32 = std::array<char16_t, 81>;

// Values the tools give and the library copies unchanged.
enum concordance_sort_type : uint8_t {};
enum TConc_display : uint8_t {};
enum tag_on_off_type : uint8_t {};
// The bits of the display options a tool hides.
using THideOptionsSet = uint8_t;

// The sort key of each of the three sort levels.
using treble_sort_type = std::array<concordance_sort_type, 3>;

#pragma pack(push, 1)

struct cluster_rec_type {
  int16_t spare = 0;
  int16_t to_left = 0;
  int16_t to_right = 0;
  int16_t min_freq = 0;
  uint8_t case_sensitive = 0;
  uint8_t padding9 = 0;
};

struct TConcSettingsRec32 {
  search_word_type32 concordance_word{};
  search_word_type32 exclusion_word{};
  search_word_type32 spare_tag_context_word{};
  search_word_type32 concordance_context_word{};
  int32_t entries_wanted_per_sw = 0;
  int32_t entries = 0;
  int32_t original_entries = 0;
  int32_t run_words_processed = 0;
  int16_t tag_string_only_on_number = 0;
  int16_t tag_string_only_off_number = 0;
  int32_t context_exact_gap_required = 0;
  std::array<uint8_t, 1032> spare_language_details{};
  Tdouble_smallint_type colloc_horizons;
  Tdouble_smallint_type context_horizons;
  cluster_rec_type cluster_settings;
  tag_on_off_type spare_text_format{};
  uint8_t spare_plot_computed = 0;
  uint8_t spare_Clusters_computed = 0;
  uint8_t spare_Patterns_computed = 0;
  uint8_t spare_collocates_computed = 0;
  uint8_t trim_textfile_output = 0;
  uint8_t show_tag_descriptions = 0;
  uint8_t spare_Association_computed = 0;
  uint8_t show_percents_not_raw_numbers = 0;
  uint8_t collocates_use_stoplist = 0;
  uint8_t file_based = 0;
  uint8_t blanking = 0;
  uint8_t with_collocates = 0;
  uint8_t with_exclusion = 0;
  uint8_t with_context = 0;
  Tcollocates_stop_at_type collocates_stop_at = coll_stop_none;
  uint8_t min_coll_len = 0;
  uint8_t SW_padded = 0;
  uint16_t characters_to_save_on_disk = 0;
  uint16_t min_coll_freq = 0;
  TConc_display conc_display_setting{};
  treble_sort_type sort{};
  T3SortFeatures sort_features;
  Tcollocates_stop_at_type context_stop_at = coll_stop_none;
  int16_t cluster_n_min = 0;
  int16_t cluster_n_max = 0;
  TMutualInfoStats spare_RelationshipsProc = MI_Dice;
  uint8_t saved_concrec_version_number = 0;
  uint8_t tags_to_show_in_context = 0;
  uint8_t min_colloc_texts = 0;
  THideOptionsSet hideOptions = 0;
  uint8_t ignore_conc_text_stats = 0;
  uint8_t show_full_filename_path = 0;
  uint8_t skip_punctuation = 0;
  uint8_t merge_sws_for_collocs = 0;
  uint8_t padding1771 = 0;
  int32_t characters_for_textonly_display = 0;
  uint8_t auto_lemmatise_collocs = 0;
  uint8_t there_are_lemmatised_collocs = 0;
  uint8_t collocates_case_sensitive = 0;
  uint8_t spare_timeline_computed = 0;
  uint8_t show_colloc_0Freq = 0;
  uint8_t stoplist_on_sw_too = 0;
  uint8_t plotFilesBeforeSWs = 0;
  uint8_t known_whether_SWs_contain_tags = 0;
  int32_t avoid_hits_within_X_words = 0;
  int32_t column_for_relationships_computation = 0;
  std::array<uint8_t, 788> spare{};
};

struct conc_settings_rec_old {
  search_word_type32 concordance_word{};
  search_word_type32 exclusion_word{};
  search_word_type32 tag_context_word{};
  search_word_type32 concordance_context_word{};
  int32_t entries_wanted_per_sw = 0;
  int32_t entries = 0;
  int32_t original_entries = 0;
  int32_t run_words_processed = 0;
  fixed_lang_details_rec_old language_details;
  Tdouble_smallint_type colloc_horizons;
  Tdouble_smallint_type context_horizons;
  cluster_rec_type cluster_settings;
  tag_on_off_type spare_text_format{};
  uint8_t plot_computed = 0;
  uint8_t Clusters_computed = 0;
  uint8_t Patterns_computed = 0;
  uint8_t collocates_computed = 0;
  uint8_t with_tagcontext = 0;
  uint8_t show_tag_descriptions = 0;
  uint8_t Association_computed = 0;
  uint8_t show_raw_numbers = 0;
  uint8_t collocates_use_stoplist = 0;
  uint8_t file_based = 0;
  uint8_t blanking = 0;
  uint8_t with_collocates = 0;
  uint8_t with_exclusion = 0;
  uint8_t with_context = 0;
  Tcollocates_stop_at_type collocates_stop_at = coll_stop_none;
  uint8_t min_coll_len = 0;
  uint8_t SW_has_defined_tags = 0;
  uint16_t characters_to_save_on_disk = 0;
  uint16_t min_coll_freq = 0;
  TConc_display conc_display_setting{};
  treble_sort_type sort{};
  T3SortFeatures sort_features;
  Tcollocates_stop_at_type context_stop_at = coll_stop_none;
  int16_t cluster_n_from = 0;
  int16_t cluster_n_to = 0;
  TMutualInfoStats mutual_info_proc = MI_Dice;
  uint8_t saved_concrec_version_number = 0;
  uint8_t tags_to_show_in_context = 0;
  uint8_t min_colloc_texts = 0;
  THideOptionsSet hideOptions = 0;
  uint8_t ignore_conc_text_stats = 0;
  uint8_t show_full_filename_path = 0;
  uint8_t skip_punctuation = 0;
  uint8_t merge_sws_for_collocs = 0;
  uint8_t padding1363 = 0;
  int32_t spare_int4 = 0;
};

#pragma pack(pop)

static_assert(sizeof(cluster_rec_type) == 10);
static_assert(offsetof(cluster_rec_type, min_freq) == 6);
static_assert(offsetof(cluster_rec_type, case_sensitive) == 8);

static_assert(sizeof(TConcSettingsRec32) == 2580);
static_assert(offsetof(TConcSettingsRec32, exclusion_word) == 162);
static_assert(offsetof(TConcSettingsRec32, spare_tag_context_word) == 324);
static_assert(offsetof(TConcSettingsRec32, concordance_context_word) == 486);
static_assert(offsetof(TConcSettingsRec32, entries_wanted_per_sw) == 648);
static_assert(offsetof(TConcSettingsRec32, run_words_processed) == 660);
static_assert(offsetof(TConcSettingsRec32, tag_string_only_on_number) == 664);
static_assert(offsetof(TConcSettingsRec32, tag_string_only_off_number) == 666);
static_assert(offsetof(TConcSettingsRec32, context_exact_gap_required) == 668);
static_assert(offsetof(TConcSettingsRec32, spare_language_details) == 672);
static_assert(offsetof(TConcSettingsRec32, colloc_horizons) == 1704);
static_assert(offsetof(TConcSettingsRec32, context_horizons) == 1708);
static_assert(offsetof(TConcSettingsRec32, cluster_settings) == 1712);
static_assert(offsetof(TConcSettingsRec32, spare_text_format) == 1722);
static_assert(offsetof(TConcSettingsRec32, trim_textfile_output) == 1727);
static_assert(offsetof(TConcSettingsRec32, show_percents_not_raw_numbers) == 1730);
static_assert(offsetof(TConcSettingsRec32, with_context) == 1736);
static_assert(offsetof(TConcSettingsRec32, collocates_stop_at) == 1737);
static_assert(offsetof(TConcSettingsRec32, SW_padded) == 1739);
static_assert(offsetof(TConcSettingsRec32, characters_to_save_on_disk) == 1740);
static_assert(offsetof(TConcSettingsRec32, min_coll_freq) == 1742);
static_assert(offsetof(TConcSettingsRec32, conc_display_setting) == 1744);
static_assert(offsetof(TConcSettingsRec32, sort) == 1745);
static_assert(offsetof(TConcSettingsRec32, sort_features) == 1748);
static_assert(offsetof(TConcSettingsRec32, context_stop_at) == 1757);
static_assert(offsetof(TConcSettingsRec32, cluster_n_min) == 1758);
static_assert(offsetof(TConcSettingsRec32, cluster_n_max) == 1760);
static_assert(offsetof(TConcSettingsRec32, spare_RelationshipsProc) == 1762);
static_assert(offsetof(TConcSettingsRec32, saved_concrec_version_number) == 1763);
static_assert(offsetof(TConcSettingsRec32, hideOptions) == 1766);
static_assert(offsetof(TConcSettingsRec32, merge_sws_for_collocs) == 1770);
static_assert(offsetof(TConcSettingsRec32, characters_for_textonly_display) == 1772);
static_assert(offsetof(TConcSettingsRec32, auto_lemmatise_collocs) == 1776);
static_assert(offsetof(TConcSettingsRec32, known_whether_SWs_contain_tags) == 1783);
static_assert(offsetof(TConcSettingsRec32, avoid_hits_within_X_words) == 1784);
static_assert(offsetof(TConcSettingsRec32, column_for_relationships_computation) == 1788);
static_assert(offsetof(TConcSettingsRec32, spare) == 1792);

static_assert(sizeof(conc_settings_rec_old) == 1368);
static_assert(offsetof(conc_settings_rec_old, language_details) == 664);
static_assert(offsetof(conc_settings_rec_old, colloc_horizons) == 1296);
static_assert(offsetof(conc_settings_rec_old, context_horizons) == 1300);
static_assert(offsetof(conc_settings_rec_old, cluster_settings) == 1304);
static_assert(offsetof(conc_settings_rec_old, spare_text_format) == 1314);
static_assert(offsetof(conc_settings_rec_old, with_tagcontext) == 1319);
static_assert(offsetof(conc_settings_rec_old, show_raw_numbers) == 1322);
static_assert(offsetof(conc_settings_rec_old, with_context) == 1328);
static_assert(offsetof(conc_settings_rec_old, SW_has_defined_tags) == 1331);
static_assert(offsetof(conc_settings_rec_old, characters_to_save_on_disk) == 1332);
static_assert(offsetof(conc_settings_rec_old, conc_display_setting) == 1336);
static_assert(offsetof(conc_settings_rec_old, sort) == 1337);
static_assert(offsetof(conc_settings_rec_old, sort_features) == 1340);
static_assert(offsetof(conc_settings_rec_old, context_stop_at) == 1349);
static_assert(offsetof(conc_settings_rec_old, cluster_n_from) == 1350);
static_assert(offsetof(conc_settings_rec_old, mutual_info_proc) == 1354);
static_assert(offsetof(conc_settings_rec_old, saved_concrec_version_number) == 1355);
static_assert(offsetof(conc_settings_rec_old, hideOptions) == 1358);
static_assert(offsetof(conc_settings_rec_old, merge_sws_for_collocs) == 1362);
static_assert(offsetof(conc_settings_rec_old, spare_int4) == 1364);

// The old layout in the current one. Its language details, tag-context flag, tag flag and spare
// integer are not carried; the raw-numbers choice turns into its opposite, the percentages
// choice; the text-only display shows 60 characters. Every other new field is zero.
void ConcSettingsNewFromOld(const conc_settings_rec_old &Old, TConcSettingsRec32 &New);

// Reads one concordance-settings record. For N of 5, 6, 7 or 18 it is in the current layout;
// for any other N the old layout is read first and taken when its saved_concrec_version_number
// is 2 or less, else the stream steps back and the current layout is read. True when every byte
// read came; what did not come stays zero. A stream that ends inside the first 1368 bytes of an
// unknown layout leaves the record zero and the stream where it was.
bool ReadInConcSettRec(TStream &Stream, TConcSettingsRec32 &Rec, int32_t N);

} // namespace textcore
