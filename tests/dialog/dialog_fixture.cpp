#include "dialog_fixture.h"

#include <memory>

#include "platform/published.h"

namespace {
// Form1 must name the form before its creation handler runs, as CreateForm(Form1) does.
TCreationSpy* currentSpy = nullptr;
struct TSpiedFactory : TSpiedForm1 {
  explicit TSpiedFactory(TComponent* owner) : TSpiedForm1(owner, *currentSpy) { Form1 = this; }
};
}  // namespace

void TSpiedForm1::Publish(TPublishedMembers& members) {
  TForm1::Publish(members);
  members.Method("FormCreate", [this](TObject* s) {
    if (spy_.atFormCreate) spy_.atFormCreate(*this);
    if (spy_.runFormCreate) FormCreate(s);
  });
  members.Method("Edit1Change", [this](TObject* s) {
    ++spy_.edit1Changes;
    Edit1Change(s);
    if (spy_.afterEdit1Change) spy_.afterEdit1Change(*this);
  });
}

DialogTest::DialogTest() : savedApplication_(Application), savedBackend_(CurrentBackend()) {
  Application = &app;
  SetBackend(&backend);
}

DialogTest::~DialogTest() {
  Form1 = nullptr;
  SetBackend(savedBackend_);
  Application = savedApplication_;
}

void DialogTest::SetUpProcess(std::vector<std::string> arguments) {
  SetProcessForTesting(dir.Path("VadoveZiz"), std::move(arguments));
  app.Initialize();
}

void DialogTest::Start(std::vector<std::string> arguments) {
  SetUpProcess(std::move(arguments));
  Application->CreateForm(Form1);
  ASSERT_NE(Form1, nullptr);
}

void DialogTest::StartSpied(TCreationSpy& spy, std::vector<std::string> arguments) {
  SetUpProcess(std::move(arguments));
  currentSpy = &spy;
  TSpiedFactory* form = nullptr;
  Application->CreateForm(form);
  currentSpy = nullptr;
  ASSERT_EQ(Form1, form);
}

void DialogTest::Toggle(TCheckBox* box) {
  ASSERT_TRUE(box->Enabled()) << box->Name << " is disabled: a user cannot click it";
  User([box] { box->Toggle(); });
}

std::string DialogTest::Fixture(const std::string& name) {
  return ScratchDir::ReadFile(std::string(VZ_FIXTURES) + "/" + name);
}

void DialogTest::Install(const std::string& fixture, const std::string& as) const { dir.Write(as, Fixture(fixture)); }
