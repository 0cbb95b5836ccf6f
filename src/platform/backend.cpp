#include "backend.h"

namespace {
TBackend* currentBackend = nullptr;
}

void SetBackend(TBackend* backend) { currentBackend = backend; }
TBackend* CurrentBackend() { return currentBackend; }
