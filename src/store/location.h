#pragma once
// Which settings file is edited: its name as the dialog shows it and its full path, always in the
// program's directory.
#include <string>

extern std::string IniName;  // as shown in the file-name field
extern std::string IniPath;  // the program's directory followed directly by IniName

// The name to start with: the first command-line argument, else "zuzozi.ini".
std::string InitialIniName();
// IniName := name; IniPath := the program's directory followed by name, nothing inserted.
void SetIniName(const std::string& name);

// Byte i of the result is byte Length(s) - i + 1 of s.
std::string ReverseText(const std::string& s);
// 1-based byte position of the last occurrence of sub in s; 0 when there is none.
int LastPos(const std::string& sub, const std::string& s);
// The part of a chosen path after its last path delimiter; a delimiter byte that is the trail
// byte of a double-byte character does not count.
std::string BareFileName(const std::string& path);
// BareFileName with a given delimiter, so the Windows delimiter can be exercised anywhere.
std::string BareFileNameWith(const std::string& path, char delimiter);
