// The run of qmark concord: options, search words, files, then the search. One thread reads,
// decodes and classifies the texts a window at a time; the other searches each window as it comes
// and writes its lines at once when the order asked for is the order of search, or keeps them,
// as they will be written, to sort at the end.
#include "tools/qmark/concord.h"

#include "files/text_decoding.h"
#include "files/text_windows.h"
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
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

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

ConcordWindowing &Windowing() {
  static ConcordWindowing windowing;
  return windowing;
}

// What the reading thread hands the searching one, in the order of the files.
struct ReadEvent {
  enum Kind : uint8_t { kProblem, kNote, kText, kWindow, kFinished } kind = kFinished;
  size_t file = 0;
  std::string message; // a problem or a note
  std::unique_ptr<textcore::TTextWindow> window;
  textcore::TTextWindowSpan span;
};

// The events between the two threads, with at most kWaitingWindows windows waiting so that the
// reader stays only a little ahead, and the windows searched handed back for reuse.
class ReadEvents {
public:
  void Push(ReadEvent event) {
    std::unique_lock lock(fGuard);
    if (event.kind == ReadEvent::kWindow) {
      fRoom.wait(lock, [this] { return fStopped || fWaitingWindows < kWaitingWindows; });
      ++fWaitingWindows;
    }
    if (fStopped)
      return;
    fEvents.push_back(std::move(event));
    fReady.notify_one();
  }
  ReadEvent Pop() {
    std::unique_lock lock(fGuard);
    fReady.wait(lock, [this] { return !fEvents.empty(); });
    ReadEvent event = std::move(fEvents.front());
    fEvents.pop_front();
    if (event.kind == ReadEvent::kWindow) {
      --fWaitingWindows;
      fRoom.notify_one();
    }
    return event;
  }
  // The reader gives up at its next event: the search has ended early.
  void Stop() {
    std::lock_guard lock(fGuard);
    fStopped = true;
    fRoom.notify_all();
  }
  bool Stopped() {
    std::lock_guard lock(fGuard);
    return fStopped;
  }
  void GiveBack(std::unique_ptr<textcore::TTextWindow> window) {
    std::lock_guard lock(fGuard);
    fSpares.push_back(std::move(window));
  }
  std::unique_ptr<textcore::TTextWindow> Spare() {
    std::lock_guard lock(fGuard);
    if (fSpares.empty())
      return nullptr;
    std::unique_ptr<textcore::TTextWindow> window = std::move(fSpares.back());
    fSpares.pop_back();
    return window;
  }

private:
  static constexpr size_t kWaitingWindows = 1;
  std::mutex fGuard;
  std::condition_variable fReady, fRoom;
  std::deque<ReadEvent> fEvents;
  std::vector<std::unique_ptr<textcore::TTextWindow>> fSpares;
  size_t fWaitingWindows = 0;
  bool fStopped = false;
};

// A window searched whose lines are still to be made, or (end) the end of the run.
struct LineTask {
  size_t file = 0;
  std::unique_ptr<textcore::TTextWindow> window;
  textcore::TTextWindowSpan span;
  std::vector<ConcordHit> hits;
  bool end = false;
};

// The windows between the searching thread and the one that makes and writes their lines, in
// order: a window is handed over once the one before is done, so that one window's lines are
// made while the next is searched and no more windows are held than that.
class LineTasks {
public:
  void Push(LineTask task) {
    std::unique_lock lock(fGuard);
    fChanged.wait(lock, [this] { return fTasks.size() < kWaiting; });
    fTasks.push_back(std::move(task));
    fChanged.notify_all();
  }
  LineTask Pop() {
    std::unique_lock lock(fGuard);
    fChanged.wait(lock, [this] { return !fTasks.empty(); });
    LineTask task = std::move(fTasks.front());
    fTasks.pop_front();
    fBusy = true;
    fChanged.notify_all();
    return task;
  }
  void Done() {
    std::lock_guard lock(fGuard);
    fBusy = false;
    fChanged.notify_all();
  }
  // Until every line given has been made.
  void WaitIdle() {
    std::unique_lock lock(fGuard);
    fChanged.wait(lock, [this] { return fTasks.empty() && !fBusy; });
  }

private:
  static constexpr size_t kWaiting = 1;
  std::mutex fGuard;
  std::condition_variable fChanged;
  std::deque<LineTask> fTasks;
  bool fBusy = false;
};

