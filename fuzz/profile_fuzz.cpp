// Fuzzes the private-profile rules over a file's bytes. The input is three length bytes, then a
// section, a key and a value of those lengths, then the file's contents.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile_text.h"
#include "platform/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Each line with its ending.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') end += 2;
    else end += 1;
    lines.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return lines;
}

std::string_view Ending(std::string_view line) {
  std::size_t n = 0;
  while (n < line.size() && n < 2 && (line[line.size() - 1 - n] == '\r' || line[line.size() - 1 - n] == '\n')) ++n;
  if (n == 2 && line.substr(line.size() - 2) != "\r\n") n = 1;
  return line.substr(line.size() - n);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool HasBlankEnds(std::string_view s) { return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back())); }

bool Has(std::string_view s, std::string_view bytes) { return s.find_first_of(bytes) != std::string_view::npos; }

// Names and a value that survive being written and read back as they are.
bool RoundTrips(std::string_view section, std::string_view key, std::string_view value) {
  if (HasBlankEnds(section) || HasBlankEnds(key) || HasBlankEnds(value)) return false;
  if (Has(section, "\r\n]") || Has(key, "\r\n=") || Has(value, "\r\n")) return false;
  // A lead byte before the closing bracket would swallow it.
  if (!section.empty() && IsLeadByte(static_cast<unsigned char>(section.back()))) return false;
  if (!key.empty() && (key.front() == '[' || key.front() == ';')) return false;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return false;
  return true;
}

void CheckOnlyKeyLineChanged(std::string_view before, std::string_view after, std::string_view section,
                             std::string_view key, std::string_view value) {
  const std::string_view nl =
      before.find('\r') == std::string_view::npos && before.find('\n') != std::string_view::npos ? "\n" : "\r\n";
  const auto a = Lines(before);
  const auto b = Lines(after);
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
    ++suffix;
  const std::vector<std::string_view> removed(a.begin() + prefix, a.end() - suffix);
  const std::vector<std::string_view> added(b.begin() + prefix, b.end() - suffix);
  if (removed.empty() && added.empty()) return;  // the same value written again

  const std::string keyLine = std::string(key) + "=" + std::string(value);
  // The existing key line replaced, with its own ending and its own spelling of the key.
  if (removed.size() == 1 && added.size() == 1) {
    std::string_view line = added[0];
    std::string_view ending = Ending(removed[0]);
    std::string tail = "=" + std::string(value) + std::string(ending);
    if (line.size() >= tail.size() && line.substr(line.size() - tail.size()) == tail &&
        ProfileNamesEqual(line.substr(0, line.size() - tail.size()), key))
      return;
  }
  // New lines at one place, the line before them given an ending when it had none.
  std::size_t first = 0;
  if (removed.size() == 1) {
    Check(!added.empty() && Ending(removed[0]).empty() && added[0] == std::string(removed[0]) + std::string(nl));
    first = 1;
  } else {
    Check(removed.empty());
  }
  std::vector<std::string> expected;
  if (added.size() - first == 2) expected.push_back("[" + std::string(section) + "]" + std::string(nl));
  expected.push_back(keyLine + std::string(nl));
  Check(added.size() - first == expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) Check(added[first + i] == expected[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t lengths[3] = {static_cast<std::size_t>(data[0] % 16), static_cast<std::size_t>(data[1] % 16),
                                  static_cast<std::size_t>(data[2] % 32)};
  input.remove_prefix(3);
  std::string_view parts[3];
  for (int i = 0; i < 3; ++i) {
    std::size_t n = lengths[i] < input.size() ? lengths[i] : input.size();
    parts[i] = input.substr(0, n);
    input.remove_prefix(n);
  }
  const std::string_view section = parts[0], key = parts[1], value = parts[2], contents = input;

  (void)ProfileFind(contents, section, key);
  const std::optional<std::string> written = ProfileSet(contents, section, key, value);
  const bool breaks = ProfileHasLineBreak(section) || ProfileHasLineBreak(key) || ProfileHasLineBreak(value);
  Check(written.has_value() == (!ProfileIsUnicode(contents) && !breaks));
  if (!written || !RoundTrips(section, key, value)) return 0;

  CheckOnlyKeyLineChanged(contents, *written, section, key, value);
  Check(ProfileFind(*written, section, key) == std::string(value));
  Check(ProfileSet(*written, section, key, value) == *written);
  return 0;
}
