#include "platform/process.h"

#include "platform/exceptions.h"
#include "platform/text.h"

#ifndef _WIN32
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

std::string programFileName;
std::vector<std::string> arguments;

bool IsLead(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// One argument from position `p` on; returns the position after it. A NUL byte ends the line.
std::size_t NextArgument(std::string_view line, std::size_t p, std::string& argument) {
  auto at = [&](std::size_t i) -> unsigned char {
    return i < line.size() ? static_cast<unsigned char>(line[i]) : 0;
  };
  argument.clear();
  while (true) {
    while (at(p) != 0 && at(p) <= ' ') ++p;
    if (at(p) == '"' && at(p + 1) == '"') {
      p += 2;
    } else {
      break;
    }
  }
  // A lead byte always takes the byte after it along, whatever that byte is.
  auto takeCharacter = [&] {
    argument += line[p++];
    if (IsLead(line[p - 1]) && at(p) != 0) argument += line[p++];
  };
  while (at(p) > ' ') {
    if (at(p) == '"') {
      ++p;
      while (at(p) != 0 && at(p) != '"') takeCharacter();
      if (at(p) != 0) ++p;
    } else {
      takeCharacter();
    }
  }
  return p;
}

#ifndef _WIN32
std::string ReadOwnExecutable() {
  std::string buffer(256, '\0');
  while (true) {
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) {
      throw Exception("/proc/self/exe: " + std::string(std::strerror(errno)));
    }
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

// The encoding of names handed over by the system. Asked of a locale object of our own, so the
// process's global locale stays as the caller set it. The C locale reports ASCII, but names on
// Linux are UTF-8 in practice; ASCII is a subset of UTF-8, so reading them as UTF-8 loses nothing.
std::string LocaleCodeset() {
  std::string codeset = "UTF-8";
  locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (locale != static_cast<locale_t>(0)) {
    codeset = nl_langinfo_l(CODESET, locale);
    freelocale(locale);
  }
  if (codeset == "ANSI_X3.4-1968") codeset = "UTF-8";
  return codeset;
}

// The bytes of a name that failed, printable in any code page.
std::string Printable(std::string_view name) {
  static const char hex[] = "0123456789ABCDEF";
  std::string result;
  for (unsigned char c : name) {
    if (c >= 0x20 && c < 0x7F) {
      result += static_cast<char>(c);
    } else {
      result += "\\x";
      result += hex[c >> 4];
      result += hex[c & 15];
    }
  }
  return result;
}

std::string ToCodePage(std::string_view name, const std::string& codeset, std::string_view what) {
  try {
    return EncodingToAnsi(name, codeset);
  } catch (const EEncodingError& error) {
    throw EEncodingError(Format(Ansi("%s \"%s\" はコードページ 932 で表せません: %s"),
                                {what, Printable(name), error.Message()}));
  }
}
#endif

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> result;
  std::string argument;
  std::size_t p = NextArgument(commandLine, 0, argument);  // the program's own name
  while (true) {
    p = NextArgument(commandLine, p, argument);
    if (argument.empty()) break;
    result.push_back(argument);
  }
  return result;
}

#ifndef _WIN32
void InitProcess(int argc, char** argv) { InitProcessWith(ReadOwnExecutable(), argc, argv); }

void InitProcessWith(std::string_view systemFileName, int argc, char** argv) {
  const std::string codeset = LocaleCodeset();
  std::string fileName = ToCodePage(systemFileName, codeset, Ansi("プログラムのファイル名"));
  std::vector<std::string> converted;
  for (int i = 1; i < argc; ++i) {
    std::string_view argument = argv[i];
    if (argument.empty()) continue;
    if (converted.empty()) {
      converted.push_back(ToCodePage(argument, codeset, Ansi("コマンドラインの第 1 引数")));
      continue;
    }
    // Later arguments are never used; one the code page cannot hold ends the list instead of
    // stopping the program.
    try {
      converted.push_back(EncodingToAnsi(argument, codeset));
    } catch (const EEncodingError&) {
      break;
    }
  }
  programFileName = std::move(fileName);
  arguments = std::move(converted);
}
#endif

void SetProcessForTesting(std::string fileName, std::vector<std::string> args) {
  programFileName = std::move(fileName);
  arguments = std::move(args);
}

const std::string& ProgramFileName() { return programFileName; }

std::optional<std::string> FirstArgument() {
  if (arguments.empty() || arguments.front().empty()) return std::nullopt;
  return arguments.front();
}

std::string ExtractFilePathWith(std::string_view fileName, bool windowsRules) {
  std::size_t end = 0;  // one past the last delimiter
  for (std::size_t i = 0; i < fileName.size(); ++i) {
    char c = fileName[i];
    if (windowsRules) {
      if (IsLead(c) && i + 1 < fileName.size()) {
        ++i;  // a trail byte is never a delimiter
      } else if (c == '\\' || c == ':') {
        end = i + 1;
      }
    } else if (c == '/') {
      end = i + 1;
    }
  }
  return std::string(fileName.substr(0, end));
}

std::string ExtractFilePath(std::string_view fileName) {
#ifdef _WIN32
  return ExtractFilePathWith(fileName, true);
#else
  return ExtractFilePathWith(fileName, false);
#endif
}

std::string ProgramDirectory() { return ExtractFilePath(ProgramFileName()); }
