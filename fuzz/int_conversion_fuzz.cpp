// The integer conversion against a second, independent reading of the same forms.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/exceptions.h"
#include "platform/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool AllOf(std::string_view s, int (*accept)(int)) {
  if (s.empty()) return false;
  for (unsigned char c : s) {
    if (!accept(c)) return false;
  }
  return true;
}

int IsDec(int c) { return c >= '0' && c <= '9'; }
int IsHex(int c) { return IsDec(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The forms read with from_chars, whose range checks are its own.
std::optional<std::int32_t> Reference(std::string_view text) {
  std::size_t skip = text.find_first_not_of(' ');
  if (skip == std::string_view::npos) return std::nullopt;
  std::string_view s = text.substr(skip);
  std::string_view hex;
  if (s[0] == '$' || s[0] == 'x' || s[0] == 'X') {
    hex = s.substr(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = s.substr(2);
  } else {
    std::string_view digits = (s[0] == '+' || s[0] == '-') ? s.substr(1) : s;
    if (!AllOf(digits, IsDec)) return std::nullopt;
    std::string signedText = (s[0] == '-' ? "-" : "") + std::string(digits);
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(signedText.data(), signedText.data() + signedText.size(), value);
    if (error != std::errc() || end != signedText.data() + signedText.size()) return std::nullopt;
    return value;
  }
  if (!AllOf(hex, IsHex)) return std::nullopt;
  std::uint32_t value = 0;
  auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  if (error != std::errc() || end != hex.data() + hex.size()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> result = TryStrToInt(text);

  Check(result == Reference(text));

  bool threw = false;
  try {
    Check(StrToInt(text) == result.value());
  } catch (const EConvertError& error) {
    threw = true;
    Check(error.Message() == Format(Ansi("'%s' は整数ではありません"), {text}));
  }
  Check(threw == !result.has_value());

  if (result) {
    Check(TryStrToInt(IntToStr(*result)) == result);
    Check(TryStrToInt(" " + text) == result);  // leading spaces are free
    Check(!TryStrToInt(text + " "));            // a trailing one never is
  }
  return 0;
}
