// Help topic names; see help_topic_names.h.
#include "dialogs/help_topic_names.h"

#include "platform/string_list.h"

#include <optional>

namespace dialogkit {

using namespace textcore;

namespace {

// The number written from pos on, after blanks; nothing when no digit follows or it is too long
// to be a topic number.
std::optional<int64_t> NumberAt(const String &line, size_t pos) {
  while (pos < line.size() && line[pos] <= u' ')
    ++pos;
  int64_t value = 0;
  size_t digits = 0;
  for (; pos < line.size() && line[pos] >= u'0' && line[pos] <= u'9'; ++pos, ++digits) {
    if (digits == 10)
      return std::nullopt;
    value = value * 10 + (line[pos] - u'0');
  }
  if (digits == 0)
    return std::nullopt;
  return value;
}

String FirstWord(const String &line) {
  size_t end = 0;
  while (end < line.size() && line[end] > u' ' && line[end] != u'=')
    ++end;
  return line.substr(0, end);
}

} // namespace

bool NameFromNumber(int32_t number, const String &file_name, String &Name) {
  TStringList lines;
  try {
    lines.LoadFromFile(file_name);
  } catch (...) {
    return false;
  }
  for (int32_t i = 0; i < lines.Count(); ++i) {
    const String line = Trim(lines.Strings(i));
    const size_t equals = line.find(u'=');
    if (equals == String::npos)
      continue;
    if (NumberAt(line, equals + 1) == number) {
      Name = FirstWord(line);
      return true;
    }
  }
  return false;
}

} // namespace dialogkit
