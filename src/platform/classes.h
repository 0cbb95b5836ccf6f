#pragma once
// The root of our class library: objects, components with names and owners, and notify events.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// A component has a name and is owned (and freed) by its owner.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string Name;
  TComponent* Owner() const { return owner_; }
  // The components this one owns, in the order they were created.
  const std::vector<TComponent*>& Components() const { return components_; }

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};
