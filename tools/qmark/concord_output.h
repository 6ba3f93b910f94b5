// Writing concordance lines as text, TSV or JSON, in UTF-8, through a large buffer handed to a
// sink in chunks.
//
// text: FILE:LINE:COLUMN padded to a common width, two spaces, the left context right-aligned to
//       the context width, the hit between single spaces, the right context; control characters,
//       tabs and line ends (and U+2028, U+2029) show as spaces, trailing spaces are dropped.
// tsv:  the header "file position left hit right word" (tab-separated), then one row per hit
//       with "LINE:COLUMN" as the position; tab, LF, CR and backslash are written \t \n \r \\.
//       The search word comes last, so that the columns before it keep their places.
// json: one array of objects with the keys file, line, column, offset, word, left, hit, right.
// Counts (--count) instead of lines: per file and search word, "FILE  WORD  HITS" in aligned
// columns, the tsv header "file word hits", or json objects with the keys file, word, hits.
// A lone surrogate (an undecodable byte of a file name, for instance) is written as U+FFFD so
// that the output is always valid UTF-8.
#pragma once

#include "colour/colour_scheme.h"
#include "definitions/extra_font_list.h"
#include "platform/strings.h"
#include "tools/qmark/command_streams.h"
#include "tools/qmark/concord_options.h"
#include "tools/qmark/text_escapes.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qmark {

struct ConcordCount {
  textcore::StringView file;
  textcore::StringView word;
  int64_t hits = 0;
};

struct ConcordLine {
  textcore::StringView file;
  int64_t line = 0;
  int64_t column = 0;
  int64_t offset = 0;
  textcore::StringView word; // the search word as typed
  textcore::StringView left;
  textcore::StringView hit;
  textcore::StringView right;
};

class ConcordWriter {
public:
  // file_width: the widest file name in display cells, for the text format's first column.
  ConcordWriter(OutputFormat format, int32_t context_width, int32_t file_width, TextSink sink);
  ConcordWriter(const ConcordWriter &) = delete;
  ConcordWriter &operator=(const ConcordWriter &) = delete;

  // Draws the text format's lines in colours from then on: the context in the scheme's normal
  // text role, the hit in its search-word-highlighted role (terminal_colours.h), each line's runs
  // held in an extra-font list.
  void SetColours(const textcore::colour_and_typeface_rec &scheme);

  // The header (tsv) or the opening of the array (json).
  void Begin();
  void Write(const ConcordLine &line);
  // The line as Write writes it (a JSON object without the separator before it), appended to
  // bytes, so that lines kept for sorting are held as compactly as they will be written; and the
  // writing of such a line.
  void Format(const ConcordLine &line, std::string &bytes);
  void WriteFormatted(std::string_view bytes);
  // The same for counts; word_width is the widest search word in display cells.
  void BeginCounts(int32_t word_width);
  void WriteCount(const ConcordCount &count);
  // Closes the array (json) and hands over everything still buffered.
  void End();

private:
  void Append(textcore::StringView text, Escape escape);
  void Append(std::string_view bytes);
  void Append(char c);
  void AppendNumber(int64_t value);
  void Pad(int32_t count);
  // The file name in the format's escaping; the last one's bytes and cells are kept, since a
  // text's lines all name it.
  void AppendFile(textcore::StringView file, Escape escape);
  // Room for a line, flushing first if need be, so that the line is written in one piece.
  void RoomForLine(const ConcordLine &line);
  // Where bytes more can be written, flushing (and growing) the buffer first when they do not fit.
  char *Room(size_t bytes) {
    if (fCapacity - fUsed < bytes)
      MakeRoom(bytes);
    return fData.get() + fUsed;
  }
  void MakeRoom(size_t bytes);
  void Flush();
  void WriteText(const ConcordLine &line);
  // The colours of the run that starts at start of the line's shown text, if one does.
  void AppendRunStart(int32_t start);
  void WriteTsv(const ConcordLine &line);
  void WriteJson(const ConcordLine &line);
  // The comma and line end before a JSON object.
  void Separate();

  OutputFormat fFormat;
  int32_t fContextWidth;
  int32_t fFileWidth;
  int32_t fLocationWidth;
  int32_t fWordWidth = 0;
  TextSink fSink;
  std::unique_ptr<char[]> fData;
  size_t fCapacity;
  size_t fUsed = 0;
  bool fFirstObject = true;
  textcore::String fFile;
  Escape fFileEscape = Escape::kFlat;
  std::string fFileBytes;
  int32_t fFileCells = 0;
  std::unique_ptr<textcore::TExtraFontList> fRuns; // with colours: the current line's
  textcore::TExtraFontRec fContextRun, fHitRun;
  struct SgrOfRun {
    int32_t foreground, background;
    textcore::typeface_set_type typeface;
    std::string sgr;
  };
  std::array<SgrOfRun, 4> fSgrOfRuns{};
  size_t fNextSgr = 0;
};

} // namespace qmark
