#pragma once
// The program's palette icon as a Qt image and icon.
#include <QIcon>
#include <QImage>

#include "platform/graphics.h"

QImage ToQImage(const TIconImage& icon);
QIcon ToQIcon(const TIconImage& icon);
