// The files a qmark command reads: folders walked for the names a mask allows, and each file
// read whole.
#pragma once

#include "search/wide_masks.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qmark {

// Told of each path that cannot be read, with the reason for the user.
using ProblemReport = std::function<void(const std::string &path, const std::string &reason)>;

// The largest file read whole.
constexpr int64_t kMaxFileBytes = int64_t{1} << 30;

// The path that names standard input.
constexpr std::string_view kStandardInput = "-";

// The files to search, in byte order of their paths, each once: a file named twice, or reached
// through two paths, is searched under the first of them. "-" is standard input. A path that is a
// folder gives every regular file below it (symbolic links followed, never into a folder already
// on the way down, hidden files and folders passed over) whose name matches masks; any other path
// is taken as it is, whatever its name, and its reading will tell whether it is a file. A path that
// does not exist, or a folder that cannot be listed, is reported; files that do not match are
// passed over without a word.
std::vector<std::string> ListInputFiles(const std::vector<std::string> &paths,
                                        const textcore::TWideMasks &masks,
                                        const ProblemReport &report);

// The bytes of a regular file of at most kMaxFileBytes, read in one go, or of standard input
// ("-") to its end. False, with the reason, for anything else; a file that shrinks while being
// read gives what was there.
bool ReadFileBytes(const std::string &path, std::string &bytes, std::string &reason);

} // namespace qmark
