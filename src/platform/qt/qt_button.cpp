#include "qt_button.h"

#include "platform/application.h"
#include "qt_text.h"

QtButton::QtButton(TButton& button, QWidget* parent)
    : QtControl(button, new QPushButton(parent)), button_(static_cast<QPushButton*>(Widget())) {
  button_->setAutoDefault(false);
  button_->setDefault(false);
  button_->setFocusPolicy(Qt::ClickFocus);
  QObject::connect(button_, &QPushButton::clicked, button_, [&button] { Application->HandleEvent([&] { button.Click(); }); });
}

void QtButton::Push(TChange what) {
  switch (what) {
    case TChange::Caption:
      button_->setText(ToQString(Control().Caption()));
      break;
    case TChange::Color:
      SetBackground(QPalette::Button);
      break;
    default:
      break;
  }
  QtControl::Push(what);
}
