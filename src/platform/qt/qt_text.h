#pragma once
// The one place where the program's code-page text meets Qt's UTF-16 strings.
#include <QString>

#include <optional>
#include <string>

// Throw EEncodingError for text the other side cannot hold; nothing is ever substituted.
QString ToQString(const std::string& ansi);
std::string FromQString(const QString& text);
// The code-page bytes of `text`, or nothing when the code page has no bytes for some character.
std::optional<std::string> TryFromQString(const QString& text);

// Positions: a byte offset into `ansi` as an offset into its UTF-16 form, and back.
int Utf16Offset(const std::string& ansi, int byteOffset);
int ByteOffset(const QString& text, int utf16Offset);

// For the error box, which must show whatever it is given: a byte sequence the code page cannot
// read appears as \xNN instead of hiding the whole message.
QString ToQStringShowingBadBytes(const std::string& ansi);
