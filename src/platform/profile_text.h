#pragma once
// The private-profile rules over the bytes of a file, with no file system: finding the value of
// [section] key and setting it. Lines end at CR LF, LF or CR; names match with ASCII letters
// folded, double-byte characters compared as they stand.
#include <optional>
#include <string>
#include <string_view>

// True when the contents start with a UTF-16 byte order mark: such files are neither read nor
// written.
bool ProfileIsUnicode(std::string_view contents);

// The value of [section] key (blanks around it and one pair of matching quotes removed), or
// nothing when the section or the key is missing or the contents are Unicode. The names lose
// their leading and trailing spaces.
std::optional<std::string> ProfileFind(std::string_view contents, std::string_view section,
                                       std::string_view key);

// True when the text holds a CR or an LF.
bool ProfileHasLineBreak(std::string_view text);

// The contents with [section] key set to value exactly as given, every other byte kept; nothing
// when the contents are Unicode or a name or the value holds a line break.
std::optional<std::string> ProfileSet(std::string_view contents, std::string_view section,
                                      std::string_view key, std::string_view value);

// The names' case-insensitive equality used by both.
bool ProfileNamesEqual(std::string_view a, std::string_view b);
