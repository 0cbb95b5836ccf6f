// The dialog's keyboard rules, shared by every backend.
#include "forms.h"

namespace {

bool IsPushButton(const TControl* c) { return dynamic_cast<const TButton*>(c) != nullptr; }
bool IsCheckBox(const TControl* c) { return dynamic_cast<const TCheckBox*>(c) != nullptr; }

}  // namespace

bool TForm::KeyDown(TKey key, TShiftState shift) {
  TControl* focused = active_;
  auto* button = dynamic_cast<TButton*>(focused);
  auto* checkBox = dynamic_cast<TCheckBox*>(focused);
  auto move = [&](bool forward) {
    if (TControl* next = FindNextControl(focused, forward)) FocusControl(next, TFocusReason::Keyboard);
    return true;
  };
  switch (key) {
    case TKey::Tab:
      return move(!shift.Shift);
    case TKey::Enter:
      // No button is the default one: Enter presses only a focused button, and never saves from
      // an edit box or a check box.
      if (button && !shift.Shift && !shift.Ctrl && !shift.Alt) button->Click();
      return true;
    case TKey::Escape:
      // No button is the cancel one: Escape never closes the dialog.
      return true;
    case TKey::Space:
      if (shift.Alt) return false;  // the window menu
      if (button) {
        button->Click();
        return true;
      }
      if (checkBox) {
        checkBox->Toggle();
        return true;
      }
      return false;
    case TKey::Left:
    case TKey::Up:
      if (IsPushButton(focused) || IsCheckBox(focused)) return move(false);
      return false;
    case TKey::Right:
    case TKey::Down:
      if (IsPushButton(focused) || IsCheckBox(focused)) return move(true);
      return false;
  }
  return false;
}
