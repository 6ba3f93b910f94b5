// Recognising saved list files when a user opens them: by the 32-bit header (current or earlier
// format numbers), by the header of the lists saved before it, or as a batch file (a zip archive
// of lists whose comment names their kind).
//
// Every recogniser first sets the record's kind to lt_none_in_use. A name that is missing, or is
// a folder, a FIFO or a device, is no list file (false): nothing waits on it. A file that exists
// but cannot be opened raises EFOpenError; a failure while reading its header gives false.
#pragma once

#include "definitions/list_types.h"
#include "definitions/tool_types.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

struct TCheckSignature;

// A file as the tools track it.
struct TQMStored_File_rec {
  String filename;
  bool OldModified = false;
  int32_t Number_within_Zipfile = 0;
  list_type ListType = lt_none_in_use;
};

struct TQMTestFileReadRec {
  String filename;
  list_type ListType = lt_none_in_use;
};

// The start of a batch file's archive comment; the default extension of the lists it holds
// follows ("Qmark Batch file .cnc").
inline constexpr StringView batch_file_prefix = u"Qmark Batch file ";

// The header of a file longer than the header: false for a name that is no such file or when the
// header cannot be read whole.
bool ReadListFileHeader(const String &FileName, TCheckSignature &Sig);

// A list file written by the running tool's format (CurrentSignature[current_tool_var]): its
// kind is the header's (DiskFileType), lt_none_in_use when the text names none.
bool IsAQuillmark32BitFile(TQMStored_File_rec &Rec);
// A list file written in the current format of any tool: Tool becomes the first tool whose
// format number the header holds (tt_no_tool when none does, and the result is false). The kind
// is taken from the header either way.
bool IsAQuillmark32BitFile(TQMStored_File_rec &Rec, tool_type &Tool);
// A list saved in an earlier 32-bit format: a format number from 35 up to below the running
// tool's. A header of the running tool's own number gives its kind but false.
bool WasAQuillmark32BitFile(TQMStored_File_rec &Rec);
// A list file of the format before the 32-bit one: at least 42 bytes, whose old header names a
// kind.
bool IsAnOldQuillmarkFile(TQMStored_File_rec &Rec);

// A zip archive that holds at least one file (folder entries do not count) and whose comment is
// batch_file_prefix and more. When the rest of the comment is the default extension of a kind
// (case ignored; the first kind in order), the kind and the archive's entry count are set;
// otherwise they stay lt_none_in_use and 0. A file that is no zip archive raises EZipError.
bool IsABatchZipFileForListType(TQMStored_File_rec &Rec);

} // namespace textcore
