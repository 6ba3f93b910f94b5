// Telling a shared copy of a tool.
#include "definitions/network_copy.h"

#include "platform/file_ops.h"
#include "platform/volumes.h"

#include <cstdlib>

namespace textcore {

namespace {

bool IsSet(const char *variable) {
  const char *value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

} // namespace

TProgramPlace CurrentProgramPlace() {
  TProgramPlace place;
  place.remote_session = IsSet("SSH_CONNECTION") || IsSet("SSH_CLIENT") || IsSet("XRDP_SESSION");
  place.program_file = ProgramFileName();
  return place;
}

bool Network_Copy(const TProgramPlace &place) {
  if (place.remote_session)
    return true;
  const auto volume = VolumeOfPath(place.program_file);
  return volume && volume->is_network;
}

bool Network_Copy() { return Network_Copy(CurrentProgramPlace()); }

} // namespace textcore
