// qmark fonts over unidisplay's character sets, font families and font signatures.
#include "tools/qmark/fonts.h"

#include "fonts/charsets.h"
#include "fonts/font_families.h"
#include "fonts/font_info.h"
#include "platform/string_list.h"
#include "platform/strings.h"
#include "tools/qmark/exit_status.h"
#include "tools/qmark/option_parsing.h"
#include "tools/qmark/qt_start.h"
#include "tools/qmark/table_output.h"

#include <QGuiApplication>

#include <optional>
#include <vector>

namespace qmark {

using textcore::String;

namespace {

constexpr std::string_view kHelp =
    R"(Usage: qmark fonts [options] [FAMILY...]

Without a FAMILY, lists the installed font families of each of the suite's fifteen 8-bit
character sets, as the tools offer them when a language's font is chosen:

  Cyrillic symbols (charset 204, code page 1251): 2 families
    DejaVu Sans
    DejaVu Serif

A family belongs to a set when its OS/2 table names the set's code page (or, for a font without
one, when Qt finds the set's script in it). Families are sorted, each once; a set without
families shows 0.

With a FAMILY (its whole name, any case), prints the code pages and the Unicode ranges the
font's signature covers, one per line, and whether it has glyphs that the code page of the
character set cannot encode (told from one letter of each of twelve scripts).

Options:
  --charset N   A charset number, 0 to 255 (0 Western, 204 Cyrillic, 238 Eastern European,
                ...): list only the families of its set, or tell a FAMILY's extra glyphs against
                its code page (default 0, code page 1252). A number outside the table stands for
                the Western set, as in the suite.
  --format F    text (default), tsv or json. Listing, the columns are set, charset, code_page
                and family (a row a family); telling a FAMILY, family, kind ("code page",
                "Unicode range" or "glyphs beyond code page N") and name (for the last, yes or
                no).
  -h, --help    Show this help and exit.

Exit status: 0 on success, 1 when a FAMILY is not installed (the others are still printed), 2 on
bad usage.
)";

struct FontsOptions {
  bool help = false;
  std::optional<uint8_t> charset;
  OutputFormat format = OutputFormat::kText;
  std::vector<std::string> families;
};

bool ParseFontsOptions(std::span<const std::string> args, FontsOptions &options,
                       std::string &error) {
  const auto option = [&](const OptionArgument &typed, size_t &i) {
    if (typed.name == "--help" || typed.name == "-h")
      return TakeFlag(typed, options.help, error);
    std::string value;
    if (typed.name == "--format")
      return TakeValue(args, i, typed.name, typed.inline_value, value, error) &&
             ParseFormat(value, options.format, error);
    if (typed.name != "--charset") {
      error = "unknown option '" + args[i] + "'";
      return false;
    }
    int64_t number = 0;
    if (!TakeValue(args, i, typed.name, typed.inline_value, value, error) ||
        !ParseWholeNumber(value, typed.name, 0, 255, number, error))
      return false;
    options.charset = static_cast<uint8_t>(number);
    return true;
  };
  return WalkArguments(args, options.families, option, error);
}

// The lines of a signature text, joined by CR LF.
std::vector<String> SignatureLines(const String &text) {
  textcore::TStringList list;
  list.SetText(text);
  std::vector<String> lines;
  for (int32_t i = 0; i < list.Count(); ++i)
    lines.push_back(list.Strings(i));
  return lines;
}

// A signature text as indented lines.
std::string Indented(const String &text) {
  std::string lines;
  for (const String &line : SignatureLines(text))
    lines += "    " + textcore::StringToUTF8(line) + "\n";
  return lines.empty() ? "    none\n" : lines;
}

std::string SetListing(const unidisplay::charset_info &info) {
  const int32_t count = info.fonts->Count();
  std::string text = textcore::StringToUTF8(info.name) + " (charset " + std::to_string(info.n) +
                     ", code page " + std::to_string(unidisplay::CharsetToWindowsCodepage(info.n)) +
                     "): " + std::to_string(count) + (count == 1 ? " family\n" : " families\n");
  for (int32_t i = 0; i < count; ++i)
    text += "  " + textcore::StringToUTF8(info.fonts->Strings(i)) + "\n";
  return text;
}

int ListFamilies(const FontsOptions &options, const CommandStreams &streams) {
  unidisplay::GetAllFontCharsets();
  std::string out;
  Table table{{{u"set"}, {u"charset", true}, {u"code_page", true}, {u"family"}}, {}};
  for (int32_t set = 0; set < unidisplay::kCharsetsSetCount; ++set) {
    if (options.charset && unidisplay::CharsetTypeFromCharsetByte(*options.charset) != set)
      continue;
    const unidisplay::charset_info &info = unidisplay::charsetinfo[set];
    if (options.format == OutputFormat::kText) {
      out += (out.empty() ? "" : "\n") + SetListing(info);
      continue;
    }
    for (int32_t i = 0; i < info.fonts->Count(); ++i)
      table.rows.push_back({info.name, textcore::IntToStr(info.n),
                            textcore::IntToStr(unidisplay::CharsetToWindowsCodepage(info.n)),
                            info.fonts->Strings(i)});
  }
  if (options.format != OutputFormat::kText)
    WriteTable(out, table, options.format);
  streams.out(out);
  return kSuccess;
}

int DescribeFamilies(const FontsOptions &options, const CommandStreams &streams) {
  const uint8_t charset = options.charset.value_or(0);
  const std::string code_page = std::to_string(unidisplay::CharsetToWindowsCodepage(charset));
  int status = kSuccess;
  bool first = true;
  Table table{{{u"family"}, {u"kind"}, {u"name"}}, {}};
  for (const std::string &family : options.families) {
    const unidisplay::Tmy_font_info info =
        unidisplay::FontInfoFromFontname(textcore::UTF8ToString(family), charset);
    const unidisplay::FONTSIGNATURE &signature = info.font_signature;
    bool empty = signature.fsCsb[0] == 0 && signature.fsCsb[1] == 0;
    for (uint32_t word : signature.fsUsb)
      empty = empty && word == 0;
    if (empty) {
      streams.err("qmark fonts: no font family '" + family + "' is installed\n");
      status = kBadInput;
      continue;
    }
    if (options.format != OutputFormat::kText) {
      const String name = textcore::UTF8ToString(family);
      for (const String &line :
           SignatureLines(unidisplay::CodepageInfoFromFontSignature(signature)))
        table.rows.push_back({name, u"code page", line});
      for (const String &line : SignatureLines(unidisplay::UnicodeInfoFromFontSignature(signature)))
        table.rows.push_back({name, u"Unicode range", line});
      table.rows.push_back({name, textcore::UTF8ToString("glyphs beyond code page " + code_page),
                            info.has_extra_glyphs ? u"yes" : u"no"});
      continue;
    }
    std::string out = first ? "" : "\n";
    first = false;
    out += family + "\n  code pages:\n" +
           Indented(unidisplay::CodepageInfoFromFontSignature(signature)) + "  Unicode ranges:\n" +
           Indented(unidisplay::UnicodeInfoFromFontSignature(signature)) +
           "  glyphs beyond code page " + code_page + ": " +
           (info.has_extra_glyphs ? "yes" : "no") + "\n";
    streams.out(out);
  }
  if (options.format != OutputFormat::kText) {
    std::string out;
    WriteTable(out, table, options.format);
    streams.out(out);
  }
  return status;
}

int Run(const FontsOptions &options, const CommandStreams &streams) {
  if (qGuiApp == nullptr) {
    streams.err("qmark fonts: no fonts can be asked for without a Qt application\n");
    return kBadInput;
  }
  return options.families.empty() ? ListFamilies(options, streams)
                                  : DescribeFamilies(options, streams);
}

} // namespace

std::string_view FontsHelp() { return kHelp; }

int RunFonts(std::span<const std::string> args, const CommandStreams &streams) {
  return RunWithOptions<FontsOptions>(
      args, streams, "fonts", kHelp, ParseFontsOptions,
      [&streams](const FontsOptions &options) { return Run(options, streams); });
}

int RunFontsCommand(std::span<char *> args) {
  // Only this command needs Qt's fonts, so only it starts Qt; offscreen Qt knows every installed
  // font.
  const std::unique_ptr<QGuiApplication> application = StartQt(false);
  return RunOnStandardStreams(RunFonts, args, "fonts");
}

} // namespace qmark
