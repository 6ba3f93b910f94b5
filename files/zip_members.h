// The text of one member of a zip archive, for the tools that read texts from inside archives.
//
// A member is named by its archive and its 1-based number in the archive's own order, or by one
// composite name (files/zip_names.h). Its bytes are decoded as a text file's are
// (files/text_decoding.h): a byte-order mark or UTF-8 signature decides, then legal UTF-8, else
// the system's 8-bit code page; bytes that are no text come back as 8-bit text, so a member
// always gives its content. Failures of the archive (a missing or damaged archive, a number or
// name that names no member, a member above the extraction limit) raise EZipError.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <string>

namespace textcore {

// The member's bytes, undecoded: for callers that decide for themselves how to read them.
std::string BytesOfFileWithinZipFile(const String &ZipFileName, int32_t N);
std::string BytesOfFileWithinZipFile(const String &CompositeName);

String ContentsOfFileWithinZipFile(const String &ZipFileName, int32_t N);
String ContentsOfFileWithinZipFile(const String &CompositeName);

// The path of the temporary file "tempzip.txt" in the suite's private temporary folder; when N
// is 1 .. the archive's entry count, that file is first (re)written with the text of member N
// as UTF-16 LE with the mark FF FE, each line ended by CR LF. The file is written beside and
// renamed into place, so a reader never sees half of it. The path comes back either way.
String OpenedAZipFileToTempDir(const String &ZipFileName, int32_t N);

} // namespace textcore
