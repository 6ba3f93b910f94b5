// The options of the commands that read texts for their words (concord, wordlist): which files,
// in which language, and how words and markup are told. Every such command reads them the same
// way and says the same of them in its help.
#pragma once

#include "files/text_windows.h"
#include "platform/nls_locale_ids.h"
#include "platform/strings.h"
#include "search/search_word_format.h"
#include "tools/qmark/input_files.h"
#include "tools/qmark/option_parsing.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qmark {

struct TextOptions {
  std::vector<std::string> paths; // as typed: bytes of the names on disk
  textcore::String mask = u"*.txt";
  textcore::String exclude; // folders left out of walks
  bool zips = true;         // zip members in folders are read
  bool hidden = false;      // hidden files in folders are read
  textcore::LCID lcid = 0;  // the user's locale once the options are read
  textcore::String middles = u"'\u2019-";
  bool markup = false;
  // The markup pairs, six opening characters then six closing ones (zero for none); "<" and ">"
  // unless --markup-pairs names others.
  textcore::TIgnore_tag_type markup_pairs{u'<', 0, 0, 0, 0, 0, u'>', 0, 0, 0, 0, 0};
  bool binary = false;    // read files that are no text (archives, NUL bytes) as 8-bit text
  std::string favourites; // a favourites file whose texts are read too (bytes of its path)
};

// Walks the arguments of a command that reads texts: the text options into options, every other
// option to own (with the index of its argument, as WalkArguments gives it), the rest into
// positional. Unless help was asked for, the user's locale stands in for a --lang not given.
bool WalkTextCommand(std::span<const std::string> args, TextOptions &options, const bool &help,
                     const std::function<bool(const OptionArgument &option, size_t &i)> &own,
                     std::vector<std::string> &positional, std::string &error);

// WalkTextCommand for a command whose options (TextOptions with a help flag) take its own with
// parse(args, i, option, options, error). Unless help was asked for, at least `least` positional
// arguments must come: else the error is none_given when none came, too_few when some did.
template <class Options, class Parse>
bool WalkCommand(std::span<const std::string> args, Options &options, Parse parse, size_t least,
                 std::string_view none_given, std::string_view too_few,
                 std::vector<std::string> &positional, std::string &error) {
  if (!WalkTextCommand(
          args, options, options.help,
          [&](const OptionArgument &option, size_t &i) {
            return parse(args, i, option, options, error);
          },
          positional, error))
    return false;
  // A favourites file stands for the paths.
  if (options.help || positional.size() + (options.favourites.empty() ? 0 : 1) >= least)
    return true;
  error = positional.empty() ? none_given : too_few;
  return false;
}

// The help of such a command: its usage up to "Options:", the text options, then its own.
std::string TextCommandHelp(std::string_view usage, std::string_view own_options);

// The walk of the folders that the options ask for; false, with the reason, when --mask names
// no file.
bool WalkOf(const TextOptions &options, WalkOptions &walk, std::string &error);
// What a reader says of a text as it begins it: why it is passed over (no text), or how many
// bytes were not UTF-8; empty when there is nothing to say.
std::string DecisionNote(const textcore::TTextDecision &decision);

// How the texts' characters are classified into words, markup and the rest.
textcore::TTextClassRules ClassRulesOf(const TextOptions &options);

} // namespace qmark
