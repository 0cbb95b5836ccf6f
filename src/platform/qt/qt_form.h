#pragma once
// The peer of a form: its window, one peer per control, and the input that feeds the form.
#include <QPointer>

#include <memory>
#include <vector>

#include "platform/forms.h"
#include "qt_form_window.h"
#include "qt_input.h"

class QtControl;

class QtForm : public TFormPeer {
 public:
  explicit QtForm(TForm& form);
  ~QtForm() override;
  QtForm(const QtForm&) = delete;
  QtForm& operator=(const QtForm&) = delete;

  void FormChanged(TForm& form, TChange what) override;
  // Mirrors the whole form and shows it with the focus on its first control.
  void Show();
  // The form, or its controls, may be gone: the peers stop talking to them.
  void Detach();

  QtFormWindow* Window() const { return window_; }

 private:
  void Push(TChange what);
  TForm& form_;
  bool attached_ = true;
  QPointer<QtFormWindow> window_;
  std::unique_ptr<QtInput> input_;
  std::vector<std::unique_ptr<QtControl>> controls_;
};
