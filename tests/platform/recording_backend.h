#pragma once
// Stand-ins that record what the class library tells a toolkit, and scopes that attach them.
#include <optional>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/controls.h"
#include "platform/dialogs.h"

struct TMessageBoxRecord {
  std::string title;
  std::string text;
  TMessageIcon icon;
};

class TRecordingBackend : public TBackend {
 public:
  std::vector<std::string> calls;  // "show <form name>", "loop", "quit"
  std::vector<TMessageBoxRecord> messageBoxes;
  // What the next open-file dialog answers; nothing means the user cancels.
  std::optional<std::string> nextChoice;
  std::vector<std::string> openedFilters;

  void ShowMainForm(TForm& form) override { calls.push_back("show " + form.Name); }
  void RunMessageLoop() override { calls.push_back("loop"); }
  void Quit() override { calls.push_back("quit"); }
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageIcon icon) override {
    messageBoxes.push_back({title, text, icon});
  }
  std::optional<std::string> ExecuteOpenDialog(TOpenDialog& dialog) override {
    openedFilters.push_back(dialog.Filter);
    return nextChoice;
  }
};

// Attaches a recording backend for the scope's lifetime.
class TBackendScope {
 public:
  TBackendScope() : saved_(CurrentBackend()) { SetBackend(&backend); }
  ~TBackendScope() { SetBackend(saved_); }
  TRecordingBackend backend;

 private:
  TBackend* saved_;
};

// A fresh application object as `Application` for the scope's lifetime.
class TApplicationScope {
 public:
  TApplicationScope() : saved_(Application) { Application = &app; }
  ~TApplicationScope() { Application = saved_; }
  TApplication app;

 private:
  TApplication* saved_;
};

class TRecordingPeer : public TControlPeer {
 public:
  struct TRecord {
    TControl* control;
    TChange what;
    bool operator==(const TRecord&) const = default;
  };
  std::vector<TRecord> changes;
  void Changed(TControl& control, TChange what) override { changes.push_back({&control, what}); }
};
