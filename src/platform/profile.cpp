#include "platform/profile.h"

#include <optional>

#include "platform/exceptions.h"
#include "platform/profile_file.h"
#include "platform/profile_text.h"
#include "platform/text.h"

namespace {

// The file system's name of a code-page file name; nothing when the name has no Unicode form.
std::optional<std::string> SystemName(const std::string& fileName) {
  try {
    return AnsiToUtf8(fileName);
  } catch (const EEncodingError&) {
    return std::nullopt;
  }
}

std::string WithoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& fileName) {
  if (std::optional<std::string> path = SystemName(fileName)) {
    if (std::optional<std::string> contents = ReadProfileFile(*path)) {
      if (std::optional<std::string> value = ProfileFind(*contents, section, key)) return *value;
    }
  }
  return WithoutTrailingSpaces(defaultValue);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& fileName) {
  std::optional<std::string> path = SystemName(fileName);
  if (!path) return false;
  return UpdateProfileFile(*path, [&](const std::string& contents) {
    return ProfileSet(contents, section, key, value);
  });
}

bool FlushPrivateProfile(const std::string&) { return FlushProfileFiles(); }
