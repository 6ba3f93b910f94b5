// The key-word settings that the tools save whole (2664 bytes), and their conversion from the two
// older generations. The older layouts are given here field by field, as their readers hand them
// over; their byte layouts (2256 and 1212 bytes) belong to those readers.
//
// Booleans are one byte, non-zero meaning true; file names are UTF-16LE, zero-terminated within
// their size. Records start as all zeros.
#pragma once

#include "core/fixed_char_arrays.h"
#include "definitions/keyness_settings_types.h"
#include "platform/strings.h"
#include "search/language_details.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace textcore {

static_assert(std::endian::native == std::endian::little, "key-word settings are little-endian");

// How many key words a tool handles; the tools give the values, the library copies them.
enum TKWHandlingAmount : uint8_t {};

// Six display choices of the older settings.
using old_kw_displaying = std::array<uint8_t, 6>;

#pragma pack(push, 1)

// The limits of the links between key words.
struct TLinksMaxMinRec {
  int32_t min_cluster_freq = 0;
  int32_t min_freq = 0;
  int32_t max_links = 0;
  int32_t min_strength = 0;
  int32_t min_span = 0;
  int32_t max_span = 0;
};

struct QM_keywords_settings_type32 {
  fixed_lang_details_rec32 settings_language;
  float min_LL = 0;
  int16_t min_freq = 0;
  std::array<uint8_t, 2> padding1046{};
  int32_t max_wanted = 0;
  two_KWlongints_type source_text_running_words{};
  TLinksMaxMinRec links_max_min;
  std::array<uint8_t, 232> useless_old_source_text_filename{};         // holds no data
  std::array<uint8_t, 256> useless_old_ref_corpus_wordlist_filename{}; // holds no data
  keyness_procedure_type spare_keyness_proc = chi_square_proc;
  old_kw_displaying spare_display{};
  uint8_t exclude_negatives = 0;
  TKWHandlingAmount handle_amount{};
  uint8_t plot_computed = 0;
  uint8_t links_computed = 0;
  uint8_t padding1583 = 0;
  int32_t spare_max_kw_links = 0;
  uint8_t multiple_source_texts = 0;
  uint8_t full_lemma_processing = 0;
  uint8_t wordlist_has_lemmas = 0;
  uint8_t spare_Bool4 = 0;
  int32_t version_number = 0;
  int32_t percent_little_wds_found_in_rc = 0;
  float min_texts_percent = 0;
  float log_ratio_threshold = 0;
  float spare_percent_diff_threshold = 0;
  std::array<uint8_t, 8> spares{};
  maxpathwidechar source_text_filename{};
  maxpathwidechar ref_corpus_wordlist_filename{};
};

#pragma pack(pop)

static_assert(sizeof(TLinksMaxMinRec) == 24);
static_assert(offsetof(TLinksMaxMinRec, max_span) == 20);

static_assert(sizeof(QM_keywords_settings_type32) == 2664);
static_assert(offsetof(QM_keywords_settings_type32, min_LL) == 1040);
static_assert(offsetof(QM_keywords_settings_type32, min_freq) == 1044);
static_assert(offsetof(QM_keywords_settings_type32, max_wanted) == 1048);
static_assert(offsetof(QM_keywords_settings_type32, source_text_running_words) == 1052);
static_assert(offsetof(QM_keywords_settings_type32, links_max_min) == 1060);
static_assert(offsetof(QM_keywords_settings_type32, useless_old_source_text_filename) == 1084);
static_assert(offsetof(QM_keywords_settings_type32, useless_old_ref_corpus_wordlist_filename) ==
              1316);
static_assert(offsetof(QM_keywords_settings_type32, spare_keyness_proc) == 1572);
static_assert(offsetof(QM_keywords_settings_type32, spare_display) == 1573);
static_assert(offsetof(QM_keywords_settings_type32, exclude_negatives) == 1579);
static_assert(offsetof(QM_keywords_settings_type32, handle_amount) == 1580);
static_assert(offsetof(QM_keywords_settings_type32, links_computed) == 1582);
static_assert(offsetof(QM_keywords_settings_type32, spare_max_kw_links) == 1584);
static_assert(offsetof(QM_keywords_settings_type32, multiple_source_texts) == 1588);
static_assert(offsetof(QM_keywords_settings_type32, spare_Bool4) == 1591);
static_assert(offsetof(QM_keywords_settings_type32, version_number) == 1592);
static_assert(offsetof(QM_keywords_settings_type32, percent_little_wds_found_in_rc) == 1596);
static_assert(offsetof(QM_keywords_settings_type32, min_texts_percent) == 1600);
static_assert(offsetof(QM_keywords_settings_type32, log_ratio_threshold) == 1604);
static_assert(offsetof(QM_keywords_settings_type32, spare_percent_diff_threshold) == 1608);
static_assert(offsetof(QM_keywords_settings_type32, spares) == 1612);
static_assert(offsetof(QM_keywords_settings_type32, source_text_filename) == 1620);
static_assert(offsetof(QM_keywords_settings_type32, ref_corpus_wordlist_filename) == 2142);

// The settings of the fifth generation.
struct QM_keywords_settings_type_old {
  fixed_lang_details_rec_old language;
  float min_LL = 0;
  int16_t min_freq = 0;
  int32_t max_wanted = 0;
  two_KWlongints_type source_text_running_words{};
  bool exclude_negatives = false;
  TKWHandlingAmount handle_amount{};
  bool plot_computed = false;
  bool links_computed = false;
  int32_t max_kw_links = 0;
  bool multiple_source_texts = false;
  bool full_lemma_processing = false;
  int32_t version_number = 0;
  int32_t percent_little_wds_found_in_rc = 0;
  String source_text_filename;
  String ref_corpus_wordlist_filename;
};

// The settings of the fourth generation, with 8-bit file names in the system's code page.
struct QM4_keywords_settings_type {
  fixed_lang_details_rec_old language;
  float min_x2 = 0;
  int16_t min_freq = 0;
  int32_t max_wanted = 0;
  two_KWlongints_type source_text_running_words{};
  bool exclude_negatives = false;
  bool plot_computed = false;
  bool links_computed = false;
  int32_t max_kw_links = 0;
  bool both_ways = false;
  old_kw_displaying display{};
  bool multiple_source_texts = false;
  bool full_lemma_processing = false;
  int32_t version_number = 0;
  AnsiString source_text_filename;
  AnsiString ref_corpus_wordlist_filename;
};

// Both start from zero and carry the language (LangDetNewFromOld), the limits, the running
// words, the flags, the version and the old link maximum as links_max_min.max_links. The fifth
// generation also brings its handling amount, percentage and file names, and the link defaults
// (cluster frequency 3, frequency 1, strength 3, spans 1 to 5); the fourth its file names from
// the system's code page. File names are cut to 260 characters.
QM_keywords_settings_type32
QM_keywords_settings_type32FromV5OLd(const QM_keywords_settings_type_old &Old);
QM_keywords_settings_type32
QM_keywords_settings_type32FromV4(const QM4_keywords_settings_type &Old);

} // namespace textcore
