// Reading concordance settings of either layout.
#include "definitions/conc_settings.h"

#include "definitions/settings_generations.h"

#include <cstring>

namespace textcore {

namespace {

// The old layouts had versions 0 to 2; later records are the current layout.
constexpr uint8_t last_old_conc_version = 2;
constexpr int32_t default_textonly_characters = 60;

uint8_t Flag(uint8_t stored) { return stored != 0 ? 1 : 0; }

} // namespace

void ConcSettingsNewFromOld(const conc_settings_rec_old &Old, TConcSettingsRec32 &New) {
  New = TConcSettingsRec32{};
  New.concordance_word = Old.concordance_word;
  New.exclusion_word = Old.exclusion_word;
  New.spare_tag_context_word = Old.tag_context_word;
  New.concordance_context_word = Old.concordance_context_word;
  New.entries_wanted_per_sw = Old.entries_wanted_per_sw;
  New.entries = Old.entries;
  New.original_entries = Old.original_entries;
  New.run_words_processed = Old.run_words_processed;
  New.colloc_horizons = Old.colloc_horizons;
  New.context_horizons = Old.context_horizons;
  New.cluster_settings = Old.cluster_settings;
  New.spare_text_format = Old.spare_text_format;
  New.spare_plot_computed = Flag(Old.plot_computed);
  New.spare_Clusters_computed = Flag(Old.Clusters_computed);
  New.spare_Patterns_computed = Flag(Old.Patterns_computed);
  New.spare_collocates_computed = Flag(Old.collocates_computed);
  New.spare_Association_computed = Flag(Old.Association_computed);
  New.show_tag_descriptions = Flag(Old.show_tag_descriptions);
  New.show_percents_not_raw_numbers = Old.show_raw_numbers == 0 ? 1 : 0;
  New.collocates_use_stoplist = Flag(Old.collocates_use_stoplist);
  New.file_based = Flag(Old.file_based);
  New.blanking = Flag(Old.blanking);
  New.with_collocates = Flag(Old.with_collocates);
  New.with_exclusion = Flag(Old.with_exclusion);
  New.with_context = Flag(Old.with_context);
  New.collocates_stop_at = Old.collocates_stop_at;
  New.min_coll_len = Old.min_coll_len;
  New.characters_to_save_on_disk = Old.characters_to_save_on_disk;
  New.min_coll_freq = Old.min_coll_freq;
  New.conc_display_setting = Old.conc_display_setting;
  New.sort = Old.sort;
  New.sort_features = Old.sort_features;
  New.context_stop_at = Old.context_stop_at;
  New.cluster_n_min = Old.cluster_n_from;
  New.cluster_n_max = Old.cluster_n_to;
  New.spare_RelationshipsProc = Old.mutual_info_proc;
  New.saved_concrec_version_number = Old.saved_concrec_version_number;
  New.tags_to_show_in_context = Old.tags_to_show_in_context;
  New.min_colloc_texts = Old.min_colloc_texts;
  New.hideOptions = Old.hideOptions;
  New.ignore_conc_text_stats = Flag(Old.ignore_conc_text_stats);
  New.show_full_filename_path = Flag(Old.show_full_filename_path);
  New.skip_punctuation = Flag(Old.skip_punctuation);
  New.merge_sws_for_collocs = Flag(Old.merge_sws_for_collocs);
  New.characters_for_textonly_display = default_textonly_characters;
}

bool ReadInConcSettRec(TStream &Stream, TConcSettingsRec32 &Rec, int32_t N) {
  Rec = TConcSettingsRec32{};
  const bool any_layout = N != first_32bit_settings_generation && !IsCurrentSettingsGeneration(N);
  if (any_layout) {
    const int64_t start = Stream.Position();
    uint8_t bytes[sizeof(conc_settings_rec_old)];
    const bool told = ReadFully(Stream, bytes, sizeof bytes) == sizeof bytes;
    if (told) {
      conc_settings_rec_old old;
      std::memcpy(&old, bytes, sizeof old);
      if (old.saved_concrec_version_number <= last_old_conc_version) {
        ConcSettingsNewFromOld(old, Rec);
        return true;
      }
    }
    // Back to where the record began, whatever the look ahead consumed.
    Stream.SetPosition(start);
    if (!told)
      return false;
  }
  return ReadFully(Stream, &Rec, sizeof Rec) == sizeof Rec;
}

} // namespace textcore
