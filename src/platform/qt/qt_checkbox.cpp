#include "qt_checkbox.h"

#include "platform/application.h"
#include "qt_text.h"

QtCheckBox::QtCheckBox(TCheckBox& checkBox, QWidget* parent)
    : QtControl(checkBox, new QCheckBox(parent)), box_(static_cast<QCheckBox*>(Widget())) {
  box_->setFocusPolicy(Qt::ClickFocus);
  QObject::connect(box_, &QCheckBox::clicked, box_, [this, &checkBox](bool checked) {
    Application->HandleEvent([&] { checkBox.SetChecked(checked); });
    // The handler may have failed before the box was told.
    Push(TChange::Checked);
  });
}

void QtCheckBox::Push(TChange what) {
  auto& model = static_cast<TCheckBox&>(Control());
  switch (what) {
    case TChange::Caption:
      box_->setText(ToQString(model.Caption()));
      break;
    case TChange::Checked:
      if (box_->isChecked() != model.Checked()) box_->setChecked(model.Checked());
      break;
    default:
      break;
  }
  QtControl::Push(what);
}
