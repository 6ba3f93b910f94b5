// The kinds of saved list (list_type) and what each kind is: its display name, the text
// signature written into its file header, its default extension, the tool that makes it, and the
// kinds of data and grids that go with it.
//
// The order of list_type is part of the file formats: headers, settings and batch comments hold
// its ordinals, and lookups that want "the first kind with extension E" walk it in order. Spare
// values keep their places; none is inserted or moved.
#pragma once

#include "definitions/tool_types.h"
#include "platform/set.h"
#include "platform/strings.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace textcore {

enum list_type : uint8_t {
  lt_word_list,
  lt_keyword_list,
  lt_KW_database_list,
  lt_detailed_consistency_relations_list,
  lt_detailed_consistency_list,
  lt_collocate_list,
  lt_KWs_as_word_list,
  lt_KWDB_as_word_list,
  lt_associates_as_word_list,
  lt_clumps_as_word_list,
  lt_concordance_list,
  lt_KW_plot_list,
  lt_concordance_plot_list,
  lt_concordance_cluster_list,
  lt_concordance_pattern_list,
  lt_associate_list,
  lt_clump_list,
  lt_filename_list,
  lt_link_list,
  lt_statistics_list,
  lt_timeline_list,
  lt_aligner_list,
  lt_aligner_plaintext_list,
  lt_wordlist_index_list,
  lt_kw_cluster_list,
  lt_none_in_use,
  lt_notes,
  lt_source_text,
  lt_relationship_list,
  lt_viewer_list,
  lt_concgram_list,
  lt_markup_list,
  lt_sections_list,
  lt_chargram_list,
  spare10,
  lt_boll,
  lt_boll2,
  lt_boll3,
  ly_boll4,
  lt_boll5,
  lt_bol6,
  lt_bol7,
  lt_sorting
};

constexpr int32_t list_type_count = 43;
static_assert(lt_sorting + 1 == list_type_count);

using TListTypes = Set<list_type, list_type_count>;

// The display names, read from the message catalogue each time one is asked for, so that a
// translation loaded later shows through. list_type_as_string[lt_concordance_list] is
// "Concordance list"; kinds without a name, and values beyond the enumeration, give "".
struct TListTypeDisplayNames {
  String operator[](list_type ListType) const;
};
inline constexpr TListTypeDisplayNames list_type_as_string{};

// The text signature that names each kind in a file header (8-bit text, ASCII here).
extern const std::array<std::string_view, list_type_count> list_signature32;

// The kinds a tool may save, and those whose entries may be joined as lemmas.
extern const TListTypes SaveableListTypes;
extern const TListTypes LemmatisableListTypes;

// The signature without its trailing "32" (when it ends so): "Concordance" for
// lt_concordance_list, "Notes" for lt_notes; "" beyond the enumeration.
String ListSignature(list_type ListType);

// The tool that makes each kind; notes and spare10 belong to whichever tool is running
// (current_tool_var). A value beyond the enumeration gives the controller.
tool_type ToolTypeFromListType(list_type ListType);

// Whether a kind is shown as a word list: the lists of key words, key-word databases, associates
// and clumps as word lists, and the word-list index. IsOrIsLikeWordList adds the word list.
bool IsLikeWordList(list_type ListType);
bool IsOrIsLikeWordList(list_type ListType);

// What a list file holds for programs other than the suite.
enum file_data_type : uint8_t {
  qmark_only_data, // readable only by the suite
  graphic_data,
  text_data
};
// Plots are graphics; file-name lists, plain-text aligner lists, notes and source texts are
// text; everything else is the suite's own.
file_data_type ListTypeToFileDataType(list_type ListType);

// The kinds of grid a tool shows its lists in. The spares keep room for grids to come.
enum grid_alternatives : uint8_t {
  grid_concordance,
  grid_clusters,
  grid_conc_plot,
  grid_patterns,
  grid_collocates,
  grid_detailed_consist,
  grid_alph_order,
  grid_freq_order,
  grid_breakdowns,
  grid_statistics,
  grid_filenames,
  grid_timeline,
  grid_keywords,
  grid_KWDbase,
  grid_kwdb_associates,
  grid_kw_Clumps,
  grid_kw_plot,
  grid_kw_plot_links,
  grid_viewer_text,
  grid_viewer_aligned,
  grid_relations,
  grid_chargrams,
  grid_kw_Clusters,
  grid_concgram,
  grid_detailed_consist_relations,
  grid_spare1,
  grid_spare2,
  grid_spare3,
  grid_spare4,
  grid_spare5,
  grid_none
};

constexpr int32_t grid_alternatives_count = 31;
static_assert(grid_none + 1 == grid_alternatives_count);

// The kind of list a grid shows; lt_none_in_use for the grids whose lists are never saved as
// a kind of their own (key-word clusters, concgrams, consistency relations, the spares, none).
list_type ListTypeFromGridAlternatives(grid_alternatives Grid);

} // namespace textcore
