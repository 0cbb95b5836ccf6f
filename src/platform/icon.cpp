#include "icon.h"

#include <map>
#include <string>
#include <vector>

#include "exceptions.h"

namespace {

constexpr int kMaxSide = 256;

[[noreturn]] void Fail(int line, const std::string& what) {
  throw Exception("icon line " + std::to_string(line) + ": " + what);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A side length: 1 to 3 digits, within 1..kMaxSide.
bool ParseSide(std::string_view text, int& side) {
  if (text.empty() || text.size() > 3) return false;
  side = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    side = side * 10 + (c - '0');
  }
  return side >= 1 && side <= kMaxSide;
}

struct TNumberedLine {
  int number;
  std::string_view text;
};

// The lines that carry content, with their numbers, without a trailing '\r'.
std::vector<TNumberedLine> ContentLines(std::string_view text) {
  std::vector<TNumberedLine> lines;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    lines.push_back({number, line});
  }
  return lines;
}

}  // namespace

TIconImage ReadIconImage(std::string_view text) {
  const std::vector<TNumberedLine> lines = ContentLines(text);
  if (lines.empty()) Fail(1, "empty image");
  TIconImage image;
  std::size_t next = 0;

  const TNumberedLine& size = lines[next++];
  const std::size_t space = size.text.find(' ');
  if (space == std::string_view::npos || !ParseSide(size.text.substr(0, space), image.Width) ||
      !ParseSide(size.text.substr(space + 1), image.Height))
    Fail(size.number, "expected \"<width> <height>\", each 1 to " + std::to_string(kMaxSide));

  std::map<char, int> indexOf;
  for (; next < lines.size() && lines[next].text != "pixels"; ++next) {
    const TNumberedLine& entry = lines[next];
    if (entry.text.size() < 3 || entry.text[1] != ' ') Fail(entry.number, "expected \"<char> <RRGGBB>\"");
    const char key = entry.text[0];
    if (indexOf.count(key)) Fail(entry.number, std::string("palette character '") + key + "' given twice");
    const std::string_view value = entry.text.substr(2);
    if (value == "transparent") {
      indexOf[key] = -1;
      continue;
    }
    int rgb = 0;
    bool valid = value.size() == 6;
    for (std::size_t i = 0; valid && i < value.size(); ++i) {
      const int digit = HexDigit(value[i]);
      valid = digit >= 0;
      rgb = rgb * 16 + digit;
    }
    if (!valid) Fail(entry.number, "expected a colour RRGGBB or transparent");
    const int red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    indexOf[key] = static_cast<int>(image.Palette.size());
    image.Palette.push_back(static_cast<TColor>(red | (green << 8) | (blue << 16)));
  }
  if (next == lines.size()) Fail(lines.back().number, "missing \"pixels\"");
  ++next;  // "pixels"

  image.Pixels.reserve(static_cast<std::size_t>(image.Width) * image.Height);
  for (int row = 0; row < image.Height; ++row, ++next) {
    if (next == lines.size()) Fail(lines[next - 1].number, "expected " + std::to_string(image.Height) + " rows of pixels");
    const TNumberedLine& line = lines[next];
    if (static_cast<int>(line.text.size()) != image.Width)
      Fail(line.number, "expected " + std::to_string(image.Width) + " pixels");
    for (char c : line.text) {
      auto it = indexOf.find(c);
      if (it == indexOf.end()) Fail(line.number, std::string("character '") + c + "' is not in the palette");
      image.Pixels.push_back(it->second);
    }
  }
  if (next != lines.size()) Fail(lines[next].number, "more rows than the height");
  return image;
}
