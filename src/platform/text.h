#pragma once
// Text inside the program is std::string holding bytes in the program's code page (code page 932,
// Shift-JIS, on Linux). This is the one place where text is converted to and from Unicode.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// True for a byte that starts a double-byte character in the code page.
bool IsLeadByte(unsigned char byte);
// The length in bytes of the character that starts at byte i of s: two for a lead byte with a
// byte after it, else one.
std::size_t CharLength(std::string_view s, std::size_t i);

// Code page <-> UTF-8 / UTF-16. Throws EEncodingError when the text cannot be converted
// (a character the code page has no bytes for, or a malformed sequence); never substitutes.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view utf16);
// From a named encoding (as iconv names it, e.g. the locale's codeset) into the code page.
std::string EncodingToAnsi(std::string_view text, const std::string& encoding);

// The program's own literals are written in UTF-8 in the sources: Ansi("横幅") gives their bytes
// in the code page.
std::string Ansi(std::string_view utf8);

// Signed decimal text, no leading zeros, no plus sign.
std::string IntToStr(std::int32_t value);

// The integer conversion: leading spaces, then a signed decimal, a hexadecimal ($, x, X, 0x, 0X)
// or a plain decimal form running to the end of the text, within 32 bits.
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// As TryStrToInt; a failure throws EConvertError "'<text>' は整数ではありません".
std::int32_t StrToInt(std::string_view text);

// Replaces each "%s" in order: Format(Ansi("%s に書き込めません"), {path}).
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> args);
