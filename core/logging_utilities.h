// The diagnostic log: an append-only UTF-16 file that every tool of the suite can write to.
//
// On disk: the byte-order mark FF FE once, at the head of the file, then the entries as
// little-endian UTF-16 code units with no terminator. Each entry is the running tool's prefix
// ("(WL): ", "(QM7): ", or "(??)" for a tool without a code) followed by the text, and CR LF
// only when a line break is asked for. The file is opened, appended to and closed for every
// entry, so it is complete on disk even if the process dies; it is for diagnostics, not tracing.
//
// Logging is on while keeping_log is true and a file name is set; the host sets both. Any
// failure to write (a missing folder, a locked file, a full disk, a name that is not a regular
// file) switches keeping_log off without a word. Nothing here ever raises.
//
// An existing file is opened with a shared lock, so a cooperating process that holds it
// exclusively makes the write fail (and logging stop) rather than interleave.
#pragma once

#include "platform/strings.h"

namespace textcore {

extern bool keeping_log;

void SetLogFilename(const String &file_name) noexcept;
String GetLogFilename() noexcept;

// Appends one entry: the tool prefix, Text, and CR LF when LineBreak is true.
void AddToLogFile(const String &Text, bool LineBreak) noexcept;

// Appends a line of ten asterisks, then "LOG STARTED at " with the local date (short format)
// and time (long format).
void StartNewLogSection() noexcept;

// When a file name is set and the file exists: deletes it and starts a new section, which
// makes it again when logging is on. Otherwise nothing.
void ClearLogFile() noexcept;

} // namespace textcore
