// qmark colours over the colour scheme, its settings text and the platform's settings files.
#include "tools/qmark/colours.h"

#include "colour/colour_utils.h"
#include "platform/encoding.h"
#include "platform/mem_ini_file.h"
#include "platform/string_list.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/terminal_colours.h"

#include <sys/stat.h>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kSection = "Colours";

constexpr std::string_view kHelp =
    R"(Usage: qmark colours [options]

Prints the colour scheme of the suite's displays: for each display role (normal text, the
search word, sort words, tags, deleted entries, ...) its foreground and background colours and
its typeface, as the settings text the tools save and read:

  [Colours]
  normal text=Black on White; typeface:
  deleted=109,109,109 on White; typeface:strikeout
  ...

A colour is one of the suite's colour names ("Red", "V. Dark Green", "light gray") or its red,
green and blue values ("255,0,0"); the typeface lists bold, italics, underline and strikeout
without separators. The defaults come from the system's colours (fixed ones without a desktop).
Edit the text and give it to --scheme, here or to qmark concord --colour.

Options:
  --scheme FILE     Read the roles that FILE names (UTF-8, as printed here) over the defaults,
                    then print the scheme.
  --colour WHEN     auto (default: on a terminal), always or never: show each role's line in its
                    own colours.
  -h, --help        Show this help and exit.

Exit status: 0 on success, 1 when the scheme file cannot be read or names no role, 2 on bad
usage.
)";

struct ColoursOptions {
  bool help = false;
  std::string scheme;
  ColourWhen colour = ColourWhen::kAuto;
};

bool ParseColoursOptions(std::span<const std::string> args, ColoursOptions &options,
                         std::string &error) {
  std::vector<std::string> positional;
  if (!WalkArguments(
          args, positional,
          [&](const OptionArgument &typed, size_t &i) {
            const std::string &name = typed.name;
            if (name == "--help" || name == "-h")
              return TakeFlag(typed, options.help, error);
            if (name != "--scheme" && name != "--colour") {
              error = "unknown option '" + args[i] + "'";
              return false;
            }
            std::string value;
            if (!TakeValue(args, i, name, typed.inline_value, value, error))
              return false;
            if (name == "--colour")
              return ParseColourWhen(value, options.colour, error);
            options.scheme = value;
            return true;
          },
          error))
    return false;
  if (!positional.empty()) {
    error = "unexpected argument '" + positional[0] + "'";
    return false;
  }
  return true;
}

int Run(const ColoursOptions &options, const CommandStreams &streams) {
  textcore::colour_and_typeface_rec scheme = textcore::global_colours_and_typefaces;
  std::string error;
  if (!options.scheme.empty() && !ReadColourScheme(options.scheme, scheme, error)) {
    streams.err("qmark colours: " + error + "\n");
    return kBadInput;
  }
  std::string text = ColourSchemeText(scheme);
  if (ShowColours(options.colour, streams)) {
    // Each role's line in its own colours.
    std::string shown;
    size_t from = 0;
    for (int32_t role = -1; role < textcore::spareX && from < text.size(); ++role) {
      const size_t end = text.find('\n', from);
      const std::string line = text.substr(from, end - from);
      if (role < 0) {
        shown += line + "\n";
      } else {
        const textcore::TColourPair pair = scheme.cor[static_cast<size_t>(role)];
        shown += SgrStart(pair.foreground, pair.background,
                          scheme.typefaces[static_cast<size_t>(role)]) +
                 line + std::string(kSgrReset) + "\n";
      }
      from = end + 1;
    }
    text = shown;
  }
  streams.out(text);
  return kSuccess;
}

} // namespace

std::string ColourSchemeText(const textcore::colour_and_typeface_rec &scheme) {
  std::string text = "[" + std::string(kSection) + "]\n";
  for (int32_t role = 0; role < textcore::spareX; ++role) {
    const auto r = static_cast<textcore::TQMcolourset>(role);
    text += textcore::StringToUTF8(textcore::colour_and_typeface_strs(r)) + "=" +
            textcore::StringToUTF8(textcore::TranslateFromColour(
                scheme.cor[r].foreground, scheme.cor[r].background, scheme.typefaces[r])) +
            "\n";
  }
  return text;
}

bool ReadColourScheme(const std::string &path, textcore::colour_and_typeface_rec &scheme,
                      std::string &error) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    error = "cannot read '" + path + "': no such file";
    return false;
  }
  try {
    const textcore::TMemIniFile file(textcore::UTF8ToString(path), textcore::TEncoding::UTF8());
    const String section = textcore::UTF8ToString(kSection);
    if (!file.SectionExists(section)) {
      error = "'" + path + "' has no [" + std::string(kSection) + "] section";
      return false;
    }
    textcore::TStringList names;
    file.ReadSection(section, names);
    textcore::colour_and_typeface_rec read = scheme;
    for (int32_t i = 0; i < names.Count(); ++i) {
      const String name = names.Strings(i);
      textcore::TQMcolourset role{};
      if (!textcore::ColourRoleNamed(name, role)) {
        error = "'" + path + "': no display role is called '" + textcore::StringToUTF8(name) + "'";
        return false;
      }
      textcore::TranslateToColour(read, role, file.ReadString(section, name, String()));
    }
    scheme = read;
    return true;
  } catch (const std::exception &e) {
    error = "cannot read '" + path + "': " + e.what();
    return false;
  }
}

int RunColours(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<ColoursOptions>(
      args, streams, "colours", kHelp, ParseColoursOptions,
      [&streams](const ColoursOptions &options) { return Run(options, streams); });
}

int RunColoursCommand(std::span<char *> args) {
  return RunOnStandardStreams(RunColours, args, "colours");
}

} // namespace qmark
