#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/exceptions.h"
#include "platform/process.h"
#include "platform/published.h"
#include "platform/text.h"
#include "recording_backend.h"

namespace {

struct TTextCase {
  const char* name;
  std::string message;
  std::string expected;
};

class ErrorBoxTextTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(ErrorBoxTextTest, AddsAFullStopUnlessTheLastCharacterIsASmallSingleByte) {
  EXPECT_EQ(TApplication::ErrorBoxText(GetParam().message), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    ::testing::Values(TTextCase{"Empty", "", ""}, TTextCase{"EndsInFullStop", "done.", "done."},
                      TTextCase{"EndsInBang", "done!", "done!"}, TTextCase{"EndsInSpace", "done ", "done "},
                      TTextCase{"EndsInMinus", "a-", "a-"}, TTextCase{"EndsInSlash", "a/", "a/."},
                      TTextCase{"EndsInLetter", "a", "a."},
                      // 表 is 0x95 0x5C, the full-width space 0x81 0x40.
                      TTextCase{"TrailByteIsBackslash", "\x95\x5C", "\x95\x5C."},
                      TTextCase{"TrailByteIsAt", "a\x81\x40", "a\x81\x40."},
                      TTextCase{"TrailByteLooksLikeALead", "\x83\x81!", "\x83\x81!"},
                      TTextCase{"HalfWidthKatakana", "\xB1", "\xB1."},
                      TTextCase{"LoneLeadByteAtTheEnd", "a\x81", "a\x81."}),
    [](const auto& info) { return std::string(info.param.name); });

struct TTitleCase {
  const char* name;
  std::string fileName;
  char delimiter;
  std::string expected;
};

class TitleTest : public ::testing::TestWithParam<TTitleCase> {};

TEST_P(TitleTest, IsTheBareNameInLowerCaseAfterItsFirstCharacter) {
  EXPECT_EQ(ApplicationTitleWith(GetParam().fileName, GetParam().delimiter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FileNames, TitleTest,
    ::testing::Values(
        TTitleCase{"Bare", "vadoveziz", '/', "vadoveziz"},
        TTitleCase{"PathAndExtension", "/x/VadoveZiz.EXE", '/', "Vadoveziz"},
        TTitleCase{"CutAtTheFirstDot", "/x/VadoveZiz.tar.gz", '/', "Vadoveziz"},
        TTitleCase{"DotInTheDirectory", "/a.b/VZ", '/', "Vz"},
        TTitleCase{"FirstKeepsItsLowerCase", "/x/aBC", '/', "abc"},
        TTitleCase{"NothingBeforeTheDot", "/x/.hidden", '/', ""},
        TTitleCase{"NoName", "/x/", '/', ""}, TTitleCase{"Empty", "", '/', ""},
        TTitleCase{"WindowsPath", "C:\\Tools\\ZUZOZI.EXE", '\\', "Zuzozi"},
        // The trail byte of 表 is a backslash but no delimiter.
        TTitleCase{"TrailByteIsTheDelimiter", "C:\\x\\\x95\x5C.exe", '\\', "\x95\x5C"},
        TTitleCase{"TrailByteInTheDirectory", "C:\\\x95\x5C\\Ab.exe", '\\', "Ab"},
        // ア is 0x83 0x41: its trail byte is an 'A' that keeps its case.
        TTitleCase{"DoubleByteFirst", "/x/\x83\x41" "BC", '/', "\x83\x41" "bc"},
        TTitleCase{"DoubleByteUntouched", "/x/X\x83\x41", '/', "X\x83\x41"},
        TTitleCase{"HalfWidthKatakanaFirst", "/x/\xB1" "B", '/', "\xB1" "b"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplicationTitleTest, ForUsesThePlatformsDelimiter) {
  EXPECT_EQ(ApplicationTitleFor(std::string("x") + PathDelim + "VadoveZiz.EXE"), "Vadoveziz");
}

// The process as the test sets it, put back afterwards.
class ProcessScope {
 public:
  explicit ProcessScope(std::string fileName)
      : savedName_(ProgramFileName()), savedArgument_(FirstArgument()) {
    SetProcessForTesting(std::move(fileName), {});
  }
  ~ProcessScope() {
    std::vector<std::string> arguments;
    if (savedArgument_) arguments.push_back(*savedArgument_);
    SetProcessForTesting(savedName_, arguments);
  }

 private:
  std::string savedName_;
  std::optional<std::string> savedArgument_;
};

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() { scope.app.Initialize(); }
  ProcessScope process{"/opt/vz/VadoveZiz.EXE"};
  TApplicationScope scope;
  TBackendScope backend;
  TRecordingBackend& recorded = backend.backend;
};

TEST_F(ApplicationTest, InitializeTakesTheTitleFromTheProgramsName) { EXPECT_EQ(scope.app.Title(), "Vadoveziz"); }

TEST_F(ApplicationTest, HandleEventShowsTheProgramsErrorsInTheErrorBox) {
  const std::string message = Ansi("'x' は整数ではありません");
  scope.app.HandleEvent([&] { throw EConvertError(message); });
  scope.app.HandleEvent([] { throw Exception("done."); });
  scope.app.HandleEvent([] {});
  ASSERT_EQ(recorded.messageBoxes.size(), 2u);
  EXPECT_EQ(recorded.messageBoxes[0].title, "Vadoveziz");
  EXPECT_EQ(recorded.messageBoxes[0].text, message + ".");
  EXPECT_EQ(recorded.messageBoxes[0].icon, TMessageIcon::Error);
  EXPECT_EQ(recorded.messageBoxes[1].text, "done.");
}

TEST_F(ApplicationTest, HandleEventLetsOtherFailuresThrough) {
  EXPECT_THROW(scope.app.HandleEvent([] { throw std::bad_alloc(); }), std::bad_alloc);
  EXPECT_THROW(scope.app.HandleEvent([] { throw std::runtime_error("x"); }), std::runtime_error);
  EXPECT_TRUE(recorded.messageBoxes.empty());
}

TEST(ApplicationWithoutBackendTest, ErrorBoxGoesToStandardError) {
  TApplicationScope scope;
  ::testing::internal::CaptureStderr();
  scope.app.ShowException(Exception("no file"));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("no file."), std::string::npos);
}

TEST(ApplicationWithoutBackendTest, RunReturnsAtOnce) {
  TApplicationScope scope;
  scope.app.Run();
  scope.app.Terminate();
  EXPECT_TRUE(scope.app.Terminated());
}

// A form class whose creation handler looks at the global reference, as the dialog's does.
class TProbeForm;
TProbeForm* ProbeForm = nullptr;

class TProbeForm : public TForm {
 public:
  using TForm::TForm;
  bool referenceWasSet = false;
  bool wasMainForm = false;
  bool closeInCreate = false;

 protected:
  void Publish(TPublishedMembers& m) override {
    m.Method("FormCreate", [this](TObject*) {
      referenceWasSet = ProbeForm == this;
      wasMainForm = Application->MainForm() == this;
      if (closeInCreate) Close();
    });
    m.Layout("Probe: TProbeForm {\n  OnCreate = FormCreate\n}\n", "probe.layout");
  }
};

TEST_F(ApplicationTest, CreateFormSetsTheReferenceBeforeTheCreationHandlerRuns) {
  ProbeForm = nullptr;
  scope.app.CreateForm(ProbeForm);
  ASSERT_NE(ProbeForm, nullptr);
  EXPECT_TRUE(ProbeForm->referenceWasSet);
  EXPECT_TRUE(ProbeForm->wasMainForm);
  EXPECT_EQ(scope.app.MainForm(), ProbeForm);

  TProbeForm* first = ProbeForm;
  scope.app.CreateForm(ProbeForm);
  EXPECT_TRUE(ProbeForm->referenceWasSet);
  EXPECT_FALSE(ProbeForm->wasMainForm);
  EXPECT_EQ(scope.app.MainForm(), first);
  ProbeForm = nullptr;
}

TEST_F(ApplicationTest, RunShowsTheMainFormThenLoopsUntilTheMainFormCloses) {
  TProbeForm* form = nullptr;
  scope.app.CreateForm(form);
  TProbeForm* other = nullptr;
  scope.app.CreateForm(other);
  scope.app.Run();
  other->Close();
  EXPECT_FALSE(scope.app.Terminated());
  form->Close();
  EXPECT_TRUE(scope.app.Terminated());
  EXPECT_EQ(recorded.calls, (std::vector<std::string>{"show Probe", "loop", "quit"}));
}

TEST_F(ApplicationTest, RunAfterTheProgramEndedShowsNothing) {
  scope.app.Terminate();
  TProbeForm* form = nullptr;
  scope.app.CreateForm(form);
  scope.app.Run();
  EXPECT_EQ(recorded.calls, (std::vector<std::string>{"quit"}));
}

TEST(OpenDialogTest, ExecuteAsksTheBackendAndKeepsTheChoice) {
  TComponent owner(nullptr);
  auto* dialog = new TOpenDialog(&owner);
  dialog->Filter = "a|*.a";
  dialog->FileName = "old";
  EXPECT_FALSE(dialog->Execute());  // no backend: nothing to choose with

  TBackendScope backend;
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->FileName, "old");
  backend.backend.nextChoice = "/x/new.ini";
  EXPECT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->FileName, "/x/new.ini");
  EXPECT_EQ(backend.backend.openedFilters, (std::vector<std::string>{"a|*.a", "a|*.a"}));
}

}  // namespace
