#pragma once
// The options dialog made from its real description, never shown: a scripted stand-in for the
// toolkit, a fresh application object per test, and the program's directory in a scratch folder.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "../platform/scratch_dir.h"
#include "dialog/Unit1.h"
#include "platform/application.h"
#include "platform/backend.h"
#include "platform/process.h"
#include "platform/text.h"
#include "store/location.h"

struct TMessageBoxRecord {
  std::string title;
  std::string text;
  TMessageIcon icon;
};

// What an open-file dialog offered when it opened.
struct TOpenDialogOffer {
  std::string dialog;
  int filterIndex;
  std::string fileName;
};

// The user's answer to an open-file dialog: a chosen path (with the file type selected on
// confirming, 0 keeping the offered one) or a cancel.
struct TChoice {
  std::optional<std::string> path;
  int filterIndex = 0;
};
inline TChoice Choose(std::string path, int filterIndex = 0) { return {std::move(path), filterIndex}; }
inline TChoice Cancel() { return {}; }

class TScriptedBackend : public TBackend {
 public:
  std::deque<TChoice> choices;
  std::vector<TOpenDialogOffer> offers;
  std::vector<TMessageBoxRecord> messageBoxes;
  int quits = 0;

  void ShowMainForm(TForm&) override { ADD_FAILURE() << "the dialog's tests never show the form"; }
  void RunMessageLoop() override { ADD_FAILURE() << "the dialog's tests run no message loop"; }
  void Quit() override { ++quits; }
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageIcon icon) override {
    messageBoxes.push_back({title, text, icon});
  }
  std::optional<std::string> ExecuteOpenDialog(TOpenDialog& dialog) override {
    offers.push_back({dialog.Name, dialog.FilterIndex, dialog.FileName});
    if (choices.empty()) {
      ADD_FAILURE() << dialog.Name << " opened with no answer scripted";
      return std::nullopt;
    }
    TChoice choice = std::move(choices.front());
    choices.pop_front();
    if (choice.path && choice.filterIndex > 0) dialog.FilterIndex = choice.filterIndex;
    return choice.path;
  }
};

// Hooks into the creation of the form, for tests that watch the start-up sequence.
struct TCreationSpy {
  bool runFormCreate = true;
  std::function<void(TForm1&)> atFormCreate;      // before FormCreate runs
  std::function<void(TForm1&)> afterEdit1Change;  // after each Edit1Change
  int edit1Changes = 0;
};

// TForm1 with its creation handler and Edit1Change wrapped by the spy.
class TSpiedForm1 : public TForm1 {
 public:
  TSpiedForm1(TComponent* AOwner, TCreationSpy& spy) : TForm1(AOwner), spy_(spy) {}

 protected:
  void Publish(TPublishedMembers& members) override;

 private:
  TCreationSpy& spy_;
};

// The check boxes and the controls they govern.
struct TBoxState {
  bool checked1, checked2, checked3, checked4;
  bool enabled3;  // CheckBox3
  bool edit7Enabled;
  TColor edit7Color;
  bool label7Enabled;
  TColor edit8Color;
  bool operator==(const TBoxState&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TBoxState& s);
TBoxState BoxState();

// The state at start-up with no settings file.
inline constexpr TBoxState kAllOff = {false, false, false, false, false, false, clSilver, false, clSilver};

class DialogTest : public ::testing::Test {
 protected:
  DialogTest();
  ~DialogTest() override;

  // Creates Form1 the way the program does, with the given command-line arguments.
  void Start(std::vector<std::string> arguments = {});
  // Creates Form1 as a TSpiedForm1.
  void StartSpied(TCreationSpy& spy, std::vector<std::string> arguments = {});

  // The user's input, delivered as the backend delivers it.
  void User(const std::function<void()>& input) { Application->HandleEvent(input); }
  void Click(TButton* button) { User([button] { button->Click(); }); }
  void Toggle(TCheckBox* box);
  void Type(TEdit* edit, const std::string& text) { User([edit, text] { edit->SetText(text); }); }

  // A fixture file's bytes, and a copy of it in the program's directory.
  static std::string Fixture(const std::string& name);
  void Install(const std::string& fixture, const std::string& as = "zuzozi.ini") const;

  // The program's directory in the code page, ending in its delimiter.
  std::string ProgramDir() const { return ProgramDirectory(); }

  ScratchDir dir;
  TScriptedBackend backend;
  TApplication app;

 private:
  void SetUpProcess(std::vector<std::string> arguments);
  TApplication* savedApplication_;
  TBackend* savedBackend_;
};
