#pragma once
// TIniFile: one settings file, read and written key by key through the private-profile functions.
// Releasing it (its destructor) flushes the file; a failure of the flush is not reported.
#include <cstdint>
#include <string>
#include <string_view>

class TIniFile {
 public:
  explicit TIniFile(std::string fileName);  // touches no file
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The default when the key is missing or its text does not convert.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;
  // Throws EIniFileException "<file> に書き込めません" when the write fails.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

 private:
  std::string fileName_;
};
