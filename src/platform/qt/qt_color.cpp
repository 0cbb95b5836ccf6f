#include "qt_color.h"

QColor ToQColor(TColor color) {
  if (!IsSystemColor(color)) return QColor(RedOf(color), GreenOf(color), BlueOf(color));
  switch (color & 0xFF) {
    case clWindow & 0xFF: return QColor(255, 255, 255);
    case clWindowText & 0xFF: return QColor(0, 0, 0);
    case clBtnFace & 0xFF: return QColor(240, 240, 240);
    default: return QColor(240, 240, 240);
  }
}
