#include "qt_text.h"

#include <algorithm>

#include "platform/exceptions.h"
#include "platform/text.h"

QString ToQString(const std::string& ansi) {
  const std::u16string wide = AnsiToUtf16(ansi);
  return QString(reinterpret_cast<const QChar*>(wide.data()), static_cast<qsizetype>(wide.size()));
}

std::string FromQString(const QString& text) {
  return Utf16ToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<size_t>(text.size())));
}

namespace {

std::optional<QString> TryToQString(const std::string& ansi) {
  try {
    return ToQString(ansi);
  } catch (const EEncodingError&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> TryFromQString(const QString& text) {
  // A test of convertibility, not error handling: the caller refuses the text and says nothing.
  try {
    return FromQString(text);
  } catch (const EEncodingError&) {
    return std::nullopt;
  }
}

int Utf16Offset(const std::string& ansi, int byteOffset) {
  byteOffset = std::clamp(byteOffset, 0, static_cast<int>(ansi.size()));
  return static_cast<int>(AnsiToUtf16(std::string_view(ansi).substr(0, byteOffset)).size());
}

int ByteOffset(const QString& text, int utf16Offset) {
  utf16Offset = std::clamp(utf16Offset, 0, static_cast<int>(text.size()));
  const auto prefix = TryFromQString(text.left(utf16Offset));
  return prefix ? static_cast<int>(prefix->size()) : 0;
}

QString ToQStringShowingBadBytes(const std::string& ansi) {
  if (auto whole = TryToQString(ansi)) return *whole;
  QString result;
  for (size_t i = 0; i < ansi.size();) {
    const size_t length = CharLength(ansi, i);
    if (auto one = TryToQString(ansi.substr(i, length)))
      result += *one;
    else
      for (size_t k = i; k < i + length; ++k)
        result += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(ansi[k]), 2, 16, QLatin1Char('0'));
    i += length;
  }
  return result;
}
