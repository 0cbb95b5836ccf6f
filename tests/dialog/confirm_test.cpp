// OK and cancel: what is written, what is refused, and that ending without OK writes nothing.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "platform/profile_file.h"

namespace {

// The program is "VadoveZiz", so the application's title is this.
const std::string kTitle = "Vadoveziz";

struct TSaveCase {
  const char* label;
  const char* start;  // fixture installed as zuzozi.ini, or nullptr for none
  std::function<void(DialogTest&)> edits;
  const char* expected;
};

void PrintTo(const TSaveCase& c, std::ostream* out) { *out << c.label; }

class SaveTest : public DialogTest, public ::testing::WithParamInterface<TSaveCase> {
 public:
  using DialogTest::backend;
  using DialogTest::Click;
  using DialogTest::Toggle;
  using DialogTest::Type;
};

TEST_P(SaveTest, OkWritesEveryFieldAndEnds) {
  if (GetParam().start) Install(GetParam().start);
  Start();
  if (GetParam().edits) GetParam().edits(*this);
  Click(Form1->Button6);
  EXPECT_TRUE(backend.messageBoxes.empty());
  EXPECT_EQ(dir.Read("zuzozi.ini"), Fixture(GetParam().expected));
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(backend.quits, 1);
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"zuzozi.ini"});
}

void EditEverything(DialogTest& t) {
  auto& test = static_cast<SaveTest&>(t);
  test.Type(Form1->Edit2, Ansi("C:\\新しい\\表.dat"));
  test.backend.choices.push_back(Choose("C:\\Program Files\\ed.exe"));
  test.Click(Form1->Button3);
  test.Type(Form1->Edit4, "");
  test.Type(Form1->Edit5, "vi.exe");
  test.Type(Form1->Edit6, " 250");
  test.Toggle(Form1->CheckBox3);
  test.Type(Form1->Edit7, Ansi("新しい名前"));
  // CheckBox3 stays checked, now disabled: it is saved as it stands.
  test.Toggle(Form1->CheckBox1);
  test.Toggle(Form1->CheckBox2);
  test.Type(Form1->Edit8, "$A");
}

INSTANTIATE_TEST_SUITE_P(
    Files, SaveTest,
    ::testing::Values(
        // Zuzozi's own sections, the position, the blank line and the key order stay as they were.
        TSaveCase{"every_field_edited", "ok_start.ini", EditEverything, "ok_edited.expected"},
        // Flags come back as 1 or 0; the disabled Edit7 keeps and saves its text.
        TSaveCase{"nothing_edited", "ok_start.ini", nullptr, "ok_resaved.expected"},
        TSaveCase{"no_file_yet", nullptr, nullptr, "ok_created.expected"}),
    [](const auto& info) { return std::string(info.param.label); });

struct TNumberCase {
  const char* label;
  const char* width;      // Edit6
  const char* rows;       // Edit8
  const char* saved;      // the line that shows the value taken, or nullptr when refused
  const char* message;    // the error box's text, UTF-8
};

void PrintTo(const TNumberCase& c, std::ostream* out) { *out << c.label; }

class NumberFields : public DialogTest, public ::testing::WithParamInterface<TNumberCase> {};

