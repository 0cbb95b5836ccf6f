// OK and cancel: what is collected from the controls, what reaches the file, and what an error
// leaves behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "dialog_fixture.h"
#include "platform/profile_file.h"

namespace {

TEST_F(DialogTest, OkWithoutEditsNormalisesTheFlagsAndChangesNothingElse) {
  Install("ok_start.ini");
  Start();
  Click(Form1->Button6);
  EXPECT_TRUE(backend.messageBoxes.empty());
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(dir.Read("zuzozi.ini"), Fixture("ok_resaved.expected"));
}

TEST_F(DialogTest, OkCreatesAMissingFileWithTheElevenKeysInOrder) {
  Start();
  Click(Form1->Button6);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(dir.Read("zuzozi.ini"), Fixture("ok_created.expected"));
}

// Every box and field is collected whatever its enabled state: CheckBox3 ends up checked but
// disabled, and Edit8 is greyed, yet both are saved.
TEST_F(DialogTest, OkSavesEveryFieldAndBoxWhateverItsState) {
  Install("ok_start.ini");
  Start();
  Type(Form1->Edit2, Ansi("C:\\新しい\\表.dat"));
  Type(Form1->Edit3, "C:\\Program Files\\ed.exe");
  Type(Form1->Edit4, "");
  Type(Form1->Edit5, "vi.exe");
  Type(Form1->Edit6, " 250");  // leading spaces are allowed
  Toggle(Form1->CheckBox3);
  Type(Form1->Edit7, Ansi("新しい名前"));
  Toggle(Form1->CheckBox1);
  Toggle(Form1->CheckBox2);
  Type(Form1->Edit8, "$A");
  ASSERT_FALSE(Form1->CheckBox3->Enabled());
  ASSERT_TRUE(Form1->CheckBox3->Checked());
  Click(Form1->Button6);
  EXPECT_TRUE(backend.messageBoxes.empty());
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(dir.Read("zuzozi.ini"), Fixture("ok_edited.expected"));
}

TEST_F(DialogTest, OkSavesTheTextOfADisabledNameField) {
  Start();
  Toggle(Form1->CheckBox1);
  Toggle(Form1->CheckBox3);
  Type(Form1->Edit7, "shown");
  Toggle(Form1->CheckBox3);
  ASSERT_FALSE(Form1->Edit7->Enabled());
  Click(Form1->Button6);
  EXPECT_NE(dir.Read("zuzozi.ini").find("title_inifile_namestring=shown\r\n"), std::string::npos);
}

struct TBadNumberCase {
  const char* label;
  std::string width;     // Edit6
  std::string rowCount;  // Edit8
  std::string reported;  // the text in the message, UTF-8
};

void PrintTo(const TBadNumberCase& c, std::ostream* out) { *out << c.label; }

class BadNumber : public DialogTest, public ::testing::WithParamInterface<TBadNumberCase> {};

TEST_P(BadNumber, ShowsTheErrorAndWritesNothing) {
  Install("ok_start.ini");
  Start();
  const std::string before = dir.Read("zuzozi.ini");
  Type(Form1->Edit2, "edited.dat");
  Type(Form1->Edit6, GetParam().width);
  Type(Form1->Edit8, GetParam().rowCount);
  Click(Form1->Button6);
  ASSERT_EQ(backend.messageBoxes.size(), 1u);
  EXPECT_EQ(backend.messageBoxes[0].title, "Vadoveziz");
  EXPECT_EQ(backend.messageBoxes[0].text, Ansi("'" + GetParam().reported + "' は整数ではありません."));
  EXPECT_EQ(backend.messageBoxes[0].icon, TMessageIcon::Error);
  EXPECT_FALSE(Application->Terminated());
  EXPECT_EQ(dir.Read("zuzozi.ini"), before);
  // The dialog stays as the user left it, ready for a corrected OK.
  EXPECT_EQ(Form1->Edit2->Text(), "edited.dat");
  EXPECT_EQ(Form1->Edit6->Text(), GetParam().width);
  EXPECT_EQ(Form1->Edit8->Text(), GetParam().rowCount);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BadNumber,
    ::testing::Values(TBadNumberCase{"trailing_space", "250 ", "5", "250 "},
                      TBadNumberCase{"tab_before", "\t250", "5", "\t250"},
                      TBadNumberCase{"empty_width", "", "5", ""},
                      TBadNumberCase{"negative_hex_rows", "250", "-$A", "-$A"},
                      TBadNumberCase{"rows_out_of_range", "250", "2147483648", "2147483648"},
                      TBadNumberCase{"width_reported_first", "wide", "many", "wide"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, OkAfterACorrectionSaves) {
  Start();
  Type(Form1->Edit6, "x");
  Click(Form1->Button6);
  Type(Form1->Edit6, "300");
  Click(Form1->Button6);
  EXPECT_EQ(backend.messageBoxes.size(), 1u);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_NE(dir.Read("zuzozi.ini").find("Width=300\r\n"), std::string::npos);
}

TEST_F(DialogTest, AFileThatCannotBeCreatedIsReportedAndTheDialogStaysOpen) {
  Start({"nodir/x.ini"});
  Click(Form1->Button6);
  ASSERT_EQ(backend.messageBoxes.size(), 1u);
  EXPECT_EQ(backend.messageBoxes[0].text, dir.Path("nodir/x.ini") + Ansi(" に書き込めません."));
  EXPECT_FALSE(Application->Terminated());
  EXPECT_FALSE(std::filesystem::exists(dir.Path("nodir")));
}

// A write that fails part-way keeps the keys written before it and writes none after it.
TEST_F(DialogTest, AWriteThatFailsPartWayKeepsTheKeysBeforeIt) {
  Install("ok_start.ini");
  Start();
  Type(Form1->Edit2, "new.dat");
  Type(Form1->Edit6, "333");
  Toggle(Form1->CheckBox2);
  int writes = 0;
  const int failingWrite = 6;  // title_inifile, the first key after Width
  SetProfileFileFault([&](ProfileFileStep step) {
    if (step == ProfileFileStep::CreateTemp) ++writes;
    const bool storing = step == ProfileFileStep::CreateTemp || step == ProfileFileStep::OpenInPlace;
    return storing && writes >= failingWrite ? EIO : 0;
  });
  Click(Form1->Button6);
  SetProfileFileFault(nullptr);
  ASSERT_EQ(backend.messageBoxes.size(), 1u);
  EXPECT_EQ(backend.messageBoxes[0].text, IniPath + Ansi(" に書き込めません."));
  EXPECT_FALSE(Application->Terminated());
  const std::string saved = dir.Read("zuzozi.ini");
  EXPECT_NE(saved.find("dat_path=new.dat\r\n"), std::string::npos);
  EXPECT_NE(saved.find("Width=333\r\n"), std::string::npos);
  EXPECT_NE(saved.find("title_inifile=2\r\n"), std::string::npos);
  EXPECT_NE(saved.find("title_combo_value=0\r\n"), std::string::npos);
}

TEST_F(DialogTest, CancelAfterEditsBrowsesAndSwitchesTouchesNoFile) {
  Install("ok_start.ini");
  Install("all_on.ini", "other.ini");
  Start();
  const std::string first = dir.Read("zuzozi.ini");
  const std::string second = dir.Read("other.ini");
  Type(Form1->Edit6, "999");
  Toggle(Form1->CheckBox4);
  backend.choices = {Choose("/somewhere/new.dat"), Choose("/elsewhere/other.ini")};
  Click(Form1->Button2);
  Click(Form1->Button1);
  Type(Form1->Edit3, "changed.exe");
  Click(Form1->Button7);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(dir.Read("zuzozi.ini"), first);
  EXPECT_EQ(dir.Read("other.ini"), second);
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"zuzozi.ini", "other.ini"}));
}

}  // namespace
