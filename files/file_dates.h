// Copies that keep a file's date, backups, and setting a file's date.
#pragma once

#include "core/basic_types.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

// Copies file to the same name with the extension ".bak", replacing an older backup; true when
// the backup now holds the copy. A file that is its own backup ("x.bak") is left alone (false).
bool CopyAFileWithBackup(const String &file);
// Sets destination's last-write time to source's; false unless both exist and it could be set.
bool CopyDateOfFile(const String &source, const String &destination);
// Copies source over destination (never onto itself) and keeps source's date.
bool CopyFileRetainingDate(const String &source, const String &destination);

// Sets the file's last-write time to 12:00 local time of a date from 1980 to 2106 that the
// calendar has (31 April has none); false otherwise or when it cannot be set.
bool SetFileDate(const String &file, const TYearMonthDay &date);
bool SetFileDate(const String &file, int32_t day, int32_t month, int32_t year);
// The three texts must be whole numbers.
bool SetFileDate(const String &file, const String &day, const String &month, const String &year);
// A text of exactly 10 characters: day in characters 1-2, month in 4-5, year in the last 4, with
// any separators ("25/12/2009").
bool SetFileDate(const String &file, const String &date);

} // namespace textcore
