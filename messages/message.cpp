// TMessage's look-ups in the built-in table: the text and name by index, the entry by name. The
// current text, which a translation may replace, is message_translation.cpp's.
#include "messages/message.h"

#include "messages/message_table.h"

#include <algorithm>

namespace textcore {

namespace {

bool InRange(uint16_t index) { return index < message_table::kCount; }

} // namespace

StringView TMessage::BuiltinText() const {
  return InRange(fIndex) ? message_table::kBuiltinTexts[fIndex] : StringView();
}

std::string_view TMessage::Name() const {
  return InRange(fIndex) ? message_table::kNames[fIndex] : std::string_view();
}

int32_t MessageCount() { return message_table::kCount; }

bool FindMessage(std::string_view name, TMessage &message) {
  const auto *first = message_table::kNamesSorted;
  const auto *last = first + message_table::kCount;
  const auto *found = std::lower_bound(
      first, last, name,
      [](const message_table::NameEntry &e, std::string_view n) { return e.name < n; });
  if (found == last || found->name != name)
    return false;
  message = TMessage(found->index);
  return true;
}

bool FindMessage(StringView name, TMessage &message) {
  // Names are ASCII; anything else cannot match, and narrowing it could make a false match.
  std::string ascii;
  ascii.reserve(name.size());
  for (char16_t c : name) {
    if (c == 0 || c > 0x7F)
      return false;
    ascii.push_back(static_cast<char>(c));
  }
  return FindMessage(std::string_view(ascii), message);
}

} // namespace textcore
