// The files that sit beside a word-list or concgram index: removed when the index is made again,
// and copied aside before it is changed.
#pragma once

#include "platform/strings.h"

#include <array>

namespace textcore {

// The extensions of the files of an index, in the order they are handled.
inline constexpr std::array<StringView, 7> index_file_extensions = {
    u".markup",     u".types",         u".tokens", u".base_pairs",
    u".base_index", u".base_index_cg", u".stats"};

// Deletes each file of the index FileName names (FileName with each extension in turn) that
// exists, saying so in the log when logging. A file that cannot be deleted (one in use) stays.
void TryToDeleteIndexFiles(const String &FileName);

// Copies each file of the index that exists to the same name with "_bak" after its extension
// (".types" to ".types_bak"), replacing an older backup and keeping the file's date, saying so in
// the log when logging. A file that cannot be copied is passed over.
void TryToBackupIndexFiles(const String &FileName);

} // namespace textcore
