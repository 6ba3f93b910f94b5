#include "definitions/keywords_settings.h"

#include "core/fixed_char_array_text.h"
#include "platform/nls_code_pages.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

template <typename Older> Older Filled() {
  Older old;
  old.language.lcid = 0x0409;
  old.language.win_codepage = 1252;
  old.min_freq = 3;
  old.max_wanted = 500;
  old.source_text_running_words = {1000, 2000000};
  old.exclude_negatives = true;
  old.links_computed = true;
  old.max_kw_links = 40;
  old.full_lemma_processing = true;
  old.version_number = 4;
  return old;
}

void ExpectCommonFields(const QM_keywords_settings_type32 &rec) {
  EXPECT_EQ(rec.settings_language.lcid, 0x0409u);
  EXPECT_EQ(rec.settings_language.win_codepage, 1252);
  EXPECT_EQ(rec.min_freq, 3);
  EXPECT_EQ(rec.max_wanted, 500);
  EXPECT_EQ(rec.source_text_running_words, (two_KWlongints_type{1000, 2000000}));
  EXPECT_EQ(rec.exclude_negatives, 1);
  EXPECT_EQ(rec.plot_computed, 0);
  EXPECT_EQ(rec.links_computed, 1);
  EXPECT_EQ(rec.full_lemma_processing, 1);
  EXPECT_EQ(rec.version_number, 4);
  EXPECT_EQ(rec.links_max_min.max_links, 40);
  EXPECT_EQ(rec.spare_keyness_proc, chi_square_proc);
  EXPECT_EQ(rec.spare_max_kw_links, 0);
}

TEST(KeywordsSettings, FifthGenerationBringsItsNamesAndTheLinkDefaults) {
  auto old = Filled<QM_keywords_settings_type_old>();
  old.min_LL = 6.63f;
  old.percent_little_wds_found_in_rc = 12;
  old.source_text_filename = u"/texts/\u00E9t\u00E9.txt";
  old.ref_corpus_wordlist_filename = String(300, u'r');
  const QM_keywords_settings_type32 rec = QM_keywords_settings_type32FromV5OLd(old);
  ExpectCommonFields(rec);
  EXPECT_EQ(rec.min_LL, 6.63f);
  EXPECT_EQ(rec.percent_little_wds_found_in_rc, 12);
  EXPECT_EQ(WideArrayToString(rec.source_text_filename), old.source_text_filename);
  EXPECT_EQ(WideArrayToString(rec.ref_corpus_wordlist_filename), String(260, u'r'));
  const TLinksMaxMinRec &links = rec.links_max_min;
  EXPECT_EQ(links.min_cluster_freq, 3);
  EXPECT_EQ(links.min_freq, 1);
  EXPECT_EQ(links.min_strength, 3);
  EXPECT_EQ(links.min_span, 1);
  EXPECT_EQ(links.max_span, 5);
}

TEST(KeywordsSettings, FourthGenerationNamesComeFromTheSystemCodePage) {
  auto old = Filled<QM4_keywords_settings_type>();
  old.min_x2 = 3.84f;
  old.both_ways = true;
  old.source_text_filename = "c:\\texts\\\x80.txt";
  const QM_keywords_settings_type32 rec = QM_keywords_settings_type32FromV4(old);
  ExpectCommonFields(rec);
  EXPECT_EQ(rec.min_LL, 3.84f);
  EXPECT_EQ(WideArrayToString(rec.source_text_filename), AnsiToString(old.source_text_filename));
  EXPECT_EQ(rec.source_text_filename[9], AnsiToString("\x80")[0]);
  EXPECT_EQ(WideArrayToString(rec.ref_corpus_wordlist_filename), u"");
  EXPECT_EQ(rec.links_max_min.min_span, 0);
}

} // namespace
} // namespace textcore
