#include "platform/inifiles.h"

#include <utility>

#include "platform/exceptions.h"
#include "platform/profile.h"
#include "platform/text.h"

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

TIniFile::~TIniFile() { (void)FlushPrivateProfile(fileName_); }

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
  return GetPrivateProfileString(section, key, defaultValue, fileName_);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const {
  return TryStrToInt(ReadString(section, key, "")).value_or(defaultValue);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!WritePrivateProfileString(section, key, value, fileName_))
    throw EIniFileException(Format(Ansi("%s に書き込めません"), {fileName_}));
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, IntToStr(value));
}
