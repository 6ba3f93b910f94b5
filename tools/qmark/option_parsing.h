// Option values that several qmark commands take, read the same way everywhere.
#pragma once

#include "platform/nls_locale_ids.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qmark {

enum class OutputFormat : uint8_t { kText, kTsv, kJson };

// The value of option name: inline_value ("--name=value") or the next argument, moving i on.
// False, with error set, when there is none.
bool TakeValue(std::span<const std::string> args, size_t &i, std::string_view name,
               std::optional<std::string> inline_value, std::string &value, std::string &error);
// One option as typed: its name and, for "--name=value", the value after "=".
struct OptionArgument {
  std::string name;
  std::optional<std::string> inline_value;
};

// Walks a command's arguments: everything after "--", "-" and every word not starting with "-"
// goes to positional; each option is handed to option with the index of its argument (which it
// moves on when it takes the next argument as its value). False, with error set, as soon as
// option says so.
bool WalkArguments(std::span<const std::string> args, std::vector<std::string> &positional,
                   const std::function<bool(const OptionArgument &option, size_t &i)> &option,
                   std::string &error);
// Sets target for an option that takes no value; false, with error set, when it was given one.
bool TakeFlag(const OptionArgument &option, bool &target, std::string &error);

// A whole number from least to most for the option name ("--min-freq must be a whole number
// from 1, not 'x'", naming most only when it is below INT64_MAX).
bool ParseWholeNumber(const std::string &text, std::string_view name, int64_t least, int64_t most,
                      int64_t &value, std::string &error);
// An LCID (1033, 0x419) or a locale name (en-GB, de_DE, ru).
bool ParseLanguage(const std::string &text, textcore::LCID &lcid, std::string &error);
// text, tsv or json.
bool ParseFormat(const std::string &text, OutputFormat &format, std::string &error);

} // namespace qmark
