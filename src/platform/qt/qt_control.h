#pragma once
// The peer of one control: mirrors the model's state onto its widget. The state every control
// has (bounds, enabled, visible, colour, focus) is handled here, the rest by each kind.
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <vector>

#include "platform/controls.h"

class QtControl : public TControlPeer {
 public:
  QtControl(TControl& control, QWidget* widget);
  ~QtControl() override;
  QtControl(const QtControl&) = delete;
  QtControl& operator=(const QtControl&) = delete;

  void Changed(TControl& control, TChange what) override;
  // Brings the whole widget in line with the model, as when the window is first made.
  void PushAll();
  // Forgets the model, whose control may be gone already.
  void Detach() { attached_ = false; }

  TControl& Control() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // Edit boxes that this control's caption names, kept in step with the caption.
  void AddNamedWidget(QWidget* widget);

 protected:
  virtual void Push(TChange what);
  void SetBackground(QPalette::ColorRole role);
  void PushNames();

 private:
  TControl& control_;
  QPointer<QWidget> widget_;
  std::vector<QPointer<QWidget>> named_;
  bool attached_ = true;
};
