// CheckExec; see check_exec.h.
#include "core/check_exec.h"
#include "platform/file_names.h"
#include "platform/ui_services.h"

namespace textcore {

namespace {

// The message for a failed start, or empty for a success.
String ExecFailureText(uint32_t code, const String &name) {
  switch (code) {
  case 0:
  case 8:
    return u"Not enough memory to run " + name;
  case 2:
  case 3:
  case 5:
    return u"Can't access " + name;
  case 16:
    return name + u" already running";
  case 26:
    return u"Sharing problem: " + name;
  case 27:
  case 31:
    return u"Can't handle files ending \"" + ExtractFileExt(name) + u"\"";
  default:
    return code < 32 ? u"Can't communicate with " + name : String();
  }
}

} // namespace

uint32_t CheckExec(uint32_t Code, const String &Name) {
  const String text = ExecFailureText(Code, Name);
  if (!text.empty()) {
    TMessageBoxRequest request;
    request.text = text;
    request.kind = mtCustom;
    ShowMessageBox(request);
  }
  return Code;
}

} // namespace textcore
