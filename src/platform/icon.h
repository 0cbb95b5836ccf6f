#pragma once
// Reads a palette image from its text form:
//   line 1: "<width> <height>"
//   then one line per palette entry: "<char> <RRGGBB>" or "<char> transparent"
//   then a line "pixels" and <height> lines of <width> palette characters.
// Blank lines and lines starting with '#' are skipped. Throws Exception naming the line for a
// malformed image.
#include <string_view>

#include "graphics.h"

TIconImage ReadIconImage(std::string_view text);
