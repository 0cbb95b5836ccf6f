#include "store/location.h"

#include "platform/process.h"
#include "platform/text.h"

std::string IniName;
std::string IniPath;

std::string InitialIniName() { return FirstArgument().value_or("zuzozi.ini"); }

void SetIniName(const std::string& name) {
  IniName = name;
  IniPath = ProgramDirectory() + name;
}

std::string ReverseText(const std::string& s) { return std::string(s.rbegin(), s.rend()); }

int LastPos(const std::string& sub, const std::string& s) {
  // An empty sub occurs nowhere, as the forward search treats it.
  if (sub.empty() || sub.size() > s.size()) return 0;
  const std::string reversed = ReverseText(s);
  const std::size_t q = reversed.find(ReverseText(sub));
  if (q == std::string::npos) return 0;
  // q is 0-based here; with the 1-based q' = q + 1 this is Length(s) - q' - Length(sub) + 2.
  return static_cast<int>(s.size() - (q + 1) - sub.size() + 2);
}

std::string BareFileNameWith(const std::string& path, char delimiter) {
  std::size_t start = 0;
  // Whole characters only: a trail byte may look like a delimiter (0x5C in 表) but is not one.
  for (std::size_t i = 0; i < path.size(); i += CharLength(path, i))
    if (path[i] == delimiter) start = i + 1;
  return path.substr(start);
}

std::string BareFileName(const std::string& path) { return BareFileNameWith(path, PathDelim); }
