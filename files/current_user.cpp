// The user's name from the password database.
#include "files/current_user.h"

#include "platform/exceptions.h"
#include "platform/nls_char_types.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace textcore {

namespace {

// Names are cut where the system's own buffer for them ended.
constexpr size_t kMaxNameLength = 1023;

String Cut(String name) {
  if (name.size() > kMaxNameLength)
    name.resize(kMaxNameLength);
  return name;
}

struct TAccount {
  String login;
  String full_name;
};

// The password database's entry of the effective user; false with error set when there is none.
bool AccountOfEffectiveUser(TAccount &account, int &error) {
  long size_hint = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size_hint > 0 ? static_cast<size_t>(size_hint) : 1024);
  passwd entry{};
  passwd *found = nullptr;
  while ((error = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
         buffer.size() < (1u << 20))
    buffer.resize(buffer.size() * 2);
  if (error != 0 || found == nullptr || found->pw_name == nullptr || *found->pw_name == '\0') {
    if (error == 0)
      error = ENOENT;
    return false;
  }
  account.login = Cut(UTF8ToString(found->pw_name));
  const std::string gecos = found->pw_gecos != nullptr ? found->pw_gecos : "";
  account.full_name = Cut(UTF8ToString(gecos.substr(0, gecos.find(','))));
  return true;
}

String LoginFromEnvironment() {
  for (const char *variable : {"USER", "LOGNAME"})
    if (const char *value = std::getenv(variable); value != nullptr && *value != '\0')
      return Cut(UTF8ToString(value));
  return String();
}

} // namespace

String Registry_Current_User() {
  TAccount account;
  int error = 0;
  if (AccountOfEffectiveUser(account, error))
    return account.login;
  String login = LoginFromEnvironment();
  if (login.empty())
    RaiseLastOSError(error);
  return login;
}

String Registry_Current_User_Initials() {
  TAccount account;
  int error = 0;
  if (AccountOfEffectiveUser(account, error) && !account.full_name.empty())
    return InitialsOfName(account.full_name);
  return InitialsOfName(Registry_Current_User());
}

String InitialsOfName(StringView name) {
  String initials;
  for (char16_t c : name) {
    if (initials.size() == 2)
      break;
    if (UnicodeCategoryOf(c) == ucLu)
      initials += c;
  }
  return initials;
}

} // namespace textcore
