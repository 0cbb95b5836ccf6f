#include "classes.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  // Newest first, so a component never outlives one it was made after and may refer to.
  while (!components_.empty()) {
    TComponent* child = components_.back();
    components_.pop_back();
    child->owner_ = nullptr;
    delete child;
  }
  if (owner_) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}
