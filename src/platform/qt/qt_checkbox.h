#pragma once
// A check box: the box to the left of its caption; a click checks or unchecks the model's box,
// which runs its handler.
#include <QCheckBox>

#include "qt_control.h"

class QtCheckBox : public QtControl {
 public:
  QtCheckBox(TCheckBox& checkBox, QWidget* parent);

 protected:
  void Push(TChange what) override;

 private:
  QCheckBox* box_;
};
