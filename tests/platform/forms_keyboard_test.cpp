#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/forms.h"
#include "recording_backend.h"

namespace {

// A form with, in tab order: Edit1, Button1, CheckBox1, Edit2; a label that never takes the focus.
class KeyboardForm : public ::testing::Test {
 protected:
  KeyboardForm() {
    label = Add<TLabel>("Label1", -1);
    edit1 = Add<TEdit>("Edit1", 0);
    edit2 = Add<TEdit>("Edit2", 3);
    checkBox = Add<TCheckBox>("CheckBox1", 2);
    button = Add<TButton>("Button1", 1);
    button->OnClick = [this](TObject*) { ++clicks; };
    edit1->SetText("first");
    edit2->SetText("second");
  }
  template <class T>
  T* Add(const std::string& name, int tabOrder) {
    auto* control = new T(&form);
    control->Name = name;
    control->SetTabOrder(tabOrder);
    form.AddControl(control);
    return control;
  }
  std::string FocusedName() const { return form.ActiveControl() ? form.ActiveControl()->Name : "(none)"; }

  TForm form{nullptr};
  TLabel* label;
  TEdit* edit1;
  TEdit* edit2;
  TCheckBox* checkBox;
  TButton* button;
  int clicks = 0;
};

TEST_F(KeyboardForm, TabOrderListSortsByTabOrderAndLeavesOutLabelsAndNonStops) {
  auto* noStop = Add<TEdit>("Edit3", 4);
  noStop->SetTabStop(false);
  EXPECT_EQ(form.TabOrderList(), (std::vector<TControl*>{edit1, button, checkBox, edit2}));
}

struct TKeyCase {
  const char* focused;
  TKey key;
  TShiftState shift;
  bool consumed;
  const char* focusAfter;
  int clicks;
  bool checked;
};

class KeyDownTest : public KeyboardForm, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(KeyDownTest, FollowsTheDialogRules) {
  const TKeyCase& c = GetParam();
  form.FocusControl(form.FindControl(c.focused), TFocusReason::Mouse);
  EXPECT_EQ(form.KeyDown(c.key, c.shift), c.consumed);
  EXPECT_EQ(FocusedName(), c.focusAfter);
  EXPECT_EQ(clicks, c.clicks);
  EXPECT_EQ(checkBox->Checked(), c.checked);
}

constexpr TShiftState kNone{};
constexpr TShiftState kShift{true, false, false};
constexpr TShiftState kCtrl{false, true, false};
constexpr TShiftState kAlt{false, false, true};

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyDownTest,
    ::testing::Values(
        TKeyCase{"Edit1", TKey::Tab, kNone, true, "Button1", 0, false},
        TKeyCase{"Button1", TKey::Tab, kShift, true, "Edit1", 0, false},
        TKeyCase{"Edit1", TKey::Tab, kShift, true, "Edit2", 0, false},
        TKeyCase{"Edit2", TKey::Tab, kNone, true, "Edit1", 0, false},
        TKeyCase{"Edit1", TKey::Enter, kNone, true, "Edit1", 0, false},
        TKeyCase{"CheckBox1", TKey::Enter, kNone, true, "CheckBox1", 0, false},
        TKeyCase{"Button1", TKey::Enter, kNone, true, "Button1", 1, false},
        TKeyCase{"Button1", TKey::Enter, kShift, true, "Button1", 0, false},
        TKeyCase{"Button1", TKey::Enter, kCtrl, true, "Button1", 0, false},
        TKeyCase{"Button1", TKey::Enter, kAlt, true, "Button1", 0, false},
        TKeyCase{"Edit1", TKey::Escape, kNone, true, "Edit1", 0, false},
        TKeyCase{"Button1", TKey::Escape, kNone, true, "Button1", 0, false},
        TKeyCase{"CheckBox1", TKey::Escape, kNone, true, "CheckBox1", 0, false},
        TKeyCase{"Button1", TKey::Space, kNone, true, "Button1", 1, false},
        TKeyCase{"CheckBox1", TKey::Space, kNone, true, "CheckBox1", 0, true},
        TKeyCase{"Edit1", TKey::Space, kNone, false, "Edit1", 0, false},
        TKeyCase{"Button1", TKey::Space, kAlt, false, "Button1", 0, false},
        TKeyCase{"Button1", TKey::Left, kNone, true, "Edit1", 0, false},
        TKeyCase{"Button1", TKey::Up, kNone, true, "Edit1", 0, false},
        TKeyCase{"Button1", TKey::Right, kNone, true, "CheckBox1", 0, false},
        TKeyCase{"Button1", TKey::Down, kNone, true, "CheckBox1", 0, false},
        TKeyCase{"CheckBox1", TKey::Left, kNone, true, "Button1", 0, false},
        TKeyCase{"CheckBox1", TKey::Down, kNone, true, "Edit2", 0, false},
        TKeyCase{"Edit1", TKey::Left, kNone, false, "Edit1", 0, false},
        TKeyCase{"Edit1", TKey::Right, kNone, false, "Edit1", 0, false},
        TKeyCase{"Edit2", TKey::Up, kNone, false, "Edit2", 0, false},
        TKeyCase{"Edit2", TKey::Down, kNone, false, "Edit2", 0, false}));

