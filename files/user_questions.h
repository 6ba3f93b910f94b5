// Questions to the user before a file is overwritten or a volume is filled: each shows the
// question through the platform's message box and returns the answer.
//
// The overwrite questions are marked as destroying data and default to No, so a tool without a
// screen (the headless box) never overwrites unasked.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <functional>

namespace textcore {

// True when name does not exist; otherwise true only when the user answers Yes to
// "Overwrite %s?".
bool OKToOverwrite(const String &name);
// The same with "Overwrite %s (with backup)?"; on Yes the file is first copied to the same name
// with the extension ".bak" (an older copy is replaced). When that copy cannot be made the
// answer is false and the failure is logged, so nobody overwrites a file whose backup is missing.
bool OKToOverwriteWithBackup(const String &name);

// False for an empty path. True when the space free to the caller on path's volume cannot be read
// or is at least needed bytes; otherwise the user is asked "Only %dMb space left on %s --
// Proceed?" with that space in whole mebibytes, and true means OK. The space free to the caller is
// what a write can use: the blocks kept for root are not counted.
bool ProceedIfLittleDiskSpace(const String &path, int64_t needed);

// Where ProceedIfLittleDiskSpace learns the free space of a path: bytes, or -1 when it cannot
// be read. FreeSpaceOfPath unless replaced; an empty source puts it back. Returns the source it
// replaces.
using TFreeSpaceSource = std::function<int64_t(StringView path)>;
TFreeSpaceSource SetFreeSpaceSource(TFreeSpaceSource source);
// The free space of path's volume as the source tells it: bytes, or -1.
int64_t FreeSpace(StringView path);

} // namespace textcore