TEST_P(NumberFields, AreConvertedOrRefusedWithNothingWritten) {
  Install("ok_start.ini");
  Start();
  const std::string before = dir.Read("zuzozi.ini");
  Type(Form1->Edit6, GetParam().width);
  Type(Form1->Edit8, GetParam().rows);
  Click(Form1->Button6);
  if (GetParam().saved) {
    EXPECT_TRUE(backend.messageBoxes.empty());
    EXPECT_NE(dir.Read("zuzozi.ini").find(GetParam().saved), std::string::npos);
    EXPECT_TRUE(Application->Terminated());
    return;
  }
  ASSERT_EQ(backend.messageBoxes.size(), 1u);
  EXPECT_EQ(backend.messageBoxes[0].title, kTitle);
  EXPECT_EQ(backend.messageBoxes[0].text, Ansi(GetParam().message));
  EXPECT_EQ(backend.messageBoxes[0].icon, TMessageIcon::Error);
  EXPECT_EQ(dir.Read("zuzozi.ini"), before);
  EXPECT_FALSE(Application->Terminated());
  EXPECT_EQ(backend.quits, 0);
  // The dialog stays as the user left it, to be corrected.
  EXPECT_EQ(Form1->Edit6->Text(), GetParam().width);
  EXPECT_EQ(Form1->Edit8->Text(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberFields,
    ::testing::Values(TNumberCase{"leading_space", " 250", "5", "\r\nWidth=250\r\n", nullptr},
                      TNumberCase{"trailing_space", "250 ", "5", nullptr, "'250 ' は整数ではありません."},
                      TNumberCase{"leading_tab", "\t250", "5", nullptr, "'\t250' は整数ではありません."},
                      TNumberCase{"empty", "", "5", nullptr, "'' は整数ではありません."},
                      TNumberCase{"hexadecimal", "200", "$A", "\r\ndowncount=10\r\n", nullptr},
                      TNumberCase{"negative_hexadecimal", "200", "-$A", nullptr, "'-$A' は整数ではありません."},
                      TNumberCase{"empty_row_count", "200", "", nullptr, "'' は整数ではありません."},
                      TNumberCase{"row_count_out_of_range", "200", "2147483648", nullptr,
                                  "'2147483648' は整数ではありません."},
                      TNumberCase{"both_bad_reports_the_width", "wide", "many", nullptr,
                                  "'wide' は整数ではありません."}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, AFailedWriteIsReportedAndTheDialogStaysOpen) {
  Start({"nodir/x.ini"});
  Click(Form1->Button6);
  ASSERT_EQ(backend.messageBoxes.size(), 1u);
  EXPECT_EQ(backend.messageBoxes[0].title, kTitle);
  EXPECT_EQ(backend.messageBoxes[0].text, dir.Path("nodir/x.ini") + Ansi(" に書き込めません."));
  EXPECT_EQ(backend.messageBoxes[0].icon, TMessageIcon::Error);
  EXPECT_FALSE(Application->Terminated());
  EXPECT_TRUE(dir.Entries().empty());
  // The user can press OK again, with the same result.
  Click(Form1->Button6);
  EXPECT_EQ(backend.messageBoxes.size(), 2u);
}

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

TEST_F(DialogTest, OkNeverWritesThePosition) {
  dir.Write("zuzozi.ini", "[Pos]\r\nWidth=300\r\n");
  Start();
  Click(Form1->Button6);
  const std::string saved = dir.Read("zuzozi.ini");
  EXPECT_EQ(saved.find("Top"), std::string::npos);
  EXPECT_EQ(saved.find("Left"), std::string::npos);
}

struct TEndCase {
  const char* label;
  std::function<void()> end;
};

void PrintTo(const TEndCase& c, std::ostream* out) { *out << c.label; }

class EndWithoutSaving : public DialogTest, public ::testing::WithParamInterface<TEndCase> {};

TEST_P(EndWithoutSaving, LeavesEveryFileUntouched) {
  Install("ok_start.ini");
  Install("all_on.ini", "other.ini");
  const std::set<std::string> entries = dir.Entries();
  Start();
  Type(Form1->Edit2, "typed.dat");
  Type(Form1->Edit6, "999");
  Toggle(Form1->CheckBox4);
  backend.choices = {Choose("/x/app.exe"), Choose("/y/other.ini"), Cancel()};
  Click(Form1->Button3);
  Click(Form1->Button1);
  Click(Form1->Button5);
  Type(Form1->Edit8, "12");
  User(GetParam().end);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(backend.quits, 1);
  EXPECT_TRUE(backend.messageBoxes.empty());
  EXPECT_EQ(dir.Entries(), entries);
  EXPECT_EQ(dir.Read("zuzozi.ini"), Fixture("ok_start.ini"));
  EXPECT_EQ(dir.Read("other.ini"), Fixture("all_on.ini"));
}

INSTANTIATE_TEST_SUITE_P(Ways, EndWithoutSaving,
                         ::testing::Values(TEndCase{"cancel_button", [] { Form1->Button7->Click(); }},
                                           TEndCase{"close_box", [] { Form1->Close(); }}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
