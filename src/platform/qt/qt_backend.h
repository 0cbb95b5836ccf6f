#pragma once
// The Qt 6 Widgets backend, as the entry point sees it: no Qt type crosses this header.
#include <memory>

#include "platform/backend.h"

// Makes the toolkit's application object from the command line. Returns nullptr, after one line
// on stderr, when there is no display to show the dialog on.
std::unique_ptr<TBackend> CreateQtBackend(int& argc, char** argv);
