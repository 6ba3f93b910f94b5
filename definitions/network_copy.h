// Whether this copy of a tool is shared with other users: run in a remote session, or from a
// network share.
#pragma once

#include "platform/strings.h"

namespace textcore {

// What the answer is decided on.
struct TProgramPlace {
  bool remote_session = false; // the user is logged in from elsewhere (ssh, xrdp)
  String program_file;         // the running program's full name
};

// This process's place: a remote session when SSH_CONNECTION, SSH_CLIENT or XRDP_SESSION is set,
// and the program's own file.
TProgramPlace CurrentProgramPlace();

// True in a remote session; otherwise true when the program file lies on a network file system
// (the mount table of platform/volumes.h says so).
bool Network_Copy(const TProgramPlace &place);
bool Network_Copy();

} // namespace textcore
