#include "platform/text.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstring>

#include "platform/exceptions.h"

namespace {

constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// The message for a failed conversion. Built without going through Convert, so that a failure
// while building it cannot recurse: these are the code-page bytes of 文字コードを変換できません.
std::string ConversionMessage(const char* from, const char* to, std::size_t offset, bool truncated) {
  std::string message =
      "\x95\xB6\x8E\x9A\x83\x52\x81\x5B\x83\x68\x82\xF0\x95\xCF\x8A\xB7\x82\xC5\x82\xAB\x82\xDC"
      "\x82\xB9\x82\xF1";
  message += " (";
  message += from;
  message += " -> ";
  message += to;
  message += truncated ? ", incomplete character at byte " : ", byte ";
  message += std::to_string(offset + 1);
  message += ")";
  return message;
}

class Converter {
 public:
  Converter(const char* from, const char* to) : from_(from), to_(to), cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw EEncodingError(ConversionMessage(from, to, 0, false) + ": " + std::strerror(errno));
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::string Run(const char* data, std::size_t size) {
    std::string out(size * 2 + 16, '\0');
    char* in = const_cast<char*>(data);
    std::size_t inLeft = size;
    std::size_t used = 0;
    while (true) {
      char* outPtr = out.data() + used;
      std::size_t outLeft = out.size() - used;
      std::size_t result = iconv(cd_, inLeft ? &in : nullptr, &inLeft, &outPtr, &outLeft);
      used = out.size() - outLeft;
      if (result != static_cast<std::size_t>(-1)) {
        if (inLeft == 0) break;
        continue;
      }
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // EILSEQ: no bytes for this character, or a malformed sequence; EINVAL: cut off at the end.
      throw EEncodingError(ConversionMessage(from_, to_, size - inLeft, errno == EINVAL));
    }
    out.resize(used);
    return out;
  }

 private:
  const char* from_;
  const char* to_;
  iconv_t cd_;
};

std::string Convert(const char* from, const char* to, const char* data, std::size_t size) {
  return Converter(from, to).Run(data, size);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// One or more hexadecimal digits to the end, as an unsigned 32-bit pattern.
std::optional<std::int32_t> ParseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    int digit = HexValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// One or more decimal digits to the end, within the 32-bit signed range.
std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                            : static_cast<std::int64_t>(value));
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t CharLength(std::string_view s, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

std::string AnsiToUtf8(std::string_view ansi) {
  return Convert(kCodePage, "UTF-8", ansi.data(), ansi.size());
}

std::string Utf8ToAnsi(std::string_view utf8) {
  return Convert("UTF-8", kCodePage, utf8.data(), utf8.size());
}

std::u16string AnsiToUtf16(std::string_view ansi) {
  std::string bytes = Convert(kCodePage, kUtf16, ansi.data(), ansi.size());
  std::u16string result(bytes.size() / 2, u'\0');
  std::memcpy(result.data(), bytes.data(), result.size() * 2);
  return result;
}

std::string Utf16ToAnsi(std::u16string_view utf16) {
  return Convert(kUtf16, kCodePage, reinterpret_cast<const char*>(utf16.data()),
                 utf16.size() * sizeof(char16_t));
}

std::string EncodingToAnsi(std::string_view text, const std::string& encoding) {
  return Convert(encoding.c_str(), kCodePage, text.data(), text.size());
}

std::string Ansi(std::string_view utf8) { return Utf8ToAnsi(utf8); }

std::string IntToStr(std::int32_t value) { return std::to_string(value); }

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string_view rest = text.substr(i);
  if (rest.empty()) return std::nullopt;
  switch (rest[0]) {
    case '+':
      return ParseDecimal(rest.substr(1), false);
    case '-':
      return ParseDecimal(rest.substr(1), true);
    case '$':
    case 'x':
    case 'X':
      return ParseHex(rest.substr(1));
    default:
      if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        return ParseHex(rest.substr(2));
      }
      return ParseDecimal(rest, false);
  }
}

std::int32_t StrToInt(std::string_view text) {
  if (auto value = TryStrToInt(text)) return *value;
  throw EConvertError(Format(Ansi("'%s' は整数ではありません"), {text}));
}

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args) {
  // Byte-wise: '%' (0x25) is never the trail byte of a double-byte character.
  std::string result;
  result.reserve(pattern.size());
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && next != args.end()) {
      result += *next++;
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}
