#include "qt_application.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include <cstdio>

#include "qt_backend.h"
#include "qt_color.h"
#include "qt_display.h"
#include "qt_form.h"
#include "qt_form_window.h"
#include "qt_message_box.h"
#include "qt_open_dialog.h"

namespace {

// One palette for every window, the dialogs included, whatever the desktop's theme.
QPalette DialogPalette() {
  QPalette palette = QApplication::palette();
  for (auto [role, color] : {std::pair{QPalette::Window, clBtnFace}, {QPalette::Button, clBtnFace},
                             {QPalette::Base, clWindow}, {QPalette::WindowText, clWindowText},
                             {QPalette::Text, clWindowText}, {QPalette::ButtonText, clWindowText}}) {
    palette.setColor(QPalette::Active, role, ToQColor(color));
    palette.setColor(QPalette::Inactive, role, ToQColor(color));
    if (role != QPalette::WindowText && role != QPalette::Text && role != QPalette::ButtonText)
      palette.setColor(QPalette::Disabled, role, ToQColor(color));
  }
  return palette;
}

}  // namespace

QtBackend::QtBackend(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
  QApplication::setQuitOnLastWindowClosed(false);
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  QApplication::setPalette(DialogPalette());
}

QtBackend::~QtBackend() {
  form_.reset();
  app_.reset();
}

QtFormWindow* QtBackend::Window() const { return form_ ? form_->Window() : nullptr; }

void QtBackend::DropForm() {
  if (form_) form_->Detach();
  form_.reset();
}

void QtBackend::ShowMainForm(TForm& form) {
  form_.reset();
  form_ = std::make_unique<QtForm>(form);
  form_->Show();
}

void QtBackend::RunMessageLoop() {
  if (quitting_) return;
  QApplication::exec();
}

void QtBackend::Quit() {
  quitting_ = true;
  QApplication::exit(0);
}

void QtBackend::ShowMessageBox(const std::string& title, const std::string& text, TMessageIcon icon) {
  ShowQtMessageBox(Window(), title, text, icon);
}

std::optional<std::string> QtBackend::ExecuteOpenDialog(TOpenDialog& dialog) {
  return ExecuteQtOpenDialog(Window(), dialog);
}

std::unique_ptr<TBackend> CreateQtBackend(int& argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fputs("vadoveziz: 画面がありません (a display is needed: run it under X, or with xvfb-run)\n", stderr);
    return nullptr;
  }
  return std::make_unique<QtBackend>(argc, argv);
}
