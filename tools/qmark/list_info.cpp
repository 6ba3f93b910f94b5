// qmark list-info over the library's recognisers of saved list files.
#include "tools/qmark/list_info.h"

#include "definitions/list_files.h"
#include "definitions/list_signature.h"
#include "definitions/list_types.h"
#include "platform/display_cells.h"
#include "platform/exceptions.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/input_files.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/text_escapes.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kHelp =
    R"(Usage: qmark list-info [options] PATH...

Tells, for each file, which kind of saved list of the suite it is: by the header a tool writes at
the start of a list file, by the header of the lists saved before it, or as a batch file (a zip
archive of lists whose comment names their kind).

PATH          a file, or a folder (every file below it that --mask names; hidden files and
              folders are passed over). Standard input cannot be told: a list is known by its
              file.

Options:
  --mask MASKS      File names to take in folders, ";" between masks (default *.*).
  --format F        text (default), tsv or json.
  -h, --help        Show this help and exit.

Output (UTF-8, on standard output), one row per file:
  HEADER   current  a list file of the 32-bit format: FORMAT is the format number in its
                    header, TOOL the first tool that writes that number (none for an earlier
                    format, such as 35)
           old      a list file of the format before it
           batch    a batch archive: ENTRIES is its entry count, when its comment names a kind
           none     no list file of the suite
  KIND     the kind of list as the library names it (lt_concordance_list), and NAME its display
           name from the message catalogue ("Concordance list")
  text  FILE HEADER KIND FORMAT TOOL ENTRIES NAME in aligned columns, "-" where there is none.
  tsv   the header "file header kind name format tool entries"; empty where there is none.
  json  one array of objects with those keys; null where there is none.

Exit status: 0 when every file was read (list or not), 1 when one could not be, 2 on bad usage.
)";

// The library's names of the list kinds and the tools, for the output.
constexpr std::array<std::string_view, textcore::list_type_count> kKindNames = {
    "lt_word_list",
    "lt_keyword_list",
    "lt_KW_database_list",
    "lt_detailed_consistency_relations_list",
    "lt_detailed_consistency_list",
    "lt_collocate_list",
    "lt_KWs_as_word_list",
    "lt_KWDB_as_word_list",
    "lt_associates_as_word_list",
    "lt_clumps_as_word_list",
    "lt_concordance_list",
    "lt_KW_plot_list",
    "lt_concordance_plot_list",
    "lt_concordance_cluster_list",
    "lt_concordance_pattern_list",
    "lt_associate_list",
    "lt_clump_list",
    "lt_filename_list",
    "lt_link_list",
    "lt_statistics_list",
    "lt_timeline_list",
    "lt_aligner_list",
    "lt_aligner_plaintext_list",
    "lt_wordlist_index_list",
    "lt_kw_cluster_list",
    "lt_none_in_use",
    "lt_notes",
    "lt_source_text",
    "lt_relationship_list",
    "lt_viewer_list",
    "lt_concgram_list",
    "lt_markup_list",
    "lt_sections_list",
    "lt_chargram_list",
    "spare10",
    "lt_boll",
    "lt_boll2",
    "lt_boll3",
    "ly_boll4",
    "lt_boll5",
    "lt_bol6",
    "lt_bol7",
    "lt_sorting",
};

constexpr std::array<std::string_view, textcore::tool_type_count> kToolNames = {
    "tt_wordlist",       "tt_keywords",       "tt_concord",        "tt_controller",
    "tt_viewer_aligner", "tt_concgram",       "tt_chargram",       "tt_text_converter",
    "tt_web_download",   "tt_minimal_pairs",  "tt_file_utilities", "tt_splitter",
    "tt_renamer",        "tt_corpus_builder", "tt_char_profiler",  "tt_language_chooser",
    "tt_any_main_tool",  "tt_spare1",         "tt_spare2",         "tt_spare3",
    "tt_reserved",       "tt_no_tool",
};

