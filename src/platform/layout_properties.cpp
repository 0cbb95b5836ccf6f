#include "layout_properties.h"

#include <utility>

#include "controls.h"
#include "dialogs.h"
#include "exceptions.h"
#include "forms.h"
#include "text.h"

namespace {

using TProperties = decltype(TLayoutClass::properties);

// How an error names a value; a string's own text stays out of it, being UTF-8 still.
std::string Quoted(const TLayoutValue& value) {
  switch (value.kind) {
    case TLayoutValue::Kind::Integer: return std::to_string(value.integer);
    case TLayoutValue::Kind::String: return "a string";
    case TLayoutValue::Kind::Identifier: break;
  }
  return value.text;
}

// A value given by name from a fixed set, or as an integer.
template <class T>
T Named(const TLayoutValue& value, const std::map<std::string, T>& names, const char* what) {
  if (value.kind == TLayoutValue::Kind::Identifier) {
    auto it = names.find(value.text);
    if (it != names.end()) return it->second;
  }
  throw Exception(std::string("unknown ") + what + " " + Quoted(value));
}

TColor LayoutColor(const TLayoutValue& value) {
  static const std::map<std::string, TColor> names = {
      {"clBtnFace", clBtnFace}, {"clWindow", clWindow}, {"clSilver", clSilver}, {"clWindowText", clWindowText}};
  if (value.kind == TLayoutValue::Kind::Integer) return value.integer;
  return Named(value, names, "colour");
}

int LayoutCharset(const TLayoutValue& value) {
  static const std::map<std::string, int> names = {{"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                                   {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET}};
  if (value.kind == TLayoutValue::Kind::Integer) return value.integer;
  return Named(value, names, "character set");
}

TBorderStyle LayoutBorderStyle(const TLayoutValue& value) {
  static const std::map<std::string, TBorderStyle> names = {{"bsDialog", TBorderStyle::bsDialog},
                                                            {"bsSizeable", TBorderStyle::bsSizeable}};
  return Named(value, names, "border style");
}

// Properties of class T, each as a setter taking the typed object.
template <class T>
class TBuilder {
 public:
  explicit TBuilder(TLayoutClass& c) : c_(c) {}
  template <class F>
  TBuilder& Property(const std::string& name, F set) {
    c_.properties[name] = [set](TComponent& o, const TLayoutValue& v) { set(static_cast<T&>(o), v); };
    return *this;
  }
  template <class F>
  TBuilder& Event(const std::string& name, F bind) {
    c_.events[name] = [bind](TComponent& o, const TNotifyEvent& e) { bind(static_cast<T&>(o), e); };
    return *this;
  }

 private:
  TLayoutClass& c_;
};

template <class T>
TLayoutClass ControlClass() {
  TLayoutClass c;
  c.create = [](TForm& form) -> TComponent* {
    auto* control = new T(&form);
    form.AddControl(control);
    return control;
  };
  TBuilder<TControl>(c)
      .Property("Left", [](TControl& o, const TLayoutValue& v) { o.SetLeft(LayoutInteger(v)); })
      .Property("Top", [](TControl& o, const TLayoutValue& v) { o.SetTop(LayoutInteger(v)); })
      .Property("Width", [](TControl& o, const TLayoutValue& v) { o.SetWidth(LayoutInteger(v)); })
      .Property("Height", [](TControl& o, const TLayoutValue& v) { o.SetHeight(LayoutInteger(v)); })
      .Property("Enabled", [](TControl& o, const TLayoutValue& v) { o.SetEnabled(LayoutBool(v)); })
      .Property("Visible", [](TControl& o, const TLayoutValue& v) { o.SetVisible(LayoutBool(v)); })
      .Property("Color", [](TControl& o, const TLayoutValue& v) { o.SetColor(LayoutColor(v)); })
      .Property("TabOrder", [](TControl& o, const TLayoutValue& v) { o.SetTabOrder(LayoutInteger(v)); })
      .Property("TabStop", [](TControl& o, const TLayoutValue& v) { o.SetTabStop(LayoutBool(v)); });
  return c;
}

template <class T>
void AddCaption(TLayoutClass& c) {
  TBuilder<T>(c).Property("Caption", [](T& o, const TLayoutValue& v) { o.SetCaption(LayoutString(v)); });
}

std::map<std::string, TLayoutClass> MakeClasses() {
  std::map<std::string, TLayoutClass> classes;

  TLayoutClass label = ControlClass<TLabel>();
  AddCaption<TLabel>(label);
  classes["TLabel"] = std::move(label);

  TLayoutClass edit = ControlClass<TEdit>();
  TBuilder<TEdit>(edit)
      .Property("Text", [](TEdit& o, const TLayoutValue& v) { o.SetText(LayoutString(v)); })
      .Property("ReadOnly", [](TEdit& o, const TLayoutValue& v) { o.SetReadOnly(LayoutBool(v)); })
      .Event("OnChange", [](TEdit& o, const TNotifyEvent& e) { o.OnChange = e; });
  classes["TEdit"] = std::move(edit);

  TLayoutClass button = ControlClass<TButton>();
  AddCaption<TButton>(button);
  TBuilder<TButton>(button).Event("OnClick", [](TButton& o, const TNotifyEvent& e) { o.OnClick = e; });
  classes["TButton"] = std::move(button);

  TLayoutClass checkBox = ControlClass<TCheckBox>();
  AddCaption<TCheckBox>(checkBox);
  TBuilder<TCheckBox>(checkBox)
      .Property("Checked", [](TCheckBox& o, const TLayoutValue& v) { o.SetChecked(LayoutBool(v)); })
      .Event("OnClick", [](TCheckBox& o, const TNotifyEvent& e) { o.OnClick = e; });
  classes["TCheckBox"] = std::move(checkBox);

  TLayoutClass openDialog;
  openDialog.create = [](TForm& form) -> TComponent* { return new TOpenDialog(&form); };
  TBuilder<TOpenDialog>(openDialog)
      .Property("Filter", [](TOpenDialog& o, const TLayoutValue& v) { o.Filter = LayoutString(v); });
  classes["TOpenDialog"] = std::move(openDialog);

  return classes;
}

TLayoutClass MakeFormClass() {
  TLayoutClass c;
  using V = const TLayoutValue&;
  TBuilder<TForm>(c)
      .Property("Caption", [](TForm& f, V v) { f.SetCaption(LayoutString(v)); })
      .Property("Left", [](TForm& f, V v) { f.SetLeft(LayoutInteger(v)); })
      .Property("Top", [](TForm& f, V v) { f.SetTop(LayoutInteger(v)); })
      .Property("ClientWidth", [](TForm& f, V v) { f.SetClientWidth(LayoutInteger(v)); })
      .Property("ClientHeight", [](TForm& f, V v) { f.SetClientHeight(LayoutInteger(v)); })
      .Property("MinWidth", [](TForm& f, V v) { f.MinWidth = LayoutInteger(v); })
      .Property("MaxWidth", [](TForm& f, V v) { f.MaxWidth = LayoutInteger(v); })
      .Property("MinHeight", [](TForm& f, V v) { f.MinHeight = LayoutInteger(v); })
      .Property("MaxHeight", [](TForm& f, V v) { f.MaxHeight = LayoutInteger(v); })
      .Property("BorderStyle", [](TForm& f, V v) { f.BorderStyle = LayoutBorderStyle(v); })
      .Property("AutoScroll", [](TForm& f, V v) { f.AutoScroll = LayoutBool(v); })
      .Property("Color", [](TForm& f, V v) { f.Color = LayoutColor(v); })
      .Property("FontName", [](TForm& f, V v) { f.Font.Name = LayoutString(v); })
      .Property("FontHeight", [](TForm& f, V v) { f.Font.Height = LayoutInteger(v); })
      .Property("FontCharset", [](TForm& f, V v) { f.Font.Charset = LayoutCharset(v); })
      .Property("FontColor", [](TForm& f, V v) { f.Font.Color = LayoutColor(v); })
      .Property("PixelsPerInch", [](TForm& f, V v) { f.PixelsPerInch = LayoutInteger(v); })
      .Event("OnCreate", [](TForm& f, const TNotifyEvent& e) { f.OnCreate = e; });
  return c;
}

}  // namespace

std::int32_t LayoutInteger(const TLayoutValue& value) {
  if (value.kind != TLayoutValue::Kind::Integer) throw Exception("expected an integer, not " + Quoted(value));
  return value.integer;
}

bool LayoutBool(const TLayoutValue& value) {
  if (value.kind == TLayoutValue::Kind::Identifier) {
    if (value.text == "true") return true;
    if (value.text == "false") return false;
  }
  throw Exception("expected true or false, not " + Quoted(value));
}

std::string LayoutString(const TLayoutValue& value) {
  if (value.kind != TLayoutValue::Kind::String) throw Exception("expected a quoted string, not " + Quoted(value));
  return Utf8ToAnsi(value.text);
}

const TLayoutClass* FindLayoutClass(const std::string& className) {
  static const std::map<std::string, TLayoutClass> classes = MakeClasses();
  auto it = classes.find(className);
  return it == classes.end() ? nullptr : &it->second;
}

const TLayoutClass& FormLayoutClass() {
  static const TLayoutClass form = MakeFormClass();
  return form;
}
