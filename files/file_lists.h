// Lists of the files in a folder, and sorting such lists by name or by date.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <memory>

namespace textcore {

// Every plain file directly in folder, as full paths, in the directory search's order (by name).
// Folders and hidden files are left out. Yields once per file taken.
std::unique_ptr<TStringList> ListOfAllFilesIn(const String &folder);
// The files whose names are file_name's with its extension changed to extension (".*": every
// file of the same stem), as full paths in file_name's folder; with include_self false,
// file_name itself is left out. Folders and hidden files are left out.
std::unique_ptr<TStringList> ListOfAllFilesMatchingExt(const String &file_name,
                                                       StringView extension, bool include_self);

// Sorts full paths in place. By name: the names compared with the letters A-Z folded (other
// characters by code), then the whole paths so. By date: the last-access times, each read once
// before the sort (a file that has gone counts as time 0), earlier first when ascending. Each
// path keeps its object. A sorted list is left as it is.
void SortListOfFiles(TStringList &list, bool by_date, bool ascending);

} // namespace textcore
