#pragma once
// What the class library needs of a toolkit. With no backend attached (the dialog's tests) forms
// have no native windows, error boxes and open-file dialogs go to a test's stand-in.
#include <optional>
#include <string>

class TForm;
class TOpenDialog;

enum class TMessageIcon { Error };

class TBackend {
 public:
  virtual ~TBackend() = default;
  // Creates the native window of the main form and its controls, and shows it.
  virtual void ShowMainForm(TForm& form) = 0;
  // Runs until Quit.
  virtual void RunMessageLoop() = 0;
  virtual void Quit() = 0;
  // A modal message box with one OK button.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, TMessageIcon icon) = 0;
  // A modal open-file dialog over the main form. The chosen file's full path, or nothing when
  // the user cancelled; `dialog.FilterIndex` is the one to preselect and is updated on confirm.
  virtual std::optional<std::string> ExecuteOpenDialog(TOpenDialog& dialog) = 0;
};

void SetBackend(TBackend* backend);
TBackend* CurrentBackend();
