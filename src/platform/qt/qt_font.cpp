#include "qt_font.h"

#include <string>

#include "platform/text.h"
#include "qt_text.h"

namespace {

struct Substitute {
  const char* windowsName;  // UTF-8
  const char* family;
  int stretch;  // percent
};

// IPA P Gothic is about 3% wider than MS P Gothic at 12 pixels; the longest captions have no room
// to spare, so it is drawn at 96%.
constexpr Substitute substitutes[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic", 96},
    {"ＭＳ ゴシック", "IPAGothic", 100},
    {"MS UI Gothic", "IPAPGothic", 96},
};

}  // namespace

QFont ToQFont(const TFont& font) {
  QFont result(ToQString(font.Name));
  for (const Substitute& s : substitutes) {
    if (font.Name == Ansi(s.windowsName)) {
      result.setFamily(QString::fromLatin1(s.family));
      result.setStretch(s.stretch);
      break;
    }
  }
  result.setPixelSize(font.Height > 0 ? font.Height : -font.Height);
  result.setStyleStrategy(QFont::PreferAntialias);
  return result;
}
