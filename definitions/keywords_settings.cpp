// Converting older key-word settings.
#include "definitions/keywords_settings.h"

#include "core/fixed_char_array_text.h"
#include "definitions/language_details_reading.h"
#include "platform/nls_code_pages.h"

namespace textcore {

namespace {

// What both older generations carry, under the same names.
template <typename Older> QM_keywords_settings_type32 Common(const Older &Old, float min_LL) {
  QM_keywords_settings_type32 rec;
  LangDetNewFromOld(Old.language, rec.settings_language);
  rec.min_LL = min_LL;
  rec.min_freq = Old.min_freq;
  rec.max_wanted = Old.max_wanted;
  rec.source_text_running_words = Old.source_text_running_words;
  rec.exclude_negatives = Old.exclude_negatives;
  rec.plot_computed = Old.plot_computed;
  rec.links_computed = Old.links_computed;
  rec.multiple_source_texts = Old.multiple_source_texts;
  rec.full_lemma_processing = Old.full_lemma_processing;
  rec.version_number = Old.version_number;
  rec.links_max_min.max_links = Old.max_kw_links;
  return rec;
}

} // namespace

QM_keywords_settings_type32
QM_keywords_settings_type32FromV5OLd(const QM_keywords_settings_type_old &Old) {
  QM_keywords_settings_type32 rec = Common(Old, Old.min_LL);
  rec.handle_amount = Old.handle_amount;
  rec.percent_little_wds_found_in_rc = Old.percent_little_wds_found_in_rc;
  StringToWideArray(Old.source_text_filename, rec.source_text_filename);
  StringToWideArray(Old.ref_corpus_wordlist_filename, rec.ref_corpus_wordlist_filename);
  TLinksMaxMinRec &links = rec.links_max_min;
  links.min_cluster_freq = 3;
  links.min_freq = 1;
  links.min_strength = 3;
  links.min_span = 1;
  links.max_span = 5;
  return rec;
}

QM_keywords_settings_type32
QM_keywords_settings_type32FromV4(const QM4_keywords_settings_type &Old) {
  QM_keywords_settings_type32 rec = Common(Old, Old.min_x2);
  StringToWideArray(AnsiToString(Old.source_text_filename, CP_ACP), rec.source_text_filename);
  StringToWideArray(AnsiToString(Old.ref_corpus_wordlist_filename, CP_ACP),
                    rec.ref_corpus_wordlist_filename);
  return rec;
}

} // namespace textcore