class ConcordRun {
public:
  ConcordRun(const ConcordOptions &options, const CommandStreams &streams)
      : fOptions(options), fStreams(streams), fWindowing(Windowing()),
        fSearch(fWords, options.lcid, fWindowing.longest_hit, options.middles, fWindowing.reach),
        fInSearchOrder(SortIsSearchOrder(options.sort)) {}

  int Run();

private:
  bool Prepare();
  std::unique_ptr<textcore::TTextWindowReader> MakeReader() const;
  // The reading thread.
  void ReadFiles();
  void ReadFile(size_t file, textcore::TTextWindowReader &reader);
  void Search();
  void SearchWindow(size_t file, const textcore::TTextWindow &window,
                    const textcore::TTextWindowSpan &span);
  // The lines of a window searched: written in search order, else kept.
  void MakeLines(size_t file, const textcore::TTextWindow &window,
                 const textcore::TTextWindowSpan &span, const std::vector<ConcordHit> &hits);
  // The thread that makes and writes the lines in search order.
  void MakeLinesOfTasks();
  void KeepLine(size_t file, const ConcordContext &context, const ConcordHit &hit,
                const ConcordLine &line);
  void WriteKeptLines();
  void WriteCounts();
  void Problem(const String &name, const std::string &reason);
  void Note(size_t file, const std::string &note);
  void Progress(size_t file, bool done);
  void Summary();

  const ConcordOptions &fOptions;
  const CommandStreams &fStreams;
  // The lines are written while the next ones are searched; messages wait for them.
  BackgroundSink fOutput{fStreams.out};
  const ConcordWindowing fWindowing;
  ConcordWords fWords;
  ConcordSearch fSearch;
  bool fInSearchOrder;
  bool fHadProblem = false;
  std::vector<InputFile> fFiles;
  std::unique_ptr<ConcordWriter> fWriter;
  ReadEvents fEvents;
  std::unique_ptr<textcore::TTextWindowReader> fReader;
  // In search order the lines of a window are made on a thread of their own while the next
  // window is searched.
  bool fLinesApart = false;
  LineTasks fLineTasks;
  std::exception_ptr fLinesFailure;
  std::vector<int64_t> fHitsPerWord;
  // With --count: the hits of each file searched, per search word.
  std::vector<std::pair<size_t, std::vector<int64_t>>> fCounts;
  int64_t fMerged = 0;
  int64_t fFilesSearched = 0;
  std::chrono::steady_clock::time_point fLastProgress{};
  // Reused from window to window.
  std::vector<ConcordHit> fHits;
  String fLeft, fHit, fRight;
  // Kept for a sort.
  std::vector<StoredLine> fKept;
  std::vector<SortKeys> fKeys;
  LineStore fStore;
  std::string fFormatted;
  WordRanks fWordRanks;
};

void ConcordRun::Note(size_t file, const std::string &note) {
  fLineTasks.WaitIdle();
  fOutput.Drain();
  fStreams.err("qmark concord: '" + textcore::StringToUTF8(fFiles[file].name) + "': " + note +
               "\n");
}

void ConcordRun::Problem(const String &name, const std::string &reason) {
  fLineTasks.WaitIdle();
  fOutput.Drain();
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
  // The words around a hit, and markup, need every window's classes.
  fSearch.Prepare(
      fWindowing.plain && !fOptions.markup &&
      std::none_of(fOptions.sort.begin(), fOptions.sort.end(), [](const ConcordSortLevel &level) {
        return level.key >= kKeyLeft1 && level.key <= kKeyRight5;
      }));
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
      std::make_unique<ConcordWriter>(fOptions.format, fOptions.width, file_width, fOutput.Sink());
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
                          const ConcordLine &line) {
  SortKeys &keys = fKeys.emplace_back();
  for (size_t level = 0; level < fOptions.sort.size(); ++level) {
    const ConcordKey key = fOptions.sort[level].key;
    int64_t &value = keys[level];
    if (key == kKeyFile)
      value = static_cast<int64_t>(file);
    else if (key == kKeyPosition)
      value = line.offset;
    else if (key == kKeyHit)
      value = fWordRanks.Id(fHit);
    else if (key <= kKeyLeft5)
      value = fWordRanks.Id(context.WordBefore(hit.position, key - kKeyLeft1 + 1));
    else
      value = fWordRanks.Id(context.WordAfter(hit.position + hit.length, key - kKeyRight1 + 1));
  }
  fFormatted.clear();
  fWriter->Format(line, fFormatted);
  fKept.push_back(fStore.Add(fFormatted));
}

