// The layout reader. A description is one form block holding one block per control or component:
//
//   Form1: TForm1 {
//     Caption = 'VadoveZiz'
//     Edit1: TEdit {
//       TabOrder = 0
//       OnChange = Edit1Change
//     }
//   }
//
// Each line is a property ("Name = value"), an object opener ("Name: Class {"), a closing "}",
// blank, or a comment starting with '#'. A value is a decimal integer, a 'quoted string' ('' for a
// quote) or a name. Properties are set in file order; the handlers an object names are bound only
// when its block closes, so the initial values never run the form's handlers.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exceptions.h"
#include "forms.h"
#include "layout_properties.h"
#include "published.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

// A failure on the current line; the reader adds the file name and line number.
struct TSyntaxError {
  std::string what;
  int line = 0;  // when it is not the current line
};

class TLine {
 public:
  explicit TLine(std::string_view text) : text_(text) {}

  void SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
  }
  bool AtEnd() {
    SkipSpace();
    return pos_ == text_.size();
  }
  bool Take(char c) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::string Identifier() {
    SkipSpace();
    const std::size_t start = pos_;
    if (pos_ < text_.size() && IsIdentStart(text_[pos_]))
      while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }
  TLayoutValue Value() {
    SkipSpace();
    if (pos_ == text_.size()) throw TSyntaxError{"missing value"};
    const char c = text_[pos_];
    TLayoutValue value;
    if (c == '\'') {
      value.kind = TLayoutValue::Kind::String;
      value.text = String();
    } else if (c == '-' || IsDigit(c)) {
      value.kind = TLayoutValue::Kind::Integer;
      value.integer = Integer();
    } else if (IsIdentStart(c)) {
      value.kind = TLayoutValue::Kind::Identifier;
      value.text = Identifier();
    } else {
      throw TSyntaxError{"bad value"};
    }
    return value;
  }

 private:
  std::string String() {
    ++pos_;
    std::string text;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c != '\'') {
        text += c;
      } else if (pos_ < text_.size() && text_[pos_] == '\'') {
        text += '\'';
        ++pos_;
      } else {
        return text;
      }
    }
    throw TSyntaxError{"unterminated string"};
  }
  std::int32_t Integer() {
    const bool negative = text_[pos_] == '-';
    if (negative) ++pos_;
    if (pos_ == text_.size() || !IsDigit(text_[pos_])) throw TSyntaxError{"bad integer"};
    std::int64_t magnitude = 0;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      magnitude = magnitude * 10 + (text_[pos_++] - '0');
      if (magnitude > std::int64_t{1} << 31) throw TSyntaxError{"integer out of range"};
    }
    if (pos_ < text_.size() && IsIdentChar(text_[pos_])) throw TSyntaxError{"bad integer"};
    const std::int64_t v = negative ? -magnitude : magnitude;
    if (v > INT32_MAX) throw TSyntaxError{"integer out of range"};
    return static_cast<std::int32_t>(v);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// One object whose block is open.
struct TOpenObject {
  int line;
  TComponent* object;
  const TLayoutClass* layoutClass;
  std::string className;
  std::set<std::string> propertiesSet;
  std::vector<std::pair<std::string, const TNotifyEvent*>> handlers;
};

class TReader {
 public:
  TReader(TForm& form, const TPublishedMembers& members) : form_(form), members_(members) {}

  void Line(int number, std::string_view text) {
    lineNumber_ = number;
    TLine line(text);
    if (line.AtEnd() || line.Take('#')) return;
    if (line.Take('}')) {
      if (!line.AtEnd()) throw TSyntaxError{"unexpected text after '}'"};
      Close();
      return;
    }
    const std::string name = line.Identifier();
    if (name.empty()) throw TSyntaxError{"expected a property, an object or '}'"};
    if (line.Take(':')) {
      const std::string className = line.Identifier();
      if (className.empty() || !line.Take('{') || !line.AtEnd())
        throw TSyntaxError{"expected '" + name + ": <class> {'"};
      Open(name, className);
    } else if (line.Take('=')) {
      const TLayoutValue value = line.Value();
      if (!line.AtEnd()) throw TSyntaxError{"unexpected text after the value of " + name};
      Property(name, value);
    } else {
      throw TSyntaxError{"expected '=' or ':' after " + name};
    }
  }

