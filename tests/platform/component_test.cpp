#include "platform/component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace textcore {
namespace {

// Records its destruction in a shared log, and forgets a watched component when it goes.
class Probe : public TComponent {
public:
  Probe(TComponent *owner, std::string label, std::vector<std::string> &log)
      : TComponent(owner), fLabel(std::move(label)), fLog(log) {}
  ~Probe() override { fLog.push_back("destroy " + fLabel); }

  void Watch(TComponent *other) {
    watched = other;
    other->FreeNotification(this);
  }
  TComponent *watched = nullptr;

protected:
  void Notification(TComponent *AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == watched) {
      watched = nullptr;
      fLog.push_back(fLabel + " forgets");
    }
  }

private:
  std::string fLabel;
  std::vector<std::string> &fLog;
};

TEST(Component, OwnerFreesItsComponentsLastFirst) {
  std::vector<std::string> log;
  auto *owner = new Probe(nullptr, "owner", log);
  auto *a = new Probe(owner, "a", log);
  new Probe(a, "a.child", log);
  new Probe(owner, "b", log);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(0), a);
  EXPECT_EQ(a->Owner(), owner);
  EXPECT_THROW(owner->Components(2), EListError);
  delete owner;
  EXPECT_EQ(log, (std::vector<std::string>{"destroy owner", "destroy b", "destroy a",
                                           "destroy a.child"}));
}

TEST(Component, DeletingAnOwnedComponentUnregistersIt) {
  std::vector<std::string> log;
  Probe owner(nullptr, "owner", log);
  auto *a = new Probe(&owner, "a", log);
  auto *b = new Probe(&owner, "b", log);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_EQ(b->ComponentIndex(), 0);

  // Moving to another owner takes it out of the first one's list.
  TComponent other(nullptr);
  other.InsertComponent(b);
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(b->Owner(), &other);
  other.RemoveComponent(b);
  EXPECT_EQ(b->Owner(), nullptr);
  delete b;
  EXPECT_EQ(log, (std::vector<std::string>{"destroy a", "destroy b"}));
}

TEST(Component, OwnershipCyclesAreRefused) {
  TComponent root(nullptr);
  auto *child = new TComponent(&root);
  auto *grandchild = new TComponent(child);
  EXPECT_THROW(grandchild->InsertComponent(&root), EComponentError);
  EXPECT_THROW(child->InsertComponent(child), EComponentError);
  EXPECT_EQ(root.Owner(), nullptr);
  EXPECT_EQ(grandchild->Owner(), child);
}

TEST(Component, NamesAreIdentifiersUniqueAmongSiblings) {
  TComponent owner(nullptr);
  auto *a = new TComponent(&owner);
  auto *b = new TComponent(&owner);
  a->SetName(u"Button_1");
  EXPECT_EQ(owner.FindComponent(u"bUTTON_1"), a);
  EXPECT_EQ(owner.FindComponent(u""), nullptr);
  b->SetName(u"Other");

  const struct {
    const char16_t *name;
    const char16_t *message;
  } refused[] = {
      {u"button_1", u"A component named button_1 already exists"},
      {u"1st", u"'1st' is not a valid component name"},
      {u"two words", u"'two words' is not a valid component name"},
      {u"caf\u00e9", u"'caf\u00e9' is not a valid component name"},
  };
  for (const auto &c : refused) {
    try {
      b->SetName(c.name);
      ADD_FAILURE() << "accepted a bad name";
    } catch (const EComponentError &e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(b->Name(), u"Other");
  }
  a->SetName(u"BUTTON_1"); // a change of case is no clash with itself
  EXPECT_EQ(a->Name(), u"BUTTON_1");
  b->SetName(u"");
  EXPECT_EQ(b->Name(), u"");

  // Taking in a component whose name is already used is refused, and changes nothing.
  TComponent stranger(nullptr);
  stranger.SetName(u"button_1");
  EXPECT_THROW(owner.InsertComponent(&stranger), EComponentError);
  EXPECT_EQ(stranger.Owner(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 2);
}

TEST(Component, FreeNotificationReachesWatchersOnDestruction) {
  std::vector<std::string> log;
  Probe watcher(nullptr, "watcher", log);
  auto *watched = new Probe(nullptr, "watched", log);
  watcher.Watch(watched);
  delete watched;
  EXPECT_EQ(watcher.watched, nullptr);

  // A watcher that goes first is forgotten: the watched one's later death reaches nobody.
  auto *short_lived = new Probe(nullptr, "short", log);
  auto *target = new Probe(nullptr, "target", log);
  short_lived->Watch(target);
  delete short_lived;
  delete target;

  // Siblings hear of each other through their owner.
  Probe owner(nullptr, "owner", log);
  auto *left = new Probe(&owner, "left", log);
  auto *right = new Probe(&owner, "right", log);
  left->Watch(right);
  delete right;
  EXPECT_EQ(left->watched, nullptr);

  // RemoveFreeNotification stops the message.
  auto *quiet = new Probe(nullptr, "quiet", log);
  watcher.Watch(quiet);
  quiet->RemoveFreeNotification(&watcher);
  delete quiet;
  EXPECT_EQ(watcher.watched, quiet);
  EXPECT_EQ(log, (std::vector<std::string>{"destroy watched", "watcher forgets", "destroy short",
                                           "destroy target", "destroy right", "left forgets",
                                           "destroy quiet"}));
}

TEST(Component, TagAndAnOwnerlessComponentInAUniquePtr) {
  auto component = std::make_unique<TComponent>(nullptr);
  component->SetTag(-42);
  EXPECT_EQ(component->Tag(), -42);
  EXPECT_EQ(component->ComponentIndex(), -1);
}

} // namespace
} // namespace textcore
