// Option values shared by the qmark commands.
#include "tools/qmark/option_parsing.h"

#include "platform/strings.h"

#include <charconv>
#include <limits>

namespace qmark {

using textcore::String;

bool ParseWholeNumber(const std::string &text, std::string_view name, int64_t least, int64_t most,
                      int64_t &value, std::string &error) {
  int64_t n = 0;
  const char *end = text.data() + text.size();
  const auto [at, failure] = std::from_chars(text.data(), end, n);
  if (failure == std::errc() && at == end && n >= least && n <= most) {
    value = n;
    return true;
  }
  error = std::string(name) + " must be a whole number from " + std::to_string(least) +
          (most < std::numeric_limits<int64_t>::max() ? " to " + std::to_string(most) : "") +
          ", not '" + text + "'";
  return false;
}

bool WalkArguments(std::span<const std::string> args, std::vector<std::string> &positional,
                   const std::function<bool(const OptionArgument &option, size_t &i)> &option,
                   std::string &error) {
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      positional.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else {
      const size_t equals = arg.find('=');
      OptionArgument typed{arg.substr(0, equals), std::nullopt};
      if (equals != std::string::npos)
        typed.inline_value = arg.substr(equals + 1);
      if (!option(typed, i))
        return false;
    }
  }
  return error.empty();
}

bool TakeFlag(const OptionArgument &option, bool &target, std::string &error) {
  if (option.inline_value) {
    error = "option " + option.name + " takes no value";
    return false;
  }
  target = true;
  return true;
}

bool TakeValue(std::span<const std::string> args, size_t &i, std::string_view name,
               std::optional<std::string> inline_value, std::string &value, std::string &error) {
  if (inline_value) {
    value = *inline_value;
    return true;
  }
  if (i + 1 >= args.size()) {
    error = "option " + std::string(name) + " needs a value";
    return false;
  }
  value = args[++i];
  return true;
}

bool ParseLanguage(const std::string &text, textcore::LCID &lcid, std::string &error) {
  const String typed = textcore::UTF8ToString(text);
  int32_t number = 0;
  if (!text.empty() && text[0] >= '0' && text[0] <= '9' && textcore::TryStrToInt(typed, number))
    lcid = number > 0 && textcore::IsValidLCID(static_cast<textcore::LCID>(number))
               ? static_cast<textcore::LCID>(number)
               : 0;
  else
    lcid = textcore::LocaleNameToLCID(typed);
  if (lcid == 0)
    error = "unknown language '" + text + "' (give an LCID such as 1033 or a name such as en-GB)";
  return lcid != 0;
}

bool ParseFormat(const std::string &text, OutputFormat &format, std::string &error) {
  if (text == "text")
    format = OutputFormat::kText;
  else if (text == "tsv")
    format = OutputFormat::kTsv;
  else if (text == "json")
    format = OutputFormat::kJson;
  else
    error = "--format must be text, tsv or json, not '" + text + "'";
  return error.empty();
}

} // namespace qmark
