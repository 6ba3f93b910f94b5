// Drive letters as the suite asked about them. Linux has one: C stands for "/", and every
// other letter names no drive.
#pragma once

#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// A drive's index: 0 for A to 25 for Z.
using drive_limits = int32_t;

// The drives that exist, one bit per letter (bit 0 = A); refreshed by ValidDrive and ValidDriveW.
extern uint32_t DriveBits;

// The letter (either case) names a drive whose size can be read. Nothing is ever shown.
bool ValidDrive(char letter);
bool ValidDriveW(char16_t letter);

// The path is the root of a drive in a stored Windows name: a letter, ":" and at most one
// delimiter ("c:", "D:\", "c:/").
bool IsDriveRoot(StringView path);

// The volume of path is a fixed disk: neither removable nor on the network. A drive root
// ("c:", "c:\") is "/". False when no part of the path can be resolved.
bool Fixed_Drive(const String &path);

} // namespace textcore
