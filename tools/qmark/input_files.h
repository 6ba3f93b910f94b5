// The texts a qmark command reads: files named, folders walked with the library's folder walker
// (zip members included), standard input; and the bytes of each.
#pragma once

#include "platform/streams.h"
#include "platform/strings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qmark {

// Told of each path that cannot be read, with the reason for the user; a name left empty when the
// reason names what could not be read itself (a damaged zip archive).
using ProblemReport = std::function<void(const textcore::String &name, const std::string &reason)>;

// The largest file read whole.
constexpr int64_t kMaxFileBytes = int64_t{1} << 30;

// The path that names standard input.
constexpr std::string_view kStandardInput = "-";

// How folders are walked.
struct WalkOptions {
  textcore::String mask = u"*.txt"; // file names to take in folders (";" between masks)
  textcore::String exclude;         // folders to leave out: "old" at any depth, "/data/old" once
  bool zips = true;                 // zip members too, addressed as archive + "/" + member
  // Zip archives in folders listed as files of their own, for a command that looks at archives
  // rather than into them; otherwise a folder's archives are left out when zips is off.
  bool archives_as_files = false;
  bool hidden = false; // hidden files (a leading "."); hidden folders never
  // A favourites file (the bytes of its path) whose files are read as if each were named.
  std::string favourites;
};

// One text to read.
struct InputFile {
  textcore::String name; // as shown: the path, a member's address, or "(standard input)"
  std::string path;      // the bytes of the path on disk; empty for standard input
  bool member = false;   // name is a zip member's address
};

// The texts to read, in byte order of their names, each once: a file named twice, or reached
// through two paths, is read under the first of them, and so is a member. "-" is standard input.
// A folder gives the files below it that the mask names, and the members of its zip archives
// when zips is on; a file named is taken whatever its name, and a zip archive named gives its
// members (when zips is on); a member's address ("set.zip/a.txt") names that member. A path that
// does not exist, a folder that cannot be listed and an archive that cannot be read are
// reported; files that do not match are passed over without a word. The files of a favourites
// file are taken as files named; a favourites file that cannot be read is reported.
std::vector<InputFile> ListInputFiles(const std::vector<std::string> &paths,
                                      const WalkOptions &options, const ProblemReport &report);

// A stream of the text of a file to read: the bytes of a regular file of any size, of a zip
// member (read whole), or of standard input (read to its end, beyond 16 MiB into a temporary file
// that is gone with the stream). A word-processor document (a file or member named *.docx) gives
// instead the text of its paragraphs (DOCXArchiveText) as UTF-16 with its byte-order mark. Null,
// with the reason, for anything else (a .docx that is no such document); a read error raises
// EStreamError.
std::unique_ptr<textcore::TStream> OpenInputStream(const InputFile &file, std::string &reason);

// Whether a file's name says it is a word-processor document (*.docx, any case).
bool IsDOCXName(const textcore::String &name);

// The bytes, as they stand (a .docx too), of a regular file of at most kMaxFileBytes, read in one
// go, of a zip member, or of standard input to its end. False, with the reason, for anything else;
// a file that shrinks while being read gives what was there.
bool ReadInputBytes(const InputFile &file, std::string &bytes, std::string &reason);

} // namespace qmark
