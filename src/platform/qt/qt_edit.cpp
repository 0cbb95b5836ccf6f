#include "qt_edit.h"

#include <QApplication>
#include <QValidator>

#include "platform/application.h"
#include "qt_text.h"

namespace {

class CodePageValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    // An edit box holds one line: a pasted line break would end up as lines of the settings file.
    if (!input.contains(u'\n') && !input.contains(u'\r') && TryFromQString(input)) return Acceptable;
    QApplication::beep();
    return Invalid;
  }
};

}  // namespace

QtEdit::QtEdit(TEdit& edit, QWidget* parent) : QtControl(edit, new QLineEdit(parent)), line_(static_cast<QLineEdit*>(Widget())) {
  line_->setFocusPolicy(Qt::ClickFocus);
  line_->setFrame(true);
  line_->setValidator(new CodePageValidator(line_));
  QObject::connect(line_, &QLineEdit::textEdited, line_, [this](const QString& text) {
    const auto bytes = TryFromQString(text);
    if (!bytes) {
      QApplication::beep();
      PushText();
      return;
    }
    editing_ = true;
    Application->HandleEvent([&] { Model().SetText(*bytes); });
    editing_ = false;
    PullSelection();
  });
  QObject::connect(line_, &QLineEdit::selectionChanged, line_, [this] { PullSelection(); });
  QObject::connect(line_, &QLineEdit::cursorPositionChanged, line_, [this] { PullSelection(); });
}

void QtEdit::PushText() {
  const QString text = ToQString(Model().Text());
  if (line_->text() == text) return;
  pushing_ = true;
  line_->setText(text);
  pushing_ = false;
  PushSelection();
}

void QtEdit::PushSelection() {
  if (editing_) return;
  const std::string& text = Model().Text();
  const int start = Utf16Offset(text, Model().SelStart());
  const int end = Utf16Offset(text, Model().SelStart() + Model().SelLength());
  const bool same = end > start ? line_->selectionStart() == start && line_->selectionLength() == end - start
                                : !line_->hasSelectedText() && line_->cursorPosition() == start;
  if (same) return;
  pushing_ = true;
  if (end > start)
    line_->setSelection(start, end - start);
  else
    line_->setCursorPosition(start);
  pushing_ = false;
}

// The user moved the cursor or the selection: the model follows, so that a later "select all"
// from the keyboard is a real change.
void QtEdit::PullSelection() {
  if (pushing_) return;
  const QString text = line_->text();
  int start = line_->cursorPosition(), length = 0;
  if (line_->hasSelectedText()) {
    start = line_->selectionStart();
    length = line_->selectionLength();
  }
  const int byteStart = ByteOffset(text, start);
  const int byteLength = ByteOffset(text, start + length) - byteStart;
  pushing_ = true;
  Application->HandleEvent([&] { Model().SetSelection(byteStart, byteLength); });
  pushing_ = false;
}

void QtEdit::Push(TChange what) {
  switch (what) {
    case TChange::Text:
    case TChange::Caption:
      PushText();
      return;
    case TChange::ReadOnly:
      line_->setReadOnly(Model().ReadOnly());
      return;
    case TChange::Selection:
      PushSelection();
      return;
    case TChange::Color:
      SetBackground(QPalette::Base);
      return;
    case TChange::Focus:
      QtControl::Push(what);
      PushSelection();
      return;
    default:
      QtControl::Push(what);
  }
}
