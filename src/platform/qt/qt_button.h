#pragma once
// A push button. Only the user's click reaches the model; the keyboard's presses come through the
// form's rules instead, so the widget never clicks on a key of its own.
#include <QPushButton>

#include "qt_control.h"

class QtButton : public QtControl {
 public:
  QtButton(TButton& button, QWidget* parent);

 protected:
  void Push(TChange what) override;

 private:
  QPushButton* button_;
};
