// The options of the commands that read texts for their words.
#include "tools/qmark/text_options.h"

#include "definitions/ignore_tag_strings.h"
#include "search/wide_masks.h"

#include <algorithm>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kHelp =
    R"(  --mask MASKS      File names to read in folders and archives, ";" between masks (default
                    *.txt); case is ignored. A word-processor document (.docx), named or found
                    by a mask ('*.txt;*.docx'), is read for the text of its paragraphs.
  --exclude MASKS   Folders to leave out of walks, ";" between masks: a name ("old") leaves out
                    every folder of that name at any depth, an absolute path that folder alone.
  --no-zips         Read no zip members in folders.
  --hidden          Read hidden files in folders too (hidden folders are never entered).
  --favourites FILE Read the texts of a favourites file too (as 'qmark files --save' writes
                    it), each as if it were named; then no PATH is needed.
  --binary          Read files that are no text (archives, NUL bytes) as 8-bit text too.
  --lang L          The language of the texts: an LCID (1033, 0x419) or a locale name (en-GB,
                    de_DE, ru). It decides the code page of 8-bit files and the sort order.
                    Default: the user's locale (LC_ALL, LC_CTYPE or LANG).
  --middles CHARS   Characters that join the letters around them into one word (default ' U+2019
                    and -), so "don't" and "well-known" are single words; at the start or end of
                    a word they stay punctuation. --middles "" turns this off.
  --markup          Treat everything from "<" to the next ">" as markup: it is never part of a
                    word (nor of a hit), and is left out of what is shown.
  --markup-pairs P  The markup pairs, each its opening character, "*" and its closing one,
                    "," between pairs (up to six): '<*>,[*]' makes "[...]" markup too. Turns
                    --markup on.
)";

bool ParseMarkupPairs(const std::string &text, TextOptions &options, std::string &error) {
  options.markup_pairs = textcore::StringToIgnoreTag_Type(textcore::UTF8ToString(text));
  options.markup = true;
  if (options.markup_pairs[0] == 0)
    error = "--markup-pairs names no pair: give each as its opening character, \"*\" and its "
            "closing one, \",\" between pairs ('<*>,[*]')";
  return error.empty();
}

// One of the text options, as typed at args[i]: false when it is none of them. When it is one,
// ok says whether its value was good (error says why not).
bool ParseTextOption(std::span<const std::string> args, size_t &i, const OptionArgument &typed,
                     TextOptions &options, bool &ok, std::string &error) {
  const std::string &name = typed.name;
  auto flag = [&](bool &target) {
    ok = TakeFlag(typed, target, error);
    return true;
  };
  if (name == "--markup")
    return flag(options.markup);
  if (name == "--binary")
    return flag(options.binary);
  if (name == "--hidden")
    return flag(options.hidden);
  if (name == "--no-zips") {
    bool no_zips = false;
    flag(no_zips);
    options.zips = !no_zips;
    return true;
  }
  if (name != "--mask" && name != "--exclude" && name != "--lang" && name != "--middles" &&
      name != "--markup-pairs" && name != "--favourites")
    return false;
  std::string value;
  ok = TakeValue(args, i, name, typed.inline_value, value, error);
  if (!ok)
    return true;
  if (name == "--mask")
    options.mask = textcore::UTF8ToString(value);
  else if (name == "--exclude")
    options.exclude = textcore::UTF8ToString(value);
  else if (name == "--favourites")
    options.favourites = value;
  else if (name == "--markup-pairs")
    ok = ParseMarkupPairs(value, options, error);
  else if (name == "--middles")
    options.middles = textcore::UTF8ToString(value);
  else
    ok = ParseLanguage(value, options.lcid, error);
  return true;
}

} // namespace

bool WalkTextCommand(std::span<const std::string> args, TextOptions &options, const bool &help,
                     const std::function<bool(const OptionArgument &option, size_t &i)> &own,
                     std::vector<std::string> &positional, std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    bool ok = true;
    if (ParseTextOption(args, i, typed, options, ok, error))
      return ok;
    return own(typed, i);
  };
  if (!WalkArguments(args, positional, option, error))
    return false;
  if (!help && options.lcid == 0)
    options.lcid = textcore::GetUserDefaultLCID();
  return true;
}

std::string TextCommandHelp(std::string_view usage, std::string_view own_options) {
  return std::string(usage) + std::string(kHelp) + std::string(own_options);
}

bool WalkOf(const TextOptions &options, WalkOptions &walk, std::string &error) {
  textcore::TWideMasks masks;
  textcore::BuildAMask(masks, options.mask);
  if (std::all_of(masks.begin(), masks.end(), [](const String &m) { return m.empty(); })) {
    error = "--mask names no file";
    return false;
  }
  walk.mask = options.mask;
  walk.exclude = options.exclude;
  walk.zips = options.zips;
  walk.hidden = options.hidden;
  walk.favourites = options.favourites;
  return true;
}

std::string DecisionNote(const textcore::TTextDecision &decision) {
  if (decision.encoding == textcore::te_none) {
    const char *kind = "not a text (it holds NUL bytes)";
    if (decision.not_text == textcore::ntr_archive)
      kind = "a zip archive, not a text";
    else if (decision.not_text == textcore::ntr_storage)
      kind = "a compound storage file (a word-processor document), not a text";
    else if (decision.not_text == textcore::ntr_word)
      kind = "an early word-processor document, not a text";
    return std::string(kind) + ", passed over (--binary reads it as text)";
  }
  if (decision.ill_formed == 0)
    return {};
  return "read as UTF-8 with " +
         (decision.ill_formed == 1
              ? std::string("1 byte that is not UTF-8 (shown as U+FFFD), at byte ")
              : std::to_string(decision.ill_formed) +
                    " stretches of bytes that are not UTF-8 (each shown as U+FFFD), the first "
                    "at byte ") +
         std::to_string(decision.first_ill_formed);
}

textcore::TTextClassRules ClassRulesOf(const TextOptions &options) {
  textcore::TTextClassRules rules;
  rules.lcid = options.lcid;
  rules.middles = options.middles;
  rules.markup = options.markup;
  rules.pairs = options.markup_pairs;
  return rules;
}

} // namespace qmark
