#pragma once
// The application's error box: modal over the whole application, one OK button.
#include <string>

#include "platform/backend.h"

class QWidget;

void ShowQtMessageBox(QWidget* parent, const std::string& title, const std::string& text, TMessageIcon icon);