struct ListInfoOptions {
  bool help = false;
  std::vector<std::string> paths;
  String mask = u"*.*";
  OutputFormat format = OutputFormat::kText;
};

bool ParseListInfoOptions(std::span<const std::string> args, ListInfoOptions &options,
                          std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    if (typed.name == "--help" || typed.name == "-h")
      return TakeFlag(typed, options.help, error);
    std::string value;
    if (typed.name != "--mask" && typed.name != "--format") {
      error = "unknown option '" + args[i] + "'";
      return false;
    }
    if (!TakeValue(args, i, typed.name, typed.inline_value, value, error))
      return false;
    if (typed.name == "--format")
      return ParseFormat(value, options.format, error);
    options.mask = textcore::UTF8ToString(value);
    return true;
  };
  if (!WalkArguments(args, options.paths, option, error))
    return false;
  if (std::find(options.paths.begin(), options.paths.end(), kStandardInput) != options.paths.end())
    error = "standard input cannot be told: name the list files";
  else if (!options.help && options.paths.empty())
    error = "no path given: name the list files or folders to look at";
  return error.empty();
}

struct ListInfoRow {
  String file;
  std::string header; // current, old, batch or none
  std::optional<textcore::list_type> kind;
  std::optional<int32_t> format;
  std::optional<textcore::tool_type> tool;
  std::optional<int32_t> entries;
};

// What the library tells of one file: the header of a list, then the old header, then a batch.
ListInfoRow Tell(const String &file) {
  ListInfoRow row{file, "none", {}, {}, {}, {}};
  textcore::TCheckSignature sig;
  if (textcore::ReadListFileHeader(file, sig) &&
      textcore::DiskFileType(sig) != textcore::lt_none_in_use) {
    row.header = "current";
    row.kind = textcore::DiskFileType(sig);
    row.format = sig.signature;
    if (const auto tool = textcore::ToolTypeFromSignature(sig.signature);
        tool != textcore::tt_no_tool)
      row.tool = tool;
    return row;
  }
  textcore::TQMStored_File_rec rec{.filename = file};
  if (textcore::IsAnOldQuillmarkFile(rec)) {
    row.header = "old";
    row.kind = rec.ListType;
    return row;
  }
  bool batch = false;
  try {
    batch = textcore::IsABatchZipFileForListType(rec);
  } catch (const textcore::EZipError &) {
    // No zip archive, or one that cannot be read: no batch either way.
  }
  if (batch) {
    row.header = "batch";
    if (rec.ListType != textcore::lt_none_in_use) {
      row.kind = rec.ListType;
      row.entries = rec.Number_within_Zipfile;
    }
  }
  return row;
}

std::string KindName(const ListInfoRow &row) {
  return row.kind ? std::string(kKindNames[*row.kind]) : std::string();
}

String DisplayName(const ListInfoRow &row) {
  return row.kind ? textcore::list_type_as_string[*row.kind] : String();
}

std::string Number(const std::optional<int32_t> &n) { return n ? std::to_string(*n) : ""; }

std::string ToolName(const ListInfoRow &row) {
  return row.tool ? std::string(kToolNames[*row.tool]) : std::string();
}

std::string Dash(std::string text) { return text.empty() ? "-" : text; }

std::string JsonString(const std::string &ascii, bool present) {
  return present ? "\"" + ascii + "\"" : "null";
}

