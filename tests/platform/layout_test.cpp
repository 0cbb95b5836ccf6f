#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/exceptions.h"
#include "platform/forms.h"
#include "platform/published.h"
#include "platform/text.h"
#include "recording_backend.h"

namespace {

// A form class publishing a few members, and recording its handlers' calls with their senders.
class TSampleForm : public TForm {
 public:
  explicit TSampleForm(TComponent* owner, std::string layout = {}) : TForm(owner), layout_(std::move(layout)) {}
  TLabel* Label1 = nullptr;
  TEdit* Edit1 = nullptr;
  TButton* Button1 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  std::vector<std::string> calls;

 protected:
  void Publish(TPublishedMembers& m) override {
    m.Field("Label1", Label1);
    m.Field("Edit1", Edit1);
    m.Field("Button1", Button1);
    m.Field("CheckBox1", CheckBox1);
    m.Field("OpenDialog1", OpenDialog1);
    m.Method("FormCreate", [this](TObject* s) { Record("FormCreate", s); });
    m.Method("Edit1Change", [this](TObject* s) { Record("Edit1Change", s); });
    m.Method("Button1Click", [this](TObject* s) { Record("Button1Click", s); });
    m.Method("CheckBox1Click", [this](TObject* s) { Record("CheckBox1Click", s); });
    m.Layout(layout_, "sample.layout");
  }

 private:
  void Record(const std::string& handler, TObject* sender) {
    auto* component = dynamic_cast<TComponent*>(sender);
    calls.push_back(handler + " " + (component ? component->Name : "?"));
  }
  std::string layout_;
};

const char* const kSample = R"(# a form with one of each
Form1: TForm1 {
  Caption = 'VadoveZiz'
  Left = 898
  Top = -5
  ClientWidth = 328
  ClientHeight = 446
  MinWidth = 336
  MaxWidth = 336
  MinHeight = 473
  MaxHeight = 473
  BorderStyle = bsDialog
  AutoScroll = true
  Color = clBtnFace
  FontName = 'ＭＳ Ｐゴシック'
  FontHeight = 12
  FontCharset = SHIFTJIS_CHARSET
  FontColor = clWindowText
  PixelsPerInch = 96
  OnCreate = FormCreate

  Label1: TLabel {
    Left = 16
    Top = 16
    Width = 55
    Height = 12
    Caption = 'INIファイル'
    Enabled = false
  }
  Edit1: TEdit {
    Left = 96
    Text = '"%P" it''s'
    OnChange = Edit1Change
    TabOrder = 5
    ReadOnly = true
    Color = clSilver
  }
  Button1: TButton {
    Caption = '...'
    TabOrder = 1
    TabStop = false
    OnClick = Button1Click
  }
  CheckBox1: TCheckBox {
    Caption = '名前で表示'
    Checked = true
    Visible = false
    OnClick = CheckBox1Click
  }
  OpenDialog1: TOpenDialog {
    Filter = 'INIファイル(.ini)|*.ini|全てのファイル(.*)|*.*'
  }
}
)";

TEST(LayoutTest, CreatesTheControlsInOrderWithTheirPropertiesAndBindsTheFields) {
  TSampleForm form(nullptr, kSample);
  form.ReadLayout(kSample, "sample.layout");

  EXPECT_EQ(form.Name, "Form1");
  EXPECT_EQ(form.Caption(), "VadoveZiz");
  EXPECT_EQ(form.Left(), 898);
  EXPECT_EQ(form.Top(), -5);
  EXPECT_EQ(form.ClientWidth(), 328);
  EXPECT_EQ(form.ClientHeight(), 446);
  EXPECT_EQ(form.MinWidth + form.MaxWidth, 672);
  EXPECT_EQ(form.MinHeight + form.MaxHeight, 946);
  EXPECT_EQ(form.BorderStyle, TBorderStyle::bsDialog);
  EXPECT_TRUE(form.AutoScroll);
  EXPECT_EQ(form.Color, clBtnFace);
  EXPECT_EQ(form.Font, (TFont{Ansi("ＭＳ Ｐゴシック"), 12, SHIFTJIS_CHARSET, clWindowText}));
  EXPECT_EQ(form.PixelsPerInch, 96);

  ASSERT_NE(form.Label1, nullptr);
  ASSERT_NE(form.Edit1, nullptr);
  ASSERT_NE(form.Button1, nullptr);
  ASSERT_NE(form.CheckBox1, nullptr);
  ASSERT_NE(form.OpenDialog1, nullptr);
  EXPECT_EQ(form.Controls(), (std::vector<TControl*>{form.Label1, form.Edit1, form.Button1, form.CheckBox1}));
  EXPECT_EQ(form.Components().back(), form.OpenDialog1);
  EXPECT_EQ(form.FindControl("Edit1"), form.Edit1);
  for (TControl* c : form.Controls()) EXPECT_EQ(c->Parent(), &form);

  EXPECT_EQ(form.Label1->Caption(), Ansi("INIファイル"));
  EXPECT_EQ((std::vector<int>{form.Label1->Left(), form.Label1->Top(), form.Label1->Width(), form.Label1->Height()}),
            (std::vector<int>{16, 16, 55, 12}));
  EXPECT_FALSE(form.Label1->Enabled());
  EXPECT_EQ(form.Edit1->Text(), "\"%P\" it's");
  EXPECT_EQ(form.Edit1->Left(), 96);
  EXPECT_EQ(form.Edit1->TabOrder(), 5);
  EXPECT_TRUE(form.Edit1->ReadOnly());
  EXPECT_EQ(form.Edit1->Color(), clSilver);
  EXPECT_EQ(form.Button1->Caption(), "...");
  EXPECT_FALSE(form.Button1->TabStop());
  EXPECT_EQ(form.CheckBox1->Caption(), Ansi("名前で表示"));
  EXPECT_TRUE(form.CheckBox1->Checked());
  EXPECT_FALSE(form.CheckBox1->Visible());
  EXPECT_EQ(form.OpenDialog1->Filter, Ansi("INIファイル(.ini)|*.ini|全てのファイル(.*)|*.*"));
  EXPECT_EQ(form.OpenDialog1->Name, "OpenDialog1");
}

