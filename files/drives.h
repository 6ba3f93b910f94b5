// Drives and volumes as the suite asked for them, told from the mount table: a drive is a
// volume, named by its mount point with a trailing "/" where Windows named "c:\"; "c:" itself
// stands for "/", the only drive letter there is.
#pragma once

#include "core/fixed_char_arrays.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

struct TNameAndSerialNumber {
  maxpathwidechar name{}; // the volume label
  uint32_t number = 0;    // the volume serial number
};

// The volumes where a user keeps files ("/" always among them), and those on the network.
int32_t NumberOfDrives();
int32_t NumberOfNetworkDrives();
// The network volumes' mount points, each with a trailing "/", joined by ",".
String AllNetworkDrives();
// The fixed (neither removable nor network) volume with the most bytes free to the caller, as its
// mount point with a trailing "/"; "" when none has any room. Network mounts are not asked.
String DriveWithMostFreeSpace();
// "[LABEL]" of the drive named by its letter ('c' or 'C' is "/"), "[]" when it has none or no
// such drive exists.
String VolumeID(char16_t drive_letter);
// For a drive on a network share, the share's remote name upper-cased; otherwise VolumeID.
String NetworkVolume(char16_t drive_letter);
// Label and serial number of the volume of root; all zeros when they cannot be read.
TNameAndSerialNumber DiskVolumeNameAndSerialNo(const String &root);
uint32_t VolumeSerialNumber(const String &root);
// "XXXX-XXXX", upper-case hexadecimal, high 16 bits first; "0000-0000" when it cannot be read.
String VolumeSerialNumberStr(const String &root);

} // namespace textcore
