// The three output formats of qmark concord, encoded to UTF-8 as they are escaped.
#include "tools/qmark/concord_output.h"

#include "definitions/base_and_highlight_colours.h"
#include "tools/qmark/terminal_colours.h"

#include "platform/display_cells.h"
#include "platform/utf.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>

namespace qmark {

using textcore::StringView;

namespace {

constexpr size_t kChunkBytes = size_t{1} << 20;
// Room after the file name for ":LINE:COLUMN" before the text column starts.
constexpr int32_t kLocationDigits = 12;

int32_t Cells(StringView text) { return static_cast<int32_t>(textcore::DisplayCells(text)); }

} // namespace

ConcordWriter::ConcordWriter(OutputFormat format, int32_t context_width, int32_t file_width,
                             TextSink sink)
    : fFormat(format), fContextWidth(context_width), fFileWidth(file_width),
      fLocationWidth(file_width + kLocationDigits), fSink(std::move(sink)),
      fData(std::make_unique_for_overwrite<char[]>(kChunkBytes)), fCapacity(kChunkBytes) {}

void ConcordWriter::Append(StringView text, Escape escape) {
  fUsed = static_cast<size_t>(
      PutEscaped(Room(text.size() * kMaxEscapedBytesPerUnit), text, escape) - fData.get());
}

void ConcordWriter::Append(std::string_view bytes) {
  std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
  fUsed += bytes.size();
}

void ConcordWriter::Append(char c) {
  *Room(1) = c;
  ++fUsed;
}

void ConcordWriter::MakeRoom(size_t bytes) {
  Flush();
  if (fCapacity < bytes) {
    fCapacity = bytes;
    fData = std::make_unique_for_overwrite<char[]>(fCapacity);
  }
}

void ConcordWriter::Flush() {
  if (fUsed > 0)
    fSink(std::string_view(fData.get(), fUsed));
  fUsed = 0;
}

void ConcordWriter::AppendNumber(int64_t value) {
  char *out = Room(24);
  fUsed = static_cast<size_t>(std::to_chars(out, out + 24, value).ptr - fData.get());
}

void ConcordWriter::Pad(int32_t count) {
  if (count <= 0)
    return;
  std::memset(Room(static_cast<size_t>(count)), ' ', static_cast<size_t>(count));
  fUsed += static_cast<size_t>(count);
}

void ConcordWriter::AppendFile(StringView file, Escape escape) {
  if (file != StringView(fFile) || escape != fFileEscape || fFileBytes.empty()) {
    fFile.assign(file);
    fFileEscape = escape;
    fFileBytes.clear();
    AppendEscaped(fFileBytes, file, escape);
    fFileCells = Cells(file);
  }
  Append(fFileBytes);
}

void ConcordWriter::WriteText(const ConcordLine &line) {
  AppendFile(line.file, Escape::kFlat);
  const size_t after_file = fUsed;
  Append(':');
  AppendNumber(line.line);
  Append(':');
  AppendNumber(line.column);
  Pad(fLocationWidth - fFileCells - static_cast<int32_t>(fUsed - after_file));
  Pad(2 + fContextWidth - Cells(line.left));
  // With colours, the runs of the shown text "LEFT HIT RIGHT": the context with the spaces
  // around the hit, and the hit.
  const auto left = static_cast<int32_t>(line.left.size());
  const auto hit = static_cast<int32_t>(line.hit.size());
  if (fRuns) {
    fRuns->Clear();
    const auto run = [this](textcore::TExtraFontRec &rec, int32_t from, int32_t to) {
      rec.basics.switch_on_at_char = from;
      rec.basics.switch_off_at_char = to;
      fRuns->AddOne(rec);
    };
    run(fContextRun, 0, left + 1);
    run(fHitRun, left + 1, left + 1 + hit);
    run(fContextRun, left + 1 + hit, left + 2 + hit + static_cast<int32_t>(line.right.size()));
    fRuns->SortOnStartpoints();
    AppendRunStart(0);
  }
  Append(line.left, Escape::kFlat);
  Append(' ');
  AppendRunStart(left + 1);
  Append(line.hit, Escape::kFlat);
  AppendRunStart(left + 1 + hit);
  Append(' ');
  Append(line.right, Escape::kFlat);
  // The location ends in a digit, so this never reaches back into an earlier line.
  while (fData[fUsed - 1] == ' ')
    --fUsed;
  if (fRuns)
    Append(kSgrReset);
  Append('\n');
}

void ConcordWriter::SetColours(const textcore::colour_and_typeface_rec &scheme) {
  using namespace textcore;
  fRuns = std::make_unique<TExtraFontList>(
      GetBaseandHighlightColours(scheme, normalcolour, highlightcolour),
      scheme.typefaces[normalcolour]);
  fSgrOfRuns = {};
  fContextRun = TExtraFontRec{};
  fContextRun.basics.colour_rec = fRuns->default_colours;
  fContextRun.basics.typeface = scheme.typefaces[normalcolour];
  fContextRun.applies_to = efc_context_word;
  fHitRun = TExtraFontRec{};
  fHitRun.basics.colour_rec =
      GetBaseandHighlightColours(scheme, centrehighlightedcolour, highlightcolour);
  fHitRun.basics.typeface = scheme.typefaces[centrehighlightedcolour];
  fHitRun.applies_to = efc_centre_word;
}

void ConcordWriter::AppendRunStart(int32_t start) {
  if (!fRuns)
    return;
  const int32_t index = fRuns->IndexOfStart(start);
  if (index < 0)
    return;
  const textcore::TExtraFontRecOld &run = fRuns->Holders(index)->fData.basics;
  // The escapes of the runs met last: a line's runs come in few colours, and making an escape
  // asks the system for its window colours.
  const SgrOfRun key{
      run.colour_rec.default_colour, run.colour_rec.default_background, run.typeface, {}};
  for (const SgrOfRun &known : fSgrOfRuns)
    if (known.foreground == key.foreground && known.background == key.background &&
        known.typeface == key.typeface && !known.sgr.empty()) {
      Append(known.sgr);
      return;
    }
  SgrOfRun &made = fSgrOfRuns[fNextSgr++ % fSgrOfRuns.size()];
  made = key;
  made.sgr = SgrStart(key.foreground, key.background, key.typeface);
  Append(made.sgr);
}

void ConcordWriter::WriteTsv(const ConcordLine &line) {
  AppendFile(line.file, Escape::kTsv);
  Append('\t');
  AppendNumber(line.line);
  Append(':');
  AppendNumber(line.column);
  for (StringView piece : {line.left, line.hit, line.right, line.word}) {
    Append('\t');
    Append(piece, Escape::kTsv);
  }
  Append('\n');
}

void ConcordWriter::WriteJson(const ConcordLine &line) {
  auto text_field = [this](std::string_view name, StringView value) {
    Append(name);
    Append('"');
    Append(value, Escape::kJson);
    Append('"');
  };
  auto number_field = [this](std::string_view name, int64_t value) {
    Append(name);
    AppendNumber(value);
  };
  Append("{\"file\": \"");
  AppendFile(line.file, Escape::kJson);
  Append('"');
  number_field(", \"line\": ", line.line);
  number_field(", \"column\": ", line.column);
  number_field(", \"offset\": ", line.offset);
  text_field(", \"word\": ", line.word);
  text_field(", \"left\": ", line.left);
  text_field(", \"hit\": ", line.hit);
  text_field(", \"right\": ", line.right);
  Append('}');
}

void ConcordWriter::Begin() {
  if (fFormat == OutputFormat::kTsv)
    Append("file\tposition\tleft\thit\tright\tword\n");
  else if (fFormat == OutputFormat::kJson)
    Append('[');
}

void ConcordWriter::RoomForLine(const ConcordLine &line) {
  // The whole line at its longest, so that no flush falls inside it.
  const size_t units = line.file.size() + line.word.size() + line.left.size() + line.hit.size() +
                       line.right.size() + static_cast<size_t>(fLocationWidth + fContextWidth);
  // With colours, three runs' escapes and the reset.
  Room(units * 6 + (fRuns ? 512 : 256));
}

void ConcordWriter::Write(const ConcordLine &line) {
  RoomForLine(line);
  switch (fFormat) {
  case OutputFormat::kText:
    WriteText(line);
    break;
  case OutputFormat::kTsv:
    WriteTsv(line);
    break;
  case OutputFormat::kJson:
    Separate();
    WriteJson(line);
    break;
  }
}

void ConcordWriter::Separate() {
  Append(fFirstObject ? "\n" : ",\n");
  fFirstObject = false;
}

void ConcordWriter::Format(const ConcordLine &line, std::string &bytes) {
  RoomForLine(line);
  const size_t start = fUsed;
  if (fFormat == OutputFormat::kText)
    WriteText(line);
  else if (fFormat == OutputFormat::kTsv)
    WriteTsv(line);
  else
    WriteJson(line);
  bytes.append(fData.get() + start, fUsed - start);
  fUsed = start;
}

void ConcordWriter::WriteFormatted(std::string_view bytes) {
  if (fFormat == OutputFormat::kJson)
    Separate();
  Append(bytes);
}

void ConcordWriter::BeginCounts(int32_t word_width) {
  fWordWidth = word_width;
  if (fFormat == OutputFormat::kTsv)
    Append("file\tword\thits\n");
  else if (fFormat == OutputFormat::kJson)
    Append('[');
}

void ConcordWriter::WriteCount(const ConcordCount &count) {
  Room((count.file.size() + count.word.size()) * 6 + static_cast<size_t>(fFileWidth + fWordWidth) +
       256);
  switch (fFormat) {
  case OutputFormat::kText:
    Append(count.file, Escape::kFlat);
    Pad(2 + fFileWidth - Cells(count.file));
    Append(count.word, Escape::kFlat);
    Pad(2 + fWordWidth - Cells(count.word));
    AppendNumber(count.hits);
    Append('\n');
    break;
  case OutputFormat::kTsv:
    Append(count.file, Escape::kTsv);
    Append('\t');
    Append(count.word, Escape::kTsv);
    Append('\t');
    AppendNumber(count.hits);
    Append('\n');
    break;
  case OutputFormat::kJson:
    Append(fFirstObject ? "\n{\"file\": \"" : ",\n{\"file\": \"");
    fFirstObject = false;
    Append(count.file, Escape::kJson);
    Append("\", \"word\": \"");
    Append(count.word, Escape::kJson);
    Append("\", \"hits\": ");
    AppendNumber(count.hits);
    Append('}');
    break;
  }
}

void ConcordWriter::End() {
  if (fFormat == OutputFormat::kJson)
    Append(fFirstObject ? "]\n" : "\n]\n");
  Flush();
}

} // namespace qmark
