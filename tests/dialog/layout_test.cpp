// The form as its description makes it, before the creation handler runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "platform/dialogs.h"

namespace {

enum class TKind { Label, Edit, Button, CheckBox };

struct TControlRow {
  const char* name;
  TKind kind;
  int left, top, width, height;
  const char* caption;  // UTF-8; an edit box's initial text
  int tab;              // -1: no tab stop
  bool enabled;
  TColor color;
};

constexpr TColor face = clBtnFace;

// In creation order.
const std::vector<TControlRow> kControls = {
    {"Label1", TKind::Label, 16, 16, 55, 12, "INIファイル", -1, true, face},
    {"Label2", TKind::Label, 16, 40, 64, 12, "DATファイル", -1, true, face},
    {"Label3", TKind::Label, 16, 104, 157, 12, "開くアプリ（マクロも一緒に書く）", -1, true, face},
    {"Label4", TKind::Label, 16, 152, 219, 12, "Shift+Enter時のアプリ（マクロも一緒に書く）", -1, true, face},
    {"Label5", TKind::Label, 16, 200, 134, 12, "設定ファイルを開くエディタ", -1, true, face},
    {"Label6", TKind::Label, 16, 64, 24, 12, "横幅", -1, true, face},
    {"Label7", TKind::Label, 48, 368, 106, 12, "ドロップダウンの行数", -1, false, face},
    {"Edit1", TKind::Edit, 96, 16, 137, 20, "", 0, true, clWindow},
    {"Button1", TKind::Button, 232, 16, 20, 20, "...", 1, true, face},
    {"Edit2", TKind::Edit, 96, 40, 137, 20, "", 2, true, clWindow},
    {"Button2", TKind::Button, 232, 40, 20, 20, "...", 3, true, face},
    {"Edit3", TKind::Edit, 48, 120, 241, 20, "\"%P\"", 5, true, clWindow},
    {"Button3", TKind::Button, 288, 120, 20, 20, "...", 6, true, face},
    {"Edit4", TKind::Edit, 48, 168, 241, 20, "\"%P\"", 7, true, clWindow},
    {"Button4", TKind::Button, 288, 168, 20, 20, "...", 8, true, face},
    {"Edit5", TKind::Edit, 48, 216, 241, 20, "", 9, true, clWindow},
    {"Button5", TKind::Button, 288, 216, 20, 20, "...", 10, true, face},
    {"Edit6", TKind::Edit, 96, 64, 81, 20, "", 4, true, clWindow},
    {"CheckBox1", TKind::CheckBox, 16, 256, 193, 17, "INIファイルをタイトルバーに表示", 11, true, face},
    {"CheckBox2", TKind::CheckBox, 16, 312, 185, 17, "選択内容をタイトルバーに表示", 14, true, face},
    {"CheckBox3", TKind::CheckBox, 40, 280, 89, 17, "名前で表示", 12, false, face},
    {"Edit7", TKind::Edit, 128, 280, 121, 20, "", 13, false, clSilver},
    {"Button6", TKind::Button, 48, 408, 75, 25, "OK", 15, true, face},
    {"Button7", TKind::Button, 200, 408, 75, 25, "キャンセル", 16, true, face},
    {"CheckBox4", TKind::CheckBox, 16, 344, 201, 17, "コンボボックスをドロップダウンする", 17, true, face},
    {"Edit8", TKind::Edit, 168, 368, 105, 20, "", 18, true, clSilver},
};

bool IsKind(const TControl* c, TKind kind) {
  switch (kind) {
    case TKind::Label: return dynamic_cast<const TLabel*>(c) != nullptr;
    case TKind::Edit: return dynamic_cast<const TEdit*>(c) != nullptr;
    case TKind::Button: return dynamic_cast<const TButton*>(c) != nullptr;
    case TKind::CheckBox: return dynamic_cast<const TCheckBox*>(c) != nullptr;
  }
  return false;
}

const std::string& ShownText(const TControl* c) {
  if (auto* edit = dynamic_cast<const TEdit*>(c)) return edit->Text();
  return c->Caption();
}

class LayoutTest : public DialogTest {
 protected:
  void SetUp() override {
    spy.runFormCreate = false;
    StartSpied(spy);
  }
  TCreationSpy spy;
};

TEST_F(LayoutTest, EveryControlHasItsClassBoundsTextTabOrderStateAndColour) {
  const auto& controls = Form1->Controls();
  ASSERT_EQ(controls.size(), kControls.size());
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const TControlRow& row = kControls[i];
    const TControl* c = controls[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(c->Name, row.name) << "creation order";
    EXPECT_TRUE(IsKind(c, row.kind));
    EXPECT_EQ(c->Left(), row.left);
    EXPECT_EQ(c->Top(), row.top);
    EXPECT_EQ(c->Width(), row.width);
    EXPECT_EQ(c->Height(), row.height);
    EXPECT_EQ(ShownText(c), Ansi(row.caption));
    EXPECT_EQ(c->Enabled(), row.enabled);
    EXPECT_TRUE(c->Visible());
    EXPECT_EQ(c->Color(), row.color);
    if (row.tab < 0) {
      EXPECT_FALSE(c->CanTakeFocus() && c->TabStop());
    } else {
      EXPECT_TRUE(c->TabStop());
      EXPECT_EQ(c->TabOrder(), row.tab);
    }
    if (auto* box = dynamic_cast<const TCheckBox*>(c)) {
      EXPECT_FALSE(box->Checked());
    }
    if (auto* edit = dynamic_cast<const TEdit*>(c)) {
      EXPECT_EQ(edit->ReadOnly(), row.name == std::string("Edit1"));
    }
  }
}

TEST_F(LayoutTest, TabOrderRunsThroughTheFieldsInTheirReadingOrder) {
  std::vector<std::string> names;
  for (const TControl* c : Form1->TabOrderList()) names.push_back(c->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Edit1", "Button1", "Edit2", "Button2", "Edit6", "Edit3", "Button3",
                                             "Edit4", "Button4", "Edit5", "Button5", "CheckBox1", "CheckBox3",
                                             "Edit7", "CheckBox2", "Button6", "Button7", "CheckBox4", "Edit8"}));
}

