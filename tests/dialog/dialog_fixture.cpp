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

std::ostream& operator<<(std::ostream& out, const TBoxState& s) {
  auto colour = [](TColor c) { return c == clWindow ? "clWindow" : c == clSilver ? "clSilver" : "other"; };
  return out << "checked " << s.checked1 << s.checked2 << s.checked3 << s.checked4 << ", CheckBox3 enabled "
             << s.enabled3 << ", Edit7 " << (s.edit7Enabled ? "enabled" : "disabled") << " on " << colour(s.edit7Color)
             << ", Label7 " << (s.label7Enabled ? "enabled" : "disabled") << ", Edit8 on " << colour(s.edit8Color);
}

TBoxState BoxState() {
  // Edit8 stays enabled whatever the boxes say; a state where it is not is never expected.
  EXPECT_TRUE(Form1->Edit8->Enabled());
  return {Form1->CheckBox1->Checked(), Form1->CheckBox2->Checked(), Form1->CheckBox3->Checked(),
          Form1->CheckBox4->Checked(), Form1->CheckBox3->Enabled(), Form1->Edit7->Enabled(),
          Form1->Edit7->Color(),       Form1->Label7->Enabled(),    Form1->Edit8->Color()};
}
