#include "qt_label.h"

#include "qt_text.h"

QtLabel::QtLabel(TLabel& label, QWidget* parent) : QtControl(label, new QLabel(parent)), label_(static_cast<QLabel*>(Widget())) {
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setFocusPolicy(Qt::NoFocus);
  label_->setMargin(0);
  label_->setIndent(0);
}

void QtLabel::Push(TChange what) {
  if (what == TChange::Caption) label_->setText(ToQString(Control().Caption()));
  QtControl::Push(what);
}
