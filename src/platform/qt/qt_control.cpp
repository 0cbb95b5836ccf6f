#include "qt_control.h"

#include <QScrollArea>

#include "qt_color.h"
#include "qt_text.h"

QtControl::QtControl(TControl& control, QWidget* widget) : control_(control), widget_(widget) {
  widget->setObjectName(QString::fromStdString(control.Name));
  control.SetPeer(this);
}

QtControl::~QtControl() {
  if (attached_ && control_.Peer() == this) control_.SetPeer(nullptr);
}

void QtControl::Changed(TControl&, TChange what) {
  if (widget_) Push(what);
}

void QtControl::PushAll() {
  for (TChange what : {TChange::Bounds, TChange::Enabled, TChange::Visible, TChange::Color, TChange::Caption,
                       TChange::Text, TChange::Checked, TChange::ReadOnly, TChange::Selection})
    Push(what);
}

void QtControl::AddNamedWidget(QWidget* widget) {
  named_.emplace_back(widget);
  PushNames();
}

void QtControl::PushNames() {
  for (const auto& w : named_)
    if (w) w->setAccessibleName(ToQString(control_.Caption()));
}

void QtControl::SetBackground(QPalette::ColorRole role) {
  QPalette palette = widget_->palette();
  // Every colour group, so a disabled field shows its grey too.
  palette.setColor(role, ToQColor(control_.Color()));
  widget_->setPalette(palette);
}

void QtControl::Push(TChange what) {
  switch (what) {
    case TChange::Bounds:
      widget_->setGeometry(control_.Left(), control_.Top(), control_.Width(), control_.Height());
      break;
    case TChange::Enabled:
      widget_->setEnabled(control_.Enabled());
      break;
    case TChange::Visible:
      widget_->setHidden(!control_.Visible());
      break;
    case TChange::Color:
      widget_->setAutoFillBackground(true);
      SetBackground(QPalette::Window);
      break;
    case TChange::Caption:
      PushNames();
      break;
    case TChange::Focus:
      if (control_.Focused()) {
        widget_->setFocus(Qt::OtherFocusReason);
        for (QWidget* p = widget_->parentWidget(); p; p = p->parentWidget())
          if (auto* area = qobject_cast<QScrollArea*>(p)) {
            area->ensureWidgetVisible(widget_, 0, 0);
            break;
          }
      }
      break;
    default:
      break;
  }
}
