#include "forms.h"

#include <algorithm>

#include "application.h"
#include "published.h"

TForm::TForm(TComponent* AOwner) : TComponent(AOwner) { Font.Color = clWindowText; }

TForm::~TForm() {
  // The controls are freed by TComponent after this body; they must not reach back into a form
  // whose members are gone by then.
  const auto controls = controls_;
  for (TControl* control : controls) control->SetParent(nullptr);
}

void TForm::Publish(TPublishedMembers&) {}

void TForm::Create() {
  TPublishedMembers members;
  Publish(members);
  ReadLayout(members.LayoutText(), members.LayoutFileName());
  Application->HandleEvent([this] {
    if (OnCreate) OnCreate(this);
  });
}

void TForm::SetCaption(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  Notify(TChange::Caption);
}

void TForm::SetLeft(int v) {
  if (v == left_) return;
  left_ = v;
  Notify(TChange::Bounds);
}

void TForm::SetTop(int v) {
  if (v == top_) return;
  top_ = v;
  Notify(TChange::Bounds);
}

void TForm::Notify(TChange what) {
  if (peer_) peer_->FormChanged(*this, what);
}

void TForm::AddControl(TControl* control) {
  if (std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
  controls_.push_back(control);
  if (control->Parent() != this) control->SetParent(this);
}

void TForm::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (active_ == control) active_ = nullptr;
}

TControl* TForm::FindControl(std::string_view name) const {
  for (TControl* control : controls_)
    if (control->Name == name) return control;
  return nullptr;
}

std::vector<TControl*> TForm::TabOrderList() const {
  std::vector<TControl*> list;
  for (TControl* control : controls_)
    if (control->CanTakeFocus() && control->TabStop()) list.push_back(control);
  // A control without a tab order of its own comes after those with one, in creation order.
  std::stable_sort(list.begin(), list.end(), [](const TControl* a, const TControl* b) {
    const bool aNone = a->TabOrder() < 0, bNone = b->TabOrder() < 0;
    if (aNone != bNone) return bNone;
    return a->TabOrder() < b->TabOrder();
  });
  return list;
}

void TForm::FocusControl(TControl* control, TFocusReason reason) {
  if (control && (!control->CanTakeFocus() || !control->Enabled() || !control->Visible())) return;
  if (control != active_) {
    active_ = control;
    if (control && control->Peer()) control->Peer()->Changed(*control, TChange::Focus);
  }
  if (auto* edit = dynamic_cast<TEdit*>(control); edit && reason == TFocusReason::Keyboard) edit->SelectAll();
}

TControl* TForm::FindNextControl(TControl* from, bool forward) const {
  const auto list = TabOrderList();
  const int count = static_cast<int>(list.size());
  if (count == 0) return nullptr;
  auto found = std::find(list.begin(), list.end(), from);
  int index = found != list.end() ? static_cast<int>(found - list.begin()) : (forward ? -1 : count);
  const int step = forward ? 1 : -1;
  for (int i = 0; i < count; ++i) {
    index = ((index + step) % count + count) % count;
    TControl* candidate = list[index];
    if (candidate->Enabled() && candidate->Visible()) return candidate;
  }
  return nullptr;
}

void TForm::FocusFirst() {
  if (TControl* first = FindNextControl(nullptr, true)) {
    FocusControl(first, TFocusReason::Program);
    if (auto* edit = dynamic_cast<TEdit*>(first)) edit->SelectAll();
  }
}

void TForm::Close() {
  if (Application && Application->MainForm() == this) Application->Terminate();
}