TEST_F(LayoutTest, TheOpenDialogsComeLastWithTheirFilters) {
  struct TRow {
    TOpenDialog* TForm1::*field;
    const char* name;
    const char* filter;
  };
  const std::vector<TRow> rows = {
      {&TForm1::OpenDialog1, "OpenDialog1", "INIファイル(.ini)|*.ini|全てのファイル(.*)|*.*"},
      {&TForm1::OpenDialog2, "OpenDialog2", "DATファイル(.dat)|*.dat|全てのファイル(.*)|*.*"},
      {&TForm1::OpenDialog3, "OpenDialog3", "実行ファイル(.exe)|*.exe|全てのファイル(.*)|*.*"},
  };
  const auto& components = Form1->Components();
  ASSERT_EQ(components.size(), kControls.size() + rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i].name);
    TOpenDialog* dialog = Form1->*rows[i].field;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(components[kControls.size() + i], dialog);
    EXPECT_EQ(dialog->Name, rows[i].name);
    EXPECT_EQ(dialog->Filter, Ansi(rows[i].filter));
    EXPECT_EQ(dialog->FilterIndex, 1);
    EXPECT_EQ(dialog->FileName, "");
  }
}

TEST_F(LayoutTest, TheFormIsAFixedDialogInTheDialogFont) {
  EXPECT_EQ(Form1->Name, "Form1");
  EXPECT_EQ(Form1->Caption(), "VadoveZiz");
  EXPECT_EQ(Form1->Left(), 898);
  EXPECT_EQ(Form1->Top(), 242);
  EXPECT_EQ(Form1->ClientWidth(), 328);
  EXPECT_EQ(Form1->ClientHeight(), 446);
  EXPECT_EQ(Form1->MinWidth, 336);
  EXPECT_EQ(Form1->MaxWidth, 336);
  EXPECT_EQ(Form1->MinHeight, 473);
  EXPECT_EQ(Form1->MaxHeight, 473);
  EXPECT_EQ(Form1->BorderStyle, TBorderStyle::bsDialog);
  EXPECT_TRUE(Form1->AutoScroll);
  EXPECT_EQ(Form1->Color, clBtnFace);
  EXPECT_EQ(Form1->Font, (TFont{Ansi("ＭＳ Ｐゴシック"), 12, SHIFTJIS_CHARSET, clWindowText}));
  EXPECT_EQ(Form1->PixelsPerInch, 96);
  EXPECT_TRUE(Form1->OnCreate);
}

TEST_F(LayoutTest, EveryPublishedReferenceIsBound) {
  const std::vector<TComponent*> refs = {
      Form1->Edit1,     Form1->Label1,    Form1->Button1,     Form1->Label2,  Form1->Edit2,   Form1->Button2,
      Form1->Label3,    Form1->Edit3,     Form1->Button3,     Form1->Label4,  Form1->Edit4,   Form1->Button4,
      Form1->Label5,    Form1->Edit5,     Form1->Button5,     Form1->Label6,  Form1->Edit6,   Form1->CheckBox1,
      Form1->CheckBox2, Form1->CheckBox3, Form1->Edit7,       Form1->OpenDialog1, Form1->Button6, Form1->Button7,
      Form1->OpenDialog2, Form1->OpenDialog3, Form1->Label7, Form1->CheckBox4, Form1->Edit8};
  EXPECT_EQ(std::count(refs.begin(), refs.end(), nullptr), 0);
  // CheckBox2 governs nothing; every other event is bound.
  EXPECT_TRUE(Form1->Edit1->OnChange);
  EXPECT_FALSE(Form1->CheckBox2->OnClick);
  for (TButton* b : {Form1->Button1, Form1->Button2, Form1->Button3, Form1->Button4, Form1->Button5, Form1->Button6,
                     Form1->Button7})
    EXPECT_TRUE(b->OnClick) << b->Name;
  for (TCheckBox* b : {Form1->CheckBox1, Form1->CheckBox3, Form1->CheckBox4}) EXPECT_TRUE(b->OnClick) << b->Name;
}

}  // namespace
