// EnsurePrecomposed over platform's FoldString.
#include "strings/precomposed.h"

#include "platform/exceptions.h"
#include "platform/format.h"
#include "platform/nls_fold.h"
#include "platform/nls_last_error.h"

#include <cstdint>

namespace textcore {

namespace {

StringView ErrorText(uint32_t code) {
  switch (code) {
  case ERROR_INVALID_PARAMETER:
    return u"The parameter is incorrect.";
  case ERROR_INSUFFICIENT_BUFFER:
    return u"The data area passed to a system call is too small.";
  default:
    return u"Invalid flags.";
  }
}

// The folding's own errors are raised; anything else leaves the text as it was.
String Unchanged(StringView s) {
  const uint32_t code = GetLastError();
  if (code == ERROR_INVALID_PARAMETER || code == ERROR_INSUFFICIENT_BUFFER ||
      code == ERROR_INVALID_FLAGS)
    throw EOSError(Format(u"System Error.  Code: %d.\n%s", code, ErrorText(code)),
                   static_cast<int>(code));
  return String(s);
}

} // namespace

String EnsurePrecomposed(StringView s) {
  if (s.empty() || s.size() >= static_cast<size_t>(INT32_MAX))
    return String(s);
  const auto length = static_cast<int32_t>(s.size());
  // Composition rarely lengthens text, so the input's length is tried first; the exceptions
  // (characters excluded from composition) get a buffer of the size the folding asks for.
  String out(s.size(), u'\0');
  SetLastError(ERROR_SUCCESS);
  int32_t folded = FoldStringW(MAP_PRECOMPOSED, s.data(), length, out.data(), length);
  if (folded == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
    const int32_t needed = FoldStringW(MAP_PRECOMPOSED, s.data(), length, nullptr, 0);
    if (needed > 0) {
      out.assign(static_cast<size_t>(needed), u'\0');
      folded = FoldStringW(MAP_PRECOMPOSED, s.data(), length, out.data(), needed);
    }
  }
  if (folded <= 0)
    return Unchanged(s);
  out.resize(static_cast<size_t>(folded));
  return out;
}

} // namespace textcore
