#pragma once
// The form's font as a Qt font. The Windows Japanese fonts are missing on Linux; each is replaced
// by the IPA font of the same kind, narrowed so that captions laid out for the original still fit.
#include <QFont>

#include "platform/graphics.h"

QFont ToQFont(const TFont& font);
