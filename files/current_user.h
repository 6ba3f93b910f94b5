// The user running the process: the account's login, and initials for the user's name.
#pragma once

#include "platform/strings.h"

namespace textcore {

// The login of the effective user, from the password database; $USER or $LOGNAME when the
// database has no entry. Raises EOSError when none of them gives a name.
String Registry_Current_User();
// The initials of the user's full name (the account's comment field up to its first ","), or of
// the login when there is none: InitialsOfName of it.
String Registry_Current_User_Initials();
// The first two upper-case letters of name, in order; fewer when it has fewer.
String InitialsOfName(StringView name);

} // namespace textcore
