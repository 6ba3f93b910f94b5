// OKToOverwrite, OKToOverwriteWithBackup and ProceedIfLittleDiskSpace.
#include "files/user_questions.h"

#include "core/logging_utilities.h"
#include "files/file_dates.h"
#include "messages/message_names.h"
#include "platform/dir_search.h"
#include "platform/exceptions.h"
#include "platform/format.h"
#include "platform/ui_services.h"
#include "platform/volumes.h"

#include <cerrno>

namespace textcore {

namespace {

TFreeSpaceSource &FreeSpaceSource() {
  static TFreeSpaceSource source;
  return source;
}

// Anything at the name, a folder or a dangling link included, would be lost to a new file.
bool NameIsTaken(const String &name) {
  TDirEntry entry;
  return EntryOfPath(name, entry);
}

bool ConfirmedOverwrite(StringView question, const String &name) {
  TMessageBoxRequest request;
  request.caption = _QMConfirmation;
  request.text = Format(question, name);
  request.kind = mtConfirmation;
  request.buttons = TMsgDlgButtons{mbYes, mbNo};
  request.default_button = mbNo;
  request.destroys_data = true;
  return ShowMessageBox(request) == mrYes;
}

} // namespace

int64_t FreeSpace(StringView path) {
  const TFreeSpaceSource &source = FreeSpaceSource();
  return source ? source(path) : FreeSpaceOfPath(path);
}

bool OKToOverwrite(const String &name) {
  return !NameIsTaken(name) || ConfirmedOverwrite(_QMOverwriteXQ, name);
}

bool OKToOverwriteWithBackup(const String &name) {
  if (!NameIsTaken(name))
    return true;
  if (!ConfirmedOverwrite(_QMOverwriteXWithBackupQ, name))
    return false;
  if (CopyAFileWithBackup(name))
    return true;
  const int error = errno;
  if (keeping_log)
    AddToLogFile(u"no backup of " + name + u" could be made, so it is not overwritten: " +
                     SysErrorMessage(error),
                 true);
  return false;
}

bool ProceedIfLittleDiskSpace(const String &path, int64_t needed) {
  if (path.empty())
    return false;
  const int64_t free = FreeSpace(path);
  if (free < 0 || free >= needed)
    return true;
  TMessageBoxRequest request;
  request.caption = _QMConfirmation;
  request.text = Format(_QMOnlyMbSpaceOnDriveDProceed, free / 1048576, path);
  request.kind = mtConfirmation;
  request.buttons = TMsgDlgButtons{mbOK, mbCancel};
  request.default_button = mbOK;
  return ShowMessageBox(request) == mrOk;
}

TFreeSpaceSource SetFreeSpaceSource(TFreeSpaceSource source) {
  TFreeSpaceSource previous = std::move(FreeSpaceSource());
  FreeSpaceSource() = std::move(source);
  return previous;
}

} // namespace textcore
