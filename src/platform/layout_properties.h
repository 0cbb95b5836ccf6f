#pragma once
// What a layout description may create and set: each class with its factory, its properties and
// its events. The layout reader knows nothing of the classes beyond this table.
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "classes.h"

class TForm;

// A property's value as written: a decimal integer, a quoted string (still UTF-8) or a name.
struct TLayoutValue {
  enum class Kind { Integer, String, Identifier };
  Kind kind = Kind::Identifier;
  std::int32_t integer = 0;
  std::string text;
};

// Each throws Exception saying what was expected when the value has another form.
std::int32_t LayoutInteger(const TLayoutValue& value);
bool LayoutBool(const TLayoutValue& value);
std::string LayoutString(const TLayoutValue& value);  // in the code page

struct TLayoutClass {
  // Creates an object owned by (and, for a control, shown on) `form`.
  std::function<TComponent*(TForm& form)> create;
  std::map<std::string, std::function<void(TComponent&, const TLayoutValue&)>> properties;
  std::map<std::string, std::function<void(TComponent&, const TNotifyEvent&)>> events;
};

// The class of that name, or nullptr.
const TLayoutClass* FindLayoutClass(const std::string& className);
// The properties and events of the form itself.
const TLayoutClass& FormLayoutClass();