TEST(LayoutTest, InitialValuesRunNoHandlerAndLaterChangesRunThemWithTheControlAsSender) {
  TSampleForm form(nullptr, kSample);
  form.ReadLayout(kSample, "sample.layout");
  EXPECT_TRUE(form.calls.empty());

  form.Edit1->SetText("other");
  form.Button1->Click();
  form.CheckBox1->Toggle();
  ASSERT_TRUE(form.OnCreate);
  form.OnCreate(&form);
  EXPECT_EQ(form.calls,
            (std::vector<std::string>{"Edit1Change Edit1", "Button1Click Button1", "CheckBox1Click CheckBox1",
                                      "FormCreate Form1"}));
}

TEST(LayoutTest, CreateReadsThePublishedLayoutThenRunsTheCreationHandler) {
  TApplicationScope scope;
  class TProbeForm : public TSampleForm {
   public:
    using TSampleForm::TSampleForm;
    bool sawControls = false;
    void Publish(TPublishedMembers& m) override {
      TSampleForm::Publish(m);
      m.Method("FormCreate", [this](TObject*) { sawControls = Edit1 && OpenDialog1 && !Edit1->Text().empty(); });
    }
  } form(nullptr, kSample);
  form.Create();
  EXPECT_TRUE(form.sawControls);
}

TEST(LayoutTest, AnErrorInTheCreationHandlerIsShownAndCreationGoesOn) {
  TApplicationScope scope;
  TBackendScope backend;
  const std::string layout = "Form1: TForm1 {\n  OnCreate = FormCreate\n}\n";
  class TFailingForm : public TSampleForm {
   public:
    using TSampleForm::TSampleForm;
    void Publish(TPublishedMembers& m) override {
      TSampleForm::Publish(m);
      m.Method("FormCreate", [](TObject*) { throw Exception("boom"); });
    }
  } form(nullptr, layout);
  EXPECT_NO_THROW(form.Create());
  ASSERT_EQ(backend.backend.messageBoxes.size(), 1u);
  EXPECT_EQ(backend.backend.messageBoxes[0].text, "boom.");
}

struct TBadLayout {
  const char* name;
  const char* text;
  const char* message;
};

class BadLayoutTest : public ::testing::TestWithParam<TBadLayout> {};

