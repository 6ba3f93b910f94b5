// File extensions of the saved lists: the default extension of each list kind and tool, the kind
// and the tool an extension stands for, and the list of the suite's own extensions for file
// dialogs.
//
// Extensions carry their dot (".cnc"). Every comparison of extensions ignores the case of ASCII
// letters, so ".CNC" is a concordance too.
#pragma once

#include "definitions/list_types.h"
#include "definitions/tool_types.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// The files that make up a word-list index, and those of a concgram index.
inline constexpr StringView wordlist_index_file_extensions = u".types.tokens.stats.markup";
inline constexpr StringView concgram_file_extensions = u".base_pairs.base_index.base_index_cg";

// ".lst" for a word list, ".cnc" for a concordance; "" for the kinds saved under no extension
// of their own and for values beyond the enumeration.
String DefaultExtFromListType(list_type ListType);
// Ext without its leading dot, when it is longer than the dot alone; otherwise Ext as it is.
String CorrectedDefaultExt(StringView Ext);
String DotlessDefaultExtFromListType(list_type ListType);

// The forms a list can be saved in besides its own.
enum TSave_as_format : uint8_t {
  as_txt,
  as_xml,
  as_Excel_spreadsheet,
  as_RTF,
  as_default_for_list
};
// ".txt", ".xml", ".xls", ".rtf", or the kind's own default extension.
String DefaultExtFromSaveASFormat(TSave_as_format Format, list_type ListType);

// The kind an extension names. Any part of the index extensions names the word-list index or
// the concgram index (".stat" is part of ".stats"); an extension that names no kind, the empty
// one included, gives spare10.
list_type ListTypeFromFileExt(StringView Ext);
// The tool that opens files of an extension; tt_reserved (no particular tool) for any other.
tool_type ToolTypeFromFileExt(StringView Ext);
// The extension a tool saves under by default; ".dat" for a tool without one of its own.
String DefaultExtFromToolType(tool_type Tool);

// The suite's own extensions for file dialogs, each followed by ";" but the last:
// ".lst;.kws;.kdb;.cnc;.ali;.tokens;.mut;.vwr;.base_pairs;.cgr;.types;.base_index_cg".
String QMFileExtensions();

} // namespace textcore
