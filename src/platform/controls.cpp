#include "controls.h"

#include <algorithm>

#include "forms.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TForm* form) {
  if (parent_ == form) return;
  TForm* old = parent_;
  parent_ = nullptr;
  if (old) old->RemoveControl(this);
  parent_ = form;
  if (form) form->AddControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  Notify(TChange::Bounds);
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(TChange::Enabled);
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify(TChange::Visible);
}

void TControl::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Notify(TChange::Color);
}

void TControl::SetCaption(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  Notify(TChange::Caption);
}

bool TControl::Focused() const { return parent_ && parent_->ActiveControl() == this; }

void TControl::Notify(TChange what) {
  if (peer_) peer_->Changed(*this, what);
}

void TControl::Fire(const TNotifyEvent& event) {
  if (event) event(this);
}

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner) { SetColor(clBtnFace); }

TEdit::TEdit(TComponent* AOwner) : TControl(AOwner) {}

void TEdit::SetText(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  Notify(TChange::Text);
  // A shorter text cannot keep a selection past its end.
  const int size = static_cast<int>(caption_.size());
  const int start = std::min(selStart_, size);
  SetSelection(start, std::min(selLength_, size - start));
  Fire(OnChange);
}

void TEdit::SetReadOnly(bool v) {
  if (v == readOnly_) return;
  readOnly_ = v;
  Notify(TChange::ReadOnly);
}

void TEdit::SetSelection(int start, int length) {
  const int size = static_cast<int>(Text().size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  if (start == selStart_ && length == selLength_) return;
  selStart_ = start;
  selLength_ = length;
  Notify(TChange::Selection);
}

TButton::TButton(TComponent* AOwner) : TControl(AOwner) { SetColor(clBtnFace); }

void TButton::Click() { Fire(OnClick); }

TCheckBox::TCheckBox(TComponent* AOwner) : TControl(AOwner) { SetColor(clBtnFace); }

void TCheckBox::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  Notify(TChange::Checked);
  Fire(OnClick);
}
