// The run of qmark concord: options, search words, files, then one search per file, its lines
// written at once when the order asked for is the order of search, kept and sorted otherwise.
#include "tools/qmark/concord.h"

#include "files/text_decoding.h"
#include "platform/display_cells.h"
#include "platform/file_names.h"
#include "platform/nls_code_pages.h"
#include "search/wide_masks.h"
#include "tools/qmark/concord_lines.h"
#include "tools/qmark/concord_options.h"
#include "tools/qmark/concord_output.h"
#include "tools/qmark/concord_search.h"
#include "tools/qmark/concord_sort.h"
#include "tools/qmark/concord_words.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/input_files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>

namespace qmark {

using textcore::String;
using textcore::StringView;

namespace {

const char *NotTextKind(textcore::TNotTextReason reason) {
  switch (reason) {
  case textcore::ntr_archive:
    return "a zip archive, not a text";
  case textcore::ntr_storage:
    return "a compound storage file (a word-processor document), not a text";
  case textcore::ntr_word:
    return "an early word-processor document, not a text";
  default:
    return "not a text (it holds NUL bytes)";
  }
}

// The engine counts in 32-bit bytes of UTF-16; a text of more characters does not fit.
constexpr size_t kMaxTextCharacters = size_t{1} << 29;

class ConcordRun {
public:
  ConcordRun(const ConcordOptions &options, const CommandStreams &streams)
      : fOptions(options), fStreams(streams),
        fSearch(fWords, options.lcid, options.middles, options.markup, options.markup_pairs),
        fInSearchOrder(SortIsSearchOrder(options.sort)) {}

  int Run();

private:
  bool Prepare();
  void SearchFile(size_t file);
  void TakeHits(size_t file, const String &text);
  void KeepLine(size_t file, const ConcordContext &context, const ConcordHit &hit,
                const LineCounter &counter);
  void WriteKeptLines();
  void WriteCounts();
  void Problem(const String &name, const std::string &reason);
  void Note(size_t file, const std::string &note);
  void Progress(size_t file, bool done);
  void Summary();

