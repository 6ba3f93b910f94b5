// TComponent: the framework's owned, named object that frees what it owns.
//
// Holding a component: create it with new and an owner, and keep a raw pointer to it; the owner
// deletes it when the owner is destroyed (the last-inserted first). Deleting it yourself before
// that is allowed: the destructor takes it out of its owner's list. A component made without an
// owner belongs to its creator, who may hold it in a std::unique_ptr.
//
// A component that keeps a pointer to another one that it does not own calls FreeNotification
// on it and overrides Notification: when the other is destroyed (or removed from the common
// owner) it hears Notification(other, opRemove) and drops the pointer.
//
// Note for descendants: owned components are destroyed by ~TComponent, after a descendant's
// own members are gone. An owner whose components use it while they are destroyed calls
// DestroyComponents in its own destructor.
#pragma once

#include "platform/exceptions.h"
#include "platform/list.h"
#include "platform/object.h"
#include "platform/strings.h"

#include <cstdint>

namespace textcore {

class EComponentError : public Exception {
public:
  using Exception::Exception;
};

enum TOperation : uint8_t { opInsert, opRemove };

class TComponent : public TObject {
public:
  explicit TComponent(TComponent *AOwner);
  ~TComponent() override;
  TComponent(const TComponent &) = delete;
  TComponent &operator=(const TComponent &) = delete;

  TComponent *Owner() const { return fOwner; }

  const String &Name() const { return fName; }
  // A name is empty or an identifier (an ASCII letter or "_", then letters, digits and "_"):
  // otherwise EComponentError "'%s' is not a valid component name". Names are unique among an
  // owner's components, ignoring ASCII case: "A component named %s already exists".
  virtual void SetName(const String &NewName);

  intptr_t Tag() const { return fTag; }
  void SetTag(intptr_t Value) { fTag = Value; }

  int32_t ComponentCount() const { return fComponents.Count(); }
  // Raises EListError "List index out of bounds (%d)" outside 0 .. ComponentCount() - 1.
  TComponent *Components(int32_t Index) const;
  // This component's position in its owner's list, or -1 without an owner.
  int32_t ComponentIndex() const;
  // The owned component with the name, ignoring ASCII case; nullptr when none (or name empty).
  TComponent *FindComponent(StringView AName) const;

  // Takes ownership of AComponent (taking it from its previous owner first).
  void InsertComponent(TComponent *AComponent);
  // Gives up ownership of AComponent without destroying it; nothing happens if it is not ours.
  void RemoveComponent(TComponent *AComponent);
  // Destroys every owned component, the last first.
  void DestroyComponents();

  // Asks for Notification(this, opRemove) to reach AComponent when this component goes.
  void FreeNotification(TComponent *AComponent);
  void RemoveFreeNotification(TComponent *AComponent);

protected:
  // Called when AComponent is inserted into or removed from this component's owned list, or
  // when a component that this one asked to watch is destroyed. Passes the news on to every
  // owned component; overrides call the inherited one.
  virtual void Notification(TComponent *AComponent, TOperation Operation);
  // Raises EComponentError when NewName would duplicate another owned component's name.
  virtual void ValidateRename(TComponent *AComponent, const String &CurName, const String &NewName);

private:
  void Unlink(TComponent *AComponent);
  void RemoveFreeNotifications();

  TComponent *fOwner = nullptr;
  String fName;
  intptr_t fTag = 0;
  TList fComponents;   // owned, in insertion order
  TList fFreeNotifies; // components linked both ways by FreeNotification
};

} // namespace textcore
