// The texts the application object derives: the error box's text and the program's title.
#include <string>

#include "application.h"
#include "process.h"
#include "text.h"

namespace {

bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::string TApplication::ErrorBoxText(const std::string& message) {
  if (message.empty()) return message;
  std::size_t last = 0;
  for (std::size_t i = 0; i < message.size(); i += CharLength(message, i)) last = i;
  const bool singleByte = last == message.size() - 1;
  if (singleByte && static_cast<unsigned char>(message[last]) <= '.') return message;
  return message + ".";
}

std::string ApplicationTitleWith(const std::string& programFileName, char pathDelim) {
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < programFileName.size(); i += CharLength(programFileName, i))
    if (programFileName[i] == pathDelim && CharLength(programFileName, i) == 1) nameStart = i + 1;
  std::string name = programFileName.substr(nameStart);
  for (std::size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (name[i] == '.' && CharLength(name, i) == 1) {
      name.resize(i);
      break;
    }
  }
  if (name.empty()) return name;
  for (std::size_t i = CharLength(name, 0); i < name.size(); i += CharLength(name, i))
    if (CharLength(name, i) == 1 && IsUpperAscii(name[i])) name[i] = static_cast<char>(name[i] - 'A' + 'a');
  return name;
}

std::string ApplicationTitleFor(const std::string& programFileName) {
  return ApplicationTitleWith(programFileName, PathDelim);
}