TEST_F(KeyboardForm, TabSkipsDisabledAndHiddenControls) {
  struct TCase {
    TControl* from;
    bool forward;
    TControl* expected;
  };
  button->SetEnabled(false);
  edit2->SetVisible(false);
  for (const TCase& c : std::vector<TCase>{{edit1, true, checkBox},
                                           {checkBox, false, edit1},
                                           {checkBox, true, edit1},
                                           {edit1, false, checkBox},
                                           {nullptr, true, edit1},
                                           {nullptr, false, checkBox}}) {
    EXPECT_EQ(form.FindNextControl(c.from, c.forward), c.expected)
        << (c.from ? c.from->Name : "(none)") << (c.forward ? " forward" : " backward");
  }
}

TEST_F(KeyboardForm, ShiftTabFromTheFirstSkipsADisabledLast) {
  edit2->SetEnabled(false);
  form.FocusControl(edit1, TFocusReason::Mouse);
  EXPECT_TRUE(form.KeyDown(TKey::Tab, kShift));
  EXPECT_EQ(form.ActiveControl(), checkBox);
}

TEST_F(KeyboardForm, NoControlToMoveToLeavesTheFocus) {
  for (TControl* c : {static_cast<TControl*>(button), static_cast<TControl*>(checkBox), static_cast<TControl*>(edit2)})
    c->SetEnabled(false);
  form.FocusControl(edit1, TFocusReason::Mouse);
  EXPECT_EQ(form.FindNextControl(edit1, true), edit1);
  edit1->SetEnabled(false);
  EXPECT_EQ(form.FindNextControl(edit1, true), nullptr);
  EXPECT_TRUE(form.KeyDown(TKey::Tab, kNone));
  EXPECT_EQ(form.ActiveControl(), edit1);
}

TEST_F(KeyboardForm, KeyboardFocusSelectsTheWholeTextMouseFocusDoesNot) {
  form.FocusControl(edit2, TFocusReason::Mouse);
  EXPECT_EQ(edit2->SelLength(), 0);
  form.FocusControl(edit1, TFocusReason::Mouse);
  EXPECT_EQ(edit1->SelLength(), 0);
  form.KeyDown(TKey::Tab, kShift);
  EXPECT_EQ(form.ActiveControl(), edit2);
  EXPECT_EQ(edit2->SelStart(), 0);
  EXPECT_EQ(edit2->SelLength(), 6);
}

TEST_F(KeyboardForm, FocusFirstTakesTheFirstEnabledTabStopWithItsTextSelected) {
  form.FocusFirst();
  EXPECT_EQ(form.ActiveControl(), edit1);
  EXPECT_EQ(edit1->SelLength(), 5);

  edit1->SetEnabled(false);
  button->SetEnabled(false);
  checkBox->SetEnabled(false);
  form.FocusFirst();
  EXPECT_EQ(form.ActiveControl(), edit2);
  EXPECT_EQ(edit2->SelLength(), 6);
}

TEST_F(KeyboardForm, FocusIsToldToTheNewControlsPeer) {
  TRecordingPeer peer;
  edit1->SetPeer(&peer);
  button->SetPeer(&peer);
  form.FocusControl(edit1, TFocusReason::Mouse);
  form.FocusControl(edit1, TFocusReason::Mouse);
  form.KeyDown(TKey::Tab, kNone);
  EXPECT_EQ(peer.changes, (std::vector<TRecordingPeer::TRecord>{{edit1, TChange::Focus}, {button, TChange::Focus}}));
  EXPECT_TRUE(button->Focused());
  EXPECT_FALSE(edit1->Focused());
}

TEST_F(KeyboardForm, LabelsAndDisabledControlsCannotTakeTheFocus) {
  form.FocusControl(edit1, TFocusReason::Mouse);
  form.FocusControl(label, TFocusReason::Mouse);
  EXPECT_EQ(form.ActiveControl(), edit1);
  button->SetEnabled(false);
  form.FocusControl(button, TFocusReason::Mouse);
  EXPECT_EQ(form.ActiveControl(), edit1);
}

class RecordingFormPeer : public TFormPeer {
 public:
  std::vector<TChange> changes;
  void FormChanged(TForm&, TChange what) override { changes.push_back(what); }
};

TEST(FormTest, PositionAndCaptionTellThePeerOfRealChanges) {
  TForm form(nullptr);
  RecordingFormPeer peer;
  form.SetPeer(&peer);
  form.SetLeft(10);
  form.SetLeft(10);
  form.SetTop(-20);
  form.SetCaption("a");
  form.SetCaption("a");
  EXPECT_EQ(peer.changes, (std::vector<TChange>{TChange::Bounds, TChange::Bounds, TChange::Caption}));
  EXPECT_EQ(form.Left(), 10);
  EXPECT_EQ(form.Top(), -20);
}

}  // namespace
