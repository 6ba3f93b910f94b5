#include "tools/qmark/word_counting.h"

#include "files/text_windows.h"
#include "platform/nls_code_pages.h"
#include "search/buffer_matcher_classes.h"
#include "tools/qmark/concord.h"

#include <chrono>

namespace qmark {

using textcore::String;
using textcore::StringView;

namespace {

// The words that start in a window's stretch: runs of word characters, markup passed over inside
// them (it is no part of a word). A word runs on at most to the window's end, which lies at
// least the line reach beyond the stretch.
void CountWords(const textcore::TTextWindow &window, const textcore::TTextWindowSpan &span,
                int64_t text, WordCounts &counts, String &word) {
  using namespace textcore::match_class;
  const uint16_t *classes = window.Classes();
  const char16_t *units = window.Units().data();
  const size_t size = window.Size();
  auto in_word = [&](size_t i) { return ExtendsWord(classes[i]) && !IsMarkup(classes[i]); };
  // Whether the unit before i continues a word (markup between passed over).
  auto continues = [&](size_t i) {
    while (i > 0 && IsMarkup(classes[i - 1]))
      --i;
    return i > 0 && in_word(i - 1);
  };
  for (size_t i = span.from; i < span.to; ++i) {
    if (!in_word(i) || continues(i))
      continue;
    word.clear();
    size_t j = i;
    for (;;) {
      while (j < size && in_word(j))
        word.push_back(units[j++]);
      size_t k = j;
      while (k < size && IsMarkup(classes[k]))
        ++k;
      if (k == j || k >= size || !in_word(k))
        break;
      j = k;
    }
    counts.Add(word, text);
    i = j - 1 < span.to ? j - 1 : span.to;
  }
}

} // namespace

CountResult CountTexts(const TextOptions &options, std::string_view command,
                       const CommandStreams &streams, WordCounts &counts, int64_t &texts) {
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
  String word;
  auto last_progress = std::chrono::steady_clock::time_point{};
  for (size_t f = 0; f < files.size(); ++f) {
    if (streams.show_progress &&
        std::chrono::steady_clock::now() - last_progress > std::chrono::milliseconds(100)) {
      last_progress = std::chrono::steady_clock::now();
      streams.err("\r\x1b[K" + name + "file " + std::to_string(f + 1) + " of " +
                  std::to_string(files.size()) + ", " + std::to_string(counts.Tokens()) + " words");
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
        CountWords(*window, span, texts, counts, word);
      ++texts;
    } catch (const std::exception &e) {
      problem(files[f].name, e.what());
    }
  }
  if (streams.show_progress)
    streams.err("\r\x1b[K");
  return had_problem ? CountResult::kProblem : CountResult::kDone;
}

} // namespace qmark
