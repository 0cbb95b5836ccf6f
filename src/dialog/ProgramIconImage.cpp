#include "dialog/ProgramIconImage.h"

#include <string_view>

#include "platform/icon.h"

extern const std::string_view ProgramIcon;

TIconImage LoadProgramIcon() { return ReadIconImage(ProgramIcon); }