void WriteText(std::string &out, const std::vector<ListInfoRow> &rows) {
  size_t widths[6] = {};
  for (const ListInfoRow &row : rows) {
    const std::string fields[] = {row.header, Dash(KindName(row)), Dash(Number(row.format)),
                                  Dash(ToolName(row)), Dash(Number(row.entries))};
    widths[0] = std::max(widths[0], textcore::DisplayCells(row.file));
    for (size_t i = 0; i < 5; ++i)
      widths[i + 1] = std::max(widths[i + 1], fields[i].size());
  }
  for (const ListInfoRow &row : rows) {
    AppendEscaped(out, row.file, Escape::kFlat);
    out.append(2 + widths[0] - textcore::DisplayCells(row.file), ' ');
    const std::string fields[] = {row.header, Dash(KindName(row)), Dash(Number(row.format)),
                                  Dash(ToolName(row)), Dash(Number(row.entries))};
    for (size_t i = 0; i < 5; ++i)
      out += fields[i] + std::string(2 + widths[i + 1] - fields[i].size(), ' ');
    const String name = DisplayName(row);
    if (name.empty())
      out += "-";
    else
      AppendEscaped(out, name, Escape::kFlat);
    out += "\n";
  }
}

void WriteTsv(std::string &out, const std::vector<ListInfoRow> &rows) {
  out += "file\theader\tkind\tname\tformat\ttool\tentries\n";
  for (const ListInfoRow &row : rows) {
    AppendEscaped(out, row.file, Escape::kTsv);
    out += "\t" + row.header + "\t" + KindName(row) + "\t";
    AppendEscaped(out, DisplayName(row), Escape::kTsv);
    out += "\t" + Number(row.format) + "\t" + ToolName(row) + "\t" + Number(row.entries) + "\n";
  }
}

void WriteJson(std::string &out, const std::vector<ListInfoRow> &rows) {
  out += "[";
  for (size_t i = 0; i < rows.size(); ++i) {
    const ListInfoRow &row = rows[i];
    out += i == 0 ? "\n{\"file\": \"" : ",\n{\"file\": \"";
    AppendEscaped(out, row.file, Escape::kJson);
    out += "\", \"header\": \"" + row.header +
           "\", \"kind\": " + JsonString(KindName(row), row.kind.has_value()) + ", \"name\": ";
    if (row.kind) {
      out += "\"";
      AppendEscaped(out, DisplayName(row), Escape::kJson);
      out += "\"";
    } else {
      out += "null";
    }
    out += ", \"format\": " + (row.format ? Number(row.format) : "null") +
           ", \"tool\": " + JsonString(ToolName(row), row.tool.has_value()) +
           ", \"entries\": " + (row.entries ? Number(row.entries) : "null") + "}";
  }
  out += rows.empty() ? "]\n" : "\n]\n";
}

int Run(const ListInfoOptions &options, const CommandStreams &streams) {
  bool had_problem = false;
  const auto problem = [&](const String &name, const std::string &reason) {
    had_problem = true;
    streams.err(name.empty() ? "qmark list-info: " + reason + "\n"
                             : "qmark list-info: cannot read '" + textcore::StringToUTF8(name) +
                                   "': " + reason + "\n");
  };
  WalkOptions walk;
  walk.mask = options.mask;
  // An archive is told as the file it is: it may be a batch.
  walk.zips = false;
  walk.archives_as_files = true;
  std::vector<ListInfoRow> rows;
  for (const InputFile &file : ListInputFiles(options.paths, walk, problem)) {
    try {
      rows.push_back(Tell(file.name));
    } catch (const std::exception &e) {
      problem(file.name, e.what());
    }
  }
  std::string out;
  switch (options.format) {
  case OutputFormat::kText:
    WriteText(out, rows);
    break;
  case OutputFormat::kTsv:
    WriteTsv(out, rows);
    break;
  case OutputFormat::kJson:
    WriteJson(out, rows);
    break;
  }
  streams.out(out);
  return had_problem ? kBadInput : kSuccess;
}

} // namespace

std::string_view ListInfoHelp() { return kHelp; }

int RunListInfo(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<ListInfoOptions>(
      args, streams, "list-info", kHelp, ParseListInfoOptions,
      [&streams](const ListInfoOptions &options) { return Run(options, streams); });
}

int RunListInfoCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunListInfo, args, "list-info");
}

} // namespace qmark
