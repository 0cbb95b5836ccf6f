#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/classes.h"
#include "platform/controls.h"
#include "platform/exceptions.h"
#include "platform/forms.h"
#include "recording_backend.h"

namespace {

// Counts how often it was destroyed, to see who frees it.
class TCountedComponent : public TComponent {
 public:
  TCountedComponent(TComponent* owner, int& destroyed) : TComponent(owner), destroyed_(destroyed) {}
  ~TCountedComponent() override { ++destroyed_; }

 private:
  int& destroyed_;
};

TEST(ComponentTest, OwnerFreesItsComponentsAndForgetsOnesFreedEarlier) {
  int destroyed = 0;
  {
    TComponent owner(nullptr);
    auto* first = new TCountedComponent(&owner, destroyed);
    auto* second = new TCountedComponent(&owner, destroyed);
    new TCountedComponent(second, destroyed);
    EXPECT_EQ(owner.Components(), (std::vector<TComponent*>{first, second}));
    EXPECT_EQ(first->Owner(), &owner);
    delete first;
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(owner.Components(), (std::vector<TComponent*>{second}));
  }
  EXPECT_EQ(destroyed, 3);
}

TEST(ComponentTest, FormFreesItsControlsSafely) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  form.AddControl(edit);
  auto* label = new TLabel(&form);
  form.AddControl(label);
  EXPECT_EQ(form.Controls(), (std::vector<TControl*>{edit, label}));
  EXPECT_EQ(edit->Parent(), &form);
  form.FocusControl(edit, TFocusReason::Program);
  delete edit;
  EXPECT_EQ(form.Controls(), (std::vector<TControl*>{label}));
  EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST(ControlTest, DefaultColours) {
  TForm form(nullptr);
  EXPECT_EQ(TEdit(&form).Color(), clWindow);
  EXPECT_EQ(TLabel(&form).Color(), clBtnFace);
  EXPECT_EQ(TButton(&form).Color(), clBtnFace);
  EXPECT_EQ(TCheckBox(&form).Color(), clBtnFace);
}

// A control with a spy on its events and a peer recording what it is told.
class EventTest : public ::testing::Test {
 protected:
  EventTest() {
    edit.SetPeer(&peer);
    checkBox.SetPeer(&peer);
    edit.OnChange = [this](TObject* sender) { senders.push_back(sender); };
    checkBox.OnClick = [this](TObject* sender) { senders.push_back(sender); };
  }
  TComponent owner{nullptr};
  TEdit& edit = *new TEdit(&owner);
  TCheckBox& checkBox = *new TCheckBox(&owner);
  TRecordingPeer peer;
  std::vector<TObject*> senders;
};

struct TEventCase {
  const char* name;
  std::function<void(TEdit&, TCheckBox&)> arrange;
  std::function<void(TEdit&, TCheckBox&)> act;
  bool fromEdit;  // which control fires, when one does
  int fired;
};

class EventOnRealChangeTest : public EventTest, public ::testing::WithParamInterface<TEventCase> {};

TEST_P(EventOnRealChangeTest, FiresOnceOrNotAtAll) {
  const TEventCase& c = GetParam();
  if (c.arrange) c.arrange(edit, checkBox);
  senders.clear();
  peer.changes.clear();
  c.act(edit, checkBox);
  ASSERT_EQ(static_cast<int>(senders.size()), c.fired);
  TControl* source = c.fromEdit ? static_cast<TControl*>(&edit) : &checkBox;
  if (c.fired) {
    EXPECT_EQ(senders[0], source);
    EXPECT_EQ(peer.changes.front(),
              (TRecordingPeer::TRecord{source, c.fromEdit ? TChange::Text : TChange::Checked}));
  } else {
    EXPECT_TRUE(peer.changes.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Setters, EventOnRealChangeTest,
    ::testing::Values(
        TEventCase{"NewText", nullptr, [](TEdit& e, TCheckBox&) { e.SetText("a"); }, true, 1},
        TEventCase{"SameText", [](TEdit& e, TCheckBox&) { e.SetText("abc"); },
                   [](TEdit& e, TCheckBox&) { e.SetText("abc"); }, true, 0},
        TEventCase{"EmptyOnEmpty", nullptr, [](TEdit& e, TCheckBox&) { e.SetText(""); }, true, 0},
        // Differs only in the trail byte of a double-byte character.
        TEventCase{"OneByteDiffers", [](TEdit& e, TCheckBox&) { e.SetText("\x83\x41"); },
                   [](TEdit& e, TCheckBox&) { e.SetText("\x83\x42"); }, true, 1},
        TEventCase{"Check", nullptr, [](TEdit&, TCheckBox& b) { b.SetChecked(true); }, false, 1},
        TEventCase{"CheckChecked", [](TEdit&, TCheckBox& b) { b.SetChecked(true); },
                   [](TEdit&, TCheckBox& b) { b.SetChecked(true); }, false, 0},
        TEventCase{"UncheckUnchecked", nullptr, [](TEdit&, TCheckBox& b) { b.SetChecked(false); }, false, 0},
        TEventCase{"Toggle", nullptr, [](TEdit&, TCheckBox& b) { b.Toggle(); }, false, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventTest, HandlerChangingOtherControlsFiresEachRealChangeOnce) {
  TEdit& other = *new TEdit(&owner);
  int otherFired = 0;
  edit.OnChange = [&](TObject*) {
    senders.push_back(&edit);
    other.SetText(edit.Text());
    checkBox.SetChecked(true);
  };
  // The echo sets the text the first box already holds: no change, no loop.
  other.OnChange = [&](TObject*) {
    ++otherFired;
    edit.SetText(other.Text());
  };
  edit.SetText("x");
  edit.SetText("x");
  EXPECT_EQ(otherFired, 1);
  EXPECT_EQ(other.Text(), "x");
  EXPECT_TRUE(checkBox.Checked());
  EXPECT_EQ(senders, (std::vector<TObject*>{&edit, &checkBox}));
}

TEST_F(EventTest, HandlerErrorReachesTheCallerWithTheStateChanged) {
  edit.OnChange = [](TObject*) { throw Exception("bad"); };
  EXPECT_THROW(edit.SetText("new"), Exception);
  EXPECT_EQ(edit.Text(), "new");
}

struct TPeerCase {
  const char* name;
  std::function<void(TEdit&)> act;
  std::vector<TChange> told;
};

class PeerTest : public EventTest, public ::testing::WithParamInterface<TPeerCase> {};

TEST_P(PeerTest, IsToldOfEachRealChange) {
  edit.SetText("abcdef");
  peer.changes.clear();
  GetParam().act(edit);
  std::vector<TChange> told;
  for (const auto& record : peer.changes) {
    EXPECT_EQ(record.control, &edit);
    told.push_back(record.what);
  }
  EXPECT_EQ(told, GetParam().told);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, PeerTest,
    ::testing::Values(
        TPeerCase{"Bounds", [](TEdit& e) { e.SetBounds(1, 2, 3, 4); }, {TChange::Bounds}},
        TPeerCase{"SameBounds", [](TEdit& e) { e.SetBounds(0, 0, 0, 0); }, {}},
        TPeerCase{"Left", [](TEdit& e) { e.SetLeft(5); }, {TChange::Bounds}},
        TPeerCase{"Height", [](TEdit& e) { e.SetHeight(20); }, {TChange::Bounds}},
        TPeerCase{"Disable", [](TEdit& e) { e.SetEnabled(false); }, {TChange::Enabled}},
        TPeerCase{"EnableEnabled", [](TEdit& e) { e.SetEnabled(true); }, {}},
        TPeerCase{"Hide", [](TEdit& e) { e.SetVisible(false); }, {TChange::Visible}},
        TPeerCase{"Grey", [](TEdit& e) { e.SetColor(clSilver); }, {TChange::Color}},
        TPeerCase{"SameColour", [](TEdit& e) { e.SetColor(clWindow); }, {}},
        TPeerCase{"ReadOnly", [](TEdit& e) { e.SetReadOnly(true); }, {TChange::ReadOnly}},
        TPeerCase{"Select", [](TEdit& e) { e.SetSelection(1, 2); }, {TChange::Selection}},
        TPeerCase{"SameSelection", [](TEdit& e) { e.SetSelection(0, 0); }, {}},
        TPeerCase{"SelectAll", [](TEdit& e) { e.SelectAll(); }, {TChange::Selection}},
        // A selection past the end of a shortened text is cut back to it.
        TPeerCase{"ShorterText",
                  [](TEdit& e) {
                    e.SetSelection(2, 4);
                    e.SetText("ab");
                  },
                  {TChange::Selection, TChange::Text, TChange::Selection}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ControlTest, CaptionTellsThePeer) {
  TComponent owner(nullptr);
  TRecordingPeer peer;
  auto* label = new TLabel(&owner);
  label->SetPeer(&peer);
  label->SetCaption("a");
  label->SetCaption("a");
  EXPECT_EQ(peer.changes, (std::vector<TRecordingPeer::TRecord>{{label, TChange::Caption}}));
}

struct TSelectionCase {
  int start, length;
  int expectedStart, expectedLength;
};

class SelectionTest : public ::testing::TestWithParam<TSelectionCase> {};

TEST_P(SelectionTest, StaysWithinTheText) {
  TComponent owner(nullptr);
  auto* edit = new TEdit(&owner);
  edit->SetText("abcd");
  edit->SetSelection(GetParam().start, GetParam().length);
  EXPECT_EQ(edit->SelStart(), GetParam().expectedStart);
  EXPECT_EQ(edit->SelLength(), GetParam().expectedLength);
}

INSTANTIATE_TEST_SUITE_P(Ranges, SelectionTest,
                         ::testing::Values(TSelectionCase{1, 2, 1, 2}, TSelectionCase{0, 4, 0, 4},
                                           TSelectionCase{2, 9, 2, 2}, TSelectionCase{9, 1, 4, 0},
                                           TSelectionCase{-1, 2, 0, 2}, TSelectionCase{1, -3, 1, 0}));

TEST(ButtonTest, ClickFiresWithTheButtonAsSender) {
  TComponent owner(nullptr);
  auto* button = new TButton(&owner);
  std::vector<TObject*> senders;
  button->Click();  // no handler: nothing to run
  button->OnClick = [&](TObject* sender) { senders.push_back(sender); };
  button->Click();
  button->Click();
  EXPECT_EQ(senders, (std::vector<TObject*>{button, button}));
}

}  // namespace
