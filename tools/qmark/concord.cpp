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
#include "tools/qmark/colours.h"
#include "tools/qmark/concord_lines.h"
#include "tools/qmark/concord_options.h"
#include "tools/qmark/concord_output.h"
#include "tools/qmark/concord_picture.h"
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

ConcordWindowing &Windowing() {
  static ConcordWindowing windowing;
  return windowing;
}

constexpr size_t kReadingThreads = 2;

// What a reading thread hands the searching one about a file; kEnded is its last.
struct ReadEvent {
  enum Kind : uint8_t { kProblem, kNote, kText, kWindow, kEnded } kind = kEnded;
  size_t file = 0;
  std::string message; // a problem or a note
  std::unique_ptr<textcore::TTextWindow> window;
  textcore::TTextWindowSpan span;
};

// The events between the reading threads and the searching one, and the windows searched handed
// back for reuse. Each lane has a reading thread of its own, which claims the next file to read
// when it is done with one, so that a lane holds its files' events in order and the searching
// thread takes them file by file from the lane that claimed each. Once one reader is enough (the
// search, not the reading, is the work), the others claim no more. The readers stay only a little
// ahead: windows wait while those of all lanes hold at most kWaitingBytes between them (one a lane
// always may), so that windows quickly searched are kept several in hand and the reader of the next
// file goes on while this one is searched, while windows classified for a common word, twice the
// size, are fewer.
class ReadEvents {
public:
  // Before any reader starts.
  void SetLanes(size_t lanes, size_t files) {
    fLanes = std::vector<Lane>(std::max<size_t>(lanes, 1));
    fLaneOf.assign(files, kUnclaimed);
  }
  size_t Lanes() const { return fLanes.size(); }
  // The next file for the lane's reader to read, or none (npos).
  size_t Claim(size_t lane) {
    std::lock_guard lock(fGuard);
    if (fStopped || fClaimed == fLaneOf.size() || (lane > 0 && fOneReader))
      return std::string::npos;
    fLaneOf[fClaimed] = static_cast<uint8_t>(lane);
    fClaimedChanged.notify_all();
    return fClaimed++;
  }
  void OneReaderFromNow() {
    std::lock_guard lock(fGuard);
    fOneReader = true;
  }
  void Push(ReadEvent event) {
    std::unique_lock lock(fGuard);
    Lane &lane = fLanes[fLaneOf[event.file]];
    if (event.kind == ReadEvent::kWindow) {
      const size_t bytes = WindowBytes(*event.window);
      fRoom.wait(lock, [&] {
        return fStopped || lane.waiting_bytes == 0 || fWaitingBytes + bytes <= kWaitingBytes;
      });
      lane.waiting_bytes += bytes;
      fWaitingBytes += bytes;
    }
    if (fStopped)
      return;
    lane.events.push_back(std::move(event));
    lane.ready.notify_one();
  }
  // The next event of the file, which must be the first of its lane not yet ended.
  ReadEvent Pop(size_t file) {
    std::unique_lock lock(fGuard);
    fClaimedChanged.wait(lock, [&] { return fLaneOf[file] != kUnclaimed; });
    Lane &lane = fLanes[fLaneOf[file]];
    lane.ready.wait(lock, [&] { return !lane.events.empty(); });
    ReadEvent event = std::move(lane.events.front());
    lane.events.pop_front();
    if (event.kind == ReadEvent::kWindow) {
      const size_t bytes = WindowBytes(*event.window);
      lane.waiting_bytes -= bytes;
      fWaitingBytes -= bytes;
      fRoom.notify_all();
    }
    return event;
  }
  // The readers give up at their next event: the search has ended early.
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
  static constexpr size_t kWaitingBytes = size_t{12} << 20;
  // What a window holds; a window waiting is not changed, so it is the same when it is taken.
  static size_t WindowBytes(const textcore::TTextWindow &window) {
    return window.Size() * (window.Classifies() ? 4 : 2);
  }
  struct Lane {
    std::condition_variable ready;
    std::deque<ReadEvent> events;
    size_t waiting_bytes = 0;
  };
  static constexpr uint8_t kUnclaimed = 0xFF;
  std::mutex fGuard;
  std::condition_variable fRoom, fClaimedChanged;
  std::vector<uint8_t> fLaneOf; // of each file, once claimed
  size_t fClaimed = 0;          // the files claimed, which are the first ones
  bool fOneReader = false;
  size_t fWaitingBytes = 0; // in all lanes
  std::vector<Lane> fLanes = std::vector<Lane>(1);
  std::vector<std::unique_ptr<textcore::TTextWindow>> fSpares;
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
// order: one window may wait while the lines of the one before are made, so that neither thread
// waits on a pause of the other, and no more windows are held than that.
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
  // The reading thread of a lane.
  void ReadFiles(size_t lane);
  void ReadFile(size_t file, textcore::TTextWindowReader &reader);
  void Search();
  void SearchFile(size_t file);
  void SearchWindow(size_t file, const textcore::TTextWindow &window,
                    const textcore::TTextWindowSpan &span);
  // The lines of a window searched: written in search order, else kept.
  void MakeLines(size_t file, const textcore::TTextWindow &window,
                 const textcore::TTextWindowSpan &span, const std::vector<ConcordHit> &hits);
  // The thread that makes and writes the lines in search order.
  void MakeLinesOfTasks();
  void KeepLine(size_t file, const ConcordContext &context, const ConcordHit &hit,
                const ConcordLine &line);
  // The line as the picture draws it, with the words of the first two sort keys.
  ConcordPictureLine PictureLine(const ConcordContext &context, const ConcordHit &hit) const;
  int SavePicture();
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
  // With --png the lines go here instead of to the writer.
  std::unique_ptr<ConcordPicture> fPicture;
  ReadEvents fEvents;
  // One a lane.
  std::vector<std::unique_ptr<textcore::TTextWindowReader>> fReaders;
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
  ConcordPieces fPieces;
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
  WalkOptions walk;
  if (!WalkOf(fOptions, walk, error)) {
    fStreams.err("qmark concord: " + error + "\n");
    return false;
  }
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
      value = fWordRanks.Id(fPieces.hit);
    else if (key <= kKeyLeft5)
      value = fWordRanks.Id(context.WordBefore(hit.position, key - kKeyLeft1 + 1));
    else
      value = fWordRanks.Id(context.WordAfter(hit.position + hit.length, key - kKeyRight1 + 1));
  }
  fFormatted.clear();
  if (fPicture)
    ConcordPicture::Format(PictureLine(context, hit), fFormatted);
  else
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
    context.Pieces(hit, fPieces);
    const ConcordLine line{fFiles[file].name,
                           counter.Line(),
                           counter.Column(),
                           window.Base() + hit.position,
                           fWords.Sought()[static_cast<size_t>(hit.word)]->typed_in_text,
                           fPieces.left,
                           fPieces.hit,
                           fPieces.right};
    if (fInSearchOrder && fPicture)
      fPicture->Add(PictureLine(context, hit));
    else if (fInSearchOrder)
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
  const std::string note = DecisionNote(decision);
  if (!note.empty())
    fEvents.Push({ReadEvent::kNote, file, note, nullptr, {}});
  if (decision.encoding == textcore::te_none)
    return;
  fEvents.Push({ReadEvent::kText, file, {}, nullptr, {}});
  ReadEvent event{ReadEvent::kWindow, file, {}, fEvents.Spare(), {}};
  while (!fEvents.Stopped() && reader.Next(event.window, event.span)) {
    fEvents.Push(std::move(event));
    event = {ReadEvent::kWindow, file, {}, fEvents.Spare(), {}};
  }
}

