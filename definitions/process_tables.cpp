// The shared constant tables; see process_tables.h.
#include "definitions/process_tables.h"

#include <initializer_list>

namespace textcore {

namespace {

constexpr std::array<int32_t, list_type_count> Thresholds() {
  std::array<int32_t, list_type_count> thresholds{};
  thresholds.fill(kNoProgressThreshold);
  const struct {
    int32_t threshold;
    std::initializer_list<list_type> kinds;
  } groups[] = {
      {80000,
       {lt_word_list, lt_KWs_as_word_list, lt_KWDB_as_word_list, lt_associates_as_word_list,
        lt_wordlist_index_list, lt_chargram_list}},
      {10000,
       {lt_keyword_list, lt_detailed_consistency_relations_list, lt_detailed_consistency_list,
        lt_collocate_list}},
      {8000,
       {lt_KW_plot_list, lt_concordance_plot_list, lt_concordance_cluster_list,
        lt_concordance_pattern_list, lt_associate_list, lt_clump_list, lt_filename_list,
        lt_link_list, lt_statistics_list}},
      {2000,
       {lt_KW_database_list, lt_concordance_list, lt_timeline_list, lt_aligner_list,
        lt_aligner_plaintext_list, lt_kw_cluster_list, lt_viewer_list, lt_concgram_list}},
      {1000, {lt_clumps_as_word_list, lt_relationship_list}},
  };
  for (const auto &group : groups)
    for (list_type kind : group.kinds)
      thresholds[kind] = group.threshold;
  return thresholds;
}

constexpr TMenuItemNumbers MenuItems() {
  TMenuItemNumbers items;
  for (uint8_t item : {46, 55, 77, 80, 81, 87, 100, 101, 112, 117, 176, 177, 178, 181, 185, 196})
    items.Include(static_cast<TMenuItemNumber>(item));
  return items;
}

} // namespace

// Built at compile time: loading the library runs no code for them.
constinit const std::array<int32_t, list_type_count> progress_show_in_Shell_thresholds =
    Thresholds();
constinit const TMenuItemNumbers CheckableMenuItems = MenuItems();

} // namespace textcore
