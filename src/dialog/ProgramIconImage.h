#pragma once
// The program's icon, compiled into the program as data.
#include "platform/graphics.h"

TIconImage LoadProgramIcon();
