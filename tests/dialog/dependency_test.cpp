// The rules by which the check boxes enable and grey the controls they govern.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"

namespace {

struct TClickCase {
  const char* label;
  std::vector<int> clicks;  // check boxes by number, in the order the user clicks them
  TBoxState expected;
};

void PrintTo(const TClickCase& c, std::ostream* out) { *out << c.label; }

class DependentControls : public DialogTest, public ::testing::WithParamInterface<TClickCase> {};

TEST_P(DependentControls, FollowTheBoxesClickedInTurn) {
  Start();
  TCheckBox* boxes[] = {nullptr, Form1->CheckBox1, Form1->CheckBox2, Form1->CheckBox3, Form1->CheckBox4};
  Form1->Edit7->SetText("kept");
  for (int n : GetParam().clicks) Toggle(boxes[n]);
  EXPECT_EQ(BoxState(), GetParam().expected);
  EXPECT_EQ(Form1->Edit7->Text(), "kept");
}

constexpr TBoxState kNameOn = {true, false, true, false, true, true, clWindow, false, clSilver};

INSTANTIATE_TEST_SUITE_P(
    Clicks, DependentControls,
    ::testing::Values(
        TClickCase{"nothing", {}, kAllOff},
        TClickCase{"ini_box_enables_the_name_box", {1}, {true, false, false, false, true, false, clSilver, false, clSilver}},
        TClickCase{"name_box_puts_its_field_in_use", {1, 3}, kNameOn},
        // Unchecking CheckBox1 only disables CheckBox3: it stays checked and Edit7 stays in use.
        TClickCase{"ini_box_off_disables_only_the_name_box",
                   {1, 3, 1},
                   {false, false, true, false, false, true, clWindow, false, clSilver}},
        TClickCase{"ini_box_back_on", {1, 3, 1, 1}, kNameOn},
        TClickCase{"name_box_off_greys_its_field",
                   {1, 3, 3},
                   {true, false, false, false, true, false, clSilver, false, clSilver}},
        TClickCase{"combo_box_puts_the_row_count_in_use",
                   {4},
                   {false, false, false, true, false, false, clSilver, true, clWindow}},
        TClickCase{"combo_box_twice_is_the_start", {4, 4}, kAllOff},
        TClickCase{"selection_box_governs_nothing",
                   {2},
                   {false, true, false, false, false, false, clSilver, false, clSilver}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DialogTest, TheRulesSetTheEnabledStateBeforeTheColour) {
  struct TRecorder : TControlPeer {
    std::vector<TChange> changes;
    void Changed(TControl&, TChange what) override {
      if (what == TChange::Enabled || what == TChange::Color) changes.push_back(what);
    }
  };
  Start();
  TRecorder edit7, label7, edit8;
  Form1->Edit7->SetPeer(&edit7);
  Form1->Label7->SetPeer(&label7);
  Form1->Edit8->SetPeer(&edit8);
  Toggle(Form1->CheckBox1);
  Toggle(Form1->CheckBox3);
  Toggle(Form1->CheckBox3);
  Toggle(Form1->CheckBox4);
  const std::vector<TChange> enabledThenColour = {TChange::Enabled, TChange::Color, TChange::Enabled, TChange::Color};
  EXPECT_EQ(edit7.changes, enabledThenColour);
  EXPECT_EQ(label7.changes, std::vector<TChange>{TChange::Enabled});
  EXPECT_EQ(edit8.changes, std::vector<TChange>{TChange::Color});
  for (TControl* c : {static_cast<TControl*>(Form1->Edit7), static_cast<TControl*>(Form1->Label7),
                      static_cast<TControl*>(Form1->Edit8)})
    c->SetPeer(nullptr);
}

}  // namespace
