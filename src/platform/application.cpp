#include "application.h"

#include <cstdio>

#include "backend.h"
#include "exceptions.h"
#include "process.h"

namespace {
TApplication theApplication;
}

TApplication* Application = &theApplication;

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

void TApplication::Initialize() {
  try {
    title_ = ApplicationTitleFor(ProgramFileName());
  } catch (const Exception&) {
    // A program that cannot name itself still runs, untitled.
    title_.clear();
  }
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
  TForm* created = form.get();
  if (!mainForm_)
    mainForm_ = std::move(form);
  else
    otherForms_.push_back(std::move(form));
  created->Create();
}

void TApplication::Run() {
  TBackend* backend = CurrentBackend();
  if (!backend || !mainForm_ || terminated_) return;
  backend->ShowMainForm(*mainForm_);
  // The creation handler or the first show may already have ended the program.
  if (!terminated_) backend->RunMessageLoop();
}

void TApplication::Terminate() {
  terminated_ = true;
  if (TBackend* backend = CurrentBackend()) backend->Quit();
}

void TApplication::HandleEvent(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const Exception& error) {
    ShowException(error);
  }
}

void TApplication::ShowException(const Exception& error) {
  const std::string text = ErrorBoxText(error.Message());
  if (TBackend* backend = CurrentBackend())
    backend->ShowMessageBox(title_, text, TMessageIcon::Error);
  else
    std::fprintf(stderr, "%s: %s\n", title_.c_str(), text.c_str());
}