void ConcordRun::SearchWindow(size_t file, const textcore::TTextWindow &window,
                              const textcore::TTextWindowSpan &span) {
  fMerged += fSearch.Run(fFiles[file].name, window, span, fHits);
  for (const ConcordHit &hit : fHits)
    ++fHitsPerWord[static_cast<size_t>(hit.word)];
  if (fOptions.count) {
    std::vector<int64_t> &counts = fCounts.back().second;
    for (const ConcordHit &hit : fHits)
      ++counts[static_cast<size_t>(hit.word)];
    return;
  }
  if (!fLinesApart)
    MakeLines(file, window, span, fHits);
}

void ConcordRun::MakeLines(size_t file, const textcore::TTextWindow &window,
                           const textcore::TTextWindowSpan &span,
                           const std::vector<ConcordHit> &hits) {
  const textcore::StringView units(window.Units());
  const ConcordContext context(units, window.Classes(), fOptions.markup, fOptions.width,
                               fWindowing.reach);
  textcore::TLineCounter counter = span.at_from;
  size_t counted_to = span.from;
  for (const ConcordHit &hit : hits) {
    const size_t position = static_cast<size_t>(hit.position);
    counter.Pass(units.substr(counted_to, position - counted_to));
    counted_to = position;
    context.Pieces(hit, fLeft, fHit, fRight);
    const ConcordLine line{fFiles[file].name,
                           counter.Line(),
                           counter.Column(),
                           window.Base() + hit.position,
                           fWords.Sought()[static_cast<size_t>(hit.word)]->typed_in_text,
                           fLeft,
                           fHit,
                           fRight};
    if (fInSearchOrder)
      fWriter->Write(line);
    else
      KeepLine(file, context, hit, line);
  }
}

void ConcordRun::MakeLinesOfTasks() {
  for (;;) {
    LineTask task = fLineTasks.Pop();
    if (task.end) {
      fLineTasks.Done();
      return;
    }
    try {
      if (!fLinesFailure)
        MakeLines(task.file, *task.window, task.span, task.hits);
    } catch (...) {
      fLinesFailure = std::current_exception();
    }
    fEvents.GiveBack(std::move(task.window));
    fLineTasks.Done();
  }
}

void ConcordRun::ReadFile(size_t file, textcore::TTextWindowReader &reader) {
  std::string reason;
  const std::unique_ptr<textcore::TStream> stream = OpenInputStream(fFiles[file], reason);
  if (!stream) {
    fEvents.Push({ReadEvent::kProblem, file, reason, nullptr, {}});
    return;
  }
  const textcore::TTextDecision decision = reader.Begin(*stream);
  if (decision.encoding == textcore::te_none) {
    fEvents.Push({ReadEvent::kNote,
                  file,
                  std::string(NotTextKind(decision.not_text)) +
                      ", passed over (--binary searches it as text)",
                  nullptr,
                  {}});
    return;
  }
  if (decision.ill_formed > 0)
    fEvents.Push(
        {ReadEvent::kNote,
         file,
         "read as UTF-8 with " +
             (decision.ill_formed == 1
                  ? std::string("1 byte that is not UTF-8 (shown as U+FFFD), at byte ")
                  : std::to_string(decision.ill_formed) +
                        " stretches of bytes that are not UTF-8 (each shown as U+FFFD), the "
                        "first at byte ") +
             std::to_string(decision.first_ill_formed),
         nullptr,
         {}});
  fEvents.Push({ReadEvent::kText, file, {}, nullptr, {}});
  ReadEvent event{ReadEvent::kWindow, file, {}, fEvents.Spare(), {}};
  while (!fEvents.Stopped() && reader.Next(event.window, event.span)) {
    fEvents.Push(std::move(event));
    event = {ReadEvent::kWindow, file, {}, fEvents.Spare(), {}};
  }
}

