#include "qt_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/application.h"

QtInput::QtInput(TForm& form) : form_(form) {}

void QtInput::Watch(QWidget* widget, TControl* control) {
  if (control) controls_.insert(widget, control);
  widget->installEventFilter(this);
}

std::optional<TKey> DialogKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return TKey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TKey::Enter;
    case Qt::Key_Escape: return TKey::Escape;
    case Qt::Key_Space: return TKey::Space;
    case Qt::Key_Left: return TKey::Left;
    case Qt::Key_Right: return TKey::Right;
    case Qt::Key_Up: return TKey::Up;
    case Qt::Key_Down: return TKey::Down;
    default: return std::nullopt;
  }
}

bool QtInput::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return KeyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && swallowSpaceRelease_) {
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) swallowSpaceRelease_ = false;
        return true;
      }
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (TControl* control = controls_.value(watched)) {
        Application->HandleEvent([&] { form_.FocusControl(control, TFocusReason::Mouse); });
      }
      return false;
    default:
      return false;
  }
}

bool QtInput::KeyPress(QObject* watched, QKeyEvent* event) {
  const std::optional<TKey> key = DialogKey(*event);
  if (!key) return false;
  TControl* control = controls_.value(watched);
  // A dialog key that a field left alone travels on to the containers; there it must not scroll
  // or move the focus.
  if (!control && watched != QApplication::focusWidget()) return true;
  if (control && control != form_.ActiveControl())
    Application->HandleEvent([&] { form_.FocusControl(control, TFocusReason::Program); });
  TControl* active = form_.ActiveControl();
  const bool clicks = dynamic_cast<TButton*>(active) || dynamic_cast<TCheckBox*>(active);
  // Held down, Space presses a button or toggles a box once, not once per repeat.
  if (*key == TKey::Space && event->isAutoRepeat() && clicks) return true;
  const Qt::KeyboardModifiers m = event->modifiers();
  TShiftState shift;
  shift.Shift = m.testFlag(Qt::ShiftModifier) || event->key() == Qt::Key_Backtab;
  shift.Ctrl = m.testFlag(Qt::ControlModifier);
  shift.Alt = m.testFlag(Qt::AltModifier);
  // A handler that failed had taken the key: the widget must not act on it a second time.
  bool consumed = true;
  Application->HandleEvent([&] { consumed = form_.KeyDown(*key, shift); });
  if (consumed && *key == TKey::Space) swallowSpaceRelease_ = true;
  return consumed;
}
