// TComponent: ownership, names and free notifications.
#include "platform/component.h"

namespace textcore {

namespace {

bool IsIdentStart(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}
bool IsIdentChar(char16_t c) { return IsIdentStart(c) || (c >= u'0' && c <= u'9'); }

bool IsValidIdent(StringView name) {
  if (name.empty() || !IsIdentStart(name[0]))
    return false;
  for (char16_t c : name.substr(1))
    if (!IsIdentChar(c))
      return false;
  return true;
}

} // namespace

TComponent::TComponent(TComponent *AOwner) {
  if (AOwner != nullptr)
    AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  RemoveFreeNotifications();
  DestroyComponents();
  if (fOwner != nullptr)
    fOwner->RemoveComponent(this);
}

void TComponent::SetName(const String &NewName) {
  if (NewName == fName)
    return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError(u"'" + NewName + u"' is not a valid component name");
  if (fOwner != nullptr)
    fOwner->ValidateRename(this, fName, NewName);
  else
    ValidateRename(nullptr, fName, NewName);
  fName = NewName;
}

void TComponent::ValidateRename(TComponent *AComponent, const String &CurName,
                                const String &NewName) {
  if (AComponent != nullptr && !NewName.empty() && !SameText(CurName, NewName) &&
      FindComponent(NewName) != nullptr)
    throw EComponentError(u"A component named " + NewName + u" already exists");
}

TComponent *TComponent::Components(int32_t Index) const {
  return static_cast<TComponent *>(fComponents.Items(Index));
}

int32_t TComponent::ComponentIndex() const {
  return fOwner == nullptr ? -1 : fOwner->fComponents.IndexOf(this);
}

TComponent *TComponent::FindComponent(StringView AName) const {
  if (AName.empty())
    return nullptr;
  for (int32_t i = 0; i < fComponents.Count(); ++i) {
    TComponent *component = Components(i);
    if (SameText(component->fName, AName))
      return component;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent *AComponent) {
  if (AComponent == nullptr || AComponent->fOwner == this)
    return;
  // An ownership cycle would destroy its members forever; refuse it before anything changes.
  for (const TComponent *owner = this; owner != nullptr; owner = owner->fOwner)
    if (owner == AComponent)
      throw EComponentError(std::string_view("A component cannot own itself"));
  ValidateRename(AComponent, String(), AComponent->fName);
  if (AComponent->fOwner != nullptr)
    AComponent->fOwner->RemoveComponent(AComponent);
  fComponents.Add(AComponent);
  AComponent->fOwner = this;
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent *AComponent) {
  if (AComponent == nullptr || AComponent->fOwner != this)
    return;
  Notification(AComponent, opRemove);
  fComponents.Remove(AComponent);
  AComponent->fOwner = nullptr;
}

void TComponent::DestroyComponents() {
  // Each destructor takes its component out of our list, so the loop always moves on.
  while (fComponents.Count() > 0)
    delete static_cast<TComponent *>(fComponents.Last());
}

void TComponent::Notification(TComponent *AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent != nullptr)
    RemoveFreeNotification(AComponent);
  // A component told about this one may remove others of ours: keep the index within the list.
  for (int32_t i = fComponents.Count() - 1; i >= 0; --i) {
    if (i >= fComponents.Count())
      i = fComponents.Count() - 1;
    if (i < 0)
      break;
    Components(i)->Notification(AComponent, Operation);
  }
}

void TComponent::FreeNotification(TComponent *AComponent) {
  if (AComponent == nullptr || AComponent == this)
    return;
  // Components with the same owner already hear of each other through it.
  if (fOwner != nullptr && AComponent->fOwner == fOwner)
    return;
  if (fFreeNotifies.IndexOf(AComponent) >= 0)
    return;
  fFreeNotifies.Add(AComponent);
  AComponent->fFreeNotifies.Add(this);
}

void TComponent::RemoveFreeNotification(TComponent *AComponent) { Unlink(AComponent); }

void TComponent::Unlink(TComponent *AComponent) {
  if (AComponent == nullptr)
    return;
  fFreeNotifies.Remove(AComponent);
  AComponent->fFreeNotifies.Remove(this);
}

void TComponent::RemoveFreeNotifications() {
  // Unlinked before the call, so an override that never calls the inherited Notification
  // still lets this loop end.
  while (fFreeNotifies.Count() > 0) {
    auto *other = static_cast<TComponent *>(fFreeNotifies.Last());
    Unlink(other);
    other->Notification(this, opRemove);
  }
}

} // namespace textcore