std::unique_ptr<textcore::TTextWindowReader> ConcordRun::MakeReader() const {
  textcore::TTextClassRules rules;
  rules.lcid = fOptions.lcid;
  rules.middles = fOptions.middles;
  rules.markup = fOptions.markup;
  rules.pairs = fOptions.markup_pairs;
  rules.reach = fWindowing.reach;
  rules.classify = !fSearch.ClassifiesItself();
  textcore::TTextWindowSizes sizes;
  sizes.window_units = fWindowing.window_units;
  sizes.read_bytes = fWindowing.read_bytes;
  sizes.longest_hit = fWindowing.longest_hit;
  return std::make_unique<textcore::TTextWindowReader>(
      rules, sizes, textcore::LCIDToCodePage(fOptions.lcid), fOptions.binary);
}

void ConcordRun::ReadFiles() {
  for (size_t file = 0; file < fFiles.size() && !fEvents.Stopped(); ++file) {
    try {
      ReadFile(file, *fReader);
    } catch (const std::exception &e) {
      fEvents.Push({ReadEvent::kProblem, file, e.what(), nullptr, {}});
    }
  }
  fEvents.Push({});
}

void ConcordRun::Search() {
  // A file whose search failed has its other windows passed over.
  size_t failed = fFiles.size();
  for (;;) {
    ReadEvent event = fEvents.Pop();
    const size_t file = event.file;
    switch (event.kind) {
    case ReadEvent::kFinished:
      return;
    case ReadEvent::kProblem:
      Problem(fFiles[file].name, event.message);
      break;
    case ReadEvent::kNote:
      Note(file, event.message);
      break;
    case ReadEvent::kText:
      Progress(file, false);
      ++fFilesSearched;
      if (fOptions.count)
        fCounts.emplace_back(file, std::vector<int64_t>(fHitsPerWord.size()));
      break;
    case ReadEvent::kWindow:
      if (file != failed) {
        try {
          SearchWindow(file, *event.window, event.span);
          if (fSearch.WantsClassifiedWindows())
            fReader->ClassifyFromNow();
          if (fLinesApart) {
            // The line maker hands the window back once its lines are written.
            fLineTasks.Push({file, std::move(event.window), event.span, std::move(fHits), false});
            Progress(file, false);
            break;
          }
        } catch (const std::exception &e) {
          Problem(fFiles[file].name, e.what());
          failed = file;
        }
      }
      fEvents.GiveBack(std::move(event.window));
      Progress(file, false);
      break;
    }
  }
}

void ConcordRun::WriteKeptLines() {
  if (fKept.empty())
    return;
  RankWordKeys(fKeys, fOptions.sort, fWordRanks, fOptions.lcid);
  const std::vector<int32_t> order = ConcordSortList(fKeys, fOptions.sort).SortedOrder();
  for (int32_t index : order)
    fWriter->WriteFormatted(fStore.Line(fKept[static_cast<size_t>(index)]));
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
  fReader = MakeReader();
  fLinesApart = fInSearchOrder && !fOptions.count;
  std::thread reading([this] { ReadFiles(); });
  std::thread lines;
  if (fLinesApart)
    lines = std::thread([this] { MakeLinesOfTasks(); });
  const auto finish = [&] {
    if (fLinesApart) {
      fLineTasks.Push({0, nullptr, {}, {}, true});
      lines.join();
    }
  };
  try {
    Search();
  } catch (...) {
    fEvents.Stop();
    reading.join();
    finish();
    throw;
  }
  reading.join();
  finish();
  if (fLinesFailure)
    std::rethrow_exception(fLinesFailure);
  Progress(fFiles.size(), true);
  if (fOptions.count)
    WriteCounts();
  else
    WriteKeptLines();
  fWriter->End();
  fOutput.Drain();
  Summary();
  return fHadProblem ? kBadInput : kSuccess;
}

} // namespace

void SetConcordWindowing(const ConcordWindowing &windowing) { Windowing() = windowing; }

int RunConcord(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<ConcordOptions>(
      args, streams, "concord", ConcordHelp(), ParseConcordOptions,
      [&streams](const ConcordOptions &options) { return ConcordRun(options, streams).Run(); });
}

int RunConcordCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunConcord, args, "concord");
}

} // namespace qmark
