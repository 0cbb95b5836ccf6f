#include "dialog/Unit1.h"

#include <cstdint>
#include <string_view>

#include "platform/application.h"
#include "platform/published.h"
#include "platform/text.h"
#include "store/location.h"
#include "store/settings.h"

extern const std::string_view Unit1Layout;

TForm1* Form1 = nullptr;

void TForm1::Publish(TPublishedMembers& members) {
  members.Layout(Unit1Layout, "Unit1.layout");

  members.Field("Edit1", Edit1);
  members.Field("Label1", Label1);
  members.Field("Button1", Button1);
  members.Field("Label2", Label2);
  members.Field("Edit2", Edit2);
  members.Field("Button2", Button2);
  members.Field("Label3", Label3);
  members.Field("Edit3", Edit3);
  members.Field("Button3", Button3);
  members.Field("Label4", Label4);
  members.Field("Edit4", Edit4);
  members.Field("Button4", Button4);
  members.Field("Label5", Label5);
  members.Field("Edit5", Edit5);
  members.Field("Button5", Button5);
  members.Field("Label6", Label6);
  members.Field("Edit6", Edit6);
  members.Field("CheckBox1", CheckBox1);
  members.Field("CheckBox2", CheckBox2);
  members.Field("CheckBox3", CheckBox3);
  members.Field("Edit7", Edit7);
  members.Field("OpenDialog1", OpenDialog1);
  members.Field("Button6", Button6);
  members.Field("Button7", Button7);
  members.Field("OpenDialog2", OpenDialog2);
  members.Field("OpenDialog3", OpenDialog3);
  members.Field("Label7", Label7);
  members.Field("CheckBox4", CheckBox4);
  members.Field("Edit8", Edit8);

  members.Method("FormCreate", [this](TObject* s) { FormCreate(s); });
  members.Method("Button1Click", [this](TObject* s) { Button1Click(s); });
  members.Method("Button2Click", [this](TObject* s) { Button2Click(s); });
  members.Method("Button3Click", [this](TObject* s) { Button3Click(s); });
  members.Method("Button4Click", [this](TObject* s) { Button4Click(s); });
  members.Method("Button5Click", [this](TObject* s) { Button5Click(s); });
  members.Method("Button6Click", [this](TObject* s) { Button6Click(s); });
  members.Method("Button7Click", [this](TObject* s) { Button7Click(s); });
  members.Method("CheckBox1Click", [this](TObject* s) { CheckBox1Click(s); });
  members.Method("CheckBox3Click", [this](TObject* s) { CheckBox3Click(s); });
  members.Method("CheckBox4Click", [this](TObject* s) { CheckBox4Click(s); });
  members.Method("Edit1Change", [this](TObject* s) { Edit1Change(s); });
}

void TForm1::FormCreate(TObject*) {
  SetIniName(InitialIniName());
  // Edit1 starts empty and a name never is, so this runs Edit1Change, which loads the file once;
  // the load below is the second one.
  Edit1->SetText(IniName);
  LoadSettings();
}

void TForm1::Edit1Change(TObject*) {
  SetIniName(Edit1->Text());
  LoadSettings();
}

void LoadSettings() {
  LoadSettingsFile(IniPath, {[](std::int32_t top) { Form1->SetTop(top); },
                             [](std::int32_t left) { Form1->SetLeft(left); }});

  Form1->Edit2->SetText(dat_path);
  Form1->Edit3->SetText(app_path);
  Form1->Edit4->SetText(shift_app_path);
  Form1->Edit5->SetText(Edit_path);
  Form1->Edit6->SetText(IntToStr(Width));
  Form1->Edit7->SetText(title_inifile_namestring);
  Form1->Edit8->SetText(IntToStr(downcount));

  // A flag that is off leaves its box alone: a load never unchecks anything.
  if (title_inifile > 0) {
    Form1->CheckBox1->SetChecked(true);
    Form1->CheckBox3->SetEnabled(true);
  }
  if (combo_down > 0) {
    Form1->CheckBox4->SetChecked(true);
    Form1->Label7->SetEnabled(true);
    Form1->Edit8->SetColor(clWindow);
  }
  if (title_inifile_name > 0) Form1->CheckBox3->SetChecked(true);
  if (title_combo_value > 0) Form1->CheckBox2->SetChecked(true);
}

void TForm1::CheckBox1Click(TObject*) { CheckBox3->SetEnabled(CheckBox1->Checked()); }

void TForm1::CheckBox3Click(TObject*) {
  const bool inUse = CheckBox3->Checked();
  Edit7->SetEnabled(inUse);
  Edit7->SetColor(inUse ? clWindow : clSilver);
}

void TForm1::CheckBox4Click(TObject*) {
  // Edit8 stays enabled: the row count is always editable and always saved.
  const bool inUse = CheckBox4->Checked();
  Label7->SetEnabled(inUse);
  Edit8->SetColor(inUse ? clWindow : clSilver);
}

void TForm1::Button1Click(TObject*) {
  // Only the name counts: the file of that name in the program's directory is the one edited.
  if (OpenDialog1->Execute()) Edit1->SetText(BareFileName(OpenDialog1->FileName));
}

void TForm1::Button2Click(TObject*) {
  if (OpenDialog2->Execute()) Edit2->SetText(OpenDialog2->FileName);
}

void TForm1::Button3Click(TObject*) {
  if (OpenDialog3->Execute()) Edit3->SetText(OpenDialog3->FileName);
}

void TForm1::Button4Click(TObject*) {
  if (OpenDialog3->Execute()) Edit4->SetText(OpenDialog3->FileName);
}

void TForm1::Button5Click(TObject*) {
  if (OpenDialog3->Execute()) Edit5->SetText(OpenDialog3->FileName);
}

void TForm1::Button6Click(TObject*) {
  title_inifile = CheckBox1->Checked() ? 1 : 0;
  title_inifile_name = CheckBox3->Checked() ? 1 : 0;
  title_combo_value = CheckBox2->Checked() ? 1 : 0;
  combo_down = CheckBox4->Checked() ? 1 : 0;
  dat_path = Edit2->Text();
  app_path = Edit3->Text();
  shift_app_path = Edit4->Text();
  Edit_path = Edit5->Text();
  Width = StrToInt(Edit6->Text());
  title_inifile_namestring = Edit7->Text();
  downcount = StrToInt(Edit8->Text());
  SaveSettingsFile(IniPath);
  Application->Terminate();
}

void TForm1::Button7Click(TObject*) { Application->Terminate(); }
