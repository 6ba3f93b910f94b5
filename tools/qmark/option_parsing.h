// Option values that several qmark commands take, read the same way everywhere.
#pragma once

#include "platform/nls_locale_ids.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qmark {

enum class OutputFormat : uint8_t { kText, kTsv, kJson };

// The value of option name: inline_value ("--name=value") or the next argument, moving i on.
// False, with error set, when there is none.
bool TakeValue(std::span<const std::string> args, size_t &i, std::string_view name,
               std::optional<std::string> inline_value, std::string &value, std::string &error);
// An LCID (1033, 0x419) or a locale name (en-GB, de_DE, ru).
bool ParseLanguage(const std::string &text, textcore::LCID &lcid, std::string &error);
// text, tsv or json.
bool ParseFormat(const std::string &text, OutputFormat &format, std::string &error);

} // namespace qmark
