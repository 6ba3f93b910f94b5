// The tables of the list kinds; see list_types.h.
#include "definitions/list_types.h"

#include "messages/message_names.h"

#include <optional>

namespace textcore {

namespace {

bool InRange(list_type ListType) { return ListType < list_type_count; }

// The catalogue entry that names each kind; none for the kinds without a display name.
constexpr std::array<std::optional<TMessage>, list_type_count> kDisplayNames = {
    _QMWordList,
    _QMKeyWordList,
    _QMKeyWordDatabase,
    _QMDetailedConsistencyRelationsList,
    _QMDetailedConsistencyList,
    _QMCollocateList,
    _QMKeyWordsAsWordlist,
    _QMKeyWordDatabaseAsWordlist,
    _QMAssociatesAsWordList,
    _QMClumpsAsWordList,
    _QMConcordanceList,
    _QMKeyWordsPlotList,
    _QMConcordancePlotList,
    _QMConcordanceClusterList,
    _QMConcordancePatternList,
    _QMAssociateList,
    _QMClumpList,
    _QMFilenameList,
    _QMLinkList,
    _QMStatisticsList,
    _QMTimeLineList,
    _QMAlignerList,
    _QMTextList,
    _QMWordListIndexList,
    _QMKeyWordsClusterList,
    std::nullopt, // lt_none_in_use
    _QMNotes,
    _QMSourceText,
    _QMMutualINformationList,
    _QMViewerList,
    _QMColligetList,
    _QMMarkupList,
    _QMSectionList,
    _QMChargramList,
    std::nullopt, // spare10
    std::nullopt, // lt_boll
    std::nullopt, // lt_boll2
    std::nullopt, // lt_boll3
    std::nullopt, // ly_boll4
    std::nullopt, // lt_boll5
    std::nullopt, // lt_bol6
    std::nullopt, // lt_bol7
    _QMSort,      // lt_sorting
};

// tt_running stands for "whichever tool is running now".
constexpr tool_type tt_running = tt_no_tool;
constexpr std::array<tool_type, list_type_count> kTools = {
    tt_wordlist,   tt_keywords,       tt_keywords,       tt_wordlist,   tt_wordlist,
    tt_concord,    tt_wordlist,       tt_wordlist,       tt_wordlist,   tt_wordlist,
    tt_concord,    tt_keywords,       tt_concord,        tt_concord,    tt_concord,
    tt_keywords,   tt_keywords,       tt_controller,     tt_keywords,   tt_wordlist,
    tt_concord,    tt_viewer_aligner, tt_viewer_aligner, tt_wordlist,   tt_keywords,
    tt_controller, tt_running,        tt_controller,     tt_wordlist,   tt_viewer_aligner,
    tt_concgram,   tt_controller,     tt_controller,     tt_chargram,   tt_running,
    tt_controller, tt_controller,     tt_controller,     tt_controller, tt_controller,
    tt_controller, tt_controller,     tt_controller,
};

} // namespace

const std::array<std::string_view, list_type_count> list_signature32 = {
    "Word List32",
    "Key Word List32",
    "KeyWords Database32",
    "Detailed Consistency Relations List32",
    "Detailed Consistency List32",
    "Collocate List32",
    "KeyWords as WordList32",
    "KWDBase as WordList32",
    "Associates as WordList32",
    "Clumps as WordList32",
    "Concordance32",
    "KeyWords Plot32",
    "Concordance Plot32",
    "Concordance Cluster List32",
    "Concordance Pattern List32",
    "Associate List32",
    "Clump List32",
    "Filename List32",
    "Link List32",
    "Statistics List32",
    "Timeline List32",
    "Aligner List32",
    " Text List32",
    "Wordlist Index List32",
    "KeyWords ClusterList32",
    "",
    "Notes",
    "source text",
    "Mutual Information List32",
    "Viewer List32",
    "QMColliget List32",
    "Markup List32",
    "Section List32",
    "CharGram List32",
    "spare10",
    "lt_boll",
    "lt_boll2",
    "lt_boll3",
    "ly_boll4",
    "lt_boll5",
    "lt_bol6",
    "lt_bol7",
    "lt_bol8",
};

const TListTypes SaveableListTypes = {
    lt_word_list,           lt_keyword_list,      lt_KW_database_list, lt_detailed_consistency_list,
    lt_concordance_list,    lt_statistics_list,   lt_aligner_list,     lt_aligner_plaintext_list,
    lt_wordlist_index_list, lt_relationship_list, lt_viewer_list,      lt_concgram_list,
    lt_chargram_list,
};

const TListTypes LemmatisableListTypes = {
    lt_word_list,    lt_keyword_list,          lt_detailed_consistency_list, lt_collocate_list,
    lt_KW_plot_list, lt_concordance_plot_list, lt_concordance_cluster_list,  lt_associate_list,
    lt_clump_list,   lt_wordlist_index_list,   lt_kw_cluster_list,           lt_chargram_list,
};

String TListTypeDisplayNames::operator[](list_type ListType) const {
  if (!InRange(ListType) || !kDisplayNames[ListType])
    return String();
  return String(kDisplayNames[ListType]->Text());
}

String ListSignature(list_type ListType) {
  if (!InRange(ListType))
    return String();
  std::string_view signature = list_signature32[ListType];
  if (signature.ends_with("32"))
    signature.remove_suffix(2);
  return ASCIIToString(signature);
}

tool_type ToolTypeFromListType(list_type ListType) {
  if (!InRange(ListType))
    return tt_controller;
  const tool_type tool = kTools[ListType];
  return tool == tt_running ? current_tool_var : tool;
}

bool IsLikeWordList(list_type ListType) {
  return (ListType >= lt_KWs_as_word_list && ListType <= lt_clumps_as_word_list) ||
         ListType == lt_wordlist_index_list;
}

bool IsOrIsLikeWordList(list_type ListType) {
  return ListType == lt_word_list || IsLikeWordList(ListType);
}

file_data_type ListTypeToFileDataType(list_type ListType) {
  switch (ListType) {
  case lt_KW_plot_list:
  case lt_concordance_plot_list:
    return graphic_data;
  case lt_filename_list:
  case lt_aligner_plaintext_list:
  case lt_notes:
  case lt_source_text:
    return text_data;
  default:
    return qmark_only_data;
  }
}

list_type ListTypeFromGridAlternatives(grid_alternatives Grid) {
  switch (Grid) {
  case grid_concordance:
    return lt_concordance_list;
  case grid_clusters:
    return lt_concordance_cluster_list;
  case grid_conc_plot:
    return lt_concordance_plot_list;
  case grid_patterns:
    return lt_concordance_pattern_list;
  case grid_collocates:
    return lt_collocate_list;
  case grid_detailed_consist:
  case grid_alph_order:
  case grid_freq_order:
  case grid_breakdowns:
    return lt_word_list;
  case grid_statistics:
    return lt_statistics_list;
  case grid_filenames:
    return lt_filename_list;
  case grid_timeline:
    return lt_timeline_list;
  case grid_keywords:
    return lt_keyword_list;
  case grid_KWDbase:
    return lt_KW_database_list;
  case grid_kwdb_associates:
    return lt_associate_list;
  case grid_kw_Clumps:
    return lt_clump_list;
  case grid_kw_plot:
    return lt_KW_plot_list;
  case grid_kw_plot_links:
    return lt_link_list;
  case grid_viewer_text:
    return lt_viewer_list;
  case grid_viewer_aligned:
    return lt_aligner_list;
  case grid_relations:
    return lt_relationship_list;
  case grid_chargrams:
    return lt_chargram_list;
  default:
    return lt_none_in_use;
  }
}

} // namespace textcore
