#include "definitions/list_types.h"

#include "definitions/list_extensions.h"
#include "definitions/old_list_signature.h"
#include "messages/message_translation.h"

#include <gtest/gtest.h>

namespace textcore {
namespace {

// What each kind is, in value order. tt_no_tool marks "the tool that is running".
struct KindRow {
  const char16_t *name;
  const char *signature;
  const char16_t *ext;
  tool_type tool;
  bool saveable, lemmatisable;
  file_data_type data;
  const char *old_signature; // nullptr: none
};

constexpr tool_type R = tt_no_tool;
constexpr file_data_type Q = qmark_only_data, G = graphic_data, T = text_data;

const KindRow kKinds[list_type_count] = {
    {u"Word list", "Word List32", u".lst", tt_wordlist, 1, 1, Q, "Word Lister"},
    {u"Key word list", "Key Word List32", u".kws", tt_keywords, 1, 1, Q, "Key Word List"},
    {u"Keywords Database", "KeyWords Database32", u".kdb", tt_keywords, 1, 0, Q,
     "KeyWords Database (v. 2)"},
    {u"Detailed Consistency Relations List", "Detailed Consistency Relations List32", u".lst",
     tt_wordlist, 0, 0, Q, "Simple Consistency List"},
    {u"Detailed Consistency List", "Detailed Consistency List32", u".lst", tt_wordlist, 1, 1, Q,
     "Detailed Consistency List"},
    {u"Collocate List", "Collocate List32", u".col", tt_concord, 0, 1, Q, "Collocate List"},
    {u"KeyWords as WordList", "KeyWords as WordList32", u".lst", tt_wordlist, 0, 0, Q,
     "KeyWords as WordList"},
    {u"KWDBase as WordList", "KWDBase as WordList32", u".lst", tt_wordlist, 0, 0, Q,
     "KWDBase as WordList"},
    {u"Associates as WordList", "Associates as WordList32", u".lst", tt_wordlist, 0, 0, Q,
     "Associates as WordList"},
    {u"Clumps as WordList", "Clumps as WordList32", u".lst", tt_wordlist, 0, 0, Q,
     "Clumps as WordList"},
    {u"Concordance list", "Concordance32", u".cnc", tt_concord, 1, 0, Q, "Concordancer"},
    {u"KeyWords Plot list", "KeyWords Plot32", u".kpl", tt_keywords, 0, 1, G, "KeyWords Plot"},
    {u"Concordance Plot list", "Concordance Plot32", u".cpl", tt_concord, 0, 1, G,
     "Concordance Plot"},
    {u"Concordance Cluster List", "Concordance Cluster List32", u".ccl", tt_concord, 0, 1, Q,
     "Concordance Cluster List"},
    {u"Concordance Pattern List", "Concordance Pattern List32", u".cpt", tt_concord, 0, 0, Q,
     "Concordance Pattern List"},
    {u"Associate List", "Associate List32", u".ass", tt_keywords, 0, 1, Q, "Associate List"},
    {u"Clump List", "Clump List32", u".clp", tt_keywords, 0, 1, Q, "Clump List"},
    {u"Filename List", "Filename List32", u".fil", tt_controller, 0, 0, T, "Filename List"},
    {u"Link List", "Link List32", u".klk", tt_keywords, 0, 0, Q, "Link List"},
    {u"Statistics List", "Statistics List32", u".lst", tt_wordlist, 1, 0, Q, "Statistics List"},
    {u"Timeline List", "Timeline List32", u".tml", tt_concord, 0, 0, Q, "Ratio Stats List"},
    {u"Aligner List", "Aligner List32", u".ali", tt_viewer_aligner, 1, 0, Q, "Aligner List"},
    {u"Text List", " Text List32", u".txt", tt_viewer_aligner, 1, 0, T, " Text List"},
    {u"Wordlist Index List", "Wordlist Index List32", u".tokens", tt_wordlist, 1, 1, Q,
     "Wordlist Index List"},
    {u"KeyWords Cluster list", "KeyWords ClusterList32", u"", tt_keywords, 0, 1, Q, nullptr},
    {u"", "", u"", tt_controller, 0, 0, Q, nullptr},
    {u"Notes", "Notes", u"", R, 0, 0, T, nullptr},
    {u"source text", "source text", u"", tt_controller, 0, 0, T, nullptr},
    {u"Mutual Information List", "Mutual Information List32", u".mut", tt_wordlist, 1, 0, Q,
     nullptr},
    {u"Viewer List", "Viewer List32", u".vwr", tt_viewer_aligner, 1, 0, Q, nullptr},
    {u"QMColliget List", "QMColliget List32", u".base_pairs", tt_concgram, 1, 0, Q, nullptr},
    {u"Markup List", "Markup List32", u"", tt_controller, 0, 0, Q, nullptr},
    {u"Section List", "Section List32", u"", tt_controller, 0, 0, Q, nullptr},
    {u"Chargram List", "CharGram List32", u".cgr", tt_chargram, 1, 1, Q, nullptr},
    {u"", "spare10", u"", R, 0, 0, Q, nullptr},
    {u"", "lt_boll", u"", tt_controller, 0, 0, Q, nullptr},
    {u"", "lt_boll2", u"", tt_controller, 0, 0, Q, nullptr},
    {u"", "lt_boll3", u"", tt_controller, 0, 0, Q, nullptr},
    {u"", "ly_boll4", u"", tt_controller, 0, 0, Q, nullptr},
    {u"", "lt_boll5", u"", tt_controller, 0, 0, Q, nullptr},
    {u"", "lt_bol6", u"", tt_controller, 0, 0, Q, nullptr},
    {u"", "lt_bol7", u"", tt_controller, 0, 0, Q, nullptr},
    {u"Sort", "lt_bol8", u"", tt_controller, 0, 0, Q, nullptr},
};

TEST(ListTypes, EveryKindMapsAsItsRowSays) {
  EXPECT_EQ(sizeof(list_type), 1u);
  EXPECT_EQ(TListTypes::kBytes, 6u);
  current_tool_var = tt_chargram; // "the running tool" must follow it
  for (int32_t i = 0; i < list_type_count; ++i) {
    const auto kind = static_cast<list_type>(i);
    const KindRow &row = kKinds[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(list_type_as_string[kind], row.name);
    EXPECT_EQ(list_signature32[i], row.signature);
    String without32 = ASCIIToString(row.signature);
    if (without32.ends_with(u"32"))
      without32.resize(without32.size() - 2);
    EXPECT_EQ(ListSignature(kind), without32);
    EXPECT_EQ(DefaultExtFromListType(kind), row.ext);
    EXPECT_EQ(DotlessDefaultExtFromListType(kind), CorrectedDefaultExt(row.ext));
    EXPECT_EQ(DefaultExtFromSaveASFormat(as_default_for_list, kind), row.ext);
    EXPECT_EQ(ToolTypeFromListType(kind), row.tool == R ? tt_chargram : row.tool);
    EXPECT_EQ(SaveableListTypes.Contains(kind), row.saveable);
    EXPECT_EQ(LemmatisableListTypes.Contains(kind), row.lemmatisable);
    EXPECT_EQ(ListTypeToFileDataType(kind), row.data);
    const bool like = (i >= 6 && i <= 9) || kind == lt_wordlist_index_list;
    EXPECT_EQ(IsLikeWordList(kind), like);
    EXPECT_EQ(IsOrIsLikeWordList(kind), like || kind == lt_word_list);
    if (i < lt_kw_cluster_list)
      EXPECT_EQ(old_list_signatures[i], row.old_signature);
    else
      EXPECT_EQ(row.old_signature, nullptr);
  }
  current_tool_var = tt_controller;
  const auto beyond = static_cast<list_type>(list_type_count);
  EXPECT_EQ(list_type_as_string[beyond], u"");
  EXPECT_EQ(ListSignature(beyond), u"");
  EXPECT_EQ(DefaultExtFromListType(beyond), u"");
  EXPECT_EQ(ToolTypeFromListType(beyond), tt_controller);
}

TEST(ListTypes, DisplayNamesFollowATranslationLoadedLater) {
  ASSERT_EQ(ApplyTranslation(u"_QMConcordanceList\tKonkordanz\n").applied, 1);
  EXPECT_EQ(list_type_as_string[lt_concordance_list], u"Konkordanz");
  UseBuiltinTexts();
  EXPECT_EQ(list_type_as_string[lt_concordance_list], u"Concordance list");
}

TEST(ListTypes, GridsShowTheirKinds) {
  const std::pair<grid_alternatives, list_type> cases[] = {
      {grid_concordance, lt_concordance_list},
      {grid_breakdowns, lt_word_list},
      {grid_alph_order, lt_word_list},
      {grid_kw_plot_links, lt_link_list},
      {grid_chargrams, lt_chargram_list},
      {grid_kw_Clusters, lt_none_in_use},
      {grid_concgram, lt_none_in_use},
      {grid_detailed_consist_relations, lt_none_in_use},
      {grid_spare5, lt_none_in_use},
      {grid_none, lt_none_in_use},
      {static_cast<grid_alternatives>(200), lt_none_in_use}};
  for (const auto &[grid, kind] : cases)
    EXPECT_EQ(ListTypeFromGridAlternatives(grid), kind) << grid;
}

TEST(ListExtensions, ExtensionsNameKindsAndTools) {
  const struct {
    const char16_t *ext;
    list_type kind;
    tool_type tool;
  } cases[] = {
      {u".dcl", lt_detailed_consistency_list, tt_wordlist},
      {u".srt", lt_aligner_plaintext_list, tt_reserved},
      {u".mut", lt_relationship_list, tt_wordlist},
      {u".LST", lt_word_list, tt_wordlist},
      {u".TOKENS", lt_wordlist_index_list, tt_wordlist},
      {u".types", lt_wordlist_index_list, tt_wordlist},
      {u".stat", lt_wordlist_index_list, tt_reserved}, // a piece of ".stats"
      {u".markup", lt_wordlist_index_list, tt_reserved},
      {u".", lt_wordlist_index_list, tt_reserved},
      {u".base_pairs", lt_concgram_list, tt_concgram},
      {u".base_index", lt_concgram_list, tt_reserved},
      {u".Base_Index_CG", lt_concgram_list, tt_concgram},
      {u".cnc", lt_concordance_list, tt_concord},
      {u".CNC", lt_concordance_list, tt_concord},
      {u".cgr", lt_chargram_list, tt_chargram},
      {u".kws", lt_keyword_list, tt_keywords},
      {u".kdb", lt_KW_database_list, tt_keywords},
      {u".vwr", lt_viewer_list, tt_viewer_aligner},
      {u".txt", lt_aligner_plaintext_list, tt_viewer_aligner},
      {u".ali", lt_aligner_list, tt_viewer_aligner},
      {u".col", spare10, tt_reserved},
      {u".doc", spare10, tt_reserved},
      {u"cnc", spare10, tt_reserved},
      {u"", spare10, tt_reserved}, // no extension is a piece of nothing
  };
  for (const auto &c : cases) {
    EXPECT_EQ(ListTypeFromFileExt(c.ext), c.kind) << StringToUTF8(c.ext);
    EXPECT_EQ(ToolTypeFromFileExt(c.ext), c.tool) << StringToUTF8(c.ext);
  }
}

TEST(ListExtensions, DefaultsAndCorrections) {
  const char16_t *const tool_exts[tool_type_count] = {
      u".lst", u".kws", u".cnc", u".dat", u".vwr", u".base_pairs", u".cgr", u".dat",
      u".txt", u".txt", u".txt", u".dat", u".dat", u".dat",        u".dat", u".dat",
      u".dat", u".dat", u".dat", u".dat", u".dat", u".dat"};
  for (int32_t t = 0; t < tool_type_count; ++t)
    EXPECT_EQ(DefaultExtFromToolType(static_cast<tool_type>(t)), tool_exts[t]) << t;
  const struct {
    TSave_as_format format;
    const char16_t *ext;
  } formats[] = {{as_txt, u".txt"},
                 {as_xml, u".xml"},
                 {as_Excel_spreadsheet, u".xls"},
                 {as_RTF, u".rtf"},
                 {as_default_for_list, u".cnc"}};
  for (const auto &f : formats)
    EXPECT_EQ(DefaultExtFromSaveASFormat(f.format, lt_concordance_list), f.ext);
  const struct {
    const char16_t *in, *out;
  } corrected[] = {{u".lst", u"lst"}, {u".", u"."}, {u"lst", u"lst"}, {u"", u""}, {u"..", u"."}};
  for (const auto &c : corrected)
    EXPECT_EQ(CorrectedDefaultExt(c.in), c.out) << StringToUTF8(c.in);
  EXPECT_EQ(QMFileExtensions(),
            u".lst;.kws;.kdb;.cnc;.ali;.tokens;.mut;.vwr;.base_pairs;.cgr;.types;.base_index_cg");
}

} // namespace
} // namespace textcore
