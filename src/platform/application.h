#pragma once
// The application object: title, main form, message loop, and the error box. Every event that
// the user's input or the form's creation runs goes through HandleEvent, the one place that
// catches the program's errors.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms.h"
#include "graphics.h"

class Exception;

class TApplication {
 public:
  TApplication();
  ~TApplication();

  void Initialize();
  // Creates the form: `Reference` points at it from the start of its creation, before its
  // controls exist and before its creation handler runs. The first form is the main form.
  // AdoptForm runs TForm::Create.
  template <class T>
  void CreateForm(T*& Reference) {
    auto form = std::make_unique<T>(nullptr);
    Reference = form.get();
    AdoptForm(std::move(form));
  }
  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  TForm* MainForm() const { return mainForm_.get(); }
  // Derived from the program's file name: the part after its last delimiter, cut before its
  // first '.', every character after the first in lower case.
  const std::string& Title() const { return title_; }
  TIconImage Icon;

  // Runs an event handler; an Exception it raises is shown in the error box and goes no further.
  void HandleEvent(const std::function<void()>& handler);
  // The error box: the message, with "." appended unless it is empty or ends in a single-byte
  // character of code 46 or lower; the title as its title, the error icon, one OK button.
  void ShowException(const Exception& error);
  static std::string ErrorBoxText(const std::string& message);

 private:
  void AdoptForm(std::unique_ptr<TForm> form);
  std::unique_ptr<TForm> mainForm_;
  std::vector<std::unique_ptr<TForm>> otherForms_;
  std::string title_;
  bool terminated_ = false;
};

extern TApplication* Application;

// The title the application object derives from a program file name.
std::string ApplicationTitleFor(const std::string& programFileName);
// ApplicationTitleFor with the given path delimiter, so either platform's rule can be exercised.
std::string ApplicationTitleWith(const std::string& programFileName, char pathDelim);
