#pragma once
// The options dialog: the form class, its one instance, its handlers and the loading of the
// settings file into it.
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/forms.h"

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* AOwner) : TForm(AOwner) {}

  TEdit* Edit1 = nullptr;
  TLabel* Label1 = nullptr;
  TButton* Button1 = nullptr;
  TLabel* Label2 = nullptr;
  TEdit* Edit2 = nullptr;
  TButton* Button2 = nullptr;
  TLabel* Label3 = nullptr;
  TEdit* Edit3 = nullptr;
  TButton* Button3 = nullptr;
  TLabel* Label4 = nullptr;
  TEdit* Edit4 = nullptr;
  TButton* Button4 = nullptr;
  TLabel* Label5 = nullptr;
  TEdit* Edit5 = nullptr;
  TButton* Button5 = nullptr;
  TLabel* Label6 = nullptr;
  TEdit* Edit6 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TCheckBox* CheckBox2 = nullptr;
  TCheckBox* CheckBox3 = nullptr;
  TEdit* Edit7 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TButton* Button6 = nullptr;
  TButton* Button7 = nullptr;
  TOpenDialog* OpenDialog2 = nullptr;
  TOpenDialog* OpenDialog3 = nullptr;
  TLabel* Label7 = nullptr;
  TCheckBox* CheckBox4 = nullptr;
  TEdit* Edit8 = nullptr;

  void FormCreate(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button3Click(TObject* Sender);
  void Button4Click(TObject* Sender);
  void Button5Click(TObject* Sender);
  void Button6Click(TObject* Sender);
  void Button7Click(TObject* Sender);
  void CheckBox1Click(TObject* Sender);
  void CheckBox3Click(TObject* Sender);
  void CheckBox4Click(TObject* Sender);
  void Edit1Change(TObject* Sender);

 protected:
  void Publish(TPublishedMembers& members) override;
};

extern TForm1* Form1;

// Reads the settings file at IniPath into the settings and, through Form1, into the dialog.
void LoadSettings();
