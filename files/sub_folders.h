// The folders below a folder, as a list of full paths.
#pragma once

#include "platform/string_list.h"
#include "platform/strings.h"

#include <memory>

namespace textcore {

// A new list whose first item is folder as passed. With include_all it then holds every folder
// below it at any depth, each as folder + "/" + the names on the way, parent before children and
// siblings in the directory search's order (by name). The names keep their case: Linux tells
// "Texts" from "texts". Hidden folders (names beginning with ".") are neither listed nor entered;
// a folder reached through a link is listed and entered unless it is one of the folders above it,
// which would never end. Yields once per entry.
std::unique_ptr<TStringList> ListOfSubFolders(const String &folder, bool include_all);

} // namespace textcore
