#include "platform/profile_text.h"

#include <cstddef>

#include "platform/text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsTrailByte(unsigned char byte) { return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC); }

// A lead byte counts as half of a character only when a trail byte follows it; otherwise it is
// a byte of its own, so broken text still splits the same way every time.
std::size_t WholeCharLength(std::string_view s, std::size_t i) {
  if (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() &&
      IsTrailByte(static_cast<unsigned char>(s[i + 1])))
    return 2;
  return 1;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

struct Line {
  std::size_t begin;  // first byte
  std::size_t end;    // first byte of the ending
  std::size_t next;   // first byte after the ending
};

// The line starting at `pos` (< contents.size()).
Line LineAt(std::string_view contents, std::size_t pos) {
  std::size_t end = contents.find_first_of("\r\n", pos);
  if (end == std::string_view::npos) return {pos, contents.size(), contents.size()};
  std::size_t next = end + 1;
  if (contents[end] == '\r' && next < contents.size() && contents[next] == '\n') ++next;
  return {pos, end, next};
}

enum class Kind { Header, Comment, Key, Other };

struct Parsed {
  Kind kind = Kind::Other;
  std::string_view name;   // a header's section or a key line's key
  std::string_view value;  // a key line's value, blanks removed
};

Parsed Parse(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] == '[') {
    std::size_t start = i + 1;
    std::size_t j = start;
    // A trail byte that happens to be ']' belongs to its character.
    while (j < text.size() && text[j] != ']') j += WholeCharLength(text, j);
    return {Kind::Header, TrimBlanks(text.substr(start, j - start)), {}};
  }
  if (i < text.size() && text[i] == ';') return {Kind::Comment, {}, {}};
  std::size_t eq = text.find('=');
  if (eq == std::string_view::npos) return {};
  return {Kind::Key, TrimBlanks(text.substr(0, eq)), TrimBlanks(text.substr(eq + 1))};
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

// New lines follow a file that is LF-only throughout; anything else gets CR LF, as Windows writes.
std::string_view NewLine(std::string_view contents) {
  if (contents.find('\r') == std::string_view::npos && contents.find('\n') != std::string_view::npos)
    return "\n";
  return "\r\n";
}

bool EndsWithoutLineEnd(std::string_view contents) {
  return !contents.empty() && contents.back() != '\n' && contents.back() != '\r';
}

}  // namespace

bool ProfileIsUnicode(std::string_view contents) {
  return contents.size() >= 2 && ((contents[0] == '\xFF' && contents[1] == '\xFE') ||
                                  (contents[0] == '\xFE' && contents[1] == '\xFF'));
}

bool ProfileNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    if (WholeCharLength(a, i) == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      i += 2;
    } else {
      if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
      ++i;
    }
  }
  return true;
}

std::optional<std::string> ProfileFind(std::string_view contents, std::string_view section,
                                       std::string_view key) {
  if (ProfileIsUnicode(contents)) return std::nullopt;
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  bool inSection = false;
  for (std::size_t pos = 0; pos < contents.size();) {
    Line line = LineAt(contents, pos);
    pos = line.next;
    Parsed parsed = Parse(contents.substr(line.begin, line.end - line.begin));
    if (parsed.kind == Kind::Header) {
      if (inSection) return std::nullopt;  // only the first section of the name counts
      inSection = ProfileNamesEqual(parsed.name, section);
    } else if (inSection && parsed.kind == Kind::Key && ProfileNamesEqual(parsed.name, key)) {
      return Unquote(parsed.value);
    }
  }
  return std::nullopt;
}

bool ProfileHasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

std::optional<std::string> ProfileSet(std::string_view contents, std::string_view section,
                                      std::string_view key, std::string_view value) {
  if (ProfileIsUnicode(contents)) return std::nullopt;
  // A line break would start lines of its own: keys or sections nobody meant to write.
  if (ProfileHasLineBreak(section) || ProfileHasLineBreak(key) || ProfileHasLineBreak(value)) return std::nullopt;
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  const std::string_view newLine = NewLine(contents);
  bool inSection = false;
  Line anchor{};  // the line a new key goes after
  for (std::size_t pos = 0; pos < contents.size();) {
    Line line = LineAt(contents, pos);
    pos = line.next;
    Parsed parsed = Parse(contents.substr(line.begin, line.end - line.begin));
    if (parsed.kind == Kind::Header) {
      if (inSection) break;
      inSection = ProfileNamesEqual(parsed.name, section);
      anchor = line;
    } else if (inSection && parsed.kind == Kind::Key && ProfileNamesEqual(parsed.name, key)) {
      std::string out;
      out.reserve(contents.size() + value.size());
      out.append(contents.substr(0, line.begin));
      out.append(parsed.name).append("=").append(value);
      out.append(contents.substr(line.end));
      return out;
    } else if (inSection && parsed.kind != Kind::Other) {
      anchor = line;
    }
  }

  std::string out;
  out.reserve(contents.size() + section.size() + key.size() + value.size() + 8);
  if (inSection) {
    out.append(contents.substr(0, anchor.next));
    if (anchor.end == anchor.next) out.append(newLine);
    out.append(key).append("=").append(value).append(newLine);
    out.append(contents.substr(anchor.next));
    return out;
  }
  out.append(contents);
  if (EndsWithoutLineEnd(contents)) out.append(newLine);
  out.append("[").append(section).append("]").append(newLine);
  out.append(key).append("=").append(value).append(newLine);
  return out;
}