std::unique_ptr<textcore::TTextWindowReader> ConcordRun::MakeReader() const {
  textcore::TTextClassRules rules = ClassRulesOf(fOptions);
  rules.reach = fWindowing.reach;
  rules.classify = !fSearch.ClassifiesItself();
  auto reader = std::make_unique<textcore::TTextWindowReader>(
      rules, WindowSizesOf(fWindowing), textcore::LCIDToCodePage(fOptions.lcid), fOptions.binary);
  // Plain words cannot stand where their letters do not: what lies far from them goes unread.
  if (fSearch.ClassifiesItself() && fWindowing.skip) {
    std::vector<textcore::TWordForms> words;
    for (const textcore::TSearch_word_format_rec *word : fWords.Sought())
      words.push_back(textcore::PlainWordForms(*word));
    reader->SkipFarFrom(std::move(words));
  }
  return reader;
}

void ConcordRun::ReadFiles(size_t lane) {
  for (size_t file; (file = fEvents.Claim(lane)) != std::string::npos;) {
    try {
      ReadFile(file, *fReaders[lane]);
    } catch (const std::exception &e) {
      fEvents.Push({ReadEvent::kProblem, file, e.what(), nullptr, {}});
    }
    fEvents.Push({ReadEvent::kEnded, file, {}, nullptr, {}});
  }
}

void ConcordRun::Search() {
  for (size_t file = 0; file < fFiles.size(); ++file)
    SearchFile(file);
}

