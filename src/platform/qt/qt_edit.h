#pragma once
// An edit box. What the user types reaches the model as the whole new text; text the code page
// cannot hold is refused as it is typed or pasted, so the model always holds what the field shows.
#include <QLineEdit>

#include "qt_control.h"

class QtEdit : public QtControl {
 public:
  QtEdit(TEdit& edit, QWidget* parent);

 protected:
  void Push(TChange what) override;

 private:
  TEdit& Model() const { return static_cast<TEdit&>(Control()); }
  void PushText();
  void PushSelection();
  void PullSelection();

  QLineEdit* line_;
  bool pushing_ = false;
  // While the user's edit reaches the model, the widget's cursor is the truth: the model only
  // clamps its old selection to the new text, which must not be pushed back over the cursor.
  bool editing_ = false;
};
