// Extensions of the saved lists; see list_extensions.h.
#include "definitions/list_extensions.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace textcore {

namespace {

constexpr std::array<const char16_t *, list_type_count> kDefaultExts = {
    u".lst",
    u".kws",
    u".kdb",
    u".lst",
    u".lst",
    u".col",
    u".lst",
    u".lst",
    u".lst",
    u".lst",
    u".cnc",
    u".kpl",
    u".cpl",
    u".ccl",
    u".cpt",
    u".ass",
    u".clp",
    u".fil",
    u".klk",
    u".lst",
    u".tml",
    u".ali",
    u".txt",
    u".tokens",
    u"",
    u"",
    u"",
    u"",
    u".mut",
    u".vwr",
    u".base_pairs",
    u"",
    u"",
    u".cgr",
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
    u"",
};

bool Is(StringView Ext, StringView wanted) { return SameText(Ext, wanted); }

// Ext is a piece of the extensions listed; an empty Ext is a piece of nothing, as the
// framework's Pos found no empty string anywhere.
bool IsPartOf(StringView Ext, StringView listed) {
  return !Ext.empty() && Pos(LowerCase(Ext), listed) > 0;
}

} // namespace

String DefaultExtFromListType(list_type ListType) {
  if (ListType >= list_type_count)
    return String();
  return kDefaultExts[ListType];
}

String CorrectedDefaultExt(StringView Ext) {
  if (Ext.size() > 1 && Ext[0] == u'.')
    return String(Ext.substr(1));
  return String(Ext);
}

String DotlessDefaultExtFromListType(list_type ListType) {
  return CorrectedDefaultExt(DefaultExtFromListType(ListType));
}

String DefaultExtFromSaveASFormat(TSave_as_format Format, list_type ListType) {
  switch (Format) {
  case as_txt:
    return u".txt";
  case as_xml:
    return u".xml";
  case as_Excel_spreadsheet:
    return u".xls";
  case as_RTF:
    return u".rtf";
  default:
    return DefaultExtFromListType(ListType);
  }
}

list_type ListTypeFromFileExt(StringView Ext) {
  if (Is(Ext, u".dcl"))
    return lt_detailed_consistency_list;
  if (Is(Ext, u".srt"))
    return lt_aligner_plaintext_list;
  if (Is(Ext, u".mut"))
    return lt_relationship_list;
  if (Is(Ext, u".lst"))
    return lt_word_list;
  if (IsPartOf(Ext, wordlist_index_file_extensions))
    return lt_wordlist_index_list;
  if (IsPartOf(Ext, concgram_file_extensions))
    return lt_concgram_list;
  static constexpr struct {
    const char16_t *ext;
    list_type kind;
  } kRest[] = {{u".cnc", lt_concordance_list}, {u".cgr", lt_chargram_list},
               {u".kws", lt_keyword_list},     {u".kdb", lt_KW_database_list},
               {u".vwr", lt_viewer_list},      {u".txt", lt_aligner_plaintext_list},
               {u".ali", lt_aligner_list}};
  for (const auto &rest : kRest)
    if (Is(Ext, rest.ext))
      return rest.kind;
  return spare10;
}

tool_type ToolTypeFromFileExt(StringView Ext) {
  static constexpr struct {
    const char16_t *ext;
    tool_type tool;
  } kTools[] = {
      {u".cnc", tt_concord},        {u".base_pairs", tt_concgram}, {u".base_index_cg", tt_concgram},
      {u".kws", tt_keywords},       {u".kdb", tt_keywords},        {u".lst", tt_wordlist},
      {u".tokens", tt_wordlist},    {u".types", tt_wordlist},      {u".dcl", tt_wordlist},
      {u".mut", tt_wordlist},       {u".ali", tt_viewer_aligner},  {u".txt", tt_viewer_aligner},
      {u".vwr", tt_viewer_aligner}, {u".cgr", tt_chargram},
  };
  for (const auto &entry : kTools)
    if (Is(Ext, entry.ext))
      return entry.tool;
  return tt_reserved;
}

String DefaultExtFromToolType(tool_type Tool) {
  switch (Tool) {
  case tt_wordlist:
    return u".lst";
  case tt_concord:
    return u".cnc";
  case tt_keywords:
    return u".kws";
  case tt_chargram:
    return u".cgr";
  case tt_concgram:
    return u".base_pairs";
  case tt_viewer_aligner:
    return u".vwr";
  case tt_web_download:
  case tt_minimal_pairs:
  case tt_file_utilities:
    return u".txt";
  default:
    return u".dat";
  }
}

String QMFileExtensions() {
  // The kinds that the file dialogs do not offer files of.
  static constexpr list_type kLeftOut[] = {lt_collocate_list,
                                           lt_KW_plot_list,
                                           lt_concordance_plot_list,
                                           lt_concordance_cluster_list,
                                           lt_concordance_pattern_list,
                                           lt_associate_list,
                                           lt_clump_list,
                                           lt_filename_list,
                                           lt_link_list,
                                           lt_timeline_list,
                                           lt_aligner_plaintext_list,
                                           lt_kw_cluster_list};
  String result;
  for (int32_t i = 0; i < list_type_count; ++i) {
    const auto kind = static_cast<list_type>(i);
    if (std::find(std::begin(kLeftOut), std::end(kLeftOut), kind) != std::end(kLeftOut))
      continue;
    const String ext = DefaultExtFromListType(kind);
    if (ext.size() >= 2 && Pos(ext, result) == 0)
      result += ext + u";";
  }
  return result + u".types;.base_index_cg";
}

} // namespace textcore
