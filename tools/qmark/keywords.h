// qmark keywords: the key words of texts against a reference corpus, by log-likelihood.
#pragma once

#include "tools/qmark/command_streams.h"

#include <span>
#include <string>

namespace qmark {

// Runs the command on the arguments after "keywords". Exit status: 0 when all went well, 1 when a
// file could not be read or a list is no word list, 2 on bad usage.
int RunKeywords(std::span<const std::string> args, const CommandStreams &streams);

// The same on the process's standard output and error, for main().
int RunKeywordsCommand(std::span<char *> args);

} // namespace qmark
