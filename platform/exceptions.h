// The error classes of the host framework that the libraries raise and their callers catch.
//
// Every error carries a UTF-16 message; what() gives it as UTF-8 so that a plain
// std::exception handler still prints something readable.
#pragma once

#include "platform/strings.h"

#include <cerrno>
#include <exception>
#include <string>

namespace textcore {

class Exception : public std::exception {
public:
  explicit Exception(String message);
  explicit Exception(std::string_view utf8_message);

  const String &Message() const noexcept { return fMessage; }
  void SetMessage(String message);
  const char *what() const noexcept override { return fWhat.c_str(); }

private:
  String fMessage;
  std::string fWhat;
};

// Declares an error kind that adds nothing but its type to its parent.
#define QUILLMARK_ERROR_KIND(Name, Parent)                                                         \
  class Name : public Parent {                                                                     \
  public:                                                                                          \
    using Parent::Parent;                                                                          \
  }

QUILLMARK_ERROR_KIND(EStreamError, Exception);
QUILLMARK_ERROR_KIND(EFilerError, EStreamError);
QUILLMARK_ERROR_KIND(EReadError, EFilerError);
QUILLMARK_ERROR_KIND(EWriteError, EFilerError);
QUILLMARK_ERROR_KIND(EFCreateError, EStreamError);
QUILLMARK_ERROR_KIND(EFOpenError, EStreamError);
QUILLMARK_ERROR_KIND(EListError, Exception);
QUILLMARK_ERROR_KIND(EStringListError, EListError);
QUILLMARK_ERROR_KIND(EConvertError, Exception);
QUILLMARK_ERROR_KIND(EInvalidCast, Exception);
QUILLMARK_ERROR_KIND(EZipError, Exception);
QUILLMARK_ERROR_KIND(EMathError, Exception);
QUILLMARK_ERROR_KIND(EInvalidOp, EMathError);
QUILLMARK_ERROR_KIND(EZeroDivide, EMathError);
QUILLMARK_ERROR_KIND(EOverflow, EMathError);
QUILLMARK_ERROR_KIND(EUnderflow, EMathError);

#undef QUILLMARK_ERROR_KIND

// An operating-system failure, with the errno value that caused it.
class EOSError : public Exception {
public:
  EOSError(String message, int error_code)
      : Exception(std::move(message)), fErrorCode(error_code) {}
  int ErrorCode() const noexcept { return fErrorCode; }

private:
  int fErrorCode;
};

// The system's text for an errno value, as the framework's SysErrorMessage gave it.
String SysErrorMessage(int error_code);

// Raises EOSError for error_code (errno when omitted) with the system's text for it.
[[noreturn]] void RaiseLastOSError(int error_code = errno);

} // namespace textcore
