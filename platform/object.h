// TObject: the common base of the framework's classes that are handed around by reference
// (string-list objects, components, notification senders).
#pragma once

#include <cstdint>
#include <functional>

namespace textcore {

class TObject {
public:
  virtual ~TObject() = default;
};

// Lists keep small integers (counts, indexes, colours, locale ids) in their object slots, as the
// framework's did: the slot holding value, and the value a slot holds.
inline TObject *IntegerAsObject(int32_t value) {
  return reinterpret_cast<TObject *>(static_cast<intptr_t>(value));
}
inline int32_t ObjectAsInteger(const TObject *object) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(object));
}

// An event that names its sender, as the framework's TNotifyEvent did.
using TNotifyEvent = std::function<void(TObject *Sender)>;

} // namespace textcore
