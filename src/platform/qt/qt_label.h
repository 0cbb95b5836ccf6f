#pragma once
// A label: its caption, left-aligned, on its own background.
#include <QLabel>

#include "qt_control.h"

class QtLabel : public QtControl {
 public:
  QtLabel(TLabel& label, QWidget* parent);

 protected:
  void Push(TChange what) override;

 private:
  QLabel* label_;
};