  void Finish() {
    if (!open_.empty()) throw TSyntaxError{"'" + open_.back().object->Name + "' has no closing '}'", open_.back().line};
    if (!formRead_) throw TSyntaxError{"no form", 1};
  }

 private:
  void Open(const std::string& name, const std::string& className) {
    if (formRead_) throw TSyntaxError{"text after the form's closing '}'"};
    if (open_.empty()) {
      form_.Name = name;
      open_.push_back({lineNumber_, &form_, &FormLayoutClass(), className, {}, {}});
      return;
    }
    if (open_.size() > 1) throw TSyntaxError{"'" + open_.back().object->Name + "' cannot hold objects"};
    const TLayoutClass* layoutClass = FindLayoutClass(className);
    if (!layoutClass) throw TSyntaxError{"unknown class " + className};
    if (!names_.insert(name).second) throw TSyntaxError{"duplicate name " + name};
    if (!members_.HasField(name)) throw TSyntaxError{"no published field " + name};
    TComponent* object = layoutClass->create(form_);
    object->Name = name;
    if (!members_.BindField(name, object)) throw TSyntaxError{"the field " + name + " does not hold a " + className};
    open_.push_back({lineNumber_, object, layoutClass, className, {}, {}});
  }

  void Property(const std::string& name, const TLayoutValue& value) {
    if (open_.empty()) throw TSyntaxError{"property " + name + " outside the form"};
    TOpenObject& current = open_.back();
    if (!current.propertiesSet.insert(name).second) throw TSyntaxError{name + " is set twice"};
    const TLayoutClass& c = *current.layoutClass;
    if (auto p = c.properties.find(name); p != c.properties.end()) {
      try {
        p->second(*current.object, value);
      } catch (const Exception& e) {
        throw TSyntaxError{name + ": " + e.Message()};
      }
      return;
    }
    if (c.events.count(name)) {
      if (value.kind != TLayoutValue::Kind::Identifier) throw TSyntaxError{name + ": expected a handler name"};
      const TNotifyEvent* handler = members_.FindMethod(value.text);
      if (!handler) throw TSyntaxError{name + ": unknown handler " + value.text};
      current.handlers.emplace_back(name, handler);
      return;
    }
    throw TSyntaxError{"unknown property " + name + " of " + current.className};
  }

  void Close() {
    if (open_.empty()) throw TSyntaxError{"'}' without an object"};
    const TOpenObject& current = open_.back();
    for (const auto& [event, handler] : current.handlers) current.layoutClass->events.at(event)(*current.object, *handler);
    if (open_.size() == 1) formRead_ = true;
    open_.pop_back();
  }

  TForm& form_;
  const TPublishedMembers& members_;
  std::vector<TOpenObject> open_;
  std::set<std::string> names_;
  bool formRead_ = false;
  int lineNumber_ = 0;
};

}  // namespace

void TForm::ReadLayout(std::string_view text, const std::string& fileName) {
  TPublishedMembers members;
  Publish(members);
  TReader reader(*this, members);
  int lineNumber = 0;
  try {
    while (true) {
      ++lineNumber;
      const std::size_t end = text.find('\n');
      reader.Line(lineNumber, text.substr(0, end));
      if (end == std::string_view::npos) break;
      text.remove_prefix(end + 1);
    }
    reader.Finish();
  } catch (const TSyntaxError& e) {
    throw Exception(fileName + ":" + std::to_string(e.line ? e.line : lineNumber) + ": " + e.what);
  }
}
