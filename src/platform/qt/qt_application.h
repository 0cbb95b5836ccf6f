#pragma once
// The Qt backend: owns the toolkit's application object and the main form's window.
#include <memory>
#include <optional>
#include <string>

#include "platform/backend.h"

class QApplication;
class QtForm;
class QtFormWindow;

class QtBackend : public TBackend {
 public:
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;

  void ShowMainForm(TForm& form) override;
  void RunMessageLoop() override;
  void Quit() override;
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageIcon icon) override;
  std::optional<std::string> ExecuteOpenDialog(TOpenDialog& dialog) override;

  // The shown form's window, if any.
  QtFormWindow* Window() const;
  // Closes the window without touching the form, which may be gone already.
  void DropForm();

 private:
  std::unique_ptr<QApplication> app_;
  std::unique_ptr<QtForm> form_;
  bool quitting_ = false;
};