  const ConcordOptions &fOptions;
  const CommandStreams &fStreams;
  ConcordWords fWords;
  ConcordSearch fSearch;
  bool fInSearchOrder;
  bool fHadProblem = false;
  std::vector<InputFile> fFiles;
  std::unique_ptr<ConcordWriter> fWriter;
  std::vector<int64_t> fHitsPerWord;
  // With --count: the hits of each file searched, per search word.
  std::vector<std::pair<size_t, std::vector<int64_t>>> fCounts;
  int64_t fMerged = 0;
  int64_t fFilesSearched = 0;
  std::chrono::steady_clock::time_point fLastProgress{};
  // Reused from file to file.
  std::string fBytes;
  std::vector<ConcordHit> fHits;
  String fLeft, fHit, fRight;
  // Kept for a sort.
  std::vector<StoredLine> fKept;
  std::vector<SortKeys> fKeys;
  String fStore;
  WordRanks fWordRanks;
};

void ConcordRun::Note(size_t file, const std::string &note) {
  fStreams.err("qmark concord: '" + textcore::StringToUTF8(fFiles[file].name) + "': " + note +
               "\n");
}

void ConcordRun::Problem(const String &name, const std::string &reason) {
  fHadProblem = true;
  fStreams.err(name.empty() ? "qmark concord: " + reason + "\n"
                            : "qmark concord: cannot read '" + textcore::StringToUTF8(name) +
                                  "': " + reason + "\n");
}

bool ConcordRun::Prepare() {
  std::string error;
  std::vector<std::string> warnings;
  if (!fWords.Parse(fOptions.search_words, fOptions.lcid, fOptions.case_sensitive, error,
                    warnings)) {
    fStreams.err("qmark concord: " + error + "\n");
    return false;
  }
  for (const std::string &warning : warnings)
    fStreams.err("qmark concord: warning: " + warning + "\n");
  textcore::TWideMasks masks;
  textcore::BuildAMask(masks, fOptions.mask);
  if (std::all_of(masks.begin(), masks.end(), [](const String &m) { return m.empty(); })) {
    fStreams.err("qmark concord: --mask names no file\n");
    return false;
  }
  WalkOptions walk;
  walk.mask = fOptions.mask;
  walk.exclude = fOptions.exclude;
  walk.zips = fOptions.zips;
  walk.hidden = fOptions.hidden;
  fFiles =
      ListInputFiles(fOptions.paths, walk, [this](const String &name, const std::string &reason) {
        Problem(name, reason);
      });
  int32_t file_width = 0;
  for (const InputFile &file : fFiles)
    file_width = std::max(file_width, static_cast<int32_t>(textcore::DisplayCells(file.name)));
  fHitsPerWord.assign(fWords.Sought().size(), 0);
  fWriter =
      std::make_unique<ConcordWriter>(fOptions.format, fOptions.width, file_width, fStreams.out);
  return true;
}

void ConcordRun::Progress(size_t file, bool done) {
  if (!fStreams.show_progress)
    return;
  const auto now = std::chrono::steady_clock::now();
  if (done) {
    fStreams.err("\r\x1b[K");
    return;
  }
  if (now - fLastProgress < std::chrono::milliseconds(100))
    return;
  fLastProgress = now;
  int64_t hits = 0;
  for (int64_t n : fHitsPerWord)
    hits += n;
  fStreams.err("\r\x1b[Kqmark concord: file " + std::to_string(file + 1) + " of " +
               std::to_string(fFiles.size()) + ", " + std::to_string(hits) + " hits");
}

void ConcordRun::KeepLine(size_t file, const ConcordContext &context, const ConcordHit &hit,
                          const LineCounter &counter) {
  StoredLine line;
  line.file = static_cast<int32_t>(file);
  line.position = hit.position;
  line.line = counter.Line();
  line.column = counter.Column();
  line.word = hit.word;
  line.left_length = static_cast<int32_t>(fLeft.size());
  line.hit_length = static_cast<int32_t>(fHit.size());
  line.right_length = static_cast<int32_t>(fRight.size());
  line.text_at = fStore.size();
  fStore += fLeft;
  fStore += fHit;
  fStore += fRight;
  SortKeys &keys = fKeys.emplace_back();
  for (size_t level = 0; level < fOptions.sort.size(); ++level) {
    const ConcordKey key = fOptions.sort[level].key;
    int32_t &value = keys[level];
    if (key == kKeyFile)
      value = line.file;
    else if (key == kKeyPosition)
      value = hit.position;
    else if (key == kKeyHit)
      value = fWordRanks.Id(fHit);
    else if (key <= kKeyLeft5)
      value = fWordRanks.Id(context.WordBefore(hit.position, key - kKeyLeft1 + 1));
    else
      value = fWordRanks.Id(context.WordAfter(hit.position + hit.length, key - kKeyRight1 + 1));
  }
  fKept.push_back(line);
}

void ConcordRun::TakeHits(size_t file, const String &text) {
  if (fOptions.count) {
    std::vector<int64_t> &counts = fCounts.emplace_back(file, fHitsPerWord.size()).second;
    for (const ConcordHit &hit : fHits) {
      ++fHitsPerWord[static_cast<size_t>(hit.word)];
      ++counts[static_cast<size_t>(hit.word)];
    }
    return;
  }
  const ConcordContext context(text, fSearch.Classes(), fOptions.markup, fOptions.width);
  LineCounter counter(text);
  for (const ConcordHit &hit : fHits) {
    ++fHitsPerWord[static_cast<size_t>(hit.word)];
    counter.MoveTo(hit.position);
    context.Pieces(hit, fLeft, fHit, fRight);
    if (!fInSearchOrder) {
      KeepLine(file, context, hit, counter);
      continue;
    }
    fWriter->Write({fFiles[file].name, counter.Line(), counter.Column(), hit.position,
                    fWords.Sought()[static_cast<size_t>(hit.word)]->typed_in_text, fLeft, fHit,
                    fRight});
  }
}

void ConcordRun::SearchFile(size_t file) {
  std::string reason;
  if (!ReadInputBytes(fFiles[file], fBytes, reason)) {
    Problem(fFiles[file].name, reason);
    return;
  }
  String text;
  const textcore::TTextDecision decision = textcore::ReadTextOfBytes(
      fBytes, textcore::LCIDToCodePage(fOptions.lcid), fOptions.binary, text);
  if (decision.encoding == textcore::te_none) {
    Note(file, std::string(NotTextKind(decision.not_text)) +
                   ", passed over (--binary searches it as text)");
    return;
  }
  if (decision.ill_formed > 0)
    Note(file, "read as UTF-8 with " +
                   (decision.ill_formed == 1
                        ? std::string("1 byte that is not UTF-8 (shown as U+FFFD), at byte ")
                        : std::to_string(decision.ill_formed) +
                              " stretches of bytes that are not UTF-8 (each shown as U+FFFD), the "
                              "first at byte ") +
                   std::to_string(decision.first_ill_formed));
  if (text.size() > kMaxTextCharacters) {
    Problem(fFiles[file].name, "too large (more than 512 Mi characters of text)");
    return;
  }
  ++fFilesSearched;
  fMerged += fSearch.Run(fFiles[file].name, text, fHits);
  TakeHits(file, text);
}

void ConcordRun::WriteKeptLines() {
  if (fKept.empty())
    return;
  RankWordKeys(fKeys, fOptions.sort, fWordRanks, fOptions.lcid);
  const std::vector<int32_t> order = ConcordSortList(fKeys, fOptions.sort).SortedOrder();
  const StringView store(fStore);
  for (int32_t index : order) {
    const StoredLine &line = fKept[static_cast<size_t>(index)];
    const size_t left = line.text_at;
    const size_t hit = left + static_cast<size_t>(line.left_length);
    const size_t right = hit + static_cast<size_t>(line.hit_length);
    fWriter->Write({fFiles[static_cast<size_t>(line.file)].name, line.line, line.column,
                    line.position, fWords.Sought()[static_cast<size_t>(line.word)]->typed_in_text,
                    store.substr(left, static_cast<size_t>(line.left_length)),
                    store.substr(hit, static_cast<size_t>(line.hit_length)),
                    store.substr(right, static_cast<size_t>(line.right_length))});
  }
}

void ConcordRun::WriteCounts() {
  int32_t word_width = 0;
  for (const textcore::TSearch_word_format_rec *word : fWords.Sought())
    word_width =
        std::max(word_width, static_cast<int32_t>(textcore::DisplayCells(word->typed_in_text)));
  fWriter->BeginCounts(word_width);
  for (const auto &[file, counts] : fCounts)
    for (size_t word = 0; word < counts.size(); ++word)
      if (counts[word] > 0)
        fWriter->WriteCount(
            {fFiles[file].name, fWords.Sought()[word]->typed_in_text, counts[word]});
}

void ConcordRun::Summary() {
  int64_t total = 0;
  std::string words;
  for (size_t i = 0; i < fHitsPerWord.size(); ++i) {
    total += fHitsPerWord[i];
    words += (i == 0 ? " \"" : ", \"") + textcore::StringToUTF8(fWords.Sought()[i]->typed_in_text) +
             "\" " + std::to_string(fHitsPerWord[i]);
  }
  std::string merged;
  if (fMerged > 0)
    merged = " (" + std::to_string(fMerged) + (fMerged == 1 ? " hit" : " hits") +
             " on text already found counted once, for the first search word that found it)";
  fStreams.err("qmark: " + std::to_string(total) + (total == 1 ? " hit" : " hits") + " in " +
               std::to_string(fFilesSearched) + (fFilesSearched == 1 ? " file" : " files") +
               " searched:" + words + merged + "\n");
}

int ConcordRun::Run() {
  if (!Prepare())
    return kBadUsage;
  if (!fOptions.count)
    fWriter->Begin();
  for (size_t file = 0; file < fFiles.size(); ++file) {
    Progress(file, false);
    try {
      SearchFile(file);
    } catch (const std::exception &e) {
      Problem(fFiles[file].name, e.what());
    }
  }
  Progress(fFiles.size(), true);
  if (fOptions.count)
    WriteCounts();
  else
    WriteKeptLines();
  fWriter->End();
  Summary();
  return fHadProblem ? kBadInput : kSuccess;
}

} // namespace

int RunConcord(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<ConcordOptions>(
      args, streams, "concord", ConcordHelp(), ParseConcordOptions,
      [&streams](const ConcordOptions &options) { return ConcordRun(options, streams).Run(); });
}

int RunConcordCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunConcord, args, "concord");
}

} // namespace qmark
