#pragma once
// The process as the program sees it: its own file name and its first command-line argument,
// both as bytes in the code page.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The path delimiter of the platform: '\\' on Windows, '/' on POSIX.
#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif

// Splits a Windows command line into its arguments after the program's own name: bytes 1 to 32
// separate, double quotes group and are dropped, double-byte characters are never split, and the
// list stops at the first empty argument.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// Takes the process's arguments (POSIX: argv as the shell split it, in the locale's encoding).
// Throws EEncodingError when the program's file name or the first argument cannot be held by the
// code page.
void InitProcess(int argc, char** argv);
// InitProcess with the program's file name given as the system would report it (POSIX: in the
// locale's encoding), so its conversion can be exercised.
void InitProcessWith(std::string_view systemFileName, int argc, char** argv);

// Test seam: the process as given, without converting anything.
void SetProcessForTesting(std::string programFileName, std::vector<std::string> arguments);

// The program's own file name, full path.
const std::string& ProgramFileName();
// The first (non-empty) argument, if any.
std::optional<std::string> FirstArgument();
// The directory part of a file name, up to and including its last delimiter ('/' on POSIX;
// '\\' or ':' on Windows, where a '\\' that is a trail byte does not count).
std::string ExtractFilePath(std::string_view fileName);
// ExtractFilePath by the rules of either platform, so both can be exercised anywhere.
std::string ExtractFilePathWith(std::string_view fileName, bool windowsRules);
// ExtractFilePath(ProgramFileName()).
std::string ProgramDirectory();