TEST_P(BadLayoutTest, FailsNamingTheFileAndLine) {
  TSampleForm form(nullptr);
  try {
    form.ReadLayout(GetParam().text, "bad.layout");
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BadLayoutTest,
    ::testing::Values(
        TBadLayout{"UnknownClass", "Form1: TForm1 {\n  Label1: TComboBox {\n  }\n}\n",
                   "bad.layout:2: unknown class TComboBox"},
        TBadLayout{"PropertyOfAnotherClass", "Form1: TForm1 {\n  Edit1: TEdit {\n    Checked = true\n  }\n}\n",
                   "bad.layout:3: unknown property Checked of TEdit"},
        TBadLayout{"UnknownFormProperty", "Form1: TForm1 {\n  Width = 3\n}\n",
                   "bad.layout:2: unknown property Width of TForm1"},
        TBadLayout{"StringForInteger", "Form1: TForm1 {\n  Left = '3'\n}\n",
                   "bad.layout:2: Left: expected an integer, not a string"},
        TBadLayout{"IntegerForBoolean", "Form1: TForm1 {\n  Label1: TLabel {\n    Enabled = 1\n  }\n}\n",
                   "bad.layout:3: Enabled: expected true or false, not 1"},
        TBadLayout{"NameForString", "Form1: TForm1 {\n  Caption = VadoveZiz\n}\n",
                   "bad.layout:2: Caption: expected a quoted string, not VadoveZiz"},
        TBadLayout{"UnknownColour", "Form1: TForm1 {\n  Color = clRed\n}\n",
                   "bad.layout:2: Color: unknown colour clRed"},
        TBadLayout{"UnknownCharset", "Form1: TForm1 {\n  FontCharset = OEM_CHARSET\n}\n",
                   "bad.layout:2: FontCharset: unknown character set OEM_CHARSET"},
        TBadLayout{"UnknownBorderStyle", "Form1: TForm1 {\n  BorderStyle = bsNone\n}\n",
                   "bad.layout:2: BorderStyle: unknown border style bsNone"},
        TBadLayout{"UnpublishedName", "Form1: TForm1 {\n  Edit9: TEdit {\n  }\n}\n",
                   "bad.layout:2: no published field Edit9"},
        TBadLayout{"FieldOfAnotherClass", "Form1: TForm1 {\n  Edit1: TLabel {\n  }\n}\n",
                   "bad.layout:2: the field Edit1 does not hold a TLabel"},
        TBadLayout{"DuplicateName", "Form1: TForm1 {\n  Edit1: TEdit {\n  }\n  Edit1: TEdit {\n  }\n}\n",
                   "bad.layout:4: duplicate name Edit1"},
        TBadLayout{"UnknownHandler", "Form1: TForm1 {\n  Button1: TButton {\n    OnClick = Button2Click\n  }\n}\n",
                   "bad.layout:3: OnClick: unknown handler Button2Click"},
        TBadLayout{"HandlerAsString", "Form1: TForm1 {\n  OnCreate = 'FormCreate'\n}\n",
                   "bad.layout:2: OnCreate: expected a handler name"},
        TBadLayout{"SetTwice", "Form1: TForm1 {\n  Left = 1\n  Left = 2\n}\n", "bad.layout:3: Left is set twice"},
        TBadLayout{"UnterminatedString", "Form1: TForm1 {\n  Caption = 'it''s\n}\n",
                   "bad.layout:2: unterminated string"},
        TBadLayout{"TextAfterValue", "Form1: TForm1 {\n  Left = 1 2\n}\n",
                   "bad.layout:2: unexpected text after the value of Left"},
        TBadLayout{"MissingEquals", "Form1: TForm1 {\n  Left 1\n}\n", "bad.layout:2: expected '=' or ':' after Left"},
        TBadLayout{"MissingValue", "Form1: TForm1 {\n  Left =\n}\n", "bad.layout:2: missing value"},
        TBadLayout{"BadValue", "Form1: TForm1 {\n  Left = @\n}\n", "bad.layout:2: bad value"},
        TBadLayout{"BadInteger", "Form1: TForm1 {\n  Left = 12px\n}\n", "bad.layout:2: bad integer"},
        TBadLayout{"LoneMinus", "Form1: TForm1 {\n  Left = -\n}\n", "bad.layout:2: bad integer"},
        TBadLayout{"IntegerTooLarge", "Form1: TForm1 {\n  Left = 2147483648\n}\n",
                   "bad.layout:2: integer out of range"},
        TBadLayout{"IntegerTooSmall", "Form1: TForm1 {\n  Left = -2147483649\n}\n",
                   "bad.layout:2: integer out of range"},
        TBadLayout{"NotALine", "Form1: TForm1 {\n  = 3\n}\n", "bad.layout:2: expected a property, an object or '}'"},
        TBadLayout{"OpenerWithoutBrace", "Form1: TForm1 {\n  Edit1: TEdit\n  }\n}\n",
                   "bad.layout:2: expected 'Edit1: <class> {'"},
        TBadLayout{"TextAfterBrace", "Form1: TForm1 {\n} x\n", "bad.layout:2: unexpected text after '}'"},
        TBadLayout{"NestedInAControl", "Form1: TForm1 {\n  Edit1: TEdit {\n    Label1: TLabel {\n    }\n  }\n}\n",
                   "bad.layout:3: 'Edit1' cannot hold objects"},
        TBadLayout{"UnclosedObject", "Form1: TForm1 {\n  Edit1: TEdit {\n}\n", "bad.layout:1: 'Form1' has no closing '}'"},
        TBadLayout{"ExtraBrace", "Form1: TForm1 {\n}\n}\n", "bad.layout:3: '}' without an object"},
        TBadLayout{"PropertyOutsideTheForm", "Left = 1\n", "bad.layout:1: property Left outside the form"},
        TBadLayout{"SecondForm", "Form1: TForm1 {\n}\nForm2: TForm2 {\n}\n",
                   "bad.layout:3: text after the form's closing '}'"},
        TBadLayout{"Empty", "# nothing\n\n", "bad.layout:1: no form"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutTest, LimitsOfIntegersAreAccepted) {
  TSampleForm form(nullptr);
  form.ReadLayout("Form1: TForm1 {\n  Left = -2147483648\n  Top = 2147483647\n}", "limits.layout");
  EXPECT_EQ(form.Left(), INT32_MIN);
  EXPECT_EQ(form.Top(), INT32_MAX);
}

}  // namespace