void ConcordRun::SearchFile(size_t file) {
  // Once a window's search fails, the file's other windows are passed over.
  bool failed = false;
  for (;;) {
    ReadEvent event = fEvents.Pop(file);
    switch (event.kind) {
    case ReadEvent::kEnded:
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
      if (!failed) {
        try {
          SearchWindow(file, *event.window, event.span);
          if (fSearch.WantsClassifiedWindows()) {
            for (const auto &reader : fReaders)
              reader->ClassifyFromNow();
            fEvents.OneReaderFromNow();
          }
          if (fLinesApart) {
            // The line maker hands the window back once its lines are written.
            fLineTasks.Push({file, std::move(event.window), event.span, std::move(fHits), false});
            Progress(file, false);
            break;
          }
        } catch (const std::exception &e) {
          Problem(fFiles[file].name, e.what());
          failed = true;
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
  for (int32_t index : order) {
    const std::string_view line = fStore.Line(fKept[static_cast<size_t>(index)]);
    if (fPicture)
      fPicture->AddFormatted(line);
    else
      fWriter->WriteFormatted(line);
  }
}

ConcordPictureLine ConcordRun::PictureLine(const ConcordContext &context,
                                           const ConcordHit &hit) const {
  ConcordPictureLine line{fPieces.left, fPieces.hit, fPieces.right, {}};
  for (size_t level = 0; level < std::min<size_t>(2, fOptions.sort.size()); ++level) {
    const ConcordKey key = fOptions.sort[level].key;
    if (key >= kKeyLeft1 && key <= kKeyLeft5)
      line.sort_words[level] = context.ShownWordSpan(hit, -(key - kKeyLeft1 + 1));
    else if (key >= kKeyRight1 && key <= kKeyRight5)
      line.sort_words[level] = context.ShownWordSpan(hit, key - kKeyRight1 + 1);
  }
  return line;
}

int ConcordRun::SavePicture() {
  std::string error;
  if (!fPicture->Save(fOptions.png, error)) {
    fStreams.err("qmark concord: " + error + "\n");
    return kBadInput;
  }
  if (fPicture->Lines() > ConcordPicture::kMaxLines)
    fStreams.err("qmark concord: the picture shows the first " +
                 std::to_string(ConcordPicture::kMaxLines) + " of " +
                 std::to_string(fPicture->Lines()) + " lines\n");
  fStreams.out(fOptions.png + "\n");
  return kSuccess;
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
  // The scheme is read first: a file that cannot be read is bad input, and nothing is searched.
  textcore::colour_and_typeface_rec scheme = textcore::global_colours_and_typefaces;
  std::string error;
  if (!fOptions.scheme.empty() && !ReadColourScheme(fOptions.scheme, scheme, error)) {
    fStreams.err("qmark concord: " + error + "\n");
    return kBadInput;
  }
  if (!Prepare())
    return kBadUsage;
  if (!fOptions.png.empty())
    fPicture = std::make_unique<ConcordPicture>(scheme, fOptions.png_width, fOptions.lcid);
  else if (fOptions.format == OutputFormat::kText && !fOptions.count &&
           ShowColours(fOptions.colour, fStreams))
    fWriter->SetColours(scheme);
  if (!fOptions.count && !fPicture)
    fWriter->Begin();
  // Two files are read at once, so that reading, which is most of the work for a rare word, takes
  // both cores.
  fEvents.SetLanes(std::min<size_t>(kReadingThreads, std::max<size_t>(fFiles.size(), 1)),
                   fFiles.size());
  for (size_t lane = 0; lane < fEvents.Lanes(); ++lane)
    fReaders.push_back(MakeReader());
  fLinesApart = fInSearchOrder && !fOptions.count;
  std::vector<std::thread> reading;
  for (size_t lane = 0; lane < fEvents.Lanes(); ++lane)
    reading.emplace_back([this, lane] { ReadFiles(lane); });
  const auto stop_reading = [&] {
    for (std::thread &reader : reading)
      reader.join();
  };
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
    stop_reading();
    finish();
    throw;
  }
  stop_reading();
  finish();
  if (fLinesFailure)
    std::rethrow_exception(fLinesFailure);
  Progress(fFiles.size(), true);
  if (fOptions.count)
    WriteCounts();
  else
    WriteKeptLines();
  if (!fPicture)
    fWriter->End();
  fOutput.Drain();
  const int drawn = fPicture ? SavePicture() : kSuccess;
  Summary();
  return fHadProblem ? kBadInput : drawn;
}

} // namespace

void SetConcordWindowing(const ConcordWindowing &windowing) { Windowing() = windowing; }

ConcordWindowing CurrentConcordWindowing() { return Windowing(); }

textcore::TTextWindowSizes WindowSizesOf(const ConcordWindowing &windowing) {
  textcore::TTextWindowSizes sizes;
  sizes.window_units = windowing.window_units;
  sizes.read_bytes = windowing.read_bytes;
  sizes.kept_bytes = windowing.kept_bytes;
  sizes.longest_hit = windowing.longest_hit;
  return sizes;
}

int RunConcord(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<ConcordOptions>(
      args, streams, "concord", ConcordHelp(), ParseConcordOptions,
      [&streams](const ConcordOptions &options) { return ConcordRun(options, streams).Run(); });
}

int RunConcordCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunConcord, args, "concord");
}

} // namespace qmark
