#pragma once
// The program's colours as Qt colours. System colours resolve to one fixed desktop palette, so the
// dialog looks the same on every desktop theme.
#include <QColor>

#include "platform/graphics.h"

QColor ToQColor(TColor color);
