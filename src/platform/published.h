#pragma once
// What a form class publishes to its layout description: component references and handlers,
// bound by name when the layout is read.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "classes.h"

class TPublishedMembers {
 public:
  // A component reference: the layout's object of that name is stored here; its class must be T.
  template <class T>
  void Field(const std::string& name, T*& ref) {
    fields_[name] = [&ref](TComponent* c) {
      auto* typed = dynamic_cast<T*>(c);
      if (typed) ref = typed;
      return typed != nullptr;
    };
  }
  // A handler that the layout names as an event's value.
  void Method(const std::string& name, TNotifyEvent handler) { methods_[name] = std::move(handler); }

  // The form's layout description and the name its errors give it.
  void Layout(std::string_view text, std::string fileName) {
    layoutText_ = text;
    layoutFileName_ = std::move(fileName);
  }
  std::string_view LayoutText() const { return layoutText_; }
  const std::string& LayoutFileName() const { return layoutFileName_; }

  // Binds `component` to the field `name`; false when there is no such field or the class differs.
  bool BindField(const std::string& name, TComponent* component) const {
    auto it = fields_.find(name);
    return it != fields_.end() && it->second(component);
  }
  bool HasField(const std::string& name) const { return fields_.count(name) != 0; }
  const TNotifyEvent* FindMethod(const std::string& name) const {
    auto it = methods_.find(name);
    return it == methods_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, std::function<bool(TComponent*)>> fields_;
  std::map<std::string, TNotifyEvent> methods_;
  std::string_view layoutText_;
  std::string layoutFileName_;
};
