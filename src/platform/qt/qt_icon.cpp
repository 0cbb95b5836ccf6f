#include "qt_icon.h"

#include <QPixmap>

#include "qt_color.h"

QImage ToQImage(const TIconImage& icon) {
  QImage image(icon.Width, icon.Height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < icon.Height; ++y) {
    for (int x = 0; x < icon.Width; ++x) {
      const size_t at = static_cast<size_t>(y) * icon.Width + x;
      if (at >= icon.Pixels.size()) continue;
      const int index = icon.Pixels[at];
      if (index < 0 || index >= static_cast<int>(icon.Palette.size())) continue;
      image.setPixelColor(x, y, ToQColor(icon.Palette[index]));
    }
  }
  return image;
}

QIcon ToQIcon(const TIconImage& icon) {
  if (icon.Width <= 0 || icon.Height <= 0) return QIcon();
  return QIcon(QPixmap::fromImage(ToQImage(icon)));
}
