#pragma once
// The private-profile functions: reading, writing and flushing keys of an INI file the way Windows
// does. On Windows they call the system's own; on POSIX they are ours. File names are in the code
// page. Only the forms with a section, a key and a value (or default) are offered.
#include <string>
#include <string_view>

// The value of [section] key in the file, the whole of it; `defaultValue` (less its trailing
// spaces) when the file, the section or the key is missing or the file cannot be read.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& fileName);

// Sets [section] key=value, adding what is missing and changing no other byte of the file.
// Returns false when the write failed.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& fileName);

// Flushes pending writes of the file (the call with no section, key or value).
bool FlushPrivateProfile(const std::string& fileName);
