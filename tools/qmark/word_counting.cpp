#include "tools/qmark/word_counting.h"

#include "files/text_windows.h"
#include "platform/nls_code_pages.h"
#include "tools/qmark/concord.h"

#include <chrono>

namespace qmark {

using textcore::String;

CountResult ReadTexts(const TextOptions &options, std::string_view command,
                      const CommandStreams &streams, const std::function<std::string()> &progress,
                      const TextWindowVisitor &visit, int64_t &texts) {
  const std::string name = "qmark " + std::string(command) + ": ";
  bool had_problem = false;
  const auto problem = [&](const String &file, const std::string &reason) {
    had_problem = true;
    streams.err(file.empty() ? name + reason + "\n"
                             : name + "cannot read '" + textcore::StringToUTF8(file) +
                                   "': " + reason + "\n");
  };
  WalkOptions walk;
  std::string error;
  if (!WalkOf(options, walk, error)) {
    streams.err(name + error + "\n");
    return CountResult::kBadUsage;
  }
  const std::vector<InputFile> files = ListInputFiles(options.paths, walk, problem);
  const ConcordWindowing windowing = CurrentConcordWindowing();
  textcore::TTextClassRules rules = ClassRulesOf(options);
  rules.reach = windowing.reach;
  textcore::TTextWindowReader reader(rules, WindowSizesOf(windowing),
                                     textcore::LCIDToCodePage(options.lcid), options.binary);
  std::unique_ptr<textcore::TTextWindow> window;
  textcore::TTextWindowSpan span;
  auto last_progress = std::chrono::steady_clock::time_point{};
  for (size_t f = 0; f < files.size(); ++f) {
    if (streams.show_progress &&
        std::chrono::steady_clock::now() - last_progress > std::chrono::milliseconds(100)) {
      last_progress = std::chrono::steady_clock::now();
      streams.err("\r\x1b[K" + name + "file " + std::to_string(f + 1) + " of " +
                  std::to_string(files.size()) + ", " + progress());
    }
    try {
      std::string reason;
      const std::unique_ptr<textcore::TStream> stream = OpenInputStream(files[f], reason);
      if (!stream) {
        problem(files[f].name, reason);
        continue;
      }
      const textcore::TTextDecision decision = reader.Begin(*stream);
      const std::string note = DecisionNote(decision);
      if (!note.empty())
        streams.err(name + "'" + textcore::StringToUTF8(files[f].name) + "': " + note + "\n");
      if (decision.encoding == textcore::te_none)
        continue;
      while (reader.Next(window, span))
        visit(files[f], *window, span, texts);
      ++texts;
    } catch (const std::exception &e) {
      problem(files[f].name, e.what());
    }
  }
  if (streams.show_progress)
    streams.err("\r\x1b[K");
  return had_problem ? CountResult::kProblem : CountResult::kDone;
}

CountResult CountTexts(const TextOptions &options, std::string_view command,
                       const CommandStreams &streams, WordCounts &counts, int64_t &texts) {
  String word;
  return ReadTexts(
      options, command, streams, [&] { return std::to_string(counts.Tokens()) + " words"; },
      [&](const InputFile &, const textcore::TTextWindow &window,
          const textcore::TTextWindowSpan &span, int64_t text) {
        ForEachWord(window, span, word,
                    [&](const String &found, size_t, size_t) { counts.Add(found, text); });
      },
      texts);
}

} // namespace qmark
