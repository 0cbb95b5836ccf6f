// The browse buttons: the path fields filled from an open-file dialog, and the switch to another
// settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"

namespace {

struct TPathButton {
  const char* label;
  TButton* TForm1::*button;
  TEdit* TForm1::*target;
  const char* dialog;
};

void PrintTo(const TPathButton& c, std::ostream* out) { *out << c.label; }

std::vector<std::string> FieldTexts() {
  std::vector<std::string> texts;
  for (TEdit* e : {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6, Form1->Edit7,
                   Form1->Edit8})
    texts.push_back(e->Text());
  return texts;
}

class PathButtons : public DialogTest, public ::testing::WithParamInterface<TPathButton> {
 protected:
  void SetUp() override {
    dir.Write("zuzozi.ini", "[Path]\r\napp_path=ed.exe \"%P\"\r\nshift_app_path=view.exe \"%P\"\r\n"
                            "dat_path=old.dat\r\nEdit_path=old.exe\r\n");
    Start();
  }
  TButton* Button() const { return Form1->*GetParam().button; }
  TEdit* Target() const { return Form1->*GetParam().target; }
};

TEST_P(PathButtons, PutTheChosenFullPathIntoTheirFieldReplacingEverything) {
  const std::string chosen = Ansi("/ソフト/表示 ツール/選択.exe");
  std::vector<std::string> expected = FieldTexts();
  backend.choices.push_back(Choose(chosen));
  Click(Button());
  ASSERT_EQ(backend.offers.size(), 1u);
  EXPECT_EQ(backend.offers[0].dialog, GetParam().dialog);
  for (std::size_t i = 0; i < expected.size(); ++i)
    if (i == static_cast<std::size_t>(Target()->Name.back() - '1')) expected[i] = chosen;
  EXPECT_EQ(FieldTexts(), expected);
  EXPECT_EQ(IniName, "zuzozi.ini");
  EXPECT_FALSE(Application->Terminated());
}

TEST_P(PathButtons, ChangeNothingWhenCancelled) {
  const std::string before = dir.Read("zuzozi.ini");
  const std::vector<std::string> expected = FieldTexts();
  const TBoxState boxes = BoxState();
  backend.choices.push_back(Cancel());
  Click(Button());
  EXPECT_EQ(backend.offers.size(), 1u);
  EXPECT_EQ(FieldTexts(), expected);
  EXPECT_EQ(BoxState(), boxes);
  EXPECT_EQ(dir.Read("zuzozi.ini"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PathButtons,
    ::testing::Values(TPathButton{"dat", &TForm1::Button2, &TForm1::Edit2, "OpenDialog2"},
                      TPathButton{"application", &TForm1::Button3, &TForm1::Edit3, "OpenDialog3"},
                      TPathButton{"shift_application", &TForm1::Button4, &TForm1::Edit4, "OpenDialog3"},
                      TPathButton{"editor", &TForm1::Button5, &TForm1::Edit5, "OpenDialog3"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, AnOpenDialogOffersItsLastConfirmedFileAndType) {
  Start();
  backend.choices = {Choose("/bin/a.exe", 2), Cancel(), Choose("/bin/b.exe"), Choose("/x/z.ini")};
  Click(Form1->Button3);
  Click(Form1->Button4);  // the same dialog as Button3; cancelling keeps what it had
  Click(Form1->Button5);
  EXPECT_EQ(Form1->Edit3->Text(), "/bin/a.exe");
  EXPECT_EQ(Form1->Edit4->Text(), "");
  EXPECT_EQ(Form1->Edit5->Text(), "/bin/b.exe");
  Click(Form1->Button1);  // a dialog of its own; switching files reloads every field
  ASSERT_EQ(backend.offers.size(), 4u);
  EXPECT_EQ(backend.offers[0].filterIndex, 1);
  EXPECT_EQ(backend.offers[0].fileName, "");
  EXPECT_EQ(backend.offers[1].filterIndex, 2);
  EXPECT_EQ(backend.offers[1].fileName, "/bin/a.exe");
  EXPECT_EQ(backend.offers[2].filterIndex, 2);
  EXPECT_EQ(backend.offers[2].fileName, "/bin/a.exe");
  EXPECT_EQ(backend.offers[3].dialog, "OpenDialog1");
  EXPECT_EQ(backend.offers[3].filterIndex, 1);
  EXPECT_EQ(backend.offers[3].fileName, "");
}

// Button1: the name of the chosen file, always in the program's directory.
struct TSwitchCase {
  const char* label;
  std::string chosen;    // relative to the scratch folder when it starts without '/'
  std::string name;      // the new Edit1, UTF-8
  std::string datPath;   // tells which file was loaded; "typed.dat" when nothing reloaded
};

void PrintTo(const TSwitchCase& c, std::ostream* out) { *out << c.label; }

class SwitchFile : public DialogTest, public ::testing::WithParamInterface<TSwitchCase> {
 protected:
  void SetUp() override {
    dir.Write("zuzozi.ini", "[Path]\r\ndat_path=start.dat\r\n");
    dir.Write("ZUZOZI.INI", "[Path]\r\ndat_path=upper.dat\r\n");
    dir.Write("work.ini", "[Path]\r\ndat_path=here.dat\r\n");
    std::filesystem::create_directory(dir.Path("other"));
    dir.Write("other/work.ini", "[Path]\r\ndat_path=there.dat\r\n");
    dir.Write("表.ini", "[Path]\r\ndat_path=hyo.dat\r\n");
    Start();
  }
};

TEST_P(SwitchFile, ShowsTheBareNameAndLoadsThatFileFromTheProgramsDirectory) {
  Type(Form1->Edit2, "typed.dat");  // an unsaved edit
  std::string chosen = Ansi(GetParam().chosen);
  if (chosen.front() != '/') chosen = ProgramDir() + chosen;
  for (char& c : chosen)
    if (c == '/') c = PathDelim;
  backend.choices.push_back(Choose(chosen));
  Click(Form1->Button1);
  EXPECT_EQ(Form1->Edit1->Text(), Ansi(GetParam().name));
  EXPECT_EQ(IniName, Ansi(GetParam().name));
  EXPECT_EQ(IniPath, ProgramDir() + Ansi(GetParam().name));
  EXPECT_EQ(Form1->Edit2->Text(), GetParam().datPath);
  EXPECT_TRUE(backend.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SwitchFile,
    ::testing::Values(
        TSwitchCase{"same_name_reloads_nothing", "/elsewhere/zuzozi.ini", "zuzozi.ini", "typed.dat"},
        TSwitchCase{"other_letter_case_reloads", "/elsewhere/ZUZOZI.INI", "ZUZOZI.INI", "upper.dat"},
        TSwitchCase{"another_directory_counts_only_by_name", "other/work.ini", "work.ini", "here.dat"},
        // 表 ends in the byte 0x5C, the Windows delimiter; it must not cut the name.
        TSwitchCase{"double_byte_name", "/設定/表.ini", "表.ini", "hyo.dat"},
        TSwitchCase{"double_byte_directory_ending_in_0x5C", "/表/表.ini", "表.ini", "hyo.dat"},
        TSwitchCase{"a_missing_file_loads_the_defaults", "/nowhere/none.ini", "none.ini", ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, CancellingTheSwitchKeepsTheFileAndTheEdits) {
  dir.Write("zuzozi.ini", "[Path]\r\ndat_path=start.dat\r\n");
  Start();
  Type(Form1->Edit2, "typed.dat");
  backend.choices.push_back(Cancel());
  Click(Form1->Button1);
  EXPECT_EQ(Form1->Edit1->Text(), "zuzozi.ini");
  EXPECT_EQ(IniPath, dir.Path("zuzozi.ini"));
  EXPECT_EQ(Form1->Edit2->Text(), "typed.dat");
}

}  // namespace
