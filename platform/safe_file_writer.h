// Replacing a user's file safely: what is written goes to a fresh hidden sibling of the file,
// which takes the file's place by a rename only when the writing is committed. The file is
// therefore either the old one or the new one, never half written, and a writer dropped without
// a commit (an error, an exception) leaves the old file and no temporary file behind.
//
// A file reached through a symbolic link is replaced where the link points, so the link
// survives; a replacement keeps the owner (where the user may keep it) and the permissions of
// the file it replaces. A read-only file, a folder or anything that is not a regular file is
// refused, as on Windows.
#pragma once

#include "platform/streams.h"
#include "platform/strings.h"

#include <string>

namespace textcore {

class TSafeFileWriter : public TFileStream {
public:
  // Raises EFCreateError "Cannot create file \"%s\". %s" when the file may not be replaced or
  // no sibling can be made.
  explicit TSafeFileWriter(const String &file_name);
  ~TSafeFileWriter() override;

  // Flushes what was written to the disk and renames it over the file. Raises EFCreateError
  // when that fails, and the old file stays. Writing after a commit is refused.
  void Commit();
  bool Committed() const { return fCommitted; }

  int64_t Write(const void *buffer, int64_t count) override;

private:
  struct Replacement {
    int handle;
    std::string target, temp_path;
  };
  static Replacement OpenReplacement(const String &file_name);
  TSafeFileWriter(const String &file_name, Replacement replacement);

  std::string fTarget;
  std::string fTempPath;
  bool fCommitted = false;
};

// Writes bytes to file_name through a TSafeFileWriter. Raises EFCreateError when it cannot.
void SaveBytesToFile(const String &file_name, const void *bytes, size_t count);

} // namespace textcore
