// Start-up: which file is loaded, what the load puts into the dialog, and the loads after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"

namespace {

struct TArgumentCase {
  const char* label;
  std::vector<std::string> arguments;
  std::string name;  // shown in Edit1 and appended to the program's directory
};

void PrintTo(const TArgumentCase& c, std::ostream* out) { *out << c.label; }

class StartWithoutFile : public DialogTest, public ::testing::WithParamInterface<TArgumentCase> {};

TEST_P(StartWithoutFile, ShowsTheNameAndTheDefaults) {
  Start(GetParam().arguments);
  EXPECT_EQ(Form1->Edit1->Text(), GetParam().name);
  EXPECT_EQ(IniName, GetParam().name);
  EXPECT_EQ(IniPath, dir.Path(GetParam().name));
  for (TEdit* e : {Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit7})
    EXPECT_EQ(e->Text(), "") << e->Name;
  EXPECT_EQ(Form1->Edit6->Text(), "200");
  EXPECT_EQ(Form1->Edit8->Text(), "5");
  EXPECT_EQ(BoxState(), kAllOff);
  EXPECT_EQ(Form1->Left(), 0);
  EXPECT_EQ(Form1->Top(), 0);
  EXPECT_TRUE(backend.messageBoxes.empty());
  EXPECT_FALSE(Application->Terminated());
  // Loading never creates the file.
  EXPECT_TRUE(dir.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, StartWithoutFile,
    ::testing::Values(TArgumentCase{"none", {}, "zuzozi.ini"}, TArgumentCase{"name", {"work.ini"}, "work.ini"},
                      TArgumentCase{"subdirectory", {"sub/a.ini"}, "sub/a.ini"},
                      TArgumentCase{"only the first counts", {"first.ini", "second.ini"}, "first.ini"}),
    [](const auto& info) {
      std::string name = info.param.label;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

TEST_F(DialogTest, LoadsEveryValueAndThePositionEvenOffTheScreen) {
  Install("all_on.ini", "work.ini");
  Start({"work.ini"});
  EXPECT_EQ(Form1->Edit1->Text(), "work.ini");
  EXPECT_EQ(Form1->Edit2->Text(), Ansi("C:\\データ\\表.dat"));
  EXPECT_EQ(Form1->Edit3->Text(), Ansi("C:\\エディタ\\ed.exe \"%P\""));
  EXPECT_EQ(Form1->Edit4->Text(), "viewer.exe %P");
  EXPECT_EQ(Form1->Edit5->Text(), "notepad.exe");
  EXPECT_EQ(Form1->Edit6->Text(), "640");
  EXPECT_EQ(Form1->Edit7->Text(), Ansi("作業用"));
  EXPECT_EQ(Form1->Edit8->Text(), "8");
  EXPECT_EQ(Form1->Top(), -30);
  EXPECT_EQ(Form1->Left(), 5000);
  EXPECT_EQ(BoxState(), (TBoxState{true, true, true, true, true, true, clWindow, true, clWindow}));
}

struct TFlagCase {
  const char* label;
  const char* file;
  TBoxState expected;
};

void PrintTo(const TFlagCase& c, std::ostream* out) { *out << c.label; }

class StartWithFlags : public DialogTest, public ::testing::WithParamInterface<TFlagCase> {};

TEST_P(StartWithFlags, ChecksTheBoxesWhoseFlagIsOnAndAppliesTheirRules) {
  dir.Write("zuzozi.ini", GetParam().file);
  Start();
  EXPECT_EQ(BoxState(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, StartWithFlags,
    ::testing::Values(
        TFlagCase{"title_inifile", "[title]\r\ntitle_inifile=1\r\n",
                  {true, false, false, false, true, false, clSilver, false, clSilver}},
        // The name box is checked but stays disabled, while its field is in use.
        TFlagCase{"title_inifile_name", "[title]\r\ntitle_inifile=0\r\ntitle_inifile_name=1\r\n",
                  {false, false, true, false, false, true, clWindow, false, clSilver}},
        TFlagCase{"title_combo_value", "[title]\r\ntitle_combo_value=1\r\n",
                  {false, true, false, false, false, false, clSilver, false, clSilver}},
        TFlagCase{"combo_down", "[combo]\r\ncombo_down=1\r\n",
                  {false, false, false, true, false, false, clSilver, true, clWindow}},
        TFlagCase{"any_positive_value_is_on", "[title]\r\ntitle_inifile=2\r\n[combo]\r\ncombo_down=7\r\n",
                  {true, false, false, true, true, false, clSilver, true, clWindow}},
        TFlagCase{"negative_is_off", "[title]\r\ntitle_inifile=-1\r\ntitle_inifile_name=-1\r\n", kAllOff}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, TheMacroTextOfTheLayoutNeverSurvivesTheFirstLoad) {
  TCreationSpy spy;
  std::vector<std::string> atCreate, afterFirstLoad;
  spy.atFormCreate = [&](TForm1& f) { atCreate = {f.Edit3->Text(), f.Edit4->Text()}; };
  spy.afterEdit1Change = [&](TForm1& f) { afterFirstLoad = {f.Edit3->Text(), f.Edit4->Text()}; };
  dir.Write("zuzozi.ini", "[Path]\r\ndat_path=x.dat\r\n");
  StartSpied(spy);
  EXPECT_EQ(atCreate, (std::vector<std::string>{"\"%P\"", "\"%P\""}));
  EXPECT_EQ(afterFirstLoad, (std::vector<std::string>{"", ""}));
}

TEST_F(DialogTest, StartUpLoadsOnceThroughEdit1ChangeAndOnceMore) {
  // The file changes between the two loads, so the dialog shows what the second one read.
  TCreationSpy spy;
  std::vector<int> topsAfterEdit1Change;
  spy.afterEdit1Change = [&](TForm1& f) {
    topsAfterEdit1Change.push_back(f.Top());
    dir.Write("zuzozi.ini", "[Pos]\r\nTop=2\r\n[combo]\r\ndowncount=9\r\n");
  };
  dir.Write("zuzozi.ini", "[Pos]\r\nTop=1\r\n[combo]\r\ndowncount=8\r\n");
  StartSpied(spy);
  EXPECT_EQ(spy.edit1Changes, 1);
  EXPECT_EQ(topsAfterEdit1Change, std::vector<int>{1});
  EXPECT_EQ(Form1->Top(), 2);
  EXPECT_EQ(Form1->Edit8->Text(), "9");
}

TEST_F(DialogTest, SwitchingToAFileWithEveryFlagOffLeavesTheBoxesAsTheyWere) {
  Install("all_on.ini");
  Install("all_off.ini", "off.ini");
  Start();
  const TBoxState allOn = BoxState();
  backend.choices.push_back(Choose("/anywhere/off.ini"));
  Click(Form1->Button1);
  EXPECT_EQ(Form1->Edit1->Text(), "off.ini");
  EXPECT_EQ(BoxState(), allOn);
  // Only the fields and the position follow the new file.
  EXPECT_EQ(Form1->Edit2->Text(), "other.dat");
  EXPECT_EQ(Form1->Edit3->Text(), "other.exe");
  EXPECT_EQ(Form1->Edit4->Text(), "");
  EXPECT_EQ(Form1->Edit5->Text(), "");
  EXPECT_EQ(Form1->Edit6->Text(), "300");
  EXPECT_EQ(Form1->Edit7->Text(), "");
  EXPECT_EQ(Form1->Edit8->Text(), "3");
  EXPECT_EQ(Form1->Top(), 30);
  EXPECT_EQ(Form1->Left(), 40);
}

}  // namespace
