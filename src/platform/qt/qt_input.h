#pragma once
// Feeds the keyboard and the mouse's focus to the form. The dialog's keys (Tab, Enter, Escape,
// Space, arrows) go to the form's rules first and are swallowed when the rules took them, so Qt's
// own focus chain and the widgets' own key handling never compete with the model.
#include <QHash>
#include <QObject>

#include <optional>

#include "platform/forms.h"

class QKeyEvent;

class QtInput : public QObject {
 public:
  explicit QtInput(TForm& form);
  // A widget that shows `control`; nullptr for the form's own containers.
  void Watch(QWidget* widget, TControl* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool KeyPress(QObject* watched, QKeyEvent* event);
  TForm& form_;
  QHash<QObject*, TControl*> controls_;
  bool swallowSpaceRelease_ = false;
};

// The dialog key of a Qt key event, if it is one.
std::optional<TKey> DialogKey(const QKeyEvent& event);
