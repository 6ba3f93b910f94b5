// A message of the catalogue: a named, translatable user-facing text.
//
// Each exported name (textcore::_QMEtc and the rest, in the generated messages/message_names.h)
// is a constexpr TMessage holding the entry's index, so loading the library runs no code for
// them. Text() is one array look-up: the loaded translation's text, or the built-in one. The texts
// are Format patterns; their placeholders are part of each message's contract.
#pragma once

#include "platform/strings.h"

#include <cstdint>
#include <string_view>

namespace textcore {

class TMessage {
public:
  constexpr explicit TMessage(uint16_t index) : fIndex(index) {}

  constexpr uint16_t Index() const { return fIndex; }
  // The current text. The view stays valid until the library is unloaded, even when another
  // translation is loaded later.
  StringView Text() const;
  StringView BuiltinText() const;
  // The exported name, e.g. "_QMEtc".
  std::string_view Name() const;

  operator String() const { return String(Text()); }
  operator StringView() const { return Text(); }

  friend constexpr bool operator==(TMessage, TMessage) = default;

private:
  uint16_t fIndex;
};

// The number of entries in the catalogue, filekit's included; indices run from 0 to one less.
int32_t MessageCount();

// Finds a message by its exported name as text, case included. False when there is none.
bool FindMessage(std::string_view name, TMessage &message);
bool FindMessage(StringView name, TMessage &message);

} // namespace textcore
