#pragma once
// The form's native window: a fixed dialog frame with a title and a close box, a scroll area
// filling the client area, and the controls' widgets on the page inside it.
#include <QScrollArea>
#include <QWidget>

#include "platform/forms.h"

class QtFormWindow : public QWidget {
 public:
  explicit QtFormWindow(TForm& form);

  // The page that holds the controls' widgets.
  QWidget* Page() const { return page_; }
  QScrollArea* ScrollArea() const { return area_; }
  // Sizes the client area so the outer size meets the form's limits with the frame the window
  // manager actually gave.
  void ApplySize();
  // The outer position from the form's Left and Top.
  void ApplyPosition();
  // The room the controls need: beyond it the page scrolls.
  void SetPageExtent(QSize extent);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QSize FrameExtra() const;
  TForm& form_;
  QScrollArea* area_;
  QWidget* page_;
  QSize frame_;
  bool frameKnown_ = false;
};
