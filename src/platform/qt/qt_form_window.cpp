#include "qt_form_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "platform/application.h"

QtFormWindow::QtFormWindow(TForm& form) : QWidget(nullptr), form_(form) {
  if (form.BorderStyle == TBorderStyle::bsDialog)
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  else
    setWindowFlags(Qt::Window);
  setObjectName(QString::fromStdString(form.Name));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  area_ = new QScrollArea(this);
  area_->setFrameShape(QFrame::NoFrame);
  area_->setWidgetResizable(true);
  area_->setFocusPolicy(Qt::NoFocus);
  area_->setHorizontalScrollBarPolicy(form.AutoScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  area_->setVerticalScrollBarPolicy(form.AutoScroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  page_ = new QWidget;
  page_->setObjectName(QStringLiteral("page"));
  area_->setWidget(page_);
  layout->addWidget(area_);
  // Until the window manager has framed the window, assume the frame the form was laid out with.
  if (form.MaxWidth > 0 && form.ClientWidth() > 0) frame_.setWidth(std::max(0, form.MaxWidth - form.ClientWidth()));
  if (form.MaxHeight > 0 && form.ClientHeight() > 0) frame_.setHeight(std::max(0, form.MaxHeight - form.ClientHeight()));
}

void QtFormWindow::SetPageExtent(QSize extent) { page_->setMinimumSize(extent); }

// From the margins the window manager reports: frameGeometry() can lag behind a resize, and a
// stale one would make the client area grow without end.
QSize QtFormWindow::FrameExtra() const {
  const QWindow* handle = windowHandle();
  if (!handle) return frame_;
  const QMargins m = handle->frameMargins();
  return QSize(std::max(0, m.left() + m.right()), std::max(0, m.top() + m.bottom()));
}

void QtFormWindow::ApplySize() {
  int width = form_.ClientWidth(), height = form_.ClientHeight();
  if (form_.MaxWidth > 0) width = std::min(width > 0 ? width : form_.MaxWidth, form_.MaxWidth - frame_.width());
  if (form_.MinWidth > 0) width = std::max(width, form_.MinWidth - frame_.width());
  if (form_.MaxHeight > 0) height = std::min(height > 0 ? height : form_.MaxHeight, form_.MaxHeight - frame_.height());
  if (form_.MinHeight > 0) height = std::max(height, form_.MinHeight - frame_.height());
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (form_.BorderStyle == TBorderStyle::bsDialog) {
    setFixedSize(width, height);
  } else {
    setMinimumSize(form_.MinWidth > 0 ? form_.MinWidth - frame_.width() : 0, form_.MinHeight > 0 ? form_.MinHeight - frame_.height() : 0);
    setMaximumSize(form_.MaxWidth > 0 ? form_.MaxWidth - frame_.width() : QWIDGETSIZE_MAX,
                   form_.MaxHeight > 0 ? form_.MaxHeight - frame_.height() : QWIDGETSIZE_MAX);
    resize(width, height);
  }
}

void QtFormWindow::ApplyPosition() {
  const QPoint outer(form_.Left(), form_.Top());
  // The frame's corner goes there, also before the window manager has framed the window.
  if (QWindow* handle = windowHandle())
    handle->setFramePosition(outer);
  else
    move(outer);
}

void QtFormWindow::closeEvent(QCloseEvent* event) {
  Application->HandleEvent([&] { form_.Close(); });
  // Only the application decides when its windows go; a form that does not end it stays.
  if (Application->Terminated())
    event->accept();
  else
    event->ignore();
}

bool QtFormWindow::event(QEvent* event) {
  const bool result = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
      // The frame is known once the window is shown; it may come late from the window manager.
      if (isVisible()) {
        const QSize extra = FrameExtra();
        if (!frameKnown_ || extra != frame_) {
          frameKnown_ = true;
          if (extra != frame_) {
            frame_ = extra;
            ApplySize();
            // A resize after framing may send the window manager a stale position.
            ApplyPosition();
          }
        }
      }
      break;
    default:
      break;
  }
  return result;
}
