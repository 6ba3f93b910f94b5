// Error classes: messages kept as UTF-16, mirrored as UTF-8 for what().
#include "platform/exceptions.h"

#include <cstring>

namespace textcore {

Exception::Exception(String message)
    : fMessage(std::move(message)), fWhat(StringToUTF8(fMessage)) {}

Exception::Exception(std::string_view utf8_message)
    : fMessage(UTF8ToString(utf8_message)), fWhat(utf8_message) {}

void Exception::SetMessage(String message) {
  fMessage = std::move(message);
  fWhat = StringToUTF8(fMessage);
}

String SysErrorMessage(int error_code) {
  char buffer[256];
  // The GNU strerror_r may return a static string instead of filling the buffer.
  const char *text = strerror_r(error_code, buffer, sizeof buffer);
  return UTF8ToString(text);
}

void RaiseLastOSError(int error_code) {
  throw EOSError(u"System Error.  Code: " + IntToStr(error_code) + u".\r\n" +
                     SysErrorMessage(error_code),
                 error_code);
}

} // namespace textcore
