// TObject: the common base of the framework's classes that are handed around by reference
// (string-list objects, components, notification senders).
#pragma once

#include <functional>

namespace textcore {

class TObject {
public:
  virtual ~TObject() = default;
};

// An event that names its sender, as the framework's TNotifyEvent did.
using TNotifyEvent = std::function<void(TObject *Sender)>;

} // namespace textcore
