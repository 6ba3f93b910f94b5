// Search-word buffers; see search_word_buffers.h.
#include "strings/search_word_buffers.h"

#include "platform/nls_code_pages.h"

#include <algorithm>

namespace textcore {

namespace {

constexpr size_t kMostUnits = std::tuple_size_v<search_word_type32> - 1;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

} // namespace

search_word_type32 StringToSearch_word_type32(StringView s) {
  search_word_type32 buffer{};
  size_t length = std::min(s.size(), kMostUnits);
  if (length == kMostUnits && s.size() > kMostUnits && IsHighSurrogate(s[length - 1]))
    --length;
  std::copy_n(s.begin(), length, buffer.begin());
  return buffer;
}

search_word_type32 AnsiStringToSearch_word_type32(const AnsiString &s) {
  return StringToSearch_word_type32(AnsiToString(s));
}

String StringFromSearch_word_type32(const search_word_type32 &buffer) {
  const auto end = std::find(buffer.begin(), buffer.end(), u'\0');
  return String(buffer.begin(), end);
}

AnsiString AnsiStringFromSearch_word_type32(const search_word_type32 &buffer) {
  return StringToAnsi(StringFromSearch_word_type32(buffer));
}

} // namespace textcore
